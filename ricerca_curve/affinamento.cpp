// Meet-in-the-middle refinement of the straights.
#include "ricerca_curve/affinamento.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "ricerca_curve/vincoli.h"

namespace progetto1::ricerca_curve {

namespace {

// Meet in the middle over moves of +-50 m on 24 gaps whose total change is zero.
struct Voce {
  double x, y;
  int somma;
  std::uint32_t codice;
};

std::vector<Voce> enumera(const std::vector<int>& indici, const std::vector<complesso>& vettori,
                          const Tracciato& t) {
  std::vector<Voce> v;
  std::size_t totale = 1;
  for (std::size_t q = 0; q < indici.size(); ++q) totale *= 3;
  v.reserve(totale);
  for (std::uint32_t codice = 0; codice < totale; ++codice) {
    std::uint32_t c = codice;
    complesso z(0.0, 0.0);
    int somma = 0;
    bool ok = true;
    for (std::size_t q = 0; q < indici.size(); ++q) {
      const int delta = static_cast<int>(c % 3) - 1;
      c /= 3;
      const int nuovo = t.rettilineo[indici[q]] + passo * delta;
      if (nuovo < rettilineo_minimo || nuovo > rettilineo_massimo) {
        ok = false;
        break;
      }
      z += static_cast<double>(passo * delta) * vettori[q];
      somma += delta;
    }
    if (ok) v.push_back({z.real(), z.imag(), somma, codice});
  }
  return v;
}

void applica(Tracciato& t, const std::vector<int>& indici, std::uint32_t codice) {
  for (int indice : indici) {
    t.rettilineo[indice] += passo * (static_cast<int>(codice % 3) - 1);
    codice /= 3;
  }
}

}  // namespace

bool affina(Tracciato& t) {
  const Esito e = valuta(t);
  const complesso residuo = complesso(meta_x, meta_y) - e.fine;
  // Only straights past the last grade-5 curve move, so that no sharp curve leaves its
  // slow stretch.
  int primo = 1;
  for (int j = 2; j < numero_curve(); ++j)
    if (t.grado[j] == 5) primo = std::max(primo, j);
  std::vector<int> a, b;
  for (int j = primo; j < numero_curve() - 1 && a.size() + b.size() < 24; ++j)
    (j % 2 ? a : b).push_back(j);
  std::vector<complesso> va, vb;
  for (int j : a) va.push_back(e.direzione[j]);
  for (int j : b) vb.push_back(e.direzione[j]);
  std::vector<Voce> ea = enumera(a, va, t), eb = enumera(b, vb, t);
  const double cella = 0.02;
  auto chiave = [&](int somma, double x, double y) {
    return std::array<long, 3>{somma, std::lround(std::floor(x / cella)),
                               std::lround(std::floor(y / cella))};
  };
  std::vector<std::pair<std::array<long, 3>, std::size_t>> indice;
  indice.reserve(ea.size());
  for (std::size_t q = 0; q < ea.size(); ++q)
    indice.push_back({chiave(ea[q].somma, ea[q].x, ea[q].y), q});
  std::sort(indice.begin(), indice.end());
  struct Candidato {
    double errore;
    int cambi;
    std::uint32_t ca, cb;
  };
  std::vector<Candidato> candidati;
  for (const Voce& vb_ : eb) {
    const double x = residuo.real() - vb_.x, y = residuo.imag() - vb_.y;
    const auto k = chiave(-vb_.somma, x, y);
    for (long ox = -1; ox <= 1; ++ox) {
      for (long oy = -1; oy <= 1; ++oy) {
        const std::array<long, 3> cerca{k[0], k[1] + ox, k[2] + oy};
        auto it = std::lower_bound(indice.begin(), indice.end(),
                                   std::pair<std::array<long, 3>, std::size_t>{cerca, 0});
        for (; it != indice.end() && it->first == cerca; ++it) {
          const Voce& va_ = ea[it->second];
          const double err = std::max(std::abs(x - va_.x), std::abs(y - va_.y));
          if (err < 0.01) candidati.push_back({err, 0, va_.codice, vb_.codice});
        }
      }
    }
  }
  // Digit 1 of a code means "unchanged"; prefer the fewest changed straights.
  for (auto& c : candidati) {
    c.cambi = 0;
    std::uint32_t x = c.ca, y = c.cb;
    for (std::size_t q = 0; q < a.size(); ++q, x /= 3) c.cambi += x % 3 != 1;
    for (std::size_t q = 0; q < b.size(); ++q, y /= 3) c.cambi += y % 3 != 1;
  }
  std::sort(candidati.begin(), candidati.end(), [](const Candidato& p, const Candidato& q) {
    return p.errore != q.errore ? p.errore < q.errore : p.cambi < q.cambi;
  });
  std::printf("candidates within 1 cm (model): %zu\n", candidati.size());
  for (std::size_t q = 0; q < candidati.size() && q < 50; ++q) {
    Tracciato prova = t;
    applica(prova, a, candidati[q].ca);
    applica(prova, b, candidati[q].cb);
    if (!rettilinei_validi(prova) || penalita(prova, valuta(prova)) > 0.0) continue;
    const Errore err = errore_esatto(prova);
    if (err.massimo() < 0.01) {
      t = prova;
      return true;
    }
  }
  return false;
}

}  // namespace progetto1::ricerca_curve
