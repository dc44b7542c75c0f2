// `scenario compile` with each of its file operations failing in turn, over
// an empty output folder and over one holding an earlier compile.
#include <gtest/gtest.h>

#include "app/prova/file_sistema_difettoso.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

using namespace prova;

class GuastiDelloStrumento : public CartellaProva {};

TEST_F(GuastiDelloStrumento, OgniOperazioneDiCompileCheFallisce) {
  const fs::path linea = cartella_ / "linea.txt";
  const fs::path treno = cartella_ / "treno.txt";
  const fs::path uscita = cartella_ / "uscita";
  scrivi(linea, unisci(linea_prova()));
  scrivi(treno, unisci(treno_prova()));
  const std::vector<std::string> argomenti = {"compile",      "--line", linea.string(), "--train",
                                              treno.string(), "--name", "Prova",        "--number",
                                              "11",           "--out",  uscita.string()};
  const std::vector<std::string> binari = {"Prova_linea.dat", "Prova_11.sim", "Prova_11.dat"};

  // An earlier compile of other texts: a train without its signal.
  Righe altro_treno = treno_prova();
  altro_treno.erase(altro_treno.begin() + kRigaSegnale - 1);
  scrivi(treno, unisci(altro_treno));
  fs::create_directories(uscita);
  ASSERT_EQ(esegui(argomenti).stato, 0);
  const Cartella vecchia = leggi_cartella(uscita);
  scrivi(treno, unisci(treno_prova()));

  for (const Cartella& prima : {Cartella{}, vecchia}) {
    SCOPED_TRACE(prima.empty() ? "cartella vuota" : "cartella di una compilazione precedente");
    auto prepara = [&] {
      fs::remove_all(uscita);
      fs::create_directories(uscita);
      for (const auto& [nome, byte] : prima) scrivi(uscita / nome, byte);
    };
    prepara();
    SistemaFileDifettoso riferimento;
    ASSERT_EQ(esegui(argomenti, riferimento).stato, 0);
    const Cartella dopo = leggi_cartella(uscita);
    ASSERT_NE(dopo, prima);
    const std::size_t operazioni = riferimento.registro.size();
    ASSERT_GE(operazioni, 12u);

    for (std::size_t k = 1; k <= operazioni; ++k) {
      prepara();
      SistemaFileDifettoso d(k);
      const Esito e = esegui(argomenti, d);
      ASSERT_GE(d.registro.size(), k);
      const SistemaFileDifettoso::Voce guasta = d.registro[k - 1];
      SCOPED_TRACE("operazione " + std::to_string(k) + " su " + guasta.percorso.string());
      EXPECT_EQ(e.stato, kUscitaUso);
      EXPECT_EQ(e.out, "");
      const std::string numero =
          "(errore " + std::to_string(SistemaFileDifettoso::numero(guasta.operazione)) + ": ";
      EXPECT_NE(e.err.find(numero), std::string::npos) << e.err;
      EXPECT_NE(e.err.find(guasta.percorso.filename().string()), std::string::npos) << e.err;
      EXPECT_EQ(
          difetti_cartella(leggi_cartella(uscita), prima, dopo, riferimento.sostituiti, binari),
          "");
    }
  }
  // The inputs are only read.
  EXPECT_EQ(leggi(linea), unisci(linea_prova()));
  EXPECT_EQ(leggi(treno), unisci(treno_prova()));
}

}  // namespace
}  // namespace progetto1::strumento
