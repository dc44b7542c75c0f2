// Linux: arguments and standard streams are UTF-8 already; the program's file
// from /proc.
#include <iostream>

#include "tools/terminale/terminale.h"

namespace progetto1::strumento {

std::vector<std::string> argomenti_programma(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::ostream& uscita_programma() { return std::cout; }
std::ostream& errore_programma() { return std::cerr; }
std::istream& ingresso_programma() { return std::cin; }

std::filesystem::path eseguibile_programma() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec);
}

FormaLuogo forma_luogo_predefinita() { return FormaLuogo::kCompilatore; }

}  // namespace progetto1::strumento
