// scenario map: the compiled line drawn as an SVG picture.
#include <memory>

#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/disegno/mappa.h"

namespace progetto1::strumento {

namespace {

const char* const kPiedeMap = R"(
Legge da DIR i file NOME_LINEA_linea.dat (facoltativo: senza, cioè dopo
compile --no-plan, disegna solo il profilo), NOME_LINEA_NUMERO_TRENO.sim e
NOME_LINEA_NUMERO_TRENO.dat, e disegna la pianta della linea con stazioni,
segnali, rallentamenti e cartelli, e sotto il profilo: altimetria e pendenze,
velocità massima del treno, tratti di montagna e stazioni. Un piano che non
corrisponde alle celle (per esempio rimasto da una compilazione precedente)
viene ignorato con un avviso. La cartella del file SVG viene creata se manca.
)";

int esegui(const OpzioniDisegno& o, const Ambiente& a) {
  const std::optional<Disegno> d = da_disegnare(o, ".svg", a.err);
  if (!d) return kUscitaUso;
  return scrivi_disegno(o.uscita, disegna_mappa(d->dati), *d, a);
}

}  // namespace

Corpo prepara_map(CLI::App& c) {
  auto o = std::make_shared<OpzioniDisegno>();
  opzioni_scenario_compilato(c, o->cartella, o->nome, o->numero);
  opzione_uscita(c, o->uscita, "file SVG da scrivere", "FILE.svg");
  c.footer(kPiedeMap);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
