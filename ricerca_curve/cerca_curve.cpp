// Searches the curve records of the line Corsanta so that its plan, stepped by the package's
// own plan stepping, ends at the surveyed end point of the line.
//
// Built on request, not with the package:
//   cmake --build build --target cerca_curve && build/ricerca_curve/cerca_curve
// `cerca_curve --verifica` only checks that the embedded curve records reach the end point.
//
// What the search keeps of the embedded line it reads from the embedded texts (linea.h): the
// first two curves, the number of curves of each side and grade, where the first and the last
// curve start, the line's length and the train's speed limits.
//
// The search is deterministic (fixed seed). It works in two stages:
//  1. simulated annealing (ricottura.h) over the order of sides and grades, the lengths and
//     the straights between the curves, within bounds that keep the line plausible
//     (vincoli.h: straights between curves, headings meandering around the general
//     direction, no long runs of curves to the same side, the sharp grade-5 curves only where
//     the train runs at 110 km/h or less), until the end point is within centimetres;
//  2. a meet-in-the-middle search over moves of the straights (affinamento.h) brings it
//     within a few millimetres.
// The result is checked by the step-by-step integration (tracciato.h) and printed ready to
// paste into scenario/incorporato/curve_corsanta.cpp (stampa.h).

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "ricerca_curve/affinamento.h"
#include "ricerca_curve/ricottura.h"
#include "ricerca_curve/stampa.h"
#include "ricerca_curve/tracciato.h"
#include "ricerca_curve/verifica.h"
#include "ricerca_curve/vincoli.h"

int main(int argc, char** argv) {
  using namespace progetto1::ricerca_curve;
  if (argc == 2 && std::string(argv[1]) == "--verifica") return verifica();
  if (argc != 1) {
    std::fprintf(stderr, "uso: cerca_curve [--verifica]\n");
    return 2;
  }
  const auto avvio = std::chrono::steady_clock::now();
  const long passi = 3000000;
  for (std::uint64_t seme = 1; seme <= 50; ++seme) {
    Tracciato t = ricottura(seme, passi);
    const Esito e = valuta(t);
    const double resto = std::abs(e.fine - complesso(meta_x, meta_y));
    const double pen = penalita(t, e);
    std::printf("seed %llu: distance to end point %.3f m, penalty %.1f\n",
                static_cast<unsigned long long>(seme), resto, pen);
    if (pen > 0.0 || resto > 20.0) continue;
    if (!affina(t)) continue;

    stampa_tracciato(t);
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - avvio).count();
    std::printf("search time: %.1f s\n", secondi);
    return 0;
  }
  std::printf("no layout found\n");
  return 1;
}
