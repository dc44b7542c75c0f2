#include "tools/terminale/scrittura.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "app/sostituzione.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

std::string citato(const fs::path& p) {
  std::string s = testo(p);
  s.insert(s.begin(), '"');
  s += '"';
  return s;
}

// What the system said, in Italian for the causes an author meets; the
// system's own words for the others.
std::string spiega(const std::error_code& ec) {
  using E = std::errc;
  const std::error_condition c = ec.default_error_condition();
  struct Voce {
    E errore;
    const char* frase;
  };
  static constexpr Voce kVoci[] = {
      {E::no_such_file_or_directory, "il file o la cartella non esiste"},
      {E::permission_denied, "permesso negato"},
      {E::operation_not_permitted, "operazione non permessa"},
      {E::is_a_directory, "è una cartella"},
      {E::not_a_directory, "una parte del percorso non è una cartella"},
      {E::no_space_on_device, "il disco è pieno"},
      {E::read_only_file_system, "il disco è in sola lettura"},
      {E::filename_too_long, "il nome del file è troppo lungo"},
      {E::too_many_files_open, "troppi file aperti"},
      {E::device_or_resource_busy, "il file è in uso"},
      {E::file_exists, "il file esiste già"},
      {E::io_error, "errore di lettura o scrittura del disco"},
      {E::invalid_argument, "nome di file non valido"},
  };
  for (const Voce& v : kVoci) {
    if (c == v.errore) return v.frase;
  }
  return ec.message();
}

std::string motivo() {
  const int e = errno;
  return e != 0 ? spiega(std::error_code(e, std::generic_category())) : "errore di scrittura";
}

const char* verbo(Operazione o) {
  switch (o) {
    case Operazione::kCrea:
      return "creare";
    case Operazione::kRinomina:
      return "sostituire";
    case Operazione::kLeggi:
      return "leggere";
    case Operazione::kElimina:
      return "eliminare";
    default:
      return "scrivere";
  }
}

}  // namespace

void scrivi_in_cartella(const fs::path& cartella, const std::vector<FileUscita>& file,
                        const std::vector<fs::path>& intoccabili, SistemaFile& sistema) {
  FileProdotti contenuti;
  for (const FileUscita& f : file) contenuti.emplace_back(f.first, f.second);
  scrivi_contenuti_in_cartella(cartella, contenuti, intoccabili, sistema);
}

void scrivi_contenuti_in_cartella(const fs::path& cartella, const FileProdotti& file,
                                  const std::vector<fs::path>& intoccabili, SistemaFile& sistema,
                                  bool eseguibili) {
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
  for (const auto& f : file) {
    const fs::path d = cartella / percorso(f.first);
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

  std::vector<FileNuovo> nuovi;
  for (std::size_t i = 0; i < file.size(); ++i)
    nuovi.push_back({destinazioni[i], file[i].second, eseguibili});
  try {
    sostituisci_file(sistema, nuovi);
  } catch (const GuastoFile& g) {
    throw ErroreFile("impossibile " + std::string(verbo(g.operazione())) + " " +
                     citato(g.percorso()) + ": " + spiega(g.causa()) + " (errore " +
                     std::to_string(g.numero()) + ": " + g.genere() + ")");
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
  // In one read as far as the size goes (a text may run to 100 MB), then
  // on to the end whatever the size said.
  std::string byte;
  const std::uintmax_t dimensione = fs::file_size(percorso, ec);
  if (!ec && dimensione > 0) {
    byte.resize(static_cast<std::size_t>(dimensione));
    f.read(byte.data(), static_cast<std::streamsize>(byte.size()));
    byte.resize(static_cast<std::size_t>(f.gcount()));
  }
  char blocco[65536];
  while (f.read(blocco, sizeof blocco), f.gcount() > 0) {
    byte.append(blocco, static_cast<std::size_t>(f.gcount()));
  }
  if (f.bad()) {
    throw ErroreFile("impossibile leggere " + cosa + " " + citato(percorso) + ": " + motivo());
  }
  return byte;
}

}  // namespace progetto1::strumento
