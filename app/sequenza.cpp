#include "app/sequenza.h"

#include <new>
#include <utility>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/accodato/contenuto_accodato.h"
#include "scenario/scrittori/testi.h"

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

// The program's own file, read only where the data can be.
class ProprioFile : public LettoreFile {
 public:
  ProprioFile(SistemaFile& sistema, std::filesystem::path file)
      : sistema_(sistema), file_(std::move(file)) {}
  std::string coda(std::size_t n) override {
    std::string byte;
    if (const std::error_code ec = sistema_.leggi_coda(file_, n, byte)) {
      throw GuastoFile(Operazione::kLeggi, file_, ec);
    }
    return byte;
  }
  std::string parte(std::uint64_t da, std::size_t n) override {
    std::string byte;
    if (const std::error_code ec = sistema_.leggi_parte(file_, da, n, byte)) {
      throw GuastoFile(Operazione::kLeggi, file_, ec);
    }
    return byte;
  }

 private:
  SistemaFile& sistema_;
  std::filesystem::path file_;
};

}  // namespace

int avvia(Piattaforma& piattaforma, Archivio& archivio, SistemaFile& sistema) {
  // A bare package, the common case, reads its last bytes and the headers
  // at its start; one that carries a scenario, its data besides.
  ContenutoAccodato contenuto;
  try {
    ProprioFile file(sistema, piattaforma.file_programma());
    contenuto = leggi_accodato(file);
  } catch (const GuastoFile& g) {
    piattaforma.messaggio(testo_guasto(g), kTitoloApplicazione);
    return kUscitaGuasto;
  }
  if (contenuto.stato == ContenutoAccodato::Stato::kAssente) {
    return carica(piattaforma, archivio);
  }
  std::string rifiuto;
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
