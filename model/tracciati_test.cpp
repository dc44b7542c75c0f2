#include "model/tracciati.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace progetto1 {
namespace {

template <class Campi>
std::vector<std::string> nomi(const Campi& campi) {
  std::vector<std::string> r;
  per_ogni_campo(campi, [&](const auto& c) { r.push_back(c.nome); });
  return r;
}

// The sizes the simulator reads: a change to a declaration that moves them
// fails here before any file changes.
TEST(Tracciati, DimensioneDiOgniRecord) {
  EXPECT_EQ(byte_campi(kCampiCella), 15u);
  EXPECT_EQ(byte_campi(kCampiStazione), 34u);
  EXPECT_EQ(kByteEtichetta + byte_dato(TipoValore::kVuoto), 2u);
  EXPECT_EQ(kByteEtichetta + byte_dato(TipoValore::kIntero), 4u);
  EXPECT_EQ(kByteEtichetta + byte_dato(TipoValore::kDoppio), 10u);
}

TEST(Tracciati, OgniCampoUnaVoltaEUnSoloTesto) {
  for (const auto& campi : {nomi(kCampiCella), nomi(kCampiStazione)}) {
    EXPECT_EQ(std::set<std::string>(campi.begin(), campi.end()).size(), campi.size());
  }
  std::size_t testi = 0;
  per_ogni_campo(kCampiCella, [&](const auto& c) { testi += c.kTesto ? 1 : 0; });
  EXPECT_EQ(testi, 0u);
  per_ogni_campo(kCampiStazione, [&](const auto& c) { testi += c.kTesto ? 1 : 0; });
  EXPECT_EQ(testi, 1u);
  EXPECT_EQ(nomi(kCampiCella).front(), "genere");
  EXPECT_EQ(nomi(kCampiStazione)[5], "testo");  // after the selector, before the integers
}

TEST(Tracciati, EtichetteDelPiano) {
  for (std::int16_t e = -2; e <= 8; ++e) {
    EXPECT_EQ(etichetta_valida(e), e == 0 || e == 2 || e == 5) << e;
  }
}

}  // namespace
}  // namespace progetto1
