// The page of the three documents the package writes for the driver. Their
// columns are read from the documents' own heading rows.
#include <sstream>

#include "model/pacchetto.h"
#include "scenario/incorporato/tabelle_documenti.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "scenario/scrittori/testi.h"
#include "tools/aiuto/pagine.h"

namespace progetto1::strumento::aiuto {

namespace {

std::string tra_apici(std::string_view s) { return "`" + std::string(s) + "`"; }

// What each column holds, in the order of the columns.
const std::vector<std::string> kContenutoScheda = {
    "la velocità massima in km/h da quel punto in poi; vuota dove non cambia",
    "sempre vuota",
    "la progressiva in chilometri con tre decimali (100.769); vuota sulle righe dei deviatoi",
    "sempre vuota",
    "la stazione in maiuscole, un cambio di velocità (km 98.663, cippo km 0.000) o i deviatoi di "
    "una stazione (Dev. uscita, Dev. ingresso); al massimo 27 caratteri",
    "un orario (2.40), o arrivo e partenza (2.33 - 2.36): l'ora senza zero davanti, un punto, i "
    "minuti in due cifre; vuota dove il treno non ha orario",
    "il recupero in minuti (0.5, 1); vuota dove non c'è",
};
const std::vector<std::string> kContenutoRallentamenti = {
    "il numero del rallentamento, da 1",
    "la stazione in cui o dopo cui il rallentamento si trova, in maiuscole",
    "il cippo chilometrico dopo cui il rallentamento inizia, in chilometri interi",
    "la velocità in km/h",
    "la lunghezza in metri",
    "la lettera della prescrizione, spiegata in fondo al modulo",
};

std::vector<std::size_t> sbarre(std::string_view riga) {
  std::vector<std::size_t> s;
  for (std::size_t i = 0; i < riga.size(); ++i) {
    if (riga[i] == '|') s.push_back(i);
  }
  return s;
}

bool regola(std::string_view riga) {
  return riga.find_first_not_of(" |_") == std::string_view::npos &&
         riga.find('_') != std::string_view::npos;
}

std::string parole_di(std::string_view testo) {
  std::istringstream in{std::string(testo)};
  std::string parola, r;
  while (in >> parola) r += (r.empty() ? "" : " ") + parola;
  return r;
}

// One table per document: its columns with what they hold.
void tabella_colonne(Pagina& p, const std::vector<std::string>& colonne,
                     const std::vector<std::string>& contenuti) {
  std::vector<std::vector<std::string>> celle;
  std::vector<std::string> righe;
  for (std::size_t i = 0; i < colonne.size(); ++i) {
    const std::string contenuto = i < contenuti.size() ? contenuti[i] : std::string();
    celle.push_back({tra_apici(colonne[i]), contenuto});
    righe.push_back(colonne[i] + ": " + contenuto);
  }
  p.tabella({"Colonna", "Contenuto"}, celle, righe);
}

Pacchetto nomi_generici() {
  Pacchetto p;
  p.nome_linea = "NOME";
  p.numero_treno = "NUMERO";
  return p;
}

}  // namespace

std::vector<std::string> colonne_documento(const std::vector<std::string>& righe,
                                           std::string_view riga_vuota) {
  const std::vector<std::size_t> attese = sbarre(riga_vuota);
  std::size_t fine = 0;
  while (fine < righe.size() && !(regola(righe[fine]) && sbarre(righe[fine]) == attese)) ++fine;
  std::size_t inizio = fine;
  while (inizio > 0 && sbarre(righe[inizio - 1]) == attese && !regola(righe[inizio - 1])) {
    --inizio;
  }
  std::vector<std::string> colonne;
  for (std::size_t c = 0; c + 1 < attese.size(); ++c) {
    std::string parole;
    for (std::size_t r = inizio; r < fine; ++r) {
      parole += " " + righe[r].substr(attese[c] + 1, attese[c + 1] - attese[c] - 1);
    }
    colonne.push_back(parole_di(parole));
  }
  return fine == righe.size() ? std::vector<std::string>{} : colonne;
}

void pagina_documenti(Pagina& p, int livello) {
  const Pacchetto nomi = nomi_generici();
  Pacchetto incorporato;
  incorporato.nome_linea = kNomeLinea;
  incorporato.numero_treno = kNumeroTreno;

  p.titolo(livello, "Documenti per il macchinista");
  p.paragrafo(
      "Oltre ai due testi che compila, il pacchetto scrive nella sua cartella tre documenti per il "
      "macchinista, testi semplici in Windows-1252 con righe chiuse da CR LF. Non li legge: li "
      "scrive riga per riga così come sono nello scenario, e lì restano. `scenario texts` scrive "
      "quelli dello scenario incorporato da usare come modello; `scenario package` li porta nel "
      "pacchetto così come l'autore li ha scritti. Un testo non può avere più di " +
      std::to_string(kRigheElenco - 1) + " righe né la riga " + tra_apici(kSentinella) +
      ", dove il pacchetto smette di scrivere.");

  p.titolo(livello + 1, "Scheda del treno (" + tra_apici(nome_scheda(nomi)) + ")");
  p.paragrafo(
      "La scheda oraria del treno, in un riquadro: numero del treno, stazioni di origine e di "
      "destinazione, velocità e percentuale di massa frenata, classificazione e massa bloccata, "
      "poi una riga per ogni stazione, cambio di velocità e deviatoio della corsa, nell'ordine di "
      "marcia. Le colonne della tabella:");
  tabella_colonne(p, colonne_documento(righe_scheda(incorporato), kRigaVuotaScheda),
                  kContenutoScheda);

  p.titolo(livello + 1, "Ordine di rallentamento (" + tra_apici(nome_rallentamenti(nomi)) + ")");
  p.paragrafo(
      "Il modulo che ordina al macchinista i rallentamenti della corsa: la linea, il treno e una "
      "tabella con un rallentamento per riga, gli stessi del testo del treno nello stesso ordine. "
      "Le colonne della tabella:");
  const std::vector<std::string> rallentamenti = righe_rallentamenti(incorporato);
  tabella_colonne(p, colonne_documento(rallentamenti, kRigaVuotaRallentamenti),
                  kContenutoRallentamenti);
  std::vector<std::string> lettere;
  for (const std::string& r : rallentamenti) {
    if (r.size() > 4 && r[0] == ' ' && r[1] >= 'A' && r[1] <= 'Z' && r.substr(2, 3) == " - ") {
      lettere.push_back(parole_di(r));
    }
  }
  p.paragrafo("In fondo al modulo le lettere delle prescrizioni specifiche:");
  p.elenco(lettere);

  p.titolo(livello + 1, "Note (" + tra_apici(nome_note(nomi)) + ")");
  p.paragrafo(
      "Testo libero per chi guida, senza colonne: le caratteristiche della linea (trazione, "
      "binari, sistemi di esercizio e di blocco, segnalamento, stazioni e fermate, passaggi a "
      "livello, cartelli), poi quelle del treno (categoria, locomotiva, aderenza e massa), una "
      "nota dell'autore dello scenario e la sua firma.");
}

}  // namespace progetto1::strumento::aiuto
