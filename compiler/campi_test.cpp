#include "compiler/campi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/guasto.h"

namespace progetto1 {
namespace {

// One read: 'T' a text field, 'N' a number (read as a Long).
struct Lettura {
  char tipo;
  std::string testo;
  std::int32_t numero;
};

struct Caso {
  const char* nome;
  std::string testo;
  std::vector<Lettura> letture;
  bool fine;  // the text is at its end after the last read
};

TEST(LettoreCampi, CampiDiTestoEDiNumero) {
  const Caso casi[] = {
      {"blank prima della virgola", "0    ,0", {{'N', "", 0}, {'N', "", 0}}, true},
      {"orologio",
       "orologio,    2               49            40 \r\n",
       {{'T', "orologio", 0}, {'N', "", 2}, {'N', "", 49}, {'N', "", 40}},
       true},
      {"campi vuoti",
       "indicatori_vmax,  700,  90,  ,  ,  0\r\nx",
       {{'T', "indicatori_vmax", 0},
        {'N', "", 700},
        {'N', "", 90},
        {'N', "", 0},
        {'N', "", 0},
        {'N', "", 0},
        {'T', "x", 0}},
       true},
      {"campo vuoto a fine riga", "a,\r\nb", {{'T', "a", 0}, {'N', "", 0}, {'T', "b", 0}}, true},
      {"testo tra virgolette", "\"a, b\"  , x\r\n", {{'T', "a, b", 0}, {'T', "x", 0}}, true},
      {"virgolette con resto scartato", "\"ab\"cd,e", {{'T', "ab", 0}, {'T', "e", 0}}, true},
      {"virgolette oltre la riga", "\"a\r\nb\",c", {{'T', "a\r\nb", 0}, {'T', "c", 0}}, true},
      {"virgolette senza chiusura", "\"abc", {{'T', "abc", 0}}, true},
      {"trattini",
       "-----\r\n-,[curve]\r\n",
       {{'T', "-----", 0}, {'T', "-", 0}, {'T', "[curve]", 0}},
       true},
      {"solo LF", "a\nb\n", {{'T', "a", 0}, {'T', "b", 0}}, true},
      {"CR da solo", "a\rb\r", {{'T', "a", 0}, {'T', "b", 0}}, true},
      {"ultimo campo senza fine riga", "x,y", {{'T', "x", 0}, {'T', "y", 0}}, true},
      {"il primo campo non e' l'ultimo", "x,y", {{'T', "x", 0}}, false},
      {"numero e blank prima della fine riga",
       "5   \r\nfoo",
       {{'N', "", 5}, {'T', "foo", 0}},
       true},
      {"numero seguito da altro testo", "12 ab,c", {{'N', "", 12}, {'T', "ab", 0}}, false},
      {"blank in coda al testo tolti",
       "  (PL km)(1+0)  ,  d  \r\n",
       {{'T', "(PL km)(1+0)", 0}, {'T', "d", 0}},
       true},
      {"blank e tab davanti", " \t 7", {{'N', "", 7}}, true},
      {"riga vuota come testo", "\r\nx", {{'T', "", 0}, {'T', "x", 0}}, true},
      {"numeri con segno e frazione",
       "-7,+7,2.5,3.5,.5,5.,-2.5",
       {{'N', "", -7},
        {'N', "", 7},
        {'N', "", 2},
        {'N', "", 4},
        {'N', "", 0},
        {'N', "", 5},
        {'N', "", -2}},
       true},
      {"limiti del Long",
       "2147483647,-2147483648",
       {{'N', "", 2147483647}, {'N', "", -2147483647 - 1}},
       true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    LettoreCampi l(c.testo);
    for (const Lettura& x : c.letture) {
      if (x.tipo == 'T') {
        EXPECT_EQ(l.leggi_testo(), x.testo);
      } else {
        EXPECT_EQ(l.leggi_long(), x.numero);
      }
    }
    EXPECT_EQ(l.alla_fine(), c.fine);
  }
}

TEST(LettoreCampi, CampiNonValidi) {
  enum Tipo { kLong, kInteger, kByte, kTesto };
  const struct {
    std::string testo;
    Tipo tipo;
    long guasto;
  } casi[] = {
      {"abc", kLong, 13},
      {"12abc", kLong, 13},
      {"-", kLong, 13},
      {"1e5", kLong, 13},
      {"1.2.3", kLong, 13},
      {"0x10", kLong, 13},
      {"\"12\"", kLong, 13},
      {"12345678901234567890123456789012345678901234567890", kLong, 6},
      {std::string(400, '9'), kLong, 6},
      {"2147483648", kLong, 6},
      {"2147483647.5", kLong, 6},
      {"32768", kInteger, 6},
      {"-32769", kInteger, 6},
      {"256", kByte, 6},
      {"-1", kByte, 6},
      {"", kLong, 62},
      {"   ", kLong, 62},
      {"", kTesto, 62},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    LettoreCampi l(c.testo);
    try {
      switch (c.tipo) {
        case kLong:
          l.leggi_long();
          break;
        case kInteger:
          l.leggi_integer();
          break;
        case kByte:
          l.leggi_byte();
          break;
        case kTesto:
          l.leggi_testo();
          break;
      }
      ADD_FAILURE() << "nessun guasto";
    } catch (const Guasto& g) {
      EXPECT_EQ(g.numero(), c.guasto);
      EXPECT_TRUE(l.in_lettura());
    }
  }
}

TEST(LettoreCampi, IntegerEByteNelLoroCampo) {
  LettoreCampi l("-32768, 32767, 255, 0, 254.5");
  EXPECT_EQ(l.leggi_integer(), -32768);
  EXPECT_EQ(l.leggi_integer(), 32767);
  EXPECT_EQ(l.leggi_byte(), 255);
  EXPECT_EQ(l.leggi_byte(), 0);
  EXPECT_EQ(l.leggi_byte(), 254);
}

TEST(LettoreCampi, RigheDelleLetture) {
  LettoreCampi l("a\r\nb,  c\nd\r");
  EXPECT_EQ(l.riga_lettura(), 0);
  EXPECT_EQ(l.righe(), 3);
  l.leggi_testo();
  EXPECT_EQ(l.riga_lettura(), 1);
  l.leggi_testo();
  EXPECT_EQ(l.riga_lettura(), 2);
  l.leggi_testo();
  EXPECT_EQ(l.riga_lettura(), 2);
  EXPECT_FALSE(l.in_lettura());
  l.leggi_testo();
  EXPECT_EQ(l.riga_lettura(), 3);
  EXPECT_THROW(l.leggi_testo(), Guasto);
  EXPECT_EQ(l.riga_lettura(), 3);  // the end of the text is on the last line

  EXPECT_EQ(l.testo_riga(1), "a");
  EXPECT_EQ(l.testo_riga(2), "b,  c");
  EXPECT_EQ(l.testo_riga(3), "d");
  EXPECT_EQ(l.testo_riga(4), "");
  EXPECT_EQ(l.testo_riga(0), "");

  EXPECT_EQ(LettoreCampi("").righe(), 0);
  EXPECT_EQ(LettoreCampi("x").righe(), 1);
  EXPECT_EQ(LettoreCampi("x\r\n\r\n").righe(), 2);
}

TEST(LettoreCampi, UnaRigaDopoUnCampoTraVirgolette) {
  LettoreCampi l("\"a\r\nb\"\r\nc\r\n");
  l.leggi_testo();
  l.leggi_testo();
  EXPECT_EQ(l.riga_lettura(), 3);
}

TEST(LettoreCampi, ColonneDelleLettureDalSegno) {
  LettoreCampi c("pendenza,  700,\t4\r\n  segnale, 9\n");
  EXPECT_EQ(c.leggi_testo(), "pendenza");
  EXPECT_EQ(c.colonna_lettura(), 1);
  c.segna();
  c.leggi_long();
  c.leggi_long();
  EXPECT_EQ(c.luogo_lettura(0).riga, 1);
  EXPECT_EQ(c.luogo_lettura(0).colonna, 12);
  EXPECT_EQ(c.luogo_lettura(1).colonna, 17);  // after a tab: one byte
  EXPECT_EQ(c.leggi_testo(), "segnale");
  EXPECT_EQ(c.riga_lettura(), 2);
  EXPECT_EQ(c.colonna_lettura(), 3);
}

TEST(LettoreCampi, SaltaAllaRigaSenzaTornareIndietro) {
  LettoreCampi c("a, 1, 2\r\nb, 3\nc\n");
  EXPECT_EQ(c.leggi_testo(), "a");
  c.salta_a_riga(2);
  EXPECT_EQ(c.leggi_testo(), "b");
  c.leggi_long();  // consumes the line end: already on line 3
  c.salta_a_riga(3);
  EXPECT_EQ(c.leggi_testo(), "c");
  c.salta_a_riga(9);
  EXPECT_TRUE(c.alla_fine());
}

TEST(LettoreCampi, TutteLeRigheComeUnaAllaVolta) {
  for (const char* testo : {"a\r\n\r\nb\rc\nd", "a\n", "", "\r\n", "x,1\r\ny"}) {
    const LettoreCampi c(testo);
    const std::vector<std::string_view> righe = c.tutte_le_righe();
    ASSERT_EQ(static_cast<long>(righe.size()), c.righe()) << testo;
    for (long n = 1; n <= c.righe(); ++n) EXPECT_EQ(righe[n - 1], c.testo_riga(n)) << testo;
  }
}

}  // namespace
}  // namespace progetto1
