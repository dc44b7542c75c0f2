// The built `scenario` program run as authors run it on Linux, through the
// shell, next to the built package; and what only POSIX permissions can set
// up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "model/cp1252.h"
#include "scenario/accodato/contenuto_accodato.h"
#include "tools/binari/decodifica.h"
#include "tools/disegno/mappa.h"
#include "tools/prova/strumento.h"
#include "tools/prova/xml.h"

namespace progetto1::strumento {
namespace {

using namespace prova;

std::string citato(const fs::path& p) {
  std::string s = p.string();
  s.insert(s.begin(), '\'');
  s += '\'';
  return s;
}

class Programma : public prova::StrumentoProva {
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

  Avvio programma() {
    return [this](const std::vector<std::string>& a) { return esegui_programma(a); };
  }

  // A package copied alone into a new folder and run there without a
  // display, as a user starts it; its status and standard error.
  Esito esegui_pacchetto(const std::string& byte, const fs::path& cartella) {
    fs::create_directories(cartella);
    const fs::path programma = cartella / "Pacchetto";
    scrivi(programma, byte);
    fs::permissions(programma, fs::perms::owner_all);
    const fs::path err = cartella_ / "stderr_pacchetto.txt";
    const std::string comando =
        "cd / && env -u DISPLAY " + citato(programma) + " >/dev/null 2>" + citato(err);
    const int r = std::system(comando.c_str());
    Esito e;
    e.stato = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    e.err = leggi(err);
    fs::remove(err);
    return e;
  }

  // The embedded scenario's five texts under another line name and train
  // number, with a station renamed in the train text, a changed line in the
  // notes, and the slow-down order saved with LF line ends only.
  fs::path scenario_diverso() {
    const fs::path esportati = cartella_ / "esportati";
    const fs::path testi = sottocartella("testi");
    EXPECT_EQ(esegui_programma({"texts", "--out", esportati.string()}).stato, 0);
    const auto sostituisci = [](std::string t, const std::string& da, const std::string& a) {
      const std::size_t i = t.find(da);
      EXPECT_NE(i, std::string::npos) << da;
      if (i != std::string::npos) t.replace(i, da.size(), a);
      return t;
    };
    scrivi(testi / "Valdera_linea.txt", leggi(esportati / "Corsanta_linea.txt"));
    scrivi(testi / "Valdera_2211-.txt", sostituisci(leggi(esportati / "Corsanta_7402-.txt"),
                                                    ", SAN FELICIO\r\n", ", SAN F\xC8LICE\r\n"));
    scrivi(testi / "Valdera_2211_scheda_treno.txt",
           leggi(esportati / "Corsanta_7402_scheda_treno.txt"));
    std::string rallentamenti = leggi(esportati / "Corsanta_7402_rallentamenti.txt");
    std::erase(rallentamenti, '\r');
    scrivi(testi / "Valdera_2211_rallentamenti.txt", rallentamenti);
    scrivi(testi / "Valdera_2211_note.txt",
           sostituisci(leggi(esportati / "Corsanta_7402_note.txt"), "Trazione elettrica",
                       "Trazione a vapore, un tempo elettrica"));
    return testi;
  }
};

TEST_F(Programma, SegnaleSuCellaOccupata) {
  testi(prova::linea_prova(), prova::treno_segnale_doppio());
  const Esito j = compile(compile_args(), programma());
  EXPECT_EQ(j.stato, 1);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":16,\"posizione_errore\":2500,\"fatal\":null,\"files\":"
            "[\"Prova_linea.dat\",\"Prova_11.sim\",\"Prova_11.dat\"]}\n");
  EXPECT_EQ(contenuto(uscita_).size(), 3u);

  const Esito d = compile(compile_args(false), programma());
  EXPECT_EQ(d.stato, 1);
  EXPECT_EQ(d.err, treno_.string() + ":" + std::to_string(prova::kRigaSegnale + 1) +
                       ":1: errore 16: la cella del segnale è già occupata\n"
                       "    segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0\n"
                       "    ^\n"
                       "    posizione 2500 m, cella 51\n");
}

TEST_F(Programma, Errore1250NonCambiaNullaNellaCartella) {
  testi(prova::linea_indicatore_in_zero(), prova::treno_prova());
  file_vecchi();
  const auto prima = contenuto(uscita_);
  const Esito j = compile(compile_args(), programma());
  EXPECT_EQ(j.stato, 3);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":\"1250\",\"files\":[]}\n");
  EXPECT_EQ(contenuto(uscita_), prima);

