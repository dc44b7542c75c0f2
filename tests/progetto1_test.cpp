// The package as a user runs it: the program copied into an empty folder and
// started without arguments.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Esecuzione {
  int stato;
  std::set<std::string> file;
};

class Progetto1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = fs::temp_directory_path() /
                ("p1_e2e_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(cartella_);
    fs::create_directories(cartella_);
    fs::copy_file(P1_PROGETTO1, cartella_ / "Progetto1");
  }
  void TearDown() override { fs::remove_all(cartella_); }

  Esecuzione esegui() {
    // Started from elsewhere: the package writes into its own folder, not the
    // current one.
    const std::string comando = "cd / && env -u DISPLAY '" + (cartella_ / "Progetto1").string() + "'";
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

TEST_F(Progetto1Test, CartellaVuotaTerminaConStatoZero) {
  const Esecuzione e = esegui();
  EXPECT_EQ(e.stato, 0);
}

}  // namespace
