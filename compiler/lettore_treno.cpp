// The train data reader: the train's general values, speed limits, adhesion,
// signals, slow-downs, code points and stations, laid over the track model
// built from the line text.
#include <string>

#include "compiler/aritmetica.h"
#include "compiler/catalogo/catalogo.h"
#include "compiler/chiavi.h"
#include "compiler/lettura.h"
#include "compiler/memo.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"

namespace progetto1 {

using catalogo::Voce;

namespace {

enum class Passo { kAvanti, kEsci, kFine };

void riempi_velocita(Pacchetto& p, std::int32_t& cella, std::int32_t velocita) {
  p.percorso[cella].vel_limite = a_byte(velocita / static_cast<double>(kPassoVelocita));
  cella = somma(cella, 1);
}

void riempi_aderenza(Pacchetto& p, std::int32_t& cella, std::int32_t aderenza) {
  p.percorso[cella].aderenza = basso8(aderenza);
  cella = somma(cella, 1);
}

// One station record into slot `numero`, with its zone and its marks.
Passo leggi_stazione(Lettura& l, std::int32_t& numero) {
  Pacchetto& p = l.p;
  LettoreCampi& c = *l.campi;
  // With 80 signs even slot 1 holds a sign text, which a station must not
  // overwrite.
  if (numero > l.prossimo_cartello) {
    if (l.prosegui(CodiceErrore::kTabellaStazioniPiena)) return Passo::kAvanti;
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kTabellaStazioniPiena);
    return Passo::kFine;
  }
  stazione& s = p.stazioni[numero];

