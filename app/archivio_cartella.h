// The program's own folder as the package's archive: every name is joined to
// the folder, fetched afresh for each operation.
#pragma once

#include "app/piattaforma.h"
#include "model/archivio.h"

namespace progetto1 {

class ArchivioCartella : public Archivio {
 public:
  explicit ArchivioCartella(Piattaforma& piattaforma) : piattaforma_(piattaforma) {}

  bool esiste(const std::string& nome) override;
  std::string leggi(const std::string& nome) override;
  void sostituisci(const std::string& nome, std::string_view byte) override;
  void elimina(const std::string& nome) override;

 private:
  std::string percorso(const std::string& nome);
  Piattaforma& piattaforma_;
};

}  // namespace progetto1