  const Esito d = compile(compile_args(false), programma());
  EXPECT_EQ(d.stato, 3);
  EXPECT_EQ(d.out, "");
  EXPECT_EQ(d.err.rfind(linea_.string() + ": errore 1250: ", 0), 0u) << d.err;
  EXPECT_NE(d.err.find("nessun file scritto"), std::string::npos);
  EXPECT_NE(d.err.find("indicatore_vmax"), std::string::npos);
  EXPECT_EQ(contenuto(uscita_), prima);
}

TEST_F(Programma, SenzaGeneraleNessunPercorso) {
  testi(prova::linea_senza_generale(), prova::treno_prova());
  file_vecchi();
  const auto prima = contenuto(uscita_);
  const Esito j = compile(compile_args(), programma());
  EXPECT_EQ(j.stato, 3);
  EXPECT_EQ(j.out,
            "{\"codice_errore\":102,\"posizione_errore\":0,\"fatal\":\"no-track\",\"files\":[]}\n");
  EXPECT_EQ(contenuto(uscita_), prima);

  // The reader gave up at the end of the text, which the trace names.
  const Esito d = compile(compile_args(false));
  EXPECT_EQ(d.stato, 3);
  const std::string fine = std::to_string(prova::linea_senza_generale().size());
  EXPECT_EQ(d.err, linea_.string() + ":" + fine +
                       ":1: errore 102: il testo della linea non contiene \"[generale]\"\n"
                       "    [fine]\n"
                       "    ^\n" +
                       linea_.string() +
                       ": errore: la lettura del testo della linea si è fermata prima di "
                       "\"lunghezza percorso\", quindi non esiste nessuna cella del percorso; "
                       "nessun file scritto\n");
}

