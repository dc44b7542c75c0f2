#include "tools/decompilazione/decompilazione.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <initializer_list>
#include <map>
#include <queue>
#include <set>
#include <tuple>

#include "compiler/piano.h"
#include "compiler/progressive.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "model/pacchetto.h"
#include "model/tracciati.h"
#include "output/passata_codici.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "tools/binari/decodifica.h"
#include "tools/motore/compilazione.h"
#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

namespace {

using Righe = std::vector<std::string>;

// The files hold something no text gives; the reason names where.
struct Rifiuto {
  std::string motivo;
};

std::string numero(long long v) { return std::to_string(v); }

std::string riga(const std::string& chiave, std::initializer_list<long long> valori) {
  std::string r = chiave;
  for (long long v : valori) {
    r += ",  ";
    r += numero(v);
  }
  return r;
}

long long div_giu(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}
long long mod_giu(long long a, long long b) { return a - b * div_giu(a, b); }

std::string cella_n(long c) { return "cella " + numero(c); }
std::string slot_n(long s) { return "slot " + numero(s); }

// A text the field reader gives back as it stands: no comma or line end in
// it, no blank at either end, no opening double quote, and every byte one
// that the writers' code page conversion keeps.
std::string testo_campo(const std::string& cp1252, const std::string& dove) {
  const std::string utf8 = da_cp1252(cp1252);
  auto rifiuta = [&](const std::string& perche) {
    throw Rifiuto{dove + ": il testo \"" + utf8 + "\" " + perche};
  };
  if (cp1252.find_first_of(",\r\n") != std::string::npos) {
    rifiuta("contiene una virgola o un a capo, che il lettore non restituisce");
  }
  if (!cp1252.empty()) {
    const char primo = cp1252.front();
    const char ultimo = cp1252.back();
    if (primo == ' ' || primo == '\t' || ultimo == ' ' || ultimo == '\t') {
      rifiuta("comincia o finisce con uno spazio, che il lettore toglie");
    }
    if (primo == '"') rifiuta("comincia con le virgolette, che il lettore toglie");
  }
  if (a_cp1252(utf8) != cp1252) rifiuta("contiene un byte che i testi del pacchetto non scrivono");
  return utf8;
}

struct Lavoro {
  Lavoro(std::vector<cella> c, std::vector<stazione> s) : celle(std::move(c)), slot(std::move(s)) {
    ultima = static_cast<long>(celle.size()) - 1;
  }
  std::vector<cella> celle;  // cell 1 without the package's two values
  std::vector<stazione> slot;
  long ultima = 0;
  std::vector<Nota> note;

