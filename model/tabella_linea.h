// The plan of the line: an x and a y coordinate for every metre, each held
// with the type it was stored as, because the plan file tags every value
// with that type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace progetto1 {

enum class TipoValore : std::uint8_t {
  kVuoto = 0,   // never set
  kIntero = 2,  // 16-bit whole number
  kDoppio = 5,  // double-precision value
};

class TabellaLinea {
 public:
  // Creates the table with points 0 to ultimo, every entry empty.
  void crea(long ultimo);
  void elimina();
  bool esiste() const { return punti_ > 0; }
  // The upper point index; -1 when the table does not exist.
  long ultimo() const { return static_cast<long>(punti_) - 1; }

  // coordinata: 0 for x, 1 for y. Indices are checked (failure 9).
  void imposta_intero(long punto, int coordinata, std::int16_t v);
  // The reader sets and reads a long line's plan millions of times: these
  // two are inline.
  void imposta_doppio(long punto, int coordinata, double v) {
    controlla(punto, coordinata);
    valore_[coordinata].dati[static_cast<std::size_t>(punto)] = v;
    tipo_[coordinata].dati[static_cast<std::size_t>(punto)] = TipoValore::kDoppio;
  }
  double valore(long punto, int coordinata) const {
    controlla(punto, coordinata);
    return valore_[coordinata].dati[static_cast<std::size_t>(punto)];
  }
  TipoValore tipo(long punto, int coordinata) const;

  // Whole columns, in point order, for the plan file writer.
  std::span<const double> valori(int coordinata) const {
    return {valore_[coordinata].dati, punti_};
  }
  std::span<const TipoValore> tipi(int coordinata) const {
    return {tipo_[coordinata].dati, punti_};
  }

 private:
  void controlla(long punto, int coordinata) const {
    if (coordinata < 0 || coordinata > 1 || punto < 0 || punto > ultimo()) fuori_intervallo();
  }
  [[noreturn]] static void fuori_intervallo();

  // A column taken zeroed from calloc: a long line's table is tens of
  // megabytes, and the system hands out zeroed pages anyway, so nothing
  // walks over them before the reader writes each point once.
  template <typename T>
  struct Colonna {
    Colonna() = default;
    Colonna(const Colonna& altra) = delete;
    Colonna& operator=(const Colonna& altra) = delete;
    ~Colonna() { libera(); }
    void riserva(std::size_t n);
    void copia(const Colonna& altra, std::size_t n);
    void libera();
    T* dati = nullptr;
  };

 public:
  TabellaLinea() = default;
  TabellaLinea(const TabellaLinea& altra) { *this = altra; }
  TabellaLinea& operator=(const TabellaLinea& altra);

 private:
  std::size_t punti_ = 0;
  Colonna<double> valore_[2];
  Colonna<TipoValore> tipo_[2];
};

}  // namespace progetto1
