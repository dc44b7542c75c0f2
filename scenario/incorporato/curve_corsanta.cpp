#include "scenario/incorporato/curve_corsanta.h"

namespace progetto1 {

// Chosen with ricerca_curve/cerca_curve so that the plan, integrated metre by metre from the line's
// origin, ends at the line's surveyed end point (30508.0, 91848.5), with the radius 500 m
// curves only where the train runs at 110 km/h or less.
std::vector<std::string> righe_curve_corsanta() {
  // clang-format off
  return {
      "curvad5,  650,  600",
      "curvas5,  1350,  800",
      "curvad3,  7000,  1150",
      "curvas5,  8450,  200",
      "curvad4,  11400,  600",
      "curvad2,  12950,  1550",
      "curvad4,  14950,  200",
      "curvas3,  16750,  1050",
      "curvas4,  19100,  900",
      "curvad3,  24900,  850",
      "curvad4,  27250,  650",
      "curvad4,  30500,  650",
      "curvas4,  33550,  450",
      "curvas4,  34300,  850",
      "curvad3,  39000,  850",
      "curvas3,  41850,  1600",
      "curvad3,  47400,  950",
      "curvad4,  49800,  150",
      "curvas4,  51850,  400",
      "curvad4,  53650,  100",
      "curvad3,  58000,  550",
      "curvad4,  59550,  650",
      "curvas3,  60450,  350",
      "curvas3,  64750,  500",
      "curvad4,  65950,  450",
      "curvad4,  68150,  350",
      "curvas3,  69350,  250",
      "curvas3,  73550,  1050",
      "curvad3,  77600,  1250",
      "curvas4,  80950,  650",
      "curvas4,  83500,  100",
      "curvad4,  84450,  700",
      "curvad4,  88500,  200",
      "curvas2,  89200,  1300",
      "curvad3,  94100,  250",
      "curvas3,  96500,  600",
      "curvad2,  97900,  400",
      "curvas3,  98800,  1700",
      "curvad3,  100900,  1250",
  };
  // clang-format on
}

}  // namespace progetto1
