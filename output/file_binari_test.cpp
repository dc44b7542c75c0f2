#include "output/file_binari.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "model/archivio_memoria.h"
#include "model/guasto.h"
#include "tests/prova/record.h"

namespace progetto1 {
namespace {

std::vector<std::uint8_t> byte_di(const std::string& s) { return {s.begin(), s.end()}; }

TEST(FileBinari, RecordDiCella) {
  std::string byte;
  scrivi_cella(byte, prova::cella_piena());
  EXPECT_EQ(byte_di(byte), prova::record_cella_piena());
}

TEST(FileBinari, RecordDiStazione) {
  std::string byte;
  scrivi_stazione(byte, prova::stazione_piena());
  EXPECT_EQ(byte_di(byte), prova::record_stazione_piena());
}

TEST(FileBinari, StazioneVuotaEDiTrentaquattroZeri) {
  std::string byte;
  scrivi_stazione(byte, stazione{});
  EXPECT_EQ(byte, std::string(34, '\0'));
}

TEST(FileBinari, TestoOltreIlCampoDiLunghezzaEUnOverflow) {
  stazione s;
  s.testo.assign(32767, 'a');
  std::string byte;
  scrivi_stazione(byte, s);
  EXPECT_EQ(byte.size(), 34u + 32767u);
  EXPECT_EQ(byte.substr(14, 2), "\xFF\x7F");

  s.testo.push_back('a');
  byte.clear();
  try {
    scrivi_stazione(byte, s);
    FAIL() << "no failure";
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 6);
  }
  EXPECT_TRUE(byte.empty());
}

TEST(FileBinari, TabellaDiStazioniEOttantasetteRecord) {
  Pacchetto p;
  p.stazioni[kSlotLinea].testo = "Corsanta";
  p.stazioni[kSlotTreno].testo = "7402";
  const std::string byte = byte_stazioni(p.stazioni);
  EXPECT_EQ(byte.size(), 87u * 34u + 8u + 4u);
  // Slot 85 begins after 85 empty records; its text follows the length.
  EXPECT_EQ(byte.substr(85 * 34 + 14, 10), std::string("\x08\x00", 2) + "Corsanta");
}

TEST(FileBinari, CelleDallaZeroAllUltima) {
  Vettore<cella> percorso(2226);
  percorso[2226].aderenza = 70;
  const std::string byte = byte_celle(percorso);
  ASSERT_EQ(byte.size(), 33405u);
  EXPECT_EQ(static_cast<std::uint8_t>(byte.back()), 70);
}

TEST(FileBinari, PianoConIValoriMarcati) {
  TabellaLinea t;
  t.crea(4);
  t.imposta_intero(0, 0, 0);
  t.imposta_intero(1, 0, 0);
  t.imposta_intero(0, 1, 0);
  t.imposta_intero(1, 1, 1);
  t.imposta_doppio(2, 0, 1.5);
  t.imposta_doppio(2, 1, -0.25);
  EXPECT_EQ(
      byte_di(byte_tabella_linea(t)),
      (std::vector<std::uint8_t>{                         // x of points 0 to 4
                                 0x02, 0x00, 0x00, 0x00,  //
                                 0x02, 0x00, 0x00, 0x00,  //
                                 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F,  //
                                 0x00, 0x00,                                                  //
                                 0x00, 0x00,                                                  //
                                              // y of points 0 to 4
                                 0x02, 0x00, 0x00, 0x00,                                      //
                                 0x02, 0x00, 0x01, 0x00,                                      //
                                 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0xBF,  //
                                 0x00, 0x00,                                                  //
                                 0x00, 0x00}));
}

TEST(FileBinari, PianoDiUnaLineaCompleta) {
  // A line of 104300 m: points 0 and 1 whole, 2 to N - 2 fractional, the
  // last two empty.
  const long n = 111300;
  TabellaLinea t;
  t.crea(n);
  for (int c = 0; c < 2; ++c) {
    t.imposta_intero(0, c, 0);
    t.imposta_intero(1, c, static_cast<std::int16_t>(c));
    for (long i = 2; i <= n - 2; ++i) t.imposta_doppio(i, c, static_cast<double>(i));
  }
  EXPECT_EQ(byte_tabella_linea(t).size(), 2225964u);
}

// Records the order of the writes.
class ArchivioOrdinato : public ArchivioMemoria {
 public:
  void sostituisci(const std::string& nome, std::string_view byte) override {
    ArchivioMemoria::sostituisci(nome, byte);
    ordine.push_back(nome);
  }
  std::vector<std::string> ordine;
};

Pacchetto pacchetto_minimo(std::int32_t con_tabella) {
  Pacchetto p;
  p.nome_linea = "Corsanta";
  p.numero_treno = "7402";
  p.con_tabella = con_tabella;
  p.percorso.ridimensiona(3);
  if (con_tabella != 0) p.tabella_linea.crea(2);
  return p;
}

TEST(FileBinari, OrdineEScelteDeiFile) {
  {
    ArchivioOrdinato archivio;
    scrivi_file_binari(pacchetto_minimo(1), archivio);
    EXPECT_EQ(archivio.ordine, (std::vector<std::string>{"Corsanta_linea.dat", "Corsanta_7402.sim",
                                                         "Corsanta_7402.dat"}));
    EXPECT_EQ(archivio.file["Corsanta_linea.dat"], std::string(12, '\0'));
    EXPECT_EQ(archivio.file["Corsanta_7402.sim"].size(), 87u * 34u);
    EXPECT_EQ(archivio.file["Corsanta_7402.dat"].size(), 4u * 15u);
  }
  {
    ArchivioOrdinato archivio;
    scrivi_file_binari(pacchetto_minimo(0), archivio);
    EXPECT_EQ(archivio.ordine,
              (std::vector<std::string>{"Corsanta_7402.sim", "Corsanta_7402.dat"}));
  }
}

TEST(FileBinari, UnRecordNonCodificabileNonLasciaNessunFile) {
  Pacchetto p = pacchetto_minimo(1);
  p.stazioni[40].testo.assign(40000, 'x');
  ArchivioMemoria archivio;
  EXPECT_THROW(scrivi_file_binari(p, archivio), Guasto);
  EXPECT_TRUE(archivio.file.empty());
}

TEST(FileBinari, PianoMaiCreatoEGuasto9) {
  Pacchetto p = pacchetto_minimo(1);
  p.tabella_linea.elimina();
  ArchivioMemoria archivio;
  try {
    scrivi_file_binari(p, archivio);
    FAIL() << "no failure";
  } catch (const Guasto& g) {
    EXPECT_EQ(g.numero(), 9);
  }
  EXPECT_TRUE(archivio.file.empty());
}

}  // namespace
}  // namespace progetto1

