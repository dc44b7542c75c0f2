// The rows of the two box-drawn tables handed to the driver, the timetable
// sheet and the slow-down order. Each row is built from its values into the
// table's empty row, so that every value lands in its own field between the
// bars and no column can drift.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace progetto1 {

// --- Timetable sheet -------------------------------------------------------

// An empty data row; bars at columns 1, 7, 13, 24, 30, 59, 76 and 82.
inline constexpr std::string_view kRigaVuotaScheda =
    " |     |     |          |     |                            |                |     |";

struct Orario {
  std::int32_t ore = 0;
  std::int32_t minuti = 0;
};

// "2.50": the hour without a leading zero, a point, the minutes in two digits.
std::string testo_orario(Orario orario);
// A chainage in metres as kilometres with three decimals: 100769 -> "100.769".
std::string testo_progressiva(std::int32_t metri);

struct RigaScheda {
  std::int32_t velocita = 0;                  // km/h from this point on; 0: no change
  std::optional<std::int32_t> progressiva{};  // chainage in metres; none on switch rows
  std::string testo{};                        // place, at most 27 characters
  std::optional<Orario> arrivo{};             // with partenza: the pair "arrivo - partenza"
  std::optional<Orario> partenza{};           // alone: the single time of the row
  std::int32_t recupero_decimi = 0;           // recovery margin in tenths of a minute; 0: none
};

// One data row of 83 characters. A value that does not fit its field is a
// defect of the embedded content and fails with Guasto 6.
std::string riga_scheda(const RigaScheda& riga);

// A change of speed at a chainage ("km 98.663") and at a kilometre post
// ("cippo km 0.000"): the text repeats the row's own chainage.
RigaScheda cambio_velocita_km(std::int32_t velocita, std::int32_t progressiva);
RigaScheda cambio_velocita_cippo(std::int32_t velocita, std::int32_t progressiva);

// --- Slow-down order -------------------------------------------------------

// An empty table row; bars at columns 1, 5, 34, 47, 58, 68 and 81.
inline constexpr std::string_view kRigaVuotaRallentamenti =
    " |   |                            |            |          |         |            |";

struct RigaRallentamento {
  std::int32_t numero = 0;
  std::string stazione{};  // in capitals, at most 27 characters
  std::int32_t cippo = 0;  // kilometre post after which the slow-down begins
  std::int32_t velocita = 0;
  std::int32_t lunghezza = 0;  // metres
  char prescrizione = ' ';     // letter of the "Prescrizioni specifiche"
};

// One table row of 82 characters; Guasto 6 when a value does not fit.
std::string riga_rallentamento(const RigaRallentamento& riga);

}  // namespace progetto1
