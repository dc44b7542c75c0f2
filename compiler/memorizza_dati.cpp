#include "compiler/memorizza_dati.h"

#include <algorithm>

#include "compiler/aritmetica.h"
#include "compiler/chiavi.h"
#include "compiler/lettura.h"
#include "compiler/piano.h"
#include "model/costanti.h"
#include "model/guasto.h"
#include "model/numeri.h"

namespace progetto1 {

void Lettura::leggi_chiave() {
  p.riga = campi->leggi_testo();
  riga_record = campi->riga_lettura();
  colonna_record = campi->colonna_lettura();
  if (verifica()) chiave_record = p.riga;
  campi->segna();
}

bool Lettura::prossima_chiave() {
  if (campi->alla_fine()) return false;
  leggi_chiave();
  if (campi->alla_fine()) return false;
  for (int saltati = 0; saltati < 2 && contiene(p.riga, "-"); ++saltati) {
    if (verifica()) avviso_trattino();
    leggi_chiave();
    if (campi->alla_fine()) return false;
  }
  return true;
}

void Lettura::chiudi_ed_elimina() {
  archivio.elimina(testo == Luogo::Testo::kTreno ? nome_testo_treno(p) : nome_testo_linea(p));
}

void Lettura::avviso_trattino() const {
  // Words with a hyphen-minus are passed over: a keyword spelt with one is lost.
  if (p.riga.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") !=
      std::string::npos) {
    avviso(Avviso::kChiaveConTrattino);
  }
}

void Lettura::registra(CodiceErrore codice, long riga) {
  if (verifica()) {
    osservatore->errore(codice, p.posizione_errore,
                        {testo, riga, riga == riga_record ? colonna_record : 0});
    return;
  }
  p.registra_errore(codice);
  traccia_riga(riga);
}

void Lettura::traccia_riga(long riga) {
  if (traccia == nullptr) return;
  traccia->causa.reset();
  traccia->luogo = {testo, riga, riga == riga_record ? colonna_record : 0};
  traccia->testo_riga = campi && riga > 0 ? campi->testo_riga(riga) : std::string();
}

void Lettura::avvisi_chiave(int riconosciute, bool altra_sezione) {
  const std::string& r = p.riga;
  if (chiave::intestazione(r) &&
      !catalogo::e_intestazione(
          testo == Luogo::Testo::kLinea ? catalogo::Testo::kLinea : catalogo::Testo::kTreno, r)) {
    avviso(Avviso::kIntestazioneSconosciuta, 0, r);
  }
  if (riconosciute > 1) {
    avviso(Avviso::kChiaveAmbigua, 0, std::to_string(riconosciute));
  } else if (riconosciute == 0) {
    const bool parola = r.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") !=
                        std::string::npos;
    if (riga_record == riga_ultimo_record && !r.empty()) {
      // "4,5": a decimal comma cuts a number in two.
      const bool cifre = r.size() <= 3 && r.find_first_not_of("0123456789") == std::string::npos;
      if (cifre && !campi->ultimo_numero().empty()) {
        avviso(Avviso::kVirgolaDecimale, 0, campi->ultimo_numero() + "," + r);
      } else {
        avviso(Avviso::kValoreInPiu);
      }
    } else if (altra_sezione) {
      avviso(Avviso::kFuoriSezione);
    } else if (parola && !chiave::intestazione(r)) {
      avviso(Avviso::kChiaveSconosciuta, 0, r);
    }
  }
  if (riconosciute > 0) riga_ultimo_record = riga_record;
}

void Lettura::avvisi_curva(const std::string& chiave, std::int32_t inizio, std::int32_t lunghezza,
                           std::int32_t metro) const {
  const auto cifre =
      std::count_if(chiave.begin(), chiave.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
  if (cifre > 1) avviso(Avviso::kCurvaPiuCifre, 0, std::to_string(grado_curva(chiave)));
  // A curve that starts behind the plan already drawn loses its beginning.
  if (metro > 2 && inizio < metro - 1) {
    avviso(Avviso::kFuoriOrdine, 1, std::to_string(metro - 1));
  }
  const std::int32_t linea = p.stazioni[kSlotGenerali].valore2;
  if (somma(inizio, lunghezza) > linea) avviso(Avviso::kOltreLaLinea, 2, std::to_string(linea));
}

void Lettura::avvisi_montagna(std::int32_t fine, std::int32_t tipo_scritto,
                              std::int32_t tipo) const {
  const std::int32_t linea = p.stazioni[kSlotGenerali].valore2;
  if (fine > linea) avviso(Avviso::kOltreLaLinea, 2, std::to_string(linea));
  const std::int32_t voluto =
      tipo_scritto > kMontagnaConMarcatori ? tipo_scritto - kMontagnaConMarcatori : tipo_scritto;
  if (tipo != voluto) avviso(Avviso::kMontagnaUnita, 3, std::to_string(tipo));
}

void Lettura::avviso_velocita(std::int32_t v, int valore) const {
  if (v % kPassoVelocita != 0 || v < 0 || v >= 500) {
    avviso(Avviso::kVelocitaFuoriPasso, valore, std::to_string(v));
  }
}

void Lettura::avvisi_testo(const std::string& t, int valore, std::size_t massimo) const {
  if (t.size() > massimo) avviso(Avviso::kTestoLungo, valore, std::to_string(massimo));
  // Bytes Windows-1252 leaves undefined, or a UTF-8 sequence: the file was
  // saved in another encoding than the package's.
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto b = static_cast<unsigned char>(t[i]);
    const bool indefinito = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    const bool utf8 = b >= 0xC2 && b <= 0xF4 && i + 1 < t.size() &&
                      (static_cast<unsigned char>(t[i + 1]) & 0xC0) == 0x80;
    if (indefinito || utf8) {
      avviso(Avviso::kCarattereNonCp1252, valore, std::to_string(i + 1));
      return;
    }
  }
}

void Lettura::avviso_ordine(Precedente& precedente, std::int32_t pos) const {
  // A record not beyond the one before fills one cell and moves on.
  if (precedente.posizione >= 0 && pos <= precedente.posizione) {
    avviso(Avviso::kFuoriOrdine, 1,
           std::to_string(precedente.posizione) + " " + std::to_string(precedente.riga));
  }
  precedente = {pos, riga_record};
}

void Lettura::avvisi_segnale(std::int32_t pos, std::int32_t sx, std::int32_t tempo) {
  if (p.percorso[cella_di(pos)].genere == kMarcaMontagna) avviso(Avviso::kMarcaSostituita);
  if (sx == 2 && tempo_da_alzare(tempo)) avviso(Avviso::kTempoAlzato, 11);
  if (codice_residuo) {
    avviso(Avviso::kRegistroResiduo);
    codice_residuo = false;
  }
}

void Lettura::avviso_intervallo(catalogo::Voce v, int campo, std::int64_t valore) const {
  const catalogo::Campo& c = catalogo::record(v).campi[static_cast<std::size_t>(campo) - 1];
  if (valore < c.minimo || valore > c.massimo) {
    avviso(Avviso::kFuoriIntervallo, campo,
           std::to_string(static_cast<int>(v)) + " " + std::to_string(campo) + " " +
               std::to_string(valore));
  }
}

void Lettura::avvisi_rallentamento(std::int32_t x, std::int32_t v, std::int32_t lunghezza) {
  avviso_velocita(v, 2);
  avviso_16(v, 2);
  // The start is written after the end: in one cell the end is lost, and the
  // code pass walks on to the next slow-down's end.
  if (cella_di(x) == cella_di(somma(x, lunghezza))) avviso(Avviso::kRallentamentoSenzaFine, 3);
  if (codice_residuo) {
    avviso(Avviso::kRegistroResiduo);
    codice_residuo = false;
  }
}

Luogo Lettura::luogo(int valore) const {
  if (valore == 0 || !campi) return {testo, riga_record, colonna_record};
  const LettoreCampi::Luogo l = campi->luogo_lettura(valore - 1);
  return {testo, l.riga, l.colonna};
}

bool Lettura::prosegui(CodiceErrore codice, std::int32_t posizione, int valore) {
  if (!verifica()) return false;
  osservatore->errore(codice, posizione, luogo(valore));
  if (codice == CodiceErrore::kOltreIlPercorso && testo == Luogo::Testo::kLinea) {
    codice_residuo = true;
  }
  campi->salta_a_riga(campi->riga_lettura() + 1);
  return true;
}

bool Lettura::prosegui_dopo_piazzamento(std::int32_t codice_prima, std::int32_t posizione) {
  if (!verifica()) return false;
  const auto codice = static_cast<CodiceErrore>(p.codice_errore);
  p.codice_errore = codice_prima;
  return prosegui(codice, posizione);
}

void Lettura::spiega_guasto(const Guasto& g) const {
  if (!verifica() || !campi) return;
  GuastoLettura x;
  x.chiave = chiave_record;
  x.riga_record = riga_record;
  x.colonna_record = colonna_record;
  x.guasto = g.numero();
  if (campi->in_lettura()) {
    x.campo = campi->letture();
    x.riga_campo = campi->riga_lettura();
    x.trovato = campi->ultimo_numero();
  }
  osservatore->lettura_fallita(x);
}

bool Lettura::prosegui_dopo_guasto(const Guasto& g) {
  if (!verifica() || p.percorso.vuoto()) return false;
  spiega_guasto(g);
  osservatore->errore(CodiceErrore::kLettura, 0, {testo, riga_guasto(), colonna_guasto()});
  campi->salta_a_riga(campi->riga_lettura() + 1);
  return true;
}

void Lettura::registra(CodiceErrore codice, std::int32_t posizione, long riga) {
  p.posizione_errore = posizione;
  registra(codice, riga);
}

void Lettura::ferma_dopo_piazzamento(std::int32_t codice_prima, std::int32_t posizione) {
  std::optional<Traccia::Causa> causa;
  if (traccia != nullptr && codice_prima > 0 && p.codice_errore == codice_prima) {
    causa = Traccia::Causa{traccia->luogo, traccia->testo_riga, p.posizione_errore};
  }
  chiudi_ed_elimina();
  p.posizione_errore = posizione;
  traccia_riga(riga_record);
  if (traccia != nullptr) traccia->causa = std::move(causa);
}

bool Lettura::entro_percorso(std::int32_t pos, std::int32_t margine) {
  if (p.percorso.vuoto()) throw Guasto::indice_fuori_intervallo();
  if (in_celle(somma(pos, margine)) > static_cast<double>(p.percorso.ultimo())) {
    if (!prosegui(CodiceErrore::kOltreIlPercorso, pos, 1)) {
      registra(CodiceErrore::kOltreIlPercorso, pos, riga_record);
    }
    return false;
  }
  if (verifica()) avvisi_posizione(pos);
  return true;
}

void Lettura::avvisi_posizione(std::int32_t pos) const {
  // The author counts cells from the position down; the package rounds half
  // to even, so from 25 m into a cell on the position lands in the next one.
  if (pos >= 0 && a_long(in_celle(pos)) != pos / kMetriCella) {
    avviso(Avviso::kFuoriGriglia, 1, std::to_string(pos));
  }
  const std::int32_t lunghezza = p.stazioni[kSlotGenerali].valore2;
  if (pos > lunghezza) avviso(Avviso::kOltreLaLinea, 1, std::to_string(lunghezza));
}

long Lettura::riga_guasto() const {
  if (!campi) return 0;
  return campi->in_lettura() ? campi->riga_lettura() : riga_record;
}

long Lettura::colonna_guasto() const {
  if (!campi) return 0;
  return campi->in_lettura() ? campi->colonna_lettura() : colonna_record;
}

void memorizza_dati(Pacchetto& p, Archivio& archivio, Traccia* traccia, Osservatore* osservatore) {
  if (traccia != nullptr) *traccia = Traccia{};
  Lettura l(p, archivio, traccia, osservatore);
  try {
    if (leggi_testo_linea(l) == Esito::kFine) return;
    leggi_testo_treno(l);
  } catch (const Guasto& g) {
    // A text that cannot be read to the end is refused as a whole: neither
    // description text is left behind for a later run to trip over.
    for (const std::string& nome : {nome_testo_linea(p), nome_testo_treno(p)}) {
      if (archivio.esiste(nome)) archivio.elimina(nome);
    }
    if (l.verifica()) {
      l.spiega_guasto(g);
      osservatore->errore(CodiceErrore::kLettura, 0,
                          {l.testo, l.riga_guasto(), l.colonna_guasto()});
      return;
    }
    l.registra(CodiceErrore::kLettura, l.riga_guasto());
    if (traccia != nullptr) traccia->luogo.colonna = l.colonna_guasto();
  }
}

}  // namespace progetto1
