// The records of the binary scenario files, each declared once: its fields
// with their names, in file order, each as wide as its member (Byte 1,
// Integer 2, Long 4; a text is a 16-bit length followed by its bytes). The
// writers, the tool's decoder and its dump all walk these declarations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>

#include "model/cella.h"
#include "model/stazione.h"
#include "model/tabella_linea.h"

namespace progetto1 {

template <class Record, class Tipo>
struct Campo {
  const char* nome;
  Tipo Record::*membro;
  int colonna;  // width of the field's column in the tool's text dump

  static constexpr bool kTesto = std::is_same_v<Tipo, std::string>;
  // Bytes in the file; a text counts only its length field.
  static constexpr std::size_t kByte = kTesto ? 2 : sizeof(Tipo);
};

// Track cell: 15 bytes.
inline constexpr std::tuple kCampiCella{
    Campo<cella, std::uint8_t>{"genere", &cella::genere, 20},
    Campo<cella, std::int16_t>{"dato1", &cella::dato1, 6},
    Campo<cella, std::int16_t>{"dato2", &cella::dato2, 6},
    Campo<cella, std::int16_t>{"dato3", &cella::dato3, 6},
    Campo<cella, std::int16_t>{"dato4", &cella::dato4, 6},
    Campo<cella, std::uint8_t>{"tempo", &cella::tempo, 5},
    Campo<cella, std::uint8_t>{"avvicinamento", &cella::avvicinamento, 13},
    Campo<cella, std::uint8_t>{"montagna", &cella::montagna, 8},
    Campo<cella, std::uint8_t>{"vel_limite", &cella::vel_limite, 10},
    Campo<cella, std::uint8_t>{"pendenza", &cella::pendenza, 8},
    Campo<cella, std::uint8_t>{"aderenza", &cella::aderenza, 8},
};

// Station slot: 34 bytes and its text.
inline constexpr std::tuple kCampiStazione{
    Campo<stazione, std::uint8_t>{"codice", &stazione::codice, 6},
    Campo<stazione, std::int32_t>{"valore1", &stazione::valore1, 9},
    Campo<stazione, std::int32_t>{"valore2", &stazione::valore2, 9},
    Campo<stazione, std::int32_t>{"valore3", &stazione::valore3, 9},
    Campo<stazione, std::uint8_t>{"selettore", &stazione::selettore, 9},
    Campo<stazione, std::string>{"testo", &stazione::testo, 0},
    Campo<stazione, std::int16_t>{"intero1", &stazione::intero1, 7},
    Campo<stazione, std::int16_t>{"intero2", &stazione::intero2, 7},
    Campo<stazione, std::int16_t>{"intero3", &stazione::intero3, 7},
    Campo<stazione, std::int16_t>{"intero4", &stazione::intero4, 7},
    Campo<stazione, std::int16_t>{"intero5", &stazione::intero5, 7},
    Campo<stazione, std::uint8_t>{"marca1", &stazione::marca1, 6},
    Campo<stazione, std::uint8_t>{"marca2", &stazione::marca2, 6},
    Campo<stazione, std::uint8_t>{"marca3", &stazione::marca3, 6},
    Campo<stazione, std::uint8_t>{"marca4", &stazione::marca4, 6},
    Campo<stazione, std::int32_t>{"valore4", &stazione::valore4, 10},
};

// Calls f on every field of a record's declaration, in file order.
template <class Campi, class F>
constexpr void per_ogni_campo(const Campi& campi, F&& f) {
  std::apply([&](const auto&... c) { (f(c), ...); }, campi);
}

template <class Campi>
constexpr std::size_t byte_campi(const Campi& campi) {
  std::size_t n = 0;
  per_ogni_campo(campi, [&](const auto& c) { n += c.kByte; });
  return n;
}

inline constexpr std::size_t kByteCella = 15;
// A station record without its text; the text adds its own length.
inline constexpr std::size_t kByteStazioneSenzaTesto = 34;
static_assert(byte_campi(kCampiCella) == kByteCella);
static_assert(byte_campi(kCampiStazione) == kByteStazioneSenzaTesto);

// Plan entry: a 2-byte tag, the value's type, then its payload. The file
// holds every x, then every y.
inline constexpr std::size_t kByteEtichetta = 2;
constexpr std::size_t byte_dato(TipoValore tipo) {
  switch (tipo) {
    case TipoValore::kVuoto:
      return 0;
    case TipoValore::kIntero:
      return 2;
    case TipoValore::kDoppio:
      return 8;
  }
  return 0;
}
inline constexpr TipoValore kTipiValore[] = {TipoValore::kVuoto, TipoValore::kIntero,
                                             TipoValore::kDoppio};
// Whether a tag read from a file names one of the types.
constexpr bool etichetta_valida(std::int16_t etichetta) {
  for (TipoValore t : kTipiValore) {
    if (etichetta == static_cast<std::int16_t>(t)) return true;
  }
  return false;
}

}  // namespace progetto1
