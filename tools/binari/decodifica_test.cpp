#include "tools/binari/decodifica.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/nomi_sicuri.h"
#include "model/pacchetto.h"
#include "output/file_binari.h"
#include "tests/prova/record.h"
#include "tools/binari/scarico.h"

namespace progetto1::strumento {
namespace {

std::string byte(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s.push_back(static_cast<char>(v));
  return s;
}

std::string testo(const std::vector<std::uint8_t>& record) {
  return {record.begin(), record.end()};
}

const std::string kZeri34(34, '\0');

// Slot 1 of a station table: the first station of a line.
const std::string kSlotStazione = byte({
    0x04,                                                        // codice
    0x3E, 0xFE, 0xFF, 0xFF,                                      // valore1 -450
    0xC2, 0x01, 0x00, 0x00,                                      // valore2 450
    0x00, 0x00, 0x00, 0x00,                                      // valore3 0
    0x01,                                                        // selettore
    0x04, 0x00, 'A',  'l',  'f',  0xE0,                          // testo "Alfà" in Windows-1252
    0x04, 0x00, 0x01, 0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0x00,  // intero1..5
    0x00, 0x01, 0x00, 0x00,                                      // marca1..4
    0xD8, 0x27, 0x00, 0x00,                                      // valore4 10200
});

std::string tabella_con_slot1(const std::string& slot1) {
  std::string t = kZeri34 + slot1;
  for (int i = 2; i < 87; ++i) t += kZeri34;
  return t;
}

TEST(DecodificaCelle, UnaCellaCampoPerCampo) {
  const std::vector<cella> c =
      decodifica_celle(std::string(15, '\0') + testo(prova::record_cella_piena()));
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0], cella{});
  EXPECT_EQ(c[1], prova::cella_piena());
}

TEST(DecodificaCelle, DimensioneFuoriFormatoRifiutata) {
  for (std::size_t n : {0u, 1u, 14u, 16u, 29u, 31u}) {
    EXPECT_THROW(decodifica_celle(std::string(n, '\0')), ErroreFormato) << n << " byte";
  }
}

TEST(DecodificaStazioni, UnoSlotCampoPerCampo) {
  const std::vector<stazione> s =
      decodifica_stazioni(tabella_con_slot1(testo(prova::record_stazione_piena())));
  ASSERT_EQ(s.size(), 87u);
  EXPECT_EQ(s[0], stazione{});
  EXPECT_EQ(s[1], prova::stazione_piena());
  EXPECT_EQ(s[86], stazione{});
}

TEST(DecodificaStazioni, FileFuoriFormatoRifiutato) {
  const std::string buono = tabella_con_slot1(kSlotStazione);
  struct Caso {
    const char* nome;
    std::string byte;
  };
  std::string lunghezza_negativa = kSlotStazione;
  lunghezza_negativa[14] = static_cast<char>(0xFF);
  lunghezza_negativa[15] = static_cast<char>(0xFF);
  std::string testo_oltre_la_fine = kSlotStazione;
  testo_oltre_la_fine[14] = static_cast<char>(0xFF);
  testo_oltre_la_fine[15] = static_cast<char>(0x7F);
  const Caso casi[] = {
      {"vuoto", ""},
      {"un byte in meno", buono.substr(0, buono.size() - 1)},
      {"un byte in più", buono + '\0'},
      {"86 slot", buono.substr(0, buono.size() - 34)},
      {"lunghezza negativa", tabella_con_slot1(lunghezza_negativa)},
      {"testo oltre la fine", tabella_con_slot1(testo_oltre_la_fine)},
  };
  for (const Caso& c : casi) {
    EXPECT_THROW(decodifica_stazioni(c.byte), ErroreFormato) << c.nome;
  }
}

