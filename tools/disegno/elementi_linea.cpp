#include "tools/disegno/elementi_linea.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/numeri.h"

namespace progetto1::strumento {

namespace {

// Appends v at m to the runs, opening a new run where the value changes.
void prolunga(std::vector<TrattoCostante>& tratti, long m, int v) {
  if (!tratti.empty() && tratti.back().valore == v) return;
  if (!tratti.empty()) tratti.back().a = m;
  tratti.push_back({m, m, v});
}

std::string testo_slot(const std::vector<stazione>& slot, long i) {
  if (i < 0 || i >= static_cast<long>(slot.size())) return "";
  return da_cp1252(slot[static_cast<std::size_t>(i)].testo);
}

}  // namespace

ElementiLinea raccogli_elementi(const DatiMappa& d) {
  ElementiLinea l;
  l.stazioni = stazioni_della_linea(d.stazioni, d.celle);
  const long ultima = static_cast<long>(d.celle.size()) - 1;
  long piu_lontano = 0;
  long inizio_rall = -1;
  int vel_rall = 0;
  long inizio_montagna = -1;
  for (long c = 1; c <= ultima; ++c) {
    const cella& x = d.celle[static_cast<std::size_t>(c)];
    const long p = inizio_cella(c);
    if (x.genere != kNessuno && x.genere != kMarcaMontagna) piu_lontano = std::max(piu_lontano, p);
    switch (x.genere) {
      case kSegnale:
        l.segnali.push_back({c, p, x, "segnale a " + km(static_cast<double>(p), 2) + " km"});
        break;
      case kCartello:
        l.cartelli.push_back(
            {c, p, x,
             testo_slot(d.stazioni, x.dato1) + " (" + km(static_cast<double>(p), 2) + " km)"});
        break;
      case kIndicatoreVmax:
        l.indicatori.push_back({c, p, x,
                                "indicatore di velocità " +
                                    std::to_string(x.dato1 / kFattoreIndicatore) + "/" +
                                    std::to_string(x.dato2 / kFattoreIndicatore) + "/" +
                                    std::to_string(x.dato3 / kFattoreIndicatore) + " km/h a " +
                                    km(static_cast<double>(p), 2) + " km"});
        break;
      case kAvvisoRallentamento:
        l.avvisi.push_back({c, p, x,
                            "avviso di rallentamento " + std::to_string(x.dato1) + " km/h a " +
                                km(static_cast<double>(p), 2) + " km"});
        break;
      case kPuntoCodice:
        l.codici.push_back({c, p, x,
                            "punto codice " + std::to_string(x.dato1) + " a " +
                                km(static_cast<double>(p), 2) + " km"});
        break;
      case kFermata:
        l.fermate.push_back({c, p, x,
                             "segno di fermata di " + testo_slot(d.stazioni, x.dato1) + " a " +
                                 km(static_cast<double>(p), 2) + " km"});
        break;
      case kInizioRallentamento:
        // A slow-down whose start and end share a cell keeps only its start.
        if (inizio_rall >= 0)
          l.rallentamenti.push_back({inizio_rall, inizio_rall + kMetriCella, vel_rall});
        inizio_rall = p;
        vel_rall = x.dato1;
        break;
      case kFineRallentamento:
        if (inizio_rall >= 0) {
          l.rallentamenti.push_back({inizio_rall, p, vel_rall});
          inizio_rall = -1;
        }
        break;
      default:
        break;
    }
    if (x.avvicinamento != 0) {
      l.avvicinamenti.push_back({c, p, x,
                                 "marca d'avvicinamento " + std::to_string(x.avvicinamento) +
                                     " a " + km(static_cast<double>(p), 2) + " km"});
    }
    if (x.montagna != 0 && inizio_montagna < 0) inizio_montagna = p;
    if ((x.montagna == 0 || c == ultima) && inizio_montagna >= 0) {
      l.montagne.emplace_back(inizio_montagna, x.montagna == 0 ? p : p + kMetriCella);
      inizio_montagna = -1;
    }
  }
  if (inizio_rall >= 0)
    l.rallentamenti.push_back({inizio_rall, inizio_rall + kMetriCella, vel_rall});

  if (d.stazioni.size() > static_cast<std::size_t>(kSlotGenerali)) {
    l.lunghezza = d.stazioni[static_cast<std::size_t>(kSlotGenerali)].valore2;
  }
  const long fine_celle = std::max(0L, inizio_cella(ultima));
  if (l.lunghezza <= 0 || l.lunghezza > fine_celle)
    l.lunghezza = std::max(0L, fine_celle - kEstensioneLinea);
  for (const StazioneMappa& s : l.stazioni) piu_lontano = std::max(piu_lontano, s.posizione);
  l.fine_disegno = std::max({l.lunghezza, piu_lontano + 500, 1000L});
  l.fine_disegno = std::min(l.fine_disegno, std::max(fine_celle, 1000L));

  l.quote.emplace_back(0, 0.0);
  double q = 0;
  for (long c = 1; c <= ultima && inizio_cella(c) < l.fine_disegno; ++c) {
    const cella& x = d.celle[static_cast<std::size_t>(c)];
    const long m = inizio_cella(c);
    prolunga(l.pendenze, m, static_cast<int>(x.pendenza) - kScostamentoPendenza);
    prolunga(l.limiti, m, x.vel_limite * kPassoVelocita);
    q += (static_cast<double>(x.pendenza) - kScostamentoPendenza) * 0.05;
    l.quote.emplace_back(m + kMetriCella, q);
  }
  for (auto* tratti : {&l.pendenze, &l.limiti}) {
    if (!tratti->empty()) tratti->back().a = l.fine_disegno;
  }
  return l;
}

bool punto_vuoto(const Piano& piano, long i) {
  const ValorePiano& x = piano.x[static_cast<std::size_t>(i)];
  const ValorePiano& y = piano.y[static_cast<std::size_t>(i)];
  return x.tipo == TipoValore::kVuoto || y.tipo == TipoValore::kVuoto || !std::isfinite(x.valore) ||
         !std::isfinite(y.valore) || std::abs(x.valore) > 1e9 || std::abs(y.valore) > 1e9;
}

std::string km(double metri, int decimali) {
  char b[32];
  std::snprintf(b, sizeof b, "%.*f", decimali, metri / 1000.0);
  std::string s = b;
  std::replace(s.begin(), s.end(), '.', ',');
  // No "-0" for a value that rounds to zero.
  if (s.find_first_not_of("-0,") == std::string::npos && s[0] == '-') s.erase(0, 1);
  return s;
}

std::string orario(long secondi) {
  char b[48];
  std::snprintf(b, sizeof b, "%ld:%02ld", secondi / 3600, secondi / 60 % 60);
  return b;
}

std::string descrizione_stazione(const StazioneMappa& st) {
  std::string t = st.nome + ", " + km(static_cast<double>(st.posizione), 2) + " km, categoria " +
                  std::to_string(st.categoria);
  if (st.orario != 0) t += ", orario " + orario(st.orario);
  return t;
}

std::vector<StazioneMappa> stazioni_della_linea(const std::vector<stazione>& slot,
                                                const std::vector<cella>& celle) {
  std::set<long> cartelli;
  for (const cella& c : celle) {
    if (c.genere == kCartello) cartelli.insert(c.dato1);
  }
  std::vector<StazioneMappa> r;
  for (long i = 1; i < kPrimoSlotCartelli + 1 && i < static_cast<long>(slot.size()); ++i) {
    const stazione& s = slot[static_cast<std::size_t>(i)];
    if (cartelli.count(i) != 0 || s == stazione{}) break;
    r.push_back({i, da_cp1252(s.testo), s.valore3, s.codice, s.valore1, s.valore2, s.valore4});
  }
  return r;
}

bool piano_compatibile(const Piano& piano, const std::vector<stazione>& slot,
                       const std::vector<cella>& celle) {
  if (piano.x.size() != piano.y.size() || piano.x.size() < 2 || celle.empty()) return false;
  const long lunghezza_estesa = static_cast<long>(piano.x.size()) - 1;
  const long numero_celle = static_cast<long>(celle.size()) - 1;
  if (std::lround(arrotonda(static_cast<double>(lunghezza_estesa) / kMetriCella)) != numero_celle) {
    return false;
  }
  if (slot.size() > static_cast<std::size_t>(kSlotGenerali)) {
    const long dichiarata = slot[static_cast<std::size_t>(kSlotGenerali)].valore2;
    if (dichiarata + kEstensioneLinea != lunghezza_estesa) return false;
  }
  return true;
}

}  // namespace progetto1::strumento
