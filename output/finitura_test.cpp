#include "output/finitura.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compiler/osservatore.h"
#include "model/archivio_memoria.h"
#include "model/guasto.h"

namespace progetto1 {
namespace {

struct Fermata {
  std::string codice;
};

// Records the code and stops the run, as the message box does.
class AvvisiRegistrati : public Avvisi {
 public:
  [[noreturn]] void errore(CodiceErrore a) override {
    codici.push_back(testo_codice(a));
    throw Fermata{testo_codice(a)};
  }
  std::vector<std::string> codici;
};

// A model as the reader leaves it for an empty line of 150 cells.
Pacchetto letto() {
  Pacchetto p;
  p.nome_linea = "Corsanta";
  p.numero_treno = "7402";
  p.con_tabella = 1;
  p.percorso.ridimensiona(150);
  p.tabella_linea.crea(4);
  p.stazioni[kSlotLinea].testo = "Corsanta";
  p.stazioni[kSlotTreno].testo = "7402";
  return p;
}

TEST(Finitura, LineaVuotaCambiaSoloLaCellaUnoELoSlot85) {
  Pacchetto p = letto();
  ArchivioMemoria archivio;
  AvvisiRegistrati avvisi;
  completa_percorso(p, archivio, avvisi);
  EXPECT_TRUE(avvisi.codici.empty());

  const std::string& celle = archivio.file.at("Corsanta_7402.dat");
  ASSERT_EQ(celle.size(), 151u * 15u);
  std::string attese(151 * 15, '\0');
  // Cell 1: 5121 and codice_gara_og of "7402" + "Corsanta" (2530).
  attese[16] = '\x01';
  attese[17] = '\x14';
  attese[18] = '\xE2';
  attese[19] = '\x09';
  EXPECT_EQ(celle, attese);

  EXPECT_EQ(p.stazioni[kSlotLinea].intero1, 610);
  EXPECT_EQ(p.stazioni[kSlotLinea].valore4, 35486);
  EXPECT_EQ(p.codice_errore, 0);
  EXPECT_EQ(archivio.file.size(), 3u);
}

struct CasoControllo {
  const char* nome;
  std::function<void(Pacchetto&)> prepara;
  const char* codice;
};

TEST(Finitura, ControlliFermanoPrimaDiOgniFile) {
  const CasoControllo casi[] = {
      {"Slot85Intero1", [](Pacchetto& p) { p.stazioni[kSlotLinea].intero1 = 1; }, "1250"},
      {"Cella1Dato1",
       [](Pacchetto& p) {
         p.percorso[1].genere = kCartello;
         p.percorso[1].dato1 = 80;
       },
       "1250"},
      // The group 5 to 7 cells before a start at cell 8 falls on cell 1
      // when cells 3 and 2 are taken.
      {"CodiceDellaPassataInCella1",
       [](Pacchetto& p) {
         p.percorso[8].genere = kInizioRallentamento;
         p.percorso[8].dato1 = 120;
         p.percorso[3].genere = kIndicatoreVmax;
         p.percorso[2].genere = kIndicatoreVmax;
       },
       "1250"},
      {"Slot85Valore4", [](Pacchetto& p) { p.stazioni[kSlotLinea].valore4 = 7; }, "1251"},
      {"Cella1Dato2",
       [](Pacchetto& p) {
         p.percorso[1].genere = kIndicatoreVmax;
         p.percorso[1].dato2 = 1000;
       },
       "1251"},
  };
  for (const CasoControllo& caso : casi) {
    SCOPED_TRACE(caso.nome);
    Pacchetto p = letto();
    caso.prepara(p);
    ArchivioMemoria archivio;
    AvvisiRegistrati avvisi;
    EXPECT_THROW(completa_percorso(p, archivio, avvisi), Fermata);
    EXPECT_EQ(avvisi.codici, std::vector<std::string>{caso.codice});
    EXPECT_TRUE(archivio.file.empty());
  }
}

TEST(Finitura, SenzaCelleNessunFileEGuasto9) {
  Pacchetto p;
  p.nome_linea = "Corsanta";
  p.numero_treno = "7402";
  p.stazioni[0].codice = 7;
  p.stazioni[40].testo = "residuo";
  p.stazioni[kSlotTreno].valore1 = 5;
  ArchivioMemoria archivio;  // no description texts: the reader creates no cells
  AvvisiRegistrati avvisi;
  try {
    memorizza_percorso(p, 1, archivio, avvisi);
    FAIL() << "no failure";
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }
  EXPECT_TRUE(archivio.file.empty());
  EXPECT_TRUE(avvisi.codici.empty());
  EXPECT_EQ(p.con_tabella, 1);
  // The table was cleared before the reader ran.
  EXPECT_EQ(p.stazioni[0], stazione{});
  EXPECT_EQ(p.stazioni[40], stazione{});
  EXPECT_EQ(p.stazioni[kSlotTreno].valore1, 0);
}

// What a check hears from the stage: the codes, in order.
class Ascolto : public Osservatore {
 public:
  void errore(CodiceErrore c, std::int32_t, const Luogo&) override {
    codici.push_back(testo_codice(c));
  }
  void avviso(Avviso, const Luogo&, const std::string&) override {}
  void record(const Luogo&, std::int32_t) override {}
  void copre(const Luogo&, std::int32_t, std::int32_t, std::uint8_t cella::*) override {}
  std::vector<std::string> codici;
};

TEST(Finitura, ConUnOsservatoreEntrambiIControlliParlanoENessunFile) {
  Pacchetto p = letto();
  p.stazioni[kSlotLinea].intero1 = 1;
  p.stazioni[kSlotLinea].valore4 = 7;
  ArchivioMemoria archivio;
  AvvisiRegistrati avvisi;
  Ascolto ascolto;
  completa_percorso(p, archivio, avvisi, &ascolto);
  EXPECT_EQ(ascolto.codici, (std::vector<std::string>{"1250", "1251"}));
  EXPECT_TRUE(avvisi.codici.empty());
  EXPECT_TRUE(archivio.file.empty());
}

TEST(Finitura, ConUnOsservatoreSenzaCelleFinisceSenzaGuasto) {
  Pacchetto p;
  p.nome_linea = "Corsanta";
  p.numero_treno = "7402";
  ArchivioMemoria archivio;  // no description texts: the reader creates no cells
  AvvisiRegistrati avvisi;
  Ascolto ascolto;
  EXPECT_NO_THROW(memorizza_percorso(p, 1, archivio, avvisi, nullptr, &ascolto));
  EXPECT_EQ(ascolto.codici, std::vector<std::string>{"101"});
  EXPECT_TRUE(avvisi.codici.empty());
  EXPECT_TRUE(archivio.file.empty());
}

}  // namespace
}  // namespace progetto1