  void nota(Nota::Luogo luogo, long indice, std::string testo) {
    note.push_back(Nota{luogo, indice, std::move(testo)});
  }
  // The readers' bound check on a position.
  void entro(long posizione, long margine, const std::string& dove) const {
    if (in_celle(static_cast<std::int32_t>(posizione + margine)) > ultima) {
      throw Rifiuto{dove + ": la posizione " + numero(posizione) +
                    " m non passa il controllo dei limiti del percorso"};
    }
  }
};

// ---- The line text ------------------------------------------------------

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
            const std::function<long long(std::uint8_t)>& valore, bool chiusa = false) {
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

// ---- The train text -----------------------------------------------------

struct Evento {
  enum class Tipo { kStazione, kSegnale } tipo;
  long chiave;  // natural place in the text: the record's cell
  std::string riga;
  std::vector<std::pair<long, std::uint8_t>> segni;  // approach marks it writes
  long prima_di = -1;                                // an event that must come after it
};

std::string stazione_riga(Lavoro& w, long n, std::vector<std::pair<long, std::uint8_t>>& segni,
                          long& cella_fermata) {
  const stazione& s = w.slot[static_cast<std::size_t>(n)];
  const std::string dove = slot_n(n);
  const long p = s.valore3;
  w.entro(p, kMargineStazione, dove);
  long l = 0;
  long marca3 = s.marca3;
  if (zona_arretrata(s.codice)) {
    l = p - s.valore1;
    marca3 = 0;
  } else {
    l = 2 * (static_cast<long long>(p) - s.valore1);
    const long extra = s.valore2 - (p + l / 2);
    if (extra == kAllungoCampo6 && marca3 == 0) {
      marca3 = 1;
      w.nota(Nota::Luogo::kSlot, n,
             "la prima stazione perde il campo 6: la sua zona più lunga di " +
                 numero(kAllungoCampo6) + " m lo dà diverso da 0; scritto 1");
    }
  }
  const long long t = s.valore4;
  long long ore = 0, minuti = 0, secondi = t;
  if (t >= 0) {
    ore = t / 3600;
    minuti = (t / 60) % 60;
    secondi = t % 60;
  }
  std::string r =
      riga("stazione", {p, s.codice, l, s.selettore, s.marca4, marca3, s.intero1, s.intero2,
                        s.marca1, s.intero3, s.intero4, s.intero5, s.marca2, ore, minuti, secondi});
  r += ",  " + testo_campo(s.testo, dove);

  cella_fermata = -1;
  if (s.codice < kCategoriaSenzaFermata) {
    if (!zona_corta(s.codice)) {
      for (int k = 1; k <= 4; ++k) {
        const double q = in_celle(s.valore2) - k - 1;
        if (q > 1) {
          segni.emplace_back(a_long(q), static_cast<std::uint8_t>(kBaseAvvicinamentoStazione + k));
        }
      }
    }
    cella_fermata = a_long(in_celle(s.valore2) - 1);
  }
  return r;
}

std::string segnale_riga(Lavoro& w, long c, const cella& x,
                         std::vector<std::pair<long, std::uint8_t>>& segni) {
  const long pos = inizio_cella(c);
  w.entro(pos, kMargineRecord, cella_n(c));
  if (c < 8)
    throw Rifiuto{cella_n(c) + ": un segnale senza posto per i suoi segni di avvicinamento"};
  // sx × 3 + dx from the approach marks (sx × 30 + dx × 10 + k), which must
  // agree with the units of dato4 (rapp × 10 + sx × 3 + dx).
  std::map<long long, int> voti;
  for (int k = 1; k <= 4; ++k) {
    const long long v = w.celle[static_cast<std::size_t>(c - 2 * k)].avvicinamento;
    if ((v - k) % 10 != 0) continue;
    const long long q = (v - k) / 10;
    if (mod_giu(q, 10) == mod_giu(x.dato4, 10)) ++voti[q];
  }
  long long q = mod_giu(x.dato4, 10);
  if (voti.empty()) {
    w.nota(Nota::Luogo::kCella, c,
           "segnale: i suoi segni di avvicinamento sono coperti; sx × 3 + dx scelto dalle unità "
           "del quarto valore");
  } else {
    q = std::max_element(voti.begin(), voti.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first;
  }
  const long long rapp = div_giu(x.dato4 - q, 10);
  long long sx = div_giu(q, 3);
  long long dx = q - 3 * sx;
  long long tempo = x.tempo;
  if (x.tempo != 0) {
    // Only sx 2 keeps a time in the cell.
    sx = 2;
    dx = q - 6;
    if (tempo_da_alzare(static_cast<std::int32_t>(tempo))) {
      tempo += 256;
      w.nota(Nota::Luogo::kCella, c,
             "segnale: un tempo sotto " + numero(kTempoSegnaleMinimo) + ", che il lettore alza a " +
                 numero(kTempoSegnaleMinimo) + ": scritto più 256");
    }
  }
  for (int k = 1; k <= 4; ++k) {
    segni.emplace_back(c - 2 * k, static_cast<std::uint8_t>(basso8(sx * 30 + dx * 10 + k)));
  }
  const long long d[3] = {x.dato1, x.dato2, x.dato3};
  if (mod_giu(d[0], 10) != 0 || mod_giu(d[1], 10) != 0 || mod_giu(d[2], 10) != 0 || dx != 0) {
    w.nota(Nota::Luogo::kCella, c,
           "segnale: i valori s × 10 + d e sx × 3 + dx danno più scelte; scelte le unità come d "
           "e dx");
  }
  return riga("segnale", {pos, sx, div_giu(d[0], 10), div_giu(d[1], 10), div_giu(d[2], 10), rapp,
                          dx, mod_giu(d[0], 10), mod_giu(d[1], 10), mod_giu(d[2], 10), tempo});
}

Righe rallentamenti(Lavoro& w) {
  Righe r;
  std::set<long> fini_usate;
  std::set<long> preavvisi_usati;
  for (long s = 0; s <= w.ultima; ++s) {
    const cella& inizio = w.celle[static_cast<std::size_t>(s)];
    if (inizio.genere != kInizioRallentamento) continue;
    const std::string dove = cella_n(s);
    long fine = -1;
    for (long e = s + 1; e <= w.ultima; ++e) {
      const cella& x = w.celle[static_cast<std::size_t>(e)];
      if (x.genere == kFineRallentamento && !fini_usate.count(e) && x.dato1 == inizio.dato1 &&
          x.dato2 == inizio.dato2 && x.dato3 == inizio.dato3) {
        fine = e;
        break;
      }
    }
    if (fine < 0) {
      fine = s;
      w.nota(Nota::Luogo::kCella, s,
             "rallentamento senza cella di fine: scritto lungo 0, la fine nella cella dell'inizio");
    } else {
      fini_usate.insert(fine);
    }
    // The position within the cell decides where the warning and its four
    // pre-warning cells fall; the start of the cell first.
    const long base = inizio_cella(s);
    // A start far enough along needs its warning board, and the pre-warning
    // cells say whether it asked for them.
    long x_scelto = base;
    long f_ta = 0;
    int migliore = 0;
    for (long d = 0; d <= kMetriCella / 2; ++d) {
      for (long x : {base - d, base + d}) {
        if (x < 0 || cella_di(static_cast<std::int32_t>(x)) != s) continue;
        int punti = 1;
        bool preavvisi = false;
        if (x > kInizioConAvviso) {
          const cella& avviso = w.celle[static_cast<std::size_t>(
              cella_di(static_cast<std::int32_t>(x - kDistanzaAvviso)))];
          if (avviso.genere != kAvvisoRallentamento || avviso.dato1 != inizio.dato1 ||
              avviso.dato2 != inizio.dato2) {
            continue;
          }
          const long cp = a_long(in_celle(static_cast<std::int32_t>(x - kDistanzaAvviso)));
          preavvisi = cp - 3 >= 0;
          for (long i = 0; preavvisi && i <= 3; ++i) {
            const cella& y = w.celle[static_cast<std::size_t>(cp - i)];
            preavvisi =
                y.genere == kPreavviso && y.dato1 == i + 1 && !preavvisi_usati.count(cp - i);
          }
          punti = preavvisi ? 3 : 2;
        }
        if (punti > migliore) {
          migliore = punti;
          x_scelto = x;
          f_ta = preavvisi ? 1 : 0;
        }
      }
    }
    if (f_ta != 0) {
      const long cp = a_long(in_celle(static_cast<std::int32_t>(x_scelto - kDistanzaAvviso)));
      for (long i = 0; i <= 3; ++i) preavvisi_usati.insert(cp - i);
    }
    if (x_scelto != base) {
      w.nota(Nota::Luogo::kCella, s,
             "rallentamento: l'avviso e i preavvisi vogliono l'inizio a " + numero(x_scelto) +
                 " m, dentro la sua cella");
    }
    w.entro(x_scelto, kMargineRecord, dove);
    r.push_back(riga("rallentamento", {x_scelto, inizio.dato1, inizio_cella(fine) - x_scelto,
                                       inizio.dato3, f_ta, inizio.dato2}));
  }
  return r;
}

// Stations and signals in an order whose approach marks come out as in the
// cells: on each marked cell the record that wrote the value seen writes
// last. Stations keep their slot order.
std::vector<const Evento*> ordina_eventi(const Lavoro& w, const std::vector<Evento>& eventi) {
  const std::size_t n = eventi.size();
  std::vector<std::set<std::size_t>> dopo(n);
  std::map<long, std::vector<std::pair<std::size_t, std::uint8_t>>> scrittori;
  for (std::size_t i = 0; i < n; ++i) {
    for (const auto& [c, v] : eventi[i].segni) scrittori[c].emplace_back(i, v);
  }
  for (const auto& [c, lista] : scrittori) {
    if (c < 0 || c > w.ultima) continue;
    const std::uint8_t visto = w.celle[static_cast<std::size_t>(c)].avvicinamento;
    std::size_t vincitore = n;
    for (const auto& [i, v] : lista) {
      if (v == visto) vincitore = i;
    }
    if (vincitore == n) continue;
    for (const auto& [i, v] : lista) {
      if (v != visto) dopo[i].insert(vincitore);
    }
  }
  long precedente = -1;
  for (std::size_t i = 0; i < n; ++i) {
    if (eventi[i].prima_di >= 0) dopo[i].insert(static_cast<std::size_t>(eventi[i].prima_di));
    if (eventi[i].tipo != Evento::Tipo::kStazione) continue;
    if (precedente >= 0) dopo[static_cast<std::size_t>(precedente)].insert(i);
    precedente = static_cast<long>(i);
  }
  std::vector<int> entranti(n, 0);
  for (const auto& d : dopo) {
    for (std::size_t j : d) ++entranti[j];
  }
  // Stations first, as the package's writer puts them, where the marks allow.
  auto prima = [&](std::size_t a, std::size_t b) {
    return std::tuple(eventi[a].tipo, eventi[a].chiave, a) >
           std::tuple(eventi[b].tipo, eventi[b].chiave, b);
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(prima)> pronti(prima);
  for (std::size_t i = 0; i < n; ++i) {
    if (entranti[i] == 0) pronti.push(i);
  }
  std::vector<const Evento*> ordine;
  std::vector<bool> messo(n, false);
  while (!pronti.empty()) {
    const std::size_t i = pronti.top();
    pronti.pop();
    ordine.push_back(&eventi[i]);
    messo[i] = true;
    for (std::size_t j : dopo[i]) {
      if (--entranti[j] == 0) pronti.push(j);
    }
  }
  // A cycle has no order that gives every mark; the rest in cell order, for
  // the comparison to name.
  for (std::size_t i = 0; i < n; ++i) {
    if (!messo[i]) ordine.push_back(&eventi[i]);
  }
  return ordine;
}

// Approach marks that no record written so far gives come from a signal a
// station's stop mark covered later: its cell still holds the signal's
// values but the first.
std::set<long> segnali_coperti(Lavoro& w, std::vector<Evento>& eventi,
                               const std::map<long, std::size_t>& stazione_della_fermata) {
  std::map<long, std::set<std::uint8_t>> scritti;
  for (const Evento& e : eventi) {
    for (const auto& [c, v] : e.segni) scritti[c].insert(v);
  }
  std::set<long> presi;
  for (long c = 0; c <= w.ultima; ++c) {
    const std::uint8_t v = w.celle[static_cast<std::size_t>(c)].avvicinamento;
    if (v == 0 || scritti[c].count(v)) continue;
    for (long k = 1; k <= 4; ++k) {
      const long g = c + 2 * k;
      if (g > w.ultima || presi.count(g) || (v - k) % 10 != 0) continue;
      const auto fermata = stazione_della_fermata.find(g);
      if (fermata == stazione_della_fermata.end()) continue;
      cella x = w.celle[static_cast<std::size_t>(g)];
      x.genere = kSegnale;
      x.dato1 = 0;
      Evento e{Evento::Tipo::kSegnale, g, {}, {}, static_cast<long>(fermata->second)};
      e.riga = segnale_riga(w, g, x, e.segni);
      for (const auto& [cs, vs] : e.segni) scritti[cs].insert(vs);
      presi.insert(g);
      w.nota(Nota::Luogo::kCella, g,
             "segnale coperto dal segno di fermata, che i suoi segni di avvicinamento mostrano: "
             "il suo primo valore (s1 × 10 + d1) è perso, scritto 0");
      eventi.push_back(std::move(e));
      break;
    }
  }
  return presi;
}

// A stop mark writes only the kind and the first value: what else its cell
// holds belongs to what it covers. Without a time that can be a speed board,
// with one only a signal, whose marks then lie under later ones.
void coperti_dai_valori(Lavoro& w, std::vector<Evento>& eventi, const std::set<long>& presi,
                        const std::map<long, std::size_t>& stazione_della_fermata,
                        Righe& indicatori) {
  for (const auto& [c, stazione] : stazione_della_fermata) {
    if (c < 0 || c > w.ultima || presi.count(c)) continue;
    cella x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere != kFermata || (x.dato2 == 0 && x.dato3 == 0 && x.dato4 == 0 && x.tempo == 0)) {
      continue;
    }
    x.dato1 = 0;
    if (x.tempo == 0) {
      x.genere = kIndicatoreVmax;
      w.nota(Nota::Luogo::kCella, c,
             "il segno di fermata copre un elemento di cui restano i valori dal secondo in poi: "
             "scritto come cartello di velocità con il primo valore 0");
      indicatori.push_back(indicatore_riga(w, c, x));
    } else {
      x.genere = kSegnale;
      Evento e{Evento::Tipo::kSegnale, c, {}, {}, static_cast<long>(stazione)};
      e.riga = segnale_riga(w, c, x, e.segni);
      w.nota(Nota::Luogo::kCella, c,
             "il segno di fermata copre un segnale (ne resta il tempo): il suo primo valore "
             "è perso, scritto 0");
      eventi.push_back(std::move(e));
    }
  }
}

struct Testi {
  Righe linea;
  std::string ferma_treno;  // the record that stops the train text, if one must
  Righe treno_prima;        // up to the code points
  std::vector<long> candidati_abbattimento;
};

Righe righe_treno(const Testi& t, const Lavoro& w, const std::set<long>& abbattimenti) {
  Righe r = t.treno_prima;
  r.push_back("[codici]");
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kAbbattimento) {
      r.push_back(riga("abbattimento", {static_cast<long long>(c) * kMetriCella, 0}));
    } else if (x.genere == kPuntoCodice && abbattimenti.count(c)) {
      r.push_back(riga("abbattimento", {static_cast<long long>(c) * kMetriCella, x.dato1}));
    }
  }
  if (!t.ferma_treno.empty()) r.push_back(t.ferma_treno);
  r.push_back("[fine]");
  return r;
}

