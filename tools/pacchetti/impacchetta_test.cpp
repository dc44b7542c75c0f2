#include "tools/pacchetti/impacchetta.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/prova/strumento.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {
namespace {

using namespace prova;

TEST(RigheDelTesto, FineRigaEByteComeLiScrivonoIScrittori) {
  struct Caso {
    std::string byte;
    std::vector<std::string> righe;
    bool solo_lf;
  };
  const Caso casi[] = {
      {"", {}, false},
      {"a\r\nb\r\n", {"a", "b"}, false},
      {"a\nb\n", {"a", "b"}, true},
      {"a\r\nb", {"a", "b"}, false},
      {"a\r\n\r\n\nb\r\n", {"a", "", "", "b"}, true},
      {"Citt\xE0 \x80 5\r\n", {"Città € 5"}, false},
  };
  for (const Caso& c : casi) {
    const RigheTesto t = righe_del_testo(c.byte, "t.txt");
    EXPECT_EQ(t.righe, c.righe) << c.byte;
    EXPECT_EQ(t.solo_lf, c.solo_lf) << c.byte;
    EXPECT_FALSE(t.sembra_utf8) << c.byte;
  }
  EXPECT_TRUE(righe_del_testo("Citt\xC3\xA0\r\n", "t.txt").sembra_utf8);
  EXPECT_EQ(righe_del_testo("Citt\xC3\xA0\r\n", "t.txt").righe,
            std::vector<std::string>{"CittÃ\u00a0"});
}

TEST(RigheDelTesto, RifiutaCioCheIlPacchettoNonRiscriverebbeUguale) {
  const std::string mille = [] {
    std::string s;
    for (int i = 0; i < 1000; ++i) s += "riga\r\n";
    return s;
  }();
  EXPECT_EQ(righe_del_testo(mille, "t.txt").righe.size(), 1000u);
  struct Caso {
    std::string byte;
    std::string messaggio;
  };
  const Caso casi[] = {
      {"a\r\nb\rc\r\n", "t.txt:2: la riga contiene un ritorno a capo"},
      {"a\r\nb\r", "t.txt:2: la riga contiene un ritorno a capo"},
      {"a\r\n\x81\r\n", "t.txt:2: la riga contiene un byte che la codifica Windows-1252"},
      {"a\r\nriferimento fine del file\r\nb\r\n", "t.txt:2: la riga è la riga che chiude"},
      {mille + "una di troppo", "t.txt:1001: più di 1000 righe"},
  };
  for (const Caso& c : casi) {
    try {
      righe_del_testo(c.byte, "t.txt");
      ADD_FAILURE() << "accettato: " << c.messaggio;
    } catch (const ErroreFile& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.messaggio, 0), 0u) << e.what();
    }
  }
}

TEST(ComponiPacchetto, SostituisceIlVecchioScenarioERifiutaLeBasiSbagliate) {
  const std::string linux_nudo = std::string(
                                     "\x7f"
                                     "ELF") +
                                 std::string(300, '\x02');
  const std::string windows_nudo = "MZ" + std::string(300, '\x03');
  Scenario s = scenario_incorporato();
  const PacchettoComposto primo = componi_pacchetto(linux_nudo, false, s, "base");
  EXPECT_FALSE(primo.sostituiti);
  EXPECT_EQ(primo.byte, linux_nudo + componi_accodato(s, linux_nudo.size()));

  s.numero_treno = "9";
  const PacchettoComposto secondo = componi_pacchetto(primo.byte, false, s, "base");
  EXPECT_TRUE(secondo.sostituiti);
  EXPECT_EQ(secondo.byte, linux_nudo + componi_accodato(s, linux_nudo.size()));
  EXPECT_EQ(componi_pacchetto(windows_nudo, true, s, "b").byte,
            windows_nudo + componi_accodato(s, windows_nudo.size()));

  std::string rovinato = primo.byte;
  rovinato[linux_nudo.size() + 30] ^= 1;
  struct Caso {
    std::string base;
    bool windows;
    std::string messaggio;
  };
  const Caso casi[] = {
      {linux_nudo, true, "la base \"b\" non è un eseguibile Windows"},
      {windows_nudo, false, "la base \"b\" non è un eseguibile Linux"},
      {"testo qualsiasi", false, "la base \"b\" non è un eseguibile Linux"},
      {rovinato, false, "la base \"b\" porta uno scenario accodato rovinato (la somma"},
  };
  for (const Caso& c : casi) {
    try {
      componi_pacchetto(c.base, c.windows, s, "b");
      ADD_FAILURE() << "accettata: " << c.messaggio;
    } catch (const ErroreFile& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.messaggio, 0), 0u) << e.what();
    }
  }
}

