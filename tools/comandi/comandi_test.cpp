// The tool as authors use it: in-process through esegui_scenario, and as the
// built `scenario` program next to the built package.
#include "tools/comandi/comandi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "model/cp1252.h"
#include "tools/binari/decodifica.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/disegno/mappa.h"
#include "tools/motore/compilazione.h"
#include "tools/prova/strumento.h"
#include "tools/prova/xml.h"

namespace progetto1::strumento {
namespace {

using namespace prova;

class Strumento : public prova::StrumentoProva {};

// ---- help and usage ----------------------------------------------------------

TEST_F(Strumento, AiutoDiOgniSottocomando) {
  const Esito e = esegui({"--help"});
  EXPECT_EQ(e.stato, 0);
  for (const char* s : {"compile", "texts", "dump", "map", "Esempio"}) {
    EXPECT_NE(e.out.find(s), std::string::npos) << s;
  }
  const Esito c = esegui({"compile", "--help"});
  EXPECT_EQ(c.stato, 0);
  for (const char* s : {"--line", "--train", "--name", "--number", "--out", "--no-plan", "--json",
                        "Stato d'uscita", "viene creata"}) {
    EXPECT_NE(c.out.find(s), std::string::npos) << s;
  }
  for (const char* sotto : {"texts", "dump", "map"}) {
    const Esito s = esegui({sotto, "--help"});
    EXPECT_EQ(s.stato, 0) << sotto;
    EXPECT_NE(s.out.find("--help"), std::string::npos) << sotto;
  }
}

TEST_F(Strumento, ErroriDUsoStato2) {
  testi(prova::linea_prova(), prova::treno_prova());
  const std::vector<std::vector<std::string>> casi = {
      {},
      {"boh"},
      {"compile", "--line", linea_.string()},
      {"compile", "--line", linea_.string(), "--train", treno_.string(), "--name", "Prova",
       "--number", "11", "--out", uscita_.string(), "--sconosciuta"},
      {"dump"},
      {"map", "--dir", uscita_.string(), "--name", "Prova", "--number", "11", "--out", "x.png"},
  };
  for (const auto& c : casi) {
    const Esito e = esegui(c);
    EXPECT_EQ(e.stato, 2) << (c.empty() ? "" : c[0]);
    EXPECT_EQ(e.out, "") << (c.empty() ? "" : c[0]);
  }
  EXPECT_TRUE(contenuto(uscita_).empty());

  EXPECT_EQ(esegui({}).err,
            "scenario: serve un sottocomando: compile, check, texts, dump, map, view, decompile, "
            "package, help o lsp\n"
            "Usa --help per l'aiuto.\n");
  EXPECT_EQ(esegui({"compile", "--line", linea_.string()}).err,
            "scenario: manca l'opzione obbligatoria --train\nUsa --help per l'aiuto.\n");
}

// Every usage error in Italian, the library's own included; a misspelled
// subcommand or option gets the nearest one.
TEST_F(Strumento, ErroriDUsoInItalianoConIlSuggerimento) {
  struct Caso {
    std::vector<std::string> argomenti;
    const char* messaggio;
  };
  const Caso casi[] = {
      {{"chek"},
       "sottocomando sconosciuto \"chek\"; forse \"check\"?\nI sottocomandi sono: compile, "
       "check, texts, dump, map, view, decompile, package, help o lsp."},
      {{"check", "--lin", "l.txt", "--train", "t.txt"},
       "opzione sconosciuta --lin per check; forse \"--line\"?"},
      {{"compile", "--sconosciuta"}, "opzione sconosciuta --sconosciuta per compile"},
      {{"check", "--line", "l.txt", "--train", "t.txt", "--format", "xml"},
       "--format: valore \"xml\" non ammesso (ammessi: text, json, sarif)"},
      {{"map", "--dir", ".", "--name", "A", "--number", "1", "--out"},
       "numero di valori sbagliato per --out (manca il valore, o ce ne sono troppi)"},
      {{"dump", "manca.dat"},
       "impossibile leggere il file \"manca.dat\": il file o la cartella non esiste"},
  };
  for (const Caso& c : casi) {
    const Esito e = esegui(c.argomenti);
    EXPECT_EQ(e.stato, 2) << c.argomenti[0];
    const std::string err = e.err.substr(0, e.err.find("\nUsa --help"));
    EXPECT_EQ(err.substr(0, err.find_last_not_of('\n') + 1),
              std::string("scenario: ") + c.messaggio)
        << c.argomenti[0];
  }
}

TEST(NomeValido, NomiDiFileSicuri) {
  struct Caso {
    const char* nome;
    bool valido;
    const char* cp1252;
  };
  const Caso casi[] = {
      {"Corsanta", true, "Corsanta"},
      {"7402", true, "7402"},
      {"Città", true, "Citt\xE0"},
      {"", false, ""},
      {".", false, ""},
      {"..", false, ""},
      {"a/b", false, ""},
      {"a\\b", false, ""},
      {"a:b", false, ""},
      {"a?b", false, ""},
      {"a\nb", false, ""},
      {"\xE2\x82\xAC", true, "\x80"},  // the euro sign exists in the code page
      {"\xE4\xB8\xAD", false, ""},     // a character the code page lacks
  };
  for (const Caso& c : casi) {
    std::string cp, motivo;
    EXPECT_EQ(nome_valido(c.nome, cp, motivo), c.valido) << c.nome;
    if (c.valido) {
      EXPECT_EQ(cp, c.cp1252) << c.nome;
    }
    if (!c.valido) {
      EXPECT_FALSE(motivo.empty()) << c.nome;
    }
  }
}

TEST_F(Strumento, NomeConSeparatoreRifiutato) {
  testi(prova::linea_prova(), prova::treno_prova());
  std::vector<std::string> a = compile_args();
  a[6] = "../fuori";
  const Esito e = compile(a);
  EXPECT_EQ(e.stato, 2);
  EXPECT_NE(e.err.find("--name"), std::string::npos);
  EXPECT_TRUE(contenuto(uscita_).empty());
  EXPECT_TRUE(contenuto(cartella_).count("fuori_linea.dat") == 0);
}

// ---- compile -------------------------------------------------------------------

TEST_F(Strumento, CompilePulitoJson) {
  testi(prova::linea_prova(), prova::treno_prova());
  const Esito e = compile(compile_args());
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":null,\"files\":"
            "[\"Prova_linea.dat\",\"Prova_11.sim\",\"Prova_11.dat\"]}\n");
  EXPECT_EQ(e.err, "");
  // Only the three files: nothing provisional left behind.
  const auto c = contenuto(uscita_);
  EXPECT_EQ(c.size(), 3u);
  const EsitoCompilazione atteso = compila(leggi(linea_), leggi(treno_), "Prova", "11", true);
  for (const FileUscita& f : atteso.file) EXPECT_TRUE(c.at(f.first) == f.second) << f.first;
}

TEST_F(Strumento, CompilePulitoSenzaJson) {
  testi(prova::linea_prova(), prova::treno_prova());
  const Esito e = compile(compile_args(false));
  EXPECT_EQ(e.stato, 0);
  EXPECT_EQ(e.err, "");
  EXPECT_EQ(e.out, "scritto " + (uscita_ / "Prova_linea.dat").string() + "\nscritto " +
                       (uscita_ / "Prova_11.sim").string() + "\nscritto " +
                       (uscita_ / "Prova_11.dat").string() + "\n");
}

// The place of a diagnostic: the caller's default (the platform's), unless
// --diagnostics chooses.
TEST_F(Strumento, FormaDelLuogoPredefinitaOScelta) {
  testi(prova::linea_prova(), prova::treno_segnale_doppio());
  const std::string gcc = treno_.string() + ":17:1: errore 16: ";
  const std::string msvc = treno_.string() + "(17,1): errore 16: ";
  struct Caso {
    FormaLuogo predefinita;
    const char* scelta;
    const std::string& inizio;
  };
  const Caso casi[] = {
      {FormaLuogo::kCompilatore, nullptr, gcc},  {FormaLuogo::kVisualStudio, nullptr, msvc},
      {FormaLuogo::kCompilatore, "msvc", msvc},  {FormaLuogo::kVisualStudio, "gcc", gcc},
      {FormaLuogo::kVisualStudio, "msvc", msvc},
  };
  for (const Caso& c : casi) {
    std::vector<std::string> a = compile_args(false);
    a.insert(a.begin(), "scenario");
    if (c.scelta != nullptr) a.insert(a.end(), {"--diagnostics", c.scelta});
    std::vector<const char*> argv;
    for (const std::string& x : a) argv.push_back(x.c_str());
    std::ostringstream out, err;
    EXPECT_EQ(esegui_scenario(static_cast<int>(argv.size()), argv.data(), out, err, sistema_file(),
                              c.predefinita),
              1);
    EXPECT_EQ(err.str().rfind(c.inizio, 0), 0u) << err.str();
  }
  std::vector<std::string> a = compile_args(false);
  a.insert(a.end(), {"--diagnostics", "vs"});
  const Esito e = esegui(a);
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.err, "scenario: --diagnostics: deve essere gcc o msvc\nUsa --help per l'aiuto.\n");
}

