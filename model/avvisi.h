// The one visible report of the finishing stage. The package shows it in a
// message box and ends; the scenario tool turns it into an exit status.
#pragma once

#include <string>

namespace progetto1 {

class Avvisi {
 public:
  virtual ~Avvisi() = default;
  // Reports error a (its decimal text, "1250") and ends the program: an
  // implementation must not return, it ends the process or throws.
  [[noreturn]] virtual void errore(const std::string& a) = 0;
};

// The text of the message: " Errore n. " followed by the code.
inline std::string testo_errore(const std::string& a) { return " Errore n. " + a; }

}  // namespace progetto1
