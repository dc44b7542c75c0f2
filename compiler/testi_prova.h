// Small description texts for the reader tests, compiled in an archive held
// in memory.
#pragma once

#include <string>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "model/archivio_memoria.h"
#include "model/pacchetto.h"

namespace progetto1::prova {

using Righe = std::vector<std::string>;

inline std::string unisci(const Righe& righe, const std::string& a_capo = "\r\n") {
  std::string testo;
  for (const std::string& r : righe) testo += r + a_capo;
  return testo;
}

// A general section for a line of `lunghezza` metres, the heading of the
// next section included.
inline Righe generale(long lunghezza = 10000) {
  return {
      "[generale]",
      "lunghezza percorso,    " + std::to_string(lunghezza),
      "progressiva chilometrica uno,    0,    100800,    1",
      "progressiva chilometrica due,    100800,    190300,    1",
      "progressiva chilometrica tre,    0,    0,    0",
      "sfondo uno,    1",
      "sfondo due,    0",
      "sfondo tre,    0",
      "ripetizione segnali 4 codici,    0    ,0",
      "[curve]",
  };
}

inline Righe piu(Righe a, const Righe& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Righe treno_minimo() { return {"[generale]", "numero vetture,    14", "[fine]"}; }

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
