// `scenario map`: the compiled line drawn as an SVG picture. The plan seen
// from above (when the line plan file exists) with the stations, signals,
// slow-downs and signs on it, and below it the profile along the line:
// heights from the gradients, the gradients themselves, the train's speed
// limit, the mountain stretches and the stations.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/stazione.h"
#include "tools/decodifica.h"

namespace progetto1::strumento {

struct DatiMappa {
  std::string nome_linea;    // UTF-8, for the title
  std::string numero_treno;  // UTF-8
  std::optional<Piano> piano;
  std::vector<stazione> stazioni;  // the 87 slots
  std::vector<cella> celle;
};

// A station as the map shows it.
struct StazioneMappa {
  long slot = 0;
  std::string nome;  // UTF-8
  long posizione = 0;
  int categoria = 0;
  long inizio_zona = 0;
  long fine_zona = 0;
  long orario = 0;  // seconds from midnight; 0 where the timetable has none
};

// The stations: slots 1 upward up to the first slot that is empty or holds a
// sign's text (a sign's cell names its slot).
std::vector<StazioneMappa> stazioni_della_linea(const std::vector<stazione>& slot,
                                                const std::vector<cella>& celle);

// Whether the plan belongs to these cells: one point per metre up to the
// declared line length plus 7000 m, and as many cells as that length gives.
bool piano_compatibile(const Piano& piano, const std::vector<stazione>& slot,
                       const std::vector<cella>& celle);

// Text for XML content and attribute values.
std::string testo_xml(const std::string& utf8);

std::string disegna_mappa(const DatiMappa& dati);

}  // namespace progetto1::strumento
