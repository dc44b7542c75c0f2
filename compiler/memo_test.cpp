#include "compiler/memo.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/guasto.h"

namespace progetto1 {
namespace {

Pacchetto pacchetto(long celle = 2226) {
  Pacchetto p;
  p.percorso.ridimensiona(celle);
  return p;
}

std::vector<cella> celle(const Pacchetto& p) { return {p.percorso.begin(), p.percorso.end()}; }

cella fatta(std::uint8_t genere, std::int16_t dato1 = 0, std::int16_t dato2 = 0,
            std::int16_t dato3 = 0, std::int16_t dato4 = 0) {
  cella c;
  c.genere = genere;
  c.dato1 = dato1;
  c.dato2 = dato2;
  c.dato3 = dato3;
  c.dato4 = dato4;
  return c;
}

// ---- memo_montagna

TEST(MemoMontagna, TrattoDellaLineaConMarcatori) {
  Pacchetto p = pacchetto();
  p.percorso[1828].genere = kCartello;
  std::int32_t tipo = 11;
  memo_montagna(p, 91050, 93400, tipo);
  EXPECT_EQ(tipo, 1);
  EXPECT_EQ(p.numero_montagne, 1);
  EXPECT_EQ(p.montagne_inizio[1], 91050);
  EXPECT_EQ(p.montagne_fine[1], 93400);
  EXPECT_EQ(p.percorso[1820].montagna, 0);
  EXPECT_EQ(p.percorso[1868].montagna, 0);
  for (long c = 1821; c <= 1867; ++c) {
    EXPECT_EQ(p.percorso[c].montagna, 1) << c;
    const bool marcatore = (c - 1821 + 1) % 4 == 0;
    const std::uint8_t atteso = c == 1828 ? kCartello : marcatore ? kMarcaMontagna : kNessuno;
    EXPECT_EQ(p.percorso[c].genere, atteso) << c;
  }
  EXPECT_EQ(p.percorso[1864].genere, kMarcaMontagna);
  EXPECT_EQ(p.codice_errore, 0);
}

TEST(MemoMontagna, MarcatoriSoloConTipoOltreDieci) {
  for (std::int32_t tipo_dato : {12, 2}) {
    SCOPED_TRACE(tipo_dato);
    Pacchetto p = pacchetto();
    std::int32_t tipo = tipo_dato;
    memo_montagna(p, 1000, 1500, tipo);  // cells 20 to 29
    EXPECT_EQ(tipo, 2);
    for (long c = 19; c <= 30; ++c) {
      EXPECT_EQ(p.percorso[c].montagna, c >= 20 && c <= 29 ? 2 : 0) << c;
      const bool marcatore = tipo_dato == 12 && (c == 23 || c == 27);
      EXPECT_EQ(p.percorso[c].genere, marcatore ? kMarcaMontagna : kNessuno) << c;
    }
  }
}

TEST(MemoMontagna, TrattiVicinDiventanoTipoTre) {
  const struct {
    std::int32_t inizio;
    std::int32_t atteso;
  } casi[] = {{1650, 3}, {1651, 2}, {1400, 3}, {5000, 2}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.inizio);
    Pacchetto p = pacchetto();
    std::int32_t tipo = 1;
    memo_montagna(p, 1000, 1500, tipo);
    EXPECT_EQ(tipo, 1);  // the first stretch is never joined
    tipo = 12;
    memo_montagna(p, c.inizio, 8000, tipo);
    EXPECT_EQ(tipo, c.atteso);
    EXPECT_EQ(p.percorso[100].montagna, c.atteso);
    EXPECT_EQ(p.numero_montagne, 2);
  }
}

TEST(MemoMontagna, TipoStrettoInUnByteETrattoVuoto) {
  Pacchetto p = pacchetto();
  std::int32_t tipo = 300;
  memo_montagna(p, 1000, 1100, tipo);
  EXPECT_EQ(tipo, 290);
  EXPECT_EQ(p.percorso[20].montagna, 290 % 256);
  EXPECT_EQ(p.percorso[21].montagna, 290 % 256);

  // A stretch whose first cell lies beyond its last lays nothing but counts.
  Pacchetto q = pacchetto();
  const auto prima = celle(q);
  tipo = 1;
  memo_montagna(q, 1000, 1000, tipo);
  EXPECT_EQ(celle(q), prima);
  EXPECT_EQ(q.numero_montagne, 1);
}

TEST(MemoMontagna, OltreOttantaTrattiEOltreLUltimaCella) {
  Pacchetto p = pacchetto();
  for (int i = 0; i < 80; ++i) {
    std::int32_t tipo = 1;
    memo_montagna(p, 1000 * i, 1000 * i + 100, tipo);
  }
  std::int32_t tipo = 1;
  try {
    memo_montagna(p, 90000, 90100, tipo);
    FAIL();
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }

  Pacchetto q = pacchetto(100);
  EXPECT_THROW(memo_montagna(q, 4000, 6000, tipo), Guasto);
}

// ---- memo_rallentamento

TEST(MemoRallentamento, SenzaAvvisoFinoA1500) {
  Pacchetto p = pacchetto();
  memo_rallentamento(p, 1500, 40, 300, 7, 1, 0);
  EXPECT_EQ(p.codice_errore, 0);
  EXPECT_EQ(p.percorso[31], fatta(kInizioRallentamento, 40, 0, 7));
  EXPECT_EQ(p.percorso[37], fatta(kFineRallentamento, 40, 0, 7));
  for (long c = 0; c <= p.percorso.ultimo(); ++c) {
    if (c != 31 && c != 37) {
      EXPECT_EQ(p.percorso[c], cella{}) << c;
    }
  }
}

TEST(MemoRallentamento, AvvisoEPreavvisi) {
  for (std::int32_t d_v : {0, 9}) {
    SCOPED_TRACE(d_v);
    Pacchetto p = pacchetto();
    memo_rallentamento(p, 1550, 30, 250, 2, 1, d_v);
    EXPECT_EQ(p.codice_errore, 0);
    const std::int16_t d = static_cast<std::int16_t>(d_v);
    EXPECT_EQ(p.percorso[8], fatta(kAvvisoRallentamento, 30, d, 0, 0));
    EXPECT_EQ(p.percorso[32], fatta(kInizioRallentamento, 30, d, 2, 0));
    EXPECT_EQ(p.percorso[37], fatta(kFineRallentamento, 30, d, 2, 0));
    for (std::int16_t i = 1; i <= 4; ++i) {
      const std::int16_t d2 = d_v != 0 ? i : 0;
      EXPECT_EQ(p.percorso[8 - i], fatta(kPreavviso, i, d2, 0, 0)) << i;
    }
    EXPECT_EQ(p.percorso[3], cella{});
  }
}

TEST(MemoRallentamento, SenzaPreavvisiConFtaZero) {
  Pacchetto p = pacchetto();
  memo_rallentamento(p, 8350, 40, 300, 0, 0, 0);
  EXPECT_EQ(p.percorso[144].genere, kAvvisoRallentamento);
  EXPECT_EQ(p.percorso[168].genere, kInizioRallentamento);
  EXPECT_EQ(p.percorso[174].genere, kFineRallentamento);
  EXPECT_EQ(p.percorso[143], cella{});
}

TEST(MemoRallentamento, InizioEFineNellaStessaCella) {
  Pacchetto p = pacchetto();
  memo_rallentamento(p, 1000, 40, 10, 0, 0, 0);
  EXPECT_EQ(p.percorso[21].genere, kInizioRallentamento);
}

TEST(MemoRallentamento, CelleOccupate) {
  // x 8350, l 300: warning cell 144, start 168, end 174, pre-warnings 143..140.
  const struct {
    long occupata;
    std::int32_t codice;
  } casi[] = {{144, 17}, {168, 18}, {174, 19}, {143, 20}, {140, 20}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.occupata);
    Pacchetto p = pacchetto();
    p.percorso[c.occupata].genere = kSegnale;
    const auto prima = celle(p);
    memo_rallentamento(p, 8350, 40, 300, 0, 1, 0);
    EXPECT_EQ(p.codice_errore, c.codice);
    if (c.codice != 20) {
      EXPECT_EQ(celle(p), prima);
    } else {
      EXPECT_EQ(p.percorso[144].genere, kAvvisoRallentamento);
      EXPECT_EQ(p.percorso[168].genere, kInizioRallentamento);
      EXPECT_EQ(p.percorso[174].genere, kFineRallentamento);
      for (long k = 140; k <= 143; ++k) {
        if (k != c.occupata) {
          EXPECT_EQ(p.percorso[k], cella{}) << k;
        }
      }
    }
  }
  // The warning cell is tested first.
  Pacchetto p = pacchetto();
  p.percorso[144].genere = kSegnale;
  p.percorso[168].genere = kSegnale;
  memo_rallentamento(p, 8350, 40, 300, 0, 1, 0);
  EXPECT_EQ(p.codice_errore, 17);
}

