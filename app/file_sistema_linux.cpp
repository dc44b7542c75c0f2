// Linux: paths are bytes, passed to the system as they are, so any folder
// name works.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "app/file_piattaforma.h"
#include "model/cp1252.h"

namespace progetto1::file_piattaforma {

std::FILE* apri(const std::filesystem::path& percorso, bool scrittura) {
  return std::fopen(percorso.c_str(), scrittura ? "wb" : "rb");
}

std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a) {
  if (std::rename(da.c_str(), a.c_str()) != 0) return {errno, std::generic_category()};
  return {};
}

std::error_code elimina(const std::filesystem::path& percorso) {
  if (std::remove(percorso.c_str()) != 0) return {errno, std::generic_category()};
  return {};
}

bool esiste(const std::filesystem::path& percorso) {
  struct stat s;
  return ::stat(percorso.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

// Execute permission wherever read permission is, as chmod +x does under
// the usual umask.
std::error_code rendi_eseguibile(const std::filesystem::path& percorso) {
  struct stat s;
  if (::stat(percorso.c_str(), &s) != 0) return {errno, std::generic_category()};
  const mode_t modo = s.st_mode & 07777;
  if (::chmod(percorso.c_str(), modo | ((modo & 0444) >> 2)) != 0) {
    return {errno, std::generic_category()};
  }
  return {};
}

std::string testo(const std::filesystem::path& percorso) { return a_cp1252(percorso.native()); }

}  // namespace progetto1::file_piattaforma