TEST_F(Programma, CartellaDiSolaLettura) {
  testi(prova::linea_prova(), prova::treno_prova());
  fs::path sola_lettura = sottocartella("sola_lettura");
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

// The embedded scenario exported by `texts` and compiled by `compile` gives
// exactly the files the package itself writes when it runs.
TEST_F(Programma, CompileDeiTestiEsportatiUgualeAlPacchetto) {
  const fs::path esportati = sottocartella("testi");
  ASSERT_EQ(esegui_programma({"texts", "--out", esportati.string()}).stato, 0);
  linea_ = esportati / "Corsanta_linea.txt";
  treno_ = esportati / "Corsanta_7402-.txt";
  const Esito e =
      compile({"compile", "--line", linea_.string(), "--train", treno_.string(), "--name",
               "Corsanta", "--number", "7402", "--out", uscita_.string(), "--json"},
              programma());
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out,
            "{\"codice_errore\":0,\"posizione_errore\":0,\"fatal\":null,\"files\":"
            "[\"Corsanta_linea.dat\",\"Corsanta_7402.sim\",\"Corsanta_7402.dat\"]}\n");

  const fs::path pacchetto = sottocartella("pacchetto");
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

// A package of another scenario runs it exactly as the package runs its
// own: the binary files of `compile` of the same texts, the documents as
// given (with CR LF), nothing else left behind; packaging it again replaces
// what it carries.
TEST_F(Programma, PacchettoDiUnAltroScenario) {
  const fs::path testi = scenario_diverso();
  const fs::path pacchetto = cartella_ / "pacchetti" / "Valdera";
  const std::vector<std::string> package = {"package", "--texts", testi.string(),
                                            "--name",  "Valdera", "--number",
                                            "2211",    "--out",   pacchetto.string()};
  const Esito p = esegui_programma(package);
  ASSERT_EQ(p.stato, 0) << p.err;
  EXPECT_EQ(p.err, testi.string() +
                       "/Valdera_2211_rallentamenti.txt: avviso: righe chiuse dal solo LF: il "
                       "pacchetto le scrive con CR LF\n");
  EXPECT_NE(fs::status(pacchetto).permissions() & fs::perms::owner_exec, fs::perms::none);
  const std::string byte = leggi(pacchetto);
  EXPECT_EQ(byte.substr(0, fs::file_size(P1_PROGETTO1)), leggi(P1_PROGETTO1));

  ASSERT_EQ(esegui_programma({"compile", "--line", (testi / "Valdera_linea.txt").string(),
                              "--train", (testi / "Valdera_2211-.txt").string(), "--name",
                              "Valdera", "--number", "2211", "--out", uscita_.string()})
                .stato,
            0);
  const fs::path esecuzione = cartella_ / "esecuzione";
  const Esito e = esegui_pacchetto(byte, esecuzione);
  ASSERT_EQ(e.stato, 0) << e.err;
  std::map<std::string, std::string> attesi = contenuto(uscita_);
  for (const char* nome : {"Valdera_2211_scheda_treno.txt", "Valdera_2211_rallentamenti.txt",
                           "Valdera_2211_note.txt"}) {
    std::string documento;
    for (char c : leggi(testi / nome)) {
      if (c == '\n' && (documento.empty() || documento.back() != '\r')) documento += '\r';
      documento += c;
    }
    attesi[nome] = documento;
  }
  attesi["Pacchetto"] = byte;
  EXPECT_EQ(contenuto(esecuzione), attesi);
  EXPECT_NE(leggi(esecuzione / "Valdera_2211.sim").find("SAN F\xC8LICE"), std::string::npos);

  // What it carries, for people and for scripts.
  const Esito d = esegui_programma({"dump", pacchetto.string()});
  ASSERT_EQ(d.stato, 0) << d.err;
  EXPECT_EQ(
      d.out.rfind("# " + pacchetto.string() + ": pacchetto con uno scenario accodato dal byte " +
                      std::to_string(fs::file_size(P1_PROGETTO1)) +
                      ": linea \"Valdera\", treno \"2211\"\n## Valdera_linea.txt: 154 "
                      "righe\n[generale]\n",
                  0),
      0u)
      << d.out;
  EXPECT_NE(d.out.find("\n## Valdera_2211_note.txt: 51 righe\n"), std::string::npos);
  EXPECT_NE(d.out.find("Trazione a vapore, un tempo elettrica"), std::string::npos);
  const Esito j = esegui_programma({"dump", "--json", P1_PROGETTO1});
  EXPECT_EQ(j.out, "{\"files\":[{\"file\":\"" + std::string(P1_PROGETTO1) +
                       "\",\"tipo\":\"pacchetto\",\"scenario\":null,\"testi\":[]}]}\n");

  // Packaged again from itself, with other names: the old data replaced.
  std::vector<std::string> di_nuovo = package;
  di_nuovo[6] = "2212";
  di_nuovo.insert(di_nuovo.end(), {"--base", pacchetto.string()});
  for (const char* nome : {"_scheda_treno.txt", "_rallentamenti.txt", "_note.txt", "-.txt"}) {
    fs::copy_file(testi / ("Valdera_2211" + std::string(nome)),
                  testi / ("Valdera_2212" + std::string(nome)));
  }
  const Esito r = esegui_programma(di_nuovo);
  ASSERT_EQ(r.stato, 0) << r.err;
  EXPECT_NE(r.out.find("il suo scenario accodato è stato sostituito"), std::string::npos);
  const std::string rifatto = leggi(pacchetto);
  ASSERT_EQ(rifatto.size(), byte.size());
  const ContenutoAccodato c = leggi_accodato(rifatto);
  ASSERT_EQ(c.stato, ContenutoAccodato::Stato::kValido) << c.motivo;
  EXPECT_EQ(c.inizio, fs::file_size(P1_PROGETTO1));
  EXPECT_EQ(c.scenario.numero_treno, "2212");
}

// Without --base an output ending in ".exe" takes the Windows package that
// the build put beside the tool, where MinGW-w64 was there to build it.
TEST_F(Programma, PacchettoWindowsDallaBaseAccantoAlloStrumento) {
  const fs::path base = fs::path(P1_SCENARIO).parent_path() / "Progetto1.exe";
  if (!fs::exists(base)) GTEST_SKIP() << "nessun Progetto1.exe accanto allo strumento";
  const fs::path testi = scenario_diverso();
  const fs::path pacchetto = cartella_ / "Valdera.EXE";
  const Esito p = esegui_programma({"package", "--texts", testi.string(), "--name", "Valdera",
                                    "--number", "2211", "--out", pacchetto.string()});
  ASSERT_EQ(p.stato, 0) << p.err;
  EXPECT_NE(p.out.find("pacchetto Windows"), std::string::npos) << p.out;
  const std::string byte = leggi(pacchetto);
  EXPECT_EQ(byte.substr(0, fs::file_size(base)), leggi(base));
  const ContenutoAccodato c = leggi_accodato(byte);
  ASSERT_EQ(c.stato, ContenutoAccodato::Stato::kValido) << c.motivo;
  EXPECT_EQ(c.scenario.nome_linea, "Valdera");
  EXPECT_EQ(fine_eseguibile(std::string_view(byte).substr(0, kDimensioneTesta)), c.inizio);
}

// Damaged data and names that would write outside the package's folder:
// refused with the failure status, nothing written beside the program.
TEST_F(Programma, PacchettoRovinatoONomiNonSicuriNonScriveNulla) {
  const std::string base = leggi(P1_PROGETTO1);
  const auto con = [&](const std::string& nome, const std::string& numero) {
    Scenario s = scenario_incorporato();
    s.nome_linea = nome;
    s.numero_treno = numero;
    return base + componi_accodato(s, base.size());
  };
  const std::string buono = con("Valdera", "2211");
  const std::size_t s = base.size();
  const auto scrivi32 = [](std::string& b, std::size_t da, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      b[da + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  std::string somma = buono;
  somma[s + 40] ^= 0x20;
  std::string versione = buono;
  scrivi32(versione, s + 8, 2);
  scrivi32(versione, versione.size() - 12,
           crc32(std::string_view(versione).substr(s, versione.size() - kDimensioneCoda - s)));
  std::string oltre = buono;
  scrivi32(oltre, oltre.size() - kDimensioneCoda, static_cast<std::uint32_t>(oltre.size()));
  std::string troncato = buono;
  troncato.erase(s + 100, 1000);
  const std::string tagliato = buono.substr(0, buono.size() - 100);

  struct Caso {
    const char* nome;
    std::string byte;
    const char* messaggio;
  };
  const Caso casi[] = {
      {"somma di controllo", somma, "rovinato"},
      {"versione sconosciuta", versione, "rovinato"},
      {"dimensioni oltre il file", oltre, "rovinato"},
      {"dati troncati", troncato, "rovinato"},
      {"tagliato alla fine", tagliato, "manca la fine"},
      {"cartella superiore", con("..", "2211"), "non si può scrivere"},
      {"separatore", con("Val/dera", "2211"), "non si può scrivere"},
      {"separatore Windows", con("Valdera", "22\\11"), "non si può scrivere"},
      {"dispositivo", con("CON", "2211"), "non si può scrivere"},
      {"dispositivo con estensione", con("Valdera", "lpt1.txt"), "non si può scrivere"},
      {"carattere di controllo",
       con("Val\x01"
           "dera",
           "2211"),
       "non si può scrivere"},
  };
  int i = 0;
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const fs::path cartella = cartella_ / ("caso" + std::to_string(i++));
    const Esito e = esegui_pacchetto(c.byte, cartella);
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
    EXPECT_EQ(contenuto(cartella).size(), 1u);
  }
  // The tool's dump names the damage too.
  scrivi(cartella_ / "Rovinato", somma);
  const Esito d = esegui_programma({"dump", (cartella_ / "Rovinato").string()});
  EXPECT_EQ(d.stato, 2);
  EXPECT_NE(d.err.find("somma di controllo"), std::string::npos) << d.err;
}

TEST_F(Programma, DumpDiUnFileFuoriFormato) {
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

TEST_F(Programma, MappaDelloScenarioIncorporatoNominaOgniStazione) {
  const fs::path esportati = sottocartella("testi");
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

}  // namespace
}  // namespace progetto1::strumento
