// The load handler of the wait window: the whole run of the package.
#pragma once

#include <string>

#include "app/piattaforma.h"
#include "model/archivio.h"
#include "model/avvisi.h"
#include "model/guasto.h"

namespace progetto1 {

// Exit statuses of the package.
inline constexpr int kUscitaNormale = 0;
inline constexpr int kUscitaErrore = 1;  // after errore
inline constexpr int kUscitaGuasto = 2;  // after the generic failure report

// Thrown by errore once its message box is closed; the load handler ends the
// program with its status, so that no later stage runs.
struct FineProgramma {
  int stato;
};

// errore of the package: the message box, then the end of the program.
class AvvisiFinestra : public Avvisi {
 public:
  explicit AvvisiFinestra(Piattaforma& piattaforma) : piattaforma_(piattaforma) {}
  [[noreturn]] void errore(CodiceErrore a) override;

 private:
  Piattaforma& piattaforma_;
};

// The generic failure report: the failure's number and description.
std::string testo_guasto(const Guasto& g);

// Sets the constants, shows the wait window, runs the five text writers and
// the finishing stage in their fixed order, and returns the exit status.
int carica(Piattaforma& piattaforma, Archivio& archivio);

}  // namespace progetto1
