// `cerca_curve --verifica`: the embedded curve records, stepped as in the search, end where the
// line reader's plan ends and within a centimetre of the surveyed end point.
#pragma once

namespace progetto1::ricerca_curve {

// 0 if they do; otherwise prints what differs and returns 1.
int verifica();

}  // namespace progetto1::ricerca_curve
