// A platform for tests: a folder of the test's choosing, no window, and
// messages recorded instead of shown.
#pragma once

#include <string>
#include <vector>

#include "app/piattaforma.h"

namespace progetto1 {

class PiattaformaFinta : public Piattaforma {
 public:
  explicit PiattaformaFinta(std::filesystem::path cartella = ".",
                            std::filesystem::path file = "Progetto1")
      : cartella_(std::move(cartella)), file_(std::move(file)) {}

  std::filesystem::path file_programma() override { return file_; }
  std::filesystem::path cartella_programma() override {
    ++richieste_cartella;
    return cartella_;
  }
  std::filesystem::path unisci(const std::filesystem::path& cartella,
                               const std::string& nome) override {
    return cartella / nome;
  }
  void mostra_attesa() override { eventi.push_back("attesa"); }
  void messaggio(const std::string& testo, const std::string& titolo) override {
    eventi.push_back("messaggio[" + titolo + "]" + testo);
  }

  std::vector<std::string> eventi;
  int richieste_cartella = 0;

 private:
  std::filesystem::path cartella_;
  std::filesystem::path file_;
};

}  // namespace progetto1
