#include "tools/comandi.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "model/pacchetto.h"
#include "scenario/scrittore_testi.h"
#include "tools/compilazione.h"
#include "tools/decodifica.h"
#include "tools/decompilazione.h"
#include "tools/diagnosi.h"
#include "tools/impacchetta.h"
#include "tools/mappa.h"
#include "tools/pacchetto_base.h"
#include "tools/percorsi.h"
#include "tools/scarico.h"
#include "tools/scrittura.h"
#include "tools/terminale.h"
#include "tools/verifica.h"
#include "tools/vista.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

const char* const kEsempio = R"(Esempio:
  scenario texts --out testi
  scenario compile --line testi/Corsanta_linea.txt --train testi/Corsanta_7402-.txt \
      --name Corsanta --number 7402 --out uscita
  scenario dump uscita/Corsanta_7402.sim
  scenario map --dir uscita --name Corsanta --number 7402 --out corsanta.svg
  scenario decompile --dir uscita --name Corsanta --number 7402 --out ritorno
)";

const char* const kPiedeCompile = R"(
File scritti in DIR, con i nomi che usa il pacchetto:
  NOME_LINEA_linea.dat           piano della linea (non con --no-plan)
  NOME_LINEA_NUMERO_TRENO.sim    tabella delle stazioni
  NOME_LINEA_NUMERO_TRENO.dat    celle del percorso
Se DIR non esiste viene creata, con le cartelle che la contengono. Ogni file viene scritto
prima accanto al suo nome, con un nome provvisorio, e poi rinominato sopra il
vecchio: una compilazione fallita o interrotta non lascia file a metà. I testi
d'ingresso non vengono mai modificati. Con --no-plan un vecchio piano in DIR
resta com'è.

Stato d'uscita:
  0  nessun errore
  1  il registro contiene un codice d'errore; i file sono scritti comunque,
     come fa il pacchetto
  2  uso sbagliato, oppure un file che non si può leggere o scrivere
  3  nessun file scritto e DIR invariata: controllo 1250 o 1251 fallito,
     oppure la lettura si è fermata prima di creare le celle del percorso
     ("no-track"), oppure un altro guasto della finitura ("guasto")

Senza --json gli errori vanno sullo standard error nella forma
FILE:RIGA:COLONNA: errore CODICE: descrizione, seguita dalla riga del testo,
da un segno ^ sotto la colonna e dalla posizione in metri con la sua cella
(solo per i codici che ne registrano una). Con --diagnostics msvc il luogo è
scritto FILE(RIGA,COLONNA): come lo leggono Visual Studio e gli editor di
Windows; su Windows è la forma predefinita, altrove lo è gcc.
Con --json l'uscita standard contiene un solo oggetto JSON:
  {"codice_errore": N, "posizione_errore": N,
   "fatal": null | "1250" | "1251" | "no-track" | "guasto", "files": [...]}
"posizione_errore" ha senso solo per i codici che registrano una posizione;
"files" elenca i nomi scritti nell'ordine di scrittura. Con lo stato 2
l'uscita standard resta vuota e il messaggio va sullo standard error.
)";

const char* const kPiedeDump = R"(
Il tipo di file si riconosce dal nome: "_linea.dat" è il piano della linea
(una riga per punto, con il tipo di ogni valore), ".sim" la tabella delle
stazioni (una riga per slot), ogni altro ".dat" le celle del percorso (una
riga per cella, con il genere per nome). Un file la cui dimensione non
corrisponde al suo formato viene rifiutato con lo stato 2.
)";

const char* const kPiedeMap = R"(
Legge da DIR i file NOME_LINEA_linea.dat (facoltativo: senza, cioè dopo
compile --no-plan, disegna solo il profilo), NOME_LINEA_NUMERO_TRENO.sim e
NOME_LINEA_NUMERO_TRENO.dat, e disegna la pianta della linea con stazioni,
segnali, rallentamenti e cartelli, e sotto il profilo: altimetria e pendenze,
velocità massima del treno, tratti di montagna e stazioni. Un piano che non
corrisponde alle celle (per esempio rimasto da una compilazione precedente)
viene ignorato con un avviso. La cartella del file SVG viene creata se manca.
)";

