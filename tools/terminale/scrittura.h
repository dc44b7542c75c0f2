// Writing the tool's results into an author's folder without ever leaving a
// half-written file where a good one stood: every file is first written
// beside its final name, and only when all of them are complete are they
// renamed over the old ones.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/file_sistema.h"
#include "tools/motore/compilazione.h"

namespace progetto1::strumento {

// A folder or file that cannot be read or written; the message is for people.
class ErroreFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes every file (name relative to `cartella`, bytes) or none. The folder
// must exist: it is not created. A target that is one of `intoccabili` (the
// author's inputs) or is not a regular file is refused before anything is
// written.
// A file that cannot be written is reported with the package's number and
// description of the failure.
void scrivi_in_cartella(const std::filesystem::path& cartella, const std::vector<FileUscita>& file,
                        const std::vector<std::filesystem::path>& intoccabili = {},
                        SistemaFile& sistema = sistema_file());
// The same for files whose bytes may be produced as they are written;
// with `eseguibili` the files are programs, runnable once in place.
void scrivi_contenuti_in_cartella(const std::filesystem::path& cartella, const FileProdotti& file,
                                  const std::vector<std::filesystem::path>& intoccabili,
                                  SistemaFile& sistema, bool eseguibili = false);

// The whole file as bytes; ErroreFile when it cannot be read.
std::string leggi_file(const std::filesystem::path& percorso, const std::string& cosa);

}  // namespace progetto1::strumento
