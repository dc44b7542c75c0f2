// The pages of the records and sections of the two texts.
#include <algorithm>

#include "model/codici_errore.h"
#include "model/costanti.h"
#include "tools/aiuto/pagine.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento::aiuto {

namespace {

using catalogo::Campo;
using catalogo::Record;
using catalogo::Sezione;
using catalogo::Testo;

std::string n(long long v) { return std::to_string(v); }

std::string tra_apici(std::string_view s) { return "`" + std::string(s) + "`"; }

// "`lunghezza` e `percorso`"
std::string parole(const Record& r) {
  std::string s = tra_apici(r.parola1);
  if (!r.parola2.empty()) s += " e " + tra_apici(r.parola2);
  return s;
}

// Where a record's keyword is tested.
std::string dove(const Record& r) {
  if (r.testo == Testo::kTreno) {
    return "in tutto il testo dopo " + tra_apici(catalogo::kGenerale);
  }
  if (r.generale) {
    return "solo nella sezione " + tra_apici(catalogo::kGenerale) +
           ", fino alla prima intestazione che la segue";
  }
  return "solo dopo la sezione " + tra_apici(catalogo::kGenerale) + ", in qualunque sezione";
}

std::string unita(const Campo& c) { return std::string(c.unita); }

}  // namespace

std::string testo_e_file(Testo t) {
  return std::string(catalogo::nome_testo(t)) + " (" + tra_apici(catalogo::nome_file(t)) + ")";
}

std::string valori_campo(const Campo& c) {
  if (c.tipo == catalogo::Tipo::kTesto) {
    return "fino alla fine della riga, senza virgole; di solito al massimo " + n(c.massimo) +
           " caratteri";
  }
  std::string s = "da " + n(c.minimo) + " a " + n(c.massimo);
  if (c.multiplo > 1) s += ", multiplo di " + n(c.multiplo);
  return s;
}

std::string riconoscimento(const Record& r) {
  std::string s = "un campo che contiene " + parole(r) + ", " +
                  (r.minuscole ? "scritte in minuscolo" : "in maiuscolo o in minuscolo") + "; " +
                  dove(r) + ".";
  if (!r.riconoscimento.empty()) s += " " + std::string(r.riconoscimento);
  return s;
}

std::string descrizione_regola(std::string_view id) {
  for (const Regola& r : regole()) {
    if (r.id == id) return r.descrizione;
  }
  return {};
}

void pagina_record(Pagina& p, const Record& r, int livello) {
  p.titolo(livello, std::string(r.nome));
  p.elenco({
      "Parola chiave, come la scrivono i testi: " + tra_apici(r.chiave),
      "Riconoscimento: " + riconoscimento(r),
      "Testo: " + testo_e_file(r.testo) + ", sezione " + tra_apici(r.sezione),
  });
  p.paragrafo(std::string(r.descrizione));

  const std::size_t totale = r.campi.size();
  p.titolo(livello + 1, "Campi dopo la parola chiave (" + n(static_cast<long long>(totale)) + ")");
  std::vector<std::vector<std::string>> celle;
  std::vector<std::string> righe;
  for (std::size_t i = 0; i < totale; ++i) {
    const Campo& c = r.campi[i];
    const std::string tipo(catalogo::nome_tipo(c.tipo));
    celle.push_back({n(static_cast<long long>(i + 1)), tra_apici(c.nome),
                     std::string(c.descrizione), tipo, unita(c), valori_campo(c),
                     std::string(c.effetto)});
    std::string riga = "campo " + n(static_cast<long long>(i + 1)) + " di " +
                       n(static_cast<long long>(totale)) + ": " + std::string(c.nome) + " — " +
                       std::string(c.descrizione) + "; " + tipo;
    if (!c.unita.empty()) riga += "; " + unita(c);
    riga += "; " + valori_campo(c) + ". " + std::string(c.effetto);
    righe.push_back(riga);
  }
  p.tabella({"N.", "Nome", "Descrizione", "Tipo", "Unità", "Valori", "Che cosa ne fa il pacchetto"},
            celle, righe);

  if (r.voce == catalogo::Voce::kCurva) {
    p.titolo(livello + 1, "Gradi della curva");
    std::vector<std::vector<std::string>> gradi;
    std::vector<std::string> righe_gradi;
    for (int g = 1; g <= kGradoCurvaMassimo; ++g) {
      const std::string raggio = n(catalogo::raggio_grado(g));
      gradi.push_back({n(g), raggio});
      righe_gradi.push_back("cifra " + n(g) + ": raggio " + raggio + " m");
    }
    p.tabella({"Cifra", "Raggio (m)"}, gradi, righe_gradi);
  }

  p.titolo(livello + 1, "Esempio");
  p.codice({std::string(r.esempio)});

  p.titolo(livello + 1, "Codici d'errore");
  std::vector<std::string> codici;
  for (const CodiceErrore c : r.codici) {
    codici.push_back(tra_apici(testo_codice(c)) + " (" + id_errore(c) +
                     "): " + voce_errore(c).frase);
  }
  p.elenco(codici);

  p.titolo(livello + 1, "Avvisi");
  std::vector<std::string> avvisi;
  for (const Avviso a : r.avvisi) {
    const std::string id = id_avviso(a);
    avvisi.push_back(tra_apici(id) + ": " + descrizione_regola(id));
  }
  p.elenco(avvisi);
}

void pagina_sezione(Pagina& p, const Sezione& s, int livello) {
  p.titolo(livello, tra_apici(s.intestazione) + " nel " + testo_e_file(s.testo));
  std::string descrizione(s.descrizione);
  if (s.intestazione != catalogo::kGenerale) {
    descrizione += s.testo == Testo::kLinea
                       ? " L'intestazione chiude la sezione `[generale]` quando la segue; per il "
                         "resto raggruppa i record solo per chi legge."
                       : " L'intestazione raggruppa i record solo per chi legge: il pacchetto non "
                         "la usa.";
  }
  p.paragrafo(descrizione);
  if (s.voci.empty()) return;
  std::vector<std::string> voci;
  for (const catalogo::Voce v : s.voci) {
    const Record& r = catalogo::record(v);
    voci.push_back(std::string(r.nome) + ": parola chiave " + tra_apici(r.chiave) + ", " +
                   n(static_cast<long long>(r.campi.size())) +
                   (r.campi.size() == 1 ? " campo" : " campi"));
  }
  p.elenco(voci);
}

}  // namespace progetto1::strumento::aiuto
