// The plan of the map: the line seen from above, with its stations, signals,
// signs, speed boards, slow-downs and mountain stretches, the station names
// placed where they cover nothing else.
#pragma once

#include "tools/binari/decodifica.h"
#include "tools/disegno/elementi_linea.h"
#include "tools/disegno/svg.h"

namespace progetto1::strumento {

struct MisurePianta {
  double bordo_destro = 0;
  double altezza = 0;
};

// Draws the plan with its upper edge at top.
MisurePianta disegna_pianta(Svg& s, const Piano& piano, const ElementiLinea& l, double top);

}  // namespace progetto1::strumento