Testi componi(Lavoro& w, const std::optional<Piano>& piano) {
  Testi t;
  const long lunghezza = w.slot[kSlotGenerali].valore2;
  const long estesa = lunghezza + kEstensioneLinea;
  Righe& l = t.linea;
  l = generale_linea(w);
  l.push_back("[curve]");
  bool fermata = false;
  if (piano) {
    const Righe c = curve(w, *piano, estesa, fermata);
    l.insert(l.end(), c.begin(), c.end());
  }
  l.push_back("[pendenze]");
  const Righe pendenze = serie(
      w, "pendenza", &cella::pendenza, "la pendenza",
      [](std::uint8_t v) { return static_cast<long long>(v) - kScostamentoPendenza; }, fermata);
  l.insert(l.end(), pendenze.begin(), pendenze.end());
  l.push_back("[montagne]");
  const Righe m = montagne(w);
  l.insert(l.end(), m.begin(), m.end());
  l.push_back("[cartelli]");
  const Righe ind = indicatori(w);
  l.insert(l.end(), ind.begin(), ind.end());
  l.push_back("[indicazioni]");
  long ultimo_cartello = kPrimoSlotCartelli + 1;
  const Righe car = cartelli(w, ultimo_cartello);
  l.insert(l.end(), car.begin(), car.end());
  if (fermata) {
    // A curve without a grade stops the reader where the plan ends; the
    // train text is then not read.
    l.push_back("curva,  0,  0");
  }
  l.push_back("[fine]");

  const stazione& generali = w.slot[kSlotGenerali];
  const stazione& treno = w.slot[kSlotTreno];
  Righe& r = t.treno_prima;
  r = {"[generale]",
       riga("numero vetture", {generali.valore3}),
       riga("percentuale massa frenata", {generali.valore1}),
       riga("sabbia", {treno.intero1}),
       riga("orologio", {treno.intero3, treno.intero4, treno.intero5}),
       "[aderenze]"};
  const std::size_t dopo_aderenze = r.size();

  // Stations fill the slots from 1 up to the last one in use below the signs.
  long stazioni = 0;
  for (long s = ultimo_cartello - 1; s >= 1; --s) {
    if (!(w.slot[static_cast<std::size_t>(s)] == stazione{})) {
      stazioni = s;
      break;
    }
  }
  // A last station that holds only its position (and category) is one whose
  // reading stopped: a record that stops at the same check ends the text.
  std::string ferma_treno;
  bool senza_riempimento = false;
  if (stazioni > 0) {
    const stazione& s = w.slot[static_cast<std::size_t>(stazioni)];
    stazione parziale;
    parziale.valore3 = s.valore3;
    parziale.codice = s.codice;
    if (s.valore3 != 0 && s == parziale) {
      const bool oltre = in_celle(s.valore3 + kMargineStazione) > w.ultima;
      if (s.codice == 0 && (oltre || s.valore3 % kMetriCella != 0)) {
        ferma_treno = riga("stazione", {s.valore3});
      } else if (!oltre && s.valore3 % kMetriCella == 0) {
        ferma_treno = riga("stazione", {s.valore3, s.codice, 1});
      }
      if (!ferma_treno.empty()) {
        senza_riempimento = !oltre;
        w.nota(Nota::Luogo::kSlot, stazioni,
               "una stazione letta solo in parte: il testo del treno finisce con un record che "
               "ferma la lettura allo stesso controllo");
        --stazioni;
      }
    }
  }
  std::vector<Evento> eventi;
  std::set<long> fermate;
  std::map<long, std::size_t> stazione_della_fermata;
  for (long n = 1; n <= stazioni; ++n) {
    Evento e{Evento::Tipo::kStazione, 0, {}, {}, -1};
    long cella_fermata = -1;
    e.riga = stazione_riga(w, n, e.segni, cella_fermata);
    e.chiave = w.slot[static_cast<std::size_t>(n)].valore3 / kMetriCella;
    if (cella_fermata >= 0) {
      fermate.insert(cella_fermata);
      stazione_della_fermata[cella_fermata] = eventi.size();
    }
    eventi.push_back(std::move(e));
  }
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kFermata && !fermate.count(c)) {
      throw Rifiuto{cella_n(c) + ": un segno di fermata che nessuna stazione della tabella dà"};
    }
    if (x.genere != kSegnale) continue;
    Evento e{Evento::Tipo::kSegnale, c, {}, {}, -1};
    e.riga = segnale_riga(w, c, x, e.segni);
    eventi.push_back(std::move(e));
  }
  {
    const std::set<long> presi = segnali_coperti(w, eventi, stazione_della_fermata);
    Righe coperti;
    coperti_dai_valori(w, eventi, presi, stazione_della_fermata, coperti);
    const auto indicazioni = std::find(l.begin(), l.end(), "[indicazioni]");
    l.insert(indicazioni, coperti.begin(), coperti.end());
  }
  for (long c : fermate) {
    if (c >= 0 && c <= w.ultima && w.celle[static_cast<std::size_t>(c)].genere == kFermata) {
      w.nota(Nota::Luogo::kCella, c,
             "segno di fermata: copre quello che c'era nella cella, che non si può ridire");
    }
  }
  {
    Righe serie_treno = serie(
        w, "aderenza", &cella::aderenza, "l'aderenza",
        [](std::uint8_t v) { return static_cast<long long>(v); }, senza_riempimento);
    serie_treno.push_back("[vel_limite]");
    const Righe vel = serie(
        w, "velocita", &cella::vel_limite, "la velocità",
        [](std::uint8_t v) { return static_cast<long long>(v) * kPassoVelocita; },
        senza_riempimento);
    serie_treno.insert(serie_treno.end(), vel.begin(), vel.end());
    r.insert(r.begin() + static_cast<std::ptrdiff_t>(dopo_aderenze), serie_treno.begin(),
             serie_treno.end());
  }
  t.ferma_treno = ferma_treno;
  const std::vector<const Evento*> ordine = ordina_eventi(w, eventi);
  // Signals that must stand among the stations stay under their heading;
  // the rest go under their own, after the slow-downs, as the package's
  // writer puts them.
  std::size_t fine_stazioni = 0;
  for (std::size_t i = 0; i < ordine.size(); ++i) {
    if (ordine[i]->tipo == Evento::Tipo::kStazione) fine_stazioni = i + 1;
  }
  r.push_back("[stazioni]");
  for (std::size_t i = 0; i < fine_stazioni; ++i) r.push_back(ordine[i]->riga);
  r.push_back("[rallentamenti]");
  const Righe ral = rallentamenti(w);
  r.insert(r.end(), ral.begin(), ral.end());
  r.push_back("[segnali]");
  for (std::size_t i = fine_stazioni; i < ordine.size(); ++i) r.push_back(ordine[i]->riga);

  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kPuntoCodice || x.genere == kAbbattimento) {
      w.entro(static_cast<long long>(c) * kMetriCella, kMargineRecord, cella_n(c));
    }
    if (x.genere == kPuntoCodice) t.candidati_abbattimento.push_back(c);
  }
  return t;
}

