// A place in one of the two description texts, as the readers name it to a
// check and in the trace. It sits below the rest of the compiler, so that
// what speaks of places need not know the readers.
#pragma once

namespace progetto1 {

struct Luogo {
  // kNessuno for what works on cells (the signal-code pass, the finishing
  // stage) rather than on a text.
  enum class Testo { kNessuno, kLinea, kTreno };
  Testo testo = Testo::kNessuno;
  long riga = 0;     // 1-based; 0 when there is no line to name
  long colonna = 0;  // 1-based, in bytes; 0 when there is no field to name
};

}  // namespace progetto1
