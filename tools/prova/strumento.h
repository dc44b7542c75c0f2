// Small description texts and a scratch folder for the tool's tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/prova/cartella.h"
#include "tests/prova/testi.h"
#include "tools/binari/decodifica.h"
#include "tools/comandi/comandi.h"
#include "tools/disegno/elementi_linea.h"
#include "tools/motore/compilazione.h"

namespace progetto1::strumento::prova {

namespace fs = std::filesystem;

using progetto1::prova::Righe;
using progetto1::prova::unisci;

// A line of 5000 m with one curve, two gradients, a speed board and a sign.
inline Righe linea_prova() {
  return progetto1::prova::piu(
      progetto1::prova::generale(5000, progetto1::prova::kSenzaProgressive),
      {
          "curvad4,  1000,  500",
          "[pendenze]",
          "pendenza,   0,    0",
          "pendenza,   2000,   5",
          "[montagne]",
          "montagna,   3000,  3600,  11",
          "[cartelli]",
          "indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0",
          "[indicazioni]",
          "cartello_indicatore,  1500,   (PL km)(1+500)",
          "[fine]",
      });
}

// A train with two stations (the second name needs escaping in XML) and one
// signal at 2500 m, which is line 16.
inline Righe treno_prova() {
  return {
      "[generale]",
      "numero vetture,    5",
      "percentuale massa frenata,    100",
      "sabbia,    100",
      "orologio,    8               0            0 ",
      "[aderenze]",
      "aderenza,       0,    70",
      "[vel_limite]",
      "velocita,   0,    60",
      "velocita,   1000,   100",
      "[stazioni]",
      "stazione,    1000,  4,  300,  1, 0, 0,  0,0,0,  0,0,0,    0,   8,0, 0, Alfa",
      "stazione,    4000,  12,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   8,5, 0, Beta & <Gamma>",
      "[rallentamenti]",
      "[segnali]",
      "segnale,    2500,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
      "[fine]",
  };
}

inline constexpr long kRigaSegnale = 16;

// The train text with a second signal on the cell of the first, at line 17.
inline Righe treno_segnale_doppio() {
  Righe r = treno_prova();
  r.insert(r.begin() + kRigaSegnale, "segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0");
  return r;
}

// The line text with a speed board at position 0, whose values land in cell 1.
inline Righe linea_indicatore_in_zero() {
  Righe r = linea_prova();
  r.insert(r.begin() + 17, "indicatori_vmax,  0,  60,  60,  60,  0,  ,  ,  ,  0");
  return r;
}

// The line text with a gradient beyond the track at line 15.
inline constexpr long kRigaOltre = 15;
inline Righe linea_pendenza_oltre() {
  Righe r = linea_prova();
  r.insert(r.begin() + kRigaOltre - 1, "pendenza,   20000,   5");
  return r;
}

// The line text without its "[generale]" heading.
inline Righe linea_senza_generale() {
  Righe r = linea_prova();
  r.erase(r.begin());
  return r;
}

// The decoded files of the test line and train, compiled with or without the plan.
inline DatiMappa dati_prova(bool con_piano) {
  const EsitoCompilazione e =
      compila(prova::unisci(prova::linea_prova()), prova::unisci(prova::treno_prova()), "Prova",
              "11", con_piano);
  EXPECT_EQ(e.codice_errore, 0);
  DatiMappa d;
  d.nome_linea = "Prova";
  d.numero_treno = "11";
  for (const FileUscita& f : e.file) {
    if (f.first == "Prova_linea.dat") d.piano = decodifica_piano(f.second);
    if (f.first == "Prova_11.sim") d.stazioni = decodifica_stazioni(f.second);
    if (f.first == "Prova_11.dat") d.celle = decodifica_celle(f.second);
  }
  return d;
}

// The tool run in-process, with its standard output and error captured.
struct Esito {
  int stato = -1;
  std::string out;
  std::string err;
};

inline Esito esegui(std::vector<std::string> argomenti, SistemaFile& sistema = sistema_file()) {
  argomenti.insert(argomenti.begin(), "scenario");
  std::vector<const char*> argv;
  for (const std::string& a : argomenti) argv.push_back(a.c_str());
  std::ostringstream out, err;
  Esito e;
  e.stato = esegui_scenario(static_cast<int>(argv.size()), argv.data(), out, err, sistema);
  e.out = out.str();
  e.err = err.str();
  return e;
}

inline std::string leggi(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void scrivi(const fs::path& p, const std::string& byte) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f << byte;
}

// Every regular file of a folder (not recursive) with its bytes.
inline std::map<std::string, std::string> contenuto(const fs::path& cartella) {
  std::map<std::string, std::string> r;
  for (const auto& voce : fs::directory_iterator(cartella)) {
    r[voce.path().filename().string()] = voce.is_regular_file() ? leggi(voce.path()) : "<cartella>";
  }
  return r;
}

// A fresh folder per test, removed afterwards.
class CartellaProva : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = progetto1::prova::cartella_temporanea("p1_strumento");
    fs::remove_all(cartella_);
    fs::create_directories(cartella_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(cartella_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(cartella_, ec);
  }

  // A folder of that name in the test's folder, made.
  fs::path sottocartella(const std::string& nome) const {
    const fs::path p = cartella_ / nome;
    fs::create_directories(p);
    return p;
  }

  fs::path cartella_;
};

// A fresh folder with an output folder in it and the paths of the two texts
// a compile reads.
class CartellaCompilazione : public CartellaProva {
 protected:
  void SetUp() override {
    CartellaProva::SetUp();
    uscita_ = sottocartella("uscita");
    linea_ = cartella_ / "linea.txt";
    treno_ = cartella_ / "treno.txt";
  }

  fs::path uscita_, linea_, treno_;
};

// The compile folder with the texts and arguments of a compile of the test
// scenario.
class StrumentoProva : public CartellaCompilazione {
 protected:
  using Avvio = std::function<Esito(const std::vector<std::string>&)>;

  void testi(const Righe& linea, const Righe& treno) {
    scrivi(linea_, unisci(linea));
    scrivi(treno_, unisci(treno));
  }

  std::vector<std::string> compile_args(bool json = true) {
    std::vector<std::string> a = {
        "compile",  "--line", linea_.string(), "--train",       treno_.string(), "--name", "Prova",
        "--number", "11",     "--out",         uscita_.string()};
    if (json) a.push_back("--json");
    return a;
  }

  // Runs compile, in-process unless told otherwise, and checks that the
  // inputs come out byte-identical.
  Esito compile(const std::vector<std::string>& args, const Avvio& avvio = {}) {
    const std::string prima_linea = leggi(linea_);
    const std::string prima_treno = leggi(treno_);
    Esito e = avvio ? avvio(args) : esegui(args);
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

}  // namespace progetto1::strumento::prova
