// One 50 m cell of the track. The field order and widths are those of the
// 15-byte record of the track cell file.
#pragma once

#include <cstdint>
#include <string>

namespace progetto1 {

// Kinds of the feature held in a cell (`genere`).
enum Genere : std::uint8_t {
  kNessuno = 0,
  kSegnale = 1,
  kFineRallentamento = 2,
  kInizioRallentamento = 3,
  kAvvisoRallentamento = 4,
  kPreavviso = 5,
  kIndicatoreVmax = 6,
  kFermata = 10,
  kMarcaMontagna = 11,
  kPuntoCodice = 12,
  kAbbattimento = 13,
  kCartello = 14,
};

// Names for people, as the tool shows them: "segnale",
// "inizio_rallentamento"... ("genere_N" for a kind the package never writes).
std::string nome_genere(std::uint8_t genere);

struct cella {
  std::uint8_t genere = 0;
  std::int16_t dato1 = 0;
  std::int16_t dato2 = 0;
  std::int16_t dato3 = 0;
  std::int16_t dato4 = 0;
  std::uint8_t tempo = 0;
  std::uint8_t avvicinamento = 0;
  std::uint8_t montagna = 0;
  std::uint8_t vel_limite = 0;
  std::uint8_t pendenza = 0;
  std::uint8_t aderenza = 0;

  // A new feature may go into a cell that is empty or holds only a mountain
  // marker, which it then replaces.
  bool libera() const { return genere == kNessuno || genere == kMarcaMontagna; }

  bool operator==(const cella&) const = default;
};

}  // namespace progetto1