TEST_F(Strumento, CompileSenzaPianoLasciaIlVecchioPiano) {
  testi(prova::linea_prova(), prova::treno_prova());
  file_vecchi();
  std::vector<std::string> a = compile_args();
  a.push_back("--no-plan");
  const Esito e = compile(a);
  EXPECT_EQ(e.stato, 0);
  EXPECT_EQ(e.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":null,\"files\":"
            "[\"Prova_11.sim\",\"Prova_11.dat\"]}\n");
  EXPECT_EQ(leggi(uscita_ / "Prova_linea.dat"), "vecchio piano");
  EXPECT_NE(leggi(uscita_ / "Prova_11.sim"), "vecchie stazioni");
}

// A missing output folder is made with its parents, as mkdir -p does; a path
// that exists and is not a folder, or lies below a file, is refused.
TEST_F(Strumento, CartellaDiUscitaMancanteCreataOFileRifiutato) {
  testi(prova::linea_prova(), prova::treno_prova());
  ASSERT_EQ(compile(compile_args()).stato, 0);
  const fs::path annidata = cartella_ / "nuova" / "annidata";
  struct Caso {
    std::vector<std::string> argomenti;
    std::string scritto;
  };
  const std::vector<Caso> casi = {
      {{"compile", "--line", linea_.string(), "--train", treno_.string(), "--name", "Prova",
        "--number", "11", "--out", (annidata / "binari").string()},
       "binari/Prova_11.dat"},
      {{"texts", "--out", (annidata / "testi").string()}, "testi/Corsanta_linea.txt"},
      {{"map", "--dir", uscita_.string(), "--name", "Prova", "--number", "11", "--out",
        (annidata / "mappa" / "prova.svg").string()},
       "mappa/prova.svg"},
  };
  for (const Caso& c : casi) {
    const Esito e = esegui(c.argomenti);
    EXPECT_EQ(e.stato, 0) << c.argomenti[0] << ": " << e.err;
    EXPECT_TRUE(fs::is_regular_file(annidata / c.scritto)) << c.scritto;

    for (const fs::path& non_cartella : {linea_, linea_ / "sotto"}) {
      std::vector<std::string> a = c.argomenti;
      const auto out = std::find(a.begin(), a.end(), "--out") + 1;
      *out =
          c.argomenti[0] == "map" ? (non_cartella / "prova.svg").string() : non_cartella.string();
      const Esito r = esegui(a);
      EXPECT_EQ(r.stato, 2) << c.argomenti[0] << " " << *out;
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find(non_cartella == linea_ ? "non è una cartella"
                                                  : "impossibile creare la cartella"),
                std::string::npos)
          << r.err;
    }
  }
  EXPECT_EQ(leggi(linea_), prova::unisci(prova::linea_prova()));
}

