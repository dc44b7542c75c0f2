#include "app/sostituzione.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/prova/file_sistema_difettoso.h"
#include "tests/prova/cartella.h"

namespace progetto1 {
namespace {

namespace fs = std::filesystem;

class Sostituzione : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = prova::cartella_temporanea("p1_sostituzione");
    fs::remove_all(base_);
  }
  void TearDown() override { fs::remove_all(base_); }
  fs::path base_;
};

// Folder names outside any ANSI code page, with accents and spaces. (Paths
// beyond MAX_PATH are run by the whole-program tests: std::filesystem of
// MinGW-w64 cannot list or remove such folders.)
TEST_F(Sostituzione, InOgniCartella) {
  const fs::path cartelle[] = {
      base_ / u8"日本語のフォルダ",
      base_ / u8"Città con spazi è àccenti",
  };
  for (const fs::path& cartella : cartelle) {
    SCOPED_TRACE(cartella.string());
    fs::create_directories(cartella);
    const fs::path file = cartella / u8"Corsanta_linea.dat";
    sostituisci_file(sistema_file(), {{file, std::string(5000, 'v')}});
    sostituisci_file(sistema_file(), {{file, std::string_view("ab\0c\r\n", 6)}});
    EXPECT_TRUE(sistema_file().esiste(file));
    std::string letto;
    EXPECT_FALSE(sistema_file().leggi(file, letto));
    EXPECT_EQ(letto, std::string("ab\0c\r\n", 6));
    EXPECT_EQ(leggi_cartella(cartella), (Cartella{{"Corsanta_linea.dat", letto}}));
    EXPECT_FALSE(sistema_file().elimina(file));
    EXPECT_FALSE(sistema_file().esiste(file));
  }
}

// A program is runnable the moment it appears under its name; where the
// permission cannot be given, nothing replaces the old file.
TEST_F(Sostituzione, UnProgrammaArrivaEseguibile) {
  fs::create_directories(base_);
  const fs::path programma = base_ / "Linea";
  sostituisci_file(sistema_file(), {{programma, "vecchio"}});
#ifndef _WIN32
  const auto esecuzione = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  EXPECT_EQ(fs::status(programma).permissions() & esecuzione, fs::perms::none);
#endif
  sostituisci_file(sistema_file(), {{programma, "nuovo", true}});
#ifndef _WIN32
  const fs::perms p = fs::status(programma).permissions();
  EXPECT_NE(p & fs::perms::owner_exec, fs::perms::none);
  // Execute only where read is: the umask still decides who may use it.
  EXPECT_EQ((p & fs::perms::others_read) != fs::perms::none,
            (p & fs::perms::others_exec) != fs::perms::none);
#endif
  // Operations: create, write, close, the permission (fails), remove.
  SistemaFileDifettoso difettoso(4);
  EXPECT_THROW(sostituisci_file(difettoso, {{programma, "terzo", true}}), GuastoFile);
  EXPECT_EQ(leggi_cartella(base_), (Cartella{{"Linea", "nuovo"}}));
}

// The rename of the last file fails: the first two are put back as they
// were, or removed again where there was none.
TEST_F(Sostituzione, UnaRinominaFallitaRimetteIFileDiPrima) {
  fs::create_directories(base_);
  { std::ofstream(base_ / "a", std::ios::binary) << "vecchio a"; }
  const std::vector<FileNuovo> nuovi = {
      {base_ / "a", "nuovo a"}, {base_ / "b", "nuovo b"}, {base_ / "c", "nuovo c"}};
  SistemaFileDifettoso conta;
  sostituisci_file(conta, nuovi);
  ASSERT_EQ(conta.registro.back().operazione, Operazione::kRinomina);
  fs::remove(base_ / "b");
  fs::remove(base_ / "c");
  { std::ofstream(base_ / "a", std::ios::binary) << "vecchio a"; }

  SistemaFileDifettoso d(conta.registro.size());
  try {
    sostituisci_file(d, nuovi);
    FAIL() << "no failure";
  } catch (const GuastoFile& g) {
    EXPECT_EQ(g.operazione(), Operazione::kRinomina);
    EXPECT_EQ(g.percorso(), base_ / "c");
    EXPECT_EQ(g.numero(), 75);
  }
  EXPECT_EQ(leggi_cartella(base_), (Cartella{{"a", "vecchio a"}}));
}

}  // namespace
}  // namespace progetto1

