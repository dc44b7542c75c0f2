// What a compiled line holds, gathered once from its three files for the
// drawings of the tool: the stations, the features of the cells with a
// description for people, the slow-downs and the mountain stretches.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/cella.h"
#include "model/stazione.h"
#include "tools/binari/decodifica.h"

namespace progetto1::strumento {

// The decoded files of one line and train.
struct DatiMappa {
  std::string nome_linea;    // UTF-8, for the title
  std::string numero_treno;  // UTF-8
  std::optional<Piano> piano;
  std::vector<stazione> stazioni;  // the 87 slots
  std::vector<cella> celle;
};

// A station as the drawings show it.
struct StazioneMappa {
  long slot = 0;
  std::string nome;  // UTF-8
  long posizione = 0;
  int categoria = 0;
  long inizio_zona = 0;
  long fine_zona = 0;
  long orario = 0;  // seconds from midnight; 0 where the timetable has none
};

// A feature held by one cell.
struct ElementoLinea {
  long indice_cella = 0;
  long posizione = 0;  // where its cell begins, in metres
  cella dati;
  std::string descrizione;  // "segnale a 30,40 km"; a sign's lettering and position
};

struct RallentamentoLinea {
  long inizio = 0;
  long fine = 0;
  int velocita = 0;
};

// A run of cells with the same value, [da, a) in metres.
struct TrattoCostante {
  long da = 0;
  long a = 0;
  int valore = 0;
};

struct ElementiLinea {
  std::vector<StazioneMappa> stazioni;
  std::vector<ElementoLinea> segnali;
  std::vector<ElementoLinea> cartelli;
  std::vector<ElementoLinea> indicatori;
  std::vector<ElementoLinea> avvisi;
  std::vector<ElementoLinea> codici;
  std::vector<ElementoLinea> fermate;        // a station's stop marks; dato1 is its slot
  std::vector<ElementoLinea> avvicinamenti;  // cells with an approach mark, whatever their kind
  std::vector<RallentamentoLinea> rallentamenti;
  std::vector<std::pair<long, long>> montagne;  // [inizio, fine) in metres
  long lunghezza = 0;                           // declared line length
  long fine_disegno = 0;                        // the farthest point worth drawing

  // Along the cells that begin before fine_disegno; the last run ends there.
  std::vector<TrattoCostante> pendenze;  // the gradient in per mille, positive uphill
  std::vector<TrattoCostante> limiti;    // the train's speed limit in km/h
  // The height relative to the origin at the end of each cell, from the
  // gradients, after (0, 0).
  std::vector<std::pair<long, double>> quote;
};

ElementiLinea raccogli_elementi(const DatiMappa& d);

// The stations: slots 1 upward up to the first slot that is empty or holds a
// sign's text (a sign's cell names its slot).
std::vector<StazioneMappa> stazioni_della_linea(const std::vector<stazione>& slot,
                                                const std::vector<cella>& celle);

// Whether the plan belongs to these cells: one point per metre up to the
// declared line length plus 7000 m, and as many cells as that length gives.
bool piano_compatibile(const Piano& piano, const std::vector<stazione>& slot,
                       const std::vector<cella>& celle);

// A plan point that is empty, or that no drawing can place (a foreign file's NaN).
bool punto_vuoto(const Piano& piano, long i);

// Kilometres with a decimal comma, as Italian readers expect: "30,40".
std::string km(double metri, int decimali);
// "8:05".
std::string orario(long secondi);
// "Alfa, 1,00 km, categoria 4, orario 8:00".
std::string descrizione_stazione(const StazioneMappa& st);

}  // namespace progetto1::strumento
