// The error register turned into words for the author, in a form editors
// read so that they can jump to the record: "FILE:LINE:COLUMN: errore CODE:
// ..." (or the Visual Studio form), then the record's line with a caret under
// the column, then the position with its cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/codici_errore.h"
#include "tools/motore/compilazione.h"

namespace progetto1::strumento {

// How a diagnostic names its place: "FILE:RIGA:COLONNA:" as compilers and the
// editors of Unix write it, or "FILE(RIGA,COLONNA):" as Visual Studio and the
// editors of Windows read it.
enum class FormaLuogo { kCompilatore, kVisualStudio };

// The place with its closing colon; a line or column of 0 is left out.
std::string testo_luogo(const std::string& file, long riga, long colonna, FormaLuogo forma);

// The source line (UTF-8) indented, then a caret under the column (counted in
// characters; a tab above stays a tab below); empty without a line.
std::string riga_con_segno(const std::string& testo_riga, long colonna);

// "posizione 30400 m, cella 609" for a code that records a position; empty
// otherwise.
std::string testo_posizione(std::int32_t codice, std::int32_t posizione);
// The cell that position names for that code; 0 for a code without a position.
long cella_posizione(std::int32_t codice, std::int32_t posizione);

// The whole diagnostic of a run, one line per line, each ended by '\n';
// empty for a clean run. file_linea and file_treno are the paths the user
// gave.
std::string diagnosi(const EsitoCompilazione& esito, const std::string& file_linea,
                     const std::string& file_treno, FormaLuogo forma = FormaLuogo::kCompilatore);

// "1250", "1251", "no-track" or "guasto", as in the JSON report; nullptr when
// the run was not fatal.
const char* nome_fatale(Fatale f);

}  // namespace progetto1::strumento
