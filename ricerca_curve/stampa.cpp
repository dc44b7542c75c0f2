// Printing of the found layout.
#include "ricerca_curve/stampa.h"

#include <cstdio>
#include <numbers>
#include <string>

namespace progetto1::ricerca_curve {

namespace {

std::string riga(const Tracciato& t, int j) {
  return std::string("curva") + t.lato[j] + std::to_string(t.grado[j]) + ",  " +
         std::to_string(t.inizio(j)) + ",  " + std::to_string(t.lunghezza[j]);
}

}  // namespace

void stampa_tracciato(const Tracciato& t) {
  const Punto p1250 = integra(t, 1250);
  const Punto fine = integra(t, ultimo_punto());
  std::printf("\n");
  for (int j = 0; j < numero_curve(); ++j) std::printf("\"%s\",\n", riga(t, j).c_str());
  std::printf("\npoint 1250: (%.4f, %.4f)\n", p1250.x, p1250.y);
  std::printf("point %d: (%.4f, %.4f)\n", ultimo_punto(), fine.x, fine.y);
  std::printf("headings after each curve (deg):");
  const Esito ef = valuta(t);
  for (int j = 0; j < numero_curve(); ++j)
    std::printf(" %.0f", rotta(ef.direzione[j]) * 180.0 / std::numbers::pi);
  std::printf("\n");
}

}  // namespace progetto1::ricerca_curve
