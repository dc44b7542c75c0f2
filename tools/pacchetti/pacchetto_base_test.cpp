#include "tools/pacchetti/pacchetto_base.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/prova/cartella.h"
#include "tools/terminale/terminale.h"

namespace progetto1::strumento {
namespace {

namespace fs = std::filesystem;

// The first candidate is the tool's own folder, named for the platform that
// the output names; the second, where it is another folder, the install's.
TEST(PacchettoBase, AccantoAlloStrumentoPerLaPiattaformaDellUscita) {
  struct Caso {
    const char* strumento;
    const char* uscita;
    const char* base;
  };
  const Caso casi[] = {
      {"C:/Programmi/Scenari/scenario.exe", "Linea.exe", "C:/Programmi/Scenari/Progetto1.exe"},
      {"C:/Programmi/Scenari/scenario.exe", "D:/Pacchetti/Linea.EXE",
       "C:/Programmi/Scenari/Progetto1.exe"},
      {"C:/Programmi/Scenari/scenario.exe", "Linea", "C:/Programmi/Scenari/Progetto1"},
      {"/opt/scenari/bin/scenario", "uscita/Città.exe", "/opt/scenari/bin/Progetto1.exe"},
      {"/opt/scenari/bin/scenario", "uscita/linea.exe.bak", "/opt/scenari/bin/Progetto1"},
      {"scenario", "Linea.exe", "Progetto1.exe"},
  };
  for (const Caso& c : casi) {
    const std::vector<fs::path> candidati = candidati_pacchetto_base(c.strumento, c.uscita);
    ASSERT_FALSE(candidati.empty()) << c.strumento << " " << c.uscita;
    EXPECT_EQ(candidati.front(), fs::path(c.base)) << c.strumento << " " << c.uscita;
    const fs::path installato = cartella_basi_installate(c.strumento) / fs::path(c.base).filename();
    if (cartella_basi_installate(c.strumento) == fs::path(c.strumento).parent_path()) {
      EXPECT_EQ(candidati.size(), 1u) << c.strumento << " " << c.uscita;
    } else {
      EXPECT_EQ(candidati, (std::vector<fs::path>{c.base, installato}))
          << c.strumento << " " << c.uscita;
    }
    EXPECT_EQ(pacchetto_base_predefinito(c.strumento, c.uscita), candidati.front())
        << "nessuno dei candidati esiste: il primo";
  }
}

// The relative path compiled into the tool leads from the installed tool's
// folder to the folder where the install rules put the bases, as the build
// configured both.
TEST(PacchettoBase, CartellaDelleBasiInstallate) {
  const fs::path bin = P1_PROVA_BIN_INSTALLATA;
  const fs::path basi = P1_PROVA_BASI_INSTALLATE;
  EXPECT_EQ(cartella_basi_installate(bin / "scenario"), basi);
#ifndef _WIN32
  // Never bin/ itself, where a base run in place would write its files.
  EXPECT_NE(basi.lexically_normal(), bin.lexically_normal());
#endif
}

// A tool and its bases laid out as an install lays them, in a temporary
// folder: the first candidate that is a file wins.
class PacchettoBaseInstallato : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = prova::cartella_temporanea("pacchetto_base");
    strumento_ = cartella_ / "bin" / "scenario";
    fs::create_directories(strumento_.parent_path());
    std::ofstream(strumento_) << "strumento";
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(cartella_, ec);
  }
  static void crea(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "base";
  }

  fs::path cartella_;
  fs::path strumento_;
};

TEST_F(PacchettoBaseInstallato, IlPrimoCandidatoCheEsiste) {
  const std::vector<fs::path> candidati = candidati_pacchetto_base(strumento_, "Linea.exe");
  ASSERT_EQ(candidati.front(), strumento_.parent_path() / "Progetto1.exe");
  // Each candidate missing, a file or a folder, in every combination; the
  // Linux base lies in every candidate's folder and never serves a ".exe".
  enum Stato { kNiente, kFile, kCartella, kStati };
  const char* const nomi[kStati] = {"niente", "file", "cartella"};
  std::vector<int> stati(candidati.size(), kNiente);
  for (;;) {
    std::string caso;
    std::size_t atteso = candidati.size();
    for (std::size_t i = 0; i < candidati.size(); ++i) {
      fs::remove_all(candidati[i]);
      crea(candidati[i].parent_path() / "Progetto1");
      if (stati[i] == kFile) crea(candidati[i]);
      if (stati[i] == kCartella) fs::create_directories(candidati[i]);
      if (stati[i] == kFile && atteso == candidati.size()) atteso = i;
      caso += nomi[stati[i]];
      caso += ' ';
    }

    const PacchettoBase base = cerca_pacchetto_base(strumento_, "uscita/Linea.exe");
    EXPECT_EQ(base.provati, candidati) << caso;
    EXPECT_EQ(base.trovato, atteso < candidati.size()) << caso;
    EXPECT_EQ(base.scelto, candidati[atteso < candidati.size() ? atteso : 0]) << caso;
    EXPECT_EQ(pacchetto_base_predefinito(strumento_, "uscita/Linea.exe"), base.scelto) << caso;

    std::size_t k = 0;
    while (k < stati.size() && ++stati[k] == kStati) stati[k++] = kNiente;
    if (k == stati.size()) break;
  }
}

// The tool finds the package beside its own file, as the system names it.
TEST(PacchettoBase, DalFileDelProgrammaInEsecuzione) {
  const fs::path programma = eseguibile_programma();
  ASSERT_TRUE(fs::is_regular_file(programma)) << programma;
  EXPECT_EQ(candidati_pacchetto_base(programma, "x.exe").front().parent_path(),
            programma.parent_path());
}

}  // namespace
}  // namespace progetto1::strumento
