// The check of the embedded curve records.
#include "ricerca_curve/verifica.h"

#include <cstdio>
#include <vector>

#include "ricerca_curve/tracciato.h"

namespace progetto1::ricerca_curve {

namespace {

// The embedded curve records, as the search sees them.
Tracciato tracciato_incorporato() {
  Tracciato t;
  const std::vector<Curva>& curve = linea().curve;
  for (int j = 0; j < numero_curve(); ++j) {
    t.lato[j] = curve[j].lato;
    t.grado[j] = curve[j].grado;
    t.lunghezza[j] = curve[j].lunghezza;
    t.rettilineo[j] =
        j + 1 < numero_curve() ? curve[j + 1].inizio - curve[j].inizio - curve[j].lunghezza : 0;
  }
  return t;
}

}  // namespace

int verifica() {
  const Tracciato t = tracciato_incorporato();
  const Punto fine = integra(t, ultimo_punto());
  const Errore err = errore_esatto(t);
  std::printf("embedded curves: %d, point %d: (%.4f, %.4f), line reader's plan: (%.4f, %.4f)\n",
              numero_curve(), ultimo_punto(), fine.x, fine.y, linea().fine_x, linea().fine_y);
  const bool uguale = fine.x == linea().fine_x && fine.y == linea().fine_y;
  const bool vicino = err.massimo() < 0.01;
  if (!uguale) std::printf("the search's stepping differs from the line reader's\n");
  if (!vicino) std::printf("the end point is %.4f m away from the surveyed one\n", err.massimo());
  return uguale && vicino ? 0 : 1;
}

}  // namespace progetto1::ricerca_curve
