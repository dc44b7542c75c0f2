// The one visible report of the finishing stage. The package shows it in a
// message box and ends; the scenario tool turns it into an exit status.
#pragma once

#include <string>

#include "model/codici_errore.h"

namespace progetto1 {

class Avvisi {
 public:
  virtual ~Avvisi() = default;
  // Reports error a and ends the program: an implementation must not
  // return, it ends the process or throws.
  [[noreturn]] virtual void errore(CodiceErrore a) = 0;
};

// The text of the message: " Errore n. " followed by the code.
inline std::string testo_errore(CodiceErrore a) { return " Errore n. " + testo_codice(a); }

}  // namespace progetto1
