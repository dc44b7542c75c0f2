// A package executable may carry a scenario of its own, appended to its file:
// the copy of Progetto1 that `scenario package` makes for an author. The
// start of an executable is fixed by its format and its end is free, so the
// data goes at the end, closed by a trailer of fixed size that points back
// to where it starts; the reader needs only the trailer to find it.
//
// Layout, every number little-endian, from offset S (the size of the bare
// executable) to the end of the file:
//
//   header, 16 bytes
//     0   8  magic "P1SCENAR"
//     8   4  format version, 1
//     12  4  size B of the body
//   body, B bytes
//     the line name, then the train number: each a 4-byte length and its
//     bytes (Windows-1252, as the package holds them)
//     the line text, the train text, the timetable sheet, the slow-down
//     order, the notes: each a 4-byte count of lines (at most 1000), then
//     every line as a 4-byte length and its Windows-1252 bytes, without line
//     end
//   trailer, 24 bytes, the last of the file
//     0   8  S, the offset of the header
//     8   4  B again
//     12  4  CRC-32 (the common reflected one, 0xEDB88320) of header and body
//     16  8  magic "P1SCFINE"
//
// A file not ending with the trailer's magic carries no data, unless the
// bytes right after the end of the program itself (as its own headers give
// it) begin with the header's magic: then it is a package cut short, its
// data damaged. One that does end with the trailer carries data that must
// be whole: both magics, S + 16 + B + 24 equal to the file's size, the
// checksum, a known version, lengths inside the body and filling it exactly,
// and every line one the writers can write as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scenario/scrittori/testi.h"

namespace progetto1 {

inline constexpr std::uint32_t kVersioneAccodato = 1;
inline constexpr std::size_t kDimensioneIntestazione = 16;
inline constexpr std::size_t kDimensioneCoda = 24;

std::uint32_t crc32(std::string_view byte);

// The data that, appended to a bare executable of `dimensione_base` bytes,
// carries `s`. The caller has checked every line with
// motivo_riga_non_scrivibile and that each text has at most 1000 lines.
std::string componi_accodato(const Scenario& s, std::uint64_t dimensione_base);

// Why a line (Windows-1252, without line end) cannot go through the text
// writers unchanged, or empty when it can: a CR or LF inside it, a byte the
// code page leaves undefined (the writers' conversion would make it "?"), or
// the sentinel, where the writer would stop.
std::string motivo_riga_non_scrivibile(std::string_view riga);

struct ContenutoAccodato {
  enum class Stato { kAssente, kValido, kDanneggiato };
  Stato stato = Stato::kAssente;
  Scenario scenario;         // with kValido
  std::string motivo;        // with kDanneggiato, for people
  std::uint64_t inizio = 0;  // where the data starts: the size of the bare executable
};

// Whether a file ending with `coda` (its last kDimensioneCoda bytes or more)
// carries data at all, sound or not: only then need it be read whole.
bool ha_coda_accodata(std::string_view coda);

// The parts of a file the reader needs, no more: a package reads its own
// file on every start, and only its data is of use.
class LettoreFile {
 public:
  virtual ~LettoreFile() = default;
  // The last n bytes, or all of a shorter file.
  virtual std::string coda(std::size_t n) = 0;
  // The n bytes from offset da, or as many as there are (none past the end).
  virtual std::string parte(std::uint64_t da, std::size_t n) = 0;
};

// What the file carries; `inizio` is left 0 when it carries nothing.
ContenutoAccodato leggi_accodato(LettoreFile& file);
// What the whole file `file` carries.
ContenutoAccodato leggi_accodato(std::string_view file);

// Whether a file's first bytes are those of a Windows program (the "MZ" of
// its DOS header) or of a Linux one (the ELF magic).
inline bool eseguibile_windows(std::string_view testa) { return testa.substr(0, 2) == "MZ"; }
inline bool eseguibile_linux(std::string_view testa) {
  return testa.substr(0, 4) == std::string_view(
                                   "\x7f"
                                   "ELF",
                                   4);
}

// How many of a program's first bytes fine_eseguibile reads at most.
inline constexpr std::size_t kDimensioneTesta = 4096;

// Where the program itself ends in its file, by the headers in its first
// bytes `testa`: for a Linux program (64-bit ELF) the end of its section
// header table or of its last segment, whichever is later; for a Windows one
// (PE) the end of its last section or of its certificate. Nothing for any
// other file, and for a Windows program with a symbol table (an unstripped
// build), whose end these bytes do not give.
std::optional<std::uint64_t> fine_eseguibile(std::string_view testa);

// Whether `dopo`, the bytes from the end of the program on, begin as
// appended data does: the trace of a package whose end was cut off.
bool inizia_come_accodato(std::string_view dopo);

// The reason given for such a package.
inline constexpr const char* kMotivoCoda =
    "i dati accodati sono troncati: ne manca la fine, con la coda che li chiude";

}  // namespace progetto1
