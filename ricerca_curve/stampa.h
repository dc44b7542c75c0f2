// The found layout printed ready to paste into scenario/incorporato/curve_corsanta.cpp, with the
// points and headings that show it is plausible.
#pragma once

#include "ricerca_curve/tracciato.h"

namespace progetto1::ricerca_curve {

void stampa_tracciato(const Tracciato& t);

}  // namespace progetto1::ricerca_curve
