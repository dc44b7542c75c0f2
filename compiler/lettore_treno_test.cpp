#include <gtest/gtest.h>

#include <string>

#include "compiler/prova/testi_compilati.h"

namespace progetto1 {
namespace {

using prova::Esito;
using prova::generale;
using prova::piu;
using prova::Righe;

// A line of 100000 m: cells 0 to 2140.
constexpr long kCelle = 2140;
const Righe kLinea = piu(generale(100000), {"[fine]"});

Righe treno(const Righe& righe) { return piu(piu({"[generale]"}, righe), {"[fine]"}); }

std::string stazione_riga(long pos, int categoria, long marciapiede, int marca4 = 0, int marca3 = 0,
                          const std::string& nome = "X") {
  return "stazione, " + std::to_string(pos) + ", " + std::to_string(categoria) + ", " +
         std::to_string(marciapiede) + ", 0, " + std::to_string(marca4) + ", " +
         std::to_string(marca3) + ", 0,0,0, 0,0,0, 0, 0,0,0, " + nome;
}

TEST(LettoreTreno, ValoriGenerali) {
  const Righe t = {
      "sabbia, 999",  // before the heading: ignored
      "[GENERALE]",
      "NUMERO VETTURE,    14",
      "percentuale massa frenata,    125",
      "Sabbia,    300",
      "orologio,    2               49            40 ",
      "[fine]",
  };
  Esito e;
  prova::compila(e, &kLinea, &t);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore1, 125);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore2, 100000);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore3, 14);
  const stazione& s = e.p.stazioni[kSlotTreno];
  EXPECT_EQ(s.intero1, 300);
  EXPECT_EQ(s.intero3, 2);
  EXPECT_EQ(s.intero4, 49);
  EXPECT_EQ(s.intero5, 40);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_FALSE(e.resta_treno());
}

TEST(LettoreTreno, SenzaTitoloGenerale) {
  const Righe t = {"numero vetture, 14", "velocita, 0, 30", "velocita, 700, 60", "[fine]"};
  Esito e;
  prova::compila(e, &kLinea, &t);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore3, 0);
  EXPECT_EQ(e.p.percorso[5].vel_limite, 0);
  EXPECT_FALSE(e.resta_treno());
}

TEST(LettoreTreno, VelocitaEAderenza) {
  const Righe t =
      treno({"aderenza,       0,    70", "velocita,   0,    30", "velocita,     700,   110",
             "velocita,    2150,   130", "velocita,   60850,   135"});
  Esito e;
  prova::compila(e, &kLinea, &t);
  EXPECT_EQ(e.p.codice_errore, 0);
  for (long c = 0; c <= kCelle; ++c) {
    std::uint8_t v = 0;
    if (c <= 13)
      v = 6;
    else if (c <= 42)
      v = 22;
    else if (c <= 1216)
      v = 26;
    else if (c <= kCelle - 3)
      v = 27;
    EXPECT_EQ(e.p.percorso[c].vel_limite, v) << c;
    EXPECT_EQ(e.p.percorso[c].aderenza, c <= kCelle - 3 ? 70 : 0) << c;
  }
}

TEST(LettoreTreno, VelocitaTroppoAlta) {
  const struct {
    int velocita;
    std::int32_t codice;
    std::uint8_t campo;
  } casi[] = {{1275, 0, 255}, {1277, 0, 255}, {1278, 25, 0}, {1280, 25, 0}, {-5, 25, 0}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.velocita);
    const Righe t = treno({"velocita, 0, " + std::to_string(c.velocita)});
    Esito e;
    prova::compila(e, &kLinea, &t);
    EXPECT_EQ(e.p.codice_errore, c.codice);
    EXPECT_EQ(e.p.percorso[0].vel_limite, c.campo);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_FALSE(e.resta_treno());
    if (c.codice == 25) {
      EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
    }
  }
}

TEST(LettoreTreno, SegnaliERallentamenti) {
  const Righe t = treno({"[rallentamenti]", "rallentamento,    8350,    40,  300, 0,  1,  0",
                         "[segnali]", "segnale,   30400,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
                         "segnale,   34550,   2, 2, 3,  1, 0,    0,  0,0,0, 120"});
  Esito e;
  prova::compila(e, &kLinea, &t);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.percorso[144].genere, kAvvisoRallentamento);
  EXPECT_EQ(e.p.percorso[168].genere, kInizioRallentamento);
  EXPECT_EQ(e.p.percorso[174].genere, kFineRallentamento);
  EXPECT_EQ(e.p.percorso[140].genere, kPreavviso);
  EXPECT_EQ(e.p.percorso[609].genere, kSegnale);
  EXPECT_EQ(e.p.percorso[609].dato4, 3);
  EXPECT_EQ(e.p.percorso[601].avvicinamento, 34);
  EXPECT_EQ(e.p.percorso[692].tempo, 120);
  EXPECT_EQ(e.p.percorso[692].dato1, 20);
  EXPECT_EQ(e.p.percorso[692].dato4, 6);
}