TEST(MemoRallentamento, NessunAvvisoDavantiAllOrigine) {
  // Whatever occupies the cells before it, a slow-down at 1500 m or earlier
  // is never refused for its warning board or pre-warnings.
  Pacchetto p = pacchetto();
  for (long c = 0; c <= 30; ++c) p.percorso[c].genere = kSegnale;
  memo_rallentamento(p, 1500, 40, 300, 0, 1, 0);
  EXPECT_EQ(p.codice_errore, 0);
}

TEST(MemoRallentamento, SuUnMarcatoreDiMontagna) {
  Pacchetto p = pacchetto();
  p.percorso[168].genere = kMarcaMontagna;
  p.percorso[168].montagna = 1;
  memo_rallentamento(p, 8350, 40, 300, 0, 0, 0);
  EXPECT_EQ(p.percorso[168].genere, kInizioRallentamento);
  EXPECT_EQ(p.percorso[168].montagna, 1);
}

// ---- memo_segnale

TEST(MemoSegnale, SegnaleEMarcheDiAvvicinamento) {
  Pacchetto p = pacchetto();
  std::int32_t tempo = 0;
  memo_segnale(p, 30400, 1, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
  EXPECT_EQ(p.codice_errore, 0);
  EXPECT_EQ(p.percorso[609], fatta(kSegnale, 40, 10, 0, 3));
  const long marche[] = {607, 605, 603, 601};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(p.percorso[marche[k]].avvicinamento, 31 + k);
  EXPECT_EQ(p.percorso[608].avvicinamento, 0);
  EXPECT_EQ(p.percorso[599].avvicinamento, 0);
}

TEST(MemoSegnale, ValoriImpacchettati) {
  Pacchetto p = pacchetto();
  std::int32_t tempo = 0;
  memo_segnale(p, 100900, 2, 2, 3, 1, 0, 2, 2, 1, 1, tempo);
  EXPECT_EQ(p.percorso[2019], fatta(kSegnale, 22, 31, 11, 8));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(p.percorso[2019 - 2 * k].avvicinamento, 80 + k);

  // Packed values keep their low 16 bits.
  memo_segnale(p, 50000, 1, 7000, 0, 0, 0, 0, 0, 0, 0, tempo);
  EXPECT_EQ(p.percorso[1001].dato1, 4464);
}

TEST(MemoSegnale, Tempo) {
  const struct {
    std::int32_t sx;
    std::int32_t tempo;
    std::int32_t variabile;
    std::uint8_t campo;
  } casi[] = {
      {2, 50, 101, 101},  {2, 1, 101, 101}, {2, 100, 101, 101}, {2, 0, 0, 0},    {2, 120, 120, 120},
      {2, 101, 101, 101}, {2, -5, -5, 251}, {2, 300, 300, 44},  {1, 50, 101, 0}, {1, 120, 120, 0},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.sx << " " << c.tempo);
    Pacchetto p = pacchetto();
    std::int32_t tempo = c.tempo;
    memo_segnale(p, 30400, c.sx, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
    EXPECT_EQ(tempo, c.variabile);
    EXPECT_EQ(p.percorso[609].tempo, c.campo);
  }
}

TEST(MemoSegnale, CellaOccupataEMarcatore) {
  Pacchetto p = pacchetto();
  p.percorso[609].genere = kFermata;
  const auto prima = celle(p);
  std::int32_t tempo = 50;
  memo_segnale(p, 30400, 2, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
  EXPECT_EQ(p.codice_errore, 16);
  EXPECT_EQ(celle(p), prima);
  EXPECT_EQ(tempo, 50);

  Pacchetto q = pacchetto();
  q.percorso[609].genere = kMarcaMontagna;
  q.percorso[605].genere = kFermata;  // approach marks go onto any cell
  memo_segnale(q, 30400, 1, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
  EXPECT_EQ(q.codice_errore, 0);
  EXPECT_EQ(q.percorso[609].genere, kSegnale);
  EXPECT_EQ(q.percorso[605].genere, kFermata);
  EXPECT_EQ(q.percorso[605].avvicinamento, 32);
}

TEST(MemoSegnale, MarchePrimaDellaCellaZero) {
  Pacchetto p = pacchetto();
  std::int32_t tempo = 0;
  EXPECT_NO_THROW(memo_segnale(p, 350, 1, 4, 1, 0, 0, 0, 0, 0, 0, tempo));  // cell 8: marks to 0
  try {
    memo_segnale(p, 300, 1, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
    FAIL();
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }
}

// ---- memo_indicatori_v_max

TEST(MemoIndicatoriVMax, Tabellone) {
  Pacchetto p = pacchetto();
  memo_indicatori_v_max(p, 700, 90, 110, 110, 0, 0, 0, 0, 0);
  EXPECT_EQ(p.codice_errore, 0);
  EXPECT_EQ(p.percorso[15], fatta(kIndicatoreVmax, 1800, 2200, 2200, 0));

  memo_indicatori_v_max(p, 5000, 90, 60, 135, 3, 60, 7, 13, 4);
  EXPECT_EQ(p.percorso[101], fatta(kIndicatoreVmax, 1812, 1201, 2703, 34));
}

TEST(MemoIndicatoriVMax, CellaOccupataEOverflow) {
  Pacchetto p = pacchetto();
  p.percorso[15].genere = kCartello;
  const auto prima = celle(p);
  memo_indicatori_v_max(p, 700, 90, 110, 110, 0, 0, 0, 0, 0);
  EXPECT_EQ(p.codice_errore, 21);
  EXPECT_EQ(celle(p), prima);

  Pacchetto q = pacchetto();
  try {
    memo_indicatori_v_max(q, 700, 1700, 110, 110, 0, 0, 0, 0, 0);  // 34000
    FAIL();
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 6);
  }
}

}  // namespace
}  // namespace progetto1
