#include "model/contenuto.h"

#include "model/guasto.h"

namespace progetto1 {

void Contenuto::scrivi(const Pezzo& pezzo) const {
  if (!produttore_) {
    if (!byte_.empty()) pezzo(byte_);
    return;
  }
  std::size_t prodotti = 0;
  produttore_([&](std::string_view p) {
    if (p.empty()) return;
    prodotti += p.size();
    if (prodotti > dimensione_) throw Guasto::errore_interno();
    pezzo(p);
  });
  if (prodotti != dimensione_) throw Guasto::errore_interno();
}

std::string Contenuto::tutto() const {
  std::string dati;
  dati.reserve(dimensione_);
  scrivi([&](std::string_view p) { dati += p; });
  return dati;
}

}  // namespace progetto1
