// scenario decompile: the three binary files read back into a line text and a
// train text that compile to the same bytes.
#include <memory>
#include <nlohmann/json.hpp>

#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/decompilazione/decompilazione.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

const char* const kPiedeDecompile = R"(
Legge da DIR NOME_LINEA_linea.dat (facoltativo), NOME_LINEA_NUMERO_TRENO.sim e
NOME_LINEA_NUMERO_TRENO.dat e scrive in TESTI_DIR il testo della linea
(NOME_LINEA_linea.txt) e quello del treno (NOME_LINEA_NUMERO_TRENO-.txt), in
Windows-1252 con CR LF come li scrive il pacchetto. Prima di scrivere compila
i testi in memoria con il compilatore del pacchetto e confronta ogni byte dei
tre file; se non coincidono prova le alternative che conosce, e se nessuna
coincide non scrive nulla e nomina le prime celle, slot o punti del piano
diversi. Senza il piano i testi non hanno curve e danno gli altri due file
con compile --no-plan.

I testi sono una forma normale: ogni elemento all'inizio della sua cella,
valori uguali di celle vicine come un solo record, e dove più testi danno gli
stessi byte uno scelto (cartelli di velocità: v_d / 5 tra 0 e 19; segnali: le
unità come valori d; abbattimenti con valore 0 o meno: 0). Le note dicono,
con la loro cella o slot, quello che la forma normale non ridà.

Stato d'uscita:
  0  testi scritti; compilati danno gli stessi file
  1  testi scritti e verificati, ma la loro compilazione registra un codice
     d'errore (come compile)
  2  uso sbagliato, un file che non si può leggere o scrivere, un file
     rovinato (nominato con il byte dove non torna), oppure testi già nella
     cartella e diversi, che senza --force non sostituisce
  3  nessun testo scritto: nessun testo dà questi file (nominati il punto o
     le prime differenze)

Con --json l'uscita standard contiene un solo oggetto JSON:
  {"codice_errore": N, "files": [...], "note": [{"cella": N, "nota": "..."}, ...],
   "differenze": [...]}
)";

struct OpzioniDecompile {
  std::string cartella, nome, numero, uscita;
  bool json = false;
  bool forza = false;
};

int esegui(const OpzioniDecompile& o, const Ambiente& a) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, a.err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  if (!cartella_utilizzabile(uscita, a.err)) return kUscitaUso;
  const fs::path dir = percorso(o.cartella);
  const PercorsiScenario letti = percorsi_scenario(dir, p);
  const std::optional<ScenarioCompilato> scenario = leggi_compilato(letti, a.err);
  if (!scenario) return kUscitaUso;
  const EsitoDecompilazione esito = decompila(*scenario, p.nome_linea, p.numero_treno);

  std::vector<FileUscita> file;
  if (esito.riuscita) {
    file = con_nomi_disco(
        {{nome_testo_linea(p), esito.testo_linea}, {nome_testo_treno(p), esito.testo_treno}});
    if (!testi_intatti(uscita, file, o.forza, a.sistema, a.err) ||
        !scrivi_o_avvisa(uscita, file, {letti.piano, letti.stazioni, letti.celle}, a.sistema,
                         a.err)) {
      return kUscitaUso;
    }
  }
  if (o.json) {
    nlohmann::ordered_json j;
    j["codice_errore"] = esito.codice_errore;
    j["files"] = nlohmann::ordered_json::array();
    for (const FileUscita& f : file) j["files"].push_back(f.first);
    j["note"] = nlohmann::ordered_json::array();
    for (const Nota& n : esito.note) {
      nlohmann::ordered_json x;
      if (n.luogo != Nota::Luogo::kNessuno) x[nome_luogo(n.luogo)] = n.indice;
      x["nota"] = n.testo;
      j["note"].push_back(x);
    }
    j["differenze"] = esito.differenze;
    a.out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    for (const std::string& d : esito.differenze) a.err << testo(dir) << ": errore: " << d << "\n";
    for (const Nota& n : esito.note) {
      a.out << "nota: ";
      if (n.luogo != Nota::Luogo::kNessuno) a.out << nome_luogo(n.luogo) << " " << n.indice << ": ";
      a.out << n.testo << "\n";
    }
    for (const FileUscita& f : file)
      a.out << "scritto " << testo(uscita / percorso(f.first)) << "\n";
  }
  if (!esito.riuscita) return kUscitaFatale;
  return esito.codice_errore == 0 ? kUscitaPulita : kUscitaCodice;
}

}  // namespace

Corpo prepara_decompile(CLI::App& c) {
  auto o = std::make_shared<OpzioniDecompile>();
  opzioni_scenario_compilato(c, o->cartella, o->nome, o->numero);
  opzione_uscita(c, o->uscita, "cartella dei testi (creata se manca)", "TESTI_DIR");
  opzione_json(c, o->json, "note e differenze come un oggetto JSON sull'uscita standard");
  opzione_forza(c, o->forza);
  c.footer(kPiedeDecompile);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