  s.valore3 = c.leggi_long();
  const std::int32_t posizione = s.valore3;
  if (!l.entro_percorso(posizione, kMargineStazione)) {
    return l.verifica() ? Passo::kAvanti : Passo::kEsci;
  }
  if (posizione % kMetriCella != 0) {
    if (l.prosegui(CodiceErrore::kStazioneNonMultipla, posizione, 1)) return Passo::kAvanti;
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kStazioneNonMultipla, posizione, l.riga_record);
    return Passo::kFine;
  }
  s.codice = c.leggi_byte();
  p.contatore = c.leggi_long();  // the platform length
  const std::int32_t marciapiede = p.contatore;
  if (marciapiede % kPassoMarciapiede != 0) {
    if (l.prosegui(CodiceErrore::kMarciapiedeNonMultiplo, posizione, 3)) return Passo::kAvanti;
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kMarciapiedeNonMultiplo, posizione, l.riga_record);
    return Passo::kFine;
  }
  s.selettore = c.leggi_byte();
  s.marca4 = c.leggi_byte();
  s.marca3 = c.leggi_byte();
  s.intero1 = c.leggi_integer();
  s.intero2 = c.leggi_integer();
  s.marca1 = c.leggi_byte();
  s.intero3 = c.leggi_integer();
  s.intero4 = c.leggi_integer();
  s.intero5 = c.leggi_integer();
  s.marca2 = c.leggi_byte();
  const std::int32_t ore = c.leggi_long();
  const std::int32_t minuti = c.leggi_long();
  const std::int32_t secondi = c.leggi_long();
  s.valore4 = somma(prodotto(somma(prodotto(ore, 60), minuti), 60), secondi);
  s.testo = c.leggi_testo();
  if (l.verifica()) {
    l.avvisi_testo(s.testo, 17, kNomeStazione);
    const std::int32_t orario[] = {ore, minuti, secondi};
    for (int i = 0; i < 3; ++i) l.avviso_intervallo(Voce::kStazione, 14 + i, orario[i]);
    if (l.stazione_precedente && posizione < l.stazione_precedente->posizione) {
      const Lettura::StazioneLetta& prima = *l.stazione_precedente;
      l.avviso(Avviso::kStazioneFuoriOrdine, 1,
               s.testo + "\t" + std::to_string(posizione) + "\t" + prima.nome + "\t" +
                   std::to_string(prima.riga) + "\t" + std::to_string(prima.posizione));
    }
    l.stazione_precedente = Lettura::StazioneLetta{s.testo, l.riga_record, posizione};
    // A time of 0 is a station without a time (the train passes it).
    if (s.valore4 != 0) {
      if (s.valore4 < l.ultimo_orario) {
        l.avviso(Avviso::kOrarioIndietro, 14,
                 std::to_string(s.valore4) + " " + std::to_string(l.ultimo_orario));
      }
      l.ultimo_orario = s.valore4;
    }
  }

  if (zona_corta(s.codice)) {
    s.valore1 = differenza(posizione, marciapiede);
    s.valore2 = somma(posizione, kCodaZonaCorta);
    s.marca3 = 0;
  } else if (zona_arretrata(s.codice)) {
    s.valore1 = differenza(posizione, marciapiede);
    s.valore2 = somma(posizione, marciapiede);
    s.marca3 = 0;
  } else {
    s.valore1 = a_long(posizione - marciapiede / 2.0);
    s.valore2 = a_long(posizione + marciapiede / 2.0);
    if (s.marca3 != 0) s.valore2 = somma(s.valore2, kAllungoCampo6);
  }
  if (marciapiede < 600) s.marca4 = 0;
  if (numero == 1) {
    s.marca3 = 0;
    s.marca4 = 0;
  }

  if (s.codice < kCategoriaSenzaFermata && !zona_corta(s.codice)) {
    for (p.contatore2 = 1; p.contatore2 <= 4; ++p.contatore2) {
      const double q = in_celle(s.valore2) - p.contatore2 - 1;
      if (q > 1) {
        const std::int32_t marca = a_long(q);
        p.percorso[marca].avvicinamento = basso8(kBaseAvvicinamentoStazione + p.contatore2);
        l.copre(l.luogo(), marca, marca, &cella::avvicinamento);
      }
    }
  }
  if (s.codice < kCategoriaSenzaFermata) {
    const double q = in_celle(s.valore2) - 1;
    // Cell 1 carries the package's own values; a stop mark may not reach it.
    if (q <= 1) {
      if (l.prosegui(CodiceErrore::kFermataSullaCellaUno)) return Passo::kAvanti;
      l.chiudi_ed_elimina();
      l.registra(CodiceErrore::kFermataSullaCellaUno);
      return Passo::kFine;
    }
    cella& fermata = p.percorso[a_long(q)];
    fermata.genere = kFermata;
    fermata.dato1 = basso16(numero);
    l.record(a_long(q));
  }
  if (numero > 1 && differenza(s.valore1, kDistanzaStazioni) < p.stazioni[numero - 1].valore2) {
    // A check keeps the station, so that the next one is measured from it.
    if (!l.prosegui(CodiceErrore::kStazioniTroppoVicine, posizione, 1)) {
      l.chiudi_ed_elimina();
      l.registra(CodiceErrore::kStazioniTroppoVicine, posizione, l.riga_record);
      return Passo::kFine;
    }
  }
  numero = somma(numero, 1);
  if (numero >= l.prossimo_cartello) {
    // A check reads no further station: the next one would take a sign's slot.
    if (l.prosegui(CodiceErrore::kTabellaStazioniPiena)) {
      l.stazioni_chiuse = true;
      return Passo::kAvanti;
    }
    l.chiudi_ed_elimina();
    l.registra(CodiceErrore::kTabellaStazioniPiena);
    return Passo::kFine;
  }
  return Passo::kAvanti;
}

}  // namespace

