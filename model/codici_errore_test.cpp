#include "model/codici_errore.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/avvisi.h"

namespace progetto1 {
namespace {

// Every code with the number the register, the message box and the tool's
// reports carry: a renumbered code would change what the package reports.
TEST(CodiciErrore, OgniCodiceHaIlSuoNumeroEUnSignificato) {
  using C = CodiceErrore;
  const struct {
    CodiceErrore codice;
    std::int32_t numero;
  } casi[] = {
      {C::kLunghezzaOltreIlMassimo, 1},
      {C::kProgressivaNonMultipla, 2},
      {C::kRipetizionePrimoNonMultiplo, 3},
      {C::kRipetizioneSecondoNonMultiplo, 4},
      {C::kRipetizioneSenzaCodici, 5},
      {C::kCartelloOccupato, 6},
      {C::kAbbattimentoOccupato, 7},
      {C::kStazioneNonMultipla, 8},
      {C::kMarciapiedeNonMultiplo, 9},
      {C::kTabellaStazioniPiena, 10},
      {C::kSegnaleSenzaCodice, 11},
      {C::kInizioSenzaCodice, 12},
      {C::kRallentamentoSenzaCodice, 13},
      {C::kOltreIlPercorso, 15},
      {C::kSegnaleOccupato, 16},
      {C::kAvvisoOccupato, 17},
      {C::kInizioRallentamentoOccupato, 18},
      {C::kFineRallentamentoOccupato, 19},
      {C::kPreavvisoOccupato, 20},
      {C::kIndicatoreOccupato, 21},
      {C::kStazioniTroppoVicine, 22},
      {C::kFermataSullaCellaUno, 24},
      {C::kLettura, 25},
      {C::kTestoLineaAssente, 101},
      {C::kSenzaGenerale, 102},
      {C::kCurvaNonValida, 103},
      {C::kValoriPacchetto, 1250},
      {C::kCodiciControllo, 1251},
  };
  std::set<std::string> frasi;
  for (const auto& c : casi) {
    EXPECT_EQ(numero(c.codice), c.numero);
    const VoceErrore* v = voce_errore(c.numero);
    ASSERT_NE(v, nullptr) << c.numero;
    EXPECT_EQ(v->codice, c.codice);
    EXPECT_EQ(&voce_errore(c.codice), v);
    ASSERT_NE(v->frase, nullptr);
    EXPECT_FALSE(std::string(v->frase).empty()) << c.numero;
    EXPECT_TRUE(frasi.insert(v->frase).second) << "significato ripetuto: " << c.numero;
  }
  // The table holds these codes and no others, in ascending order.
  ASSERT_EQ(tabella_errori().size(), std::size(casi));
  for (std::size_t i = 1; i < tabella_errori().size(); ++i) {
    EXPECT_LT(numero(tabella_errori()[i - 1].codice), numero(tabella_errori()[i].codice));
  }
  for (std::int32_t n : {0, 14, 23, 26, 100, 104, 1249, 1252}) EXPECT_EQ(voce_errore(n), nullptr);
}

TEST(CodiciErrore, TestoDelMessaggio) {
  EXPECT_EQ(testo_errore(CodiceErrore::kValoriPacchetto), " Errore n. 1250");
  EXPECT_EQ(testo_errore(CodiceErrore::kCodiciControllo), " Errore n. 1251");
}

}  // namespace
}  // namespace progetto1