// The command in-process, on the test texts and a stand-in base.
class Impacchetta : public prova::CartellaProva {
 protected:
  void SetUp() override {
    CartellaProva::SetUp();
    testi_ = sottocartella("testi");
    base_ = cartella_ / "base";
    scrivi(base_, std::string("\x7f"
                              "ELF") +
                      "un programma");
    scrivi_testi(prova::linea_prova(), prova::treno_prova());
  }
  void scrivi_testi(const prova::Righe& linea, const prova::Righe& treno) {
    scrivi(testi_ / "Prova_linea.txt", prova::unisci(linea));
    scrivi(testi_ / "Prova_11-.txt", prova::unisci(treno));
    scrivi(testi_ / "Prova_11_scheda_treno.txt", "scheda\r\n");
    scrivi(testi_ / "Prova_11_rallentamenti.txt", "");
    scrivi(testi_ / "Prova_11_note.txt", "note\r\naltre note\r\n");
  }
  Esito package(const std::string& nome, const std::string& numero,
                std::vector<std::string> altri = {}) {
    std::vector<std::string> a = {"package",  "--texts", testi_.string(), "--name",         nome,
                                  "--number", numero,    "--out",         uscita().string()};
    if (std::find(altri.begin(), altri.end(), "--base") == altri.end()) {
      altri.insert(altri.end(), {"--base", base_.string()});
    }
    a.insert(a.end(), altri.begin(), altri.end());
    return esegui(a);
  }
  fs::path uscita() const { return cartella_ / "uscita" / "Prova"; }

  fs::path testi_, base_;
};

TEST_F(Impacchetta, ScriveLaBaseConLoScenarioAccodato) {
  const Esito e = package("Prova", "11");
  ASSERT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out, "scritto " + uscita().string() +
                       ": pacchetto Linux della linea Prova, treno 11, da " + base_.string() +
                       "\n");
  const ContenutoAccodato c = leggi_accodato(leggi(uscita()));
  ASSERT_EQ(c.stato, ContenutoAccodato::Stato::kValido);
  EXPECT_EQ(c.inizio, fs::file_size(base_));
  EXPECT_EQ(c.scenario.nome_linea, "Prova");
  EXPECT_EQ(c.scenario.numero_treno, "11");
  EXPECT_EQ(c.scenario.linea, prova::linea_prova());
  EXPECT_EQ(c.scenario.treno, prova::treno_prova());
  EXPECT_EQ(c.scenario.note, (std::vector<std::string>{"note", "altre note"}));
  EXPECT_TRUE(c.scenario.rallentamenti.empty());
  // Only the package in its folder: no temporary file left over.
  EXPECT_EQ(contenuto(uscita().parent_path()).size(), 1u);
}

TEST_F(Impacchetta, ErroriDellaVerificaFermanoIlPacchettoSenzaForce) {
  scrivi_testi(prova::linea_prova(), prova::treno_segnale_doppio());
  const Esito e = package("Prova", "11");
  EXPECT_EQ(e.stato, 1);
  EXPECT_EQ(e.out, "");
  EXPECT_NE(e.err.find("Prova_11-.txt:" + std::to_string(prova::kRigaSegnale + 1) + ":1: errore: "),
            std::string::npos)
      << e.err;
  EXPECT_NE(e.err.find("nessun pacchetto scritto"), std::string::npos);
  EXPECT_FALSE(fs::exists(uscita()));

  const Esito f = package("Prova", "11", {"--force"});
  EXPECT_EQ(f.stato, 0) << f.err;
  EXPECT_NE(f.err.find("pacchetto scritto per --force"), std::string::npos);
  EXPECT_EQ(leggi_accodato(leggi(uscita())).stato, ContenutoAccodato::Stato::kValido);
}

TEST_F(Impacchetta, RifiutiConStato2ENienteScritto) {
  struct Caso {
    std::string nome, numero;
    std::vector<std::string> altri;
    std::string messaggio;
  };
  const Caso casi[] = {
      {"..", "11", {}, "--name \"..\""},
      {"CON", "11", {}, "--name \"CON\""},
      {"Prova", "a/b", {}, "--number \"a/b\""},
      {"Prova", "linea", {}, "--number \"linea\""},
      {"Manca", "11", {}, "impossibile leggere il testo"},
      {"Prova", "11", {"--base", (cartella_ / "nessuna").string()}, "il pacchetto di base"},
      {"Prova", "11", {"--base", (cartella_ / "testi").string()}, "è una cartella"},
  };
  for (const Caso& c : casi) {
    const Esito e = package(c.nome, c.numero, c.altri);
    EXPECT_EQ(e.stato, 2) << c.messaggio;
    EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
    EXPECT_FALSE(fs::exists(uscita().parent_path())) << c.messaggio;
  }
  scrivi(testi_ / "Prova_11_note.txt", "note\r\n\x9D\r\n");
  const Esito b = package("Prova", "11");
  EXPECT_EQ(b.stato, 2);
  EXPECT_EQ(b.err, "scenario: " + (testi_ / "Prova_11_note.txt").string() +
                       ":2: la riga contiene un byte che la codifica Windows-1252 non definisce\n");
  // A Windows package from a Linux base.
  scrivi(testi_ / "Prova_11_note.txt", "");
  const Esito w =
      esegui({"package", "--texts", testi_.string(), "--name", "Prova", "--number", "11", "--out",
              (cartella_ / "Prova.exe").string(), "--base", base_.string()});
  EXPECT_EQ(w.stato, 2);
  EXPECT_NE(w.err.find("non è un eseguibile Windows"), std::string::npos) << w.err;
  EXPECT_FALSE(fs::exists(cartella_ / "Prova.exe"));
}

}  // namespace
}  // namespace progetto1::strumento
