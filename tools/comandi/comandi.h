// The `scenario` command line: compile, check, texts, dump, map, view, decompile,
// package and help.
#pragma once

#include <ostream>
#include <string>

#include "app/file_sistema.h"
#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

// Exit statuses of the tool.
inline constexpr int kUscitaPulita = 0;  // no error code
inline constexpr int kUscitaCodice = 1;  // an error code, files written all the same
inline constexpr int kUscitaUso = 2;     // usage, or a file that cannot be read or written
inline constexpr int kUscitaFatale = 3;  // the run ended without files

// Runs the tool as `scenario argv[1] ...`, arguments in UTF-8; returns the
// exit status. Files are written through `sistema`; `luogo` is the form of
// the diagnostics' places when the command line does not choose one.
int esegui_scenario(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    SistemaFile& sistema = sistema_file(),
                    FormaLuogo luogo = FormaLuogo::kCompilatore);

// A line name or train number fit to become part of a file name: not empty,
// no path separators, no characters Windows forbids in names, and every
// character in the Western European code page. On success `cp1252` holds the
// name as the package holds it; otherwise `motivo` says why.
bool nome_valido(const std::string& utf8, std::string& cp1252, std::string& motivo);

}  // namespace progetto1::strumento
