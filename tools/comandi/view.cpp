// scenario view: the compiled line as one self-contained HTML page to explore.
#include <memory>
#include <optional>

#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/disegno/vista.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento {

namespace {

const char* const kPiedeView = R"(
Legge da DIR gli stessi file di map e scrive una pagina HTML che basta a se
stessa (dati, stile e programma dentro il file, nessun accesso alla rete), da
aprire con un browser: la pianta e il profilo collegati, da spostare con il
mouse e ingrandire con la rotella; una casella di ricerca che accetta una
posizione in metri (30400), una cella (cella 609), un chilometro (km 70,4) o
il nome di una stazione; l'ispettore della cella scelta, con i campi come li
nomina dump, accanto a ogni valore nel file il suo significato, e la tratta di
progressiva in cui cade la posizione, come la scrive il testo; l'elenco delle
stazioni, con categoria e orario decodificati; gli strati da accendere e
spegnere. Con --line e --train verifica anche i due testi come check e mostra
le diagnostiche, ognuna con il suo file e la sua riga, sulla linea dove
cadono; l'ispettore nomina allora le righe dei testi che hanno fatto la cella
(file:riga), e un clic sulla cella o su una diagnostica ne mostra il testo.
La cartella del file HTML viene creata se manca.
)";

struct OpzioniView {
  OpzioniDisegno disegno;
  std::string linea, treno;
};

int esegui(const OpzioniView& o, const Ambiente& a) {
  const std::optional<Disegno> d = da_disegnare(o.disegno, ".html", a.err);
  if (!d) return kUscitaUso;
  std::optional<EsitoVerifica> diagnostiche;
  if (!o.linea.empty()) {
    std::string testo_linea, testo_treno;
    if (!leggi_testi(o.linea, o.treno, testo_linea, testo_treno, a.err)) return kUscitaUso;
    diagnostiche =
        verifica(testo_linea, testo_treno, d->p.nome_linea, d->p.numero_treno, o.linea, o.treno);
  }
  return scrivi_disegno(o.disegno.uscita,
                        pagina_vista(d->dati, diagnostiche ? &*diagnostiche : nullptr), *d, a);
}

}  // namespace

Corpo prepara_view(CLI::App& c) {
  auto o = std::make_shared<OpzioniView>();
  opzioni_scenario_compilato(c, o->disegno.cartella, o->disegno.nome, o->disegno.numero);
  opzione_uscita(c, o->disegno.uscita, "file HTML da scrivere", "FILE.html");
  opzioni_testi_per_diagnostiche(c, o->linea, o->treno);
  c.footer(kPiedeView);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
