#include "compiler/piano.h"

#include <gtest/gtest.h>

#include "model/guasto.h"

namespace progetto1 {
namespace {

TEST(Piano, PuntiInizialiInteri) {
  TabellaLinea t;
  t.crea(10);
  inizia_piano(t);
  EXPECT_EQ(t.tipo(0, 0), TipoValore::kIntero);
  EXPECT_EQ(t.tipo(1, 1), TipoValore::kIntero);
  EXPECT_EQ(t.valore(0, 1), 0);
  EXPECT_EQ(t.valore(1, 0), 0);
  EXPECT_EQ(t.valore(1, 1), 1);
  EXPECT_EQ(t.tipo(2, 0), TipoValore::kVuoto);
}

TEST(Piano, RettifiloLungoY) {
  TabellaLinea t;
  t.crea(100);
  inizia_piano(t);
  std::int32_t i = 2;
  EXPECT_TRUE(estendi_piano(t, i, 98, 0));
  EXPECT_EQ(i, 99);
  for (long n = 2; n <= 98; ++n) {
    EXPECT_EQ(t.tipo(n, 0), TipoValore::kDoppio);
    EXPECT_EQ(t.valore(n, 0), 0) << n;
    EXPECT_EQ(t.valore(n, 1), n) << n;
  }
  EXPECT_EQ(t.tipo(99, 0), TipoValore::kVuoto);
  EXPECT_EQ(t.tipo(100, 1), TipoValore::kVuoto);

  // An index already past the end computes nothing.
  EXPECT_TRUE(estendi_piano(t, i, 50, 0.002));
  EXPECT_EQ(i, 99);
}

TEST(Piano, UnMetroDiCurvaADestra) {
  TabellaLinea t;
  t.crea(10);
  inizia_piano(t);
  std::int32_t i = 2;
  EXPECT_TRUE(estendi_piano(t, i, 2, 0.001));
  EXPECT_EQ(t.valore(2, 0), 0.001);
  EXPECT_EQ(t.valore(2, 1), 2);
}

TEST(Piano, PrimaCurvaDellaLinea) {
  // "curvad5,  650,  600": straight to point 650, then k = 0.002 to 1250.
  TabellaLinea t;
  t.crea(2000);
  inizia_piano(t);
  std::int32_t i = 2;
  ASSERT_TRUE(estendi_piano(t, i, 650, 0));
  EXPECT_EQ(t.valore(650, 0), 0);
  EXPECT_EQ(t.valore(650, 1), 650);
  ASSERT_TRUE(estendi_piano(t, i, 1250, 0.002));
  EXPECT_EQ(i, 1251);
  EXPECT_NEAR(t.valore(1250, 0), 319.536, 0.0005);
  EXPECT_NEAR(t.valore(1250, 1), 1115.942, 0.0005);

  // A left curve mirrors it.
  TabellaLinea s;
  s.crea(2000);
  inizia_piano(s);
  i = 2;
  ASSERT_TRUE(estendi_piano(s, i, 650, 0));
  ASSERT_TRUE(estendi_piano(s, i, 1250, -0.002));
  EXPECT_EQ(s.valore(1250, 0), -t.valore(1250, 0));
  EXPECT_EQ(s.valore(1250, 1), t.valore(1250, 1));
}

TEST(Piano, OltreIlMilionesimoMetro) {
  TabellaLinea t;
  t.crea(1000010);
  inizia_piano(t);
  std::int32_t i = 2;
  EXPECT_TRUE(estendi_piano(t, i, 999999, 0));
  EXPECT_EQ(i, 1000000);
  EXPECT_FALSE(estendi_piano(t, i, 1000005, 0));
  EXPECT_EQ(i, 1000001);
  EXPECT_EQ(t.valore(1000000, 1), 1000000);
  EXPECT_EQ(t.tipo(1000001, 1), TipoValore::kVuoto);
}

TEST(Piano, OltreLaFineDellaTabella) {
  TabellaLinea t;
  t.crea(100);
  inizia_piano(t);
  std::int32_t i = 2;
  try {
    estendi_piano(t, i, 150, 0.001);
    FAIL();
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }
  EXPECT_EQ(i, 101);
}

// A keyword with several digits takes the first in the table's order, not
// in the text's.
TEST(Piano, GradoECurvaturaDallaParolaChiave) {
  const struct {
    const char* chiave;
    int grado;
    double curvatura;
  } casi[] = {
      {"curvad1", 1, 0.0001},  {"curvas2", 2, 0.0002}, {"curvad3", 3, 0.0004},
      {"curvas4", 4, 0.001},   {"curvad5", 5, 0.002},  {"curvas6", 6, 0.003},
      {"curvad52", 2, 0.0002}, {"curvad7", 0, 0},      {"curva", 0, 0},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(grado_curva(c.chiave), c.grado) << c.chiave;
    EXPECT_EQ(curvatura_grado(grado_curva(c.chiave)), c.curvatura) << c.chiave;
  }
}

}  // namespace
}  // namespace progetto1
