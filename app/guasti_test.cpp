// The package's run with each of its file operations failing in turn, in an
// empty folder and in one holding an earlier run's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/archivio_cartella.h"
#include "app/prova/file_sistema_difettoso.h"
#include "app/prova/piattaforma_finta.h"
#include "app/sequenza.h"
#include "tests/prova/cartella.h"

namespace progetto1 {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kFileScenario = {"Corsanta_linea.dat", "Corsanta_7402.sim",
                                                "Corsanta_7402.dat"};
const std::vector<std::string> kDocumenti = {
    "Corsanta_7402_note.txt", "Corsanta_7402_rallentamenti.txt", "Corsanta_7402_scheda_treno.txt"};

bool testo_descrizione(const fs::path& p) {
  const std::string n = p.filename().string();
  return n == "Corsanta_linea.txt" || n == "Corsanta_7402-.txt";
}

class GuastiDelPacchetto : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_ = prova::cartella_temporanea("p1_guasti_pacchetto");
    fs::remove_all(cartella_);
  }
  void TearDown() override { fs::remove_all(cartella_); }

  void prepara(const Cartella& c) {
    fs::remove_all(cartella_);
    fs::create_directories(cartella_);
    for (const auto& [nome, byte] : c) std::ofstream(cartella_ / nome, std::ios::binary) << byte;
  }

  struct Corsa {
    int stato;
    std::vector<std::string> eventi;
  };
  Corsa corri(SistemaFile& sistema) {
    PiattaformaFinta piattaforma(cartella_);
    ArchivioCartella archivio(piattaforma, sistema);
    const int stato = carica(piattaforma, archivio);
    return {stato, piattaforma.eventi};
  }

  fs::path cartella_;
};

TEST_F(GuastiDelPacchetto, OgniOperazioneCheFallisce) {
  Cartella vecchia;
  for (const auto* elenco : {&kFileScenario, &kDocumenti}) {
    for (const std::string& nome : *elenco) vecchia[nome] = "corsa precedente di " + nome;
  }
  for (const Cartella& prima : {Cartella{}, vecchia}) {
    SCOPED_TRACE(prima.empty() ? "cartella vuota" : "cartella di una corsa precedente");
    prepara(prima);
    SistemaFileDifettoso riferimento;
    ASSERT_EQ(corri(riferimento).stato, kUscitaNormale);
    const Cartella dopo = leggi_cartella(cartella_);
    const std::size_t operazioni = riferimento.registro.size();
    ASSERT_GT(operazioni, 30u);

    for (std::size_t k = 1; k <= operazioni; ++k) {
      prepara(prima);
      SistemaFileDifettoso d(k);
      const Corsa c = corri(d);
      ASSERT_GE(d.registro.size(), k);
      const SistemaFileDifettoso::Voce guasta = d.registro[k - 1];
      SCOPED_TRACE("operazione " + std::to_string(k) + " su " + guasta.percorso.string());
      const Cartella ora = leggi_cartella(cartella_);
      if (testo_descrizione(guasta.percorso) &&
          (guasta.operazione == Operazione::kLeggi || guasta.operazione == Operazione::kElimina)) {
        // Reading and deleting the description texts belong to the reader,
        // whose own handler records code 25 and lets the run go on with
        // what it read; the scenario files it then writes are complete.
        auto completa = riferimento.sostituiti;
        for (const auto& [nome, contenuti] : d.sostituiti) {
          completa[nome].insert(contenuti.begin(), contenuti.end());
        }
        EXPECT_EQ(difetti_cartella(ora, prima, dopo, completa, {}), "");
        EXPECT_TRUE(c.stato == kUscitaNormale || c.stato == kUscitaGuasto) << c.stato;
        EXPECT_EQ(c.eventi.size(), c.stato == kUscitaNormale ? 1u : 2u);
        EXPECT_FALSE(ora.count("Corsanta_linea.txt") || ora.count("Corsanta_7402-.txt"));
        continue;
      }
      EXPECT_EQ(c.stato, kUscitaGuasto);
      ASSERT_EQ(c.eventi.size(), 2u);
      EXPECT_EQ(c.eventi[1].rfind(
                    "messaggio[Progetto1]Errore di run-time '" +
                        std::to_string(SistemaFileDifettoso::numero(guasta.operazione)) + "':\n\n",
                    0),
                0u)
          << c.eventi[1];
      EXPECT_NE(c.eventi[1].find(guasta.percorso.filename().string()), std::string::npos)
          << c.eventi[1];
      EXPECT_EQ(difetti_cartella(ora, prima, dopo, riferimento.sostituiti, kFileScenario), "");
    }
  }
}

}  // namespace
}  // namespace progetto1
