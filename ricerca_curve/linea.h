// The embedded line as the curve search needs it, read once from the package's embedded
// texts: its curve records, its length, the train's speed limits and where its plan ends.
#pragma once

#include <vector>

namespace progetto1::ricerca_curve {

// The surveyed end point of the line.
constexpr double meta_x = 30508.0;
constexpr double meta_y = 91848.5;

struct Curva {
  char lato;  // 'd' or 's'
  int grado;
  int inizio, lunghezza;
};

// A speed limit of the train from a position up to the next one, the last to the end.
struct Limite {
  int da, kmh;
};

struct Linea {
  std::vector<Curva> curve;
  int fine_linea = 0;    // the declared length
  int ultimo_punto = 0;  // the last point the reader computes: lunghezza_estesa - 2
  std::vector<Limite> limiti;
  double fine_x = 0, fine_y = 0;  // the embedded plan's point ultimo_punto
};

const Linea& linea();

int numero_curve();
int inizio_primo();
int inizio_ultimo();
int ultimo_punto();

}  // namespace progetto1::ricerca_curve
