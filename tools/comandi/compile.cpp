// scenario compile: the two texts compiled as the package compiles them, the
// binary files written into a folder.
#include <memory>
#include <nlohmann/json.hpp>

#include "model/cp1252.h"
#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

const char* const kPiedeCompile = R"(
File scritti in DIR, con i nomi che usa il pacchetto:
  NOME_LINEA_linea.dat           piano della linea (non con --no-plan)
  NOME_LINEA_NUMERO_TRENO.sim    tabella delle stazioni
  NOME_LINEA_NUMERO_TRENO.dat    celle del percorso
Se DIR non esiste viene creata, con le cartelle che la contengono. Ogni file viene scritto
prima accanto al suo nome, con un nome provvisorio, e poi rinominato sopra il
vecchio: una compilazione fallita o interrotta non lascia file a metà. I testi
d'ingresso non vengono mai modificati. Con --no-plan un vecchio piano in DIR
resta com'è.

Stato d'uscita:
  0  nessun errore
  1  il registro contiene un codice d'errore; i file sono scritti comunque,
     come fa il pacchetto
  2  uso sbagliato, oppure un file che non si può leggere o scrivere
  3  nessun file scritto e DIR invariata: controllo 1250 o 1251 fallito,
     oppure la lettura si è fermata prima di creare le celle del percorso
     ("no-track"), oppure un altro guasto della finitura ("guasto")

Senza --json gli errori vanno sullo standard error nella forma
FILE:RIGA:COLONNA: errore CODICE: descrizione, seguita dalla riga del testo,
da un segno ^ sotto la colonna e dalla posizione in metri con la sua cella
(solo per i codici che ne registrano una). Con --diagnostics msvc il luogo è
scritto FILE(RIGA,COLONNA): come lo leggono Visual Studio e gli editor di
Windows; su Windows è la forma predefinita, altrove lo è gcc.
Con --json l'uscita standard contiene un solo oggetto JSON:
  {"codice_errore": N, "posizione_errore": N,
   "fatal": null | "1250" | "1251" | "no-track" | "guasto", "files": [...]}
"posizione_errore" ha senso solo per i codici che registrano una posizione;
"files" elenca i nomi scritti nell'ordine di scrittura. Con lo stato 2
l'uscita standard resta vuota e il messaggio va sullo standard error.
)";

struct OpzioniCompile {
  std::string linea, treno, nome, numero, uscita;
  bool senza_piano = false;
  bool json = false;
  SceltaLuogo luogo;
};

int esegui(const OpzioniCompile& o, const Ambiente& a) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, a.err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  if (!cartella_utilizzabile(uscita, a.err)) return kUscitaUso;
  std::string testo_linea, testo_treno;
  if (!leggi_testi(o.linea, o.treno, testo_linea, testo_treno, a.err)) return kUscitaUso;

  // The files go out as the finishing stage writes them, from its model.
  std::vector<std::string> file;
  const auto consegna = [&](const FileProdotti& binari) {
    FileProdotti su_disco;
    for (const auto& [nome, contenuto] : binari) {
      su_disco.emplace_back(da_cp1252(nome), contenuto);
    }
    scrivi_contenuti_in_cartella(uscita, su_disco, {percorso(o.linea), percorso(o.treno)},
                                 a.sistema);
    for (const auto& f : su_disco) file.push_back(f.first);
  };
  EsitoCompilazione esito;
  try {
    esito = compila(std::move(testo_linea), std::move(testo_treno), p.nome_linea, p.numero_treno,
                    !o.senza_piano, consegna);
  } catch (const ErroreFile& e) {
    a.err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }

  if (o.json) {
    nlohmann::ordered_json j;
    j["codice_errore"] = esito.codice_errore;
    j["posizione_errore"] = esito.posizione_errore;
    const char* fatale = nome_fatale(esito.fatale);
    j["fatal"] = fatale != nullptr ? nlohmann::ordered_json(fatale) : nlohmann::ordered_json();
    j["files"] = nlohmann::ordered_json::array();
    for (const std::string& f : file) j["files"].push_back(f);
    a.out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    a.err << diagnosi(esito, o.linea, o.treno, o.luogo.forma(a.luogo));
    for (const std::string& f : file) a.out << "scritto " << testo(uscita / percorso(f)) << "\n";
  }
  if (esito.fatale != Fatale::kNessuno) return kUscitaFatale;
  return esito.codice_errore == 0 ? kUscitaPulita : kUscitaCodice;
}

}  // namespace

Corpo prepara_compile(CLI::App& c) {
  auto o = std::make_shared<OpzioniCompile>();
  opzioni_testi(c, o->linea, o->treno);
  opzioni_nomi(c, o->nome, o->numero, true);
  opzione_uscita(c, o->uscita, "cartella dei file binari (creata se manca)", "DIR");
  c.add_flag("--no-plan", o->senza_piano,
             "senza piano della linea (argomento 0 della finitura, niente _linea.dat)");
  opzione_json(c, o->json, "esito come un oggetto JSON sull'uscita standard");
  opzione_luogo(c, o->luogo);
  c.footer(kPiedeCompile);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