bool finisce_con(const std::string& s, const std::string& fine) {
  return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

void localizza(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", "Uso");
  f->label("OPTIONS", "OPZIONI");
  f->label("SUBCOMMAND", "SOTTOCOMANDO");
  f->label("SUBCOMMANDS", "SOTTOCOMANDI");
  f->label("REQUIRED", "(obbligatorio)");
  f->label("Positionals", "Argomenti");
  f->column_width(34);
  app.option_defaults()->group("Opzioni");
  app.set_help_flag("-h,--help", "mostra questo aiuto ed esce");
}

// The command-line library reports in English; the common cases in Italian.
std::string messaggio_uso(const CLI::ParseError& e) {
  const std::string m = e.what();
  const std::string richiesto = " is required";
  if (m == "A subcommand is required")
    return "serve un sottocomando: compile, check, texts, dump, map, view, decompile o package";
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr && finisce_con(m, richiesto)) {
    return "manca l'opzione obbligatoria " + m.substr(0, m.size() - richiesto.size());
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
    const std::size_t due_punti = m.find(": ");
    return "argomenti inattesi: " + (due_punti == std::string::npos ? m : m.substr(due_punti + 2));
  }
  return m;
}

CLI::App* sottocomando(CLI::App& app, const std::string& nome, const std::string& descrizione) {
  CLI::App* s = app.add_subcommand(nome, descrizione);
  s->set_help_flag("-h,--help", "mostra questo aiuto ed esce");
  s->group("Sottocomandi");
  return s;
}

// The names as the package holds them, checked; false after a message.
bool nomi_pacchetto(const std::string& nome, const std::string& numero, Pacchetto& p,
                    std::ostream& err) {
  std::string motivo;
  if (!nome_valido(nome, p.nome_linea, motivo)) {
    err << "scenario: --name \"" << nome << "\": " << motivo << "\n";
    return false;
  }
  if (!nome_valido(numero, p.numero_treno, motivo)) {
    err << "scenario: --number \"" << numero << "\": " << motivo << "\n";
    return false;
  }
  motivo = motivo_nomi_in_conflitto(p.nome_linea, p.numero_treno);
  if (!motivo.empty()) {
    err << "scenario: --number \"" << numero << "\": " << motivo << "\n";
    return false;
  }
  return true;
}

// Names in the archive are Windows-1252, as the package writes them; on disk
// they are UTF-8 like every other name of the author's system.
std::vector<FileUscita> con_nomi_disco(std::vector<FileUscita> file) {
  for (FileUscita& f : file) f.first = da_cp1252(f.first);
  return file;
}

// The three binary files of a scenario in a folder, under the package's names.
struct FileBinariScenario {
  fs::path piano, stazioni, celle;
};
FileBinariScenario file_binari(const fs::path& dir, const Pacchetto& p) {
  return {dir / percorso(da_cp1252(nome_file_linea(p))),
          dir / percorso(da_cp1252(nome_file_stazioni(p))),
          dir / percorso(da_cp1252(nome_file_celle(p)))};
}

// A missing output folder is made when the files are written (as mkdir -p
// does); something else under its name is refused before any work is done.
bool cartella_utilizzabile(const fs::path& cartella, std::ostream& err) {
  std::error_code ec;
  if (fs::exists(cartella, ec) && !fs::is_directory(cartella, ec)) {
    err << "scenario: \"" << testo(cartella) << "\" non è una cartella\n";
    return false;
  }
  return true;
}

// The file --out names and the folder it goes into, which is made when
// missing; false after a message.
bool file_di_uscita(const std::string& uscita, fs::path& destinazione, fs::path& cartella,
                    std::ostream& err) {
  destinazione = percorso(uscita);
  cartella = destinazione.has_parent_path() ? destinazione.parent_path() : fs::path(".");
  if (!destinazione.has_filename()) {
    err << "scenario: --out \"" << uscita << "\": serve il nome di un file\n";
    return false;
  }
  return cartella_utilizzabile(cartella, err);
}

// Writes every file or none; false after the message.
bool scrivi_o_avvisa(const fs::path& cartella, const std::vector<FileUscita>& file,
                     const std::vector<fs::path>& intoccabili, SistemaFile& sistema,
                     std::ostream& err) {
  try {
    scrivi_in_cartella(cartella, file, intoccabili, sistema);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return false;
  }
  return true;
}

// The two description texts an author gave; false after a message.
bool leggi_testi(const fs::path& linea, const fs::path& treno, std::string& testo_linea,
                 std::string& testo_treno, std::ostream& err) {
  try {
    testo_linea = leggi_file(linea, "il testo della linea");
    testo_treno = leggi_file(treno, "il testo del treno");
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return false;
  }
  return true;
}

struct OpzioniCompile {
  std::string linea, treno, nome, numero, uscita;
  bool senza_piano = false;
  bool json = false;
  FormaLuogo luogo = FormaLuogo::kCompilatore;
};

