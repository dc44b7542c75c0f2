#include "output/codici_gara.h"

#include <gtest/gtest.h>

#include <string>

namespace progetto1 {
namespace {

Pacchetto con_nomi(const std::string& treno, const std::string& linea) {
  Pacchetto p;
  p.stazioni[kSlotTreno].testo = treno;
  p.stazioni[kSlotLinea].testo = linea;
  return p;
}

struct Caso {
  const char* treno;
  const char* linea;  // Windows-1252 bytes
  std::int16_t og;
  std::int32_t st;
};

TEST(CodiciGara, Casi) {
  const Caso casi[] = {
      {"1", "abcdefghijklmnopqrstuvwxyz", 2653, 36353},
      {"1", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 2653, 36353},
      // Only the first 25 characters count.
      {"1", "abcdefghijklmnopqrstuvwxyz e oltre", 2653, 36353},
      {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
       "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 6375, 82875},
      {"7402", "Corsanta", 2530, 35486},
      // The filler alone.
      {"", "", 2730, 34656},
      // An accented capital counts as its small letter (0xC0 as 0xE0).
      {"", "\xC0", 2849, 34880},
      {"", "\xE0", 2849, 34880},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(std::string(caso.treno) + "|" + caso.linea);
    const Pacchetto p = con_nomi(caso.treno, caso.linea);
    EXPECT_EQ(codice_gara_og(p), caso.og);
    EXPECT_EQ(codice_gara_st(p), caso.st);
  }
}

TEST(CodiciGara, IlNumeroDelTrenoVienePrimaDellaLinea) {
  EXPECT_NE(codice_gara_st(con_nomi("ab", "cd")), codice_gara_st(con_nomi("cd", "ab")));
  EXPECT_EQ(codice_gara_st(con_nomi("ab", "cd")), codice_gara_st(con_nomi("abc", "d")));
}

}  // namespace
}  // namespace progetto1
