#include "model/tabella_linea.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "model/guasto.h"

namespace progetto1 {

// calloc creates the columns' values (implicit-lifetime types) as zero
// bytes: 0.0 and kVuoto.
static_assert(std::is_trivially_copyable_v<double> && static_cast<int>(TipoValore::kVuoto) == 0);

template <typename T>
void TabellaLinea::Colonna<T>::riserva(std::size_t n) {
  libera();
  if (n == 0) return;
  dati = static_cast<T*>(std::calloc(n, sizeof(T)));
  if (dati == nullptr) throw std::bad_alloc();
}

template <typename T>
void TabellaLinea::Colonna<T>::copia(const Colonna& altra, std::size_t n) {
  riserva(n);
  if (n > 0) std::memcpy(dati, altra.dati, n * sizeof(T));
}

template <typename T>
void TabellaLinea::Colonna<T>::libera() {
  std::free(dati);
  dati = nullptr;
}

template struct TabellaLinea::Colonna<double>;
template struct TabellaLinea::Colonna<TipoValore>;

TabellaLinea& TabellaLinea::operator=(const TabellaLinea& altra) {
  if (this == &altra) return *this;
  elimina();
  for (int c = 0; c < 2; ++c) {
    valore_[c].copia(altra.valore_[c], altra.punti_);
    tipo_[c].copia(altra.tipo_[c], altra.punti_);
  }
  punti_ = altra.punti_;
  return *this;
}

void TabellaLinea::crea(long ultimo) {
  const auto n = static_cast<std::size_t>(ultimo < 0 ? 0 : ultimo + 1);
  elimina();
  for (int c = 0; c < 2; ++c) {
    valore_[c].riserva(n);
    tipo_[c].riserva(n);
  }
  punti_ = n;
}

void TabellaLinea::fuori_intervallo() { throw Guasto::indice_fuori_intervallo(); }

void TabellaLinea::elimina() {
  for (int c = 0; c < 2; ++c) {
    valore_[c].libera();
    tipo_[c].libera();
  }
  punti_ = 0;
}

void TabellaLinea::imposta_intero(long punto, int coordinata, std::int16_t v) {
  controlla(punto, coordinata);
  valore_[coordinata].dati[static_cast<std::size_t>(punto)] = v;
  tipo_[coordinata].dati[static_cast<std::size_t>(punto)] = TipoValore::kIntero;
}

TipoValore TabellaLinea::tipo(long punto, int coordinata) const {
  controlla(punto, coordinata);
  return tipo_[coordinata].dati[static_cast<std::size_t>(punto)];
}

}  // namespace progetto1
