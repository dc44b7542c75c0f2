#include <algorithm>

#include "model/cp1252.h"
#include "tools/aiuto/aiuto.h"
#include "tools/aiuto/pagine.h"
#include "tools/motore/somiglianza.h"

namespace progetto1::strumento::aiuto {

namespace {

using catalogo::Record;
using catalogo::Sezione;

std::string tra_apici(std::string_view s) { return "`" + std::string(s) + "`"; }

std::string senza_parentesi(std::string_view s) {
  if (s.size() >= 2 && s.front() == '[' && s.back() == ']') s = s.substr(1, s.size() - 2);
  return std::string(s);
}

struct Speciale {
  std::string_view nome;
  const char* descrizione;
  void (*pagina)(Pagina&, int);
};
constexpr Speciale kSpeciali[] = {
    {kCodici, "ogni codice d'errore con il significato, i record che lo danno e il rimedio",
     pagina_codici},
    {kAvvisi, "ogni avviso di `scenario check` con il suo identificativo", pagina_avvisi},
    {kDocumenti, "i tre documenti per il macchinista e le loro colonne", pagina_documenti},
    {kPercorso, "le celle di 50 m, i loro campi per genere e la tabella delle stazioni",
     pagina_percorso},
};

// Every word a topic answers to, in lower case.
std::vector<std::string> nomi_argomenti() {
  std::vector<std::string> nomi;
  for (const Speciale& s : kSpeciali) nomi.emplace_back(s.nome);
  for (const Record& r : catalogo::records()) {
    for (const std::string_view n : {r.nome, r.chiave, r.parola1}) nomi.push_back(minuscole(n));
  }
  for (const Sezione& s : catalogo::sezioni()) nomi.push_back(senza_parentesi(s.intestazione));
  return nomi;
}

}  // namespace

std::optional<Pagina> pagina_argomento(std::string_view argomento) {
  const std::string parola = minuscole(argomento);
  // "[codici]" in brackets is the train text's section, "codici" the codes.
  const bool intestazione = parola.starts_with('[');
  Pagina p;
  for (const Speciale& s : kSpeciali) {
    if (!intestazione && parola == s.nome) {
      s.pagina(p, 1);
      return p;
    }
  }
  if (const std::optional<catalogo::Voce> v = catalogo::cerca(parola)) {
    pagina_record(p, catalogo::record(*v), 1);
    return p;
  }
  std::vector<const Sezione*> sezioni;
  for (const Sezione& s : catalogo::sezioni()) {
    if (senza_parentesi(s.intestazione) == senza_parentesi(parola)) sezioni.push_back(&s);
  }
  if (sezioni.empty()) return std::nullopt;
  if (sezioni.size() == 1) {
    pagina_sezione(p, *sezioni.front(), 1);
    return p;
  }
  p.titolo(1, tra_apici(sezioni.front()->intestazione) + " in tutti e due i testi");
  for (const Sezione* s : sezioni) pagina_sezione(p, *s, 2);
  return p;
}

std::string suggerimento(std::string_view parola) {
  const std::string cercata = senza_parentesi(minuscole(parola));
  std::string migliore;
  std::size_t minima = std::string::npos;
  for (const std::string& n : nomi_argomenti()) {
    const std::size_t d = distanza(cercata, n);
    if (d < minima) {
      minima = d;
      migliore = n;
    }
  }
  return migliore;
}

Pagina indice(std::string_view manuale) {
  Pagina p;
  p.titolo(1, "Argomenti di scenario help");
  p.paragrafo(
      "`scenario help ARGOMENTO` mostra uno di questi argomenti. Un record si cerca per nome, per "
      "parola chiave o per la parola che lo fa riconoscere; una sezione per intestazione, con o "
      "senza parentesi quadre; maiuscole e minuscole sono indifferenti.");
  for (const catalogo::Testo t : {catalogo::Testo::kLinea, catalogo::Testo::kTreno}) {
    p.titolo(2, "Record del " + testo_e_file(t));
    std::vector<std::string> voci;
    for (const Record& r : catalogo::records()) {
      if (r.testo == t) voci.push_back(std::string(r.nome) + ": " + tra_apici(r.chiave));
    }
    p.elenco(voci);
  }
  p.titolo(2, "Sezioni");
  std::vector<std::string> sezioni;
  for (const catalogo::Testo t : {catalogo::Testo::kLinea, catalogo::Testo::kTreno}) {
    std::string elenco;
    for (const Sezione& s : catalogo::sezioni()) {
      if (s.testo == t) elenco += (elenco.empty() ? "" : " ") + std::string(s.intestazione);
    }
    sezioni.push_back(std::string(catalogo::nome_testo(t)) + ": " + elenco);
  }
  p.elenco(sezioni);
  p.titolo(2, "Altri argomenti");
  std::vector<std::string> altri;
  for (const Speciale& s : kSpeciali) altri.push_back(std::string(s.nome) + ": " + s.descrizione);
  p.elenco(altri);
  p.titolo(2, "Il manuale");
  p.paragrafo(
      "Il manuale degli autori è `docs/manuale.md` nei sorgenti, con il riferimento completo in "
      "`docs/riferimento.md` e `docs/codici.md`; un'installazione li mette in " +
      tra_apici(manuale) + ".");
  return p;
}

}  // namespace progetto1::strumento::aiuto
