// The subcommands of `scenario` in one table: a name, the summary that the
// help and the usage line show, and the function that declares the
// subcommand's options and help text and hands back its body. A new
// subcommand is one row here and one file in this folder.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <vector>

#include "app/file_sistema.h"
#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

// What a subcommand's body runs with.
struct Ambiente {
  std::ostream& out;
  std::ostream& err;
  SistemaFile& sistema;
  FormaLuogo luogo;  // the form of the places when --diagnostics chooses none
};

// A body reads the options its subcommand's parse filled; it returns the
// exit status.
using Corpo = std::function<int(const Ambiente&)>;

struct Sottocomando {
  const char* nome;
  const char* sommario;
  Corpo (*prepara)(CLI::App& comando);
};

// In the order of the help.
const std::vector<Sottocomando>& sottocomandi();

Corpo prepara_compile(CLI::App& comando);
Corpo prepara_check(CLI::App& comando);
Corpo prepara_texts(CLI::App& comando);
Corpo prepara_dump(CLI::App& comando);
Corpo prepara_map(CLI::App& comando);
Corpo prepara_view(CLI::App& comando);
Corpo prepara_decompile(CLI::App& comando);
Corpo prepara_package(CLI::App& comando);
Corpo prepara_help(CLI::App& comando);
Corpo prepara_lsp(CLI::App& comando);

}  // namespace progetto1::strumento