TEST(LettoreTreno, CelleGiaOccupate) {
  const struct {
    const char* nome;
    Righe righe;
    std::int32_t codice;
    std::int32_t posizione;
    long riga;
  } casi[] = {
      {"segnale su segnale",
       {"velocita, 0, 30", "segnale, 30400, 1, 4, 1, 0, 0, 0, 0,0,0, 0",
        "segnale, 30410, 1, 4, 1, 0, 0, 0, 0,0,0, 0"},
       16,
       30410,
       4},
      {"rallentamento sul segnale",
       {"velocita, 0, 30", "segnale, 8350, 1, 4, 1, 0, 0, 0, 0,0,0, 0",
        "rallentamento, 8350, 40, 300, 0, 1, 0"},
       18,
       8350,
       4},
      {"abbattimento sul segnale",
       {"velocita, 0, 30", "segnale, 1000, 1, 4, 1, 0, 0, 0, 0,0,0, 0", "abbattimento, 1050, 3"},
       7,
       1050,
       4},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const Righe t = treno(c.righe);
    Esito e;
    prova::compila(e, &kLinea, &t);
    EXPECT_EQ(e.p.codice_errore, c.codice);
    EXPECT_EQ(e.p.posizione_errore, c.posizione);
    EXPECT_FALSE(e.resta_treno());
    EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
    EXPECT_EQ(e.traccia.luogo.riga, c.riga);
    EXPECT_EQ(e.traccia.testo_riga, c.righe[2]);
    EXPECT_EQ(e.p.percorso[5].vel_limite, 0);  // the end steps did not run
  }
}

TEST(LettoreTreno, Abbattimenti) {
  const Righe t = treno({"abbattimento, 1000, 3", "abbattimento, 2000, 0", "abbattimento, 3000, -4",
                         "abbattimento, 0, 70000"});
  Esito e;
  prova::compila(e, &kLinea, &t);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.percorso[20].genere, kPuntoCodice);
  EXPECT_EQ(e.p.percorso[20].dato1, 3);
  EXPECT_EQ(e.p.percorso[21].genere, kNessuno);
  EXPECT_EQ(e.p.percorso[40].genere, kAbbattimento);
  EXPECT_EQ(e.p.percorso[60].genere, kAbbattimento);
  EXPECT_EQ(e.p.percorso[0].genere, kPuntoCodice);
  EXPECT_EQ(e.p.percorso[0].dato1, 4464);

  const Righe prima = treno({"abbattimento, -100, 3"});
  Esito f;
  prova::compila(f, &kLinea, &prima);
  EXPECT_EQ(f.p.codice_errore, 25);
}

