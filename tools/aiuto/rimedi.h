// The usual fix of each error code, for the help and the manual: the one
// table of them, beside the codes' meanings in model/codici_errore.h.
#pragma once

#include <string>

#include "model/codici_errore.h"

namespace progetto1::strumento::aiuto {

// Empty for a code without a fix in the table (a fault of the table).
std::string rimedio(CodiceErrore c);

}  // namespace progetto1::strumento::aiuto
