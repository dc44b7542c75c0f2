#pragma once

#include <windows.h>

#include "app/piattaforma.h"

namespace progetto1 {

class PiattaformaWin32 : public Piattaforma {
 public:
  ~PiattaformaWin32() override;

  std::filesystem::path file_programma() override;
  std::filesystem::path cartella_programma() override;
  std::filesystem::path unisci(const std::filesystem::path& cartella,
                               const std::string& nome) override;
  void mostra_attesa() override;
  void messaggio(const std::string& testo, const std::string& titolo) override;

  // The wait window Form1 and its label Label1 once shown.
  HWND finestra() const { return form1_; }
  HWND etichetta() const { return label1_; }
  HFONT carattere() const { return carattere_; }

 private:
  HWND form1_ = nullptr;
  HWND label1_ = nullptr;
  HFONT carattere_ = nullptr;
};

}  // namespace progetto1
