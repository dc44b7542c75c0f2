// Small description texts and the helpers that build them, shared by the
// tests of the readers, of the tool and by the benchmarks.
#pragma once

#include <string>
#include <vector>

namespace progetto1::prova {

using Righe = std::vector<std::string>;

inline std::string unisci(const Righe& righe, const std::string& a_capo = "\r\n") {
  std::string testo;
  for (const std::string& r : righe) testo += r + a_capo;
  return testo;
}

inline Righe piu(Righe a, const Righe& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The three values of each chainage line ("progressiva chilometrica").
struct Progressive {
  const char* uno;
  const char* due;
  const char* tre;
};
// Two ranges, as on the embedded line.
inline constexpr Progressive kDueTratte = {"0,    100800,    1", "100800,    190300,    1",
                                           "0,    0,    0"};
inline constexpr Progressive kSenzaProgressive = {"0,    0,    0", "0,    0,    0",
                                                  "0,    0,    0"};

// A general section for a line of `lunghezza` metres, the heading of the
// next section included: ten lines.
inline Righe generale(long lunghezza = 10000, const Progressive& progressive = kDueTratte) {
  return {
      "[generale]",
      "lunghezza percorso,    " + std::to_string(lunghezza),
      std::string("progressiva chilometrica uno,    ") + progressive.uno,
      std::string("progressiva chilometrica due,    ") + progressive.due,
      std::string("progressiva chilometrica tre,    ") + progressive.tre,
      "sfondo uno,    1",
      "sfondo due,    0",
      "sfondo tre,    0",
      "ripetizione segnali 4 codici,    0    ,0",
      "[curve]",
  };
}

inline Righe treno_minimo() { return {"[generale]", "numero vetture,    14", "[fine]"}; }

}  // namespace progetto1::prova