int esegui_compile(const OpzioniCompile& o, std::ostream& out, std::ostream& err,
                   SistemaFile& sistema) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  const fs::path linea = percorso(o.linea);
  const fs::path treno = percorso(o.treno);
  if (!cartella_utilizzabile(uscita, err)) return kUscitaUso;
  std::string testo_linea, testo_treno;
  if (!leggi_testi(linea, treno, testo_linea, testo_treno, err)) return kUscitaUso;

  // The files go out as the finishing stage writes them, from its model.
  std::vector<std::string> file;
  const auto consegna = [&](const FileProdotti& binari) {
    FileProdotti su_disco;
    for (const auto& [nome, contenuto] : binari) {
      su_disco.emplace_back(da_cp1252(nome), contenuto);
    }
    scrivi_contenuti_in_cartella(uscita, su_disco, {linea, treno}, sistema);
    for (const auto& f : su_disco) file.push_back(f.first);
  };
  EsitoCompilazione esito;
  try {
    esito = compila(std::move(testo_linea), std::move(testo_treno), p.nome_linea, p.numero_treno,
                    !o.senza_piano, consegna);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }

  if (o.json) {
    nlohmann::ordered_json j;
    j["codice_errore"] = esito.codice_errore;
    j["posizione_errore"] = esito.posizione_errore;
    const char* fatale = nome_fatale(esito.fatale);
    j["fatal"] = fatale != nullptr ? nlohmann::ordered_json(fatale) : nlohmann::ordered_json();
    j["files"] = nlohmann::ordered_json::array();
    for (const std::string& f : file) j["files"].push_back(f);
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    err << diagnosi(esito, o.linea, o.treno, o.luogo);
    for (const std::string& f : file) out << "scritto " << testo(uscita / percorso(f)) << "\n";
  }
  if (esito.fatale != Fatale::kNessuno) return kUscitaFatale;
  return esito.codice_errore == 0 ? kUscitaPulita : kUscitaCodice;
}

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
         testo e un segno ^ sotto la colonna (sullo standard error)
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

struct OpzioniCheck {
  std::string linea, treno, nome = kNomeLinea, numero = kNumeroTreno, forma = "text";
  bool werror = false;
  FormaLuogo luogo = FormaLuogo::kCompilatore;
};

int esegui_check(const OpzioniCheck& o, std::ostream& out, std::ostream& err) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return kUscitaUso;
  std::string testo_linea, testo_treno;
  if (!leggi_testi(percorso(o.linea), percorso(o.treno), testo_linea, testo_treno, err)) {
    return kUscitaUso;
  }
  const EsitoVerifica esito =
      verifica(testo_linea, testo_treno, p.nome_linea, p.numero_treno, o.linea, o.treno);
  if (o.forma == "json") {
    out << json_verifica(esito);
  } else if (o.forma == "sarif") {
    out << sarif_verifica(esito);
  } else {
    err << testo_verifica(esito, o.luogo);
  }
  if (esito.errori() > 0 || (o.werror && esito.avvisi() > 0)) return kUscitaCodice;
  return kUscitaPulita;
}

struct OpzioniTexts {
  std::string uscita, nome = kNomeLinea, numero = kNumeroTreno;
};

int esegui_texts(const OpzioniTexts& o, std::ostream& out, std::ostream& err,
                 SistemaFile& sistema) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  if (!cartella_utilizzabile(uscita, err)) return kUscitaUso;
  const std::vector<FileUscita> file =
      con_nomi_disco(testi_pacchetto(p.nome_linea, p.numero_treno));
  try {
    scrivi_in_cartella(uscita, file, {}, sistema);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }
  for (const FileUscita& f : file) out << "scritto " << testo(uscita / percorso(f.first)) << "\n";
  return kUscitaPulita;
}

int esegui_dump(const std::vector<std::string>& nomi, bool json, std::ostream& out,
                std::ostream& err) {
  // Every file is decoded before anything is printed, so a bad one leaves no
  // half output behind.
  std::vector<FileDecodificato> file;
  for (const std::string& nome : nomi) {
    try {
      const std::string byte = leggi_file(percorso(nome), "il file");
      FileDecodificato f = decodifica_file(testo(percorso(nome).filename()), byte);
      f.nome = nome;
      file.push_back(std::move(f));
    } catch (const ErroreFile& e) {
      err << "scenario: " << e.what() << "\n";
      return kUscitaUso;
    } catch (const ErroreFormato& e) {
      err << nome << ": errore: " << e.what() << "\n";
      return kUscitaUso;
    }
  }
  if (json) {
    out << "{\"files\":[";
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (i > 0) out << ',';
      scrivi_json_scarico(out, file[i]);
    }
    out << "]}\n";
  } else {
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (i > 0) out << "\n";
      scrivi_scarico(out, file[i]);
    }
  }
  return kUscitaPulita;
}

