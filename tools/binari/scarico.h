// `scenario dump`: the binary files decoded into rows a person can read, or
// into JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/binari/lettura.h"

namespace progetto1::strumento {

// What a slot of the station table holds: "riservato" (slot 0), "stazione",
// "cartello", "libero", "progressiva", "generali", "linea", "treno".
std::string uso_slot(long slot, const stazione& s);

// One heading line, then one row per plan point, slot or cell.
void scrivi_scarico(std::ostream& out, const FileDecodificato& f);
// JSON: {"file": ..., "tipo": "piano" | "stazioni" | "celle", and "punti",
// "slot" or "celle": one object per element}, written as it is built.
void scrivi_json_scarico(std::ostream& out, const FileDecodificato& f);
nlohmann::ordered_json json_elemento(const FileDecodificato& f, std::size_t i);
std::string nome_tipo_file(TipoFile tipo);

// The shortest text that reads back as the same double.
std::string testo_doppio(double v);

}  // namespace progetto1::strumento
