// Where the reader stood when it last recorded a code in the register, for
// diagnostics that name the record (the package itself never looks at it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "compiler/luogo.h"

namespace progetto1 {

struct Traccia {
  Luogo luogo;             // the record's keyword field, or the read that failed
  std::string testo_riga;  // that line of the text, without its line end

  // The reader also stops, after the train's next signal or slow-down, on a
  // code an earlier record left in the register (a line record beyond the
  // track). The register then names the signal or slow-down; this names the
  // record that recorded the code, and its position.
  struct Causa {
    Luogo luogo;
    std::string testo_riga;
    std::int32_t posizione = 0;
  };
  std::optional<Causa> causa;
};

}  // namespace progetto1