struct OpzioniMap {
  std::string cartella, nome, numero, uscita;
};

// The decoded files that map and view draw; false after a message.
bool leggi_dati_mappa(const OpzioniMap& o, Pacchetto& p, DatiMappa& dati, FileBinariScenario& letti,
                      std::ostream& err) {
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return false;
  letti = file_binari(percorso(o.cartella), p);
  const auto& [file_piano, file_stazioni, file_celle] = letti;
  dati.nome_linea = o.nome;
  dati.numero_treno = o.numero;
  const fs::path* corrente = &file_stazioni;
  try {
    dati.stazioni = decodifica_stazioni(leggi_file(file_stazioni, "la tabella delle stazioni"));
    corrente = &file_celle;
    dati.celle = decodifica_celle(leggi_file(file_celle, "il file delle celle"));
    std::error_code ec;
    if (fs::exists(file_piano, ec)) {
      corrente = &file_piano;
      Piano piano = decodifica_piano(leggi_file(file_piano, "il piano della linea"));
      if (piano_compatibile(piano, dati.stazioni, dati.celle)) {
        dati.piano = std::move(piano);
      } else {
        err << "scenario: " << testo(file_piano)
            << ": avviso: il piano non corrisponde alle celle (è di un'altra compilazione?): "
               "disegno solo il profilo\n";
      }
    } else {
      err << "scenario: " << testo(file_piano)
          << ": avviso: piano della linea assente: disegno solo il profilo\n";
    }
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return false;
  } catch (const ErroreFormato& e) {
    err << testo(*corrente) << ": errore: " << e.what() << "\n";
    return false;
  }
  return true;
}

// Writes a drawing to the file --out names, beside the files it was drawn from.
int scrivi_disegno(const std::string& uscita, const std::string& contenuto,
                   const FileBinariScenario& letti, std::ostream& out, std::ostream& err,
                   SistemaFile& sistema) {
  fs::path destinazione, cartella;
  if (!file_di_uscita(uscita, destinazione, cartella, err)) return kUscitaUso;
  try {
    scrivi_in_cartella(cartella, {{testo(destinazione.filename()), contenuto}},
                       {letti.piano, letti.stazioni, letti.celle}, sistema);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }
  out << "scritto " << testo(destinazione) << "\n";
  return kUscitaPulita;
}

int esegui_map(const OpzioniMap& o, std::ostream& out, std::ostream& err, SistemaFile& sistema) {
  Pacchetto p;
  DatiMappa dati;
  FileBinariScenario letti;
  if (!leggi_dati_mappa(o, p, dati, letti, err)) return kUscitaUso;
  return scrivi_disegno(o.uscita, disegna_mappa(dati), letti, out, err, sistema);
}

const char* const kPiedeView = R"(
Legge da DIR gli stessi file di map e scrive una pagina HTML che basta a se
stessa (dati, stile e programma dentro il file, nessun accesso alla rete), da
aprire con un browser: la pianta e il profilo collegati, da spostare con il
mouse e ingrandire con la rotella; una casella di ricerca che accetta una
posizione in metri (30400), una cella (cella 609), un chilometro (km 70,4) o
il nome di una stazione; l'ispettore della cella scelta, con i campi come li
nomina dump; l'elenco delle stazioni; gli strati da accendere e spegnere.
Con --line e --train verifica anche i due testi come check e mostra le
diagnostiche, ognuna con il suo file e la sua riga, sulla linea dove cadono.
La cartella del file HTML viene creata se manca.
)";

struct OpzioniView {
  OpzioniMap mappa;
  std::string linea, treno;
};

int esegui_view(const OpzioniView& o, std::ostream& out, std::ostream& err, SistemaFile& sistema) {
  Pacchetto p;
  DatiMappa dati;
  FileBinariScenario letti;
  if (!leggi_dati_mappa(o.mappa, p, dati, letti, err)) return kUscitaUso;
  std::optional<EsitoVerifica> diagnostiche;
  if (!o.linea.empty()) {
    std::string testo_linea, testo_treno;
    if (!leggi_testi(percorso(o.linea), percorso(o.treno), testo_linea, testo_treno, err)) {
      return kUscitaUso;
    }
    diagnostiche =
        verifica(testo_linea, testo_treno, p.nome_linea, p.numero_treno, o.linea, o.treno);
  }
  return scrivi_disegno(o.mappa.uscita, pagina_vista(dati, diagnostiche ? &*diagnostiche : nullptr),
                        letti, out, err, sistema);
}

