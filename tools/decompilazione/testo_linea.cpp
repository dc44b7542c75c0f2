// The line text back from the files: the general section with the chainage
// ranges, the runs of gradients, the curves from the plan, the mountain
// stretches, the speed boards and the signs.
#include <algorithm>
#include <bit>
#include <map>

#include "compiler/piano.h"
#include "compiler/progressive.h"
#include "model/numeri.h"
#include "model/pacchetto.h"
#include "model/tabella_linea.h"
#include "tools/decompilazione/lavoro.h"

namespace progetto1::strumento::decompilazione {

namespace {

void progressive(Lavoro& w, Righe& r) {
  // The three ranges as the text gave them, before the added chainage; then the
  // package's own ordering tells which keyword each must carry.
  stazione dato[3];
  for (int i = 0; i < 3; ++i) {
    dato[i] = stazione{};
    const stazione& s = w.slot[kSlotProgressive + i];
    dato[i].valore1 = s.valore1;
    dato[i].valore2 = con_aggiunta(s.valore3) ? s.valore2 - kAggiuntaProgressiva : s.valore2;
    dato[i].valore3 = s.valore3;
  }
  int ordine[3] = {0, 1, 2};
  do {
    Pacchetto p;
    for (int i = 0; i < 3; ++i) p.stazioni[kSlotProgressive + i] = dato[ordine[i]];
    progressive_ordina(p);
    bool uguale = true;
    for (int i = 0; i < 3; ++i)
      uguale = uguale && p.stazioni[kSlotProgressive + i] == w.slot[kSlotProgressive + i];
    if (uguale) {
      const char* const nomi[] = {"tre", "due", "uno"};
      Righe righe(3);
      for (int i = 0; i < 3; ++i) {
        const stazione& s = dato[ordine[i]];
        righe[static_cast<std::size_t>(2 - i)] = riga(
            std::string("progressiva chilometrica ") + nomi[i], {s.valore1, s.valore2, s.valore3});
      }
      r.insert(r.end(), righe.begin(), righe.end());
      return;
    }
  } while (std::next_permutation(ordine, ordine + 3));
  throw Rifiuto{slot_n(kSlotProgressive) + "-" + numero(kSlotProgressive + 2) +
                ": nessun testo dà questi tratti di progressiva chilometrica"};
}

}  // namespace

Righe generale_linea(Lavoro& w) {
  const stazione& generali = w.slot[kSlotGenerali];
  const stazione& linea = w.slot[kSlotLinea];
  const stazione& treno = w.slot[kSlotTreno];
  Righe r{"[generale]", riga("lunghezza percorso", {generali.valore2})};
  progressive(w, r);
  r.push_back(riga("sfondo uno", {linea.valore1}));
  r.push_back(riga("sfondo due", {linea.valore3}));
  r.push_back(riga("sfondo tre", {linea.valore2}));
  std::string chiave;
  if (treno.valore3 == 4 || treno.valore3 == 9) {
    chiave = "ripetizione segnali " + numero(treno.valore3) + " codici";
  } else if (treno.valore3 == 0 && treno.valore2 == 0) {
    chiave = "ripetizione segnali 4 codici";
    w.nota(Nota::Luogo::kSlot, kSlotTreno,
           "ripetizione dei segnali con la seconda posizione 0: il numero dei codici (4 o 9) "
           "non resta nei file; scritto 4");
  } else {
    throw Rifiuto{slot_n(kSlotTreno) + ": " + numero(treno.valore3) +
                  " codici di ripetizione dei segnali, che nessun testo dà"};
  }
  r.push_back(riga(chiave, {treno.valore1, treno.valore2}));
  return r;
}

// Runs of one byte of the cells as records "chiave, posizione, valore": each
// cell carries the value that starts at or before it; the last three cells
// keep 0, except the third from last, which only a record on it fills.
// With `chiusa` the text stops before the reader's final fill: a last record
// on the third from last cell makes the records fill the cells themselves.
Righe serie(const Lavoro& w, const char* chiave, std::uint8_t cella::*campo, const char* nome,
            const std::function<long long(std::uint8_t)>& valore, bool chiusa) {
  const long u = w.ultima;
  for (long c = u - 1; c <= u; ++c) {
    if (w.celle[static_cast<std::size_t>(c)].*campo != 0) {
      throw Rifiuto{cella_n(c) + ": " + nome + " non è 0 in una delle ultime due celle"};
    }
  }
  const auto v = [&](long c) { return w.celle[static_cast<std::size_t>(c)].*campo; };
  Righe r{riga(chiave, {0, valore(v(0))})};
  for (long c = 1; c <= u - 2; ++c) {
    if (c < u - 2 ? v(c) != v(c - 1) : (v(c) != 0 || chiusa)) {
      r.push_back(riga(chiave, {static_cast<long long>(c) * kMetriCella, valore(v(c))}));
    }
  }
  return r;
}

// fermata: the plan ends before the line's end, as after a reader that
// stopped; the texts must then end with a record that stops it there.
Righe curve(Lavoro& w, const Piano& piano, long estesa, bool& fermata) {
  const long punti = static_cast<long>(piano.x.size());
  if (punti != estesa + 1) {
    throw Rifiuto{"piano: " + numero(punti) + " punti, ma la lunghezza della linea ne dà " +
                  numero(estesa + 1)};
  }
  auto punto_atteso = [&](long i, TipoValore tipo) {
    for (const std::vector<ValorePiano>* c : {&piano.x, &piano.y}) {
      if ((*c)[static_cast<std::size_t>(i)].tipo != tipo) {
        throw Rifiuto{"punto " + numero(i) + " del piano: un valore " +
                      nome_tipo_valore((*c)[static_cast<std::size_t>(i)].tipo) +
                      " dove ogni testo dà " + nome_tipo_valore(tipo)};
      }
    }
  };
  for (long i = 0; i <= 1; ++i) punto_atteso(i, TipoValore::kIntero);
  // A reader that stopped early left the rest of the plan empty.
  long ultimo = 1;
  while (ultimo + 1 <= estesa - 2 &&
         piano.x[static_cast<std::size_t>(ultimo + 1)].tipo != TipoValore::kVuoto) {
    ++ultimo;
  }
  for (long i = 2; i <= ultimo; ++i) punto_atteso(i, TipoValore::kDoppio);
  for (long i = ultimo + 1; i <= estesa; ++i) punto_atteso(i, TipoValore::kVuoto);
  fermata = ultimo < estesa - 2;
  if (fermata) {
    w.nota(Nota::Luogo::kPunto, ultimo + 1,
           "il piano finisce qui, come dopo una lettura fermata: il testo della linea finisce "
           "con una curva senza grado, che la ferma allo stesso punto (codice 103), e il testo "
           "del treno non viene letto");
  }
  if (piano.x[0].valore != 0 || piano.y[0].valore != 0 || piano.x[1].valore != 0 ||
      piano.y[1].valore != 1) {
    throw Rifiuto{"punti 0 e 1 del piano: non sono l'origine (0, 0) e (0, 1)"};
  }

  // Each metre is one step of the package's own plan stepping: straight or
  // one of the six curvatures either way, tried on the stored doubles.
  std::vector<double> curvature{0};
  for (int g = 1; g <= kGradoCurvaMassimo; ++g) {
    curvature.push_back(curvatura_grado(g));
    curvature.push_back(-curvatura_grado(g));
  }
  TabellaLinea prova;
  prova.crea(2);
  std::vector<std::size_t> scelta(static_cast<std::size_t>(estesa + 1), 0);
  std::size_t ultima_scelta = 0;
  for (long i = 2; i <= ultimo; ++i) {
    const auto ui = static_cast<std::size_t>(i);
    prova.imposta_doppio(0, 0, piano.x[ui - 2].valore);
    prova.imposta_doppio(0, 1, piano.y[ui - 2].valore);
    prova.imposta_doppio(1, 0, piano.x[ui - 1].valore);
    prova.imposta_doppio(1, 1, piano.y[ui - 1].valore);
    auto prova_k = [&](std::size_t j) {
      std::int32_t indice = 2;
      estendi_piano(prova, indice, 2, curvature[j]);
      return std::bit_cast<std::uint64_t>(prova.valore(2, 0)) ==
                 std::bit_cast<std::uint64_t>(piano.x[ui].valore) &&
             std::bit_cast<std::uint64_t>(prova.valore(2, 1)) ==
                 std::bit_cast<std::uint64_t>(piano.y[ui].valore);
    };
    bool trovata = prova_k(ultima_scelta);
    for (std::size_t j = 0; !trovata && j < curvature.size(); ++j) {
      if (j != ultima_scelta && prova_k(j)) {
        ultima_scelta = j;
        trovata = true;
      }
    }
    if (!trovata) {
      throw Rifiuto{"punto " + numero(i) +
                    " del piano: nessun passo dritto né curvo del compilatore dà questi valori"};
    }
    scelta[ui] = ultima_scelta;
  }

  Righe r;
  for (long i = 2; i <= ultimo;) {
    const std::size_t j = scelta[static_cast<std::size_t>(i)];
    long fine = i;
    while (fine + 1 <= ultimo && scelta[static_cast<std::size_t>(fine + 1)] == j) ++fine;
    if (j == 0 && fermata && fine == ultimo) {
      // The straight end of a plan that stops: a curve of no length reaches it.
      w.entro(fine, kMargineRecord, "punto " + numero(fine) + " del piano");
      r.push_back(riga("curvad1", {fine, 0}));
    } else if (j != 0) {
      const long inizio = i - 1;  // the curve's first metre follows its start
      w.entro(inizio, kMargineRecord, "punto " + numero(i) + " del piano");
      const double k = curvature[j];
      const int grado = static_cast<int>((j + 1) / 2);
      const std::string chiave = std::string("curva") + (k > 0 ? "d" : "s") + numero(grado);
      r.push_back(riga(chiave, {inizio, fine - i + 1}));
    }
    i = fine + 1;
  }
  return r;
}

// The stretches as runs of one mountain type; markers where a fourth cell of
// the run shows one.
Righe montagne(Lavoro& w) {
  Righe r;
  std::vector<bool> spiegata(w.celle.size(), false);
  long fine_prima = 0;
  bool prima = true;
  int stretti = 0;
  for (long a = 0; a <= w.ultima;) {
    const std::uint8_t t = w.celle[static_cast<std::size_t>(a)].montagna;
    if (t == 0) {
      ++a;
      continue;
    }
    long b = a;
    while (b + 1 <= w.ultima && w.celle[static_cast<std::size_t>(b + 1)].montagna == t) ++b;
    bool marcatori = false;
    bool coperti = true;
    for (long c = a + kPassoMarcatori - 1; c <= b; c += kPassoMarcatori) {
      const std::uint8_t g = w.celle[static_cast<std::size_t>(c)].genere;
      if (g == kMarcaMontagna) marcatori = true;
      if (g == kMarcaMontagna || g == kNessuno) coperti = false;
      if (g == kMarcaMontagna) spiegata[static_cast<std::size_t>(c)] = true;
    }
    if (coperti && b - a >= kPassoMarcatori - 1) {
      w.nota(Nota::Luogo::kCella, a,
             "tratto di montagna: ogni quarta cella è coperta da un altro elemento, i segni "
             "di montagna non si vedono; scritto senza");
    }
    const long inizio = a * kMetriCella;
    const long fine = (b + 1) * kMetriCella;
    w.entro(inizio, kMargineRecord, cella_n(a));
    // A stretch that starts close after the previous one takes the joined
    // kind; an empty stretch at the origin in between keeps the kind.
    if (!prima && t != kTipoMontagnaUnita && inizio - fine_prima <= kDistanzaMontagneUnite) {
      r.push_back(riga("montagna", {0, 0, 0}));
      ++stretti;
      w.nota(Nota::Luogo::kCella, a,
             "tratto di montagna attaccato al precedente: scritto dopo un tratto vuoto in 0, "
             "che gli lascia il suo tipo");
    }
    long long tipo = t;
    if (marcatori) {
      tipo = t + kMontagnaConMarcatori;
    } else if (t > kMontagnaConMarcatori) {
      tipo = t - 256;  // the same low byte, without markers
    }
    r.push_back(riga("montagna", {inizio, fine, tipo}));
    ++stretti;
    fine_prima = fine;
    prima = false;
    a = b + 1;
  }
  if (stretti > kMassimoMontagne) {
    throw Rifiuto{"celle: più di " + numero(kMassimoMontagne) +
                  " tratti di montagna, che nessun testo dà"};
  }
  for (long c = 0; c <= w.ultima; ++c) {
    if (w.celle[static_cast<std::size_t>(c)].genere == kMarcaMontagna &&
        !spiegata[static_cast<std::size_t>(c)]) {
      throw Rifiuto{cella_n(c) + ": un segno di montagna fuori dalla quarta cella di un tratto"};
    }
  }
  return r;
}

std::string indicatore_riga(Lavoro& w, long c, const cella& x) {
  const long pos = inizio_cella(c);
  w.entro(pos, kMargineRecord, cella_n(c));
  const long long d[3] = {x.dato1, x.dato2, x.dato3};
  long long s[3];
  long long v[3];
  for (int i = 0; i < 3; ++i) {
    s[i] = div_giu(d[i], kFattoreIndicatore);
    v[i] = kPassoVelocita * mod_giu(d[i], kFattoreIndicatore);
  }
  return riga("indicatori_vmax", {pos, s[0], s[1], s[2], div_giu(x.dato4, 10), v[0], v[1], v[2],
                                  mod_giu(x.dato4, 10)});
}

Righe indicatori(Lavoro& w) {
  Righe r;
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere != kIndicatoreVmax) continue;
    r.push_back(indicatore_riga(w, c, x));
    w.nota(Nota::Luogo::kCella, c,
           "cartello di velocità: ogni valore è v_s × 20 + v_d / 5, che più coppie danno; "
           "scelta la coppia con v_d / 5 tra 0 e 19, e le strisce come decine e unità");
  }
  return r;
}

