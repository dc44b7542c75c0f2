#include "app/sostituzione.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace progetto1 {

namespace fs = std::filesystem;

namespace {

struct ScritturaFallita {};

void scrivi_provvisorio(SistemaFile& sistema, const fs::path& provvisorio, const FileNuovo& nuovo,
                        std::vector<fs::path>& creati) {
  const Contenuto& contenuto = nuovo.byte;
  std::FILE* f = nullptr;
  if (const std::error_code ec = sistema.crea(provvisorio, f)) {
    throw GuastoFile(Operazione::kCrea, provvisorio, ec);
  }
  creati.push_back(provvisorio);
  std::error_code scrittura;
  try {
    contenuto.scrivi([&](std::string_view pezzo) {
      scrittura = sistema.scrivi(f, pezzo);
      if (scrittura) throw ScritturaFallita{};
    });
  } catch (const ScritturaFallita&) {
  } catch (...) {
    sistema.chiudi(f);
    throw;
  }
  const std::error_code chiusura = sistema.chiudi(f);
  if (scrittura) throw GuastoFile(Operazione::kScrivi, provvisorio, scrittura);
  if (chiusura) throw GuastoFile(Operazione::kChiudi, provvisorio, chiusura);
  if (nuovo.eseguibile) {
    if (const std::error_code ec = sistema.rendi_eseguibile(provvisorio)) {
      throw GuastoFile(Operazione::kCrea, provvisorio, ec);
    }
  }
}

// Cleaning up after a failure: the failure already being reported counts,
// not a second one on the way out.
void elimina_provvisori(SistemaFile& sistema, const std::vector<fs::path>& provvisori,
                        std::size_t da = 0) {
  for (std::size_t i = da; i < provvisori.size(); ++i) sistema.elimina(provvisori[i]);
}

void rimetti(SistemaFile& sistema, const fs::path& destinazione,
             const std::optional<std::string>& vecchio) {
  if (!vecchio) {
    sistema.elimina(destinazione);
    return;
  }
  try {
    sostituisci_file(sistema, {{destinazione, *vecchio}});
  } catch (const GuastoFile&) {
    // The new file stays: complete, if not of the earlier run.
  }
}

}  // namespace

fs::path nome_provvisorio(const fs::path& destinazione) {
  static std::mt19937_64 generatore{std::random_device{}()};
  char suffisso[24];
  std::snprintf(suffisso, sizeof suffisso, ".%016llx.tmp",
                static_cast<unsigned long long>(generatore()));
  fs::path nome(".");
  nome += destinazione.filename();
  nome += suffisso;
  return destinazione.parent_path() / nome;
}

void sostituisci_file(SistemaFile& sistema, const std::vector<FileNuovo>& dati) {
  // Written in the given order; renamed in it too, but for the largest.
  std::vector<FileNuovo> file = dati;
  std::size_t grande = 0;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i].byte.dimensione() >= file[grande].byte.dimensione()) grande = i;
  }
  std::vector<fs::path> provvisori;
  // A rename replaces an old file for good: the old files that a later
  // failed rename would leave beside new ones are kept in memory, to be put
  // back. The last file needs no copy: nothing can fail after its rename.
  std::vector<std::optional<std::string>> vecchi;
  try {
    for (const FileNuovo& f : file) {
      scrivi_provvisorio(sistema, nome_provvisorio(f.percorso), f, provvisori);
    }
    if (!file.empty()) {
      std::rotate(file.begin() + static_cast<std::ptrdiff_t>(grande),
                  file.begin() + static_cast<std::ptrdiff_t>(grande) + 1, file.end());
      std::rotate(provvisori.begin() + static_cast<std::ptrdiff_t>(grande),
                  provvisori.begin() + static_cast<std::ptrdiff_t>(grande) + 1, provvisori.end());
    }
    for (std::size_t i = 0; i + 1 < file.size(); ++i) {
      std::optional<std::string>& vecchio = vecchi.emplace_back();
      if (!sistema.esiste(file[i].percorso)) continue;
      vecchio.emplace();
      if (const std::error_code ec = sistema.leggi(file[i].percorso, *vecchio)) {
        throw GuastoFile(Operazione::kLeggi, file[i].percorso, ec);
      }
    }
  } catch (...) {
    elimina_provvisori(sistema, provvisori);
    throw;
  }
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (const std::error_code ec = sistema.rinomina(provvisori[i], file[i].percorso)) {
      elimina_provvisori(sistema, provvisori, i);
      for (std::size_t j = 0; j < i; ++j) rimetti(sistema, file[j].percorso, vecchi[j]);
      throw GuastoFile(Operazione::kRinomina, file[i].percorso, ec);
    }
  }
}

}  // namespace progetto1
