// scenario help: the reference of one topic on the terminal, the list of
// topics, or the generated files of the author's manual.
#include <memory>

#include "tools/aiuto/aiuto.h"
#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/terminale/percorsi.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

const char* const kPiedeHelp = R"(
ARGOMENTO è un record (per nome, parola chiave o parola di riconoscimento:
stazione, "lunghezza percorso", curvad5, velocit), una sezione ([curve] o
curve; [generale] mostra quella di tutti e due i testi), oppure codici,
avvisi, documenti o percorso. Senza ARGOMENTO elenca gli argomenti.

Con --manuale DIR scrive in DIR i file generati del manuale, riferimento.md e
codici.md, dagli stessi dati; sostituisce solo file che ha generato lui. Nei
sorgenti: scenario help --manuale docs.

Stato d'uscita:
  0  aiuto mostrato o manuale scritto
  2  argomento sconosciuto (con quello più vicino), oppure un file del manuale
     che non si può scrivere o che non è generato
)";

struct OpzioniHelp {
  // The first word of a topic, then the others: a list option would take
  // "[codici]" for a list holding "codici".
  std::string prima;
  std::vector<std::string> altre;
  std::string manuale;
};

// Where an install puts the manual.
std::string cartella_manuale() { return P1_CARTELLA_MANUALE; }

int scrivi_manuale(const OpzioniHelp& o, const Ambiente& a) {
  const fs::path cartella = percorso(o.manuale);
  if (!cartella_utilizzabile(cartella, a.err)) return kUscitaUso;
  const std::vector<FileUscita> file = aiuto::file_manuale();
  for (const FileUscita& f : file) {
    const fs::path destinazione = cartella / percorso(f.first);
    std::error_code ec;
    if (!fs::exists(destinazione, ec)) continue;
    std::string attuale;
    try {
      attuale = leggi_file(destinazione, "il file del manuale");
    } catch (const ErroreFile& e) {
      a.err << "scenario: " << e.what() << "\n";
      return kUscitaUso;
    }
    if (!aiuto::generato(attuale)) {
      a.err << "scenario: \"" << testo(destinazione)
            << "\" non è un file generato da scenario help: non lo sostituisco\n";
      return kUscitaUso;
    }
  }
  if (!scrivi_o_avvisa(cartella, file, {}, a.sistema, a.err)) return kUscitaUso;
  for (const FileUscita& f : file)
    a.out << "scritto " << testo(cartella / percorso(f.first)) << "\n";
  return kUscitaPulita;
}

int esegui(const OpzioniHelp& o, const Ambiente& a) {
  if (!o.manuale.empty()) return scrivi_manuale(o, a);
  if (o.prima.empty()) {
    a.out << aiuto::per_terminale(aiuto::indice(cartella_manuale()));
    return kUscitaPulita;
  }
  std::string argomento = o.prima;
  for (const std::string& p : o.altre) argomento += " " + p;
  const std::optional<aiuto::Pagina> pagina = aiuto::pagina_argomento(argomento);
  if (!pagina) {
    a.err << "scenario help: nessun argomento \"" << argomento << "\"; forse \""
          << aiuto::suggerimento(argomento) << "\"? scenario help li elenca tutti\n";
    return kUscitaUso;
  }
  a.out << aiuto::per_terminale(*pagina);
  return kUscitaPulita;
}

}  // namespace

Corpo prepara_help(CLI::App& c) {
  auto o = std::make_shared<OpzioniHelp>();
  c.footer(kPiedeHelp);
  CLI::Option* argomento =
      c.add_option("ARGOMENTO", o->prima, "record, sezione, codici, avvisi, documenti o percorso")
          ->type_name("ARGOMENTO");
  c.allow_extras();
  c.add_option("--manuale", o->manuale, "scrive in DIR i file generati del manuale")
      ->type_name("DIR")
      ->excludes(argomento);
  return [o, &c](const Ambiente& a) {
    o->altre = c.remaining();
    return esegui(*o, a);
  };
}

}  // namespace progetto1::strumento
