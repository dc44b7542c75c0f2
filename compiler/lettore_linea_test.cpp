#include <gtest/gtest.h>

#include <string>

#include "compiler/prova/testi_compilati.h"

namespace progetto1 {
namespace {

using prova::Esito;
using prova::generale;
using prova::piu;
using prova::Righe;

const Righe kTreno = prova::treno_minimo();

// A line of 10000 m: cells 0 to 340, plan points 0 to 17000.
constexpr long kCelle = 340;

TEST(LettoreLinea, SezioneGenerale) {
  const Righe linea = {
      "[generale]",
      "lunghezza percorso,    104300",
      "progressiva chilometrica uno,    0,    100800,    1",
      "progressiva chilometrica due,    100800,    190300,    1",
      "progressiva chilometrica tre,    0,    0,    0",
      "sfondo uno,    1",
      "sfondo due,    2",
      "sfondo tre,    3",
      "ripetizione segnali 9 codici,    100    ,200",
      "[curve]",
      "[fine]",
  };
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore2, 104300);
  EXPECT_EQ(e.p.lunghezza_estesa, 111300);
  EXPECT_EQ(e.p.numero_celle, 2226);
  EXPECT_EQ(e.p.percorso.ultimo(), 2226);
  EXPECT_EQ(e.p.tabella_linea.ultimo(), 111300);
  const stazione& linea85 = e.p.stazioni[kSlotLinea];
  EXPECT_EQ(linea85.testo, "Corsanta");
  EXPECT_EQ(linea85.valore1, 1);  // sfondo uno
  EXPECT_EQ(linea85.valore2, 3);  // sfondo tre
  EXPECT_EQ(linea85.valore3, 2);  // sfondo due
  const stazione& treno86 = e.p.stazioni[kSlotTreno];
  EXPECT_EQ(treno86.testo, "7402");
  EXPECT_EQ(treno86.valore1, 100);
  EXPECT_EQ(treno86.valore2, 200);
  EXPECT_EQ(treno86.valore3, 9);
  EXPECT_EQ(e.p.stazioni[81].valore1, 100800);
  EXPECT_EQ(e.p.stazioni[81].valore2, 190400);
  EXPECT_EQ(e.p.stazioni[82].valore2, 100900);
  EXPECT_EQ(e.p.stazioni[83].valore2, 0);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_FALSE(e.resta_treno());
}

TEST(LettoreLinea, RipetizioneSegnali) {
  const struct {
    const char* riga;
    std::int32_t codice;
    std::int32_t codici;  // valore3 of slot 86
  } casi[] = {
      {"ripetizione segnali 4 codici,    0    ,0", 0, 0},
      {"ripetizione segnali 4 codici,  50, 100", 0, 4},
      {"ripetizione segnali 9 codici,  50, 100", 0, 9},
      {"ripetizione segnali 4 o 9 codici,  50, 100", 0, 4},
      {"ripetizione segnali 4 codici,  25, 100", 3, 0},
      {"ripetizione segnali 4 codici,  50, 75", 4, 0},
      {"ripetizione segnali codici,  50, 100", 5, 0},
      {"Ripetizione segnali codici,  50, 100", 0, 0},  // lower case only
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.riga);
    const Righe linea = {"[generale]", "lunghezza percorso, 10000", c.riga, "[curve]", "[fine]"};
    Esito e;
    prova::compila(e, &linea, &kTreno);
    EXPECT_EQ(e.p.codice_errore, c.codice);
    EXPECT_EQ(e.p.stazioni[kSlotTreno].valore3, c.codici);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_EQ(e.resta_treno(), c.codice != 0);  // the train reader did not run
    if (c.codice != 0) {
      EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kLinea);
      EXPECT_EQ(e.traccia.luogo.riga, 3);
      EXPECT_EQ(e.traccia.testo_riga, c.riga);
    }
  }
}

