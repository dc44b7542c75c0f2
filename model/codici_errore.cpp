#include "model/codici_errore.h"

#include <algorithm>

#include "model/guasto.h"

namespace progetto1 {

namespace {

using C = CodiceErrore;
using TP = TipoPosizione;
using O = Origine;

constexpr VoceErrore kTabella[] = {
    {C::kLunghezzaOltreIlMassimo, "la lunghezza del percorso supera 1000000 m", TP::kNessuna,
     O::kLinea},
    {C::kProgressivaNonMultipla,
     "una progressiva chilometrica ha inizio o progressiva non multipli di 50", TP::kNessuna,
     O::kLinea},
    {C::kRipetizionePrimoNonMultiplo,
     "il primo valore della ripetizione segnali non è multiplo di 50", TP::kNessuna, O::kLinea},
    {C::kRipetizioneSecondoNonMultiplo,
     "il secondo valore della ripetizione segnali non è multiplo di 50", TP::kNessuna, O::kLinea},
    {C::kRipetizioneSenzaCodici, "la riga della ripetizione segnali non contiene né \"4\" né \"9\"",
     TP::kNessuna, O::kLinea},
    {C::kCartelloOccupato, "la cella del cartello indicatore è già occupata", TP::kRecord,
     O::kLinea},
    {C::kAbbattimentoOccupato, "la cella prima della posizione dell'abbattimento è già occupata",
     TP::kCellaPrima, O::kTreno},
    {C::kStazioneNonMultipla, "la posizione della stazione non è multipla di 50", TP::kRecord,
     O::kTreno},
    {C::kMarciapiedeNonMultiplo, "la lunghezza del marciapiede non è multipla di 100", TP::kRecord,
     O::kTreno},
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
    {C::kOltreIlPercorso,
     "la posizione è oltre la fine del percorso (più 100 m, 800 m per una stazione, supera "
     "l'ultima cella)",
     TP::kRecord, O::kLinea},
    {C::kSegnaleOccupato, "la cella del segnale è già occupata", TP::kRecord, O::kTreno},
    {C::kAvvisoOccupato,
     "la cella dell'avviso, 1200 m prima dell'inizio del rallentamento, è già occupata",
     TP::kRecord, O::kTreno},
    {C::kInizioRallentamentoOccupato, "la cella di inizio del rallentamento è già occupata",
     TP::kRecord, O::kTreno},
    {C::kFineRallentamentoOccupato, "la cella di fine del rallentamento è già occupata",
     TP::kRecord, O::kTreno},
    {C::kPreavvisoOccupato,
     "una delle quattro celle prima dell'avviso di rallentamento è già occupata", TP::kRecord,
     O::kTreno},
    {C::kIndicatoreOccupato, "la cella dell'indicatore di velocità massima è già occupata",
     TP::kRecord, O::kLinea},
    {C::kStazioniTroppoVicine,
     "la zona della stazione inizia meno di 350 m dopo la fine della zona precedente", TP::kRecord,
     O::kTreno},
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
    {C::kCurvaNonValida,
     "una curva non contiene nessuna delle cifre da 1 a 6, oppure il tracciato supera il "
     "metro 1000000",
     TP::kNessuna, O::kLinea},
    {C::kValoriPacchetto,
     "la cella 1 (dato1) o lo slot 85 (intero1) contengono già un valore: una voce in "
     "posizione 0 occupa il posto dei valori del pacchetto",
     TP::kNessuna, O::kFinitura},
    {C::kCodiciControllo,
     "la cella 1 (dato2) o lo slot 85 (valore4) contengono già un valore: una voce in "
     "posizione 0 occupa il posto dei codici di controllo",
     TP::kNessuna, O::kFinitura},
};

}  // namespace

std::span<const VoceErrore> tabella_errori() { return kTabella; }

const VoceErrore* voce_errore(std::int32_t n) {
  const auto* v = std::find_if(std::begin(kTabella), std::end(kTabella),
                               [n](const VoceErrore& x) { return numero(x.codice) == n; });
  return v == std::end(kTabella) ? nullptr : v;
}

const VoceErrore& voce_errore(CodiceErrore c) {
  const VoceErrore* v = voce_errore(numero(c));
  // A code declared without its meaning is a fault of this table.
  if (v == nullptr) throw Guasto::errore_interno();
  return *v;
}

}  // namespace progetto1
