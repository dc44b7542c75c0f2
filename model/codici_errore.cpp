#include "model/codici_errore.h"

#include <algorithm>
#include <string>

#include "model/costanti.h"
#include "model/guasto.h"
#include "model/stazione.h"

namespace progetto1 {

namespace {

using C = CodiceErrore;
using TP = TipoPosizione;
using O = Origine;

std::string n(long v) { return std::to_string(v); }

}  // namespace

// A phrase that names one of the readers' rules takes the number from the
// rule's constant; the phrases are built on first use.
std::span<const VoceErrore> tabella_errori() {
  static const std::string lunghezza =
      "la lunghezza del percorso supera " + n(kLunghezzaMassima) + " m";
  static const std::string progressiva =
      "una progressiva chilometrica ha inizio o progressiva non multipli di " + n(kMetriCella);
  static const std::string ripetizione_primo =
      "il primo valore della ripetizione segnali non è multiplo di " + n(kMetriCella);
  static const std::string ripetizione_secondo =
      "il secondo valore della ripetizione segnali non è multiplo di " + n(kMetriCella);
  static const std::string stazione =
      "la posizione della stazione non è multipla di " + n(kMetriCella);
  static const std::string marciapiede =
      "la lunghezza del marciapiede non è multipla di " + n(kPassoMarciapiede);
  static const std::string oltre = "la posizione è oltre la fine del percorso (più " +
                                   n(kMargineRecord) + " m, " + n(kMargineStazione) +
                                   " m per una stazione, supera l'ultima cella)";
  static const std::string avviso = "la cella dell'avviso, " + n(kDistanzaAvviso) +
                                    " m prima dell'inizio del rallentamento, è già occupata";
  static const std::string vicine = "la zona della stazione inizia meno di " +
                                    n(kDistanzaStazioni) + " m dopo la fine della zona precedente";
  static const std::string curva = "una curva non contiene nessuna delle cifre da 1 a " +
                                   n(kGradoCurvaMassimo) +
                                   ", oppure il tracciato supera il metro " + n(kUltimoMetroPiano);
  static const std::string valori = "la cella 1 (dato1) o lo slot " + n(kSlotLinea) +
                                    " (intero1) contengono già un valore: una voce in posizione 0 "
                                    "occupa il posto dei valori del pacchetto";
  static const std::string controllo = "la cella 1 (dato2) o lo slot " + n(kSlotLinea) +
                                       " (valore4) contengono già un valore: una voce in "
                                       "posizione 0 occupa il posto dei codici di controllo";
  static const VoceErrore voci[] = {
      {C::kLunghezzaOltreIlMassimo, lunghezza.c_str(), TP::kNessuna, O::kLinea},
      {C::kProgressivaNonMultipla, progressiva.c_str(), TP::kNessuna, O::kLinea},
      {C::kRipetizionePrimoNonMultiplo, ripetizione_primo.c_str(), TP::kNessuna, O::kLinea},
      {C::kRipetizioneSecondoNonMultiplo, ripetizione_secondo.c_str(), TP::kNessuna, O::kLinea},
      {C::kRipetizioneSenzaCodici,
       "la riga della ripetizione segnali non contiene né \"4\" né \"9\"", TP::kNessuna, O::kLinea},
      {C::kCartelloOccupato, "la cella del cartello indicatore è già occupata", TP::kRecord,
       O::kLinea},
      {C::kAbbattimentoOccupato, "la cella prima della posizione dell'abbattimento è già occupata",
       TP::kCellaPrima, O::kTreno},
      {C::kStazioneNonMultipla, stazione.c_str(), TP::kRecord, O::kTreno},
      {C::kMarciapiedeNonMultiplo, marciapiede.c_str(), TP::kRecord, O::kTreno},
      {C::kTabellaStazioniPiena,
       "la tabella delle stazioni è piena: stazioni e cartelli insieme superano 78", TP::kNessuna,
       O::kTreno},
      {C::kSegnaleSenzaCodice,
       "un segnale nelle 20 celle prima di un avviso di rallentamento non ha libera né punto "
       "codice nessuna delle due celle che lo precedono",
       TP::kIndiceCella, O::kPassata},
      {C::kInizioSenzaCodice,
       "nessuna cella libera per un punto codice prima dell'inizio di un rallentamento",
       TP::kIndiceCella, O::kPassata},
      {C::kRallentamentoSenzaCodice,
       "nessuna cella libera per un punto codice lungo un rallentamento o prima del primo "
       "segnale dopo la sua fine",
       TP::kIndiceCella, O::kPassata},
      {C::kOltreIlPercorso, oltre.c_str(), TP::kRecord, O::kLinea},
      {C::kSegnaleOccupato, "la cella del segnale è già occupata", TP::kRecord, O::kTreno},
      {C::kAvvisoOccupato, avviso.c_str(), TP::kRecord, O::kTreno},
      {C::kInizioRallentamentoOccupato, "la cella di inizio del rallentamento è già occupata",
       TP::kRecord, O::kTreno},
      {C::kFineRallentamentoOccupato, "la cella di fine del rallentamento è già occupata",
       TP::kRecord, O::kTreno},
      {C::kPreavvisoOccupato,
       "una delle quattro celle prima dell'avviso di rallentamento è già occupata", TP::kRecord,
       O::kTreno},
      {C::kIndicatoreOccupato, "la cella dell'indicatore di velocità massima è già occupata",
       TP::kRecord, O::kLinea},
      {C::kStazioniTroppoVicine, vicine.c_str(), TP::kRecord, O::kTreno},
      {C::kFermataSullaCellaUno,
       "la zona della fermata finisce entro 100 m dall'origine: il segno di fermata cadrebbe "
       "sulla cella 1 o prima",
       TP::kNessuna, O::kTreno},
      {C::kLettura,
       "errore di lettura: testo mancante, numero non valido o troppo grande per il suo campo, "
       "oppure fine del testo dentro un record",
       TP::kNessuna, O::kLinea},
      {C::kTestoLineaAssente, "il testo della linea non esiste", TP::kNessuna, O::kLinea},
      {C::kSenzaGenerale, "il testo della linea non contiene \"[generale]\"", TP::kNessuna,
       O::kLinea},
      {C::kCurvaNonValida, curva.c_str(), TP::kNessuna, O::kLinea},
      {C::kValoriPacchetto, valori.c_str(), TP::kNessuna, O::kFinitura},
      {C::kCodiciControllo, controllo.c_str(), TP::kNessuna, O::kFinitura},
  };
  return voci;
}

const VoceErrore* voce_errore(std::int32_t numero_codice) {
  const std::span<const VoceErrore> t = tabella_errori();
  const auto v = std::find_if(t.begin(), t.end(), [numero_codice](const VoceErrore& x) {
    return numero(x.codice) == numero_codice;
  });
  return v == t.end() ? nullptr : &*v;
}

const VoceErrore& voce_errore(CodiceErrore c) {
  const VoceErrore* v = voce_errore(numero(c));
  // A code declared without its meaning is a fault of this table.
  if (v == nullptr) throw Guasto::errore_interno();
  return *v;
}

}  // namespace progetto1