// ---- Comparison ---------------------------------------------------------

constexpr std::size_t kDifferenzeMassime = 5;

template <class Record, class Campi>
std::string campi_diversi(const Record& atteso, const Record& ottenuto, const Campi& campi) {
  std::string s;
  per_ogni_campo(campi, [&](const auto& c) {
    if (atteso.*c.membro == ottenuto.*c.membro) return;
    if (!s.empty()) s += ", ";
    s += c.nome;
    if constexpr (c.kTesto) {
      s += " \"" + da_cp1252(ottenuto.*c.membro) + "\" invece di \"" + da_cp1252(atteso.*c.membro) +
           "\"";
    } else {
      s += " " + numero(ottenuto.*c.membro) + " invece di " + numero(atteso.*c.membro);
    }
  });
  return s;
}

template <class Record, class Campi>
void differenze_record(const std::string& cosa, const std::vector<Record>& atteso,
                       const std::vector<Record>& ottenuto, const Campi& campi,
                       std::vector<std::string>& d) {
  if (atteso.size() != ottenuto.size()) {
    d.push_back(cosa + ": " + numero(static_cast<long long>(ottenuto.size())) +
                " record invece di " + numero(static_cast<long long>(atteso.size())));
    return;
  }
  std::size_t trovate = 0;
  for (std::size_t i = 0; i < atteso.size() && trovate < kDifferenzeMassime; ++i) {
    if (atteso[i] == ottenuto[i]) continue;
    d.push_back(cosa + " " + numero(static_cast<long long>(i)) + ": " +
                campi_diversi(atteso[i], ottenuto[i], campi));
    ++trovate;
  }
}

