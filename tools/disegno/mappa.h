// `scenario map`: the compiled line drawn as an SVG picture. The plan seen
// from above (when the line plan file exists) with the stations, signals,
// slow-downs and signs on it, and below it the profile along the line:
// heights from the gradients, the gradients themselves, the train's speed
// limit, the mountain stretches and the stations.
#pragma once

#include <string>

#include "tools/disegno/elementi_linea.h"
#include "tools/disegno/svg.h"

namespace progetto1::strumento {

std::string disegna_mappa(const DatiMappa& dati);

}  // namespace progetto1::strumento
