// What the tool needs from the system it runs on: its arguments, its standard
// output and error, and its own file. Inside the tool every text and every
// path is UTF-8; one implementation per platform (terminale_win32.cpp,
// terminale_linux.cpp) meets the system's conventions at the edge.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

// The program's arguments as UTF-8, the program's name first. On Windows they
// are read wide from the command line, so that any letters survive.
std::vector<std::string> argomenti_programma(int argc, char** argv);

// Standard output and error, taking UTF-8. Written to a Windows console they
// appear as the same characters whatever its code page; written to a file or
// a pipe they stay UTF-8 bytes.
std::ostream& uscita_programma();
std::ostream& errore_programma();

// Standard input as bytes, untouched: on Windows no CR LF becomes LF (the
// language server counts the bytes of each message).
std::istream& ingresso_programma();

// The running program's own file.
std::filesystem::path eseguibile_programma();

// The form of the diagnostics the editors of the platform read.
FormaLuogo forma_luogo_predefinita();

}  // namespace progetto1::strumento