namespace {

bool solo_testo(const stazione& s) {
  stazione t;
  t.testo = s.testo;
  return !s.testo.empty() && s == t;
}

// Stop-mark cells that show nothing of what they cover, for signs that only
// their slot text still shows.
std::vector<long> fermate_mute(const Lavoro& w) {
  std::vector<long> r;
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kFermata && x.dato2 == 0 && x.dato3 == 0 && x.dato4 == 0 && x.tempo == 0) {
      r.push_back(c);
    }
  }
  return r;
}

}  // namespace

Righe cartelli(Lavoro& w, long& ultimo_slot) {
  std::map<long, long> per_slot;  // slot -> cell
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere != kCartello) continue;
    if (!per_slot.emplace(x.dato1, c).second) {
      throw Rifiuto{cella_n(c) + ": un cartello con lo slot " + numero(x.dato1) +
                    " già dato a quello della " + cella_n(per_slot[x.dato1])};
    }
  }
  const std::vector<long> mute = fermate_mute(w);
  std::size_t prossima_muta = 0;
  Righe r;
  // Signs take the slots from 80 downward in text order; a sign whose cell
  // a station's stop mark took later shows only its text.
  long slot = kPrimoSlotCartelli;
  for (; slot >= 1; --slot) {
    long c = -1;
    if (const auto it = per_slot.find(slot); it != per_slot.end()) {
      c = it->second;
      per_slot.erase(it);
    } else if (solo_testo(w.slot[static_cast<std::size_t>(slot)])) {
      if (prossima_muta == mute.size()) {
        throw Rifiuto{slot_n(slot) +
                      ": il testo di un cartello senza cella, e nessun segno di "
                      "fermata libero che lo possa coprire"};
      }
      c = mute[prossima_muta++];
      w.nota(Nota::Luogo::kSlot, slot,
             "cartello coperto da un segno di fermata: ne resta il testo; scritto nella " +
                 cella_n(c));
    } else {
      break;
    }
    const long pos = inizio_cella(c);
    w.entro(pos, kMargineRecord, cella_n(c));
    const std::string testo =
        testo_campo(w.slot[static_cast<std::size_t>(slot)].testo, slot_n(slot));
    r.push_back("cartello_indicatore,  " + numero(pos) + ",  " + testo);
  }
  ultimo_slot = slot + 1;
  if (!per_slot.empty()) {
    const auto& [s_resto, c_resto] = *per_slot.rbegin();
    throw Rifiuto{cella_n(c_resto) + ": il cartello ha lo slot " + numero(s_resto) +
                  ", ma il prossimo libero è " + numero(slot)};
  }
  return r;
}

}  // namespace progetto1::strumento::decompilazione
