#include "app/archivio_cartella.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/guasto.h"

namespace progetto1 {

namespace {

struct ChiudiFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, ChiudiFile>;

}  // namespace

std::string ArchivioCartella::percorso(const std::string& nome) {
  return piattaforma_.unisci(piattaforma_.cartella_programma(), nome);
}

bool ArchivioCartella::esiste(const std::string& nome) {
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(percorso(nome)), ec);
}

std::string ArchivioCartella::leggi(const std::string& nome) {
  const std::string p = percorso(nome);
  File f(std::fopen(p.c_str(), "rb"));
  if (!f) throw Guasto::file_non_trovato(p);
  std::string byte;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) byte.append(buf, n);
  if (std::ferror(f.get())) throw Guasto(57, "Errore di I/O della periferica: " + p);
  return byte;
}

void ArchivioCartella::sostituisci(const std::string& nome, std::string_view byte) {
  const std::string p = percorso(nome);
  // Make sure the file exists, so that deleting it cannot fail for want of a
  // file; then delete it and create it anew: nothing of an earlier, longer
  // file survives.
  {
    File f(std::fopen(p.c_str(), "ab"));
    if (!f) throw Guasto::accesso_file(p);
  }
  if (std::remove(p.c_str()) != 0) throw Guasto::accesso_file(p);
  File f(std::fopen(p.c_str(), "wb"));
  if (!f) throw Guasto::accesso_file(p);
  if (!byte.empty() && std::fwrite(byte.data(), 1, byte.size(), f.get()) != byte.size()) {
    throw Guasto(61, "Disco pieno: " + p);
  }
  if (std::fclose(f.release()) != 0) throw Guasto(61, "Disco pieno: " + p);
}

void ArchivioCartella::elimina(const std::string& nome) {
  if (!esiste(nome)) return;
  const std::string p = percorso(nome);
  if (std::remove(p.c_str()) != 0) throw Guasto::accesso_file(p);
}

}  // namespace progetto1
