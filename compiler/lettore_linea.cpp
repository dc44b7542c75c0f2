// The line text reader: general data, then the line's elements (gradients,
// curves, mountains, speed boards, signs) into the track model.
#include <string>

#include "compiler/aritmetica.h"
#include "compiler/catalogo/catalogo.h"
#include "compiler/chiavi.h"
#include "compiler/lettura.h"
#include "compiler/memo.h"
#include "compiler/piano.h"
#include "compiler/progressive.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"

namespace progetto1 {

using catalogo::Voce;

namespace {

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

void leggi_progressiva(Lettura& l, stazione& s) {
  LettoreCampi& c = *l.campi;
  s.valore1 = c.leggi_long();
  s.valore2 = c.leggi_long();
  s.valore3 = c.leggi_long();
  if (l.verifica()) l.avviso_intervallo(catalogo::Voce::kProgressivaUno, 3, s.valore3);
  // The train reader tests them at its end; a check names this record then.
  if (l.verifica() && l.luogo_progressive.riga == 0) {
    if (s.valore1 % kMetriCella != 0) l.luogo_progressive = l.luogo(1);
    if (s.valore1 % kMetriCella == 0 && s.valore2 % kMetriCella != 0) {
      l.luogo_progressive = l.luogo(2);
    }
  }
}

void riempi_pendenza(Pacchetto& p, std::int32_t& cella, std::int32_t pendenza) {
  p.percorso[cella].pendenza = basso8(somma(pendenza, kScostamentoPendenza));
  cella = somma(cella, 1);
}

}  // namespace

Esito leggi_testo_linea(Lettura& l) {
  Pacchetto& p = l.p;
  p.stazioni[kSlotLinea].testo = p.nome_linea;
  p.stazioni[kSlotTreno].testo = p.numero_treno;

  l.testo = Luogo::Testo::kLinea;
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
      if (contiene(p.riga, "-")) {
        if (l.verifica()) l.avviso_trattino();
        l.leggi_chiave();
      }
    }
    const chiave::Campo k(p.riga);
    if (l.verifica()) l.avvisi_chiave(k.generali(), k.linea(true) > 0);

