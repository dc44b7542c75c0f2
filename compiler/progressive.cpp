#include "compiler/progressive.h"

#include <array>

#include "compiler/aritmetica.h"

namespace progetto1 {

namespace {

struct Progressiva {
  std::int32_t inizio = 0;
  std::int32_t chilometrica = 0;
  std::int32_t segno = 0;
};

Progressiva da_slot(const stazione& s) { return {s.valore1, s.valore2, s.valore3}; }

}  // namespace

void progressive_ordina(Pacchetto& p) {
  const Progressiva t = da_slot(p.stazioni[kSlotProgressive]);
  const Progressiva d = da_slot(p.stazioni[kSlotProgressive + 1]);
  const Progressiva u = da_slot(p.stazioni[kSlotProgressive + 2]);

  // Ranges nobody could order (a shared largest start, or nothing at all)
  // reach the simulator as zeros.
  std::array<Progressiva, 3> ordine{};
  if (somma(somma(t.inizio, d.inizio), u.inizio) != 0) {
    if (t.inizio > d.inizio && t.inizio > u.inizio) {
      ordine = u.inizio < d.inizio ? std::array{t, d, u} : std::array{t, u, d};
    } else if (d.inizio > t.inizio && d.inizio > u.inizio) {
      ordine = u.inizio < t.inizio ? std::array{d, t, u} : std::array{d, u, t};
    } else if (u.inizio > t.inizio && u.inizio > d.inizio) {
      ordine = d.inizio < t.inizio ? std::array{u, t, d} : std::array{u, d, t};
    }
  } else {
    if (t.chilometrica >= 1) ordine = {t, d, u};
    if (d.chilometrica >= 1) ordine = {d, t, u};
    if (u.chilometrica >= 1) ordine = {u, d, t};
  }

  for (long i = 0; i < 3; ++i) {
    stazione& s = p.stazioni[kSlotProgressive + i];
    s.valore1 = ordine[static_cast<std::size_t>(i)].inizio;
    s.valore2 = ordine[static_cast<std::size_t>(i)].chilometrica;
    s.valore3 = ordine[static_cast<std::size_t>(i)].segno;
  }
  for (long i = 0; i < 3; ++i) {
    stazione& s = p.stazioni[kSlotProgressive + i];
    if (con_aggiunta(s.valore3)) s.valore2 = somma(s.valore2, kAggiuntaProgressiva);
  }
}

}  // namespace progetto1
