// The plan of the line, one point per metre, built by stepping: each new
// point repeats the last step, turned by the curvature k (radians per metre)
// with the first-order rotation. The step is never renormalised and the
// arithmetic is kept exactly as it stands, so that every build yields the
// same plan to the last bit; the step's slight growth along curves is part
// of the plan.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/costanti.h"
#include "model/tabella_linea.h"

namespace progetto1 {

// The curvature of a curve of grade 1 to kGradoCurvaMassimo (radius 10000 m
// down to 333 m); 0 for any other grade.
double curvatura_grado(int grado);
// The grade a curve keyword names: the first of the digits 1 to
// kGradoCurvaMassimo it holds, in that order; 0 when it holds none.
int grado_curva(std::string_view chiave);

// Points 0 and 1: the origin, heading along +y one unit per metre.
void inizia_piano(TabellaLinea& t);

// Computes the points from indice while indice is not greater than fino,
// straight when k is 0; indice is left at the next point to compute. Returns
// false as soon as indice passes kUltimoMetroPiano.
bool estendi_piano(TabellaLinea& t, std::int32_t& indice, std::int32_t fino, double k);

}  // namespace progetto1