TEST(DecodificaPiano, ValoriConEtichetta) {
  // x: 0, 0, 1.5, vuoto; y: 0, 1, 2.25, vuoto.
  const std::string file = byte({0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,              //
                                 0x05, 0x00, 0,    0,    0,    0,    0,    0,    0xF8, 0x3F,  //
                                 0x00, 0x00,                                                  //
                                 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00,              //
                                 0x05, 0x00, 0,    0,    0,    0,    0,    0,    0x02, 0x40,  //
                                 0x00, 0x00});
  const Piano p = decodifica_piano(file);
  ASSERT_EQ(p.x.size(), 4u);
  ASSERT_EQ(p.y.size(), 4u);
  EXPECT_EQ(p.x[0].tipo, TipoValore::kIntero);
  EXPECT_EQ(p.y[1].tipo, TipoValore::kIntero);
  EXPECT_EQ(p.y[1].valore, 1.0);
  EXPECT_EQ(p.x[2].tipo, TipoValore::kDoppio);
  EXPECT_EQ(p.x[2].valore, 1.5);
  EXPECT_EQ(p.y[2].valore, 2.25);
  EXPECT_EQ(p.x[3].tipo, TipoValore::kVuoto);
  EXPECT_EQ(p.y[3].tipo, TipoValore::kVuoto);
}

TEST(DecodificaPiano, FileFuoriFormatoRifiutato) {
  struct Caso {
    const char* nome;
    std::string byte;
  };
  const Caso casi[] = {
      {"vuoto", ""},
      {"numero dispari di valori", byte({0x00, 0x00})},
      {"etichetta sconosciuta", byte({0x03, 0x00, 0x00, 0x00})},
      {"etichetta tronca", byte({0x00, 0x00, 0x00})},
      {"intero tronco", byte({0x00, 0x00, 0x02, 0x00, 0x01})},
      {"doppio tronco", byte({0x00, 0x00, 0x05, 0x00, 0, 0, 0, 0, 0, 0, 0xF8})},
  };
  for (const Caso& c : casi) {
    EXPECT_THROW(decodifica_piano(c.byte), ErroreFormato) << c.nome;
  }
}

// The package's own writers and this reader share the layouts.
TEST(Decodifica, RileggeCioCheScrivonoIWriterDelPacchetto) {
  Vettore<cella> percorso(3);
  percorso[1].genere = kSegnale;
  percorso[1].dato1 = 5121;
  percorso[1].dato2 = -7;
  percorso[3].aderenza = 255;
  const std::vector<cella> celle = decodifica_celle(byte_celle(percorso));
  ASSERT_EQ(celle.size(), 4u);
  for (long i = 0; i <= 3; ++i) EXPECT_EQ(celle[static_cast<std::size_t>(i)], percorso[i]);

  Vettore<stazione> stazioni(86);
  stazioni[85].testo = "Corsanta";
  stazioni[85].intero1 = 610;
  stazioni[85].valore4 = -123456;
  stazioni[3].valore3 = 102300;
  const std::vector<stazione> slot = decodifica_stazioni(byte_stazioni(stazioni));
  ASSERT_EQ(slot.size(), 87u);
  for (long i = 0; i <= 86; ++i) EXPECT_EQ(slot[static_cast<std::size_t>(i)], stazioni[i]);

  TabellaLinea t;
  t.crea(4);
  t.imposta_intero(0, 0, 0);
  t.imposta_intero(1, 1, 1);
  t.imposta_doppio(2, 0, 0.001);
  t.imposta_doppio(2, 1, 2.0);
  const Piano p = decodifica_piano(byte_tabella_linea(t));
  ASSERT_EQ(p.x.size(), 5u);
  for (long i = 0; i <= 4; ++i) {
    for (int k = 0; k < 2; ++k) {
      const ValorePiano& v = (k == 0 ? p.x : p.y)[static_cast<std::size_t>(i)];
      EXPECT_EQ(v.tipo, t.tipo(i, k)) << i << "," << k;
      if (v.tipo != TipoValore::kVuoto) {
        EXPECT_EQ(v.valore, t.valore(i, k)) << i << "," << k;
      }
    }
  }
}

