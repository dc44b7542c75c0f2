// The package state: everything the procedures of the package share, from the
// two identifying constants to the track cells, the station table, the line
// plan and the error register. One Pacchetto lives for one run.
#pragma once

#include <cstdint>
#include <string>

#include "model/cella.h"
#include "model/codici_errore.h"
#include "model/costanti.h"
#include "model/stazione.h"
#include "model/tabella_linea.h"
#include "model/vettore.h"

namespace progetto1 {

struct Pacchetto {
  // Identity of the scenario; the first parts of every file name.
  std::string nome_linea;
  std::string numero_treno;

  // Track cells 0 to numero_celle; empty until the line reader has read the
  // line length.
  Vettore<cella> percorso;
  // Slots 0 to 86.
  Vettore<stazione> stazioni{kNumeroSlot - 1};
  // One point per metre, 0 to lunghezza_estesa; exists only with con_tabella.
  TabellaLinea tabella_linea;

  // Mountain stretches in call order from index 1 (index 0 unused).
  Vettore<std::int32_t> montagne_inizio{kMassimoMontagne};
  Vettore<std::int32_t> montagne_fine{kMassimoMontagne};
  std::int32_t numero_montagne = 0;

  std::int32_t con_tabella = 0;
  std::int32_t contatore = 0;
  std::int32_t contatore2 = 0;
  std::string riga;  // the field most recently read as text
  std::int32_t lunghezza_estesa = 0;
  std::int32_t numero_celle = 0;

  // The error register: the number of the code last recorded, 0 for none.
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
  void registra_errore(CodiceErrore c) { codice_errore = numero(c); }
};

// The constants of this package.
inline constexpr const char* kNomeLinea = "Corsanta";
inline constexpr const char* kNumeroTreno = "7402";

// How the names of the three binary files end; the tool tells a file's kind
// by them.
inline constexpr const char* kSuffissoPiano = "_linea.dat";
inline constexpr const char* kSuffissoStazioni = ".sim";
inline constexpr const char* kSuffissoCelle = ".dat";

// File names, all relative to the program's own folder.
std::string nome_testo_linea(const Pacchetto& p);    // Corsanta_linea.txt
std::string nome_testo_treno(const Pacchetto& p);    // Corsanta_7402-.txt
std::string nome_note(const Pacchetto& p);           // Corsanta_7402_note.txt
std::string nome_rallentamenti(const Pacchetto& p);  // Corsanta_7402_rallentamenti.txt
std::string nome_scheda(const Pacchetto& p);         // Corsanta_7402_scheda_treno.txt
std::string nome_file_linea(const Pacchetto& p);     // Corsanta_linea.dat
std::string nome_file_stazioni(const Pacchetto& p);  // Corsanta_7402.sim
std::string nome_file_celle(const Pacchetto& p);     // Corsanta_7402.dat

}  // namespace progetto1
