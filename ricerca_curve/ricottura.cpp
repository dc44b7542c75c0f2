// Simulated annealing over the layouts.
#include "ricerca_curve/ricottura.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "ricerca_curve/vincoli.h"

namespace progetto1::ricerca_curve {

namespace {

double costo(const Tracciato& t) {
  const Esito e = valuta(t);
  return std::abs(e.fine - complesso(meta_x, meta_y)) + penalita(t, e);
}

struct Caso {
  std::mt19937_64 motore;
  explicit Caso(std::uint64_t seme) : motore(seme) {}
  int intero(int n) { return static_cast<int>(motore() % static_cast<std::uint64_t>(n)); }
  double reale() { return static_cast<double>(motore() >> 11) * 0x1.0p-53; }
};

Tracciato tracciato_iniziale(Caso& caso) {
  Tracciato t;
  // The first two curves stay as the embedded line has them; the others keep only how many
  // there are of each side and each grade.
  const std::vector<Curva>& curve = linea().curve;
  for (int j = 0; j < 2; ++j) {
    t.lato[j] = curve[j].lato;
    t.grado[j] = curve[j].grado;
    t.lunghezza[j] = curve[j].lunghezza;
  }
  t.rettilineo[0] = curve[1].inizio - curve[0].inizio - curve[0].lunghezza;
  std::vector<char> lati;
  std::vector<int> gradi;
  for (std::size_t j = 2; j < curve.size(); ++j) {
    lati.push_back(curve[j].lato);
    gradi.push_back(curve[j].grado);
  }
  std::sort(lati.begin(), lati.end());
  std::sort(gradi.begin(), gradi.end());
  for (int n = static_cast<int>(lati.size()) - 1; n > 0; --n)
    std::swap(lati[n], lati[caso.intero(n + 1)]);
  for (int n = static_cast<int>(gradi.size()) - 1; n > 0; --n)
    std::swap(gradi[n], gradi[caso.intero(n + 1)]);
  bool cento = false, massima = false;
  for (int j = 2; j < numero_curve(); ++j) {
    t.lato[j] = lati[j - 2];
    t.grado[j] = gradi[j - 2];
    const int lo = lunghezza_min(t.grado[j]) / passo, hi = lunghezza_max(t.grado[j]) / passo;
    t.lunghezza[j] = passo * (lo + caso.intero((hi - lo) / 2 + 1));
    if (!cento && t.grado[j] == 4) {
      t.lunghezza[j] = 100;
      cento = true;
    } else if (!massima && t.grado[j] == 3) {
      t.lunghezza[j] = lunghezza_massima;
      massima = true;
    }
  }
  // Spread the straights evenly so that the last curve starts where it must.
  int somma = inizio_ultimo() - inizio_primo() - t.lunghezza[0] - t.rettilineo[0];
  for (int j = 1; j < numero_curve() - 1; ++j) somma -= t.lunghezza[j];
  const int gap = numero_curve() - 2;
  for (int j = 1; j < numero_curve() - 1; ++j) {
    const int resto = gap - (j - 1);
    t.rettilineo[j] = passo * ((somma / passo) / resto);
    somma -= t.rettilineo[j];
  }
  t.rettilineo[numero_curve() - 1] = 0;
  return t;
}

// One random change: 50 m steps of straight moved between two gaps, a length changed against
// a gap, or two curves exchanging their side or their grade.
bool mossa(Tracciato& t, Caso& caso) {
  const int tipo = caso.intero(10);
  const int ng = numero_curve() - 2;  // movable gaps 1 .. 37
  if (tipo < 5) {
    const int a = 1 + caso.intero(ng), b = 1 + caso.intero(ng);
    if (a == b) return false;
    const int m = passo * (1 + caso.intero(tipo < 3 ? 2 : 20));
    t.rettilineo[a] -= m;
    t.rettilineo[b] += m;
  } else if (tipo < 8) {
    const int j = 2 + caso.intero(numero_curve() - 2);
    const int delta = passo * (caso.intero(2) == 0 ? -1 : 1) * (1 + caso.intero(3));
    t.lunghezza[j] += delta;
    // The last curve's start is fixed; any other length change is paid by some straight.
    if (j < numero_curve() - 1) t.rettilineo[1 + caso.intero(ng)] -= delta;
  } else if (tipo < 9) {
    const int a = 2 + caso.intero(numero_curve() - 2), b = 2 + caso.intero(numero_curve() - 2);
    if (t.lato[a] == t.lato[b]) return false;
    std::swap(t.lato[a], t.lato[b]);
  } else {
    const int a = 2 + caso.intero(numero_curve() - 2), b = 2 + caso.intero(numero_curve() - 2);
    if (t.grado[a] == t.grado[b]) return false;
    std::swap(t.grado[a], t.grado[b]);
    if (caso.intero(2) == 0) std::swap(t.lunghezza[a], t.lunghezza[b]);
  }
  return lunghezze_valide(t) && rettilinei_validi(t);
}

}  // namespace

Tracciato ricottura(std::uint64_t seme, long passi) {
  Caso caso(seme);
  Tracciato t = tracciato_iniziale(caso);
  while (!lunghezze_valide(t) || !rettilinei_validi(t)) t = tracciato_iniziale(caso);
  double c = costo(t);
  Tracciato migliore = t;
  double c_migliore = c;
  const double t0 = 5000.0, t1 = 0.2;
  for (long n = 0; n < passi; ++n) {
    const double temp = t0 * std::pow(t1 / t0, static_cast<double>(n) / static_cast<double>(passi));
    Tracciato prova = t;
    if (!mossa(prova, caso)) continue;
    const double cp = costo(prova);
    if (cp <= c || caso.reale() < std::exp((c - cp) / temp)) {
      t = prova;
      c = cp;
      if (c < c_migliore) {
        migliore = t;
        c_migliore = c;
      }
    }
  }
  return migliore;
}

}  // namespace progetto1::ricerca_curve
