// The train text back from the files: the stations from their slots, the
// signals and slow-downs from their cells, and the order of stations and
// signals whose approach marks come out as the cells show them.
#include <algorithm>
#include <map>
#include <queue>
#include <set>
#include <tuple>

#include "model/numeri.h"
#include "tools/decompilazione/lavoro.h"

namespace progetto1::strumento::decompilazione {

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

}  // namespace progetto1::strumento::decompilazione
