#include "model/tabella_linea.h"

#include "model/guasto.h"

namespace progetto1 {

void TabellaLinea::crea(long ultimo) {
  const auto n = static_cast<std::size_t>(ultimo < 0 ? 0 : ultimo + 1);
  for (int c = 0; c < 2; ++c) {
    valore_[c].assign(n, 0.0);
    tipo_[c].assign(n, TipoValore::kVuoto);
  }
}

void TabellaLinea::fuori_intervallo() { throw Guasto::indice_fuori_intervallo(); }

void TabellaLinea::elimina() {
  for (int c = 0; c < 2; ++c) {
    valore_[c].clear();
    valore_[c].shrink_to_fit();
    tipo_[c].clear();
    tipo_[c].shrink_to_fit();
  }
}

void TabellaLinea::imposta_intero(long punto, int coordinata, std::int16_t v) {
  controlla(punto, coordinata);
  valore_[coordinata][static_cast<std::size_t>(punto)] = v;
  tipo_[coordinata][static_cast<std::size_t>(punto)] = TipoValore::kIntero;
}

TipoValore TabellaLinea::tipo(long punto, int coordinata) const {
  controlla(punto, coordinata);
  return tipo_[coordinata][static_cast<std::size_t>(punto)];
}

}  // namespace progetto1
