// The pages of the error codes and of the check's warnings.
#include <algorithm>

#include "model/codici_errore.h"
#include "tools/aiuto/pagine.h"
#include "tools/aiuto/rimedi.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento::aiuto {

namespace {

std::string tra_apici(std::string_view s) { return "`" + std::string(s) + "`"; }

std::string unisci(const std::vector<std::string>& parti) {
  std::string s;
  for (const std::string& p : parti) s += (s.empty() ? "" : ", ") + p;
  return s;
}

// The records that can give a code, by their names; where none does, the
// part of the package that finds it.
std::string da_dove(const VoceErrore& e) {
  std::vector<std::string> nomi;
  for (const catalogo::Record& r : catalogo::records()) {
    if (std::ranges::find(r.codici, e.codice) != r.codici.end()) nomi.emplace_back(r.nome);
  }
  if (nomi.size() == catalogo::records().size()) return "ogni record";
  if (!nomi.empty()) return unisci(nomi);
  switch (e.origine) {
    case Origine::kLinea:
      return "il " + testo_e_file(catalogo::Testo::kLinea);
    case Origine::kTreno:
      return "il " + testo_e_file(catalogo::Testo::kTreno);
    case Origine::kPassata:
      return "i punti codice che il pacchetto inserisce";
    case Origine::kFinitura:
      return "la fase finale del pacchetto (cella 1)";
  }
  return {};
}

std::string da_quali_record(const std::string& id) {
  std::vector<std::string> nomi;
  for (const catalogo::Record& r : catalogo::records()) {
    if (std::ranges::any_of(r.avvisi, [&](Avviso a) { return id_avviso(a) == id; })) {
      nomi.emplace_back(r.nome);
    }
  }
  return nomi.empty() ? "un campo qualunque" : unisci(nomi);
}

}  // namespace

void pagina_codici(Pagina& p, int livello) {
  p.titolo(livello, "Codici d'errore");
  p.paragrafo(
      "Il pacchetto registra un codice dove un testo non si può compilare come è scritto, e smette "
      "di leggere quel testo; non lo mostra. Solo " +
      testo_codice(CodiceErrore::kValoriPacchetto) + " e " +
      testo_codice(CodiceErrore::kCodiciControllo) + " compaiono in una finestra (\"Errore n. " +
      testo_codice(CodiceErrore::kValoriPacchetto) +
      "\") e fermano il pacchetto senza scrivere i file. `scenario check` riporta ogni codice come "
      "un errore con l'identificativo E seguito dal numero (" +
      id_errore(CodiceErrore::kStazioneNonMultipla) + ") e continua a leggere.");
  p.paragrafo(
      "La sezione `[codici]` del testo del treno non ha a che fare con questi codici: il pacchetto "
      "la scrive vuota, perché i punti codice li inserisce da sé (`scenario help [codici]`).");
  std::vector<std::vector<std::string>> celle;
  std::vector<std::string> righe;
  for (const VoceErrore& e : tabella_errori()) {
    const std::string codice = testo_codice(e.codice), id = id_errore(e.codice);
    celle.push_back({tra_apici(codice), tra_apici(id), e.frase, da_dove(e), rimedio(e.codice)});
    righe.push_back(codice + " (" + id + "): " + e.frase + ". Da: " + da_dove(e) +
                    ". Rimedio: " + rimedio(e.codice) + ".");
  }
  p.tabella({"Codice", "Id", "Significato", "Da", "Rimedio"}, celle, righe);
}

void pagina_avvisi(Pagina& p, int livello) {
  p.titolo(livello, "Avvisi");
  p.paragrafo(
      "Un avviso di `scenario check` segna un punto dove il pacchetto accetta il testo senza "
      "codice d'errore, ma ne cambia in silenzio il senso: lo salta, lo sovrascrive, lo riordina, "
      "lo arrotonda o lo tronca. Con `--werror` gli avvisi contano come errori.");
  std::vector<std::vector<std::string>> celle;
  std::vector<std::string> righe;
  for (const Regola& r : regole()) {
    if (r.gravita != Gravita::kAvviso) continue;
    const std::string da = da_quali_record(r.id);
    celle.push_back({tra_apici(r.id), r.descrizione, da});
    righe.push_back(r.id + ": " + r.descrizione + ". Da: " + da + ".");
  }
  p.tabella({"Id", "Descrizione", "Da"}, celle, righe);
}

}  // namespace progetto1::strumento::aiuto
