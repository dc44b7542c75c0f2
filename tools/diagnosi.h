// The error register turned into words for the author, in the form compilers
// use so that editors can jump to the record: "FILE:LINE: errore CODE: ...",
// then the record's line, then the position with its cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/codici_errore.h"
#include "tools/compilazione.h"

namespace progetto1::strumento {

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
