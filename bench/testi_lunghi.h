// The longest line of the benchmarks and a short train on it, as the texts
// that the package's writers would write; shared by the benchmark of the
// finishing stage and by the program that writes them for the whole-process
// comparison (bench/confronto.sh).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenario/scrittori/scrittore_testi.h"
#include "tests/prova/testi.h"

namespace progetto1 {

struct Testi {
  std::string linea;
  std::string treno;
};

// A line of 993000 m with a few curves and gradients, and a short train on it
// with signals every 10 km and one slow-down at 30 km/h.
inline Testi testi_lunghi() {
  std::vector<std::string> linea =
      prova::generale(993000, {"0,    100800,    1", "500000,    600000,    0", "0,    0,    0"});
  const char* curve[] = {"curvad4", "curvas3", "curvad5", "curvas2"};
  for (int i = 0; i < 40; ++i) {
    linea.push_back(std::string(curve[i % 4]) + ",  " + std::to_string(10000 + i * 24000) + ",  " +
                    std::to_string(400 + (i % 5) * 300));
  }
  linea.push_back("[pendenze]");
  for (int i = 0; i < 40; ++i) {
    linea.push_back("pendenza,  " + std::to_string(i * 24000) + ",  " + std::to_string(i % 9 - 4));
  }
  linea.push_back("[fine]");

  std::vector<std::string> treno = {
      "[generale]",
      "numero vetture,    10",
      "percentuale massa frenata,    120",
      "sabbia,    300",
      "orologio,    8  0  0 ",
      "[aderenze]",
      "aderenza,       0,    70",
      "[vel_limite]",
      "velocita,   0,    100",
      "[stazioni]",
      "[rallentamenti]",
      "rallentamento,   500000,    30,  3000, 0,  1,  0",
      "[segnali]",
  };
  for (int km = 10; km < 990; km += 10) {
    treno.push_back("segnale,  " + std::to_string(km * 1000 + 50) +
                    ",   2, 4, 1,  0, 0,    0,  0,0,0, 0");
  }
  treno.push_back("[codici]");
  treno.push_back("[fine]");

  std::int32_t contatore = 0;
  return {componi_testo(linea, contatore), componi_testo(treno, contatore)};
}

}  // namespace progetto1