    try {
      if (k.e(Voce::kLunghezza)) {
        stazione& generali = p.stazioni[kSlotGenerali];
        generali.valore2 = c.leggi_long();
        if (generali.valore2 > kLunghezzaMassima) {
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kLunghezzaOltreIlMassimo);
          return Esito::kFine;
        }
        if (l.verifica() && !p.percorso.vuoto()) l.avviso(Avviso::kLunghezzaRipetuta);
        crea_percorso(p);
      }
      if (k.e(Voce::kProgressivaTre)) leggi_progressiva(l, p.stazioni[kSlotProgressive]);
      if (k.e(Voce::kProgressivaDue)) leggi_progressiva(l, p.stazioni[kSlotProgressive + 1]);
      if (k.e(Voce::kProgressivaUno)) leggi_progressiva(l, p.stazioni[kSlotProgressive + 2]);
      stazione& linea = p.stazioni[kSlotLinea];
      if (k.e(Voce::kSfondoUno)) linea.valore1 = c.leggi_long();
      if (k.e(Voce::kSfondoDue)) linea.valore3 = c.leggi_long();
      if (k.e(Voce::kSfondoTre)) linea.valore2 = c.leggi_long();
      if (k.e(Voce::kRipetizione)) {
        stazione& treno = p.stazioni[kSlotTreno];
        treno.valore1 = c.leggi_long();
        treno.valore2 = c.leggi_long();
        if (treno.valore1 % kMetriCella != 0) {
          if (!l.prosegui(CodiceErrore::kRipetizionePrimoNonMultiplo, 0, 1)) {
            l.chiudi_ed_elimina();
            l.registra(CodiceErrore::kRipetizionePrimoNonMultiplo);
            return Esito::kFine;
          }
        } else if (treno.valore2 % kMetriCella != 0) {
          if (!l.prosegui(CodiceErrore::kRipetizioneSecondoNonMultiplo, 0, 2)) {
            l.chiudi_ed_elimina();
            l.registra(CodiceErrore::kRipetizioneSecondoNonMultiplo);
            return Esito::kFine;
          }
        } else if (contiene(k.r, "4")) {
          treno.valore3 = 4;
        } else if (contiene(k.r, "9")) {
          treno.valore3 = 9;
        } else if (!l.prosegui(CodiceErrore::kRipetizioneSenzaCodici)) {
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kRipetizioneSenzaCodici);
          return Esito::kFine;
        }
        if (treno.valore2 == 0) treno.valore3 = 0;
      }
    } catch (const Guasto& g) {
      if (!l.prosegui_dopo_guasto(g)) throw;
    }

    if (chiave::intestazione(k.r)) break;
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
  Lettura::Precedente ultima_pendenza;  // a check only
  Luogo luogo_pendenza;                 // a check only: the record of `pendenza`
  for (;;) {
    if (!l.prossima_chiave()) break;
    const chiave::Campo k(p.riga);
    if (l.verifica()) l.avvisi_chiave(k.linea(con_piano), k.generali() > 0);

    try {
      if (k.e(Voce::kPendenza)) {
        const std::int32_t pos = c.leggi_long();
        const std::int32_t g = c.leggi_long();
        if (!l.entro_percorso(pos, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) {
          l.avviso_ordine(ultima_pendenza, pos);
          const std::int32_t byte = somma(g, kScostamentoPendenza);
          if (basso8(byte) != byte) l.avviso(Avviso::kPendenzaTroncata, 2, std::to_string(g));
        }
        // Each cell carries the gradient that starts at or before it.
        const std::int32_t n = a_long(in_celle(pos));
        if (n > 0) {
          const std::int32_t prima = cella_pendenza;
          do {
            riempi_pendenza(p, cella_pendenza, pendenza);
          } while (cella_pendenza < n);
          l.copre(luogo_pendenza, prima, cella_pendenza - 1, &cella::pendenza);
        }
        pendenza = g;
        if (l.verifica()) luogo_pendenza = l.luogo();
      }

      if (k.e(Voce::kCurva) && con_piano) {
        const std::int32_t s = c.leggi_long();
        const std::int32_t lunghezza = c.leggi_long();
        if (!l.entro_percorso(s, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        double curvatura = curvatura_grado(grado_curva(k.m));
        if (curvatura == 0) {
          if (l.prosegui(CodiceErrore::kCurvaNonValida)) continue;
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kCurvaNonValida);
          return Esito::kFine;
        }
        if (l.verifica()) l.avvisi_curva(k.m, s, lunghezza, metro);
        if (contiene(k.m, "s")) curvatura = -curvatura;
        if (!estendi_piano(p.tabella_linea, metro, s, 0) ||
            !estendi_piano(p.tabella_linea, metro, somma(s, lunghezza), curvatura)) {
          if (l.prosegui(CodiceErrore::kCurvaNonValida)) continue;
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kCurvaNonValida);
          return Esito::kFine;
        }
      }

      if (k.e(Voce::kMontagna)) {
        const std::int32_t inizio = c.leggi_long();
        const std::int32_t fine = c.leggi_long();
        std::int32_t tipo = c.leggi_long();
        if (!l.entro_percorso(inizio, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        const std::int32_t tipo_scritto = tipo;
        const std::int32_t codice_prima = p.codice_errore;
        memo_montagna(p, inizio, fine, tipo);
        if (p.codice_errore > 0) {
          if (l.prosegui_dopo_piazzamento(codice_prima, inizio)) continue;
          l.ferma_dopo_piazzamento(codice_prima, inizio);
          return Esito::kFine;
        }
        if (l.verifica()) {
          l.avvisi_montagna(fine, tipo_scritto, tipo);
          const auto [prima, ultima] = celle_montagna(inizio, fine);
          l.copre(l.luogo(), prima, ultima, &cella::montagna);
        }
      }

      if (k.e(Voce::kIndicatoreVmax)) {
        std::int32_t v[9];
        for (std::int32_t& x : v) x = c.leggi_long();
        if (!l.entro_percorso(v[0], kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) {
          for (int i : {1, 2, 3, 5, 6, 7}) l.avviso_velocita(v[i], i + 1);
          l.avviso_16(somma(prodotto(v[4], 10), v[8]), 5);
          for (int i : {5, 9}) l.avviso_intervallo(Voce::kIndicatoreVmax, i, v[i - 1]);
        }
        const std::int32_t codice_prima = p.codice_errore;
        memo_indicatori_v_max(p, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        if (p.codice_errore > 0) {
          if (l.prosegui_dopo_piazzamento(codice_prima, v[0])) continue;
          l.ferma_dopo_piazzamento(codice_prima, v[0]);
          return Esito::kFine;
        }
        l.record(cella_di(v[0]));
      }

      if (k.e(Voce::kCartello)) {
        const std::int32_t pos = c.leggi_long();
        p.riga = c.leggi_testo();
        if (!l.entro_percorso(pos, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        cella& x = p.percorso[cella_di(pos)];
        if (!x.libera()) {
          if (l.prosegui(CodiceErrore::kCartelloOccupato, pos)) continue;
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kCartelloOccupato, pos, l.riga_record);
          return Esito::kFine;
        }
        // Sign texts fill the station table from slot 80 down to slot 1; a sign
        // that would need slot 0 does not fit.
        if (l.prossimo_cartello < 1) {
          if (l.prosegui(CodiceErrore::kTabellaStazioniPiena)) continue;
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kTabellaStazioniPiena);
          return Esito::kFine;
        }
        if (l.verifica()) {
          if (x.genere == kMarcaMontagna) l.avviso(Avviso::kMarcaSostituita);
          l.avvisi_testo(p.riga, 2, kLetteraCartello);
        }
        x.genere = kCartello;
        x.dato1 = basso16(l.prossimo_cartello);
        p.stazioni[l.prossimo_cartello].testo = p.riga;
        l.prossimo_cartello = differenza(l.prossimo_cartello, 1);
        l.record(cella_di(pos));
      }
    } catch (const Guasto& g) {
      if (!l.prosegui_dopo_guasto(g)) throw;
    }
  }

  // Reading is over, also after a position beyond the track: the text goes,
  // the model is completed and the train text is still read.
  l.chiudi_ed_elimina();
  const std::int32_t prima = cella_pendenza;
  do {
    riempi_pendenza(p, cella_pendenza, pendenza);
  } while (cella_pendenza < p.numero_celle - 2);
  l.copre(luogo_pendenza, prima, cella_pendenza - 1, &cella::pendenza);
  if (con_piano && !estendi_piano(p.tabella_linea, metro, p.lunghezza_estesa - 2, 0)) {
    if (l.verifica()) {
      l.registra(CodiceErrore::kCurvaNonValida, 0);
      return Esito::kProsegui;
    }
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kCurvaNonValida, 0);
    return Esito::kFine;
  }
  return Esito::kProsegui;
}

}  // namespace progetto1
