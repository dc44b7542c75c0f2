// The page of the map: the width of the picture and the edges of its plots,
// shared by the plan, the profile and the legend.
#pragma once

#include <cmath>

namespace progetto1::strumento {

inline constexpr double kLarghezza = 1400;
inline constexpr double kSinistra = 80;  // left edge of every plot
inline constexpr double kDestraProfilo = 1330;
inline constexpr double kDestraPiano = 1080;  // the legend stands to the right of the plan
inline constexpr double kAltezzaMaxPiano = 720;

// A step for axis labels: 1, 2 or 5 times a power of ten, giving at most
// `massimo` intervals over `intervallo`.
inline double passo_tondo(double intervallo, int massimo) {
  if (intervallo <= 0) return 1;
  double base = std::pow(10.0, std::floor(std::log10(intervallo / massimo)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    if (intervallo / (base * f) <= massimo) return base * f;
  }
  return base * 10;
}

inline int decimali_per(double passo_metri) { return passo_metri >= 1000 ? 0 : 1; }

}  // namespace progetto1::strumento
