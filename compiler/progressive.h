// The chainage ranges of the line, read into slots 81 ("tre"), 82 ("due") and
// 83 ("uno"), put into the order the simulator expects: the range that starts
// furthest along the line first. A range whose flag is 1 gets 100 m added to
// its chainage.
#pragma once

#include "model/pacchetto.h"

namespace progetto1 {

void progressive_ordina(Pacchetto& p);

}  // namespace progetto1
