// The generated files of the author's manual: the reference of every
// section and record, and the codes and warnings.
#include "tools/aiuto/aiuto.h"
#include "tools/aiuto/pagine.h"

namespace progetto1::strumento::aiuto {

namespace {

std::string riferimento() {
  Pagina p;
  p.titolo(1, "Riferimento dei testi dello scenario");
  p.paragrafo(
      "Ogni sezione e ogni record dei due testi, con i campi nell'ordine in cui si scrivono, un "
      "esempio, i codici d'errore e gli avvisi che possono dare; poi i documenti per il "
      "macchinista e le celle del percorso. Come si scrivono i testi lo spiega il "
      "[manuale](manuale.md); i codici e gli avvisi sono tutti in [codici.md](codici.md). Lo "
      "stesso testo, un argomento alla volta, lo dà `scenario help ARGOMENTO`.");
  for (const catalogo::Testo t : {catalogo::Testo::kLinea, catalogo::Testo::kTreno}) {
    std::string titolo = testo_e_file(t);
    titolo[0] = static_cast<char>(titolo[0] - 'a' + 'A');
    p.titolo(2, titolo);
    p.paragrafo("Un " + std::string(catalogo::nome_testo(t)) +
                " completo, con l'esempio di ogni record sotto la sua intestazione (compilato, "
                "non dà codici d'errore):");
    p.codice(catalogo::testo_di_esempio(t));
    for (const catalogo::Sezione& s : catalogo::sezioni()) {
      if (s.testo != t) continue;
      pagina_sezione(p, s, 3);
      for (const catalogo::Voce v : s.voci) pagina_record(p, catalogo::record(v), 4);
    }
  }
  pagina_documenti(p, 2);
  pagina_percorso(p, 2);
  return in_markdown(p);
}

std::string codici() {
  Pagina p;
  p.titolo(1, "Codici d'errore e avvisi");
  p.paragrafo(
      "Che cosa dice ogni codice d'errore del pacchetto e ogni avviso di `scenario check`, con i "
      "record che li danno; per ogni codice il rimedio più comune. Il "
      "[riferimento](riferimento.md) "
      "li elenca record per record.");
  pagina_codici(p, 2);
  pagina_avvisi(p, 2);
  return in_markdown(p);
}

}  // namespace

namespace {
constexpr std::string_view kInizioGenerato = "<!-- File generato da `scenario help --manuale";
}  // namespace

std::string intestazione_generata() {
  return std::string(kInizioGenerato) +
         " docs` dal catalogo dei record, dai codici d'errore e dagli avvisi: non modificarlo a "
         "mano. Per rigenerarlo, dalla radice dei sorgenti: `cmake --build build --target "
         "manuale`. -->\n";
}

bool generato(std::string_view testo) { return testo.starts_with(kInizioGenerato); }

std::vector<FileUscita> file_manuale() {
  return {
      {"riferimento.md", intestazione_generata() + "\n" + riferimento()},
      {"codici.md", intestazione_generata() + "\n" + codici()},
  };
}

}  // namespace progetto1::strumento::aiuto
