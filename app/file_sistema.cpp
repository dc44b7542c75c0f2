#include "app/file_sistema.h"

#include <algorithm>
#include <cerrno>

#include "app/file_piattaforma.h"

namespace progetto1 {

namespace {

std::error_code da_errno(int predefinito) {
  return {errno != 0 ? errno : predefinito, std::generic_category()};
}

class SistemaFileReale : public SistemaFile {
 public:
  std::error_code crea(const std::filesystem::path& percorso, std::FILE*& f) override {
    errno = 0;
    f = file_piattaforma::apri(percorso, true);
    return f != nullptr ? std::error_code() : da_errno(EACCES);
  }
  std::error_code scrivi(std::FILE* f, std::string_view byte) override {
    errno = 0;
    if (std::fwrite(byte.data(), 1, byte.size(), f) != byte.size()) return da_errno(EIO);
    return {};
  }
  std::error_code chiudi(std::FILE* f) override {
    errno = 0;
    const bool errore_prima = std::ferror(f) != 0;
    if (std::fclose(f) != 0 || errore_prima) return da_errno(EIO);
    return {};
  }
  std::error_code rinomina(const std::filesystem::path& da,
                           const std::filesystem::path& a) override {
    return file_piattaforma::rinomina(da, a);
  }
  std::error_code elimina(const std::filesystem::path& percorso) override {
    return file_piattaforma::elimina(percorso);
  }
  std::error_code leggi(const std::filesystem::path& percorso, std::string& byte) override {
    errno = 0;
    std::FILE* f = file_piattaforma::apri(percorso, false);
    if (f == nullptr) return da_errno(ENOENT);
    byte.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) byte.append(buf, n);
    const std::error_code ec = std::ferror(f) != 0 ? da_errno(EIO) : std::error_code();
    std::fclose(f);
    return ec;
  }
  std::error_code leggi_coda(const std::filesystem::path& percorso, std::size_t n,
                             std::string& byte) override {
    errno = 0;
    std::FILE* f = file_piattaforma::apri(percorso, false);
    if (f == nullptr) return da_errno(ENOENT);
    std::error_code ec;
    long dimensione = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) dimensione = std::ftell(f);
    const long da = dimensione < 0 ? -1
                                   : dimensione - static_cast<long>(std::min<std::size_t>(
                                                      n, static_cast<std::size_t>(dimensione)));
    if (da < 0 || std::fseek(f, da, SEEK_SET) != 0) {
      ec = da_errno(EIO);
    } else {
      byte.resize(static_cast<std::size_t>(dimensione - da));
      if (std::fread(byte.data(), 1, byte.size(), f) != byte.size()) ec = da_errno(EIO);
    }
    std::fclose(f);
    return ec;
  }
  std::error_code leggi_parte(const std::filesystem::path& percorso, std::uint64_t da,
                              std::size_t n, std::string& byte) override {
    errno = 0;
    std::FILE* f = file_piattaforma::apri(percorso, false);
    if (f == nullptr) return da_errno(ENOENT);
    std::error_code ec;
    byte.clear();
    long dimensione = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) dimensione = std::ftell(f);
    if (dimensione < 0) {
      ec = da_errno(EIO);
    } else if (da < static_cast<std::uint64_t>(dimensione)) {
      byte.resize(static_cast<std::size_t>(
          std::min<std::uint64_t>(n, static_cast<std::uint64_t>(dimensione) - da)));
      if (std::fseek(f, static_cast<long>(da), SEEK_SET) != 0 ||
          std::fread(byte.data(), 1, byte.size(), f) != byte.size()) {
        ec = da_errno(EIO);
      }
    }
    std::fclose(f);
    return ec;
  }
  bool esiste(const std::filesystem::path& percorso) override {
    return file_piattaforma::esiste(percorso);
  }
  std::error_code rendi_eseguibile(const std::filesystem::path& percorso) override {
    return file_piattaforma::rendi_eseguibile(percorso);
  }
};

struct Classe {
  long numero;
  const char* genere;
};

Classe classifica(Operazione operazione, std::error_code causa) {
  if (causa == std::errc::no_space_on_device || causa == std::errc::file_too_large) {
    return {61, "Disco pieno"};
  }
  switch (operazione) {
    case Operazione::kLeggi:
      return causa == std::errc::no_such_file_or_directory
                 ? Classe{53, "File non trovato"}
                 : Classe{57, "Errore di I/O della periferica"};
    case Operazione::kScrivi:
    case Operazione::kChiudi:
      return {57, "Errore di I/O della periferica"};
    default:
      return {75, "Errore di accesso al percorso/file"};
  }
}

}  // namespace

SistemaFile& sistema_file() {
  static SistemaFileReale reale;
  return reale;
}

std::string testo_percorso(const std::filesystem::path& percorso) {
  return file_piattaforma::testo(percorso);
}

GuastoFile::GuastoFile(Operazione operazione, const std::filesystem::path& percorso,
                       std::error_code causa)
    : Guasto(classifica(operazione, causa).numero,
             std::string(classifica(operazione, causa).genere) + ": " + testo_percorso(percorso)),
      operazione_(operazione),
      percorso_(percorso),
      causa_(causa),
      genere_(classifica(operazione, causa).genere) {}

}  // namespace progetto1
