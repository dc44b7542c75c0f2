#pragma once

#include <memory>

#include "app/piattaforma.h"

class Fl_Window;
class Fl_Box;

namespace progetto1 {

class PiattaformaLinux : public Piattaforma {
 public:
  PiattaformaLinux();
  ~PiattaformaLinux() override;

  std::filesystem::path file_programma() override;
  std::filesystem::path cartella_programma() override;
  std::filesystem::path unisci(const std::filesystem::path& cartella,
                               const std::string& nome) override;
  void mostra_attesa() override;
  void messaggio(const std::string& testo, const std::string& titolo) override;

  bool ha_display() const { return display_; }
  // The wait window and its label once shown; null without a display.
  Fl_Window* finestra() const { return finestra_.get(); }
  Fl_Box* etichetta() const { return etichetta_; }
  // Whether mostra_attesa saw the wait window drawn before it returned.
  bool attesa_disegnata() const { return attesa_disegnata_; }

 private:
  bool display_;
  bool attesa_disegnata_ = false;  // set by the window's draw()
  std::unique_ptr<Fl_Window> finestra_;
  Fl_Box* etichetta_ = nullptr;  // owned by finestra_
};

}  // namespace progetto1
