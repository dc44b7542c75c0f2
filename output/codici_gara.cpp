#include "output/codici_gara.h"

#include <cstddef>
#include <string>

#include "model/cp1252.h"

namespace progetto1 {

namespace {

constexpr std::size_t kCaratteri = 25;

// Long enough on its own, so that the working text always has 25 characters.
constexpr const char* kRiempitivo = "zqxwvkpjmfrtlhydsgbncaoeiu";

// The texts of the model are already Windows-1252 bytes: each byte is the
// character's code.
std::string testo_di_lavoro(const Pacchetto& p) {
  std::string t = minuscole(p.stazioni[kSlotTreno].testo + p.stazioni[kSlotLinea].testo);
  t += kRiempitivo;
  t.resize(kCaratteri);
  return t;
}

std::int32_t codice(const std::string& t, std::size_t i) {
  return static_cast<unsigned char>(t[i]);
}

}  // namespace

std::int32_t codice_gara_st(const Pacchetto& p) {
  const std::string t = testo_di_lavoro(p);
  std::int32_t somma = 0;
  for (std::size_t i = 0; i < kCaratteri; ++i) {
    somma += codice(t, i) * static_cast<std::int32_t>(i + 1);
  }
  return somma;
}

std::int16_t codice_gara_og(const Pacchetto& p) {
  const std::string t = testo_di_lavoro(p);
  std::int32_t somma = 0;
  for (std::size_t i = 0; i < kCaratteri; ++i) somma += codice(t, i);
  return static_cast<std::int16_t>(somma);  // at most 25 x 255
}

}  // namespace progetto1
