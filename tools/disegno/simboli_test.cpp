#include "tools/disegno/simboli.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace progetto1::strumento {
namespace {

// simbolo() indexes the table by the enum: the entries must stand in the
// enum's order, each once.
TEST(Simboli, UnaVocePerSimboloNellOrdineDellEnum) {
  std::set<std::string> legende;
  for (std::size_t i = 0; i < simboli().size(); ++i) {
    const VoceSimbolo& v = simboli()[i];
    EXPECT_EQ(static_cast<std::size_t>(v.simbolo), i);
    EXPECT_EQ(&simbolo(v.simbolo), &v);
    EXPECT_TRUE(legende.insert(v.legenda).second) << v.legenda;
  }
  EXPECT_EQ(simboli().size(), static_cast<std::size_t>(Simbolo::kVelocita) + 1);
}

// The legend shows each mark exactly as the drawing does.
TEST(Simboli, LaLegendaDisegnaLeStesseMarche) {
  Svg s;
  legenda(s, 100, 50);
  for (const VoceSimbolo& v : simboli()) {
    EXPECT_NE(s.grezzo().find(v.stile), std::string::npos) << v.legenda;
    std::string etichetta = ">";
    etichetta += v.legenda;
    etichetta += '<';
    EXPECT_NE(s.grezzo().find(etichetta), std::string::npos) << v.legenda;
  }
  EXPECT_EQ(marca(simbolo(Simbolo::kSegnale), 10, 20).attributi,
            "cx=\"10.0\" cy=\"20.0\" r=\"3\" fill=\"#d62728\" stroke=\"white\" "
            "stroke-width=\"0.8\"");
  EXPECT_EQ(
      marca(simbolo(Simbolo::kAvviso), 10, 20).attributi,
      "d=\"M10.0 15.0 l5 9 l-10 0 z\" fill=\"#ff7f0e\" stroke=\"white\" stroke-width=\"0.8\"");
}

}  // namespace
}  // namespace progetto1::strumento
