// The tool as authors use it: in-process through esegui_scenario, and as the
// built `scenario` program next to the built package.
#include "tools/comandi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "model/cp1252.h"
#include "tools/compilazione.h"
#include "tools/decodifica.h"
#include "tools/mappa.h"
#include "tools/prova_strumento.h"
#include "tools/xml_prova.h"

namespace progetto1::strumento {
namespace {

namespace fs = std::filesystem;
using prova::contenuto;
using prova::esegui;
using prova::Esito;
using prova::leggi;
using prova::scrivi;

std::string citato(const fs::path& p) {
  std::string s = p.string();
  s.insert(s.begin(), '\'');
  s += '\'';
  return s;
}

class Strumento : public prova::CartellaCompilazione {
 protected:
  // The built program, with its standard output and error captured.
  Esito esegui_programma(const std::vector<std::string>& argomenti) {
    std::string comando = citato(P1_SCENARIO);
    for (const std::string& a : argomenti) {
      comando += ' ';
      comando += citato(a);
    }
    const fs::path out = cartella_ / "stdout.txt";
    const fs::path err = cartella_ / "stderr.txt";
    comando += " >" + citato(out) + " 2>" + citato(err);
    const int r = std::system(comando.c_str());
    Esito e;
    e.stato = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    e.out = leggi(out);
    e.err = leggi(err);
    fs::remove(out);
    fs::remove(err);
    return e;
  }

  void testi(const prova::Righe& linea, const prova::Righe& treno) {
    scrivi(linea_, prova::unisci(linea));
    scrivi(treno_, prova::unisci(treno));
  }

  std::vector<std::string> compile_args(bool json = true) {
    std::vector<std::string> a = {
        "compile",  "--line", linea_.string(), "--train",       treno_.string(), "--name", "Prova",
        "--number", "11",     "--out",         uscita_.string()};
    if (json) a.push_back("--json");
    return a;
  }

  // Runs compile and checks that the inputs come out byte-identical.
  Esito compile(const std::vector<std::string>& args, bool programma = false) {
    const std::string prima_linea = leggi(linea_);
    const std::string prima_treno = leggi(treno_);
    Esito e = programma ? esegui_programma(args) : esegui(args);
    EXPECT_TRUE(fs::exists(linea_));
    EXPECT_TRUE(fs::exists(treno_));
    EXPECT_TRUE(leggi(linea_) == prima_linea) << "testo della linea modificato";
    EXPECT_TRUE(leggi(treno_) == prima_treno) << "testo del treno modificato";
    return e;
  }

  // Files of an earlier run, which a fatal run must leave as they are.
  void file_vecchi() {
    scrivi(uscita_ / "Prova_linea.dat", "vecchio piano");
    scrivi(uscita_ / "Prova_11.sim", "vecchie stazioni");
    scrivi(uscita_ / "Prova_11.dat", "vecchie celle");
  }
};

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
            "scenario: serve un sottocomando: compile, texts, dump o map\n"
            "Usa --help per l'aiuto.\n");
  EXPECT_EQ(esegui({"compile", "--line", linea_.string()}).err,
            "scenario: manca l'opzione obbligatoria --train\nUsa --help per l'aiuto.\n");
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

TEST_F(Strumento, SegnaleSuCellaOccupata) {
  testi(prova::linea_prova(), prova::treno_segnale_doppio());
  const Esito j = compile(compile_args(), true);
  EXPECT_EQ(j.stato, 1);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":16,\"posizione_errore\":2500,\"fatal\":null,\"files\":"
            "[\"Prova_linea.dat\",\"Prova_11.sim\",\"Prova_11.dat\"]}\n");
  EXPECT_EQ(contenuto(uscita_).size(), 3u);

  const Esito d = compile(compile_args(false), true);
  EXPECT_EQ(d.stato, 1);
  EXPECT_EQ(d.err, treno_.string() + ":" + std::to_string(prova::kRigaSegnale + 1) +
                       ": errore 16: la cella del segnale è già occupata\n"
                       "    segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0\n"
                       "    posizione 2500 m, cella 51\n");
}

