// The package's arrays check every index: a subscript outside the array is the
// run-time failure 9, which the readers turn into error code 25 and which
// ends the run anywhere else. The lower bound is 0 throughout.
#pragma once

#include <cstddef>
#include <vector>

#include "model/guasto.h"

namespace progetto1 {

template <typename T>
class Vettore {
 public:
  Vettore() = default;
  // Indices 0 to ultimo inclusive, every element value-initialised.
  explicit Vettore(long ultimo) { ridimensiona(ultimo); }

  void ridimensiona(long ultimo) {
    elementi_.assign(ultimo < 0 ? 0 : static_cast<std::size_t>(ultimo) + 1, T{});
  }
  void svuota() { elementi_.clear(); }

  // The upper index; -1 when the array has no elements.
  long ultimo() const { return static_cast<long>(elementi_.size()) - 1; }
  bool vuoto() const { return elementi_.empty(); }
  std::size_t size() const { return elementi_.size(); }

  T& operator[](long i) {
    controlla(i);
    return elementi_[static_cast<std::size_t>(i)];
  }
  const T& operator[](long i) const {
    controlla(i);
    return elementi_[static_cast<std::size_t>(i)];
  }

  auto begin() { return elementi_.begin(); }
  auto end() { return elementi_.end(); }
  auto begin() const { return elementi_.begin(); }
  auto end() const { return elementi_.end(); }

 private:
  void controlla(long i) const {
    if (i < 0 || i > ultimo()) throw Guasto::indice_fuori_intervallo();
  }
  std::vector<T> elementi_;
};

}  // namespace progetto1