void leggi_testo_treno(Lettura& l) {
  Pacchetto& p = l.p;
  l.testo = Luogo::Testo::kTreno;
  l.campi.reset();
  l.riga_record = 0;
  l.campi.emplace(l.archivio.leggi(nome_testo_treno(p)));
  LettoreCampi& c = *l.campi;

  while (!c.alla_fine()) {
    l.leggi_chiave();
    if (contiene(minuscole(p.riga), "[generale]")) break;
  }
  std::int32_t cella_velocita = 0;
  std::int32_t cella_aderenza = 0;
  std::int32_t velocita = 0;
  std::int32_t aderenza = 0;
  std::int32_t numero = 1;
  Lettura::Precedente ultima_velocita;  // a check only
  Lettura::Precedente ultima_aderenza;
  Luogo luogo_velocita;  // a check only: the records of `velocita` and `aderenza`
  Luogo luogo_aderenza;

  for (;;) {
    if (!l.prossima_chiave()) break;
    const chiave::Campo k(p.riga);
    if (l.verifica()) l.avvisi_chiave(k.treno(), false);
    try {
      stazione& generali = p.stazioni[kSlotGenerali];
      stazione& treno = p.stazioni[kSlotTreno];

      if (k.e(Voce::kMassaFrenata)) generali.valore1 = c.leggi_long();
      if (k.e(Voce::kVetture)) generali.valore3 = c.leggi_long();

      if (k.e(Voce::kVelocita)) {
        const std::int32_t pos = c.leggi_long();
        const std::int32_t v = c.leggi_long();
        if (!l.entro_percorso(pos, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) {
          l.avviso_ordine(ultima_velocita, pos);
          l.avviso_velocita(v, 2);
        }
        const std::int32_t n = a_long(in_celle(pos));
        if (n > 0) {
          const std::int32_t prima = cella_velocita;
          do {
            if (cella_velocita >= p.percorso.ultimo()) break;
            riempi_velocita(p, cella_velocita, velocita);
          } while (cella_velocita < n);
          l.copre(luogo_velocita, prima, cella_velocita - 1, &cella::vel_limite);
        }
        velocita = v;
        if (l.verifica()) luogo_velocita = l.luogo();
      }

      if (k.e(Voce::kAderenza)) {
        const std::int32_t pos = c.leggi_long();
        const std::int32_t a = c.leggi_long();
        if (!l.entro_percorso(pos, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) l.avviso_ordine(ultima_aderenza, pos);
        const std::int32_t n = a_long(in_celle(pos));
        if (n > 0) {
          const std::int32_t prima = cella_aderenza;
          do {
            riempi_aderenza(p, cella_aderenza, aderenza);
          } while (cella_aderenza < n);
          l.copre(luogo_aderenza, prima, cella_aderenza - 1, &cella::aderenza);
        }
        aderenza = a;
        if (l.verifica()) luogo_aderenza = l.luogo();
      }

      if (k.e(Voce::kOrologio)) {
        treno.intero3 = c.leggi_integer();
        treno.intero4 = c.leggi_integer();
        treno.intero5 = c.leggi_integer();
        if (l.verifica()) {
          const std::int16_t orologio[] = {treno.intero3, treno.intero4, treno.intero5};
          for (int i = 0; i < 3; ++i) l.avviso_intervallo(Voce::kOrologio, i + 1, orologio[i]);
        }
      }
      if (k.e(Voce::kSabbia)) treno.intero1 = c.leggi_integer();

      // A code still in the register, also a position beyond the track found
      // in the line text, stops the reader after the next signal or slow-down.
      if (k.e(Voce::kSegnale)) {
        std::int32_t v[11];
        for (std::int32_t& x : v) x = c.leggi_long();
        if (!l.entro_percorso(v[0], kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) {
          l.avvisi_segnale(v[0], v[1], v[10]);
          // The values packed in pairs into the cell's 16-bit fields.
          for (int i = 0; i < 3; ++i) l.avviso_16(somma(prodotto(v[2 + i], 10), v[7 + i]), 3 + i);
          l.avviso_16(somma(somma(prodotto(v[5], 10), prodotto(v[1], 3)), v[6]), 6);
          // Each value must stay within its digit, or it spills into its pair.
          for (int i : {2, 7, 8, 9, 10, 11}) l.avviso_intervallo(Voce::kSegnale, i, v[i - 1]);
        }
        const std::int32_t codice_prima = p.codice_errore;
        memo_segnale(p, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
        if (p.codice_errore > 0) {
          if (l.prosegui_dopo_piazzamento(codice_prima, v[0])) continue;
          l.ferma_dopo_piazzamento(codice_prima, v[0]);
          return;
        }
        l.record(cella_di(v[0]));
        if (l.verifica()) {
          for (std::int32_t m = 1; m <= 4; ++m) {
            const std::int32_t a = cella_avvicinamento(cella_di(v[0]), m);
            l.copre(l.luogo(), a, a, &cella::avvicinamento);
          }
        }
      }

      if (k.e(Voce::kRallentamento)) {
        std::int32_t v[6];
        for (std::int32_t& x : v) x = c.leggi_long();
        if (!l.entro_percorso(v[0], kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        if (l.verifica()) {
          l.avvisi_rallentamento(v[0], v[1], v[2]);
          l.avviso_16(v[3], 4);
          l.avviso_16(v[5], 6);
          l.avviso_intervallo(Voce::kRallentamento, 5, v[4]);
        }
        const std::int32_t codice_prima = p.codice_errore;
        memo_rallentamento(p, v[0], v[1], v[2], v[3], v[4], v[5]);
        if (p.codice_errore > 0) {
          if (l.prosegui_dopo_piazzamento(codice_prima, v[0])) continue;
          l.ferma_dopo_piazzamento(codice_prima, v[0]);
          return;
        }
        l.record(cella_di(v[0]));
      }

      if (k.e(Voce::kAbbattimento)) {
        const std::int32_t pos = c.leggi_long();
        const std::int32_t w = c.leggi_long();
        if (!l.entro_percorso(pos, kMargineRecord)) {
          if (l.verifica()) continue;
          break;
        }
        cella& x = p.percorso[a_long(in_celle(pos))];
        if (l.verifica()) l.avviso_16(w, 2);
        if (!x.libera()) {
          if (l.prosegui(CodiceErrore::kAbbattimentoOccupato, pos)) continue;
          l.chiudi_ed_elimina();
          l.registra(CodiceErrore::kAbbattimentoOccupato, pos, l.riga_record);
          return;
        }
        if (w > 0) {
          x.genere = kPuntoCodice;
          x.dato1 = basso16(w);
        } else {
          x.genere = kAbbattimento;
        }
        l.record(a_long(in_celle(pos)));
      }

      if (k.e(Voce::kStazione) && !l.stazioni_chiuse) {
        const Passo passo = leggi_stazione(l, numero);
        if (passo == Passo::kFine) return;
        if (passo == Passo::kEsci) break;
      }
    } catch (const Guasto& g) {
      if (!l.prosegui_dopo_guasto(g)) throw;
    }
  }

  // Reading is over: the text goes and the model is completed; the last three
  // cells keep no speed and no adhesion.
  l.chiudi_ed_elimina();
  const std::int32_t prima_velocita = cella_velocita;
  do {
    riempi_velocita(p, cella_velocita, velocita);
  } while (cella_velocita < p.numero_celle - 2);
  l.copre(luogo_velocita, prima_velocita, cella_velocita - 1, &cella::vel_limite);
  const std::int32_t prima_aderenza = cella_aderenza;
  do {
    riempi_aderenza(p, cella_aderenza, aderenza);
  } while (cella_aderenza < p.numero_celle - 2);
  l.copre(luogo_aderenza, prima_aderenza, cella_aderenza - 1, &cella::aderenza);

  p.contatore2 = 0;
  for (p.contatore = kSlotProgressive; p.contatore <= kSlotProgressive + 2; ++p.contatore) {
    const stazione& s = p.stazioni[p.contatore];
    if (s.valore1 % kMetriCella != 0 || s.valore2 % kMetriCella != 0) p.contatore2 = 1;
  }
  if (p.contatore2 > 0) {
    l.testo = Luogo::Testo::kLinea;
    if (l.verifica()) {
      l.osservatore->errore(CodiceErrore::kProgressivaNonMultipla, 0, l.luogo_progressive);
    } else {
      l.registra(CodiceErrore::kProgressivaNonMultipla, 0);
    }
  }
}

}  // namespace progetto1
