// scenario: the tool for scenario authors (see `scenario --help`).
#include <string>
#include <vector>

#include "tools/comandi/comandi.h"
#include "tools/terminale/terminale.h"

int main(int argc, char** argv) {
  using namespace progetto1::strumento;
  const std::vector<std::string> argomenti = argomenti_programma(argc, argv);
  std::vector<const char*> puntatori;
  for (const std::string& a : argomenti) puntatori.push_back(a.c_str());
  const int stato =
      esegui_scenario(static_cast<int>(puntatori.size()), puntatori.data(), uscita_programma(),
                      errore_programma(), progetto1::sistema_file(), forma_luogo_predefinita());
  uscita_programma().flush();
  errore_programma().flush();
  return stato;
}
