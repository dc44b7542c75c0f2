// A page of the help: headings, paragraphs, lists, tables and literal lines,
// built once from the catalogue and the tables of codes and warnings, and
// written either for the terminal or as Markdown for the manual.
#pragma once

#include <string>
#include <vector>

namespace progetto1::strumento::aiuto {

// Words between backticks are names as the texts write them: Markdown shows
// them as code, the terminal between double quotes.
struct Blocco {
  enum class Tipo { kTitolo, kParagrafo, kElenco, kTabella, kCodice };
  Tipo tipo;
  int livello = 0;                                // kTitolo: 1 for a page's own title
  std::string testo{};                            // kTitolo, kParagrafo
  std::vector<std::string> righe{};               // kElenco: the items; kCodice: the lines;
                                                  // kTabella: each row as one terminal line
  std::vector<std::string> colonne{};             // kTabella
  std::vector<std::vector<std::string>> celle{};  // kTabella, one vector per row
};

class Pagina {
 public:
  void titolo(int livello, std::string testo);
  void paragrafo(std::string testo);
  void elenco(std::vector<std::string> voci);
  void codice(std::vector<std::string> righe);
  // A table in Markdown; on the terminal each row is its line of `righe`.
  void tabella(std::vector<std::string> colonne, std::vector<std::vector<std::string>> celle,
               std::vector<std::string> righe);

  const std::vector<Blocco>& blocchi() const { return blocchi_; }

 private:
  std::vector<Blocco> blocchi_;
};

// For a terminal of kLarghezza columns; paragraphs and items wrapped.
inline constexpr std::size_t kLarghezza = 79;
std::string per_terminale(const Pagina& p);
std::string in_markdown(const Pagina& p);

// The width of a UTF-8 text in characters.
std::size_t larghezza(const std::string& utf8);

}  // namespace progetto1::strumento::aiuto
