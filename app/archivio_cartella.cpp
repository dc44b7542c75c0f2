#include "app/archivio_cartella.h"

#include "app/sostituzione.h"

namespace progetto1 {

std::filesystem::path ArchivioCartella::percorso(const std::string& nome) {
  return piattaforma_.unisci(piattaforma_.cartella_programma(), nome);
}

bool ArchivioCartella::esiste(const std::string& nome) { return sistema_.esiste(percorso(nome)); }

std::string ArchivioCartella::leggi(const std::string& nome) {
  const std::filesystem::path p = percorso(nome);
  std::string byte;
  if (const std::error_code ec = sistema_.leggi(p, byte))
    throw GuastoFile(Operazione::kLeggi, p, ec);
  return byte;
}

void ArchivioCartella::sostituisci(const std::string& nome, std::string_view byte) {
  sostituisci_file(sistema_, {{percorso(nome), byte}});
}

void ArchivioCartella::sostituisci_tutti(
    const std::vector<std::pair<std::string, Contenuto>>& file) {
  std::vector<FileNuovo> nuovi;
  for (const auto& [nome, contenuto] : file) nuovi.push_back({percorso(nome), contenuto});
  sostituisci_file(sistema_, nuovi);
}

void ArchivioCartella::elimina(const std::string& nome) {
  const std::filesystem::path p = percorso(nome);
  if (!sistema_.esiste(p)) return;
  if (const std::error_code ec = sistema_.elimina(p)) throw GuastoFile(Operazione::kElimina, p, ec);
}

}  // namespace progetto1
