// The marks of the map, each drawn from one entry of one table, so that the
// plan, the profile and the legend show the same symbol.
#pragma once

#include <string>
#include <vector>

#include "tools/disegno/svg.h"

namespace progetto1::strumento {

inline constexpr const char* kColoreLinea = "#1f3a5f";
inline constexpr const char* kColoreSegnale = "#d62728";
inline constexpr const char* kColoreCartello = "#1f77b4";
inline constexpr const char* kColoreIndicatore = "#2ca02c";
inline constexpr const char* kColoreRallentamento = "#ff7f0e";
inline constexpr const char* kColoreMontagna = "#8c564b";
inline constexpr const char* kColoreCodice = "#9467bd";
inline constexpr const char* kColoreStazione = "#222222";
inline constexpr const char* kColoreGriglia = "#e3e3e3";
inline constexpr const char* kColoreAssi = "#555555";

enum class Simbolo {
  kLinea,
  kOltreLaFine,
  kStazioneConFermata,
  kStazioneSenzaFermata,
  kSegnale,
  kCartello,
  kIndicatore,
  kRallentamento,
  kAvviso,
  kMontagna,
  kCodice,
  kVelocita,
};

enum class Forma {
  kCerchio,    // misura: the radius
  kQuadrato,   // misura: half the side
  kRombo,      // misura: half the diagonal
  kTriangolo,  // misura: half the base
  kTratto,     // a line, drawn along the track
};

struct VoceSimbolo {
  Simbolo simbolo;
  Forma forma;
  double misura;
  std::string stile;  // fill and stroke attributes
  const char* legenda;
};

// Every symbol, in the legend's order.
const std::vector<VoceSimbolo>& simboli();
const VoceSimbolo& simbolo(Simbolo s);

// The tag and attributes of a marker centred on (x, y), style included.
struct ElementoSvg {
  std::string tag;
  std::string attributi;
};
ElementoSvg marca(const VoceSimbolo& v, double x, double y);

// The legend beside the plan; returns its lower edge.
double legenda(Svg& s, double x, double y);
// Without the plan only the profile's own marks need explaining, in one row.
void legenda_profilo(Svg& s, double y);

}  // namespace progetto1::strumento
