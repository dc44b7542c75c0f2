#include "tools/aiuto/rimedi.h"

#include <map>

#include "model/costanti.h"
#include "model/stazione.h"

namespace progetto1::strumento::aiuto {

namespace {

using C = CodiceErrore;

std::string n(long v) { return std::to_string(v); }

}  // namespace

std::string rimedio(CodiceErrore c) {
  const std::string multiplo = "scrivi una posizione multipla di " + n(kMetriCella);
  const std::string cella_libera =
      " in una cella di " + n(kMetriCella) +
      " m che nessun segnale, rallentamento, fermata, cartello o indicatore occupa";
  // Cell 1 holds the package's own values: no record may take it.
  const std::string cella_uno =
      "sposta più avanti il record che occupa la cella 1: un record in "
      "posizione 0, o un abbattimento a " +
      n(kMetriCella) + " m";
  static const std::map<CodiceErrore, std::string> rimedi = {
      {C::kLunghezzaOltreIlMassimo,
       "scrivi una lunghezza del percorso di al massimo " + n(kLunghezzaMassima) + " m"},
      {C::kProgressivaNonMultipla,
       "scrivi inizio e progressiva di ogni progressiva chilometrica come multipli di " +
           n(kMetriCella) + " (88+016 diventa 88000 o 88050)"},
      {C::kRipetizionePrimoNonMultiplo, multiplo + " come primo valore della ripetizione segnali"},
      {C::kRipetizioneSecondoNonMultiplo,
       multiplo + " come secondo valore della ripetizione segnali"},
      {C::kRipetizioneSenzaCodici,
       "scrivi nella parola chiave il numero di codici, 4 o 9: `ripetizione segnali 4 codici`"},
      {C::kCartelloOccupato, "sposta il cartello" + cella_libera},
      {C::kAbbattimentoOccupato,
       "sposta l'abbattimento in modo che la cella prima della sua posizione sia libera"},
      {C::kStazioneNonMultipla, multiplo},
      {C::kMarciapiedeNonMultiplo,
       "scrivi un marciapiede lungo un multiplo di " + n(kPassoMarciapiede) + " m"},
      {C::kTabellaStazioniPiena,
       "togli stazioni o cartelli: insieme al massimo " + n(kPrimoSlotCartelli - 2)},
      {C::kSegnaleSenzaCodice,
       "lascia libera una delle due celle prima del segnale, o allontana il segnale dall'avviso "
       "del rallentamento"},
      {C::kInizioSenzaCodice,
       "lascia libere le celle appena prima dell'inizio del rallentamento (sposta il segnale, la "
       "fermata o il cartello che le occupa)"},
      {C::kRallentamentoSenzaCodice,
       "lascia libere celle lungo il rallentamento e fino al primo segnale dopo la sua fine"},
      {C::kOltreIlPercorso,
       "scrivi una posizione al massimo " + n(kEstensioneLinea - kMargineRecord) +
           " m oltre la lunghezza del percorso (" + n(kEstensioneLinea - kMargineStazione) +
           " m per una stazione), o allunga il percorso"},
      {C::kSegnaleOccupato, "sposta il segnale" + cella_libera},
      {C::kAvvisoOccupato, "sposta il rallentamento in modo che la cella " + n(kDistanzaAvviso) +
                               " m prima del suo inizio sia libera"},
      {C::kInizioRallentamentoOccupato, "sposta l'inizio del rallentamento" + cella_libera},
      {C::kFineRallentamentoOccupato,
       "cambia la lunghezza del rallentamento in modo che la sua fine cada" + cella_libera},
      {C::kPreavvisoOccupato,
       "lascia libere le quattro celle prima dell'avviso del rallentamento, o scrivi f_ta 0"},
      {C::kIndicatoreOccupato, "sposta l'indicatore" + cella_libera},
      {C::kStazioniTroppoVicine,
       "allontana la stazione dalla precedente o accorcia i marciapiedi: "
       "la sua zona deve iniziare almeno " +
           n(kDistanzaStazioni) + " m dopo la fine della zona precedente"},
      {C::kFermataSullaCellaUno,
       "sposta la fermata più avanti, in modo che la sua zona finisca oltre 100 m dall'origine, "
       "o dalle una categoria da " +
           n(kCategoriaSenzaFermata) + " in su"},
      {C::kLettura,
       "controlla la riga: un numero dentro l'intervallo del suo campo (vedi `scenario help` "
       "del record), nessun campo mancante alla fine del testo"},
      {C::kTestoLineaAssente, "scrivi il testo della linea con il nome `NOME_linea.txt`"},
      {C::kSenzaGenerale, "scrivi `[generale]` come prima riga del testo della linea"},
      {C::kCurvaNonValida, "scrivi nella parola chiave della curva una cifra da 1 a " +
                               n(kGradoCurvaMassimo) +
                               " (`curvad4`) e accorcia le curve che portano il tracciato oltre "
                               "il metro " +
                               n(kUltimoMetroPiano)},
      {C::kValoriPacchetto, cella_uno},
      {C::kCodiciControllo, cella_uno},
  };
  const auto r = rimedi.find(c);
  return r == rimedi.end() ? std::string() : r->second;
}

}  // namespace progetto1::strumento::aiuto
