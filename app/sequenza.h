// The load handler of the wait window: the whole run of the package.
#pragma once

#include <string>

#include "app/file_sistema.h"
#include "app/piattaforma.h"
#include "model/archivio.h"
#include "model/avvisi.h"
#include "model/guasto.h"
#include "scenario/scrittori/testi.h"

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
int carica(Piattaforma& piattaforma, Archivio& archivio,
           const Scenario& scenario = scenario_incorporato());

// The whole package: the scenario appended to the program's own file, or
// the embedded one when there is none, run by carica. Appended data that is
// damaged or names files unsafely is refused with a message box and the
// failure status, before anything is written.
int avvia(Piattaforma& piattaforma, Archivio& archivio, SistemaFile& sistema);

}  // namespace progetto1