void differenze_piano(const Piano& atteso, const Piano& ottenuto, std::vector<std::string>& d) {
  if (atteso.x.size() != ottenuto.x.size()) {
    d.push_back("piano: " + numero(static_cast<long long>(ottenuto.x.size())) +
                " punti invece di " + numero(static_cast<long long>(atteso.x.size())));
    return;
  }
  std::size_t trovate = 0;
  for (std::size_t i = 0; i < atteso.x.size() && trovate < kDifferenzeMassime; ++i) {
    const auto uguale = [](const ValorePiano& a, const ValorePiano& b) {
      return a.tipo == b.tipo &&
             std::bit_cast<std::uint64_t>(a.valore) == std::bit_cast<std::uint64_t>(b.valore);
    };
    if (uguale(atteso.x[i], ottenuto.x[i]) && uguale(atteso.y[i], ottenuto.y[i])) continue;
    d.push_back("punto " + numero(static_cast<long long>(i)) + " del piano: diverso");
    ++trovate;
  }
}

}  // namespace

const char* nome_luogo(Nota::Luogo luogo) {
  switch (luogo) {
    case Nota::Luogo::kNessuno:
      return "";
    case Nota::Luogo::kCella:
      return "cella";
    case Nota::Luogo::kSlot:
      return "slot";
    case Nota::Luogo::kPunto:
      return "punto";
  }
  return "";
}

