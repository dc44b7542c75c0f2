#include "model/cp1252.h"

#include <gtest/gtest.h>

namespace progetto1 {
namespace {

TEST(Cp1252, ConverteLettereAccentateInUnByte) {
  EXPECT_EQ(a_cp1252("Non è già"), "Non \xE8 gi\xE0");
  EXPECT_EQ(a_cp1252("€ “x”"), "\x80 \x93x\x94");
  EXPECT_EQ(a_cp1252("ascii"), "ascii");
  EXPECT_EQ(a_cp1252("Ω"), "?");     // not in the code page
  EXPECT_EQ(a_cp1252("\xC3"), "?");  // cut sequence
}

TEST(Cp1252, AndataERitorno) {
  const std::string testo = "Città, perché: è à ò ù € Š";
  EXPECT_EQ(da_cp1252(a_cp1252(testo)), testo);
}

TEST(Cp1252, Minuscole) {
  EXPECT_EQ(minuscole("CorSANTA 7402"), "corsanta 7402");
  EXPECT_EQ(minuscole("\xC8\xC0\xD7"), "\xE8\xE0\xD7");  // È À stay letters, × is no letter
  EXPECT_EQ(minuscola('\x8A'), '\x9A');
}

}  // namespace
}  // namespace progetto1
