// The pages of the help's topics, each at a heading level, so that the
// terminal shows one alone and the manual nests them under its chapters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compiler/catalogo/catalogo.h"
#include "tools/aiuto/pagina.h"

namespace progetto1::strumento::aiuto {

void pagina_record(Pagina& p, const catalogo::Record& r, int livello);
// One section of one text, with the records the writers put under it.
void pagina_sezione(Pagina& p, const catalogo::Sezione& s, int livello);
void pagina_codici(Pagina& p, int livello);
void pagina_avvisi(Pagina& p, int livello);
void pagina_documenti(Pagina& p, int livello);
void pagina_percorso(Pagina& p, int livello);

// "testo della linea (`NOME_linea.txt`)".
std::string testo_e_file(catalogo::Testo t);
// "da 0 a 495, multiplo di 5"; for a text its longest length.
std::string valori_campo(const catalogo::Campo& c);
// How a field is told to be a record's keyword, and where.
std::string riconoscimento(const catalogo::Record& r);
// The description of a check rule, by its identifier.
std::string descrizione_regola(std::string_view id);

// The headings of a box-drawn table's columns, read from the document's own
// lines: the rows with the bars of `riga_vuota` just above its first rule,
// each column's words joined from top to bottom.
std::vector<std::string> colonne_documento(const std::vector<std::string>& righe,
                                           std::string_view riga_vuota);

}  // namespace progetto1::strumento::aiuto
