// `scenario lsp`: the language server of the scenario texts, over one input
// and one output stream: diagnostics as check gives them on every open and
// change, hover from the catalogue, completion of keywords and headings, and
// the outline of sections and records.
#pragma once

#include <istream>
#include <ostream>

namespace progetto1::strumento::lsp {

// Serves until "exit" or the end of the input; 0 after a "shutdown"
// request, 1 otherwise, as the protocol asks.
int servi(std::istream& in, std::ostream& out);

}  // namespace progetto1::strumento::lsp
