// The options that several subcommands share, each declared once here: the
// two texts, the scenario's names, the folder of a compiled scenario, the
// form of the diagnostics' places, JSON output and the output file.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

// --line and --train, both required.
void opzioni_testi(CLI::App& comando, std::string& linea, std::string& treno);
// --line and --train, for the diagnostics only: either needs the other.
void opzioni_testi_per_diagnostiche(CLI::App& comando, std::string& linea, std::string& treno);

// --name and --number. Without obbligatori they keep the values they hold,
// the embedded scenario's names, and `per` (may be empty) says what they
// are for.
void opzioni_nomi(CLI::App& comando, std::string& nome, std::string& numero, bool obbligatori,
                  const std::string& per = {});

// --dir, --name and --number: the three binary files of a compiled scenario.
void opzioni_scenario_compilato(CLI::App& comando, std::string& cartella, std::string& nome,
                                std::string& numero);

// --out, required.
void opzione_uscita(CLI::App& comando, std::string& uscita, const std::string& descrizione,
                    const std::string& tipo);

// --force: an author's edited texts may be replaced.
void opzione_forza(CLI::App& comando, bool& forza);
void opzione_json(CLI::App& comando, bool& json, const std::string& descrizione);

// --diagnostics gcc|msvc; forma() is the chosen form, or the tool's default.
struct SceltaLuogo {
  std::string scelta;
  FormaLuogo forma(FormaLuogo predefinita) const;
};
void opzione_luogo(CLI::App& comando, SceltaLuogo& luogo);

}  // namespace progetto1::strumento