TEST(LettoreTreno, Stazioni) {
  const Righe t = treno({
      "stazione,       0,  4,  900,  1, 0, 0,  4,1,0,  2,1,1,    1,   2,50, 0, PRIMA",
      stazione_riga(3250, 27, 300, 0, 0, "SECONDA"),
      stazione_riga(76300, 24, 400, 1, 1, "TERZA"),
      stazione_riga(80000, 5, 200, 0, 1, "QUARTA"),
      stazione_riga(85000, 7, 300, 1, 0, "QUINTA"),
      stazione_riga(90000, 12, 600, 1, 0, "SESTA"),
      stazione_riga(95000, 26, 700, 0, 0, "SETTIMA, ALTRO"),
  });
  Esito e;
  prova::compila(e, &kLinea, &t);
  ASSERT_EQ(e.p.codice_errore, 0);
  const auto& s = e.p.stazioni;

  EXPECT_EQ(s[1].valore3, 0);
  EXPECT_EQ(s[1].codice, 4);
  EXPECT_EQ(s[1].valore1, -450);
  EXPECT_EQ(s[1].valore2, 450);
  EXPECT_EQ(s[1].selettore, 1);
  EXPECT_EQ(s[1].marca4, 0);
  EXPECT_EQ(s[1].marca3, 0);
  EXPECT_EQ(s[1].intero1, 4);
  EXPECT_EQ(s[1].intero2, 1);
  EXPECT_EQ(s[1].marca1, 0);
  EXPECT_EQ(s[1].intero3, 2);
  EXPECT_EQ(s[1].intero4, 1);
  EXPECT_EQ(s[1].intero5, 1);
  EXPECT_EQ(s[1].marca2, 1);
  EXPECT_EQ(s[1].valore4, 10200);
  EXPECT_EQ(s[1].testo, "PRIMA");
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(e.p.percorso[8 - k].avvicinamento, 80 + k);
  EXPECT_EQ(e.p.percorso[8].genere, kFermata);
  EXPECT_EQ(e.p.percorso[8].dato1, 1);

  EXPECT_EQ(s[2].valore1, 3100);
  EXPECT_EQ(s[2].valore2, 3400);
  EXPECT_EQ(e.p.percorso[67].genere, kNessuno);
  EXPECT_EQ(e.p.percorso[66].avvicinamento, 0);

  EXPECT_EQ(s[3].valore1, 76100);
  EXPECT_EQ(s[3].valore2, 76550);
  EXPECT_EQ(s[3].marca3, 1);
  EXPECT_EQ(s[3].marca4, 0);  // platform below 600 m
  EXPECT_EQ(e.p.percorso[1530].genere, kFermata);
  EXPECT_EQ(e.p.percorso[1530].dato1, 3);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(e.p.percorso[1530 - k].avvicinamento, 80 + k);

  EXPECT_EQ(s[4].valore1, 79800);
  EXPECT_EQ(s[4].valore2, 80150);
  EXPECT_EQ(s[4].marca3, 0);
  EXPECT_EQ(e.p.percorso[1602].genere, kFermata);
  EXPECT_EQ(e.p.percorso[1601].avvicinamento, 0);

  EXPECT_EQ(s[5].valore1, 84700);
  EXPECT_EQ(s[5].valore2, 85300);
  EXPECT_EQ(e.p.percorso[1705].genere, kFermata);
  EXPECT_EQ(e.p.percorso[1704].avvicinamento, 81);

  EXPECT_EQ(s[6].valore1, 89700);
  EXPECT_EQ(s[6].valore2, 90300);
  EXPECT_EQ(s[6].marca4, 1);

  EXPECT_EQ(s[7].valore1, 94650);
  EXPECT_EQ(s[7].valore2, 95350);
  EXPECT_EQ(s[7].testo, "SETTIMA");
  EXPECT_EQ(e.p.percorso[1906].genere, kNessuno);
  EXPECT_EQ(e.p.percorso[1905].avvicinamento, 0);
  EXPECT_EQ(s[8], stazione{});
}

TEST(LettoreTreno, StazioniRifiutate) {
  const std::string prima = stazione_riga(0, 4, 900);
  const struct {
    const char* nome;
    Righe righe;
    std::int32_t codice;
    std::int32_t posizione;  // 77: not written
  } casi[] = {
      {"posizione fuori passo", {prima, stazione_riga(3260, 27, 300)}, 8, 3260},
      {"marciapiede fuori passo", {prima, stazione_riga(3250, 27, 250)}, 9, 3250},
      {"zone troppo vicine", {prima, stazione_riga(850, 27, 300)}, 22, 850},
      {"zone vicine il giusto", {prima, stazione_riga(950, 27, 300)}, 0, 77},
      {"fermata sulla cella 1", {stazione_riga(0, 4, 100)}, 24, 77},
      {"fermata sulla cella 2", {stazione_riga(0, 4, 300)}, 0, 77},
      {"zona fino a 100 m", {stazione_riga(0, 4, 200)}, 24, 77},
      {"ultima posizione ammessa", {stazione_riga(50 * kCelle - 800, 4, 200)}, 0, 77},
      {"oltre il percorso", {stazione_riga(50 * kCelle - 750, 4, 200)}, 15, 50 * kCelle - 750},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const Righe t = treno(c.righe);
    Esito e;
    e.p.posizione_errore = 77;
    prova::compila(e, &kLinea, &t);
    EXPECT_EQ(e.p.codice_errore, c.codice);
    EXPECT_EQ(e.p.posizione_errore, c.posizione);
    EXPECT_FALSE(e.resta_treno());
    if (c.codice != 0) {
      EXPECT_EQ(e.traccia.luogo.riga, static_cast<long>(c.righe.size()) + 1);
      EXPECT_EQ(e.traccia.testo_riga, c.righe.back());
    }
  }
}