TEST_F(Strumento, DestinazioneCheNonEUnFileNonToccaGliAltri) {
  testi(prova::linea_prova(), prova::treno_prova());
  file_vecchi();
  fs::remove(uscita_ / "Prova_11.dat");
  fs::create_directories(uscita_ / "Prova_11.dat");
  const auto prima = contenuto(uscita_);
  const Esito e = compile(compile_args());
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(contenuto(uscita_), prima);
}

TEST_F(Strumento, TestoDIngressoNonLeggibile) {
  testi(prova::linea_prova(), prova::treno_prova());
  std::vector<std::string> a = compile_args();
  a[4] = (cartella_ / "manca.txt").string();
  const Esito e = esegui(a);
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.out, "");
  EXPECT_NE(e.err.find("impossibile leggere il testo del treno"), std::string::npos) << e.err;
  EXPECT_TRUE(contenuto(uscita_).empty());
}

TEST_F(Strumento, UnIngressoNellaCartellaDiUscitaNonVieneSovrascritto) {
  // A train text that happens to carry the name of the cell file.
  testi(prova::linea_prova(), prova::treno_prova());
  const fs::path treno = uscita_ / "Prova_11.dat";
  fs::copy_file(treno_, treno);
  std::vector<std::string> a = compile_args();
  a[4] = treno.string();
  const std::string prima = leggi(treno);
  const Esito e = esegui(a);
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(leggi(treno), prima);
  EXPECT_EQ(contenuto(uscita_).size(), 1u);
}

