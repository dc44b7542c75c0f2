#include "output/passata_codici.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/guasto.h"

namespace progetto1 {
namespace {

struct Marca {
  long indice;
  std::uint8_t genere;
  std::int16_t dato1 = 0;
};

struct Caso {
  const char* nome;
  long ultimo;
  std::vector<Marca> modello;
  // Every cell the pass changes, with its kind and first value afterwards.
  std::vector<Marca> cambiate;
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
};

constexpr Marca Segnale(long i) { return {i, kSegnale, 40}; }
constexpr Marca Avviso(long i) { return {i, kAvvisoRallentamento, 30}; }
constexpr Marca Inizio(long i, std::int16_t v) { return {i, kInizioRallentamento, v}; }
constexpr Marca Fine(long i) { return {i, kFineRallentamento, 30}; }
constexpr Marca Occupata(long i) { return {i, kIndicatoreVmax, 1}; }
constexpr Marca Codice(long i, std::int16_t v = 180) { return {i, kPuntoCodice, v}; }

const Caso kCasi[] = {
    {"SegnalePrimaDellAvvisoRiceveIlCodice", 40, {Avviso(22), Segnale(10)}, {Codice(9)}},
    {"MarcaDiMontagnaContaComeLibera",
     40,
     {Avviso(22), Segnale(10), {9, kMarcaMontagna}},
     {Codice(9)}},
    {"CellaPrecedenteOccupataUsaLaSeconda",
     40,
     {Avviso(22), Segnale(10), Occupata(9)},
     {Codice(8)}},
    {"CodiceMinoreRestaInvariato", 40, {Avviso(22), Segnale(10), Codice(9, 100), Occupata(8)}, {}},
    {"CodiceMaggioreScendeA180",
     40,
     {Avviso(22), Segnale(10), Codice(9, 200), Occupata(8)},
     {Codice(9, 180)}},
    {"SecondoPuntoCodiceQuandoLaSecondaCellaELibera",
     40,
     {Avviso(22), Segnale(10), Codice(9, 100)},
     {Codice(8)}},
    {"SecondaCellaCodiceVieneAbbassata",
     40,
     {Avviso(22), Segnale(10), Occupata(9), Codice(8, 250)},
     {Codice(8, 180)}},
    {"NessunPostoRegistra11", 40, {Avviso(22), Segnale(10), Occupata(9), Occupata(8)}, {}, 11, 500},
    {"TuttiISegnaliEntroVentiCelle",
     40,
     {Avviso(22), Segnale(10), Segnale(15)},
     {Codice(9), Codice(14)}},
    {"SegnaleAVentunoCelleNonETrattato", 40, {Avviso(30), Segnale(9)}, {}},
    {"SegnaleInCellaTreETrattato", 40, {Avviso(22), Segnale(3)}, {Codice(2)}},
    {"SegnaleInCellaDueNonETrattato", 40, {Avviso(22), Segnale(2)}, {}},
    {"InizioInCellaSetteSenzaGruppi", 40, {Inizio(7, 120)}, {}},
    {"InizioInCellaOttoPrimoGruppo", 40, {Inizio(8, 120)}, {Codice(3)}},
    {"TreGruppiENessunCodiceLungoA120",
     80,
     {Inizio(40, 120), Fine(60)},
     {Codice(35), Codice(29), Codice(22)}},
    {"GruppoPrendeLaPrimaCellaLibera",
     80,
     {Inizio(40, 120), Fine(60), Occupata(35), Occupata(34), Occupata(29)},
     {Codice(33), Codice(28), Codice(22)}},
    {"GruppoSenzaPostoRegistra12",
     80,
     {Inizio(40, 120), Fine(60), Occupata(35), Occupata(34), Occupata(33)},
     {Codice(29), Codice(22)},
     12,
     2000},
    {"CodiciLungoUnRallentamentoA30",
     1100,
     {Inizio(1000, 30), Fine(1020)},
     {Codice(995), Codice(989), Codice(982), Codice(1008), Codice(1016)}},
    {"CellaOccupataSpostaICodiciIndietro",
     1100,
     {Inizio(1000, 30), Fine(1020), Occupata(1008)},
     {Codice(995), Codice(989), Codice(982), Codice(1007), Codice(1015)}},
    {"CellaSuccessivaQuandoLeDuePrimeSonoOccupate",
     1100,
     {Inizio(1000, 30), Fine(1030), Occupata(1008), Occupata(1007)},
     {Codice(995), Codice(989), Codice(982), Codice(1009), Codice(1017), Codice(1025)}},
    {"NessunPostoLungoRegistra13EFermaICodici",
     1100,
     {Inizio(1000, 30), Fine(1030), Occupata(1007), Occupata(1008), Occupata(1009)},
     {Codice(995), Codice(989), Codice(982)},
     13,
     50400},
    {"LaCellaDiFineContaNelPasso",
     1100,
     {Inizio(1000, 30), Fine(1008)},
     {Codice(995), Codice(989), Codice(982), Codice(1007)}},
    {"PrimoSegnaleDopoLaFine",
     1100,
     {Inizio(1000, 30), Fine(1020), Segnale(1025), Segnale(1030)},
     {Codice(995), Codice(989), Codice(982), Codice(1008), Codice(1016), Codice(1024)}},
    {"PrimoSegnaleDopoLaFineConCellaOccupata",
     1100,
     {Inizio(1000, 30), Fine(1020), Segnale(1025), Occupata(1024)},
     {Codice(995), Codice(989), Codice(982), Codice(1008), Codice(1016), Codice(1023)}},
    {"PrimoSegnaleDopoLaFineSenzaPostoRegistra13",
     1100,
     {Inizio(1000, 30), Fine(1020), Segnale(1025), Occupata(1024), Occupata(1023)},
     {Codice(995), Codice(989), Codice(982), Codice(1008), Codice(1016)},
     13,
     51000},
    {"SegnaleOltreDodiciCelleDallaFine",
     1100,
     {Inizio(1000, 30), Fine(1020), Segnale(1033)},
     {Codice(995), Codice(989), Codice(982), Codice(1008), Codice(1016)}},
    {"A110NessunaRicercaDopoLaFine",
     80,
     {Inizio(40, 110), Fine(60), Segnale(62)},
     {Codice(35), Codice(29), Codice(22)}},
    {"A109CodiciLungoEDopoLaFine",
     80,
     {Inizio(40, 109), Fine(60), Segnale(62)},
     {Codice(35), Codice(29), Codice(22), Codice(48), Codice(56), Codice(61)}},
    // Start and end in one cell: the walk runs on to the array's last cell.
    {"SenzaCellaDiFineIlCamminoSiFermaAllUltimaCella",
     70,
     {Inizio(40, 30), Segnale(69)},
     {Codice(35), Codice(29), Codice(22), Codice(48), Codice(56), Codice(64)}},
    {"AllUltimaCellaNessunCandidatoOltreLArray",
     58,
     {Inizio(50, 30), Occupata(58), Occupata(57)},
     {Codice(45), Codice(39), Codice(32)},
     13,
     2900},
    {"LineaVuota", 40, {}, {}},
};

TEST(PassataCodici, Casi) {
  for (const Caso& caso : kCasi) {
    SCOPED_TRACE(caso.nome);
    Pacchetto p;
    p.percorso.ridimensiona(caso.ultimo);
    for (const Marca& m : caso.modello) {
      p.percorso[m.indice].genere = m.genere;
      p.percorso[m.indice].dato1 = m.dato1;
    }
    Vettore<cella> attese = p.percorso;
    for (const Marca& m : caso.cambiate) {
      attese[m.indice].genere = m.genere;
      attese[m.indice].dato1 = m.dato1;
    }
    passata_codici(p);
    for (long i = 0; i <= caso.ultimo; ++i) {
      EXPECT_EQ(p.percorso[i].genere, attese[i].genere) << "cella " << i;
      EXPECT_EQ(p.percorso[i].dato1, attese[i].dato1) << "cella " << i;
    }
    EXPECT_EQ(p.codice_errore, caso.codice_errore);
    EXPECT_EQ(p.posizione_errore, caso.posizione_errore);
  }
}

TEST(PassataCodici, SenzaErroriLasciaIlRegistroComEra) {
  Pacchetto p;
  p.percorso.ridimensiona(40);
  p.codice_errore = 11;
  p.posizione_errore = 500;
  p.percorso[22].genere = kAvvisoRallentamento;
  p.percorso[10].genere = kSegnale;
  passata_codici(p);
  EXPECT_EQ(p.codice_errore, 11);
  EXPECT_EQ(p.posizione_errore, 500);
}

TEST(PassataCodici, SenzaCelleEGuasto9) {
  Pacchetto p;
  try {
    passata_codici(p);
    FAIL() << "no failure";
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }
}

TEST(Minimo, IlPrimoAParita) {
  EXPECT_EQ(minimo(180, 100), 100);
  EXPECT_EQ(minimo(180, 200), 180);
  EXPECT_EQ(minimo(-5, 3), -5);
  EXPECT_EQ(minimo(7, 7), 7);
}

}  // namespace
}  // namespace progetto1
