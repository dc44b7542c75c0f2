// Constants of the package that the compiler, the writers and the tool all
// rely on.
#pragma once

#include <cstdint>

namespace progetto1 {

// The track is cut into cells of 50 m; position 0 lies in cell 1.
inline constexpr std::int32_t kMetriCella = 50;
// The track, and with it the plan, runs on this far past the declared length.
inline constexpr std::int32_t kEstensioneLinea = 7000;
// A cell's speed limit counts steps of 5 km/h.
inline constexpr std::int32_t kPassoVelocita = 5;
// A speed board packs two speeds per field: the first times 20 plus the
// second in speed steps.
inline constexpr std::int32_t kFattoreIndicatore = 20;
// Stations of this category and above have no stop mark.
inline constexpr std::int32_t kCategoriaSenzaFermata = 25;

// The longest line a text may declare (code 1).
inline constexpr std::int32_t kLunghezzaMassima = 1000000;
// The highest metre index the plan may reach (code 103 beyond).
inline constexpr std::int32_t kUltimoMetroPiano = 1000000;

// A record's position passes the readers' bound check while the position
// plus this still lies on the track (a station's: plus kMargineStazione);
// beyond, reading stops (code 15).
inline constexpr std::int32_t kMargineRecord = 100;
inline constexpr std::int32_t kMargineStazione = 800;

// A cell holds its gradient plus this, in one byte.
inline constexpr std::int32_t kScostamentoPendenza = 100;

// Curve keywords name a grade from 1 to this.
inline constexpr int kGradoCurvaMassimo = 6;

// The package keeps this many mountain stretches; one more is failure 9.
inline constexpr std::int32_t kMassimoMontagne = 80;
// A stretch that starts at most this far after the previous one ends is laid
// as kind kTipoMontagnaUnita.
inline constexpr std::int32_t kDistanzaMontagneUnite = 150;
inline constexpr std::int32_t kTipoMontagnaUnita = 3;
// A mountain record's kind above this is the kind less this, with a marker
// in every kPassoMarcatori-th cell of the stretch.
inline constexpr std::int32_t kMontagnaConMarcatori = 10;
inline constexpr std::int32_t kPassoMarcatori = 4;

// A signal time from 1 up to below this is raised to it.
inline constexpr std::int32_t kTempoSegnaleMinimo = 101;
constexpr bool tempo_da_alzare(std::int32_t tempo) {
  return tempo >= 1 && tempo < kTempoSegnaleMinimo;
}

// A slow-down starting beyond kInizioConAvviso has a warning board
// kDistanzaAvviso before its start.
inline constexpr std::int32_t kInizioConAvviso = 1500;
inline constexpr std::int32_t kDistanzaAvviso = 1200;

// A platform length is a multiple of this (code 9).
inline constexpr std::int32_t kPassoMarciapiede = 100;
// The least gap between two station zones (code 22).
inline constexpr std::int32_t kDistanzaStazioni = 350;
// Categories 5 to 8 lay the station's zone back from its position by the
// platform's length instead of around it, and drop field 6.
constexpr bool zona_arretrata(std::int32_t categoria) { return categoria >= 5 && categoria <= 8; }
// Of those, 5 and 6 end the zone kCodaZonaCorta after the position and lay
// no approach marks.
constexpr bool zona_corta(std::int32_t categoria) { return categoria == 5 || categoria == 6; }
inline constexpr std::int32_t kCodaZonaCorta = 150;
// Other categories centre the zone on the position; field 6 set lengthens
// it by this at its end.
inline constexpr std::int32_t kAllungoCampo6 = 50;
// A station's approach mark in the k-th cell before its stop mark (k = 1 to
// 4) is this plus k.
inline constexpr std::int32_t kBaseAvvicinamentoStazione = 80;

// A position in cells, as the readers compute it before rounding.
constexpr double in_celle(std::int32_t metri) { return metri / static_cast<double>(kMetriCella); }
// Where cell c begins, in metres from the origin.
constexpr long inizio_cella(long c) { return (c - 1) * kMetriCella; }

}  // namespace progetto1
