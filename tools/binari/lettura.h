// Reading compiled files, each decoded once, along one path: a file by the
// kind its name gives (dump), or the three files of a compiled scenario in
// their folder (map, view, decompile). A file that does not fit its layout is
// named, and its message names the byte where it stops fitting.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/pacchetto.h"
#include "model/stazione.h"
#include "scenario/accodato/contenuto_accodato.h"
#include "tools/binari/decodifica.h"

namespace progetto1::strumento {

struct FileDecodificato {
  std::string nome;  // as the user gave it
  TipoFile tipo = TipoFile::kCelle;
  Piano piano;
  std::vector<stazione> stazioni;
  std::vector<cella> celle;
  ContenutoAccodato accodato;  // kPacchetto: what the package carries
};

// Decodes `byte` as a file of that kind. ErroreFormato when the bytes do not
// fit, and for a package whose appended scenario is damaged.
FileDecodificato decodifica_tipo(TipoFile tipo, std::string_view byte);
// Decodes `byte` by the kind that `nome` names; a file of any other name
// that is a Windows or Linux executable is a package. ErroreFormato also when
// the name names no kind and the file is no executable.
FileDecodificato decodifica_file(const std::string& nome, std::string_view byte);
// The file read and decoded by its name; ErroreFile when it cannot be read.
FileDecodificato leggi_file_decodificato(const std::filesystem::path& percorso);

// The files' bytes; no plan after a compilation without it.
struct FileBinari {
  std::optional<std::string> piano;
  std::string stazioni;
  std::string celle;
};

// Where the three files of a scenario lie in a folder, under the package's
// names.
struct PercorsiScenario {
  std::filesystem::path piano, stazioni, celle;

  const std::filesystem::path& di(TipoFile tipo) const;
};
PercorsiScenario percorsi_scenario(const std::filesystem::path& cartella, const Pacchetto& p);

// One of the three files does not fit its layout.
class ErroreFileRovinato : public ErroreFormato {
 public:
  ErroreFileRovinato(TipoFile tipo, const std::string& motivo)
      : ErroreFormato(motivo), tipo_(tipo) {}
  TipoFile tipo() const { return tipo_; }

 private:
  TipoFile tipo_;
};

struct ScenarioCompilato {
  FileBinari byte;
  std::optional<Piano> piano;
  std::vector<stazione> stazioni;  // the 87 slots
  std::vector<cella> celle;
};

// Each file decoded once; ErroreFileRovinato names the one that does not fit.
ScenarioCompilato decodifica_scenario(FileBinari byte);

// The files read from disk, the plan only where it exists; ErroreFile when a
// file cannot be read, ErroreFileRovinato when one does not fit.
ScenarioCompilato leggi_scenario_compilato(const PercorsiScenario& percorsi);

}  // namespace progetto1::strumento