TEST(LettoreLinea, MaiuscoleEMinuscoleNellaSezioneGenerale) {
  const Righe linea = {
      "[GENERALE]",
      "LUNGHEZZA PERCORSO, 10000",
      "Progressiva chilometrica uno, 100, 5000, 1",
      "progressiva chilometrica Due, 200, 5000, 1",
      "Sfondo uno, 7",
      "sfondo Tre, 7",
      "sfondo due, 8",
      "[curve]",
      "[fine]",
  };
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.numero_celle, kCelle);
  for (long s = 81; s <= 83; ++s) EXPECT_EQ(e.p.stazioni[s].valore2, 0) << s;
  EXPECT_EQ(e.p.stazioni[kSlotLinea].valore1, 0);
  EXPECT_EQ(e.p.stazioni[kSlotLinea].valore2, 0);
  EXPECT_EQ(e.p.stazioni[kSlotLinea].valore3, 8);
}

TEST(LettoreLinea, UnTitoloChiudeLaSezioneGenerale) {
  const Righe linea = {
      "ignorato, sfondo uno, 9",
      "[generale]",
      "lunghezza percorso, 10000",
      "[curve]",
      "sfondo uno, 5",
      "lunghezza percorso, 20000",
      "[fine]",
  };
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.stazioni[kSlotLinea].valore1, 0);
  EXPECT_EQ(e.p.numero_celle, kCelle);
}

TEST(LettoreLinea, UnaSecondaLunghezzaRifaIlPercorso) {
  const Righe linea = {"[generale]", "lunghezza percorso, 10000", "lunghezza percorso, 20000",
                       "[curve]", "[fine]"};
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.numero_celle, 540);
  EXPECT_EQ(e.p.percorso.ultimo(), 540);
  EXPECT_EQ(e.p.tabella_linea.ultimo(), 27000);
}

TEST(LettoreLinea, TrattiniNellaSezioneGenerale) {
  // Ten fields with a hyphen in a row are passed over, the eleventh is tested.
  Righe dieci = {"[generale]", "lunghezza percorso, 10000"};
  for (int i = 0; i < 10; ++i) dieci.push_back("-");
  Righe undici = dieci;
  undici.push_back("-");
  for (Righe* r : {&dieci, &undici}) r->insert(r->end(), {"sfondo uno -, 7", "[curve]", "[fine]"});

  Esito e10;
  prova::compila(e10, &dieci, &kTreno);
  EXPECT_EQ(e10.p.codice_errore, 0);
  EXPECT_EQ(e10.p.stazioni[kSlotLinea].valore1, 7);
  Esito e11;
  prova::compila(e11, &undici, &kTreno);
  EXPECT_EQ(e11.p.codice_errore, 0);
  EXPECT_EQ(e11.p.stazioni[kSlotLinea].valore1, 0);

  // A heading that begins with a hyphen does not end the section.
  Righe titolo = {"[generale]", "lunghezza percorso, 10000"};
  for (int i = 0; i < 10; ++i) titolo.push_back("-");
  titolo.insert(titolo.end(), {"-[x]", "sfondo uno, 4", "[curve]", "[fine]"});
  Esito et;
  prova::compila(et, &titolo, &kTreno);
  EXPECT_EQ(et.p.codice_errore, 0);
  EXPECT_EQ(et.p.stazioni[kSlotLinea].valore1, 4);
}

TEST(LettoreLinea, TrattiniNelleSezioniDellaLinea) {
  // Two fields with a hyphen are passed over; of three, the third is tested.
  const Righe due = piu(generale(), {"-", "-", "cartello_indicatore-x, 650, (A)", "[fine]"});
  const Righe tre = piu(generale(), {"-", "-", "-", "cartello_indicatore-x, 650, (A)", "[fine]"});
  Esito e2;
  prova::compila(e2, &due, &kTreno);
  EXPECT_EQ(e2.p.percorso[14].genere, kCartello);
  Esito e3;
  prova::compila(e3, &tre, &kTreno);
  EXPECT_EQ(e3.p.percorso[14].genere, kNessuno);
  EXPECT_EQ(e3.p.codice_errore, 0);
}

TEST(LettoreLinea, TestoMancante) {
  Esito e;
  prova::compila(e, nullptr, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 101);
  EXPECT_TRUE(e.resta_treno());
  EXPECT_TRUE(e.p.percorso.vuoto());
  EXPECT_EQ(e.p.stazioni[kSlotLinea].testo, "Corsanta");
  EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kLinea);
  EXPECT_EQ(e.traccia.luogo.riga, 0);
}

