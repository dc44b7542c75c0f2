#include "scenario/curve_corsanta.h"

namespace progetto1 {

// Placeholder until the curve set lands.
std::vector<std::string> righe_curve_corsanta() {
  return {"curvad5,  650,  600", "curvas5,  1350,  800"};
}

}  // namespace progetto1
