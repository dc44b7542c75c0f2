// The chainage ranges of the line, read into slots 81 ("tre"), 82 ("due") and
// 83 ("uno"), put into the order the simulator expects: the range that starts
// furthest along the line first.
#pragma once

#include <cstdint>

#include "model/pacchetto.h"

namespace progetto1 {

// A range whose flag is 1 gets this added to its chainage.
inline constexpr std::int32_t kAggiuntaProgressiva = 100;
constexpr bool con_aggiunta(std::int32_t segno) { return segno == 1; }

void progressive_ordina(Pacchetto& p);

}  // namespace progetto1
