// Replacing files so that none is ever seen half-written: each new file is
// written in full under a temporary name beside its final name, closed with
// every write and the close checked, and only then renamed over the old one.
// Used by the package for its texts and its binary files and by the
// scenario tool for everything it writes.
#pragma once

#include <filesystem>
#include <vector>

#include "app/file_sistema.h"
#include "model/contenuto.h"

namespace progetto1 {

struct FileNuovo {
  std::filesystem::path percorso;
  Contenuto byte;
  bool eseguibile = false;  // a program: runnable as soon as it is in place
};

// Replaces every file or none: the renames start only once all the new
// files are complete. The largest file is renamed last, so that its old
// version never has to be held in memory. A failure removes the temporary files and puts back
// what a rename had already replaced, then throws its GuastoFile.
void sostituisci_file(SistemaFile& sistema, const std::vector<FileNuovo>& file);

// The temporary name of a file: ".NAME.<16 hex digits>.tmp" in its folder.
std::filesystem::path nome_provvisorio(const std::filesystem::path& destinazione);

}  // namespace progetto1
