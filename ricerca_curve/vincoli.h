// The bounds that keep a layout plausible: the cell grid, the straights' and curves' lengths,
// the headings, the runs of curves to one side and the sharp curves' slow stretches.
#pragma once

#include "model/costanti.h"
#include "ricerca_curve/tracciato.h"

namespace progetto1::ricerca_curve {

constexpr int passo = kMetriCella;  // positions and lengths stay on the cell grid
constexpr int rettilineo_minimo = 250;
constexpr int rettilineo_massimo = 5000;
constexpr int lunghezza_massima = 1700;

// Plausible length range by grade: long gentle curves, short sharp ones.
inline int lunghezza_min(int grado) { return grado >= 4 ? 100 : (grado == 3 ? 200 : 400); }
inline int lunghezza_max(int grado) {
  return grado == 5 ? 600 : (grado == 4 ? 900 : lunghezza_massima);
}

// Penalty for leaving the plausible shape; zero when the layout is acceptable.
double penalita(const Tracciato& t, const Esito& e);

// The lengths of the curves after the first two within their grade's range, one of them 100 m
// and one the longest.
bool lunghezze_valide(const Tracciato& t);

// The last curve where the embedded line has it, the movable straights within range.
bool rettilinei_validi(const Tracciato& t);

}  // namespace progetto1::ricerca_curve
