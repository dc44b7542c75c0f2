// `scenario package`: an author's five texts appended to a copy of the
// package executable, which then runs them instead of its embedded scenario.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/pacchetto.h"
#include "scenario/accodato/contenuto_accodato.h"
#include "scenario/scrittori/testi.h"

namespace progetto1::strumento {

// The five texts of a scenario in the order they are carried: the name the
// package gives each file (Windows-1252) and its lines in the Scenario.
struct TestoScenario {
  std::string nome;
  std::vector<std::string> Scenario::*righe;
};
std::array<TestoScenario, 5> testi_scenario(const Pacchetto& p);

// The lines of one text file as the package's writers would write them
// again: Windows-1252 bytes, each line ended by CR LF or by LF alone (the
// last line may have no end). `file` names the text in messages. Throws
// ErroreFile, naming file and line, for a line the writers cannot write
// unchanged (a lone CR, a byte the code page leaves undefined, the line that
// closes the writers' lists) and for more than 1000 lines.
struct RigheTesto {
  std::vector<std::string> righe;  // UTF-8, as a Scenario holds them
  bool solo_lf = false;            // some line ended by LF alone
  bool sembra_utf8 = false;        // non-ASCII bytes that all read as UTF-8
};
RigheTesto righe_del_testo(std::string_view byte, const std::string& file);

// Whether an output names a Windows package: it ends in ".exe", in any case.
bool uscita_windows(const std::filesystem::path& uscita);

// The package executable `base` (for Windows or not) carrying `s` instead
// of whatever it carried: its own data, if any, is dropped, not stacked.
// Throws ErroreFile, naming `nome_base`, when base is not an executable of
// that platform or carries damaged data.
struct PacchettoComposto {
  std::string byte;
  bool sostituiti = false;  // the base already carried a scenario
};
PacchettoComposto componi_pacchetto(std::string_view base, bool windows, const Scenario& s,
                                    const std::string& nome_base);

}  // namespace progetto1::strumento