// ---- texts -----------------------------------------------------------------------

TEST_F(Strumento, TestiComeLiScriveIlPacchettoSenzaCancellareNulla) {
  scrivi(uscita_ / "altro.txt", "mio");
  const Esito e = esegui({"texts", "--out", uscita_.string()});
  EXPECT_EQ(e.stato, 0) << e.err;
  const auto c = contenuto(uscita_);
  const std::vector<FileUscita> attesi = testi_pacchetto();
  EXPECT_EQ(c.size(), attesi.size() + 1);
  EXPECT_EQ(c.at("altro.txt"), "mio");
  std::string elenco;
  for (const FileUscita& f : attesi) {
    EXPECT_TRUE(c.at(f.first) == f.second) << f.first;
    elenco += "scritto " + (uscita_ / f.first).string() + "\n";
  }
  EXPECT_EQ(e.out, elenco);
}

// An author's edited text is never replaced without --force: the run names it,
// writes none of the five and ends with status 2. Texts equal to what it would
// write are no obstacle.
TEST_F(Strumento, TestiModificatiNonSostituitiSenzaForce) {
  ASSERT_EQ(esegui({"texts", "--out", uscita_.string()}).stato, 0);
  ASSERT_EQ(esegui({"texts", "--out", uscita_.string()}).stato, 0);
  const fs::path linea = uscita_ / "Corsanta_linea.txt";
  const fs::path note = uscita_ / "Corsanta_7402_note.txt";
  scrivi(linea, "[generale]\r\nlunghezza percorso,  5000\r\n");
  fs::remove(note);
  const auto prima = contenuto(uscita_);
  const Esito e = esegui({"texts", "--out", uscita_.string()});
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(e.err,
            "scenario: non sostituisco testi che esistono già con un contenuto diverso (forse li "
            "hai modificati); non ho scritto nulla:\n  " +
                linea.string() +
                "\nScegli un'altra cartella con --out, oppure aggiungi --force per sostituirli.\n");
  EXPECT_EQ(contenuto(uscita_), prima);

  const Esito f = esegui({"texts", "--out", uscita_.string(), "--force"});
  EXPECT_EQ(f.stato, 0) << f.err;
  // Even so it names what it replaces.
  EXPECT_EQ(f.err, "scenario: --force: sostituisco testi che avevano un contenuto diverso:\n  " +
                       linea.string() + "\n");
  for (const FileUscita& t : testi_pacchetto()) {
    EXPECT_TRUE(leggi(uscita_ / t.first) == t.second) << t.first;
  }
}

// Under another line's and train's names, ready for package; names that
// package would refuse are refused here too.
TEST_F(Strumento, TestiConIlNomeDiUnAltroScenario) {
  const Esito e =
      esegui({"texts", "--out", uscita_.string(), "--name", "Città", "--number", "2211"});
  EXPECT_EQ(e.stato, 0) << e.err;
  std::map<std::string, std::string> attesi;
  for (const FileUscita& f : testi_pacchetto("Citt\xE0", "2211")) {
    attesi[da_cp1252(f.first)] = f.second;
  }
  EXPECT_EQ(contenuto(uscita_), attesi);
  EXPECT_EQ(attesi.count("Città_2211_scheda_treno.txt"), 1u);
  const Esito n = esegui({"texts", "--out", uscita_.string(), "--name", "CON"});
  EXPECT_EQ(n.stato, 2);
  EXPECT_EQ(contenuto(uscita_), attesi);
}

