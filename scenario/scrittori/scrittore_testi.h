// The mechanism shared by the five text writers: a list of at most 1000 lines
// closed by the sentinel, written up to the sentinel with CR LF as
// Windows-1252 bytes, into a file replaced afresh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/archivio.h"

namespace progetto1 {

inline constexpr const char* kSentinella = "riferimento fine del file";
inline constexpr long kRigheElenco = 1001;  // indices 0 to 1000

// The bytes of a text: every line of `righe` (UTF-8) up to the first line
// equal to the sentinel, each converted to Windows-1252 and ended by CR LF.
// `righe` is the writer's list without the sentinel; the sentinel is put
// after it, so more than 1000 lines do not fit (failure 9). `contatore` is
// left at the sentinel's index.
std::string componi_testo(const std::vector<std::string>& righe, std::int32_t& contatore);

// componi_testo, then the file `nome` replaced by those bytes.
void scrivi_testo(Archivio& archivio, const std::string& nome,
                  const std::vector<std::string>& righe, std::int32_t& contatore);

}  // namespace progetto1
