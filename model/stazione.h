// One slot of the station table. What a field means depends on the slot:
// stations from slot 1 upward, sign texts from slot 80 downward, the chainage
// ranges in 81 to 83 and the general values of line and train in 84 to 86.
#pragma once

#include <cstdint>
#include <string>

namespace progetto1 {

struct stazione {
  std::uint8_t codice = 0;
  std::int32_t valore1 = 0;
  std::int32_t valore2 = 0;
  std::int32_t valore3 = 0;
  std::uint8_t selettore = 0;
  std::string testo;  // Windows-1252 bytes
  std::int16_t intero1 = 0;
  std::int16_t intero2 = 0;
  std::int16_t intero3 = 0;
  std::int16_t intero4 = 0;
  std::int16_t intero5 = 0;
  std::uint8_t marca1 = 0;
  std::uint8_t marca2 = 0;
  std::uint8_t marca3 = 0;
  std::uint8_t marca4 = 0;
  std::int32_t valore4 = 0;

  bool operator==(const stazione&) const = default;
};

// Slots with a fixed meaning.
inline constexpr long kNumeroSlot = 87;         // slots 0 to 86
inline constexpr long kPrimoSlotCartelli = 80;  // signs take 80, 79, ...
inline constexpr long kSlotProgressive = 81;    // 81 to 83: chainage ranges
inline constexpr long kSlotGenerali = 84;
inline constexpr long kSlotLinea = 85;
inline constexpr long kSlotTreno = 86;

}  // namespace progetto1
