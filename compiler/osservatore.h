// What a check of the description texts hears from the readers. The package
// reads without an observer: it records the first fault and stops. With one,
// every fault is told to the observer instead of the register, and reading
// goes on with the next record; the readers also tell it where they drop,
// overwrite, reorder, round, clamp or truncate what a text says. The words
// for all of it belong to the tool.
#pragma once

#include <cstdint>
#include <string>

#include "compiler/luogo.h"
#include "model/cella.h"
#include "model/codici_errore.h"

namespace progetto1 {

// What the package accepts without a code, but an author would not mean.
enum class Avviso {
  kChiaveSconosciuta,   // a word field that no keyword test matches
  kChiaveAmbigua,       // a field that more than one keyword test matches
  kValoreInPiu,         // a field left over after a record's values
  kChiaveConTrattino,   // a word field passed over for its hyphen-minus
  kFuoriSezione,        // a general record after the general section, or the reverse
  kLunghezzaRipetuta,   // a second length line: the track is made again, empty
  kCurvaPiuCifre,       // a curve keyword with more than one grade digit
  kFuoriGriglia,        // a position that rounds to another cell than the one it lies in
  kFuoriOrdine,         // a record behind the one before it: "its end", or "its position its line"
  kOltreLaLinea,        // a position beyond the line's declared length
  kVelocitaFuoriPasso,  // a speed that is not a multiple of the speed step
  kTestoLungo,          // a text longer than the documents' columns
  kCarattereNonCp1252,  // bytes that are no Windows-1252 character, or UTF-8
  kRallentamentoSenzaFine,   // a slow-down whose end falls in its start cell
  kOrarioIndietro,           // a station time before the previous station's: "time previous"
  kPendenzaTroncata,         // a gradient that its byte cannot hold: the gradient
  kMarcaSostituita,          // a sign or signal placed on a mountain marker
  kTempoAlzato,              // a signal time raised to kTempoSegnaleMinimo
  kMontagnaUnita,            // a mountain stretch turned into the joined kind by the one before
  kRegistroResiduo,          // the package would stop the train text here on a line code
  kValoreTroncato,           // a value that its 16-bit cell field cannot hold
  kIntestazioneSconosciuta,  // a heading that is none of its text's: the heading
  // A value outside its field's range in the catalogue: "record field value"
  // (the record's catalogue entry by number, the field 1-based).
  kFuoriIntervallo,
  kVirgolaDecimale,  // a number and a field of one to three digits after it: "4,5"
  // A station written after one that lies further along the line:
  // "name\tposition\tprevious name\tits line\tits position".
  kStazioneFuoriOrdine,
  // The check's own, never told by the readers: a line text given as the
  // train text, or the reverse.
  kTestoScambiato,
};

// What a read that failed met (code 25): the record being read, and the
// value field that could not be read.
struct GuastoLettura {
  std::string chiave;    // the record's keyword field as written
  long riga_record = 0;  // the line of that keyword
  long colonna_record = 0;
  int campo = 0;        // 1-based value field of the record; 0: none was being read
  long riga_campo = 0;  // where that field began
  std::string trovato;  // the number field as written, when one was being read
  long guasto = 0;      // the failure's number: 13 no number, 6 too large, 62 end of text
};

class Osservatore {
 public:
  virtual ~Osservatore() = default;
  // Told right before the code 25 it explains.
  virtual void lettura_fallita(const GuastoLettura&) {}
  // A code that the package would record; luogo has no text for the
  // signal-code pass and the finishing stage, which work on cells.
  virtual void errore(CodiceErrore codice, std::int32_t posizione, const Luogo& luogo) = 0;
  virtual void avviso(Avviso a, const Luogo& luogo, const std::string& dettaglio) = 0;
  // A record that took a cell, so that codes found on cells can name it.
  virtual void record(const Luogo& luogo, std::int32_t cella) = 0;
  // A record whose value the reader laid on the field `campo` of cells prima
  // to ultima, beside whatever feature they hold: a gradient, a speed limit
  // or an adhesion up to the next record of its kind, a mountain stretch, the
  // approach marks of a signal or a station.
  virtual void copre(const Luogo& luogo, std::int32_t prima, std::int32_t ultima,
                     std::uint8_t cella::*campo) = 0;
};

}  // namespace progetto1
