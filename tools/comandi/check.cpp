// scenario check: every fault of the two texts at once, and a warning where
// the package would silently change what a text says.
#include <memory>

#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento {

namespace {

const char* const kPiedeCheck = R"(
Legge i due testi con i lettori del pacchetto, ma dove il pacchetto registra
un codice e smette di leggere la verifica lo segnala e riprende dal record
seguente; poi esegue la passata dei punti codice e i controlli 1250 e 1251.
Ogni codice che il pacchetto registrerebbe è un errore; ogni punto in cui il
pacchetto scarta, sovrascrive, riordina, arrotonda o tronca quello che il
testo dice è un avviso. Dove riprendere non ha senso la verifica si ferma:
senza "[generale]" nel testo della linea, con una lunghezza oltre 1000000 m,
o senza le celle del percorso (un record o un numero illeggibile prima della
riga della lunghezza).

Forme:
  text   FILE:RIGA:COLONNA: errore|avviso: messaggio [ID], poi la riga del
         testo e un segno ^ sotto la colonna, e alla fine quanti errori e
         avvisi (sullo standard error)
  json   {"diagnostics": [{"file", "line", "column", "severity", "id",
         "code", "message"}], "summary": {"errors": N, "warnings": N}}
  sarif  SARIF 2.1.0, una regola per codice e per avviso
Di ogni regola si mostrano al massimo 100 diagnostiche; le altre sono contate
in una sola, senza riga. json e sarif vanno sull'uscita standard. "code" è il codice d'errore del
pacchetto, null per un avviso; "line" e "column" sono null quando la
diagnostica riguarda il file intero.

Stato d'uscita:
  0  nessun errore (avvisi ammessi)
  1  almeno un errore (o un avviso, con --werror)
  2  uso sbagliato, oppure un file che non si può leggere
)";

// The last line of the text form, also when there is nothing to report.
std::string riepilogo(const EsitoVerifica& e) {
  const auto quanti = [](long n, const char* uno, const char* piu) {
    return n == 0 ? std::string("nessun ") + uno : std::to_string(n) + " " + (n == 1 ? uno : piu);
  };
  return "scenario check: " + quanti(e.errori(), "errore", "errori") + ", " +
         quanti(e.avvisi(), "avviso", "avvisi") + "\n";
}

struct OpzioniCheck {
  std::string linea, treno, nome = kNomeLinea, numero = kNumeroTreno, forma = "text";
  bool werror = false;
  SceltaLuogo luogo;
};

int esegui(const OpzioniCheck& o, const Ambiente& a) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, a.err)) return kUscitaUso;
  std::string testo_linea, testo_treno;
  if (!leggi_testi(o.linea, o.treno, testo_linea, testo_treno, a.err)) return kUscitaUso;
  const EsitoVerifica esito =
      verifica(testo_linea, testo_treno, p.nome_linea, p.numero_treno, o.linea, o.treno);
  if (o.forma == "json") {
    a.out << json_verifica(esito);
  } else if (o.forma == "sarif") {
    a.out << sarif_verifica(esito);
  } else {
    a.err << testo_verifica(esito, o.luogo.forma(a.luogo)) << riepilogo(esito);
  }
  if (esito.errori() > 0 || (o.werror && esito.avvisi() > 0)) return kUscitaCodice;
  return kUscitaPulita;
}

}  // namespace

Corpo prepara_check(CLI::App& c) {
  auto o = std::make_shared<OpzioniCheck>();
  opzioni_testi(c, o->linea, o->treno);
  opzioni_nomi(c, o->nome, o->numero, false);
  c.add_option("--format", o->forma, "forma delle diagnostiche")
      ->check(CLI::IsMember({"text", "json", "sarif"}))
      ->type_name("FORMA");
  c.add_flag("--werror", o->werror, "anche gli avvisi danno lo stato 1");
  opzione_luogo(c, o->luogo);
  c.footer(kPiedeCheck);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
