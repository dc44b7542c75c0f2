// An archive held in memory: the scenario tool compiles an author's texts in
// one, the fuzz target and the tests use it to run the package without disk.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "model/archivio.h"
#include "model/guasto.h"

namespace progetto1 {

class ArchivioMemoria : public Archivio {
 public:
  bool esiste(const std::string& nome) override { return file.count(nome) != 0; }
  std::string leggi(const std::string& nome) override {
    auto it = file.find(nome);
    if (it == file.end()) throw Guasto::file_non_trovato(nome);
    return it->second;
  }
  void sostituisci(const std::string& nome, std::string_view byte) override {
    file[nome] = std::string(byte);
  }
  void sostituisci_tutti(const std::vector<std::pair<std::string, Contenuto>>& nuovi) override {
    for (const auto& [nome, contenuto] : nuovi) sostituisci(nome, contenuto.tutto());
  }
  void elimina(const std::string& nome) override { file.erase(nome); }

  std::map<std::string, std::string> file;
};

}  // namespace progetto1
