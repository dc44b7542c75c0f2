// Numeric rules shared by the whole package: the standard rounding, the
// range-checked conversions of fractional values and the narrowing of whole
// values into the narrower fields of the model.
#pragma once

#include <cstdint>

namespace progetto1 {

// Nearest whole number, a value exactly halfway going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -0.5 gives 0).
double arrotonda(double valore);

// Conversions of a fractional value to a whole-number field: standard rounding,
// then a range check. A result that does not fit raises the run-time failure 6
// ("Overflow"), a Guasto.
std::int16_t a_integer(double valore);
std::uint8_t a_byte(double valore);
std::int32_t a_long(double valore);

// A whole value stored into a narrower field keeps its low bits, without any
// range check (70000 into an Integer gives 4464, 300 into a Byte gives 44).
constexpr std::int16_t basso16(long long valore) {
  return static_cast<std::int16_t>(
      static_cast<std::uint16_t>(static_cast<unsigned long long>(valore) & 0xFFFFu));
}
constexpr std::uint8_t basso8(long long valore) {
  return static_cast<std::uint8_t>(static_cast<unsigned long long>(valore) & 0xFFu);
}

// The standard cell of a position: p / 50 + 1 in floating point, rounded.
std::int32_t cella_di(std::int32_t posizione);

}  // namespace progetto1
