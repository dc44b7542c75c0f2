#include "compiler/piano.h"

#include <iterator>

namespace progetto1 {

double curvatura_grado(int grado) {
  static constexpr double kCurvature[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
  static_assert(std::size(kCurvature) == kGradoCurvaMassimo);
  if (grado < 1 || grado > kGradoCurvaMassimo) return 0;
  return kCurvature[grado - 1];
}

int grado_curva(std::string_view chiave) {
  for (int g = 1; g <= kGradoCurvaMassimo; ++g) {
    if (chiave.find(static_cast<char>('0' + g)) != std::string_view::npos) return g;
  }
  return 0;
}

void inizia_piano(TabellaLinea& t) {
  t.imposta_intero(0, 0, 0);
  t.imposta_intero(0, 1, 0);
  t.imposta_intero(1, 0, 0);
  t.imposta_intero(1, 1, 1);
}

bool estendi_piano(TabellaLinea& t, std::int32_t& indice, std::int32_t fino, double k) {
  if (indice > fino) return true;
  // The two previous points; the step is their difference.
  double xa = t.valore(indice - 2, 0);
  double ya = t.valore(indice - 2, 1);
  double xb = t.valore(indice - 1, 0);
  double yb = t.valore(indice - 1, 1);
  const bool dritto = k == 0;
  while (indice <= fino) {
    const double dx = xb - xa;
    const double dy = yb - ya;
    double x;
    double y;
    if (dritto) {
      x = xb + dx;
      y = yb + dy;
    } else {
      x = xb + dx + k * dy;
      y = yb + dy - k * dx;
    }
    t.imposta_doppio(indice, 0, x);
    t.imposta_doppio(indice, 1, y);
    xa = xb;
    ya = yb;
    xb = x;
    yb = y;
    ++indice;
    if (indice > kUltimoMetroPiano) return false;
  }
  return true;
}

}  // namespace progetto1
