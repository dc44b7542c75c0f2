// The reader tests' texts compiled in an archive held in memory.
#pragma once

#include <string>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "model/archivio_memoria.h"
#include "model/pacchetto.h"
#include "tests/prova/testi.h"

namespace progetto1::prova {

struct Esito {
  Pacchetto p;
  ArchivioMemoria archivio;
  Traccia traccia;

  bool resta_linea() const { return archivio.file.count("Corsanta_linea.txt") != 0; }
  bool resta_treno() const { return archivio.file.count("Corsanta_7402-.txt") != 0; }
};

// Compiles the texts given (a null pointer: no such text in the archive).
inline void compila(Esito& e, const Righe* linea, const Righe* treno, std::int32_t con_tabella = 1,
                    const std::string& a_capo = "\r\n") {
  e.p.nome_linea = kNomeLinea;
  e.p.numero_treno = kNumeroTreno;
  e.p.con_tabella = con_tabella;
  if (linea) e.archivio.file[nome_testo_linea(e.p)] = unisci(*linea, a_capo);
  if (treno) e.archivio.file[nome_testo_treno(e.p)] = unisci(*treno, a_capo);
  memorizza_dati(e.p, e.archivio, &e.traccia);
}

}  // namespace progetto1::prova
