// The program's folder as the core sees it: named files that can be tested,
// read, replaced and deleted. The package backs it with the real folder; the
// scenario tool and the tests back it with memory, so that the compiler never
// touches an author's own files.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/contenuto.h"

namespace progetto1 {

class Archivio {
 public:
  virtual ~Archivio() = default;

  virtual bool esiste(const std::string& nome) = 0;
  // The whole file as bytes; a missing or unreadable file is a Guasto.
  virtual std::string leggi(const std::string& nome) = 0;
  // Replaces the file by exactly these bytes; after a failure (a Guasto)
  // the file is as it was.
  virtual void sostituisci(const std::string& nome, std::string_view byte) = 0;
  // Replaces several files together: after a failure every one of them is
  // as it was, so that a set of files that belong together is never mixed.
  virtual void sostituisci_tutti(const std::vector<std::pair<std::string, Contenuto>>& file) = 0;
  // Deletes the file; nothing happens when it does not exist.
  virtual void elimina(const std::string& nome) = 0;
};

}  // namespace progetto1
