#include "app/archivio_cartella.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/prova/piattaforma_finta.h"
#include "model/guasto.h"
#include "tests/prova/cartella.h"

namespace progetto1 {
namespace {

namespace fs = std::filesystem;

class ArchivioCartellaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = prova::cartella_temporanea("p1_archivio");
    fs::remove_all(cartella_);
    fs::create_directories(cartella_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(cartella_, fs::perms::owner_all, ec);
    fs::remove_all(cartella_, ec);
  }
  fs::path cartella_;
};

std::string contenuto(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

TEST_F(ArchivioCartellaTest, SostituisceLeggeEdElimina) {
  PiattaformaFinta piattaforma(cartella_.string());
  ArchivioCartella archivio(piattaforma);
  EXPECT_FALSE(archivio.esiste("a.txt"));
  { std::ofstream(cartella_ / "a.txt", std::ios::binary) << std::string(100, 'x'); }
  archivio.sostituisci("a.txt", std::string("ab\0c", 4));
  EXPECT_EQ(contenuto(cartella_ / "a.txt"), std::string("ab\0c", 4));
  EXPECT_TRUE(archivio.esiste("a.txt"));
  EXPECT_EQ(archivio.leggi("a.txt"), std::string("ab\0c", 4));
  archivio.elimina("a.txt");
  EXPECT_FALSE(fs::exists(cartella_ / "a.txt"));
  archivio.elimina("a.txt");                     // a missing file: nothing happens
  EXPECT_GT(piattaforma.richieste_cartella, 4);  // the folder is fetched for every operation
}

TEST_F(ArchivioCartellaTest, FileMancanteEFallimentiSonoGuasti) {
  PiattaformaFinta piattaforma(cartella_.string());
  ArchivioCartella archivio(piattaforma);
  try {
    archivio.leggi("manca.txt");
    FAIL();
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 53);
  }
  PiattaformaFinta altrove((cartella_ / "non_esiste").string());
  ArchivioCartella archivio_altrove(altrove);
  EXPECT_THROW(archivio_altrove.sostituisci("x.txt", "x"), Guasto);
}

}  // namespace
}  // namespace progetto1