// ---- dump ------------------------------------------------------------------------

std::vector<std::string> righe(const std::string& testo) {
  std::vector<std::string> r;
  std::istringstream in(testo);
  for (std::string riga; std::getline(in, riga);) r.push_back(riga);
  return r;
}

TEST_F(Strumento, DumpDiUnaCellaEDiUnoSlotNoti) {
  testi(prova::linea_prova(), prova::treno_prova());
  ASSERT_EQ(compile(compile_args()).stato, 0);
  const Esito e =
      esegui({"dump", (uscita_ / "Prova_11.dat").string(), (uscita_ / "Prova_11.sim").string()});
  ASSERT_EQ(e.stato, 0) << e.err;
  const std::vector<std::string> r = righe(e.out);
  // Cells: a heading, the column names and 241 rows; then a blank line and the slots.
  ASSERT_EQ(r.size(), 2u + 241u + 1u + 2u + 87u);
  // The signal at 2500 m (sx 1, s1 4, s2 1): cell 51, 100 km/h, gradient 5, adhesion 70.
  EXPECT_EQ(r[2 + 51],
            "     51      2500  segnale                   40      10       0       3      0  "
            "            0         0          20       105        70  | dato1 40 (s1 4, d1 0), "
            "dato2 10 (s2 1, d2 0), dato3 0 (s3 0, d3 0), dato4 3 (rapp 0, sx 1, dx 0), tempo 0 "
            "(nessuno, o sx diverso da 2), vel_limite 20 (100 km/h), pendenza 105 (5 ‰), aderenza "
            "70 (come nel testo)");
  // Cell 1 carries the package value 5121 and the check code.
  EXPECT_EQ(r[2 + 1].substr(0, 47), "      1         0  nessuno                 5121");
  // The first station: zone 850 to 1150 m, time 8:00:00.
  EXPECT_EQ(r[2 + 241 + 1 + 2 + 1],
            "   1  stazione          4        850       1150       1000          1        0  "
            "      0        0        0        0       0       0       0       0       28800  "
            "\"Alfa\"  | codice 4 (categoria 4: zona da P - L/2 a P + L/2, fermata e marche di "
            "avvicinamento), valore1 850 (inizio della zona 850 m), valore2 1150 (fine della zona "
            "1150 m), valore3 1000 (posizione 1000 m), valore4 28800 (orario 8:00:00)");
  EXPECT_EQ(r[2 + 241 + 1 + 2 + 85].substr(0, 17), "  85  linea      ");
}

TEST_F(Strumento, DumpJson) {
  testi(prova::linea_prova(), prova::treno_prova());
  ASSERT_EQ(compile(compile_args()).stato, 0);
  const Esito e =
      esegui({"dump", "--json", (uscita_ / "Prova_11.dat").string(),
              (uscita_ / "Prova_11.sim").string(), (uscita_ / "Prova_linea.dat").string()});
  ASSERT_EQ(e.stato, 0) << e.err;
  const nlohmann::json j = nlohmann::json::parse(e.out);
  ASSERT_EQ(j["files"].size(), 3u);
  EXPECT_EQ(j["files"][0]["tipo"], "celle");
  EXPECT_EQ(j["files"][0]["celle"][51]["nome_genere"], "segnale");
  EXPECT_EQ(j["files"][0]["celle"][51]["dato4"], 3);
  EXPECT_EQ(j["files"][1]["tipo"], "stazioni");
  EXPECT_EQ(j["files"][1]["slot"][2]["testo"], "Beta & <Gamma>");
  EXPECT_EQ(j["files"][2]["tipo"], "piano");
  EXPECT_EQ(j["files"][2]["punti"].size(), 12001u);
  EXPECT_EQ(j["files"][2]["punti"][1]["y"], 1);
  EXPECT_EQ(j["files"][2]["punti"][12000]["x"], nullptr);
}