TEST(LettoreLinea, SenzaSezioneGenerale) {
  const Righe senza = {"lunghezza percorso, 10000", "[curve]", "[fine]"};
  const Righe in_fondo = {"lunghezza percorso, 10000", "[generale]"};
  const Righe vuoto = {};
  for (const Righe* linea : {&senza, &in_fondo, &vuoto}) {
    Esito e;
    prova::compila(e, linea, &kTreno);
    EXPECT_EQ(e.p.codice_errore, 102);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_TRUE(e.resta_treno());
    EXPECT_EQ(e.traccia.luogo.riga, static_cast<long>(linea->size()));
    EXPECT_EQ(e.traccia.testo_riga, linea->empty() ? "" : linea->back());
  }
}

TEST(LettoreLinea, LunghezzaMassima) {
  const Righe troppo = {"[generale]", "lunghezza percorso, 1000001", "[curve]", "[fine]"};
  Esito e;
  prova::compila(e, &troppo, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 1);
  EXPECT_TRUE(e.p.percorso.vuoto());
  EXPECT_FALSE(e.resta_linea());
  EXPECT_TRUE(e.resta_treno());
  EXPECT_EQ(e.traccia.luogo.riga, 2);

  // Without the plan, the longest line reads to the end.
  const Righe massima = {"[generale]", "lunghezza percorso, 1000000", "[curve]", "[fine]"};
  Esito m;
  prova::compila(m, &massima, &kTreno, 0);
  EXPECT_EQ(m.p.codice_errore, 0);
  EXPECT_EQ(m.p.numero_celle, 20140);
  EXPECT_FALSE(m.p.tabella_linea.esiste());
}

TEST(LettoreLinea, PianoFinoAlMilionesimoMetro) {
  // 993000 m: points up to 999998 are computed. Two metres more pass the
  // limit of the plan: code 103, and the train text is not read.
  const Righe giusta = piu(generale(993000), {"[fine]"});
  Esito e;
  prova::compila(e, &giusta, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.tabella_linea.valore(999998, 1), 999998);
  EXPECT_EQ(e.p.tabella_linea.tipo(999999, 1), TipoValore::kVuoto);

  const Righe oltre = piu(generale(993002), {"[fine]"});
  Esito o;
  prova::compila(o, &oltre, &kTreno);
  EXPECT_EQ(o.p.codice_errore, 103);
  EXPECT_FALSE(o.resta_linea());
  EXPECT_TRUE(o.resta_treno());
  EXPECT_EQ(o.p.stazioni[kSlotGenerali].valore3, 0);
}

