// The catalogue of the two description texts: their sections, and for every
// record kind its keyword, the words that recognise it, its value fields in
// order (name, unit, type, range, what the package makes of each), an example
// line and the codes and warnings it can give. The readers recognise records
// through it; the tool's help, the author's manual, dump, view and check take
// their names and words from it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/osservatore.h"
#include "model/codici_errore.h"

namespace progetto1::catalogo {

enum class Testo { kLinea, kTreno };

// How a value field is read: Long 32-bit, Integer 16-bit and Byte 8-bit
// numbers (a value its field cannot hold stops the reading), or a text that
// runs to the end of the line.
enum class Tipo { kLong, kIntero, kByte, kTesto };

struct Campo {
  std::string_view nome;         // "posizione", "vas": the same word everywhere
  std::string_view descrizione;  // what it is, for a person
  Tipo tipo;
  std::string_view unita;  // "m", "km/h", "‰", "s", or empty
  // The values an author may mean; the readers accept more (see effetto).
  std::int64_t minimo;
  std::int64_t massimo;
  std::int32_t multiplo;     // the value is a multiple of this; 1: any
  std::string_view effetto;  // what the package makes of it and where it is stored
};

// Every record kind, in the order the writers put them in the texts.
enum class Voce {
  kLunghezza,
  kProgressivaUno,
  kProgressivaDue,
  kProgressivaTre,
  kSfondoUno,
  kSfondoDue,
  kSfondoTre,
  kRipetizione,
  kCurva,
  kPendenza,
  kMontagna,
  kIndicatoreVmax,
  kCartello,
  kVetture,
  kMassaFrenata,
  kSabbia,
  kOrologio,
  kAderenza,
  kVelocita,
  kStazione,
  kRallentamento,
  kSegnale,
  kAbbattimento,
};

struct Record {
  Voce voce;
  Testo testo;
  std::string_view nome;  // the topic's name: "stazione", "progressiva chilometrica uno"
  // Where the writers put it; the line's general records are recognised only
  // in the general section, its other records only after it.
  std::string_view sezione;
  bool generale;
  std::string_view chiave;  // the keyword as the writers write it
  // A field is this record's keyword when it contains both words (the second
  // may be empty); with minuscole the words are matched as written, in lower
  // case, otherwise ignoring case.
  std::string_view parola1;
  std::string_view parola2;
  bool minuscole;
  std::string_view riconoscimento;  // what else the keyword says, for a person
  std::string_view descrizione;
  std::span<const Campo> campi;
  std::string_view esempio;  // one line as it may stand in the text
  std::span<const CodiceErrore> codici;
  std::span<const Avviso> avvisi;
};

struct Sezione {
  Testo testo;
  std::string_view intestazione;  // "[generale]"
  std::string_view descrizione;
  std::span<const Voce> voci;  // the records the writers put under it
};

std::span<const Record> records();
const Record& record(Voce v);
std::span<const Sezione> sezioni();

// The readers' test: true when a field is a keyword of v; scritto is the
// field as read, minuscolo the same in lower case. The curve's test is made
// only while the plan is built, and a field with a hyphen-minus is never
// tested: both are the readers' part.
bool riconosce(Voce v, std::string_view scritto, std::string_view minuscolo);
bool riconosce(Voce v, std::string_view campo);
// How many records of one part of a text a field is the keyword of: the
// line's general section, the line's other records (curves counted only
// with the plan), or the train text.
int riconoscimenti_generali(std::string_view scritto, std::string_view minuscolo);
int riconoscimenti_linea(std::string_view scritto, std::string_view minuscolo, bool con_piano);
int riconoscimenti_treno(std::string_view scritto, std::string_view minuscolo);

// The first record of text t whose keyword a field is, as the readers would
// take it; none when the field is no keyword of that text.
const Record* record_della_chiave(Testo t, std::string_view campo);

// The record whose name, keyword or recognition words are this word (any
// case); none for a word the catalogue does not know.
std::optional<Voce> cerca(std::string_view parola);

// A complete text: every section's heading with its records' examples
// under it, in the writers' order. The two compile without codes.
std::vector<std::string> testo_di_esempio(Testo t);

// True when a field, blanks around it aside and ignoring case, is one of the
// headings of the text.
bool e_intestazione(Testo t, std::string_view campo);

// The file names of the two texts, as a person reads them.
std::string_view nome_file(Testo t);
std::string_view nome_testo(Testo t);  // "testo della linea", "testo del treno"
std::string_view nome_tipo(Tipo t);    // "Long (32 bit)", ...

// A section heading's words that only group records for the reader.
inline constexpr std::string_view kGenerale = "[generale]";

// The radius of a curve of grade 1 to kGradoCurvaMassimo, in whole metres
// (the plan's own curvature and grade rules are in compiler/piano.h).
long raggio_grado(int grado);

}  // namespace progetto1::catalogo
