// The profile of the map along the line: heights from the gradients, the
// gradients, the train's speed limit with the slow-downs, and a strip for
// the signals, signs, speed boards and code points; mountain stretches and
// stations run across all of them.
#pragma once

#include "tools/disegno/elementi_linea.h"
#include "tools/disegno/svg.h"

namespace progetto1::strumento {

// Draws the profile below top; returns its lower edge.
double disegna_profilo(Svg& s, const ElementiLinea& l, double top);

}  // namespace progetto1::strumento
