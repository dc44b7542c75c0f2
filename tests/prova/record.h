// A cell and a station slot with every field set, and their records as the
// package's files hold them: the writers' tests write them, the tool's
// reader reads them back.
#pragma once

#include <cstdint>
#include <vector>

#include "model/cella.h"
#include "model/stazione.h"

namespace progetto1::prova {

// Signed fields negative, down to the lowest, and an unsigned one at its top.
inline cella cella_piena() {
  return {.genere = kPuntoCodice,
          .dato1 = 5121,
          .dato2 = -2,
          .dato3 = 0x1234,
          .dato4 = -32768,
          .tempo = 101,
          .avvicinamento = 2,
          .montagna = 44,
          .vel_limite = 27,
          .pendenza = 91,
          .aderenza = 255};
}

inline std::vector<std::uint8_t> record_cella_piena() {
  return {0x0C, 0x01, 0x14, 0xFE, 0xFF, 0x34, 0x12, 0x00, 0x80, 0x65, 0x02, 0x2C, 0x1B, 0x5B, 0xFF};
}

// The text in Windows-1252.
inline stazione stazione_piena() {
  return {.codice = 4,
          .valore1 = 100800,
          .valore2 = -1,
          .valore3 = 0x01020304,
          .selettore = 1,
          .testo = "Citt\xE0",
          .intero1 = 610,
          .intero2 = -1,
          .intero3 = 2,
          .intero4 = 49,
          .intero5 = 40,
          .marca1 = 1,
          .marca2 = 2,
          .marca3 = 3,
          .marca4 = 4,
          .valore4 = 35486};
}

inline std::vector<std::uint8_t> record_stazione_piena() {
  return {0x04,                                // codice
          0xC0, 0x89, 0x01, 0x00,              // valore1
          0xFF, 0xFF, 0xFF, 0xFF,              // valore2
          0x04, 0x03, 0x02, 0x01,              // valore3
          0x01,                                // selettore
          0x05, 0x00,                          // text length
          0x43, 0x69, 0x74, 0x74, 0xE0,        // testo
          0x62, 0x02, 0xFF, 0xFF, 0x02, 0x00,  // intero1..3
          0x31, 0x00, 0x28, 0x00,              // intero4, 5
          0x01, 0x02, 0x03, 0x04,              // marca1..4
          0x9E, 0x8A, 0x00, 0x00};             // valore4
}

}  // namespace progetto1::prova