const char* const kPiedeDecompile = R"(
Legge da DIR NOME_LINEA_linea.dat (facoltativo), NOME_LINEA_NUMERO_TRENO.sim e
NOME_LINEA_NUMERO_TRENO.dat e scrive in TESTI_DIR il testo della linea
(NOME_LINEA_linea.txt) e quello del treno (NOME_LINEA_NUMERO_TRENO-.txt), in
Windows-1252 con CR LF come li scrive il pacchetto. Prima di scrivere compila
i testi in memoria con il compilatore del pacchetto e confronta ogni byte dei
tre file; se non coincidono prova le alternative che conosce, e se nessuna
coincide non scrive nulla e nomina le prime celle, slot o punti del piano
diversi. Senza il piano i testi non hanno curve e danno gli altri due file
con compile --no-plan.

I testi sono una forma normale: ogni elemento all'inizio della sua cella,
valori uguali di celle vicine come un solo record, e dove più testi danno gli
stessi byte uno scelto (cartelli di velocità: v_d / 5 tra 0 e 19; segnali: le
unità come valori d; abbattimenti con valore 0 o meno: 0). Le note dicono,
con la loro cella o slot, quello che la forma normale non ridà.

Stato d'uscita:
  0  testi scritti; compilati danno gli stessi file
  1  testi scritti e verificati, ma la loro compilazione registra un codice
     d'errore (come compile)
  2  uso sbagliato, un file che non si può leggere o scrivere, oppure un file
     rovinato (nominato con il byte dove non torna)
  3  nessun testo scritto: nessun testo dà questi file (nominati il punto o
     le prime differenze)

Con --json l'uscita standard contiene un solo oggetto JSON:
  {"codice_errore": N, "files": [...], "note": [{"cella": N, "nota": "..."}, ...],
   "differenze": [...]}
)";

struct OpzioniDecompile {
  std::string cartella, nome, numero, uscita;
  bool json = false;
};

int esegui_decompile(const OpzioniDecompile& o, std::ostream& out, std::ostream& err,
                     SistemaFile& sistema) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  if (!cartella_utilizzabile(uscita, err)) return kUscitaUso;
  const fs::path dir = percorso(o.cartella);
  const auto [file_piano, file_stazioni, file_celle] = file_binari(dir, p);
  FileBinari binari;
  const fs::path* corrente = &file_stazioni;
  EsitoDecompilazione esito;
  try {
    binari.stazioni = leggi_file(file_stazioni, "la tabella delle stazioni");
    binari.celle = leggi_file(file_celle, "il file delle celle");
    std::error_code ec;
    if (fs::exists(file_piano, ec)) binari.piano = leggi_file(file_piano, "il piano della linea");
    corrente = &file_stazioni;
    decodifica_stazioni(binari.stazioni);
    corrente = &file_celle;
    decodifica_celle(binari.celle);
    corrente = &file_piano;
    if (binari.piano) decodifica_piano(*binari.piano);
    esito = decompila(binari, p.nome_linea, p.numero_treno);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  } catch (const ErroreFormato& e) {
    err << testo(*corrente) << ": errore: " << e.what() << "\n";
    return kUscitaUso;
  }

  std::vector<FileUscita> file;
  if (esito.riuscita) {
    file = con_nomi_disco(
        {{nome_testo_linea(p), esito.testo_linea}, {nome_testo_treno(p), esito.testo_treno}});
    if (!scrivi_o_avvisa(uscita, file, {file_piano, file_stazioni, file_celle}, sistema, err)) {
      return kUscitaUso;
    }
  }
  if (o.json) {
    nlohmann::ordered_json j;
    j["codice_errore"] = esito.codice_errore;
    j["files"] = nlohmann::ordered_json::array();
    for (const FileUscita& f : file) j["files"].push_back(f.first);
    j["note"] = nlohmann::ordered_json::array();
    for (const Nota& n : esito.note) {
      nlohmann::ordered_json x;
      if (n.luogo != Nota::Luogo::kNessuno) x[nome_luogo(n.luogo)] = n.indice;
      x["nota"] = n.testo;
      j["note"].push_back(x);
    }
    j["differenze"] = esito.differenze;
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    for (const std::string& d : esito.differenze) err << testo(dir) << ": errore: " << d << "\n";
    for (const Nota& n : esito.note) {
      out << "nota: ";
      if (n.luogo != Nota::Luogo::kNessuno) out << nome_luogo(n.luogo) << " " << n.indice << ": ";
      out << n.testo << "\n";
    }
    for (const FileUscita& f : file) out << "scritto " << testo(uscita / percorso(f.first)) << "\n";
  }
  if (!esito.riuscita) return kUscitaFatale;
  return esito.codice_errore == 0 ? kUscitaPulita : kUscitaCodice;
}

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
  FormaLuogo luogo = FormaLuogo::kCompilatore;
};

