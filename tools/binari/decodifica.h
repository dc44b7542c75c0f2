// Reading the three binary scenario files back: the line plan, the station
// table and the track cells. Every field is taken byte by byte as
// little-endian, and every read is checked against the file's size, so a
// truncated or foreign file is refused with a message instead of being read
// past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/cella.h"
#include "model/stazione.h"
#include "model/tabella_linea.h"

namespace progetto1::strumento {

// A file whose bytes do not fit the layout of its kind.
class ErroreFormato : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ValorePiano {
  TipoValore tipo = TipoValore::kVuoto;
  double valore = 0.0;  // 0 for an empty value
};

// Point i of the plan is (x[i], y[i]), one point per metre of line.
struct Piano {
  std::vector<ValorePiano> x;
  std::vector<ValorePiano> y;
};

Piano decodifica_piano(std::string_view byte);
// Exactly the 87 slots, nothing after them.
std::vector<stazione> decodifica_stazioni(std::string_view byte);
// Cells 0 to the last; at least one cell.
std::vector<cella> decodifica_celle(std::string_view byte);

// kPacchetto: a package executable, which may carry a scenario of its own.
enum class TipoFile { kPiano, kStazioni, kCelle, kPacchetto };
// By the file's name: kSuffissoPiano is the plan, kSuffissoStazioni the
// station table, any other kSuffissoCelle the cells (model/pacchetto.h).
// False for any other name.
bool tipo_da_nome(const std::string& nome, TipoFile& tipo);

// "vuoto", "intero", "doppio".
std::string nome_tipo_valore(TipoValore tipo);

}  // namespace progetto1::strumento
