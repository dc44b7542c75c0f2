// The two check codes that tie the binary files to the scenario's identity:
// both are sums over the first 25 characters of the train number followed by
// the line name (slots 86 and 85), lower-cased and padded with a fixed filler.
#pragma once

#include <cstdint>

#include "model/pacchetto.h"

namespace progetto1 {

// The sum of the codes weighted by their place (1 to 25); at most 82875.
// Stored in the station file.
std::int32_t codice_gara_st(const Pacchetto& p);
// The plain sum of the codes; at most 6375. Stored in the cell file.
std::int16_t codice_gara_og(const Pacchetto& p);

}  // namespace progetto1
