// The program's own folder as the package's archive: every name is joined to
// the folder, fetched afresh for each operation, and every file is replaced
// through a temporary file beside it.
#pragma once

#include <filesystem>

#include "app/file_sistema.h"
#include "app/piattaforma.h"
#include "model/archivio.h"

namespace progetto1 {

class ArchivioCartella : public Archivio {
 public:
  explicit ArchivioCartella(Piattaforma& piattaforma, SistemaFile& sistema = sistema_file())
      : piattaforma_(piattaforma), sistema_(sistema) {}

  bool esiste(const std::string& nome) override;
  std::string leggi(const std::string& nome) override;
  void sostituisci(const std::string& nome, std::string_view byte) override;
  void sostituisci_tutti(const std::vector<std::pair<std::string, Contenuto>>& file) override;
  void elimina(const std::string& nome) override;

 private:
  std::filesystem::path percorso(const std::string& nome);
  Piattaforma& piattaforma_;
  SistemaFile& sistema_;
};

}  // namespace progetto1
