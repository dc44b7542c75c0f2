// `scenario view`: the compiled line as one self-contained HTML page, the
// plan and the profile drawn in the browser from the same gathering as the
// SVG map, with a search box, a cell inspector, the station list, switchable
// layers and, when the texts are given, the diagnostics of `scenario check`.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "tools/disegno/elementi_linea.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento {

// The data the page carries inline; diagnostiche may be null.
nlohmann::ordered_json dati_vista(const DatiMappa& d, const EsitoVerifica* diagnostiche);

// The whole page: style, data and script inline, nothing fetched.
std::string pagina_vista(const DatiMappa& d, const EsitoVerifica* diagnostiche);

}  // namespace progetto1::strumento