TEST(Decodifica, TipoDalNome) {
  struct Caso {
    const char* nome;
    bool riconosciuto;
    TipoFile tipo;
  };
  const Caso casi[] = {
      {"Corsanta_linea.dat", true, TipoFile::kPiano},
      {"Corsanta_7402.sim", true, TipoFile::kStazioni},
      {"Corsanta_7402.dat", true, TipoFile::kCelle},
      {"linea.dat", true, TipoFile::kCelle},
      {"Corsanta_linea.txt", false, TipoFile::kCelle},
      {"Corsanta_7402.DAT", false, TipoFile::kCelle},
  };
  for (const Caso& c : casi) {
    TipoFile t = TipoFile::kCelle;
    EXPECT_EQ(tipo_da_nome(c.nome, t), c.riconosciuto) << c.nome;
    if (c.riconosciuto) {
      EXPECT_EQ(t, c.tipo) << c.nome;
    }
  }
}

// The names the package gives its files come back as their kinds for every
// pair of names the package accepts. It refuses the pairs whose cell file
// would share the plan's name, which on Linux then reads as the plan.
TEST(Decodifica, TipoDaiNomiDelPacchetto) {
  struct Caso {
    const char* linea;
    const char* treno;
    bool accettati;
    TipoFile celle;  // what the cell file's name reads as
  };
  const Caso casi[] = {
      {"Corsanta", "7402", true, TipoFile::kCelle},   {"a", "b", true, TipoFile::kCelle},
      {"Linea", "sim", true, TipoFile::kCelle},       {"x_linea", "dat", true, TipoFile::kCelle},
      {"Corsanta", "linea", false, TipoFile::kPiano}, {"C", "LINEA", false, TipoFile::kCelle},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(std::string(c.linea) + " " + c.treno);
    EXPECT_EQ(motivo_nomi_in_conflitto(c.linea, c.treno).empty(), c.accettati);
    Pacchetto p;
    p.nome_linea = c.linea;
    p.numero_treno = c.treno;
    const std::pair<std::string, TipoFile> file[] = {
        {nome_file_linea(p), TipoFile::kPiano},
        {nome_file_stazioni(p), TipoFile::kStazioni},
        {nome_file_celle(p), c.celle},
    };
    for (const auto& [nome, atteso] : file) {
      TipoFile t = TipoFile::kPacchetto;
      EXPECT_TRUE(tipo_da_nome(nome, t)) << nome;
      EXPECT_EQ(t, atteso) << nome;
    }
  }
}

// A cell file "x.dat" of an empty cell 0 and `cella1`.
FileDecodificato file_celle(const cella& cella1) {
  FileDecodificato f;
  f.nome = "x.dat";
  f.tipo = TipoFile::kCelle;
  f.celle = {cella{}, cella1};
  return f;
}

TEST(Scarico, RigaDiUnaCellaConIlGenerePerNome) {
  const FileDecodificato f = file_celle({.genere = kIndicatoreVmax,
                                         .dato1 = 1800,
                                         .dato2 = 2200,
                                         .dato3 = 2200,
                                         .vel_limite = 12,
                                         .pendenza = 100,
                                         .aderenza = 70});
  std::ostringstream out;
  scrivi_scarico(out, f);
  EXPECT_EQ(out.str(),
            "# x.dat: celle del percorso, 2 celle (0-1) da 50 m; la cella 1 inizia a 0 m\n"
            "  cella  inizio_m  genere                dato1   dato2   dato3   dato4  tempo  "
            "avvicinamento  montagna  vel_limite  pendenza  aderenza\n"
            "      0       -50  nessuno                    0       0       0       0      0  "
            "            0         0           0         0         0  | vel_limite 0 (0 km/h), "
            "pendenza 0 (-100 ‰), aderenza 0 (come nel testo)\n"
            "      1         0  indicatore_vmax         1800    2200    2200       0      0  "
            "            0         0          12       100        70  | dato1 1800 (vas 90 km/h, "
            "vad 0 km/h), dato2 2200 (vbs 110 km/h, vbd 0 km/h), dato3 2200 (vcs 110 km/h, vcd 0 "
            "km/h), dato4 0 (strisces 0, strisced 0), vel_limite 12 (60 km/h), pendenza 100 (0 ‰), "
            "aderenza 70 (come nel testo)\n");
}