// The values dump decodes on the embedded scenario are those its texts give.
TEST_F(CartellaCompilazione, DumpJsonDecodificaIValoriDeiTestiIncorporati) {
  ASSERT_EQ(esegui({"texts", "--out", cartella_.string()}).stato, 0);
  const fs::path linea = cartella_ / "Corsanta_linea.txt";
  const fs::path treno = cartella_ / "Corsanta_7402-.txt";
  ASSERT_EQ(esegui({"compile", "--line", linea.string(), "--train", treno.string(), "--name",
                    "Corsanta", "--number", "7402", "--out", uscita_.string()})
                .stato,
            0);
  const Esito e = esegui({"dump", "--json", (uscita_ / "Corsanta_7402.dat").string(),
                          (uscita_ / "Corsanta_7402.sim").string()});
  ASSERT_EQ(e.stato, 0) << e.err;
  const nlohmann::json j = nlohmann::json::parse(e.out);
  const nlohmann::json& celle = j["files"][0]["celle"];
  const nlohmann::json& slot = j["files"][1]["slot"];

  // The records of a text by keyword, each as its comma-separated fields.
  auto record = [](const fs::path& testo, const std::string& chiave) {
    std::vector<std::vector<std::string>> r;
    for (const std::string& riga : righe(leggi(testo))) {
      std::vector<std::string> campi;
      std::istringstream in(riga);
      for (std::string c; std::getline(in, c, ',');) {
        const auto a = c.find_first_not_of(' ');
        const auto b = c.find_last_not_of(" \r");
        campi.push_back(a == std::string::npos ? "" : c.substr(a, b - a + 1));
      }
      if (!campi.empty() && campi[0] == chiave) r.push_back(campi);
    }
    return r;
  };
  auto cella = [&](const std::string& posizione) -> const nlohmann::json& {
    return celle[std::stoi(posizione) / 50 + 1]["significato"];
  };

  const auto velocita = record(treno, "velocita");
  ASSERT_EQ(velocita.size(), 13u);
  for (const auto& v : velocita) EXPECT_EQ(cella(v[1])["vel_limite"], v[2] + " km/h") << v[1];
  const auto pendenze = record(linea, "pendenza");
  ASSERT_EQ(pendenze.size(), 31u);
  for (const auto& p : pendenze) EXPECT_EQ(cella(p[1])["pendenza"], p[2] + " ‰") << p[1];
  const auto segnali = record(treno, "segnale");
  ASSERT_EQ(segnali.size(), 40u);
  for (const auto& s : segnali) {
    // posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo
    EXPECT_EQ(cella(s[1])["dato1"], "s1 " + s[3] + ", d1 " + s[8]) << s[1];
    EXPECT_EQ(cella(s[1])["dato3"], "s3 " + s[5] + ", d3 " + s[10]) << s[1];
    EXPECT_EQ(cella(s[1])["dato4"], "rapp " + s[6] + ", sx " + s[2] + ", dx " + s[7]) << s[1];
  }
  const auto stazioni = record(treno, "stazione");
  ASSERT_EQ(stazioni.size(), 22u);
  for (std::size_t i = 0; i < stazioni.size(); ++i) {
    const auto& s = stazioni[i];
    const nlohmann::json& d = slot[i + 1]["significato"];
    EXPECT_EQ(d["valore3"], "posizione " + s[1] + " m");
    EXPECT_TRUE(d["codice"].get<std::string>().starts_with("categoria " + s[2] + ":"));
    char orario[16];
    std::snprintf(orario, sizeof orario, "orario %d:%02d:%02d", std::stoi(s[14]), std::stoi(s[15]),
                  std::stoi(s[16]));
    EXPECT_EQ(d["valore4"], s[14] == "0" && s[15] == "0" ? "senza orario" : orario) << s[17];
  }
}

// ---- map -------------------------------------------------------------------------

