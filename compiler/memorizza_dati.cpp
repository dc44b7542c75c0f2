#include "compiler/memorizza_dati.h"

#include "compiler/aritmetica.h"
#include "compiler/lettura.h"
#include "model/costanti.h"
#include "model/guasto.h"

namespace progetto1 {

void Lettura::leggi_chiave() {
  p.riga = campi->leggi_testo();
  riga_record = campi->riga_lettura();
}

bool Lettura::prossima_chiave() {
  if (campi->alla_fine()) return false;
  leggi_chiave();
  if (campi->alla_fine()) return false;
  for (int saltati = 0; saltati < 2 && contiene(p.riga, "-"); ++saltati) {
    leggi_chiave();
    if (campi->alla_fine()) return false;
  }
  return true;
}

void Lettura::chiudi_ed_elimina() {
  archivio.elimina(testo == Traccia::Testo::kTreno ? nome_testo_treno(p) : nome_testo_linea(p));
}

void Lettura::registra(CodiceErrore codice, long riga) {
  p.registra_errore(codice);
  traccia_riga(riga);
}

void Lettura::traccia_riga(long riga) {
  if (traccia == nullptr) return;
  traccia->causa.reset();
  traccia->testo = testo;
  traccia->riga = riga;
  traccia->testo_riga = campi && riga > 0 ? campi->testo_riga(riga) : std::string();
}

void Lettura::registra(CodiceErrore codice, std::int32_t posizione, long riga) {
  p.posizione_errore = posizione;
  registra(codice, riga);
}

void Lettura::ferma_dopo_piazzamento(std::int32_t codice_prima, std::int32_t posizione) {
  std::optional<Traccia::Causa> causa;
  if (traccia != nullptr && codice_prima > 0 && p.codice_errore == codice_prima) {
    causa = Traccia::Causa{traccia->testo, traccia->riga, traccia->testo_riga, p.posizione_errore};
  }
  chiudi_ed_elimina();
  p.posizione_errore = posizione;
  traccia_riga(riga_record);
  if (traccia != nullptr) traccia->causa = std::move(causa);
}

bool Lettura::entro_percorso(std::int32_t pos, std::int32_t margine) {
  if (p.percorso.vuoto()) throw Guasto::indice_fuori_intervallo();
  if (in_celle(somma(pos, margine)) > static_cast<double>(p.percorso.ultimo())) {
    registra(CodiceErrore::kOltreIlPercorso, pos, riga_record);
    return false;
  }
  return true;
}

long Lettura::riga_guasto() const {
  if (!campi) return 0;
  return campi->in_lettura() ? campi->riga_lettura() : riga_record;
}

void memorizza_dati(Pacchetto& p, Archivio& archivio, Traccia* traccia) {
  if (traccia != nullptr) *traccia = Traccia{};
  Lettura l(p, archivio, traccia);
  try {
    if (leggi_testo_linea(l) == Esito::kFine) return;
    leggi_testo_treno(l);
  } catch (const Guasto&) {
    // A text that cannot be read to the end is refused as a whole: neither
    // description text is left behind for a later run to trip over.
    for (const std::string& nome : {nome_testo_linea(p), nome_testo_treno(p)}) {
      if (archivio.esiste(nome)) archivio.elimina(nome);
    }
    l.registra(CodiceErrore::kLettura, l.riga_guasto());
  }
}

}  // namespace progetto1
