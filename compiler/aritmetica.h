// Whole-number arithmetic of the readers and the placement procedures is done
// on Long values: a result outside the 32-bit range is the overflow failure,
// which the readers turn into their code 25, never a silent wrap-around.
#pragma once

#include <cstdint>
#include <limits>

#include "model/guasto.h"

namespace progetto1 {

inline std::int32_t lungo(long long valore) {
  if (valore < std::numeric_limits<std::int32_t>::min() ||
      valore > std::numeric_limits<std::int32_t>::max()) {
    throw Guasto::overflow();
  }
  return static_cast<std::int32_t>(valore);
}

inline std::int32_t somma(std::int32_t a, std::int32_t b) {
  return lungo(static_cast<long long>(a) + b);
}
inline std::int32_t differenza(std::int32_t a, std::int32_t b) {
  return lungo(static_cast<long long>(a) - b);
}
inline std::int32_t prodotto(std::int32_t a, std::int32_t b) {
  return lungo(static_cast<long long>(a) * b);
}

}  // namespace progetto1
