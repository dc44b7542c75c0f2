// The signal-code pass: code points (kind 12, kValoreCodice) in front of signals
// near a slow-down warning board, in three groups before every slow-down
// start, every 400 m along a slow-down below 110 km/h and in front of the
// first signal after it. Cells that find no room record codes 11 to 13 in the
// error register; the pass always runs to its end.
#pragma once

#include <cstdint>

#include "model/pacchetto.h"

namespace progetto1 {

class Osservatore;

// The code a code point of the pass carries; one already there keeps the
// smaller of the two.
inline constexpr std::int16_t kValoreCodice = 180;

// The smaller of the two, the first on a tie.
constexpr std::int32_t minimo(std::int32_t x, std::int32_t y) { return x > y ? y : x; }

// Visits cells 1 to the upper index - 2 in order; later cells see what
// earlier ones placed. A package whose reader never created the cells fails
// here with failure 9. With an observer (a check) the codes go to it and
// the register is left alone.
void passata_codici(Pacchetto& p, Osservatore* o = nullptr);

}  // namespace progetto1
