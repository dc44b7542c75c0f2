// The three binary scenario files back into a line text and a train text that
// compile to the same bytes. The texts are a normal form: every record at the
// start of its cell, equal neighbouring values as one run, one member chosen
// wherever several texts give the same bytes. Before the texts are handed
// back they are compiled in memory with the package's own finishing stage
// and compared byte for byte with the files; texts that do not reproduce
// them are never handed back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/binari/lettura.h"

namespace progetto1::strumento {

// What the normal form could not restore, or chose, and where.
struct Nota {
  enum class Luogo { kNessuno, kCella, kSlot, kPunto };
  Luogo luogo = Luogo::kNessuno;
  long indice = 0;
  std::string testo;  // UTF-8, for people
};

// "cella", "slot", "punto"; empty for a note about the whole scenario.
const char* nome_luogo(Nota::Luogo luogo);

struct EsitoDecompilazione {
  bool riuscita = false;
  // Windows-1252 with CR LF, as the package's text writers write.
  std::string testo_linea;
  std::string testo_treno;
  std::vector<Nota> note;
  // The code the verifying compilation left in the register.
  std::int32_t codice_errore = 0;
  // Without success: why no text can give the files, or the first cells,
  // slots and plan points where the best texts found still differ.
  std::vector<std::string> differenze;
};

// nome_linea and numero_treno as the package holds them (Windows-1252).
EsitoDecompilazione decompila(const ScenarioCompilato& file, const std::string& nome_linea,
                              const std::string& numero_treno);
// The same from the bytes, decoded first: a file whose bytes do not fit its
// layout throws ErroreFileRovinato.
EsitoDecompilazione decompila(FileBinari file, const std::string& nome_linea,
                              const std::string& numero_treno);

}  // namespace progetto1::strumento
