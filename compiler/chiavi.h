// The keyword tests of the two description texts: a field is a record's
// keyword when it contains the record's words. m is the field in lower case,
// r the field as written (the chainage, background and signal-repetition
// words are recognised in lower case only).
#pragma once

#include <string_view>

namespace progetto1::chiave {

inline bool ha(std::string_view testo, std::string_view parola) {
  return testo.find(parola) != std::string_view::npos;
}

// The general section of the line text.
inline bool lunghezza(std::string_view m) { return ha(m, "percorso") && ha(m, "lunghezza"); }
inline bool progressiva_tre(std::string_view r) { return ha(r, "tre") && ha(r, "progressiva"); }
inline bool progressiva_due(std::string_view r) { return ha(r, "due") && ha(r, "progressiva"); }
inline bool progressiva_uno(std::string_view r) { return ha(r, "uno") && ha(r, "progressiva"); }
inline bool sfondo_uno(std::string_view r) { return ha(r, "sfondo") && ha(r, "uno"); }
inline bool sfondo_due(std::string_view r) { return ha(r, "sfondo") && ha(r, "due"); }
inline bool sfondo_tre(std::string_view r) { return ha(r, "sfondo") && ha(r, "tre"); }
inline bool ripetizione(std::string_view r) { return ha(r, "segnali") && ha(r, "ripetizione"); }

inline int generali(std::string_view r, std::string_view m) {
  return lunghezza(m) + progressiva_tre(r) + progressiva_due(r) + progressiva_uno(r) +
         sfondo_uno(r) + sfondo_due(r) + sfondo_tre(r) + ripetizione(r);
}

// The line's elements.
inline bool pendenza(std::string_view m) { return ha(m, "pendenza"); }
inline bool curva(std::string_view m) { return ha(m, "curva"); }
inline bool montagna(std::string_view m) { return ha(m, "montagna"); }
inline bool indicatore_vmax(std::string_view m) { return ha(m, "indicatori_v"); }
inline bool cartello(std::string_view m) { return ha(m, "indicat") && ha(m, "cartello"); }

inline int elementi_linea(std::string_view m, bool con_piano) {
  return pendenza(m) + (curva(m) && con_piano) + montagna(m) + indicatore_vmax(m) + cartello(m);
}

// The train text.
inline bool massa_frenata(std::string_view m) { return ha(m, "frenata") && ha(m, "massa"); }
inline bool vetture(std::string_view m) { return ha(m, "vetture"); }
inline bool velocita(std::string_view m) { return ha(m, "velocit"); }
inline bool aderenza(std::string_view m) { return ha(m, "aderenza"); }
inline bool orologio(std::string_view m) { return ha(m, "orologio"); }
inline bool sabbia(std::string_view m) { return ha(m, "sabbia"); }
inline bool segnale(std::string_view m) { return ha(m, "segnale"); }
inline bool rallentamento(std::string_view m) { return ha(m, "rallentamento"); }
inline bool abbattimento(std::string_view m) { return ha(m, "abbattimento"); }
inline bool stazione(std::string_view m) { return ha(m, "stazione"); }

inline int treno(std::string_view m) {
  return massa_frenata(m) + vetture(m) + velocita(m) + aderenza(m) + orologio(m) + sabbia(m) +
         segnale(m) + rallentamento(m) + abbattimento(m) + stazione(m);
}

// A heading ends the general section: "[" and "]", not after a hyphen-minus.
inline bool intestazione(std::string_view r) {
  const std::size_t inizio = r.find_first_not_of(" \t");
  const bool trattino = inizio != std::string_view::npos && r[inizio] == '-';
  return !trattino && ha(r, "[") && ha(r, "]");
}

}  // namespace progetto1::chiave
