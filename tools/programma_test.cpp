// The built `scenario` program run as authors run it on Linux, through the
// shell, next to the built package; and what only POSIX permissions can set
// up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "model/cp1252.h"
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

// The embedded scenario exported by `texts` and compiled by `compile` gives
// exactly the files the package itself writes when it runs.
TEST_F(Programma, CompileDeiTestiEsportatiUgualeAlPacchetto) {
  const fs::path esportati = cartella_ / "testi";
  fs::create_directories(esportati);
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

}  // namespace
}  // namespace progetto1::strumento
