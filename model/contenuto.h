// The bytes of a file to write: either one piece held by the caller, or
// pieces a producer hands out in order, so that a file of many megabytes (a
// long line's plan) goes from the model to the disk without ever being held
// whole.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace progetto1 {

class Contenuto {
 public:
  using Pezzo = std::function<void(std::string_view)>;
  using Produttore = std::function<void(const Pezzo&)>;

  Contenuto(std::string_view dati) : byte_(dati), dimensione_(dati.size()) {}
  Contenuto(const std::string& dati) : Contenuto(std::string_view(dati)) {}
  Contenuto(const char* dati) : Contenuto(std::string_view(dati)) {}
  // The producer must hand out exactly `dimensione` bytes.
  Contenuto(std::size_t dimensione, Produttore produttore)
      : dimensione_(dimensione), produttore_(std::move(produttore)) {}

  std::size_t dimensione() const { return dimensione_; }
  // Hands every byte to pezzo, in order, in pieces none of which is empty;
  // a producer that gives another size than it promised is an internal
  // failure, found before the file could be renamed into place.
  void scrivi(const Pezzo& pezzo) const;
  std::string tutto() const;

 private:
  std::string_view byte_;
  std::size_t dimensione_;
  Produttore produttore_;
};

}  // namespace progetto1
