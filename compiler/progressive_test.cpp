#include "compiler/progressive.h"

#include <gtest/gtest.h>

#include <array>

namespace progetto1 {
namespace {

using Terna = std::array<std::int32_t, 3>;  // start, chainage, flag

TEST(ProgressiveOrdina, Ordini) {
  // clang-format off
  const struct {
    const char* nome;
    Terna tre, due, uno;          // slots 81, 82, 83 on entry
    Terna primo, secondo, terzo;  // slots 81, 82, 83 afterwards
  } casi[] = {
      {"questa linea",
       {0, 0, 0}, {100800, 190300, 1}, {0, 100800, 1},
       {100800, 190400, 1}, {0, 100900, 1}, {0, 0, 0}},
      {"inizi 500 300 400",
       {500, 1000, 0}, {300, 2000, 0}, {400, 3000, 0},
       {500, 1000, 0}, {400, 3000, 0}, {300, 2000, 0}},
      {"tre davanti, pari dietro: uno prima",
       {500, 1000, 0}, {100, 2000, 0}, {100, 3000, 0},
       {500, 1000, 0}, {100, 3000, 0}, {100, 2000, 0}},
      {"due davanti, tre piu' avanti di uno",
       {200, 1000, 0}, {500, 2000, 0}, {100, 3000, 0},
       {500, 2000, 0}, {200, 1000, 0}, {100, 3000, 0}},
      {"due davanti, pari dietro: uno prima",
       {100, 1000, 0}, {500, 2000, 0}, {100, 3000, 0},
       {500, 2000, 0}, {100, 3000, 0}, {100, 1000, 0}},
      {"uno davanti, tre piu' avanti di due",
       {200, 1000, 0}, {100, 2000, 0}, {500, 3000, 0},
       {500, 3000, 0}, {200, 1000, 0}, {100, 2000, 0}},
      {"uno davanti, pari dietro: due prima",
       {100, 1000, 0}, {100, 2000, 0}, {500, 3000, 0},
       {500, 3000, 0}, {100, 2000, 0}, {100, 1000, 0}},
      {"inizio piu' avanti condiviso",
       {500, 1000, 1}, {500, 2000, 1}, {0, 3000, 1},
       {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {"tutti gli inizi uguali",
       {300, 1000, 1}, {300, 2000, 1}, {300, 3000, 1},
       {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {"inizi zero, progressive 5000 0 7000",
       {0, 5000, 0}, {0, 0, 0}, {0, 7000, 0},
       {0, 7000, 0}, {0, 0, 0}, {0, 5000, 0}},
      {"inizi zero, solo tre",
       {0, 5000, 1}, {0, 0, 0}, {0, 0, 0},
       {0, 5100, 1}, {0, 0, 0}, {0, 0, 0}},
      {"inizi zero, tre e due",
       {0, 5000, 0}, {0, 6000, 0}, {0, 0, 0},
       {0, 6000, 0}, {0, 5000, 0}, {0, 0, 0}},
      {"inizi zero, progressive negative",
       {0, -5000, 1}, {0, 0, 1}, {0, -1, 1},
       {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {"tutto zero",
       {0, 0, 0}, {0, 0, 0}, {0, 0, 0},
       {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {"somma degli inizi zero",
       {100, 5000, 0}, {-100, 0, 0}, {0, 7000, 0},
       {0, 7000, 0}, {-100, 0, 0}, {100, 5000, 0}},
      {"segno 1 con progressiva zero",
       {100, 0, 1}, {0, 0, 0}, {0, 0, 0},
       {100, 100, 1}, {0, 0, 0}, {0, 0, 0}},
  };
  // clang-format on
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    Pacchetto p;
    const Terna* entrata[] = {&c.tre, &c.due, &c.uno};
    for (long i = 0; i < 3; ++i) {
      stazione& s = p.stazioni[kSlotProgressive + i];
      s.valore1 = (*entrata[i])[0];
      s.valore2 = (*entrata[i])[1];
      s.valore3 = (*entrata[i])[2];
    }
    progressive_ordina(p);
    const Terna* attese[] = {&c.primo, &c.secondo, &c.terzo};
    for (long i = 0; i < 3; ++i) {
      const stazione& s = p.stazioni[kSlotProgressive + i];
      EXPECT_EQ((Terna{s.valore1, s.valore2, s.valore3}), *attese[i]) << "slot " << 81 + i;
    }
  }
}

}  // namespace
}  // namespace progetto1
