#include "tools/motore/diagnosi.h"

#include <gtest/gtest.h>

#include <set>

namespace progetto1::strumento {
namespace {

TEST(Diagnosi, UnaFrasePerOgniCodiceDelPacchetto) {
  std::set<std::int32_t> attesi;
  for (std::int32_t c = 1; c <= 25; ++c) {
    if (c != 14 && c != 23) attesi.insert(c);
  }
  for (std::int32_t c : {101, 102, 103, 1250, 1251}) attesi.insert(c);

  std::set<std::int32_t> presenti;
  std::set<std::string> frasi;
  for (const VoceErrore& v : tabella_errori()) {
    presenti.insert(numero(v.codice));
    ASSERT_NE(v.frase, nullptr);
    EXPECT_FALSE(std::string(v.frase).empty()) << numero(v.codice);
    EXPECT_TRUE(frasi.insert(v.frase).second)
        << "frase ripetuta per il codice " << numero(v.codice);
  }
  EXPECT_EQ(presenti, attesi);
  EXPECT_EQ(voce_errore(14), nullptr);
  EXPECT_EQ(voce_errore(0), nullptr);
}

TEST(Diagnosi, PosizioneSoloPerICodiciCheNeRegistranoUna) {
  struct Caso {
    std::int32_t codice;
    std::int32_t posizione;
    const char* atteso;
  };
  const Caso casi[] = {
      {16, 30400, "posizione 30400 m, cella 609"},  // the signal's own cell
      {6, 75, "posizione 75 m, cella 2"},           // 75 / 50 + 1 = 2.5 rounds to the even 2
      {15, 104250, "posizione 104250 m, cella 2086"},
      {7, 1000, "posizione 1000 m, cella 20"},  // abbattimento: the cell before
      {11, 500, "posizione 500 m, cella 10"},   // the pass records cell index × 50
      {13, 50000, "posizione 50000 m, cella 1000"},
      {2, 1234, ""},
      {10, 1234, ""},
      {24, 1234, ""},
      {25, 1234, ""},
      {102, 1234, ""},
      {1250, 1234, ""},
      {0, 1234, ""},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(testo_posizione(c.codice, c.posizione), c.atteso) << c.codice;
  }
}

EsitoCompilazione esito_con(std::int32_t codice, std::int32_t posizione) {
  EsitoCompilazione e;
  e.codice_errore = codice;
  e.posizione_errore = posizione;
  return e;
}

// A code shown at the line of the text that the trace names, in UTF-8, with
// a caret under the column and the position where the code records one.
TEST(Diagnosi, CodiceConLaRigaDellaTraccia) {
  struct Caso {
    std::int32_t codice, posizione;
    Luogo::Testo testo;
    long riga, colonna;
    const char* testo_riga;
    const char* linea;
    const char* treno;
    const char* atteso;
  };
  const Caso casi[] = {
      // A code of the reader, with its own line.
      {16, 2500, Luogo::Testo::kTreno, 17, 1, "segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0",
       "testi/linea.txt", "testi/treno.txt",
       "testi/treno.txt:17:1: errore 16: la cella del segnale è già occupata\n"
       "    segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0\n"
       "    ^\n"
       "    posizione 2500 m, cella 51\n"},
      // A code without a position does not show the one left from before.
      {3, 2500, Luogo::Testo::kLinea, 9, 3, "  ripetizione segnali 4 codici,    30    ,0", "l.txt",
       "t.txt",
       "l.txt:9:3: errore 3: il primo valore della ripetizione segnali non è multiplo di 50\n"
       "      ripetizione segnali 4 codici,    30    ,0\n"
       "      ^\n"},
      // The line in Windows-1252, shown in UTF-8.
      {8, 3260, Luogo::Testo::kTreno, 4, 1,
       "stazione,    3260,  4,  300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, Citt\xE0", "l.txt", "t.txt",
       "t.txt:4:1: errore 8: la posizione della stazione non è multipla di 50\n"
       "    stazione,    3260,  4,  300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, Citt\xC3\xA0\n"
       "    ^\n"
       "    posizione 3260 m, cella 66\n"},
      // A code of the pass: no line, the train text. The trace still points at
      // an earlier record of the reader; the pass came after.
      {12, 8350, Luogo::Testo::kLinea, 40, 0, "pendenza,   0,    0", "l.txt", "t.txt",
       "t.txt: errore 12: nessuna cella libera per un punto codice prima dell'inizio di un "
       "rallentamento\n"
       "    posizione 8350 m, cella 167\n"},
  };
  for (const Caso& c : casi) {
    EsitoCompilazione e = esito_con(c.codice, c.posizione);
    e.traccia.luogo.testo = c.testo;
    e.traccia.luogo.riga = c.riga;
    e.traccia.luogo.colonna = c.colonna;
    e.traccia.testo_riga = c.testo_riga;
    EXPECT_EQ(diagnosi(e, c.linea, c.treno), c.atteso) << c.codice;
  }
}

// Code 15 recorded by a line record, seen again by the train reader's signal.
EsitoCompilazione esito_codice15() {
  EsitoCompilazione e = esito_con(15, 2500);
  e.traccia.luogo.testo = Luogo::Testo::kTreno;
  e.traccia.luogo.riga = 16;
  e.traccia.luogo.colonna = 1;
  e.traccia.testo_riga = "segnale,    2500,   1, 4, 1,  0, 0,    0,  0,0,0, 0";
  e.traccia.causa = Traccia::Causa{{Luogo::Testo::kLinea, 15, 1}, "pendenza,   20000,   5", 20000};
  return e;
}

TEST(Diagnosi, Codice15DellaLineaPrimaDelSegnaleCheLoHaVisto) {
  const EsitoCompilazione e = esito_codice15();
  EXPECT_EQ(diagnosi(e, "l.txt", "t.txt"),
            "l.txt:15:1: errore 15: la posizione è oltre la fine del percorso (più 100 m, 800 m "
            "per una stazione, supera l'ultima cella)\n"
            "    pendenza,   20000,   5\n"
            "    ^\n"
            "    posizione 20000 m, cella 401\n"
            "t.txt:16:1: nota: con il codice 15 ancora registrato la lettura del treno si è "
            "fermata qui (posizione registrata 2500 m)\n"
            "    segnale,    2500,   1, 4, 1,  0, 0,    0,  0,0,0, 0\n"
            "    ^\n");
}

TEST(Diagnosi, SegnoSottoLaColonna) {
  struct Caso {
    const char* riga;
    long colonna;
    const char* atteso;
  };
  const Caso casi[] = {
      {"pendenza,  abc,  4", 12, "    pendenza,  abc,  4\n               ^\n"},
      {"\tpendenza, 7", 2, "    \tpendenza, 7\n    \t^\n"},          // a tab stays a tab
      {"Citt\xC3\xA0, 5", 7, "    Citt\xC3\xA0, 5\n          ^\n"},  // one blank for "à"
      {"pendenza, 7", 0, "    pendenza, 7\n"},                       // no column: no caret
      {"", 3, ""},                                                   // no line: nothing
  };
  for (const Caso& c : casi) EXPECT_EQ(riga_con_segno(c.riga, c.colonna), c.atteso) << c.riga;
}

TEST(Diagnosi, LuogoNelleDueForme) {
  struct Caso {
    const char* file;
    long riga, colonna;
    FormaLuogo forma;
    const char* atteso;
  };
  const Caso casi[] = {
      {"testi/treno.txt", 17, 0, FormaLuogo::kCompilatore, "testi/treno.txt:17:"},
      {"testi/treno.txt", 17, 5, FormaLuogo::kCompilatore, "testi/treno.txt:17:5:"},
      {"testi/treno.txt", 0, 0, FormaLuogo::kCompilatore, "testi/treno.txt:"},
      {"testi/treno.txt", 0, 7, FormaLuogo::kCompilatore, "testi/treno.txt:"},
      {"C:\\Dati utente\\treno.txt", 17, 0, FormaLuogo::kVisualStudio,
       "C:\\Dati utente\\treno.txt(17):"},
      {"C:\\Dati utente\\treno.txt", 17, 5, FormaLuogo::kVisualStudio,
       "C:\\Dati utente\\treno.txt(17,5):"},
      {"C:\\Dati utente\\treno.txt", 0, 0, FormaLuogo::kVisualStudio,
       "C:\\Dati utente\\treno.txt:"},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(testo_luogo(c.file, c.riga, c.colonna, c.forma), c.atteso) << c.atteso;
  }
}

// Every place of a diagnostic follows the form asked for, the rest stays.
TEST(Diagnosi, FormaVisualStudioInOgniRiga) {
  EsitoCompilazione e = esito_codice15();
  EXPECT_EQ(diagnosi(e, "C:\\testi\\l.txt", "t.txt", FormaLuogo::kVisualStudio),
            "C:\\testi\\l.txt(15,1): errore 15: la posizione è oltre la fine del percorso (più "
            "100 m, 800 m per una stazione, supera l'ultima cella)\n"
            "    pendenza,   20000,   5\n"
            "    ^\n"
            "    posizione 20000 m, cella 401\n"
            "t.txt(16,1): nota: con il codice 15 ancora registrato la lettura del treno si è "
            "fermata qui (posizione registrata 2500 m)\n"
            "    segnale,    2500,   1, 4, 1,  0, 0,    0,  0,0,0, 0\n"
            "    ^\n");
  e.fatale = Fatale::kSenzaPercorso;
  e.codice_errore = 0;
  EXPECT_EQ(diagnosi(e, "l.txt", "t.txt", FormaLuogo::kVisualStudio).substr(0, 14),
            "l.txt: errore:");
}

TEST(Diagnosi, CorsaPulitaNonDiceNulla) { EXPECT_EQ(diagnosi(esito_con(0, 0), "l", "t"), ""); }

TEST(Diagnosi, ErrorFataleConLaCella1) {
  EsitoCompilazione e;
  e.fatale = Fatale::k1250;
  cella c;
  c.genere = kIndicatoreVmax;
  c.dato1 = 1200;
  c.dato2 = 1200;
  e.cella1 = c;
  EXPECT_EQ(diagnosi(e, "l.txt", "t.txt"),
            "l.txt: errore 1250: la cella 1 (dato1) o lo slot 85 (intero1) contengono già un "
            "valore: una voce in posizione 0 occupa il posto dei valori del pacchetto; nessun "
            "file scritto\n"
            "    la cella 1 (posizione 0 m) contiene: indicatore_vmax (genere 6, dato1 1200, "
            "dato2 1200)\n");

  // A signal comes from the train text.
  c.genere = kSegnale;
  e.cella1 = c;
  EXPECT_EQ(diagnosi(e, "l.txt", "t.txt").substr(0, 18), "t.txt: errore 1250");
}

TEST(Diagnosi, SenzaPercorsoDopoIlCodiceDelLettore) {
  EsitoCompilazione e = esito_con(102, 0);
  e.fatale = Fatale::kSenzaPercorso;
  e.traccia.luogo.testo = Luogo::Testo::kLinea;
  EXPECT_EQ(diagnosi(e, "l.txt", "t.txt"),
            "l.txt: errore 102: il testo della linea non contiene \"[generale]\"\n"
            "l.txt: errore: la lettura del testo della linea si è fermata prima di \"lunghezza "
            "percorso\", quindi non esiste nessuna cella del percorso; nessun file scritto\n");
}

TEST(Diagnosi, NomiDegliEsitiFatali) {
  EXPECT_EQ(nome_fatale(Fatale::kNessuno), nullptr);
  EXPECT_STREQ(nome_fatale(Fatale::k1250), "1250");
  EXPECT_STREQ(nome_fatale(Fatale::k1251), "1251");
  EXPECT_STREQ(nome_fatale(Fatale::kSenzaPercorso), "no-track");
  EXPECT_STREQ(nome_fatale(Fatale::kGuasto), "guasto");
}

}  // namespace
}  // namespace progetto1::strumento
