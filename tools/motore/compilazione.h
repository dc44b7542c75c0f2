// The package's own finishing stage run on an author's two texts, entirely in
// memory: the texts are loaded under the package's names into a memory
// archive, `memorizza_percorso` compiles them there, and the binary files it
// wrote are handed back with the outcome. Nothing here touches the disk.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compiler/traccia.h"
#include "model/archivio_memoria.h"
#include "model/cella.h"
#include "model/pacchetto.h"
#include "model/stazione.h"

namespace progetto1::strumento {

// The binary files as the finishing stage hands them over, named as the
// package names them.
using FileProdotti = std::vector<std::pair<std::string, Contenuto>>;
using Consegna = std::function<void(const FileProdotti&)>;

// A memory archive that remembers the order in which files were written.
// Each text goes to its one reader whole, without a copy: a text read once
// stays listed, empty, until the reader deletes it.
class ArchivioRegistrato : public ArchivioMemoria {
 public:
  std::string leggi(const std::string& nome) override;
  void sostituisci(const std::string& nome, std::string_view byte) override;
  // With a consegna, the binary files go there instead of into memory.
  void sostituisci_tutti(const FileProdotti& file) override;
  // Names in the order of their first writing.
  std::vector<std::string> ordine;
  Consegna consegna;
};

// A file to write: its name and its bytes.
using FileUscita = std::pair<std::string, std::string>;

// How a run ended without files.
enum class Fatale {
  kNessuno,
  k1250,           // errore "1250": cell 1 or slot 85 already held a package value
  k1251,           // errore "1251": the same for the check codes
  kSenzaPercorso,  // the reader never created the cells (the finishing stage fails on them)
  kGuasto,         // any other run-time failure of the finishing stage
};

struct EsitoCompilazione {
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
  Fatale fatale = Fatale::kNessuno;
  std::string guasto;  // number and description of the failure, for kSenzaPercorso and kGuasto
  Traccia traccia;
  // What cell 1 and slot 85 held when a fatal check stopped the run.
  std::optional<cella> cella1;
  stazione slot_linea;
  // The binary files in writing order; empty after a fatal end.
  std::vector<FileUscita> file;
};

// The names set in the package and the two texts put into the archive
// under the names the package reads them by.
void carica_testi(Pacchetto& p, ArchivioMemoria& archivio, std::string testo_linea,
                  std::string testo_treno, const std::string& nome_linea,
                  const std::string& numero_treno);

// nome_linea and numero_treno as the package holds them (Windows-1252); the
// texts as bytes. con_piano: the finishing stage's argument 1, else 0.
EsitoCompilazione compila(std::string_view testo_linea, std::string_view testo_treno,
                          const std::string& nome_linea, const std::string& numero_treno,
                          bool con_piano);
// The same, taking the texts over, and handing the binary files to consegna
// while the model they come from still exists, so that a long line's plan is
// never held whole; esito.file stays empty. What consegna throws, other than
// a Guasto, ends the compilation and reaches the caller.
EsitoCompilazione compila(std::string testo_linea, std::string testo_treno,
                          const std::string& nome_linea, const std::string& numero_treno,
                          bool con_piano, const Consegna& consegna);

// The five texts of the embedded scenario as the package writes them, in its
// writing order, under the names it gives them for a line and a train
// (Windows-1252, as the package holds them).
std::vector<FileUscita> testi_pacchetto(const std::string& nome_linea = kNomeLinea,
                                        const std::string& numero_treno = kNumeroTreno);

}  // namespace progetto1::strumento