namespace progetto1 {
namespace {

// The plan as the writer streams it, against the same bytes spelled out one
// value after the other, for plans that end short of, on and past the
// writer's block boundaries.
TEST(FileBinari, PianoInBlocchiUgualeAlPianoIntero) {
  for (long ultimo : {0L, 1L, 2L, 3L, 13106L, 13107L, 13108L, 26214L, 100000L}) {
    SCOPED_TRACE(ultimo);
    TabellaLinea t;
    t.crea(ultimo);
    std::string atteso;
    auto metti = [&](std::uint64_t v, int n) {
      for (int i = 0; i < n; ++i) atteso += static_cast<char>(v >> (8 * i));
    };
    for (int c = 0; c < 2; ++c) {
      for (long i = 0; i <= ultimo; ++i) {
        if (i < 2) {
          t.imposta_intero(i, c, static_cast<std::int16_t>(i * c - 3));
          metti(2, 2);
          metti(static_cast<std::uint16_t>(i * c - 3), 2);
        } else if (i <= ultimo - 2 || i % 7 == 0) {
          const double v = static_cast<double>(i) * 0.37 - c;
          t.imposta_doppio(i, c, v);
          metti(5, 2);
          metti(std::bit_cast<std::uint64_t>(v), 8);
        } else {
          metti(0, 2);
        }
      }
    }
    const Contenuto contenuto = contenuto_tabella_linea(t);
    EXPECT_EQ(contenuto.dimensione(), atteso.size());
    std::string scritto;
    std::size_t pezzi = 0;
    contenuto.scrivi([&](std::string_view pezzo) {
      EXPECT_FALSE(pezzo.empty());
      EXPECT_LE(pezzo.size(), 1u << 17);
      scritto += pezzo;
      ++pezzi;
    });
    EXPECT_TRUE(scritto == atteso);
    EXPECT_EQ(pezzi > 1, atteso.size() > (1u << 17) - 10);
    EXPECT_TRUE(byte_tabella_linea(t) == atteso);
  }
}

TEST(FileBinari, ProduttoreCheNonMantieneLaDimensioneEGuastoInterno) {
  const Contenuto corto(4, [](const Contenuto::Pezzo& pezzo) { pezzo("abc"); });
  const Contenuto lungo(2, [](const Contenuto::Pezzo& pezzo) { pezzo("abc"); });
  for (const Contenuto* c : {&corto, &lungo}) {
    try {
      c->tutto();
      FAIL() << "nessun guasto";
    } catch (const Guasto& g) {
      EXPECT_EQ(g.numero(), 51);
    }
  }
}

}  // namespace
}  // namespace progetto1
