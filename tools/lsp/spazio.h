// The author's workspace: the scenario texts an editor holds open, paired by
// the package's own file names (NOME_linea.txt with NOME_NUMERO-.txt in the
// same folder; a partner not open is read from disk), checked with the
// package's own readers. The language server is one front end of it.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compiler/catalogo/catalogo.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento::lsp {

// What a file's name says: which text, and the line's name and the train's
// number (UTF-8); none for a name that is neither text's.
struct NomeTesto {
  catalogo::Testo testo;
  std::string nome_linea;
  std::string numero_treno;  // empty for a line text
};
std::optional<NomeTesto> nome_testo(const std::filesystem::path& file);

// "file:///a/b%20c.txt" to the path it names; none for another scheme.
std::optional<std::filesystem::path> percorso_uri(const std::string& uri);
std::string uri_percorso(const std::filesystem::path& percorso);

class Spazio {
 public:
  // testo: the text as the editor holds it (UTF-8).
  void apri(const std::string& uri, std::string testo) { aperti_[uri] = std::move(testo); }
  void chiudi(const std::string& uri) { aperti_.erase(uri); }
  const std::string* testo(const std::string& uri) const;

  // The diagnostics of the pair uri belongs to, by the URI of each text;
  // every text of the pair has an entry, empty when it is clean.
  std::map<std::string, std::vector<Diagnostica>> verifica(const std::string& uri) const;

 private:
  std::map<std::string, std::string> aperti_;
};

}  // namespace progetto1::strumento::lsp
