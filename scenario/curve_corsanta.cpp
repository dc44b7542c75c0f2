#include "scenario/curve_corsanta.h"

namespace progetto1 {

// Chosen with tools/cerca_curve so that the plan, integrated metre by metre from the line's
// origin, ends at the line's surveyed end point (30508.0, 91848.5).
std::vector<std::string> righe_curve_corsanta() {
  // clang-format off
  return {
      "curvad5,  650,  600",
      "curvas5,  1350,  800",
      "curvas4,  6150,  150",
      "curvad3,  9150,  950",
      "curvad2,  12750,  600",
      "curvad3,  14800,  1700",
      "curvas4,  17900,  800",
      "curvad4,  19500,  100",
      "curvad3,  20500,  650",
      "curvas3,  25200,  1600",
      "curvad3,  30300,  450",
      "curvad3,  31850,  450",
      "curvas2,  36100,  1350",
      "curvas4,  38700,  150",
      "curvad3,  40950,  1000",
      "curvad4,  42700,  250",
      "curvas3,  44750,  800",
      "curvad4,  46550,  350",
      "curvad4,  48350,  300",
      "curvad3,  49600,  850",
      "curvas3,  50900,  1250",
      "curvad4,  52900,  850",
      "curvas3,  56950,  1250",
      "curvad4,  59150,  200",
      "curvas4,  61150,  400",
      "curvad3,  63400,  1100",
      "curvas4,  67050,  550",
      "curvad5,  68400,  300",
      "curvad2,  72300,  1100",
      "curvas4,  73900,  750",
      "curvad4,  76350,  800",
      "curvas4,  78050,  600",
      "curvad3,  83500,  1200",
      "curvas3,  86450,  400",
      "curvad4,  89600,  100",
      "curvad4,  91400,  150",
      "curvas4,  95250,  750",
      "curvas3,  98350,  600",
      "curvas3,  100900,  450",
  };
  // clang-format on
}

}  // namespace progetto1