TEST_F(Strumento, Errore1250NonCambiaNullaNellaCartella) {
  testi(prova::linea_indicatore_in_zero(), prova::treno_prova());
  file_vecchi();
  const auto prima = contenuto(uscita_);
  const Esito j = compile(compile_args(), true);
  EXPECT_EQ(j.stato, 3);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":\"1250\",\"files\":[]}\n");
  EXPECT_EQ(contenuto(uscita_), prima);

  const Esito d = compile(compile_args(false), true);
  EXPECT_EQ(d.stato, 3);
  EXPECT_EQ(d.out, "");
  EXPECT_EQ(d.err.rfind(linea_.string() + ": errore 1250: ", 0), 0u) << d.err;
  EXPECT_NE(d.err.find("nessun file scritto"), std::string::npos);
  EXPECT_NE(d.err.find("indicatore_vmax"), std::string::npos);
  EXPECT_EQ(contenuto(uscita_), prima);
}

TEST_F(Strumento, SenzaGeneraleNessunPercorso) {
  testi(prova::linea_senza_generale(), prova::treno_prova());
  file_vecchi();
  const auto prima = contenuto(uscita_);
  const Esito j = compile(compile_args(), true);
  EXPECT_EQ(j.stato, 3);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":102,\"posizione_errore\":0,\"fatal\":\"no-track\",\"files\":[]}\n");
  EXPECT_EQ(contenuto(uscita_), prima);

  // The reader gave up at the end of the text, which the trace names.
  const Esito d = compile(compile_args(false));
  EXPECT_EQ(d.stato, 3);
  const std::string fine = std::to_string(prova::linea_senza_generale().size());
  EXPECT_EQ(d.err, linea_.string() + ":" + fine +
                       ": errore 102: il testo della linea non contiene \"[generale]\"\n"
                       "    [fine]\n" +
                       linea_.string() +
                       ": errore: la lettura del testo della linea si è fermata prima di "
                       "\"lunghezza percorso\", quindi non esiste nessuna cella del percorso; "
                       "nessun file scritto\n");
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

TEST_F(Strumento, CartellaDiSolaLettura) {
  testi(prova::linea_prova(), prova::treno_prova());
  fs::path sola_lettura = cartella_ / "sola_lettura";
  fs::create_directories(sola_lettura);
  fs::permissions(sola_lettura, fs::perms::owner_read | fs::perms::owner_exec);
  {
    // The superuser writes into any folder whatever its permissions; /proc
    // refuses new files to everybody.
    std::ofstream prova(sola_lettura / "prova");
    if (prova) {
      prova.close();
      fs::remove(sola_lettura / "prova");
      sola_lettura = "/proc";
    }
  }
  std::vector<std::string> a = compile_args();
  a[10] = sola_lettura.string();
  const Esito e = compile(a);
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.out, "");
  EXPECT_NE(e.err.find("impossibile creare"), std::string::npos) << e.err;
  if (sola_lettura != "/proc") {
    EXPECT_TRUE(contenuto(sola_lettura).empty());
  }
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

// The embedded scenario exported by `texts` and compiled by `compile` gives
// exactly the files the package itself writes when it runs.
TEST_F(Strumento, CompileDeiTestiEsportatiUgualeAlPacchetto) {
  const fs::path esportati = cartella_ / "testi";
  fs::create_directories(esportati);
  ASSERT_EQ(esegui_programma({"texts", "--out", esportati.string()}).stato, 0);
  linea_ = esportati / "Corsanta_linea.txt";
  treno_ = esportati / "Corsanta_7402-.txt";
  const Esito e =
      compile({"compile", "--line", linea_.string(), "--train", treno_.string(), "--name",
               "Corsanta", "--number", "7402", "--out", uscita_.string(), "--json"},
              true);
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":null,\"files\":"
            "[\"Corsanta_linea.dat\",\"Corsanta_7402.sim\",\"Corsanta_7402.dat\"]}\n");

  const fs::path pacchetto = cartella_ / "pacchetto";
  fs::create_directories(pacchetto);
  fs::copy_file(P1_PROGETTO1, pacchetto / "Progetto1");
  const std::string comando =
      "cd / && env -u DISPLAY " + citato(pacchetto / "Progetto1") + " >/dev/null 2>&1";
  const int r = std::system(comando.c_str());
  ASSERT_TRUE(WIFEXITED(r) && WEXITSTATUS(r) == 0) << "il pacchetto non termina pulito";
  for (const char* nome : {"Corsanta_linea.dat", "Corsanta_7402.sim", "Corsanta_7402.dat"}) {
    ASSERT_TRUE(fs::exists(pacchetto / nome)) << nome;
    EXPECT_TRUE(leggi(uscita_ / nome) == leggi(pacchetto / nome)) << nome << " differisce";
  }
  // And the documents the package leaves are the ones `texts` exported.
  for (const char* nome : {"Corsanta_7402_note.txt", "Corsanta_7402_rallentamenti.txt",
                           "Corsanta_7402_scheda_treno.txt"}) {
    EXPECT_TRUE(leggi(esportati / nome) == leggi(pacchetto / nome)) << nome << " differisce";
  }
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
            "            0         0          20       105        70");
  // Cell 1 carries the package value 5121 and the check code.
  EXPECT_EQ(r[2 + 1].substr(0, 47), "      1         0  nessuno                 5121");
  // The first station: zone 850 to 1150 m, time 8:00:00.
  EXPECT_EQ(r[2 + 241 + 1 + 2 + 1],
            "   1  stazione          4        850       1150       1000          1        0  "
            "      0        0        0        0       0       0       0       0       28800  "
            "\"Alfa\"");
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

