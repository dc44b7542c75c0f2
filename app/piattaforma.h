// What the package needs from the system it runs on: its own folder, the wait
// window and the modal message box. One implementation per platform
// (piattaforma_win32.cpp, piattaforma_linux.cpp); nothing else in the package
// depends on the platform.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace progetto1 {

class Piattaforma {
 public:
  virtual ~Piattaforma() = default;

  // The running program's own file, and the folder that holds it, without a
  // trailing separator.
  virtual std::filesystem::path file_programma() = 0;
  virtual std::filesystem::path cartella_programma() = 0;
  // The full name of a file in a folder: the folder, the platform's
  // separator (a backslash on Windows), the name (Windows-1252).
  virtual std::filesystem::path unisci(const std::filesystem::path& cartella,
                                       const std::string& nome) = 0;
  // Shows the wait window Form1 with "Attendere", without modality, and
  // repaints it at once: no message loop runs while the package works.
  virtual void mostra_attesa() = 0;
  // A modal message box with one OK button and no icon; returns when closed.
  // Texts are Windows-1252.
  virtual void messaggio(const std::string& testo, const std::string& titolo) = 0;
};

// The implementation for the platform the program was built for.
std::unique_ptr<Piattaforma> crea_piattaforma();

// The wait window's description, shared by both implementations.
struct DescrizioneAttesa {
  static constexpr int kLarghezzaClient = 280;  // 4200 twips
  static constexpr int kAltezzaClient = 179;    // 2688 twips
  static constexpr int kEtichettaX = 64;        // 960 twips
  static constexpr int kEtichettaY = 64;
  static constexpr int kEtichettaLarghezza = 177;  // 2652 twips
  static constexpr int kEtichettaAltezza = 53;     // 792 twips
  static constexpr int kPuntiCarattere = 24;       // bold
  static constexpr const char* kTitolo = "Form1";
  static constexpr const char* kDidascalia = "Attendere";
  static constexpr const char* kCarattere = "MS Sans Serif";
};

inline constexpr const char* kTitoloApplicazione = "Progetto1";

}  // namespace progetto1
