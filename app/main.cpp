// Progetto1: started without arguments, it writes the scenario into its own
// folder and ends.
#include "app/archivio_cartella.h"
#include "app/piattaforma.h"
#include "app/sequenza.h"

int main() {
  auto piattaforma = progetto1::crea_piattaforma();
  progetto1::ArchivioCartella archivio(*piattaforma);
  return progetto1::avvia(*piattaforma, archivio, progetto1::sistema_file());
}
