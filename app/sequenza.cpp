#include "app/sequenza.h"

#include <new>

#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/testi.h"

namespace progetto1 {

void AvvisiFinestra::errore(CodiceErrore a) {
  piattaforma_.messaggio(testo_errore(a), kTitoloApplicazione);
  throw FineProgramma{kUscitaErrore};
}

std::string testo_guasto(const Guasto& g) {
  return "Errore di run-time '" + std::to_string(g.numero()) + "':\n\n" + g.descrizione();
}

int carica(Piattaforma& piattaforma, Archivio& archivio) {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  piattaforma.mostra_attesa();
  AvvisiFinestra avvisi(piattaforma);
  try {
    scrivi_testi(p, archivio);
    memorizza_percorso(p, 1, archivio, avvisi);
  } catch (const FineProgramma& fine) {
    return fine.stato;
  } catch (const Guasto& g) {
    piattaforma.messaggio(testo_guasto(g), kTitoloApplicazione);
    return kUscitaGuasto;
  } catch (const std::bad_alloc&) {
    piattaforma.messaggio(testo_guasto(Guasto(7, "Memoria esaurita")), kTitoloApplicazione);
    return kUscitaGuasto;
  }
  return kUscitaNormale;
}

}  // namespace progetto1
