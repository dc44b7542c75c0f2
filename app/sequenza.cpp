#include "app/sequenza.h"

#include <new>
#include <utility>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/contenuto_accodato.h"
#include "scenario/testi.h"

namespace progetto1 {

void AvvisiFinestra::errore(CodiceErrore a) {
  piattaforma_.messaggio(testo_errore(a), kTitoloApplicazione);
  throw FineProgramma{kUscitaErrore};
}

std::string testo_guasto(const Guasto& g) {
  return "Errore di run-time '" + std::to_string(g.numero()) + "':\n\n" + g.descrizione();
}

int carica(Piattaforma& piattaforma, Archivio& archivio, const Scenario& scenario) {
  Pacchetto p;
  p.nome_linea = scenario.nome_linea;
  p.numero_treno = scenario.numero_treno;
  piattaforma.mostra_attesa();
  AvvisiFinestra avvisi(piattaforma);
  try {
    scrivi_testi(p, scenario, archivio);
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

namespace {

// Why the names of a carried scenario cannot name files in the program's
// folder (UTF-8), or empty.
std::string motivo_nomi(const Scenario& s) {
  for (const auto& [cosa, nome] :
       {std::pair{"della linea", &s.nome_linea}, std::pair{"del treno", &s.numero_treno}}) {
    const std::string motivo = motivo_nome_non_sicuro(*nome);
    if (!motivo.empty()) {
      return std::string("il nome ") + cosa + " \"" + da_cp1252(*nome) + "\": " + motivo;
    }
  }
  const std::string conflitto = motivo_nomi_in_conflitto(s.nome_linea, s.numero_treno);
  return conflitto.empty()
             ? conflitto
             : "il numero del treno \"" + da_cp1252(s.numero_treno) + "\": " + conflitto;
}

}  // namespace

int avvia(Piattaforma& piattaforma, Archivio& archivio, SistemaFile& sistema) {
  const std::filesystem::path file = piattaforma.file_programma();
  // A bare package, the common case, reads only its last bytes.
  std::string byte;
  std::error_code ec = sistema.leggi_coda(file, kDimensioneCoda, byte);
  if (!ec && !ha_coda_accodata(byte)) {
    // Without the trailer, a package cut short still has the header of its
    // data where the program ends.
    ec = sistema.leggi_parte(file, 0, kDimensioneTesta, byte);
    const std::optional<std::uint64_t> fine = ec ? std::nullopt : fine_eseguibile(byte);
    if (fine) ec = sistema.leggi_parte(file, *fine, kDimensioneIntestazione, byte);
    if (!ec && !(fine && inizia_come_accodato(byte))) return carica(piattaforma, archivio);
  }
  if (!ec) ec = sistema.leggi(file, byte);
  if (ec) {
    piattaforma.messaggio(testo_guasto(GuastoFile(Operazione::kLeggi, file, ec)),
                          kTitoloApplicazione);
    return kUscitaGuasto;
  }
  const ContenutoAccodato contenuto = leggi_accodato(byte);
  byte = std::string();
  std::string rifiuto;
  if (contenuto.stato == ContenutoAccodato::Stato::kAssente) {
    return carica(piattaforma, archivio);
  }
  if (contenuto.stato == ContenutoAccodato::Stato::kDanneggiato) {
    rifiuto = "Lo scenario accodato al programma è rovinato: " + contenuto.motivo + ".";
  } else {
    const std::string motivo = motivo_nomi(contenuto.scenario);
    if (motivo.empty()) return carica(piattaforma, archivio, contenuto.scenario);
    rifiuto =
        "Lo scenario accodato al programma non si può scrivere nella sua cartella: " + motivo + ".";
  }
  piattaforma.messaggio(a_cp1252(rifiuto + "\n\nNessun file è stato scritto."),
                        kTitoloApplicazione);
  return kUscitaGuasto;
}

}  // namespace progetto1
