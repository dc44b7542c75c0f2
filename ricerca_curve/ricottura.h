// The first stage of the search: simulated annealing over the order of sides and grades, the
// lengths and the straights between the curves, towards the end point within the bounds.
#pragma once

#include <cstdint>

#include "ricerca_curve/tracciato.h"

namespace progetto1::ricerca_curve {

// The best layout met in `passi` steps from seed `seme`; the same seed gives the same layout.
Tracciato ricottura(std::uint64_t seme, long passi);

}  // namespace progetto1::ricerca_curve