TEST(Scarico, RigaDiUnoSlotConIlTestoLeggibile) {
  FileDecodificato f = decodifica_file("t.sim", tabella_con_slot1(kSlotStazione));
  std::ostringstream out;
  scrivi_scarico(out, f);
  std::istringstream righe(out.str());
  std::string riga;
  std::vector<std::string> tutte;
  while (std::getline(righe, riga)) tutte.push_back(riga);
  ASSERT_EQ(tutte.size(), 2u + 87u);
  EXPECT_EQ(tutte[0], "# t.sim: tabella delle stazioni, 87 slot (0-86)");
  EXPECT_EQ(tutte[3],
            "   1  stazione          4       -450        450          0          1        4  "
            "      1        2        1        1       0       1       0       0       10200  "
            "\"Alf\xC3\xA0\"  | codice 4 (categoria 4: zona da P - L/2 a P + L/2, fermata e marche "
            "di avvicinamento), valore1 -450 (inizio della zona -450 m), valore2 450 (fine della "
            "zona 450 m), valore3 0 (posizione 0 m), valore4 10200 (orario 2:50:00)");
  EXPECT_EQ(uso_slot(0, f.stazioni[0]), "riservato");
  EXPECT_EQ(uso_slot(2, f.stazioni[2]), "libero");
  stazione cartello;
  cartello.testo = "(PL km)(1+500)";
  EXPECT_EQ(uso_slot(80, cartello), "cartello");
  EXPECT_EQ(uso_slot(85, f.stazioni[85]), "linea");
}

TEST(Scarico, JsonDiUnaCella) {
  const FileDecodificato f = file_celle({.genere = kSegnale, .dato4 = 3});
  EXPECT_EQ(json_elemento(f, 1).dump(),
            R"({"cella":1,"inizio_m":0,"genere":1,"nome_genere":"segnale","dato1":0,"dato2":0,)"
            R"("dato3":0,"dato4":3,"tempo":0,"avvicinamento":0,"montagna":0,"vel_limite":0,)"
            R"("pendenza":0,"aderenza":0,"significato":{"dato1":"s1 0, d1 0","dato2":"s2 0, d2 0",)"
            R"("dato3":"s3 0, d3 0","dato4":"rapp 0, sx 1, dx 0","tempo":"nessuno, o sx diverso )"
            R"(da 2","vel_limite":"0 km/h","pendenza":"-100 ‰","aderenza":"come nel testo"}})");
}

TEST(Scarico, JsonDelPianoConValoriVuoti) {
  FileDecodificato f;
  f.nome = "x_linea.dat";
  f.tipo = TipoFile::kPiano;
  f.piano.x = {{TipoValore::kIntero, 0}, {TipoValore::kDoppio, 0.001}, {}};
  f.piano.y = {{TipoValore::kIntero, 1}, {TipoValore::kDoppio, 2.5}, {}};
  std::ostringstream out;
  scrivi_json_scarico(out, f);
  EXPECT_EQ(out.str(), R"({"file":"x_linea.dat","tipo":"piano","punti":[)"
                       R"({"punto":0,"tipo_x":"intero","x":0,"tipo_y":"intero","y":1},)"
                       R"({"punto":1,"tipo_x":"doppio","x":0.001,"tipo_y":"doppio","y":2.5},)"
                       R"({"punto":2,"tipo_x":"vuoto","x":null,"tipo_y":"vuoto","y":null}]})");
}

}  // namespace
}  // namespace progetto1::strumento
