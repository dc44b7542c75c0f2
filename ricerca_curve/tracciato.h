// A layout of the line's curves and its plan: in closed form for the search, and stepped
// metre by metre by the package's own plan stepping for the checks.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "compiler/piano.h"
#include "ricerca_curve/linea.h"

namespace progetto1::ricerca_curve {

using complesso = std::complex<double>;

struct Tracciato {
  std::vector<char> lato = std::vector<char>(numero_curve());
  std::vector<int> grado = std::vector<int>(numero_curve());
  std::vector<int> lunghezza = std::vector<int>(numero_curve());
  std::vector<int> rettilineo = std::vector<int>(numero_curve());  // after curve j, to j + 1

  int inizio(int j) const {
    int s = inizio_primo();
    for (int q = 0; q < j; ++q) s += lunghezza[q] + rettilineo[q];
    return s;
  }
  double k(int j) const {
    return lato[j] == 'd' ? curvatura_grado(grado[j]) : -curvatura_grado(grado[j]);
  }
};

struct Esito {
  complesso fine;
  std::vector<complesso> direzione = std::vector<complesso>(numero_curve());  // after curve j
};

// Closed-form plan: straights add n steps, curves add the geometric sum of rotated steps.
Esito valuta(const Tracciato& t);

struct Punto {
  double x, y;
};

// The plan exactly as the line reader computes it, by the package's own plan stepping; the
// point at metre `metro`.
Punto integra(const Tracciato& t, int metro);

// Heading measured clockwise from +y, in radians.
double rotta(complesso d);

struct Errore {
  double dx, dy;
  double massimo() const { return std::max(std::abs(dx), std::abs(dy)); }
};

// How far the stepped plan's last point is from the surveyed end point.
Errore errore_esatto(const Tracciato& t);

}  // namespace progetto1::ricerca_curve
