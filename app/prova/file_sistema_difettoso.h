// A SistemaFile for tests: every operation goes to the real one, except the
// k-th, which fails as a full disk, a locked file or a failing device would.
// Run once without a failure, it counts the operations of a run, so that a
// test can make each one fail in turn.
#pragma once

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/file_sistema.h"

namespace progetto1 {

class SistemaFileDifettoso : public SistemaFile {
 public:
  struct Voce {
    Operazione operazione;
    std::filesystem::path percorso;
  };

  // guasta: the number, from 1, of the operation that fails; 0 for none.
  explicit SistemaFileDifettoso(std::size_t guasta = 0, SistemaFile& vero = sistema_file())
      : guasta_(guasta), vero_(vero) {}

  // The cause each kind of operation fails with, and the number under which
  // the package reports it.
  static std::error_code causa(Operazione o) {
    switch (o) {
      case Operazione::kScrivi:
      case Operazione::kChiudi:
        return std::make_error_code(std::errc::no_space_on_device);
      case Operazione::kLeggi:
        return std::make_error_code(std::errc::io_error);
      default:
        return std::make_error_code(std::errc::permission_denied);
    }
  }
  static long numero(Operazione o) {
    switch (o) {
      case Operazione::kScrivi:
      case Operazione::kChiudi:
        return 61;
      case Operazione::kLeggi:
        return 57;
      default:
        return 75;
    }
  }

  std::error_code crea(const std::filesystem::path& percorso, std::FILE*& f) override {
    if (guasto(Operazione::kCrea, percorso)) return causa(Operazione::kCrea);
    const std::error_code ec = vero_.crea(percorso, f);
    if (!ec) aperti_[f] = {percorso, {}};
    return ec;
  }
  std::error_code scrivi(std::FILE* f, std::string_view byte) override {
    if (guasto(Operazione::kScrivi, aperti_[f].percorso)) return causa(Operazione::kScrivi);
    const std::error_code ec = vero_.scrivi(f, byte);
    if (!ec) aperti_[f].byte += byte;
    return ec;
  }
  std::error_code chiudi(std::FILE* f) override {
    const Aperto a = aperti_[f];
    aperti_.erase(f);
    const bool fallisce = guasto(Operazione::kChiudi, a.percorso);
    const std::error_code ec = vero_.chiudi(f);
    if (fallisce) return causa(Operazione::kChiudi);
    if (!ec) completi_[a.percorso] = a.byte;
    return ec;
  }
  std::error_code rinomina(const std::filesystem::path& da,
                           const std::filesystem::path& a) override {
    if (guasto(Operazione::kRinomina, a)) return causa(Operazione::kRinomina);
    const std::error_code ec = vero_.rinomina(da, a);
    if (!ec) sostituiti[a.filename().string()].insert(completi_[da]);
    return ec;
  }
  std::error_code elimina(const std::filesystem::path& percorso) override {
    if (guasto(Operazione::kElimina, percorso)) return causa(Operazione::kElimina);
    return vero_.elimina(percorso);
  }
  std::error_code leggi(const std::filesystem::path& percorso, std::string& byte) override {
    if (guasto(Operazione::kLeggi, percorso)) return causa(Operazione::kLeggi);
    return vero_.leggi(percorso, byte);
  }
  std::error_code leggi_coda(const std::filesystem::path& percorso, std::size_t n,
                             std::string& byte) override {
    if (guasto(Operazione::kLeggi, percorso)) return causa(Operazione::kLeggi);
    return vero_.leggi_coda(percorso, n, byte);
  }
  std::error_code leggi_parte(const std::filesystem::path& percorso, std::uint64_t da,
                              std::size_t n, std::string& byte) override {
    if (guasto(Operazione::kLeggi, percorso)) return causa(Operazione::kLeggi);
    return vero_.leggi_parte(percorso, da, n, byte);
  }
  bool esiste(const std::filesystem::path& percorso) override { return vero_.esiste(percorso); }
  std::error_code rendi_eseguibile(const std::filesystem::path& percorso) override {
    if (guasto(Operazione::kCrea, percorso)) return causa(Operazione::kCrea);
    return vero_.rendi_eseguibile(percorso);
  }

  // Every operation attempted, in order.
  std::vector<Voce> registro;
  // For each file name, every content that was renamed onto it: whole files
  // as they were written and closed.
  std::map<std::string, std::set<std::string>> sostituiti;

 private:
  struct Aperto {
    std::filesystem::path percorso;
    std::string byte;
  };

  bool guasto(Operazione o, const std::filesystem::path& percorso) {
    registro.push_back({o, percorso});
    return registro.size() == guasta_;
  }

  std::size_t guasta_;
  SistemaFile& vero_;
  std::map<std::FILE*, Aperto> aperti_;
  std::map<std::filesystem::path, std::string> completi_;
};

// A folder's regular files, name and bytes.
using Cartella = std::map<std::string, std::string>;

inline Cartella leggi_cartella(const std::filesystem::path& cartella) {
  Cartella c;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    if (!voce.is_regular_file()) continue;
    std::string byte;
    sistema_file().leggi(voce.path(), byte);
    c[voce.path().filename().string()] = byte;
  }
  return c;
}

// What a failed run left in a folder, against the folder before it and the
// files a complete run wrote (`completa`, from the SistemaFileDifettoso of
// that run) and left (`dopo`). Every file must be as it was before the run,
// or as the complete run wrote or left it; no temporary file may remain; the
// files of `insieme` must be all as before or all as after the complete run.
// Returns the faults found, one per line; empty when there are none.
inline std::string difetti_cartella(const Cartella& ora, const Cartella& prima,
                                    const Cartella& dopo,
                                    const std::map<std::string, std::set<std::string>>& completa,
                                    const std::vector<std::string>& insieme) {
  std::string difetti;
  std::set<std::string> nomi;
  for (const Cartella* c : {&ora, &prima, &dopo}) {
    for (const auto& [nome, byte] : *c) nomi.insert(nome);
  }
  auto stato = [](const Cartella& c, const std::string& nome) {
    auto it = c.find(nome);
    return it == c.end() ? std::string("<assente>") : it->second;
  };
  for (const std::string& nome : nomi) {
    if (nome.starts_with(".") && nome.ends_with(".tmp") && ora.count(nome) != 0) {
      difetti += "file provvisorio rimasto: " + nome + "\n";
      continue;
    }
    const std::string s = stato(ora, nome);
    auto it = completa.find(nome);
    const bool scritto = it != completa.end() && it->second.count(s) != 0;
    if (s != stato(prima, nome) && s != stato(dopo, nome) && !scritto) {
      difetti += nome + ": né com'era né come lo scrive una corsa completa (" +
                 std::to_string(s.size()) + " byte)\n";
    }
  }
  bool tutti_prima = true, tutti_dopo = true;
  for (const std::string& nome : insieme) {
    tutti_prima = tutti_prima && stato(ora, nome) == stato(prima, nome);
    tutti_dopo = tutti_dopo && stato(ora, nome) == stato(dopo, nome);
  }
  if (!tutti_prima && !tutti_dopo) difetti += "file dello stesso insieme di corse diverse\n";
  return difetti;
}

}  // namespace progetto1
