// scenario package: a copy of the package executable that carries an author's
// five texts, checked first.
#include <memory>

#include "model/cp1252.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/motore/verifica.h"
#include "tools/pacchetti/impacchetta.h"
#include "tools/pacchetti/pacchetto_base.h"
#include "tools/terminale/percorsi.h"
#include "tools/terminale/terminale.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

const char* const kPiedePackage = R"(
Legge da DIR i cinque testi con i nomi che dà loro il pacchetto, come li
scrive texts (NOME_LINEA_linea.txt, NOME_LINEA_NUMERO_TRENO-.txt,
NOME_LINEA_NUMERO_TRENO_scheda_treno.txt, ..._rallentamenti.txt,
..._note.txt), li verifica come check (linea e treno) e scrive FILE: una copia
del pacchetto di base con lo scenario accodato. Avviato senza argomenti, FILE
fa quello che fa Progetto1, con questo scenario al posto di quello
incorporato: scrive i testi, li compila e lascia nella sua cartella i tre file
binari e i tre documenti.

I testi sono in Windows-1252, come li scrive il pacchetto. Una riga chiusa dal
solo LF è accettata (il pacchetto la scriverà con CR LF, e la verifica legge
i testi così); un testo che sembra UTF-8 dà un avviso, perché il pacchetto ne
scriverebbe i byte come caratteri Windows-1252. Un byte che Windows-1252 non
definisce (0x81, 0x8D, 0x8F, 0x90, 0x9D), un CR isolato, la riga "riferimento
fine del file" o più di 1000 righe in un testo sono rifiutati, con il file e
la riga, perché il pacchetto non li scriverebbe uguali.

Senza --base la base è il pacchetto accanto allo strumento: Progetto1.exe per
un FILE che finisce con ".exe" (pacchetto Windows), altrimenti Progetto1
(pacchetto Linux). Uno scenario già accodato alla base viene sostituito, non
aggiunto. FILE viene scritto accanto al suo nome e poi rinominato; il
pacchetto Linux è eseguibile.

Stato d'uscita:
  0  pacchetto scritto
  1  la verifica trova errori: nessun pacchetto scritto (con --force sì)
  2  uso sbagliato, nomi non sicuri, un testo che il pacchetto non scriverebbe
     uguale, una base che non è un pacchetto, oppure un file che non si può
     leggere o scrivere
)";

struct OpzioniPackage {
  std::string testi, nome, numero, uscita, base;
  bool force = false;
  SceltaLuogo luogo;
};

int esegui(const OpzioniPackage& o, const Ambiente& a) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, a.err)) return kUscitaUso;
  fs::path destinazione, cartella;
  if (!file_di_uscita(o.uscita, destinazione, cartella, a.err)) return kUscitaUso;
  const bool windows = uscita_windows(destinazione);

  Scenario s;
  s.nome_linea = p.nome_linea;
  s.numero_treno = p.numero_treno;
  std::vector<fs::path> letti;
  std::string nomi_letti[2];
  try {
    for (const TestoScenario& t : testi_scenario(p)) {
      const fs::path file = percorso(o.testi) / percorso(da_cp1252(t.nome));
      const std::string nome = testo(file);
      RigheTesto r = righe_del_testo(leggi_file(file, "il testo"), nome);
      if (r.solo_lf) {
        a.err << nome << ": avviso: righe chiuse dal solo LF: il pacchetto le scrive con CR LF\n";
      }
      if (r.sembra_utf8) {
        a.err << nome << ": avviso: il testo sembra UTF-8, ma il pacchetto ne scrive i byte come "
              << "caratteri Windows-1252 (\"è\" diventerebbe \"Ã¨\")\n";
      }
      s.*t.righe = std::move(r.righe);
      if (letti.size() < 2) nomi_letti[letti.size()] = nome;
      letti.push_back(file);
    }
  } catch (const ErroreFile& e) {
    a.err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }

  // Checked as the package will write them, line ends and all.
  std::int32_t contatore = 0;
  const std::string testo_linea = componi_testo(s.linea, contatore);
  const std::string testo_treno = componi_testo(s.treno, contatore);
  const EsitoVerifica esito = verifica(testo_linea, testo_treno, p.nome_linea, p.numero_treno,
                                       nomi_letti[0], nomi_letti[1]);
  a.err << testo_verifica(esito, o.luogo.forma(a.luogo));
  if (esito.errori() > 0) {
    if (!o.force) {
      a.err << "scenario: " << esito.errori()
            << " errori nei testi: nessun pacchetto scritto (--force lo scrive comunque)\n";
      return kUscitaCodice;
    }
    a.err << "scenario: " << esito.errori() << " errori nei testi: pacchetto scritto per --force\n";
  }

  const fs::path base = o.base.empty()
                            ? pacchetto_base_predefinito(eseguibile_programma(), destinazione)
                            : percorso(o.base);
  PacchettoComposto composto;
  try {
    composto = componi_pacchetto(leggi_file(base, "il pacchetto di base"), windows, s, testo(base));
    scrivi_contenuti_in_cartella(cartella, {{testo(destinazione.filename()), composto.byte}}, letti,
                                 a.sistema, !windows);
  } catch (const ErroreFile& e) {
    a.err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }
  a.out << "scritto " << testo(destinazione) << ": pacchetto " << (windows ? "Windows" : "Linux")
        << " della linea " << o.nome << ", treno " << o.numero << ", da " << testo(base)
        << (composto.sostituiti ? " (il suo scenario accodato è stato sostituito)" : "") << "\n";
  return kUscitaPulita;
}

}  // namespace

Corpo prepara_package(CLI::App& c) {
  auto o = std::make_shared<OpzioniPackage>();
  c.add_option("--texts", o->testi, "cartella dei cinque testi, con i nomi del pacchetto")
      ->required()
      ->type_name("DIR");
  opzioni_nomi(c, o->nome, o->numero, true);
  opzione_uscita(c, o->uscita, "pacchetto da scrivere (.exe: per Windows)", "FILE");
  c.add_option("--base", o->base, "pacchetto da copiare (di solito quello accanto allo strumento)")
      ->type_name("PACCHETTO");
  c.add_flag("--force", o->force, "scrive il pacchetto anche se la verifica trova errori");
  opzione_luogo(c, o->luogo);
  c.footer(kPiedePackage);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
