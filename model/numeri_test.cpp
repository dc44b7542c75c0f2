#include "model/numeri.h"

#include <gtest/gtest.h>

#include "model/guasto.h"

namespace progetto1 {
namespace {

TEST(Arrotonda, MetaVersoIlPari) {
  const struct {
    double valore;
    double atteso;
  } casi[] = {
      {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},       {0.49999, 0},
      {1.5, 2}, {2.4, 2}, {2.6, 3},  {-2.6, -3}, {1e9 + 0.5, 1e9},
  };
  for (const auto& c : casi) EXPECT_EQ(arrotonda(c.valore), c.atteso) << c.valore;
}

TEST(Conversioni, ArrotondanoEControllanoIlCampo) {
  EXPECT_EQ(a_integer(32767.4), 32767);
  EXPECT_EQ(a_integer(-32768.5), -32768);  // halfway to the even neighbour
  EXPECT_EQ(a_byte(254.5), 254);
  EXPECT_EQ(a_byte(-0.5), 0);
  EXPECT_EQ(a_long(2147483647.0), 2147483647);
  EXPECT_EQ(a_long(-2147483648.0), -2147483647 - 1);

  const double fuori_intervallo[] = {32767.5, -32769.0, 1e300};
  for (double v : fuori_intervallo) {
    try {
      a_integer(v);
      FAIL() << v;
    } catch (const Guasto& g) {
      EXPECT_EQ(g.numero(), 6) << v;
    }
  }
  EXPECT_THROW(a_byte(255.5), Guasto);  // rounds to 256
  EXPECT_THROW(a_byte(-0.6), Guasto);
  EXPECT_THROW(a_long(2147483647.5), Guasto);
}

TEST(Narrowing, TieneIBitBassi) {
  EXPECT_EQ(basso16(70000), 4464);
  EXPECT_EQ(basso16(32768), -32768);
  EXPECT_EQ(basso16(-1), -1);
  EXPECT_EQ(basso16(65535), -1);
  EXPECT_EQ(basso8(300), 44);
  EXPECT_EQ(basso8(-1), 255);
  EXPECT_EQ(basso8(256), 0);
}

TEST(CellaDi, PosizioniDentroEFuoriGriglia) {
  const struct {
    int posizione;
    int cella;
  } casi[] = {{0, 1}, {50, 2}, {30400, 609}, {25, 2}, {75, 2}, {125, 4}, {-25, 0}, {-75, 0}};
  for (const auto& c : casi) EXPECT_EQ(cella_di(c.posizione), c.cella) << c.posizione;
}

}  // namespace
}  // namespace progetto1
