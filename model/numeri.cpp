#include "model/numeri.h"

#include <cmath>
#include <limits>

#include "model/costanti.h"
#include "model/guasto.h"

namespace progetto1 {

double arrotonda(double valore) {
  // nearbyint follows the current rounding mode, which the package never
  // changes from the default round-to-nearest-even.
  return std::nearbyint(valore);
}

namespace {

template <typename T>
T converti(double valore) {
  const double r = arrotonda(valore);
  if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
        r <= static_cast<double>(std::numeric_limits<T>::max()))) {
    throw Guasto::overflow();
  }
  return static_cast<T>(r);
}

}  // namespace

std::int16_t a_integer(double valore) { return converti<std::int16_t>(valore); }
std::uint8_t a_byte(double valore) { return converti<std::uint8_t>(valore); }
std::int32_t a_long(double valore) { return converti<std::int32_t>(valore); }

std::int32_t cella_di(std::int32_t posizione) { return a_long(in_celle(posizione) + 1.0); }

}  // namespace progetto1
