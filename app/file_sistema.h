// Files named by full paths: created, written, closed, renamed, deleted and
// read. Every file the package and the scenario tool touch goes through one
// SistemaFile, so that a test can make any single operation fail. The real
// one has an implementation per platform (file_sistema_linux.cpp,
// file_sistema_win32.cpp); on Windows every path reaches the system as a
// wide, extended-length path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/guasto.h"

namespace progetto1 {

class SistemaFile {
 public:
  virtual ~SistemaFile() = default;

  // Each operation returns the cause of its failure, or an empty code.
  // crea: a new, empty file for writing (an existing one is emptied).
  virtual std::error_code crea(const std::filesystem::path& percorso, std::FILE*& f) = 0;
  virtual std::error_code scrivi(std::FILE* f, std::string_view byte) = 0;
  // Releases f whatever the outcome; a failure means bytes may be lost.
  virtual std::error_code chiudi(std::FILE* f) = 0;
  // Moves da over a, replacing a file of that name in one step.
  virtual std::error_code rinomina(const std::filesystem::path& da,
                                   const std::filesystem::path& a) = 0;
  virtual std::error_code elimina(const std::filesystem::path& percorso) = 0;
  virtual std::error_code leggi(const std::filesystem::path& percorso, std::string& byte) = 0;
  // The last n bytes of the file, or all of a shorter one.
  virtual std::error_code leggi_coda(const std::filesystem::path& percorso, std::size_t n,
                                     std::string& byte) {
    const std::error_code ec = leggi(percorso, byte);
    if (!ec && byte.size() > n) byte.erase(0, byte.size() - n);
    return ec;
  }
  // The n bytes from offset da, or as many as there are (none past the end).
  virtual std::error_code leggi_parte(const std::filesystem::path& percorso, std::uint64_t da,
                                      std::size_t n, std::string& byte) {
    const std::error_code ec = leggi(percorso, byte);
    if (ec) return ec;
    byte = da < byte.size() ? byte.substr(static_cast<std::size_t>(da), n) : std::string();
    return {};
  }
  // A regular file of that name exists.
  virtual bool esiste(const std::filesystem::path& percorso) = 0;
  // Lets everyone who may read the file also run it, where the system keeps
  // such a permission (POSIX); elsewhere nothing to do.
  virtual std::error_code rendi_eseguibile(const std::filesystem::path& percorso) = 0;
};

// The system's own files.
SistemaFile& sistema_file();

// A path as Windows-1252 text, for failure reports; what the code page
// cannot hold becomes "?".
std::string testo_percorso(const std::filesystem::path& percorso);

enum class Operazione { kCrea, kScrivi, kChiudi, kRinomina, kElimina, kLeggi };

// A file operation that failed, reported as the package reports run-time
// failures: 61 for a full disk, 53 for a file that cannot be read, 57 for
// other write failures, 75 for anything else.
class GuastoFile : public Guasto {
 public:
  GuastoFile(Operazione operazione, const std::filesystem::path& percorso, std::error_code causa);

  Operazione operazione() const { return operazione_; }
  const std::filesystem::path& percorso() const { return percorso_; }
  std::error_code causa() const { return causa_; }
  // The description without the path, as "Disco pieno".
  const std::string& genere() const { return genere_; }

 private:
  Operazione operazione_;
  std::filesystem::path percorso_;
  std::error_code causa_;
  std::string genere_;
};

}  // namespace progetto1
