// scenario check: the package's own readers run on an author's two texts in
// the mode where every fault is reported and reading goes on, then the code
// pass and the finishing stage's checks; every code they would record and
// every place where they silently change what the text says becomes one
// diagnostic. One list of diagnostics, written in three forms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/osservatore.h"
#include "model/codici_errore.h"
#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

enum class Gravita { kErrore, kAvviso };

struct Diagnostica {
  std::string file;  // the path the author gave
  long riga = 0;     // 1-based; 0: the file as a whole
  long colonna = 0;  // 1-based; 0: the line as a whole
  Gravita gravita = Gravita::kErrore;
  std::string id;                      // stable: "E16", "fuori-griglia"
  std::optional<std::int32_t> codice;  // the package's error code; none for a warning
  std::string messaggio;               // Italian, UTF-8
  std::string testo_riga;              // the source line, UTF-8; empty when riga is 0
  long omesse = 0;  // > 0: stands for this many diagnostics of its rule, not listed
  // The cell of the position a code records, else the first cell its record
  // took; 0 when it has no place on the line.
  long cella = 0;
};

// A line of the texts that made cells of the track.
struct RigaSorgente {
  std::string file;   // the path the author gave
  long riga = 0;      // 1-based
  std::string testo;  // UTF-8
};

// Cells prima to ultima, whose field `campo` a line wrote last, as far as the
// readers tell it: "genere" for the record whose feature took the cell (its
// values with it); "pendenza", "vel_limite", "aderenza", "montagna" and
// "avvicinamento" for the records that lay a value over cells.
struct Provenienza {
  long prima = 0;
  long ultima = 0;
  std::string campo;
  std::size_t riga = 0;  // in righe_sorgente
};

struct EsitoVerifica {
  std::vector<Diagnostica> diagnostiche;     // line text, train text, then the cells
  std::vector<RigaSorgente> righe_sorgente;  // each once, in the order first named
  std::vector<Provenienza> provenienze;      // by field, then by cell
  // All of them, also those a diagnostic with omesse stands for.
  long errori() const;
  long avvisi() const;
};

// nome_linea and numero_treno as the package holds them (Windows-1252).
EsitoVerifica verifica(std::string_view testo_linea, std::string_view testo_treno,
                       const std::string& nome_linea, const std::string& numero_treno,
                       const std::string& file_linea, const std::string& file_treno);

// Every rule with its identifier and a short description, errors first.
struct Regola {
  std::string id;
  Gravita gravita;
  std::string descrizione;
};
const std::vector<Regola>& regole();
// The identifiers the rules go by: "E16" for a code, "fuori-griglia" for a
// warning of the readers.
std::string id_errore(CodiceErrore c);
std::string id_avviso(Avviso a);

std::string testo_verifica(const EsitoVerifica& e, FormaLuogo forma = FormaLuogo::kCompilatore);
std::string json_verifica(const EsitoVerifica& e);
std::string sarif_verifica(const EsitoVerifica& e);

}  // namespace progetto1::strumento
