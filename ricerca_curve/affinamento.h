// The second stage of the search. With sides, grades and lengths fixed the end point is
// linear in the straight lengths, so moving 50 m of straight from one gap to another moves it
// by a known vector; a meet-in-the-middle search over such moves brings it within a few
// millimetres.
#pragma once

#include "ricerca_curve/tracciato.h"

namespace progetto1::ricerca_curve {

// Moves straights of `t` so that its stepped plan ends within a centimetre of the end point,
// keeping it plausible; false, and `t` unchanged, if no such moves are found.
bool affina(Tracciato& t);

}  // namespace progetto1::ricerca_curve