int esegui_package(const OpzioniPackage& o, std::ostream& out, std::ostream& err,
                   SistemaFile& sistema) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, err)) return kUscitaUso;
  fs::path destinazione, cartella;
  if (!file_di_uscita(o.uscita, destinazione, cartella, err)) return kUscitaUso;
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
        err << nome << ": avviso: righe chiuse dal solo LF: il pacchetto le scrive con CR LF\n";
      }
      if (r.sembra_utf8) {
        err << nome << ": avviso: il testo sembra UTF-8, ma il pacchetto ne scrive i byte come "
            << "caratteri Windows-1252 (\"è\" diventerebbe \"Ã¨\")\n";
      }
      s.*t.righe = std::move(r.righe);
      if (letti.size() < 2) nomi_letti[letti.size()] = nome;
      letti.push_back(file);
    }
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }

  // Checked as the package will write them, line ends and all.
  std::int32_t contatore = 0;
  const std::string testo_linea = componi_testo(s.linea, contatore);
  const std::string testo_treno = componi_testo(s.treno, contatore);
  const EsitoVerifica esito = verifica(testo_linea, testo_treno, p.nome_linea, p.numero_treno,
                                       nomi_letti[0], nomi_letti[1]);
  err << testo_verifica(esito, o.luogo);
  if (esito.errori() > 0) {
    if (!o.force) {
      err << "scenario: " << esito.errori()
          << " errori nei testi: nessun pacchetto scritto (--force lo scrive comunque)\n";
      return kUscitaCodice;
    }
    err << "scenario: " << esito.errori() << " errori nei testi: pacchetto scritto per --force\n";
  }

  const fs::path base = o.base.empty()
                            ? pacchetto_base_predefinito(eseguibile_programma(), destinazione)
                            : percorso(o.base);
  PacchettoComposto composto;
  try {
    composto = componi_pacchetto(leggi_file(base, "il pacchetto di base"), windows, s, testo(base));
    scrivi_contenuti_in_cartella(cartella, {{testo(destinazione.filename()), composto.byte}}, letti,
                                 sistema, !windows);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return kUscitaUso;
  }
  out << "scritto " << testo(destinazione) << ": pacchetto " << (windows ? "Windows" : "Linux")
      << " della linea " << o.nome << ", treno " << o.numero << ", da " << testo(base)
      << (composto.sostituiti ? " (il suo scenario accodato è stato sostituito)" : "") << "\n";
  return kUscitaPulita;
}

}  // namespace

bool nome_valido(const std::string& utf8, std::string& cp1252, std::string& motivo) {
  const std::string convertito = a_cp1252(utf8);
  if (da_cp1252(convertito) != utf8) {
    motivo = "contiene caratteri fuori dalla codifica Windows-1252 dei file del pacchetto";
    return false;
  }
  motivo = motivo_nome_non_sicuro(convertito);
  if (!motivo.empty()) return false;
  cp1252 = convertito;
  return true;
}

