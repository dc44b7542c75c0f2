// The package as a user runs it: the program copied into an empty folder and
// started without arguments.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/prova/cartella.h"

namespace {

namespace fs = std::filesystem;

struct Esecuzione {
  int stato;
  std::set<std::string> file;
};

// The check codes of train "7402" on line "Corsanta".
constexpr std::int16_t kCodiceGaraOg = 2530;
constexpr std::int32_t kCodiceGaraSt = 35486;

class Progetto1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = progetto1::prova::cartella_temporanea("p1_e2e");
    fs::remove_all(cartella_);
    fs::create_directories(cartella_);
    fs::copy_file(P1_PROGETTO1, cartella_ / "Progetto1");
  }
  void TearDown() override { fs::remove_all(cartella_); }

  Esecuzione esegui() {
    // Started from elsewhere: the package writes into its own folder, not the
    // current one.
    const std::string comando =
        "cd / && env -u DISPLAY '" + (cartella_ / "Progetto1").string() + "'";
    const int r = std::system(comando.c_str());
    Esecuzione e{WIFEXITED(r) ? WEXITSTATUS(r) : -1, {}};
    for (const auto& voce : fs::directory_iterator(cartella_)) {
      if (voce.path().filename() != "Progetto1") e.file.insert(voce.path().filename().string());
    }
    return e;
  }

  std::string leggi(const std::string& nome) {
    std::ifstream f(cartella_ / nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

  fs::path cartella_;
};

// Little-endian fields of the binary files.
std::uint32_t senza_segno(const std::string& b, std::size_t i, int n) {
  std::uint32_t v = 0;
  for (int k = n - 1; k >= 0; --k) v = (v << 8) | static_cast<std::uint8_t>(b.at(i + k));
  return v;
}
std::int16_t integer(const std::string& b, std::size_t i) {
  return static_cast<std::int16_t>(senza_segno(b, i, 2));
}
std::int32_t long_(const std::string& b, std::size_t i) {
  return static_cast<std::int32_t>(senza_segno(b, i, 4));
}

struct Record {
  std::string byte;
  std::uint8_t codice;
  std::int32_t valore1, valore2, valore3;
  std::string testo;
  std::int16_t intero[5];
  std::int32_t valore4;
};

// The station file as records of 34 bytes plus the text.
std::vector<Record> record_stazioni(const std::string& b) {
  std::vector<Record> r;
  std::size_t i = 0;
  while (i + 34 <= b.size()) {
    const auto n = static_cast<std::size_t>(integer(b, i + 14));
    if (i + 34 + n > b.size()) break;
    Record x{};
    x.byte = b.substr(i, 34 + n);
    x.codice = static_cast<std::uint8_t>(b[i]);
    x.valore1 = long_(b, i + 1);
    x.valore2 = long_(b, i + 5);
    x.valore3 = long_(b, i + 9);
    x.testo = b.substr(i + 16, n);
    for (int k = 0; k < 5; ++k) x.intero[k] = integer(b, i + 16 + n + 2 * k);
    x.valore4 = long_(b, i + 30 + n);
    r.push_back(x);
    i += 34 + n;
  }
  EXPECT_EQ(i, b.size()) << "bytes left after the last whole record";
  return r;
}

TEST_F(Progetto1Test, CartellaVuotaTerminaConStatoZero) {
  const Esecuzione e = esegui();
  EXPECT_EQ(e.stato, 0);
}

TEST_F(Progetto1Test, LasciaIDocumentiEITreFileDiScenario) {
  const Esecuzione e = esegui();
  EXPECT_EQ(e.stato, 0);
  // The description texts are read back and deleted within the run.
  EXPECT_EQ(e.file,
            (std::set<std::string>{"Corsanta_7402_note.txt", "Corsanta_7402_rallentamenti.txt",
                                   "Corsanta_7402_scheda_treno.txt", "Corsanta_linea.dat",
                                   "Corsanta_7402.sim", "Corsanta_7402.dat"}));
}

TEST_F(Progetto1Test, FileDelleCelle) {
  ASSERT_EQ(esegui().stato, 0);
  const std::string b = leggi("Corsanta_7402.dat");
  ASSERT_EQ(b.size(), 33405u);  // cells 0 to 2226, 15 bytes each
  EXPECT_EQ(b.substr(16, 2), "\x01\x14");
  EXPECT_EQ(integer(b, 16), 5121);
  EXPECT_EQ(integer(b, 18), kCodiceGaraOg);
}

TEST_F(Progetto1Test, FileDelPiano) {
  ASSERT_EQ(esegui().stato, 0);
  const std::string b = leggi("Corsanta_linea.dat");
  ASSERT_EQ(b.size(), 2225964u);
  const std::size_t meta = 1112982;  // every x, then every y
  // Points 0 and 1 whole numbers: x 0, 0 and y 0, 1.
  EXPECT_EQ(b.substr(0, 8), std::string("\x02\x00\x00\x00\x02\x00\x00\x00", 8));
  EXPECT_EQ(b.substr(meta, 8), std::string("\x02\x00\x00\x00\x02\x00\x01\x00", 8));
  // Points 2 to N - 2 fractional, the last two empty.
  for (std::size_t inizio : {std::size_t{0}, meta}) {
    EXPECT_EQ(integer(b, inizio + 8), 5);
    EXPECT_EQ(integer(b, inizio + meta - 14), 5);
    EXPECT_EQ(b.substr(inizio + meta - 4, 4), std::string(4, '\0'));
  }
}

TEST_F(Progetto1Test, FileDelleStazioni) {
  ASSERT_EQ(esegui().stato, 0);
  const std::vector<Record> r = record_stazioni(leggi("Corsanta_7402.sim"));
  ASSERT_EQ(r.size(), 87u);
  EXPECT_EQ(r[0].byte, std::string(34, '\0'));

  EXPECT_EQ((std::vector<std::int32_t>{r[81].valore1, r[81].valore2, r[81].valore3}),
            (std::vector<std::int32_t>{100800, 190400, 1}));
  EXPECT_EQ((std::vector<std::int32_t>{r[82].valore1, r[82].valore2, r[82].valore3}),
            (std::vector<std::int32_t>{0, 100900, 1}));
  EXPECT_EQ(r[83].byte, std::string(34, '\0'));
  EXPECT_EQ((std::vector<std::int32_t>{r[84].valore1, r[84].valore2, r[84].valore3}),
            (std::vector<std::int32_t>{125, 104300, 14}));

  EXPECT_EQ((std::vector<std::int32_t>{r[85].valore1, r[85].valore2, r[85].valore3}),
            (std::vector<std::int32_t>{1, 0, 0}));
  EXPECT_EQ(r[85].testo, "Corsanta");
  EXPECT_EQ(r[85].intero[0], 610);
  EXPECT_EQ(r[85].valore4, kCodiceGaraSt);

  EXPECT_EQ((std::vector<std::int32_t>{r[86].valore1, r[86].valore2, r[86].valore3}),
            (std::vector<std::int32_t>{0, 0, 0}));
  EXPECT_EQ(r[86].testo, "7402");
  EXPECT_EQ(r[86].intero[0], 300);
  EXPECT_EQ((std::vector<std::int16_t>{r[86].intero[2], r[86].intero[3], r[86].intero[4]}),
            (std::vector<std::int16_t>{2, 49, 40}));
}

TEST_F(Progetto1Test, UnaSecondaEsecuzioneLasciaGliStessiFile) {
  const Esecuzione prima = esegui();
  ASSERT_EQ(prima.stato, 0);
  std::map<std::string, std::string> contenuti;
  for (const std::string& nome : prima.file) contenuti[nome] = leggi(nome);
  // A longer leftover must not survive behind the new file.
  std::ofstream(cartella_ / "Corsanta_7402.dat", std::ios::binary | std::ios::app)
      << std::string(100000, 'x');
  const Esecuzione seconda = esegui();
  EXPECT_EQ(seconda.stato, 0);
  EXPECT_EQ(seconda.file, prima.file);
  for (const std::string& nome : seconda.file) EXPECT_EQ(leggi(nome), contenuti[nome]) << nome;
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> file_di(const fs::path& cartella) {
  std::map<std::string, std::string> r;
  for (const auto& voce : fs::directory_iterator(cartella)) {
    std::ifstream f(voce.path(), std::ios::binary);
    r[voce.path().filename().string()] = {std::istreambuf_iterator<char>(f), {}};
  }
  return r;
}

// Folder names are bytes on Linux: spaces, UTF-8, bytes that are no UTF-8
// at all, and a path longer than 300 characters all hold the same files.
TEST_F(Progetto1Test, CartelleConOgniNome) {
  ASSERT_EQ(esegui().stato, 0);
  const std::map<std::string, std::string> attesi = file_di(cartella_);
  const std::string lungo = "cartella con un nome lungo " + std::string(120, 'x');
  const std::vector<fs::path> cartelle = {
      "con spazi e lettere accentate àèìòù",
      "日本語のフォルダ",
      "byte non UTF-8 \xff\xfe\x80",
      fs::path(lungo) / lungo / "e ancora",
  };
  for (const fs::path& nome : cartelle) {
    const fs::path cartella = cartella_ / nome;
    SCOPED_TRACE(cartella.string());
    fs::create_directories(cartella);
    fs::copy_file(P1_PROGETTO1, cartella / "Progetto1");
    const std::string comando =
        "cd / && env -u DISPLAY '" + (cartella / "Progetto1").string() + "'";
    EXPECT_EQ(std::system(comando.c_str()), 0);
    const std::map<std::string, std::string> trovati = file_di(cartella);
    EXPECT_TRUE(trovati == attesi) << trovati.size() << " file";
  }
  EXPECT_GT((cartella_ / cartelle.back()).string().size(), 300u);
}

// A real full disk: a small tmpfs, mounted only for this test, holding the
// program and, in one case, an earlier run's files. The line plan does not
// fit beside them.
class DiscoPieno : public ::testing::Test {
 protected:
  void SetUp() override {
    punto_ = progetto1::prova::cartella_temporanea("p1_disco_pieno");
    fs::create_directories(punto_);
  }
  void TearDown() override {
    smonta();
    std::error_code ec;
    fs::remove_all(punto_, ec);
  }

  // Mounts a tmpfs of the program's size plus `spazio` bytes; false with
  // the reason when this test may not mount file systems.
  bool monta(std::uintmax_t spazio, std::string& motivo) {
    if (geteuid() != 0) {
      motivo = "montare un tmpfs richiede l'utente root";
      return false;
    }
    const std::uintmax_t kib = (fs::file_size(P1_PROGETTO1) + spazio) / 1024 + 1;
    const std::string opzioni = "size=" + std::to_string(kib) + "k";
    if (mount("tmpfs", punto_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, opzioni.c_str()) != 0) {
      motivo = std::string("mount tmpfs: ") + std::strerror(errno);
      return false;
    }
    montato_ = true;
    fs::copy_file(P1_PROGETTO1, punto_ / "Progetto1");
    return true;
  }
  void smonta() {
    if (montato_ && umount2(punto_.c_str(), MNT_DETACH) == 0) montato_ = false;
  }

  fs::path punto_;
  bool montato_ = false;
};

TEST_F(DiscoPieno, IlGuastoLasciaIFileDiPrimaSenzaProvvisori) {
  // What a complete run writes, from a folder with room.
  const fs::path completa = progetto1::prova::cartella_temporanea("p1_disco_pieno_completa");
  fs::remove_all(completa);
  fs::create_directories(completa);
  fs::copy_file(P1_PROGETTO1, completa / "Progetto1");
  ASSERT_EQ(
      std::system(("cd / && env -u DISPLAY '" + (completa / "Progetto1").string() + "'").c_str()),
      0);
  std::map<std::string, std::string> nuovi = file_di(completa);
  fs::remove_all(completa);
  nuovi.erase("Progetto1");
  std::uintmax_t totale = 0;
  for (const auto& [nome, byte] : nuovi) totale += byte.size();

  // An earlier run that differs from this one in every file.
  std::map<std::string, std::string> vecchi;
  for (const auto& [nome, byte] : nuovi) vecchi[nome] = byte + "vecchio";

  for (const bool con_vecchi : {false, true}) {
    SCOPED_TRACE(con_vecchi ? "con i file di una corsa precedente" : "cartella vuota");
    std::string motivo;
    // Room for the texts, not for the line plan beside the earlier files.
    if (!monta((con_vecchi ? totale + 7 * 4096 : 0) + 1'000'000, motivo)) GTEST_SKIP() << motivo;
    if (con_vecchi) {
      for (const auto& [nome, byte] : vecchi) {
        std::ofstream f(punto_ / nome, std::ios::binary);
        f << byte;
        ASSERT_TRUE(f.flush()) << nome;
      }
    }
    const std::map<std::string, std::string> prima = file_di(punto_);
    const fs::path errori = progetto1::prova::cartella_temporanea("p1_disco_pieno_errori");
    const int r = std::system(("cd / && env -u DISPLAY '" + (punto_ / "Progetto1").string() +
                               "' 2>'" + errori.string() + "'")
                                  .c_str());
    EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, 2);
    std::ifstream f(errori);
    const std::string messaggio{std::istreambuf_iterator<char>(f), {}};
    fs::remove(errori);
    EXPECT_NE(messaggio.find("Errore di run-time '61':"), std::string::npos) << messaggio;
    EXPECT_NE(messaggio.find("Disco pieno: " + punto_.string() + "/."), std::string::npos)
        << messaggio;

    const std::map<std::string, std::string> ora = file_di(punto_);
    for (const auto& [nome, byte] : ora) {
      if (nome == "Progetto1") continue;
      const auto p = prima.find(nome);
      const auto n = nuovi.find(nome);
      EXPECT_TRUE((p != prima.end() && p->second == byte) ||
                  (n != nuovi.end() && n->second == byte))
          << nome << ": " << byte.size() << " byte";
    }
    // The scenario files are those of the earlier run, or none.
    for (const char* nome : {"Corsanta_linea.dat", "Corsanta_7402.sim", "Corsanta_7402.dat"}) {
      EXPECT_EQ(ora.count(nome), prima.count(nome)) << nome;
      if (ora.count(nome) != 0) {
        EXPECT_TRUE(ora.at(nome) == prima.at(nome)) << nome;
      }
    }
    smonta();
    ASSERT_FALSE(montato_);
  }
}

}  // namespace
