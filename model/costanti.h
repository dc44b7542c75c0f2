// Constants of the package that the compiler, the writers and the tool all
// rely on.
#pragma once

#include <cstdint>

namespace progetto1 {

// The track is cut into cells of 50 m; position 0 lies in cell 1.
inline constexpr std::int32_t kMetriCella = 50;
// The track, and with it the plan, runs on this far past the declared length.
inline constexpr std::int32_t kEstensioneLinea = 7000;
// A cell's speed limit counts steps of 5 km/h.
inline constexpr std::int32_t kPassoVelocita = 5;
// A speed board packs two speeds per field: the first times 20 plus the
// second in speed steps.
inline constexpr std::int32_t kFattoreIndicatore = 20;
// Stations of this category and above have no stop mark.
inline constexpr std::int32_t kCategoriaSenzaFermata = 25;

// A position in cells, as the readers compute it before rounding.
constexpr double in_celle(std::int32_t metri) { return metri / static_cast<double>(kMetriCella); }
// Where cell c begins, in metres from the origin.
constexpr long inizio_cella(long c) { return (c - 1) * kMetriCella; }

}  // namespace progetto1
