#include "tools/scrittura.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

std::string citato(const fs::path& p) {
  std::string s = p.string();
  s.insert(s.begin(), '"');
  s += '"';
  return s;
}

std::string motivo() {
  const int e = errno;
  return e != 0 ? std::generic_category().message(e) : "errore di scrittura";
}

fs::path nome_provvisorio(const fs::path& destinazione) {
  static std::mt19937_64 generatore{std::random_device{}()};
  char suffisso[17];
  std::snprintf(suffisso, sizeof suffisso, "%016llx",
                static_cast<unsigned long long>(generatore()));
  std::string nome = destinazione.filename().string();
  nome.insert(nome.begin(), '.');
  nome += '.';
  nome += suffisso;
  nome += ".tmp";
  return destinazione.parent_path() / nome;
}

void scrivi_provvisorio(const fs::path& provvisorio, const std::string& byte) {
  errno = 0;
  std::ofstream f(provvisorio, std::ios::binary | std::ios::trunc);
  if (!f) throw ErroreFile("impossibile creare " + citato(provvisorio) + ": " + motivo());
  f.write(byte.data(), static_cast<std::streamsize>(byte.size()));
  f.close();
  if (!f) throw ErroreFile("impossibile scrivere " + citato(provvisorio) + ": " + motivo());
}

void elimina_provvisori(const std::vector<fs::path>& provvisori) {
  for (const fs::path& p : provvisori) {
    std::error_code ec;
    fs::remove(p, ec);
  }
}

}  // namespace

void scrivi_in_cartella(const fs::path& cartella, const std::vector<FileUscita>& file,
                        const std::vector<fs::path>& intoccabili) {
  std::error_code ec;
  if (!fs::exists(fs::status(cartella, ec))) {
    fs::create_directories(cartella, ec);
    if (ec) {
      throw ErroreFile("impossibile creare la cartella di uscita " + citato(cartella));
    }
  }
  if (!fs::is_directory(fs::status(cartella, ec))) {
    throw ErroreFile(citato(cartella) + " non è una cartella");
  }

  std::vector<fs::path> destinazioni;
  for (const FileUscita& f : file) {
    const fs::path d = cartella / f.first;
    const fs::file_status s = fs::symlink_status(d, ec);
    if (fs::exists(s) && !fs::is_regular_file(s)) {
      throw ErroreFile(citato(d) + " esiste e non è un file: non viene sostituito");
    }
    for (const fs::path& i : intoccabili) {
      if (fs::exists(s) && fs::equivalent(d, i, ec)) {
        throw ErroreFile(citato(d) + " è un file d'ingresso: il comando non lo sovrascrive");
      }
    }
    destinazioni.push_back(d);
  }

  // All new files complete beside the old ones before the first rename.
  std::vector<fs::path> provvisori;
  try {
    for (std::size_t i = 0; i < file.size(); ++i) {
      provvisori.push_back(nome_provvisorio(destinazioni[i]));
      scrivi_provvisorio(provvisori.back(), file[i].second);
    }
  } catch (...) {
    elimina_provvisori(provvisori);
    throw;
  }
  for (std::size_t i = 0; i < file.size(); ++i) {
    fs::rename(provvisori[i], destinazioni[i], ec);
    if (ec) {
      elimina_provvisori(std::vector<fs::path>(provvisori.begin() + static_cast<std::ptrdiff_t>(i),
                                               provvisori.end()));
      throw ErroreFile("impossibile sostituire " + citato(destinazioni[i]) + ": " + ec.message());
    }
  }
}

std::string leggi_file(const fs::path& percorso, const std::string& cosa) {
  std::error_code ec;
  if (fs::is_directory(percorso, ec)) {
    throw ErroreFile("impossibile leggere " + cosa + " " + citato(percorso) + ": è una cartella");
  }
  errno = 0;
  std::ifstream f(percorso, std::ios::binary);
  if (!f)
    throw ErroreFile("impossibile leggere " + cosa + " " + citato(percorso) + ": " + motivo());
  std::string byte{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  if (f.bad()) {
    throw ErroreFile("impossibile leggere " + cosa + " " + citato(percorso) + ": " + motivo());
  }
  return byte;
}

}  // namespace progetto1::strumento
