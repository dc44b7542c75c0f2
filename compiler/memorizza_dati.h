// The reader of the two description texts: the line text reader followed
// without a break by the train data reader. It reads the texts named after
// the package (nome_linea + "_linea.txt", nome_linea + "_" + numero_treno +
// "-.txt") from the archive, fills the package state, records faults in the
// error register and deletes the texts as the package does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/archivio.h"
#include "model/pacchetto.h"

namespace progetto1 {

class Osservatore;

// Where the reader stood when it last recorded a code in the register, for
// diagnostics that name the record (the package itself never looks at it).
struct Traccia {
  enum class Testo { kNessuno, kLinea, kTreno };
  Testo testo = Testo::kNessuno;
  long riga = 0;           // 1-based line number of the record's keyword field
  long colonna = 0;        // 1-based column of that field, or of the read that failed
  std::string testo_riga;  // that line of the text, without its line end

  // The reader also stops, after the train's next signal or slow-down, on a
  // code an earlier record left in the register (a line record beyond the
  // track). The register then names the signal or slow-down; this names the
  // record that recorded the code, and its position.
  struct Causa {
    Testo testo = Testo::kNessuno;
    long riga = 0;
    long colonna = 0;
    std::string testo_riga;
    std::int32_t posizione = 0;
  };
  std::optional<Causa> causa;
};

// With an observer every fault goes to it instead of the register, and the
// reading goes on with the next record (see compiler/osservatore.h).
void memorizza_dati(Pacchetto& p, Archivio& archivio, Traccia* traccia = nullptr,
                    Osservatore* osservatore = nullptr);

}  // namespace progetto1
