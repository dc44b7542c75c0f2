// The error register turned into words for the author, in the form compilers
// use so that editors can jump to the record: "FILE:LINE: errore CODE: ...",
// then the record's line, then the position with its cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/compilazione.h"

namespace progetto1::strumento {

// Which position goes with a code in posizione_errore.
enum class TipoPosizione {
  kNessuna,      // none: the register keeps an older, unrelated value
  kRecord,       // a record's position; its cell is p / 50 + 1
  kCellaPrima,   // an "abbattimento" position; the cell tested is p / 50
  kIndiceCella,  // a cell index times 50, set by the signal-code pass
};

// Which text a code comes from, when the reader's trace does not say.
enum class Origine { kLinea, kTreno, kPassata, kFinitura };

struct VoceErrore {
  std::int32_t codice;
  const char* frase;
  TipoPosizione posizione;
  Origine origine;
};

// Every code the package can record or report, in ascending order.
const std::vector<VoceErrore>& tabella_errori();
// nullptr for a code the package never uses.
const VoceErrore* voce_errore(std::int32_t codice);

// "posizione 30400 m, cella 609" for a code that records a position; empty
// otherwise.
std::string testo_posizione(std::int32_t codice, std::int32_t posizione);

// The whole diagnostic of a run, one line per line, each ended by '\n';
// empty for a clean run. file_linea and file_treno are the paths the user
// gave.
std::string diagnosi(const EsitoCompilazione& esito, const std::string& file_linea,
                     const std::string& file_treno);

// "1250", "1251", "no-track" or "guasto", as in the JSON report; nullptr when
// the run was not fatal.
const char* nome_fatale(Fatale f);

}  // namespace progetto1::strumento
