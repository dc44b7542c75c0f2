// What the subcommands' bodies share: the scenario's names checked as the
// package holds them, the output folder or file checked before any work,
// the texts read, the files written, and the compiled scenario read for a
// drawing. Each returns false (or nothing) after its message.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/file_sistema.h"
#include "model/pacchetto.h"
#include "tools/binari/lettura.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/disegno/elementi_linea.h"
#include "tools/motore/compilazione.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {

// The names as the package holds them, checked.
bool nomi_pacchetto(const std::string& nome, const std::string& numero, Pacchetto& p,
                    std::ostream& err);

// Names in the archive are Windows-1252, as the package writes them; on disk
// they are UTF-8 like every other name of the author's system.
std::vector<FileUscita> con_nomi_disco(std::vector<FileUscita> file);

// A missing output folder is made when the files are written (as mkdir -p
// does); something else under its name is refused before any work is done.
bool cartella_utilizzabile(const std::filesystem::path& cartella, std::ostream& err);

// The file --out names must end with `estensione`.
bool estensione_di_uscita(const std::string& uscita, const std::string& estensione,
                          std::ostream& err);

// The file --out names and the folder it goes into, which is made when
// missing.
bool file_di_uscita(const std::string& uscita, std::filesystem::path& destinazione,
                    std::filesystem::path& cartella, std::ostream& err);

// Texts an author may have edited: without forza, refuses (naming each one
// and writing nothing) when a file of the folder would be replaced by a
// different content.
bool testi_intatti(const std::filesystem::path& cartella, const std::vector<FileUscita>& file,
                   bool forza, SistemaFile& sistema, std::ostream& err);

// Writes every file or none.
bool scrivi_o_avvisa(const std::filesystem::path& cartella, const std::vector<FileUscita>& file,
                     const std::vector<std::filesystem::path>& intoccabili, SistemaFile& sistema,
                     std::ostream& err);

// The two description texts an author gave.
bool leggi_testi(const std::string& linea, const std::string& treno, std::string& testo_linea,
                 std::string& testo_treno, std::ostream& err);

// The compiled scenario in `cartella`, each file decoded once; a file that
// cannot be read or does not fit is named.
std::optional<ScenarioCompilato> leggi_compilato(const PercorsiScenario& percorsi,
                                                 std::ostream& err);

// What map and view draw, read from a compiled scenario's folder.
struct OpzioniDisegno {
  std::string cartella, nome, numero, uscita;
};
struct Disegno {
  Pacchetto p;
  PercorsiScenario letti;  // the files it was drawn from
  DatiMappa dati;
};
// --out must end with `estensione`; the names are checked and the compiled
// scenario read, each file decoded once; a plan that is missing or does not
// fit the cells is left out with a warning.
std::optional<Disegno> da_disegnare(const OpzioniDisegno& o, const std::string& estensione,
                                    std::ostream& err);

// Writes a drawing to the file --out names, beside the files it was drawn
// from, which it never replaces.
int scrivi_disegno(const std::string& uscita, const std::string& contenuto, const Disegno& d,
                   const Ambiente& a);

}  // namespace progetto1::strumento
