// The reader of the two description texts: the line text reader followed
// without a break by the train data reader. It reads the texts named after
// the package (nome_linea + "_linea.txt", nome_linea + "_" + numero_treno +
// "-.txt") from the archive, fills the package state, records faults in the
// error register and deletes the texts as the package does.
#pragma once

#include "compiler/traccia.h"
#include "model/archivio.h"
#include "model/pacchetto.h"

namespace progetto1 {

class Osservatore;

// With an observer every fault goes to it instead of the register, and the
// reading goes on with the next record (see compiler/osservatore.h).
void memorizza_dati(Pacchetto& p, Archivio& archivio, Traccia* traccia = nullptr,
                    Osservatore* osservatore = nullptr);

}  // namespace progetto1
