#include "model/nomi_sicuri.h"

#include <gtest/gtest.h>

namespace progetto1 {
namespace {

TEST(NomiSicuri, SoloNomiCheRestanoNellaCartella) {
  struct Caso {
    const char* nome;
    bool sicuro;
  };
  const Caso casi[] = {
      {"Corsanta", true},    {"7402", true},  {"Citt\xE0 alta", true}, {"Val-Morena 2", true},
      {"a.b", true},         {"CONTE", true}, {"COM0", true},          {"LPT10", true},
      {"", false},           {".", false},    {"..", false},           {"a..b", false},
      {"a/b", false},        {"a\\b", false}, {"C:linea", false},      {"a<b", false},
      {"a\"b", false},       {"a|b", false},  {"a?b", false},          {"a*b", false},
      {"a\nb", false},       {"a\tb", false}, {"a\x7F", false},        {"linea.", false},
      {"linea ", false},     {"CON", false},  {"con", false},          {"Prn.txt", false},
      {"aux.tar.gz", false}, {"NUL ", false}, {"nul .x", false},       {"COM1", false},
      {"com9", false},       {"LPT5", false}, {"lpt1.dat", false},     {"COM\xB9", false},
      {"a\x81", false},      {"\x9D", false},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(motivo_nome_non_sicuro(c.nome).empty(), c.sicuro) << '"' << c.nome << '"';
  }
}

TEST(NomiSicuri, IlNumeroLineaDarebbeAlleCelleIlNomeDelPiano) {
  EXPECT_NE(motivo_nomi_in_conflitto("Corsanta", "linea"), "");
  EXPECT_EQ(motivo_nomi_in_conflitto("Corsanta", "7402"), "");
  EXPECT_NE(motivo_nomi_in_conflitto("Corsanta", "LINEA"), "");
  EXPECT_EQ(motivo_nomi_in_conflitto("Corsanta", "linea2"), "");
}

}  // namespace
}  // namespace progetto1
