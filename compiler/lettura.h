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
#include "compiler/catalogo/catalogo.h"
#include "compiler/osservatore.h"
#include "compiler/traccia.h"
#include "model/archivio.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "model/pacchetto.h"

namespace progetto1 {

struct Lettura {
  Lettura(Pacchetto& pacchetto, Archivio& arch, Traccia* tr, Osservatore* oss)
      : p(pacchetto), archivio(arch), traccia(tr), osservatore(oss) {}

  Pacchetto& p;
  Archivio& archivio;
  Traccia* traccia;
  Osservatore* osservatore;  // null in the package

  Luogo::Testo testo = Luogo::Testo::kNessuno;  // the text being read
  std::optional<LettoreCampi> campi;
  long riga_record = 0;  // line of the current record's keyword field
  long colonna_record = 0;
  std::string chiave_record;  // a check only: that field
  // A check only: a line record beyond the track, whose code the package
  // would still hold when the train text's next signal or slow-down is placed.
  bool codice_residuo = false;
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
  void avvisi_posizione(std::int32_t pos) const;
  void avviso_trattino() const;
  // The warnings of a check about the keyword candidate in p.riga, which
  // `riconosciute` tests of this section matched; altra_sezione: a test of
  // the other part of the line text would have.
  void avvisi_chiave(int riconosciute, bool altra_sezione);
  void avvisi_curva(const std::string& chiave, std::int32_t inizio, std::int32_t lunghezza,
                    std::int32_t metro) const;
  void avvisi_montagna(std::int32_t fine, std::int32_t tipo_scritto, std::int32_t tipo) const;
  void avviso_velocita(std::int32_t v, int valore) const;
  void avvisi_testo(const std::string& t, int valore, std::size_t massimo) const;
  // A check only: the previous record of a kind that goes in order.
  struct Precedente {
    std::int32_t posizione = -1;
    long riga = 0;
  };
  void avviso_ordine(Precedente& precedente, std::int32_t pos) const;
  // A value the placement stores into a 16-bit field of a cell.
  void avviso_16(std::int32_t v, int valore) const {
    if (basso16(v) != v) avviso(Avviso::kValoreTroncato, valore, std::to_string(v));
  }
  void avvisi_segnale(std::int32_t pos, std::int32_t sx, std::int32_t tempo);
  // A value outside the range the catalogue gives its field (1-based).
  void avviso_intervallo(catalogo::Voce v, int campo, std::int64_t valore) const;
  void avvisi_rallentamento(std::int32_t x, std::int32_t v, std::int32_t lunghezza);

  // A check only.
  long riga_ultimo_record = 0;
  bool stazioni_chiuse = false;    // the station table is full
  std::int32_t ultimo_orario = 0;  // of the last station with a time
  struct StazioneLetta {
    std::string nome;
    long riga = 0;
    std::int32_t posizione = 0;
  };
  std::optional<StazioneLetta> stazione_precedente;
  Luogo luogo_progressive;  // the first chainage value not a multiple of 50
  // The line to report for a failure caught by the reader's handler.
  long riga_guasto() const;
  long colonna_guasto() const;

  // A check reads on where the package stops.
  bool verifica() const { return osservatore != nullptr; }
  // Where the current record stands: 0 its keyword, n its n-th value.
  Luogo luogo(int valore = 0) const;
  // In a check: tells the observer the code, at the record's value n, skips
  // what is left of the record's line and returns true, so that the reader
  // goes on with the next record. In the package: false.
  bool prosegui(CodiceErrore codice, std::int32_t posizione = 0, int valore = 0);
  // The same after a placement call that recorded a code: the register is
  // left as it was before the call.
  bool prosegui_dopo_piazzamento(std::int32_t codice_prima, std::int32_t posizione);
  // In a check: a failure of the field reading or of the arithmetic, caught
  // in a record loop, told as code 25; true when reading can go on with the
  // next line (there are cells to read into).
  bool prosegui_dopo_guasto(const Guasto& g);
  // Tells the observer what the failed read met.
  void spiega_guasto(const Guasto& g) const;
  void avviso(Avviso a, int valore = 0, const std::string& dettaglio = {}) const {
    if (osservatore != nullptr) osservatore->avviso(a, luogo(valore), dettaglio);
  }
  void record(std::int32_t cella) const {
    if (osservatore != nullptr) osservatore->record(luogo(), cella);
  }
  // luogo: the record whose value was laid; none (line 0) for the value that
  // holds before the first record of its kind.
  void copre(const Luogo& luogo, std::int32_t prima, std::int32_t ultima,
             std::uint8_t cella::*campo) const {
    if (osservatore != nullptr && luogo.riga > 0 && prima <= ultima) {
      osservatore->copre(luogo, prima, ultima, campo);
    }
  }
};

// What fits the documents' columns: a sign's lettering, a station's name.
inline constexpr std::size_t kLetteraCartello = 45;
inline constexpr std::size_t kNomeStazione = 27;

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