TEST_F(Strumento, MappaSenzaPianoEConPianoVecchio) {
  testi(prova::linea_prova(), prova::treno_prova());
  std::vector<std::string> a = compile_args();
  a.push_back("--no-plan");
  ASSERT_EQ(compile(a).stato, 0);
  const fs::path svg = cartella_ / "prova.svg";
  const std::vector<std::string> map = {"map",      "--dir", uscita_.string(), "--name",    "Prova",
                                        "--number", "11",    "--out",          svg.string()};
  Esito e = esegui(map);
  ASSERT_EQ(e.stato, 0) << e.err;
  EXPECT_NE(e.err.find("piano della linea assente"), std::string::npos);
  prova::AnalisiXml x = prova::analizza_xml(leggi(svg));
  ASSERT_TRUE(x.valido) << x.errore;
  EXPECT_NE(std::find(x.testi.begin(), x.testi.end(), "Beta & <Gamma>"), x.testi.end());

  // A plan left over from a longer line does not fit these cells.
  scrivi(uscita_ / "Prova_linea.dat", std::string(2 * 20001 * 2, '\0'));
  e = esegui(map);
  ASSERT_EQ(e.stato, 0) << e.err;
  EXPECT_NE(e.err.find("non corrisponde"), std::string::npos);
  x = prova::analizza_xml(leggi(svg));
  EXPECT_TRUE(x.valido) << x.errore;
}

TEST_F(Strumento, MappaSenzaIFileBinari) {
  const Esito e = esegui({"map", "--dir", uscita_.string(), "--name", "Prova", "--number", "11",
                          "--out", (cartella_ / "x.svg").string()});
  EXPECT_EQ(e.stato, 2);
  EXPECT_NE(e.err.find("impossibile leggere la tabella delle stazioni"), std::string::npos);
  EXPECT_FALSE(fs::exists(cartella_ / "x.svg"));
}

// ---- the table of subcommands ----------------------------------------------------

TEST_F(Strumento, OgniSottocomandoDellaTabella) {
  const Esito aiuto = esegui({"--help"});
  std::string elenco;
  for (const Sottocomando& s : sottocomandi()) {
    SCOPED_TRACE(s.nome);
    // Its row in the help, with the first line of its summary.
    const std::string sommario = s.sommario;
    EXPECT_NE(aiuto.out.find("  " + std::string(s.nome) + " "), std::string::npos);
    EXPECT_NE(aiuto.out.find(sommario.substr(0, sommario.find('\n'))), std::string::npos);
    const Esito e = esegui({s.nome, "--help"});
    EXPECT_EQ(e.stato, 0);
    EXPECT_NE(e.out.find("Uso: scenario " + std::string(s.nome)), std::string::npos) << e.out;
    elenco += elenco.empty() ? s.nome : std::string(" ") + s.nome;
  }
  EXPECT_EQ(elenco, "compile check texts dump map view decompile package help lsp");
}

// ---- the compiled files read once for map, view and decompile -----------------------

TEST_F(Strumento, FileRovinatoNominatoConIlSuoByte) {
  testi(prova::linea_prova(), prova::treno_prova());
  ASSERT_EQ(compile(compile_args()).stato, 0);
  const std::vector<std::string> comuni = {"--dir", uscita_.string(), "--name",
                                           "Prova", "--number",       "11"};
  struct Caso {
    const char* file;
    std::size_t tieni;  // the bytes left of it
    const char* messaggio;
  };
  const Caso casi[] = {
      {"Prova_11.sim", 100, ": errore: il file finisce al byte 100 dentro il campo"},
      {"Prova_11.dat", 31, ": errore: il file ha 31 byte"},
      {"Prova_linea.dat", 3, ": errore: il file finisce al byte 3"},
  };
  for (const Caso& c : casi) {
    const fs::path rovinato = uscita_ / c.file;
    const std::string intero = leggi(rovinato);
    scrivi(rovinato, intero.substr(0, c.tieni));
    for (const auto& [sotto, uscita] :
         {std::pair<std::string, fs::path>{"map", cartella_ / "x.svg"},
          {"view", cartella_ / "x.html"},
          {"decompile", cartella_ / "ritorno"}}) {
      SCOPED_TRACE(sotto + " " + c.file);
      std::vector<std::string> a = {sotto};
      a.insert(a.end(), comuni.begin(), comuni.end());
      a.insert(a.end(), {"--out", uscita.string()});
      const Esito e = esegui(a);
      EXPECT_EQ(e.stato, 2);
      EXPECT_EQ(e.out, "");
      EXPECT_EQ(e.err.rfind(rovinato.string() + c.messaggio, 0), 0u) << e.err;
      EXPECT_FALSE(fs::exists(uscita));
    }
    scrivi(rovinato, intero);
  }
}

}  // namespace
}  // namespace progetto1::strumento
