// `scenario help`: the reference of the two texts, their error codes and
// warnings, the driver's documents and the track cells, one topic at a time
// on the terminal or all of it as the generated files of the author's
// manual. Every fact comes from the catalogue of the records, the table of
// error codes, the check's rules and the model's declarations.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/aiuto/pagina.h"
#include "tools/motore/compilazione.h"

namespace progetto1::strumento::aiuto {

// The topics besides the records and the sections.
inline constexpr std::string_view kCodici = "codici";
inline constexpr std::string_view kAvvisi = "avvisi";
inline constexpr std::string_view kDocumenti = "documenti";
inline constexpr std::string_view kPercorso = "percorso";

// A record by its name, its keyword or its recognition word; a section by
// its heading, with or without brackets (both texts' for "[generale]");
// one of the four topics above. Any case. None for another word.
std::optional<Pagina> pagina_argomento(std::string_view argomento);

// Every topic, and where the manual is; `manuale` is where an install puts it.
Pagina indice(std::string_view manuale);

// The topic whose name is nearest to a word no topic has.
std::string suggerimento(std::string_view parola);

// The generated files of the manual, by name, and their first line, which
// says they are generated and how to make them again.
std::vector<FileUscita> file_manuale();
std::string intestazione_generata();
// Whether a file's text begins as the generated files do.
bool generato(std::string_view testo);

}  // namespace progetto1::strumento::aiuto
