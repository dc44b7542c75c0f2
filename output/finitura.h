// The finishing stage: clears the station table, runs the reader of the
// description texts, inserts the code points, stores the package values and
// the check codes and writes the binary scenario files into the archive.
#pragma once

#include <cstdint>

#include "compiler/traccia.h"
#include "model/archivio.h"
#include "model/avvisi.h"
#include "model/pacchetto.h"

namespace progetto1 {

// Values the simulator expects in slot 85 (intero1) and cell 1 (dato1) of
// every package.
inline constexpr std::int16_t kValoreSlotLinea = 610;
inline constexpr std::int16_t kValoreCella1 = 5121;  // 0x1401

class Osservatore;

// j non-zero: the line plan is also built and written (the package passes 1).
// traccia, when given, receives where the reader recorded its last code.
// With an observer (a check) every code of every step goes to it and the
// stage goes on; it writes no files, and ends after a reader that made no
// cells, where the package fails with failure 9.
void memorizza_percorso(Pacchetto& p, std::int32_t j, Archivio& archivio, Avvisi& avvisi,
                        Traccia* traccia = nullptr, Osservatore* osservatore = nullptr);

// What follows the reader: the signal-code pass, the package values and
// check codes (errors 1250 and 1251 through avvisi), the binary files (not
// with an observer).
void completa_percorso(Pacchetto& p, Archivio& archivio, Avvisi& avvisi,
                       Osservatore* osservatore = nullptr);

// Checks that slot 85 and cell 1 are still untouched, then stores 610 and
// 5121 (error 1250 otherwise) and the two check codes (error 1251). With an
// observer (a check) both errors go to it and the stage goes on.
void memorizza_valori_pacchetto(Pacchetto& p, Avvisi& avvisi, Osservatore* o = nullptr);

}  // namespace progetto1
