// The five text writers of the package, in the order of their declaration.
// Each writes one text of the embedded scenario into the program's folder
// through the shared text writer.
#pragma once

#include <string>
#include <vector>

#include "model/archivio.h"
#include "model/pacchetto.h"

namespace progetto1 {

// A scenario as the package runs it: the two constants, as the package holds
// them (Windows-1252), and the lines of the five texts as the writers take
// them (UTF-8, without the sentinel).
struct Scenario {
  std::string nome_linea;
  std::string numero_treno;
  std::vector<std::string> linea, treno, scheda, rallentamenti, note;
  bool operator==(const Scenario&) const = default;
};

// The scenario embedded in the package: Corsanta, train 7402.
Scenario scenario_incorporato();

// The lines of each text, as UTF-8, without the sentinel.
std::vector<std::string> righe_linea(const Pacchetto& p);
std::vector<std::string> righe_treno(const Pacchetto& p);
std::vector<std::string> righe_scheda(const Pacchetto& p);
std::vector<std::string> righe_rallentamenti(const Pacchetto& p);
std::vector<std::string> righe_note(const Pacchetto& p);

void dati_linea(Pacchetto& p, Archivio& archivio);          // nome_linea + "_linea.txt"
void dati_treno(Pacchetto& p, Archivio& archivio);          // ... "-.txt"
void dati_scheda(Pacchetto& p, Archivio& archivio);         // ... "_scheda_treno.txt"
void dati_rallentamenti(Pacchetto& p, Archivio& archivio);  // ... "_rallentamenti.txt"
void dati_note(Pacchetto& p, Archivio& archivio);           // ... "_note.txt"

// The five writers in the order the package runs them: line text, train
// text, notes, slow-down order, timetable sheet. A failure leaves the texts
// already written as they are.
void scrivi_testi(Pacchetto& p, Archivio& archivio);
// The same order with the lines of `s`, under the names `p` gives them.
void scrivi_testi(Pacchetto& p, const Scenario& s, Archivio& archivio);

}  // namespace progetto1