EsitoDecompilazione decompila(FileBinari file, const std::string& nome_linea,
                              const std::string& numero_treno) {
  return decompila(decodifica_scenario(std::move(file)), nome_linea, numero_treno);
}

EsitoDecompilazione decompila(const ScenarioCompilato& scenario, const std::string& nome_linea,
                              const std::string& numero_treno) {
  const FileBinari& file = scenario.byte;
  const std::optional<Piano>& piano = scenario.piano;
  const std::vector<stazione>& slot = scenario.stazioni;
  const std::vector<cella>& celle_file = scenario.celle;

  EsitoDecompilazione esito;
  const long lunghezza = slot[kSlotGenerali].valore2;
  const long attese = a_long(in_celle(static_cast<std::int32_t>(lunghezza + kEstensioneLinea))) + 1;
  if (static_cast<long>(celle_file.size()) != attese || celle_file.size() < 3) {
    esito.differenze.push_back("celle: " + numero(static_cast<long long>(celle_file.size())) +
                               " celle, ma la lunghezza della linea nello " +
                               slot_n(kSlotGenerali) + " (" + numero(lunghezza) + " m) ne dà " +
                               numero(attese));
    return esito;
  }
  std::vector<cella> celle = celle_file;
  celle[1].dato1 = 0;  // the package's own values, not a feature's
  celle[1].dato2 = 0;
  Lavoro w(std::move(celle), slot);

  Testi testi;
  try {
    testi = componi(w, piano);
  } catch (const Rifiuto& r) {
    esito.differenze.push_back(r.motivo);
    return esito;
  }
  esito.note = w.note;
  esito.note.push_back(Nota{Nota::Luogo::kNessuno, 0,
                            "ogni elemento è scritto all'inizio della sua cella, e valori uguali "
                            "di celle vicine (pendenze, velocità, aderenze, curve, tratti di "
                            "montagna) come un solo record"});

  Pacchetto nomi;
  nomi.nome_linea = nome_linea;
  nomi.numero_treno = numero_treno;
  const std::vector<FileUscita> attesi = {
      {nome_file_linea(nomi), file.piano.value_or("")},
      {nome_file_stazioni(nomi), file.stazioni},
      {nome_file_celle(nomi), file.celle},
  };

  // Code points are the pass's own unless the pass leaves them out: those
  // are written as abbattimento records, which in turn move the pass's
  // codes, so the set grows until the cells agree.
  std::set<long> abbattimenti;
  for (long c : testi.candidati_abbattimento) {
    if (w.celle[static_cast<std::size_t>(c)].dato1 != kValoreCodice) abbattimenti.insert(c);
  }
  std::int32_t contatore = 0;
  std::string testo_linea;
  try {
    testo_linea = componi_testo(testi.linea, contatore);
  } catch (const Guasto&) {
    esito.differenze.push_back(
        "il testo della linea avrebbe più righe di quante ne scrive il pacchetto");
    esito.note.clear();
    return esito;
  }
  for (int tentativo = 0; tentativo < 8; ++tentativo) {
    std::string testo_treno;
    try {
      testo_treno = componi_testo(righe_treno(testi, w, abbattimenti), contatore);
    } catch (const Guasto&) {
      esito.differenze = {"il testo del treno avrebbe più righe di quante ne scrive il pacchetto"};
      break;
    }
    const EsitoCompilazione c =
        compila(testo_linea, testo_treno, nome_linea, numero_treno, piano.has_value());
    std::vector<std::string> d;
    std::vector<cella> celle_ottenute;
    if (c.fatale != Fatale::kNessuno) {
      d.push_back(std::string("la compilazione dei testi non scrive file (") +
                  nome_fatale(c.fatale) + ")");
    } else {
      for (const FileUscita& f : attesi) {
        if (f.first == nome_file_linea(nomi) && !piano) continue;
        const auto trovato = std::find_if(c.file.begin(), c.file.end(),
                                          [&](const FileUscita& o) { return o.first == f.first; });
        if (trovato == c.file.end()) {
          d.push_back(da_cp1252(f.first) + ": non scritto dalla compilazione dei testi");
          continue;
        }
        if (f.first == nome_file_celle(nomi)) celle_ottenute = decodifica_celle(trovato->second);
        if (trovato->second == f.second) continue;
        if (f.first == nome_file_linea(nomi)) {
          differenze_piano(*piano, decodifica_piano(trovato->second), d);
        } else if (f.first == nome_file_stazioni(nomi)) {
          differenze_record("slot", slot, decodifica_stazioni(trovato->second), kCampiStazione, d);
        } else {
          differenze_record("cella", celle_file, celle_ottenute, kCampiCella, d);
        }
      }
    }
    if (d.empty()) {
      esito.riuscita = true;
      esito.testo_linea = testo_linea;
      esito.testo_treno = testo_treno;
      esito.codice_errore = c.codice_errore;
      esito.differenze.clear();
      return esito;
    }
    esito.differenze = d;
    bool cresciuto = false;
    for (long k : testi.candidati_abbattimento) {
      if (abbattimenti.count(k) || static_cast<std::size_t>(k) >= celle_ottenute.size()) continue;
      const cella& o = celle_ottenute[static_cast<std::size_t>(k)];
      if (o.genere != kPuntoCodice || o.dato1 != celle_file[static_cast<std::size_t>(k)].dato1) {
        abbattimenti.insert(k);
        cresciuto = true;
      }
    }
    if (!cresciuto) break;
  }
  esito.note.clear();
  return esito;
}

}  // namespace progetto1::strumento
