// The Language Server Protocol's framing: each message a header block
// ("Content-Length: N", CR LF, an empty line) and N bytes of JSON-RPC 2.0.
#pragma once

#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

namespace progetto1::strumento::lsp {

// The next message's body; none at the end of the input. A header block
// without a length, or a body cut short, ends the input too: the stream
// cannot be resynchronised.
std::optional<std::string> leggi_messaggio(std::istream& in);

void scrivi_messaggio(std::ostream& out, const nlohmann::json& messaggio);

}  // namespace progetto1::strumento::lsp