TEST_F(Strumento, DumpDiUnFileFuoriFormato) {
  scrivi(uscita_ / "rotto.dat", std::string(31, '\x01'));
  scrivi(uscita_ / "rotto.sim", std::string(100, '\0'));
  scrivi(uscita_ / "rotto_linea.dat", std::string("\x05\x00\x01", 3));
  scrivi(uscita_ / "rotto.bin", "x");
  for (const char* nome : {"rotto.dat", "rotto.sim", "rotto_linea.dat", "rotto.bin"}) {
    const Esito e = esegui_programma({"dump", (uscita_ / nome).string()});
    EXPECT_EQ(e.stato, 2) << nome;
    EXPECT_EQ(e.out, "") << nome;
    EXPECT_EQ(e.err.rfind((uscita_ / nome).string() + ": errore: ", 0), 0u) << e.err;
  }
  const Esito m = esegui({"dump", (uscita_ / "manca.dat").string()});
  EXPECT_EQ(m.stato, 2);
  EXPECT_NE(m.err.find("impossibile leggere"), std::string::npos);
}

// ---- map -------------------------------------------------------------------------

TEST_F(Strumento, MappaDelloScenarioIncorporatoNominaOgniStazione) {
  const fs::path esportati = cartella_ / "testi";
  fs::create_directories(esportati);
  ASSERT_EQ(esegui({"texts", "--out", esportati.string()}).stato, 0);
  linea_ = esportati / "Corsanta_linea.txt";
  treno_ = esportati / "Corsanta_7402-.txt";
  ASSERT_EQ(compile({"compile", "--line", linea_.string(), "--train", treno_.string(), "--name",
                     "Corsanta", "--number", "7402", "--out", uscita_.string()})
                .stato,
            0);
  const fs::path svg = cartella_ / "corsanta.svg";
  const Esito e = esegui_programma({"map", "--dir", uscita_.string(), "--name", "Corsanta",
                                    "--number", "7402", "--out", svg.string()});
  ASSERT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.err, "");
  const prova::AnalisiXml a = prova::analizza_xml(leggi(svg));
  ASSERT_TRUE(a.valido) << a.errore;
  EXPECT_EQ(a.radice, "svg");

  const std::vector<stazione> slot = decodifica_stazioni(leggi(uscita_ / "Corsanta_7402.sim"));
  const std::vector<cella> celle = decodifica_celle(leggi(uscita_ / "Corsanta_7402.dat"));
  const std::vector<StazioneMappa> stazioni = stazioni_della_linea(slot, celle);
  EXPECT_EQ(stazioni.size(), 22u);
  for (const StazioneMappa& s : stazioni) {
    EXPECT_EQ(s.nome, da_cp1252(slot[static_cast<std::size_t>(s.slot)].testo));
    EXPECT_NE(std::find(a.testi.begin(), a.testi.end(), s.nome), a.testi.end())
        << s.nome << " non compare nella mappa";
  }
}

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

}  // namespace
}  // namespace progetto1::strumento
