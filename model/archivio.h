// The program's folder as the core sees it: named files that can be tested,
// read, replaced and deleted. The package backs it with the real folder; the
// scenario tool and the tests back it with memory, so that the compiler never
// touches an author's own files.
#pragma once

#include <string>
#include <string_view>

namespace progetto1 {

class Archivio {
 public:
  virtual ~Archivio() = default;

  virtual bool esiste(const std::string& nome) = 0;
  // The whole file as bytes; a missing or unreadable file is a Guasto.
  virtual std::string leggi(const std::string& nome) = 0;
  // Replaces the file: create it (or open the existing one) and close it,
  // delete it, create it anew and write the bytes, so that nothing of an
  // earlier, longer file survives. A failure at any step is a Guasto.
  virtual void sostituisci(const std::string& nome, std::string_view byte) = 0;
  // Deletes the file; nothing happens when it does not exist.
  virtual void elimina(const std::string& nome) = 0;
};

}  // namespace progetto1
