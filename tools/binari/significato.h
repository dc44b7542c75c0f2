// What the stored values of the binary files mean, field by field, in the
// words of the texts' catalogue: a cell's speed limit in km/h, its gradient
// in per mille, a signal's packed values by name, a station's category and
// time. dump, view and check show these beside the stored numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/stazione.h"

namespace progetto1::strumento {

// One stored field and what it holds: {"vel_limite", 22, "110 km/h"}.
struct Significato {
  std::string campo;        // the field of the file: "dato1", "vel_limite", "valore4"
  long valore = 0;          // as stored
  std::string spiegazione;  // Italian, UTF-8: "s1 3, d1 0", "110 km/h"
};

// The fields of cell `indice` that carry something, in file order. With
// the station table the stop marks and signs also name their station or
// lettering.
std::vector<Significato> significato_cella(long indice, const cella& c,
                                           std::span<const stazione> stazioni = {});
// The fields of a slot of the station table that carry something.
std::vector<Significato> significato_slot(long slot, const stazione& s);

// "vel_limite 22 (110 km/h), pendenza 99 (-1 ‰)": the fields side by side.
std::string testo_significati(const std::vector<Significato>& s);

// "110 km/h": the speed a cell's vel_limite stands for.
std::string velocita_cella(std::uint8_t vel_limite);
// "-9 ‰": the gradient a cell's pendenza stands for.
std::string pendenza_cella(std::uint8_t pendenza);
// "2:50:00" from seconds after midnight.
std::string orario(std::int32_t secondi);
// "88+016" from a chainage in metres.
std::string chilometri(std::int64_t metri);

// The chainage range of the station table (slots 81 to 83) that a position
// lies in: the one with the greatest start not beyond it. The chainage at
// its start is given as the text wrote it (without the 100 m that the flag
// adds). None when no range starts at or before the position, or when the
// table holds no range.
struct Tratta {
  long slot = 0;
  std::int32_t inizio = 0;       // metres from the line's origin
  std::int32_t progressiva = 0;  // as written in the text, metres
  std::int32_t contrassegno = 0;
};
std::optional<Tratta> tratta_di(std::int32_t posizione, std::span<const stazione> stazioni);

}  // namespace progetto1::strumento
