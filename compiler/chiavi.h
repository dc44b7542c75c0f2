// The keyword tests of the two description texts: a field is a record's
// keyword when it contains the record's words, as the catalogue gives them.
#pragma once

#include <string>
#include <string_view>

#include "compiler/catalogo/catalogo.h"
#include "model/cp1252.h"

namespace progetto1::chiave {

// A field read where a keyword may stand: as written, and in lower case for
// the tests that ignore case.
struct Campo {
  explicit Campo(std::string_view scritto) : r(scritto), m(minuscole(scritto)) {}
  bool e(catalogo::Voce v) const { return catalogo::riconosce(v, r, m); }
  int generali() const { return catalogo::riconoscimenti_generali(r, m); }
  int linea(bool con_piano) const { return catalogo::riconoscimenti_linea(r, m, con_piano); }
  int treno() const { return catalogo::riconoscimenti_treno(r, m); }

  std::string r;  // copies: the reader may read the next field into riga meanwhile
  std::string m;
};

// A heading ends the general section: "[" and "]", not after a hyphen-minus.
inline bool intestazione(std::string_view r) {
  const std::size_t inizio = r.find_first_not_of(" \t");
  const bool trattino = inizio != std::string_view::npos && r[inizio] == '-';
  return !trattino && r.find('[') != std::string_view::npos &&
         r.find(']') != std::string_view::npos;
}

}  // namespace progetto1::chiave
