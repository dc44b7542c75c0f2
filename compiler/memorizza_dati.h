// The reader of the two description texts: the line text reader followed
// without a break by the train data reader. It reads the texts named after
// the package (nome_linea + "_linea.txt", nome_linea + "_" + numero_treno +
// "-.txt") from the archive, fills the package state, records faults in the
// error register and deletes the texts as the package does.
#pragma once

#include <string>

#include "model/archivio.h"
#include "model/pacchetto.h"

namespace progetto1 {

// Where the reader stood when it last recorded a code in the register, for
// diagnostics that name the record (the package itself never looks at it).
struct Traccia {
  enum class Testo { kNessuno, kLinea, kTreno };
  Testo testo = Testo::kNessuno;
  long riga = 0;           // 1-based line number of the record's keyword field
  std::string testo_riga;  // that line of the text, without its line end
};

void memorizza_dati(Pacchetto& p, Archivio& archivio, Traccia* traccia = nullptr);

}  // namespace progetto1
