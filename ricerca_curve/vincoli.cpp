// The plausibility bounds of a layout.
#include "ricerca_curve/vincoli.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace progetto1::ricerca_curve {

namespace {

constexpr int velocita_curva_stretta = 110;  // grade 5: radius 500 m

struct Tratto {
  int da, a;
};

// The stretches where the limit is at most velocita_curva_stretta, adjacent ones merged.
std::vector<Tratto> tratti_lenti() {
  std::vector<Tratto> v;
  const std::vector<Limite>& limiti = linea().limiti;
  for (std::size_t q = 0; q < limiti.size(); ++q) {
    if (limiti[q].kmh > velocita_curva_stretta) continue;
    const int a = q + 1 < limiti.size() ? limiti[q + 1].da : linea().fine_linea;
    if (!v.empty() && v.back().a == limiti[q].da)
      v.back().a = a;
    else
      v.push_back({limiti[q].da, a});
  }
  return v;
}

// How far (m) a curve must move to lie wholly inside some slow stretch; 0 if it does.
int fuori_tratto_lento(int inizio, int lunghezza) {
  static const std::vector<Tratto> lenti = tratti_lenti();
  int minimo = linea().fine_linea;
  for (const Tratto& t : lenti) {
    if (t.a - t.da < lunghezza) continue;
    minimo = std::min(minimo, std::max(0, t.da - inizio) + std::max(0, inizio + lunghezza - t.a));
  }
  return minimo;
}

const double rotta_meta = std::atan2(meta_x, meta_y);
constexpr double scarto_rotta = 0.9;  // headings stay within about 52 degrees of the general one
constexpr double scarto_rotta_finale = 0.4;

}  // namespace

double penalita(const Tracciato& t, const Esito& e) {
  double p = 0.0;
  for (int j = 1; j < numero_curve(); ++j) {
    const double scarto = std::abs(rotta(e.direzione[j]) - rotta_meta);
    if (scarto > scarto_rotta) p += 2000.0 + 20000.0 * (scarto - scarto_rotta);
  }
  // The plan runs on straight well past the end of the line: keep that last long straight
  // close to the general direction.
  const double scarto_finale = std::abs(rotta(e.direzione[numero_curve() - 1]) - rotta_meta);
  if (scarto_finale > scarto_rotta_finale)
    p += 2000.0 + 20000.0 * (scarto_finale - scarto_rotta_finale);
  int serie = 1;
  for (int j = 1; j < numero_curve(); ++j) {
    serie = t.lato[j] == t.lato[j - 1] ? serie + 1 : 1;
    if (serie > 3) p += 3000.0;
  }
  for (int j = 0, s = inizio_primo(); j < numero_curve();
       s += t.lunghezza[j] + t.rettilineo[j], ++j) {
    if (t.grado[j] != 5) continue;
    const int fuori = fuori_tratto_lento(s, t.lunghezza[j]);
    if (fuori > 0) p += 2000.0 + 5.0 * fuori;
  }
  return p;
}

bool lunghezze_valide(const Tracciato& t) {
  bool cento = false, massima = false;
  for (int j = 2; j < numero_curve(); ++j) {
    if (t.lunghezza[j] < lunghezza_min(t.grado[j]) || t.lunghezza[j] > lunghezza_max(t.grado[j]))
      return false;
    cento = cento || t.lunghezza[j] == 100;
    massima = massima || t.lunghezza[j] == lunghezza_massima;
  }
  return cento && massima;
}

bool rettilinei_validi(const Tracciato& t) {
  if (t.inizio(numero_curve() - 1) != inizio_ultimo()) return false;
  for (int j = 1; j < numero_curve() - 1; ++j)
    if (t.rettilineo[j] < rettilineo_minimo || t.rettilineo[j] > rettilineo_massimo) return false;
  return true;
}

}  // namespace progetto1::ricerca_curve
