// What the two halves of memorizza_dati share while they read: the package,
// the archive, the text being read and where its current record stands, and
// the next free sign slot, which the line text fills and the train text's
// stations must not reach.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/campi.h"
#include "compiler/memorizza_dati.h"
#include "model/archivio.h"
#include "model/pacchetto.h"

namespace progetto1 {

struct Lettura {
  Lettura(Pacchetto& pacchetto, Archivio& arch, Traccia* tr)
      : p(pacchetto), archivio(arch), traccia(tr) {}

  Pacchetto& p;
  Archivio& archivio;
  Traccia* traccia;

  Traccia::Testo testo = Traccia::Testo::kNessuno;  // the text being read
  std::optional<LettoreCampi> campi;
  long riga_record = 0;  // line of the current record's keyword field
  std::int32_t prossimo_cartello = kPrimoSlotCartelli;

  // Reads the next field into p.riga as a candidate keyword.
  void leggi_chiave();
  // The head of each iteration of the record loops: false at the end of the
  // text; otherwise the next keyword candidate is in p.riga, after at most
  // two fields holding a hyphen-minus were passed over.
  bool prossima_chiave();
  // Deletes the text being read (reading it is over).
  void chiudi_ed_elimina();
  // Records a code in the register, and in the trace at the given line.
  void registra(CodiceErrore codice, long riga);
  void registra(CodiceErrore codice) { registra(codice, riga_record); }
  void registra(CodiceErrore codice, std::int32_t posizione, long riga);
  // Points the trace at the given line for the code already in the register.
  void traccia_riga(long riga);
  // After a placement call with the register positive: deletes the text
  // and records the code again with the record's position, as the reader
  // stops. codice_prima is the register before the call: a code the call did
  // not record itself came from an earlier record, which the trace keeps.
  void ferma_dopo_piazzamento(std::int32_t codice_prima, std::int32_t posizione);
  // The bound check of a record's position: true when (pos + margine) / 50
  // does not exceed the last cell; otherwise records code 15 with the
  // position. Without cells (no line length read) it is the index failure.
  bool entro_percorso(std::int32_t pos, std::int32_t margine);
  // The line to report for a failure caught by the reader's handler.
  long riga_guasto() const;
};

enum class Esito { kProsegui, kFine };

// The line text reader; kFine when memorizza_dati must end without reading
// the train text.
Esito leggi_testo_linea(Lettura& l);
// The train data reader.
void leggi_testo_treno(Lettura& l);

inline bool contiene(std::string_view testo, std::string_view parola) {
  return testo.find(parola) != std::string_view::npos;
}

}  // namespace progetto1