namespace progetto1 {
namespace {

// A file produced in pieces lands whole; the largest file is renamed last,
// so its old version is never read into memory, whatever its place in the
// list.
TEST_F(Sostituzione, IlPiuGrandeInPezziEUltimoENonVieneLetto) {
  fs::create_directories(base_);
  for (const char* nome : {"a", "b", "c"}) {
    std::ofstream(base_ / nome, std::ios::binary) << "vecchio " << nome;
  }
  const Contenuto grande(300000, [](const Contenuto::Pezzo& pezzo) {
    const std::string blocco(1000, 'g');
    for (int i = 0; i < 300; ++i) pezzo(blocco);
  });
  SistemaFileDifettoso d;
  sostituisci_file(d, {{base_ / "a", "nuovo a"}, {base_ / "b", grande}, {base_ / "c", "c"}});
  EXPECT_EQ(leggi_cartella(base_),
            (Cartella{{"a", "nuovo a"}, {"b", std::string(300000, 'g')}, {"c", "c"}}));
  std::vector<std::string> rinominati, letti;
  std::size_t scritture_b = 0;
  for (const SistemaFileDifettoso::Voce& v : d.registro) {
    const std::string nome = v.percorso.filename().string();
    if (v.operazione == Operazione::kRinomina) rinominati.push_back(nome);
    if (v.operazione == Operazione::kLeggi) letti.push_back(nome);
    if (v.operazione == Operazione::kScrivi && nome.starts_with(".b.")) ++scritture_b;
  }
  EXPECT_EQ(rinominati, (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(letti, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(scritture_b, 300u);
}

// A failed rename of the largest, last, file still puts back the others.
TEST_F(Sostituzione, LaRinominaDelPiuGrandeFallitaRimetteGliAltri) {
  fs::create_directories(base_);
  for (const char* nome : {"a", "b", "c"}) {
    std::ofstream(base_ / nome, std::ios::binary) << "vecchio " << nome;
  }
  const Cartella prima = leggi_cartella(base_);
  const std::string grande(10000, 'g');
  const std::vector<FileNuovo> nuovi = {
      {base_ / "a", grande}, {base_ / "b", "nuovo b"}, {base_ / "c", "nuovo c"}};
  SistemaFileDifettoso conta;
  sostituisci_file(conta, nuovi);
  ASSERT_EQ(conta.registro.back().operazione, Operazione::kRinomina);
  ASSERT_EQ(conta.registro.back().percorso, base_ / "a");
  for (const auto& [nome, vecchio] : prima)
    std::ofstream(base_ / nome, std::ios::binary) << vecchio;

  SistemaFileDifettoso d(conta.registro.size());
  EXPECT_THROW(sostituisci_file(d, nuovi), GuastoFile);
  EXPECT_EQ(leggi_cartella(base_), prima);
}

}  // namespace
}  // namespace progetto1

namespace progetto1 {
namespace {

namespace fs = std::filesystem;

// The package looks at its own file's last bytes before reading it whole.
TEST(LetturaCoda, UltimiByteDiUnFile) {
  const fs::path cartella = prova::cartella_temporanea("p1_coda");
  fs::create_directories(cartella);
  const fs::path file = cartella / u8"Città.bin";
  { std::ofstream(file, std::ios::binary) << std::string(70000, 'a') << "finale"; }
  struct Caso {
    std::size_t n;
    std::string atteso;
  };
  for (const Caso& c : {Caso{6, "finale"}, Caso{8, "aafinale"}, Caso{0, ""},
                        Caso{100000, std::string(70000, 'a') + "finale"}}) {
    std::string letto = "resto";
    EXPECT_FALSE(sistema_file().leggi_coda(file, c.n, letto)) << c.n;
    EXPECT_EQ(letto, c.atteso) << c.n;
  }
  std::string letto;
  EXPECT_TRUE(sistema_file().leggi_coda(cartella / "manca", 6, letto));
  fs::remove_all(cartella);
}

}  // namespace
}  // namespace progetto1