TEST(LettoreTreno, StazioniECartelliNellaTabella) {
  const auto linea_con = [](int cartelli) {
    Righe r = generale(100000);
    for (int i = 0; i < cartelli; ++i) {
      r.push_back("cartello_indicatore, " + std::to_string(100 * (i + 1)) + ", (S)");
    }
    r.push_back("[fine]");
    return r;
  };
  const Righe t = treno({stazione_riga(10000, 27, 200), stazione_riga(20000, 27, 200),
                         stazione_riga(30000, 27, 200)});

  // 76 signs leave slots 1 to 3: the third station fills slot 3 and is refused.
  const Righe l76 = linea_con(76);
  Esito e;
  prova::compila(e, &l76, &t);
  EXPECT_EQ(e.p.codice_errore, 10);
  EXPECT_EQ(e.p.stazioni[3].valore3, 30000);
  EXPECT_EQ(e.p.stazioni[4], stazione{});
  EXPECT_EQ(e.p.stazioni[5].testo, "(S)");
  EXPECT_EQ(e.traccia.luogo.riga, 4);

  // 79 signs: the first station still takes the free slot 1.
  const Righe l79 = linea_con(79);
  Esito f;
  prova::compila(f, &l79, &t);
  EXPECT_EQ(f.p.codice_errore, 10);
  EXPECT_EQ(f.p.stazioni[1].valore3, 10000);
  EXPECT_EQ(f.p.stazioni[2].testo, "(S)");

  // 80 signs: slot 1 holds a sign, which no station overwrites.
  const Righe l80 = linea_con(80);
  Esito g;
  prova::compila(g, &l80, &t);
  EXPECT_EQ(g.p.codice_errore, 10);
  EXPECT_EQ(g.p.stazioni[1].testo, "(S)");
  EXPECT_EQ(g.p.stazioni[1].valore3, 0);
  EXPECT_FALSE(g.resta_treno());
}

TEST(LettoreTreno, Trattini) {
  const Righe due = treno({"-", "-", "sabbia-x, 300"});
  const Righe tre = treno({"-", "-", "-", "sabbia-x, 300"});
  Esito e2;
  prova::compila(e2, &kLinea, &due);
  EXPECT_EQ(e2.p.stazioni[kSlotTreno].intero1, 300);
  Esito e3;
  prova::compila(e3, &kLinea, &tre);
  EXPECT_EQ(e3.p.stazioni[kSlotTreno].intero1, 0);
  EXPECT_EQ(e3.p.codice_errore, 0);
}

TEST(LettoreTreno, TestoMancante) {
  Esito e;
  prova::compila(e, &kLinea, nullptr);
  EXPECT_EQ(e.p.codice_errore, 25);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
  EXPECT_EQ(e.traccia.luogo.riga, 0);
  EXPECT_EQ(e.traccia.testo_riga, "");
}

TEST(LettoreTreno, GuastiDiLettura) {
  const struct {
    const char* nome;
    Righe righe;
    long riga;
  } casi[] = {
      {"sabbia oltre l'Integer", {"sabbia, 40000"}, 2},
      {"categoria oltre il Byte", {stazione_riga(0, 300, 900)}, 2},
      {"marche prima della cella 0", {"segnale, 300, 1, 4, 1, 0, 0, 0, 0,0,0, 0"}, 2},
      {"numero mancante", {"orologio, 2, 49", "x"}, 3},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const Righe t = treno(c.righe);
    Esito e;
    prova::compila(e, &kLinea, &t);
    EXPECT_EQ(e.p.codice_errore, 25);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_FALSE(e.resta_treno());
    EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
    EXPECT_EQ(e.traccia.luogo.riga, c.riga);
  }
}

TEST(LettoreTreno, ProgressiveFuoriPasso) {
  Righe linea = generale(100000);
  linea[2] = "progressiva chilometrica uno,    25,    100800,    1";
  linea.push_back("pendenza, 200000, 0");  // 15 first, then replaced by 2
  linea.push_back("[fine]");
  const Righe t = treno({"numero vetture, 14"});
  Esito e;
  prova::compila(e, &linea, &t);
  EXPECT_EQ(e.p.codice_errore, 2);
  EXPECT_EQ(e.p.posizione_errore, 200000);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore3, 14);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_FALSE(e.resta_treno());
  EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kLinea);
  EXPECT_EQ(e.traccia.luogo.riga, 0);
}

}  // namespace
}  // namespace progetto1
