#include "output/passata_codici.h"

#include <algorithm>
#include <optional>

#include "compiler/osservatore.h"
#include "model/costanti.h"
#include "model/guasto.h"

namespace progetto1 {

namespace {

// The simulator needs no codes along a slow-down at this speed or above.
constexpr std::int32_t kVelocitaSenzaCodici = 110;
constexpr long kCelleAvviso = 20;    // look-back from a warning board
constexpr int kPassiCodice = 8;      // one code every 400 m along a slow-down
constexpr long kCelleDopoFine = 12;  // search for the first signal after the end

void metti_codice(cella& c) {
  c.genere = kPuntoCodice;
  c.dato1 = kValoreCodice;
}

void registra(Pacchetto& p, Osservatore* o, CodiceErrore codice, long indice) {
  const auto posizione = static_cast<std::int32_t>(indice * kMetriCella);
  if (o != nullptr) {
    o->errore(codice, posizione, {});
    return;
  }
  p.registra_errore(codice);
  p.posizione_errore = posizione;
}

// Every signal within the 20 cells before a warning board gets a code in one
// of its two preceding cells, or lowers one already there.
void segnali_prima_dell_avviso(Pacchetto& p, Osservatore* o, long c) {
  for (long a = 1; a <= kCelleAvviso; ++a) {
    const long s = c - a;
    if (s < 3) break;
    if (p.percorso[s].genere != kSegnale) continue;
    cella& prima = p.percorso[s - 1];
    cella& seconda = p.percorso[s - 2];
    if (prima.libera()) {
      metti_codice(prima);
    } else if (seconda.libera()) {
      metti_codice(seconda);
    } else if (prima.genere == kPuntoCodice) {
      prima.dato1 = static_cast<std::int16_t>(minimo(kValoreCodice, prima.dato1));
    } else if (seconda.genere == kPuntoCodice) {
      seconda.dato1 = static_cast<std::int16_t>(minimo(kValoreCodice, seconda.dato1));
    } else {
      registra(p, o, CodiceErrore::kSegnaleSenzaCodice, s);
    }
  }
}

// One code in the first free cell of c - distanza, c - distanza - 1,
// c - distanza - 2.
void gruppo_prima_dell_inizio(Pacchetto& p, Osservatore* o, long c, long distanza) {
  for (long k = c - distanza; k >= c - distanza - 2; --k) {
    if (p.percorso[k].libera()) {
      metti_codice(p.percorso[k]);
      return;
    }
  }
  registra(p, o, CodiceErrore::kInizioSenzaCodice, c);
}

// Walks from the start cell c to the slow-down's end cell, placing a code on
// every 8th step (or next to it when that cell is taken). Returns the end
// cell. The walk ends only at a cell of kind 2, which a slow-down whose start
// and end share a cell does not have; the walk is bounded by the array's
// last cell: reaching it without an end cell ends the walk with no end cell,
// and a cell beyond the array is never a candidate for a code.
std::optional<long> codici_lungo_il_rallentamento(Pacchetto& p, Osservatore* o, long c,
                                                  long ultimo) {
  int n = 0;
  long k = c;
  for (;;) {
    ++k;
    ++n;
    if (n == kPassiCodice) {
      if (p.percorso[k].libera()) {
        metti_codice(p.percorso[k]);
        n = 0;
      } else if (p.percorso[k - 1].libera()) {
        metti_codice(p.percorso[k - 1]);
        n = 1;
      } else if (k + 1 <= ultimo && p.percorso[k + 1].libera()) {
        metti_codice(p.percorso[k + 1]);
        n = -1;
      } else {
        registra(p, o, CodiceErrore::kRallentamentoSenzaCodice,
                 k);  // n stays past 8: no further code along this slow-down
      }
    }
    if (p.percorso[k].genere == kFineRallentamento) return k;
    if (k == ultimo) return std::nullopt;
  }
}

// A code in front of the first signal within 12 cells from the end cell e;
// the window stops at the array's last cell.
void codice_dopo_la_fine(Pacchetto& p, Osservatore* o, long e, long ultimo) {
  const long fine_finestra = std::min(e + kCelleDopoFine, ultimo);
  for (long g = e; g <= fine_finestra; ++g) {
    if (p.percorso[g].genere != kSegnale) continue;
    if (g - 1 > 0) {
      if (p.percorso[g - 1].libera()) {
        metti_codice(p.percorso[g - 1]);
      } else if (p.percorso[g - 2].libera()) {
        metti_codice(p.percorso[g - 2]);
      } else {
        registra(p, o, CodiceErrore::kRallentamentoSenzaCodice, e);
      }
    }
    return;
  }
}

void codici_del_rallentamento(Pacchetto& p, Osservatore* o, long c, long ultimo) {
  if (c > 7) gruppo_prima_dell_inizio(p, o, c, 5);
  if (c > 13) gruppo_prima_dell_inizio(p, o, c, 11);
  if (c > 20) gruppo_prima_dell_inizio(p, o, c, 18);
  // A slow-down at 110 km/h or more has no walk and so no end cell of its
  // own: the search for the first signal after it is skipped too, rather
  // than made from an end cell that belongs to another slow-down.
  if (p.percorso[c].dato1 >= kVelocitaSenzaCodici) return;
  // Without an end cell (the walk reached the array's last cell) there is
  // no "after" to search.
  if (const auto e = codici_lungo_il_rallentamento(p, o, c, ultimo)) {
    codice_dopo_la_fine(p, o, *e, ultimo);
  }
}

}  // namespace

void passata_codici(Pacchetto& p, Osservatore* o) {
  // The first use of the cells: when the reader stopped before creating
  // them this is the failure that ends the run.
  if (p.percorso.vuoto()) throw Guasto::indice_fuori_intervallo();
  const long ultimo = p.percorso.ultimo();
  for (long c = 1; c <= ultimo - 2; ++c) {
    if (p.percorso[c].genere == kAvvisoRallentamento) segnali_prima_dell_avviso(p, o, c);
    if (p.percorso[c].genere == kInizioRallentamento) codici_del_rallentamento(p, o, c, ultimo);
  }
}

}  // namespace progetto1
