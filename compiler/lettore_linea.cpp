// The line text reader: general data, then the line's elements (gradients,
// curves, mountains, speed boards, signs) into the track model.
#include <string>

#include "compiler/aritmetica.h"
#include "compiler/lettura.h"
#include "compiler/memo.h"
#include "compiler/piano.h"
#include "compiler/progressive.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"

namespace progetto1 {

namespace {

constexpr std::int32_t kLunghezzaMassima = 1000000;
constexpr std::int32_t kMargine = 100;
constexpr int kTrattiniGenerale = 10;

void crea_percorso(Pacchetto& p) {
  p.lunghezza_estesa = somma(p.stazioni[kSlotGenerali].valore2, kEstensioneLinea);
  p.numero_celle = a_long(in_celle(p.lunghezza_estesa));
  // An array with a negative upper index cannot be made.
  if (p.numero_celle < 0) throw Guasto::indice_fuori_intervallo();
  p.percorso.ridimensiona(p.numero_celle);
  if (p.con_tabella != 0) {
    if (p.lunghezza_estesa < 0) throw Guasto::indice_fuori_intervallo();
    p.tabella_linea.crea(p.lunghezza_estesa);
  }
}

void leggi_progressiva(LettoreCampi& c, stazione& s) {
  s.valore1 = c.leggi_long();
  s.valore2 = c.leggi_long();
  s.valore3 = c.leggi_long();
}

void riempi_pendenza(Pacchetto& p, std::int32_t& cella, std::int32_t pendenza) {
  p.percorso[cella].pendenza = basso8(somma(pendenza, 100));
  cella = somma(cella, 1);
}

}  // namespace

Esito leggi_testo_linea(Lettura& l) {
  Pacchetto& p = l.p;
  p.stazioni[kSlotLinea].testo = p.nome_linea;
  p.stazioni[kSlotTreno].testo = p.numero_treno;

  l.testo = Traccia::Testo::kLinea;
  const std::string nome = nome_testo_linea(p);
  if (!l.archivio.esiste(nome)) {
    l.registra(CodiceErrore::kTestoLineaAssente, 0);
    return Esito::kFine;
  }
  l.campi.emplace(l.archivio.leggi(nome));
  LettoreCampi& c = *l.campi;

  // Everything before the general heading is ignored; the heading as the very
  // last field does not count.
  for (;;) {
    if (!c.alla_fine()) l.leggi_chiave();
    if (c.alla_fine()) {
      l.chiudi_ed_elimina();
      l.registra(CodiceErrore::kSenzaGenerale, c.righe());
      return Esito::kFine;
    }
    if (contiene(minuscole(p.riga), "[generale]")) break;
  }

  // The general section, up to the next heading.
  for (;;) {
    if (c.alla_fine()) break;
    l.leggi_chiave();
    if (c.alla_fine()) break;
    for (int i = 0; i < kTrattiniGenerale; ++i) {
      if (contiene(p.riga, "-")) l.leggi_chiave();
    }
    const std::string& r = p.riga;
    const std::string m = minuscole(r);

    if (contiene(m, "percorso") && contiene(m, "lunghezza")) {
      stazione& generali = p.stazioni[kSlotGenerali];
      generali.valore2 = c.leggi_long();
      if (generali.valore2 > kLunghezzaMassima) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kLunghezzaOltreIlMassimo);
        return Esito::kFine;
      }
      crea_percorso(p);
    }
    // The chainage and background keywords are recognised in lower case only.
    if (contiene(r, "tre") && contiene(r, "progressiva")) {
      leggi_progressiva(c, p.stazioni[kSlotProgressive]);
    }
    if (contiene(r, "due") && contiene(r, "progressiva")) {
      leggi_progressiva(c, p.stazioni[kSlotProgressive + 1]);
    }
    if (contiene(r, "uno") && contiene(r, "progressiva")) {
      leggi_progressiva(c, p.stazioni[kSlotProgressive + 2]);
    }
    stazione& linea = p.stazioni[kSlotLinea];
    if (contiene(r, "sfondo") && contiene(r, "uno")) linea.valore1 = c.leggi_long();
    if (contiene(r, "sfondo") && contiene(r, "due")) linea.valore3 = c.leggi_long();
    if (contiene(r, "sfondo") && contiene(r, "tre")) linea.valore2 = c.leggi_long();
    if (contiene(r, "segnali") && contiene(r, "ripetizione")) {
      stazione& treno = p.stazioni[kSlotTreno];
      treno.valore1 = c.leggi_long();
      treno.valore2 = c.leggi_long();
      if (treno.valore1 % 50 != 0) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kRipetizionePrimoNonMultiplo);
        return Esito::kFine;
      }
      if (treno.valore2 % 50 != 0) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kRipetizioneSecondoNonMultiplo);
        return Esito::kFine;
      }
      if (contiene(r, "4")) {
        treno.valore3 = 4;
      } else if (contiene(r, "9")) {
        treno.valore3 = 9;
      } else {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kRipetizioneSenzaCodici);
        return Esito::kFine;
      }
      if (treno.valore2 == 0) treno.valore3 = 0;
    }

    const std::size_t inizio = r.find_first_not_of(" \t");
    const bool trattino = inizio != std::string::npos && r[inizio] == '-';
    if (!trattino && contiene(r, "[") && contiene(r, "]")) break;
  }

  progressive_ordina(p);
  p.numero_montagne = 0;
  l.prossimo_cartello = kPrimoSlotCartelli;
  std::int32_t cella_pendenza = 0;
  std::int32_t pendenza = 0;
  std::int32_t metro = 2;
  const bool con_piano = p.con_tabella != 0;
  if (con_piano && p.tabella_linea.esiste()) inizia_piano(p.tabella_linea);

  // The line's elements, in whatever section they stand.
  for (;;) {
    if (!l.prossima_chiave()) break;
    const std::string m = minuscole(p.riga);

    if (contiene(m, "pendenza")) {
      const std::int32_t pos = c.leggi_long();
      const std::int32_t g = c.leggi_long();
      if (!l.entro_percorso(pos, kMargine)) break;
      // Each cell carries the gradient that starts at or before it.
      const std::int32_t n = a_long(in_celle(pos));
      if (n > 0) {
        do {
          riempi_pendenza(p, cella_pendenza, pendenza);
        } while (cella_pendenza < n);
      }
      pendenza = g;
    }

    if (contiene(m, "curva") && con_piano) {
      const std::int32_t s = c.leggi_long();
      const std::int32_t lunghezza = c.leggi_long();
      if (!l.entro_percorso(s, kMargine)) break;
      double k = curvatura_grado(grado_curva(m));
      if (k == 0) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kCurvaNonValida);
        return Esito::kFine;
      }
      if (contiene(m, "s")) k = -k;
      if (!estendi_piano(p.tabella_linea, metro, s, 0) ||
          !estendi_piano(p.tabella_linea, metro, somma(s, lunghezza), k)) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kCurvaNonValida);
        return Esito::kFine;
      }
    }

    if (contiene(m, "montagna")) {
      const std::int32_t inizio = c.leggi_long();
      const std::int32_t fine = c.leggi_long();
      std::int32_t tipo = c.leggi_long();
      if (!l.entro_percorso(inizio, kMargine)) break;
      const std::int32_t codice_prima = p.codice_errore;
      memo_montagna(p, inizio, fine, tipo);
      if (p.codice_errore > 0) {
        l.ferma_dopo_piazzamento(codice_prima, inizio);
        return Esito::kFine;
      }
    }

    if (contiene(m, "indicatori_v")) {
      std::int32_t v[9];
      for (std::int32_t& x : v) x = c.leggi_long();
      if (!l.entro_percorso(v[0], kMargine)) break;
      const std::int32_t codice_prima = p.codice_errore;
      memo_indicatori_v_max(p, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
      if (p.codice_errore > 0) {
        l.ferma_dopo_piazzamento(codice_prima, v[0]);
        return Esito::kFine;
      }
    }

    if (contiene(m, "indicat") && contiene(m, "cartello")) {
      const std::int32_t pos = c.leggi_long();
      p.riga = c.leggi_testo();
      if (!l.entro_percorso(pos, kMargine)) break;
      cella& x = p.percorso[cella_di(pos)];
      if (!x.libera()) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kCartelloOccupato, pos, l.riga_record);
        return Esito::kFine;
      }
      // Sign texts fill the station table from slot 80 down to slot 1; a sign
      // that would need slot 0 does not fit.
      if (l.prossimo_cartello < 1) {
        l.chiudi_ed_elimina();
        l.registra(CodiceErrore::kTabellaStazioniPiena);
        return Esito::kFine;
      }
      x.genere = kCartello;
      x.dato1 = basso16(l.prossimo_cartello);
      p.stazioni[l.prossimo_cartello].testo = p.riga;
      l.prossimo_cartello = differenza(l.prossimo_cartello, 1);
    }
  }

  // Reading is over, also after a position beyond the track: the text goes,
  // the model is completed and the train text is still read.
  l.chiudi_ed_elimina();
  do {
    riempi_pendenza(p, cella_pendenza, pendenza);
  } while (cella_pendenza < p.numero_celle - 2);
  if (con_piano && !estendi_piano(p.tabella_linea, metro, p.lunghezza_estesa - 2, 0)) {
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kCurvaNonValida, 0);
    return Esito::kFine;
  }
  return Esito::kProsegui;
}

}  // namespace progetto1