int esegui_scenario(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    SistemaFile& sistema, FormaLuogo luogo) {
  CLI::App app(
      "scenario: lo strumento degli autori di scenari. Compila i testi della linea e del treno\n"
      "con lo stesso compilatore del pacchetto, esporta i testi dello scenario incorporato,\n"
      "decodifica e disegna i file binari.",
      "scenario");
  localizza(app);
  app.require_subcommand(1);
  app.footer(kEsempio);

  OpzioniCompile oc;
  CLI::App* c = sottocomando(
      app, "compile",
      "Compila un testo della linea e uno del treno come fa il pacchetto e scrive i file binari");
  c->add_option("--line", oc.linea, "testo della linea")->required()->type_name("TESTO_LINEA");
  c->add_option("--train", oc.treno, "testo del treno")->required()->type_name("TESTO_TRENO");
  c->add_option("--name", oc.nome, "nome della linea (prima parte dei nomi dei file)")
      ->required()
      ->type_name("NOME_LINEA");
  c->add_option("--number", oc.numero, "numero del treno")->required()->type_name("NUMERO_TRENO");
  c->add_option("--out", oc.uscita, "cartella dei file binari (creata se manca)")
      ->required()
      ->type_name("DIR");
  c->add_flag("--no-plan", oc.senza_piano,
              "senza piano della linea (argomento 0 della finitura, niente _linea.dat)");
  c->add_flag("--json", oc.json, "esito come un oggetto JSON sull'uscita standard");
  const auto opzione_luogo = [](CLI::App* sotto, std::string& scelta) {
    sotto
        ->add_option("--diagnostics", scelta,
                     "forma del luogo: gcc FILE:RIGA:COLONNA: o msvc FILE(RIGA,COLONNA):")
        ->check(CLI::Validator(
            [](const std::string& valore) {
              return valore == "gcc" || valore == "msvc" ? std::string() : "deve essere gcc o msvc";
            },
            ""))
        ->type_name("gcc|msvc");
  };
  std::string luogo_scelto;
  opzione_luogo(c, luogo_scelto);
  // The compiled files of a scenario, read by map and decompile.
  const auto opzioni_file_binari = [](CLI::App* sotto, std::string& cartella, std::string& nome,
                                      std::string& numero) {
    sotto->add_option("--dir", cartella, "cartella dei file binari")->required()->type_name("DIR");
    sotto->add_option("--name", nome, "nome della linea")->required()->type_name("NOME_LINEA");
    sotto->add_option("--number", numero, "numero del treno")
        ->required()
        ->type_name("NUMERO_TRENO");
  };
  c->footer(kPiedeCompile);

  OpzioniCheck ov;
  CLI::App* v = sottocomando(
      app, "check",
      "Verifica un testo della linea e uno del treno: tutti gli errori in una volta, e un\n"
      "avviso dove il pacchetto cambierebbe in silenzio quello che il testo dice");
  v->add_option("--line", ov.linea, "testo della linea")->required()->type_name("TESTO_LINEA");
  v->add_option("--train", ov.treno, "testo del treno")->required()->type_name("TESTO_TRENO");
  v->add_option("--name", ov.nome, "nome della linea (di solito: Corsanta)")
      ->type_name("NOME_LINEA");
  v->add_option("--number", ov.numero, "numero del treno (di solito: 7402)")
      ->type_name("NUMERO_TRENO");
  v->add_option("--format", ov.forma, "forma delle diagnostiche")
      ->check(CLI::IsMember({"text", "json", "sarif"}))
      ->type_name("FORMA");
  v->add_flag("--werror", ov.werror, "anche gli avvisi danno lo stato 1");
  std::string luogo_scelto_check;
  opzione_luogo(v, luogo_scelto_check);
  v->footer(kPiedeCheck);

  OpzioniTexts ot;
  CLI::App* t = sottocomando(
      app, "texts",
      "Scrive i cinque testi dello scenario incorporato (linea, treno, note, rallentamenti,\n"
      "scheda) come li scrive il pacchetto; non cancella nulla");
  t->add_option("--out", ot.uscita, "cartella dei testi (creata se manca)")
      ->required()
      ->type_name("DIR");
  t->add_option("--name", ot.nome,
                "nome della linea nei nomi dei file (di solito: Corsanta), per package")
      ->type_name("NOME_LINEA");
  t->add_option("--number", ot.numero, "numero del treno nei nomi dei file (di solito: 7402)")
      ->type_name("NUMERO_TRENO");

  std::vector<std::string> da_scaricare;
  bool json_dump = false;
  CLI::App* d = sottocomando(
      app, "dump", "Decodifica piano (_linea.dat), stazioni (.sim) e celle (.dat) in testo o JSON");
  d->add_option("FILE", da_scaricare, "file binari da decodificare")->required()->type_name("FILE");
  d->add_flag("--json", json_dump, "un oggetto JSON con un elemento per file");
  d->footer(kPiedeDump);

  OpzioniMap om;
  CLI::App* m = sottocomando(app, "map", "Disegna la linea compilata come immagine SVG");
  opzioni_file_binari(m, om.cartella, om.nome, om.numero);
  m->add_option("--out", om.uscita, "file SVG da scrivere")->required()->type_name("FILE.svg");
  m->footer(kPiedeMap);

  OpzioniDecompile odc;
  CLI::App* dc = sottocomando(
      app, "decompile",
      "Riscrive i testi della linea e del treno dai tre file binari, verificati: compilati\n"
      "danno gli stessi byte");
  opzioni_file_binari(dc, odc.cartella, odc.nome, odc.numero);
  dc->add_option("--out", odc.uscita, "cartella dei testi (creata se manca)")
      ->required()
      ->type_name("TESTI_DIR");
  dc->add_flag("--json", odc.json, "note e differenze come un oggetto JSON sull'uscita standard");
  dc->footer(kPiedeDecompile);

  OpzioniView ovw;
  CLI::App* vw = sottocomando(
      app, "view",
      "Scrive la linea compilata come una pagina HTML da esplorare: pianta e profilo, ricerca,\n"
      "celle, stazioni, strati e, con i testi, le diagnostiche di check");
  opzioni_file_binari(vw, ovw.mappa.cartella, ovw.mappa.nome, ovw.mappa.numero);
  vw->add_option("--out", ovw.mappa.uscita, "file HTML da scrivere")
      ->required()
      ->type_name("FILE.html");
  CLI::Option* vista_linea =
      vw->add_option("--line", ovw.linea, "testo della linea, per le diagnostiche")
          ->type_name("TESTO_LINEA");
  CLI::Option* vista_treno =
      vw->add_option("--train", ovw.treno, "testo del treno, per le diagnostiche")
          ->type_name("TESTO_TRENO");
  vista_linea->needs(vista_treno);
  vista_treno->needs(vista_linea);
  vw->footer(kPiedeView);

  OpzioniPackage op;
  CLI::App* pk = sottocomando(
      app, "package",
      "Scrive un pacchetto (Windows o Linux) che porta con sé i cinque testi di uno scenario:\n"
      "avviato, fa quello che fa Progetto1 con questo scenario");
  pk->add_option("--texts", op.testi, "cartella dei cinque testi, con i nomi del pacchetto")
      ->required()
      ->type_name("DIR");
  pk->add_option("--name", op.nome, "nome della linea")->required()->type_name("NOME_LINEA");
  pk->add_option("--number", op.numero, "numero del treno")->required()->type_name("NUMERO_TRENO");
  pk->add_option("--out", op.uscita, "pacchetto da scrivere (.exe: per Windows)")
      ->required()
      ->type_name("FILE");
  pk->add_option("--base", op.base,
                 "pacchetto da copiare (di solito quello accanto allo strumento)")
      ->type_name("PACCHETTO");
  pk->add_flag("--force", op.force, "scrive il pacchetto anche se la verifica trova errori");
  std::string luogo_scelto_package;
  opzione_luogo(pk, luogo_scelto_package);
  pk->footer(kPiedePackage);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err) == 0 ? kUscitaPulita : kUscitaUso;
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err) == 0 ? kUscitaPulita : kUscitaUso;
  } catch (const CLI::ParseError& e) {
    err << "scenario: " << messaggio_uso(e) << "\nUsa --help per l'aiuto.\n";
    return kUscitaUso;
  }

  const auto forma_luogo = [luogo](const std::string& scelta) {
    return scelta.empty()     ? luogo
           : scelta == "msvc" ? FormaLuogo::kVisualStudio
                              : FormaLuogo::kCompilatore;
  };
  if (c->parsed()) {
    oc.luogo = forma_luogo(luogo_scelto);
    return esegui_compile(oc, out, err, sistema);
  }
  if (v->parsed()) {
    ov.luogo = forma_luogo(luogo_scelto_check);
    return esegui_check(ov, out, err);
  }
  if (t->parsed()) return esegui_texts(ot, out, err, sistema);
  if (d->parsed()) return esegui_dump(da_scaricare, json_dump, out, err);
  if (dc->parsed()) return esegui_decompile(odc, out, err, sistema);
  if (m->parsed()) {
    if (!finisce_con(om.uscita, ".svg")) {
      err << "scenario: --out \"" << om.uscita << "\": il file deve finire con \".svg\"\n";
      return kUscitaUso;
    }
    return esegui_map(om, out, err, sistema);
  }
  if (pk->parsed()) {
    op.luogo = forma_luogo(luogo_scelto_package);
    return esegui_package(op, out, err, sistema);
  }
  if (vw->parsed()) {
    if (!finisce_con(ovw.mappa.uscita, ".html")) {
      err << "scenario: --out \"" << ovw.mappa.uscita << "\": il file deve finire con \".html\"\n";
      return kUscitaUso;
    }
    return esegui_view(ovw, out, err, sistema);
  }
  return kUscitaUso;
}

}  // namespace progetto1::strumento
