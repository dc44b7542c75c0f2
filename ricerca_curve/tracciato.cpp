// The plan of a layout, in closed form and stepped.
#include "ricerca_curve/tracciato.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "model/tabella_linea.h"
#include "ricerca_curve/vincoli.h"

namespace progetto1::ricerca_curve {

namespace {

// Powers and geometric sums of the one-metre step operator, per grade and side: a curved
// step multiplies the step (dx + i dy) by w = 1 - i k.
struct Tabelle {
  std::array<std::array<std::vector<complesso>, 2>, 6> potenza, somma;
  Tabelle() {
    for (int g = 2; g <= 5; ++g) {
      for (int lato = 0; lato < 2; ++lato) {
        const double k = lato == 0 ? curvatura_grado(g) : -curvatura_grado(g);
        const complesso w(1.0, -k);
        auto& p = potenza[g][lato];
        auto& s = somma[g][lato];
        p.assign(lunghezza_massima + 1, 1.0);
        s.assign(lunghezza_massima + 1, 0.0);
        for (int n = 1; n <= lunghezza_massima; ++n) {
          p[n] = p[n - 1] * w;
          s[n] = s[n - 1] + p[n];
        }
      }
    }
  }
};

const Tabelle& tabelle() {
  static const Tabelle t;
  return t;
}

}  // namespace

Esito valuta(const Tracciato& t) {
  Esito e{};
  complesso p(0.0, 1.0), d(0.0, 1.0);
  int i = 1;
  int s = inizio_primo();
  for (int j = 0; j < numero_curve(); ++j) {
    p += static_cast<double>(s - i) * d;
    const int l = t.lunghezza[j];
    const int lato = t.lato[j] == 'd' ? 0 : 1;
    p += d * tabelle().somma[t.grado[j]][lato][l];
    d *= tabelle().potenza[t.grado[j]][lato][l];
    i = s + l;
    e.direzione[j] = d;
    s = i + t.rettilineo[j];
  }
  p += static_cast<double>(ultimo_punto() - i) * d;
  e.fine = p;
  return e;
}

Punto integra(const Tracciato& t, int metro) {
  TabellaLinea tabella;
  tabella.crea(ultimo_punto() + 2);
  inizia_piano(tabella);
  std::int32_t i = 2;
  for (int j = 0; j < numero_curve(); ++j) {
    const int s = t.inizio(j);
    estendi_piano(tabella, i, s, 0);
    estendi_piano(tabella, i, s + t.lunghezza[j], t.k(j));
  }
  estendi_piano(tabella, i, ultimo_punto(), 0);
  return {tabella.valore(metro, 0), tabella.valore(metro, 1)};
}

double rotta(complesso d) { return std::atan2(d.real(), d.imag()); }

Errore errore_esatto(const Tracciato& t) {
  const Punto fine = integra(t, ultimo_punto());
  return {fine.x - meta_x, fine.y - meta_y};
}

}  // namespace progetto1::ricerca_curve