TEST(LettoreLinea, Pendenze) {
  const Righe linea = piu(generale(), {"[pendenze]", "pendenza,   0,    0", "pendenza,  700,   4",
                                       "pendenza,  800,   9", "pendenza,  1000,   -9", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  for (long c = 0; c <= kCelle; ++c) {
    std::uint8_t atteso = 91;
    if (c <= 13)
      atteso = 100;
    else if (c <= 15)
      atteso = 104;
    else if (c <= 19)
      atteso = 109;
    if (c > kCelle - 3) atteso = 0;
    EXPECT_EQ(e.p.percorso[c].pendenza, atteso) << c;
  }
}

TEST(LettoreLinea, PendenzaNonOltreLaCellaGiaRiempita) {
  // A gradient line whose cell does not lie beyond the fill still fills one.
  const Righe linea = piu(generale(), {"pendenza, 700, 4", "pendenza, 100, 6", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.percorso[13].pendenza, 100);
  EXPECT_EQ(e.p.percorso[14].pendenza, 104);
  EXPECT_EQ(e.p.percorso[15].pendenza, 106);
}

TEST(LettoreLinea, Curve) {
  const Righe linea = piu(generale(), {"curvad5,  650,  600", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  ASSERT_EQ(e.p.codice_errore, 0);
  const TabellaLinea& t = e.p.tabella_linea;
  EXPECT_EQ(t.tipo(0, 0), TipoValore::kIntero);
  EXPECT_EQ(t.tipo(1, 1), TipoValore::kIntero);
  EXPECT_EQ(t.valore(1, 1), 1);
  EXPECT_EQ(t.valore(650, 0), 0);
  EXPECT_EQ(t.valore(650, 1), 650);
  EXPECT_NEAR(t.valore(1250, 0), 319.536, 0.0005);
  EXPECT_NEAR(t.valore(1250, 1), 1115.942, 0.0005);
  EXPECT_EQ(t.tipo(16998, 0), TipoValore::kDoppio);
  EXPECT_EQ(t.tipo(16999, 0), TipoValore::kVuoto);
  EXPECT_EQ(t.tipo(17000, 1), TipoValore::kVuoto);
  // The final straight keeps the heading of the curve's end.
  const double dx = t.valore(1250, 0) - t.valore(1249, 0);
  EXPECT_NEAR(t.valore(16998, 0), t.valore(1250, 0) + (16998 - 1250) * dx, 1e-6);
}

TEST(LettoreLinea, GradoELatoDellaCurva) {
  const struct {
    const char* chiave;
    double x2;  // x of point 2 for a curve starting at 1
  } casi[] = {
      {"curvad1", 0.0001},  {"curvad2", 0.0002},  {"curvad3", 0.0004}, {"curvad4", 0.001},
      {"curvad5", 0.002},   {"curvad6", 0.003},   {"curvas5", -0.002}, {"CURVAS5", -0.002},
      {"curvad15", 0.0001}, {"curvad42", 0.0002},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.chiave);
    const Righe linea = piu(generale(), {std::string(c.chiave) + ", 1, 1", "[fine]"});
    Esito e;
    prova::compila(e, &linea, &kTreno);
    EXPECT_EQ(e.p.codice_errore, 0);
    EXPECT_EQ(e.p.tabella_linea.valore(2, 0), c.x2);
    EXPECT_EQ(e.p.tabella_linea.valore(2, 1), 2);
  }
}

TEST(LettoreLinea, CurvaSenzaGrado) {
  for (const char* chiave : {"curvad7", "curvad0", "curvad"}) {
    SCOPED_TRACE(chiave);
    const Righe linea = piu(generale(), {std::string(chiave) + ", 650, 100", "[fine]"});
    Esito e;
    prova::compila(e, &linea, &kTreno);
    EXPECT_EQ(e.p.codice_errore, 103);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_TRUE(e.resta_treno());
    EXPECT_EQ(e.traccia.luogo.riga, 11);

    // Without the plan, curve lines are not even looked at.
    Esito s;
    prova::compila(s, &linea, &kTreno, 0);
    EXPECT_EQ(s.p.codice_errore, 0);
    EXPECT_FALSE(s.p.tabella_linea.esiste());
  }
}

TEST(LettoreLinea, CurvaOltreLaFineDelPiano) {
  const Righe linea = piu(generale(), {"curvad5,  16000,  2000", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 25);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_FALSE(e.resta_treno());
}

TEST(LettoreLinea, Cartelli) {
  const Righe linea =
      piu(generale(), {"montagna,   900,  1400,  11", "[indicazioni]",
                       "cartello_indicatore,  650,   (PLA km)(88+016)",
                       "cartello_indicatore,  1100,   (A)(B,C)",      // cut at the comma
                       "cartello_indicatore,  1200,   \"(D), (E)\"",  // on a mountain marker
                       "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.percorso[14].genere, kCartello);
  EXPECT_EQ(e.p.percorso[14].dato1, 80);
  EXPECT_EQ(e.p.stazioni[80].testo, "(PLA km)(88+016)");
  EXPECT_EQ(e.p.percorso[23].dato1, 79);
  EXPECT_EQ(e.p.stazioni[79].testo, "(A)(B");
  EXPECT_EQ(e.p.percorso[25].genere, kCartello);
  EXPECT_EQ(e.p.percorso[25].montagna, 1);
  EXPECT_EQ(e.p.stazioni[78].testo, "(D), (E)");
  EXPECT_EQ(e.p.stazioni[77].testo, "");
}

TEST(LettoreLinea, CartelloSuCellaOccupata) {
  const Righe linea = piu(generale(), {"cartello_indicatore,  650,   (A)",
                                       "cartello_indicatore,  660,   (B)", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 6);
  EXPECT_EQ(e.p.posizione_errore, 660);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_TRUE(e.resta_treno());
  EXPECT_EQ(e.traccia.luogo.riga, 12);
  EXPECT_EQ(e.traccia.testo_riga, "cartello_indicatore,  660,   (B)");
}

TEST(LettoreLinea, OttantaCartelliAlPiu) {
  Righe ottanta = generale();
  for (int i = 0; i < 80; ++i) {
    ottanta.push_back("cartello_indicatore, " + std::to_string(100 * (i + 1)) + ", (S)");
  }
  Righe ottantuno = ottanta;
  ottanta.push_back("[fine]");
  ottantuno.push_back("cartello_indicatore, 9000, (T)");
  ottantuno.push_back("[fine]");

  Esito e;
  prova::compila(e, &ottanta, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.stazioni[1].testo, "(S)");

  Esito o;
  prova::compila(o, &ottantuno, &kTreno);
  EXPECT_EQ(o.p.codice_errore, 10);
  EXPECT_EQ(o.p.posizione_errore, 0);
  EXPECT_EQ(o.p.stazioni[0].testo, "");
  EXPECT_EQ(o.p.percorso[181].genere, kNessuno);
  EXPECT_FALSE(o.resta_linea());
  EXPECT_TRUE(o.resta_treno());
}

TEST(LettoreLinea, MontagneETabelloni) {
  const Righe linea =
      piu(generale(), {"[montagne]", "montagna,   1000,  1500,  12", "[cartelli]",
                       "indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.numero_montagne, 1);
  EXPECT_EQ(e.p.percorso[20].montagna, 2);
  EXPECT_EQ(e.p.percorso[23].genere, kMarcaMontagna);
  const cella& t = e.p.percorso[15];
  EXPECT_EQ(t.genere, kIndicatoreVmax);
  EXPECT_EQ(t.dato1, 1800);
  EXPECT_EQ(t.dato2, 2200);
  EXPECT_EQ(t.dato3, 2200);
  EXPECT_EQ(t.dato4, 0);
}

TEST(LettoreLinea, TabelloneSuCellaOccupata) {
  const Righe linea =
      piu(generale(), {"cartello_indicatore, 700, (A)",
                       "indicatori_vmax,  720,  90,  110,  110,  0,  ,  ,  ,  0", "[fine]"});
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 21);
  EXPECT_EQ(e.p.posizione_errore, 720);
  EXPECT_FALSE(e.resta_linea());
  EXPECT_TRUE(e.resta_treno());
  EXPECT_EQ(e.traccia.luogo.riga, 12);
}

TEST(LettoreLinea, PosizioneOltreIlPercorso) {
  // 50 * 340 - 100 = 16900 is the last position that passes.
  const Righe passa = piu(generale(), {"cartello_indicatore, 16900, (A)", "[fine]"});
  Esito e;
  prova::compila(e, &passa, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 0);
  EXPECT_EQ(e.p.percorso[339].genere, kCartello);

  const Righe oltre = piu(generale(), {"pendenza, 0, 3", "pendenza, 16950, 0",
                                       "cartello_indicatore, 700, (A)", "[fine]"});
  const Righe treno = {"[generale]", "numero vetture, 14",
                       "segnale, 5000, 1, 4, 1, 0, 0, 0, 0,0,0, 0", "sabbia, 300", "[fine]"};
  Esito o;
  prova::compila(o, &oltre, &treno);
  EXPECT_EQ(o.p.codice_errore, 15);
  EXPECT_EQ(o.p.posizione_errore, 5000);         // the signal's position replaced it
  EXPECT_EQ(o.p.percorso[15].genere, kNessuno);  // the line loop ended
  EXPECT_EQ(o.p.percorso[336].pendenza, 103);    // the line was still completed
  EXPECT_EQ(o.p.tabella_linea.tipo(16998, 0), TipoValore::kDoppio);
  EXPECT_EQ(o.p.stazioni[kSlotGenerali].valore3, 14);  // the train text was read
  EXPECT_EQ(o.p.percorso[101].genere, kSegnale);       // up to its first signal
  EXPECT_EQ(o.p.stazioni[kSlotTreno].intero1, 0);
  EXPECT_FALSE(o.resta_linea());
  EXPECT_FALSE(o.resta_treno());
  EXPECT_EQ(o.traccia.luogo.testo, Luogo::Testo::kTreno);
  EXPECT_EQ(o.traccia.luogo.riga, 3);
  // The trace still names the line record that recorded the code.
  ASSERT_TRUE(o.traccia.causa.has_value());
  EXPECT_EQ(o.traccia.causa->luogo.testo, Luogo::Testo::kLinea);
  EXPECT_EQ(o.traccia.causa->luogo.riga, 12);
  EXPECT_EQ(o.traccia.causa->testo_riga, "pendenza, 16950, 0");
  EXPECT_EQ(o.traccia.causa->posizione, 16950);

  // Without anything in the train text to stop on, 15 stays with its place.
  Esito s;
  prova::compila(s, &oltre, &kTreno);
  EXPECT_EQ(s.p.codice_errore, 15);
  EXPECT_EQ(s.p.posizione_errore, 16950);
  EXPECT_EQ(s.traccia.luogo.testo, Luogo::Testo::kLinea);
  EXPECT_EQ(s.traccia.luogo.riga, 12);
  EXPECT_EQ(s.traccia.testo_riga, "pendenza, 16950, 0");
  EXPECT_FALSE(s.traccia.causa.has_value());
}

TEST(LettoreLinea, GuastiDiLettura) {
  const struct {
    const char* nome;
    Righe linea;
    long riga;
  } casi[] = {
      {"elemento prima della lunghezza",
       {"[generale]", "sfondo uno, 1", "[curve]", "pendenza, 0, 0", "[fine]"},
       4},
      {"nessuna lunghezza", {"[generale]", "[curve]", "[fine]"}, 3},
      {"numero troppo grande", piu(generale(), {"pendenza, 700, 99999999999", "[fine]"}), 11},
      {"non un numero", piu(generale(), {"pendenza, 700, quattro", "[fine]"}), 11},
      {"numero sulla riga dopo", piu(generale(), {"pendenza, 700", "x", "[fine]"}), 12},
      {"fine del testo nel record", piu(generale(), {"montagna, 700, 900"}), 11},
      {"fine del testo prima del cartello", piu(generale(), {"cartello_indicatore, 700"}), 11},
      {"lunghezza non numerica", {"[generale]", "lunghezza percorso, lunga", "[curve]"}, 2},
      {"trattini fino alla fine", {"[generale]", "lunghezza percorso, 10000", "-", "-"}, 4},
      {"marche di montagna oltre la fine", piu(generale(), {"montagna, 16000, 19000, 1", "[fine]"}),
       11},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    Esito e;
    e.p.posizione_errore = 77;
    prova::compila(e, &c.linea, &kTreno);
    EXPECT_EQ(e.p.codice_errore, 25);
    EXPECT_EQ(e.p.posizione_errore, 77);
    EXPECT_FALSE(e.resta_linea());
    EXPECT_FALSE(e.resta_treno());
    EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kLinea);
    EXPECT_EQ(e.traccia.luogo.riga, c.riga);
  }
}

TEST(LettoreLinea, OttantunesimaMontagna) {
  Righe linea = generale();
  for (int i = 0; i < 81; ++i) {
    linea.push_back("montagna, " + std::to_string(200 * i) + ", " + std::to_string(200 * i + 100) +
                    ", 1");
  }
  linea.push_back("[fine]");
  Esito e;
  prova::compila(e, &linea, &kTreno);
  EXPECT_EQ(e.p.codice_errore, 25);
  EXPECT_EQ(e.traccia.luogo.riga, 91);
}

TEST(LettoreLinea, FineRigaSoloLF) {
  const Righe linea =
      piu(generale(), {"pendenza, 700, 4", "cartello_indicatore, 650, (A)", "[fine]"});
  for (const char* a_capo : {"\n", "\r"}) {
    Esito e;
    prova::compila(e, &linea, &kTreno, 1, a_capo);
    EXPECT_EQ(e.p.codice_errore, 0);
    EXPECT_EQ(e.p.numero_celle, kCelle);
    EXPECT_EQ(e.p.percorso[14].genere, kCartello);
    EXPECT_EQ(e.p.stazioni[80].testo, "(A)");
    EXPECT_EQ(e.p.percorso[14].pendenza, 104);
    EXPECT_EQ(e.p.stazioni[kSlotGenerali].valore3, 14);
  }
}

}  // namespace
}  // namespace progetto1
