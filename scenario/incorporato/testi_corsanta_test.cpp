#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/archivio_memoria.h"
#include "model/pacchetto.h"
#include "scenario/incorporato/curve_corsanta.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "scenario/scrittori/testi.h"

namespace progetto1 {
namespace {

using Record = std::vector<std::string>;

Pacchetto pacchetto() {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  return p;
}

std::vector<std::string> linea() { return righe_linea(pacchetto()); }
std::vector<std::string> treno() { return righe_treno(pacchetto()); }

// The fields of a record line, cut at the commas, blanks trimmed.
Record campi(const std::string& riga) {
  Record r;
  std::size_t inizio = 0;
  while (true) {
    const std::size_t virgola = riga.find(',', inizio);
    std::string campo = riga.substr(inizio, virgola - inizio);
    campo.erase(0, campo.find_first_not_of(' '));
    campo.erase(campo.find_last_not_of(' ') + 1);
    r.push_back(campo);
    if (virgola == std::string::npos) return r;
    inizio = virgola + 1;
  }
}

long numero(const std::string& campo) { return campo.empty() ? 0 : std::stol(campo); }

bool intestazione(const std::string& riga) { return !riga.empty() && riga.front() == '['; }

// The record lines under a heading, up to the next heading.
std::vector<Record> sezione(const std::vector<std::string>& righe, const std::string& titolo) {
  std::vector<Record> records;
  auto it = std::find(righe.begin(), righe.end(), titolo);
  if (it == righe.end()) return records;
  for (++it; it != righe.end() && !intestazione(*it); ++it) records.push_back(campi(*it));
  return records;
}

std::vector<std::string> righe_di(const std::vector<std::string>& righe,
                                  const std::string& titolo) {
  std::vector<std::string> fuori;
  auto it = std::find(righe.begin(), righe.end(), titolo);
  if (it == righe.end()) return fuori;
  for (++it; it != righe.end() && !intestazione(*it); ++it) fuori.push_back(*it);
  return fuori;
}

std::vector<long> colonna(const std::vector<Record>& records, std::size_t campo) {
  std::vector<long> valori;
  for (const Record& r : records) valori.push_back(numero(r.at(campo)));
  return valori;
}

std::set<long> insieme(const std::vector<long>& valori) { return {valori.begin(), valori.end()}; }

long cella_di(long posizione) { return posizione / 50 + 1; }

struct Zona {
  long inizio, fine;
};

// Platform zone of a station record; no station of this train has one of the
// categories 5 to 8, whose zones are laid out differently.
Zona zona(const Record& s) {
  const long p = numero(s[1]), banchina = numero(s[3]);
  return {p - banchina / 2, p + banchina / 2 + (numero(s[6]) != 0 ? 50 : 0)};
}

// ---------------------------------------------------------------------------
// The two files as the writers leave them.

TEST(TestiCorsanta, FileRigaPerRigaConCrLfInAsciiSette) {
  struct Caso {
    void (*scrivi)(Pacchetto&, Archivio&);
    std::vector<std::string> (*righe)();
    const char* nome;
    std::size_t numero_righe;
    const char* ultima;
  };
  const Caso casi[] = {
      {dati_linea, linea, "Corsanta_linea.txt", 154, "[fine]"},
      {dati_treno, treno, "Corsanta_7402-.txt", 90, "[fine]"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Pacchetto p = pacchetto();
    ArchivioMemoria archivio;
    c.scrivi(p, archivio);
    ASSERT_EQ(archivio.file.size(), 1u);
    const std::string& byte = archivio.file.at(c.nome);

    const std::vector<std::string> righe = c.righe();
    ASSERT_EQ(righe.size(), c.numero_righe);
    EXPECT_EQ(p.contatore, static_cast<std::int32_t>(c.numero_righe));
    EXPECT_EQ(righe.back(), c.ultima);
    std::string atteso;
    for (const std::string& r : righe) atteso += r + "\r\n";
    EXPECT_EQ(byte, atteso);

    for (const std::string& r : righe) {
      EXPECT_FALSE(r.empty());
      EXPECT_EQ(r.find(kSentinella), std::string::npos);
      for (unsigned char ch : r) EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << r;
    }
  }
}

// ---------------------------------------------------------------------------
// Literal lines at their places.

TEST(TestoLinea, RigheFisseAlLoroPosto) {
  const std::vector<std::string> righe = linea();
  ASSERT_EQ(righe.size(), 154u);
  const std::map<std::size_t, std::string> attese = {
      {0, "[generale]"},
      {1, "lunghezza percorso,    104300"},
      {2, "progressiva chilometrica uno,    0,    100800,    1"},
      {3, "progressiva chilometrica due,    100800,    190300,    1"},
      {4, "progressiva chilometrica tre,    0,    0,    0"},
      {5, "sfondo uno,    1"},
      {6, "sfondo due,    0"},
      {7, "sfondo tre,    0"},
      {8, "ripetizione segnali 4 codici,    0    ,0"},
      {9, "[curve]"},
      {10, "curvad5,  650,  600"},
      {11, "curvas5,  1350,  800"},
      {49, "[pendenze]"},
      {50, "pendenza,   0,    0"},
      {80, "pendenza,  101500,   0"},
      {81, "[montagne]"},
      {82, "montagna,   91050,  93400,  11"},
      {83, "[cartelli]"},
      {84, "indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0"},
      {96, "[indicazioni]"},
      {153, "[fine]"},
  };
  for (const auto& [indice, riga] : attese) EXPECT_EQ(righe[indice], riga) << "riga " << indice;

  const std::vector<std::string> curve = righe_curve_corsanta();
  EXPECT_EQ(std::vector<std::string>(righe.begin() + 10, righe.begin() + 49), curve);

  const struct {
    const char* titolo;
    const char* riga;
  } presenti[] = {
      {"[pendenze]", "pendenza,  11200,   -1"},
      {"[indicazioni]", "cartello_indicatore,  12800,   (PLA km)(88+016)"},
      {"[indicazioni]", "cartello_indicatore,  18600,   (PL km )(82+200)"},
  };
  for (const auto& c : presenti) {
    const std::vector<std::string> s = righe_di(righe, c.titolo);
    EXPECT_NE(std::find(s.begin(), s.end(), c.riga), s.end()) << c.riga;
  }
}

TEST(TestoTreno, RigheFisseAlLoroPosto) {
  const std::vector<std::string> righe = treno();
  ASSERT_EQ(righe.size(), 90u);
  const std::map<std::size_t, std::string> attese = {
      {0, "[generale]"},
      {1, "numero vetture,    14"},
      {2, "percentuale massa frenata,    125"},
      {3, "sabbia,    300"},
      {4, "orologio,    2               49            40 "},
      {5, "[aderenze]"},
      {6, "aderenza,       0,    70"},
      {7, "[vel_limite]"},
      {8, "velocita,   0,    30"},
      {9, "velocita,     700,   110"},
      {10, "velocita,    2150,   130"},
      {20, "velocita,   60850,   135"},
      {21, "[stazioni]"},
      {44, "[rallentamenti]"},
      {45, "rallentamento,    8350,    40,  300, 0,  1,  0"},
      {46, "rallentamento,   81500,    30,  250, 0,  1,  0"},
      {47, "[segnali]"},
      {48, "segnale,    7200,   2, 4, 1,  0, 0,    0,  0,0,0, 0"},
      {87, "segnale,  100900,   2, 2, 3,  1, 0,    2,  2,1,1, 0"},
      {88, "[codici]"},
      {89, "[fine]"},
  };
  for (const auto& [indice, riga] : attese) EXPECT_EQ(righe[indice], riga) << "riga " << indice;

  // The first and the last station: fixed fields, one blank, the name.
  const struct {
    std::size_t indice;
    const char* inizio;
  } stazioni[] = {
      {22, "stazione,       0,  4,  900,  1, 0, 0,  4,1,0,  2,1,1,    1,   2,50, 0, "},
      {43, "stazione,  102300,  2,  700,  0, 0, 0,  1,1,0,  2,1,1,    0,   3,44, 0, "},
  };
  for (const auto& s : stazioni) {
    EXPECT_EQ(righe[s.indice].rfind(s.inizio, 0), 0u) << righe[s.indice];
    EXPECT_GT(righe[s.indice].size(), std::string(s.inizio).size());
  }

  const std::vector<std::string> segnali = righe_di(righe, "[segnali]");
  for (const char* riga : {"segnale,   30400,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
                           "segnale,   34550,   2, 2, 3,  1, 0,    0,  0,0,0, 120"}) {
    EXPECT_NE(std::find(segnali.begin(), segnali.end(), riga), segnali.end()) << riga;
  }
}

TEST(TestiCorsanta, IntestazioniInOrdine) {
  auto titoli = [](const std::vector<std::string>& righe) {
    std::vector<std::string> t;
    for (const std::string& r : righe)
      if (intestazione(r)) t.push_back(r);
    return t;
  };
  EXPECT_EQ(titoli(linea()),
            (std::vector<std::string>{"[generale]", "[curve]", "[pendenze]", "[montagne]",
                                      "[cartelli]", "[indicazioni]", "[fine]"}));
  EXPECT_EQ(titoli(treno()),
            (std::vector<std::string>{"[generale]", "[aderenze]", "[vel_limite]", "[stazioni]",
                                      "[rallentamenti]", "[segnali]", "[codici]", "[fine]"}));
}

// ---------------------------------------------------------------------------
// Counts, ranges and orders of each record kind.

TEST(TestiCorsanta, QuantitaIntervalliEOrdineDeiRecord) {
  struct Caso {
    bool del_treno;
    const char* titolo;
    const char* parola;
    std::size_t quanti, campi;
    long prima, ultima;
  };
  const Caso casi[] = {
      {false, "[pendenze]", "pendenza", 31, 3, 0, 101500},
      {false, "[montagne]", "montagna", 1, 4, 91050, 91050},
      {false, "[cartelli]", "indicatori_vmax", 12, 10, 700, 99900},
      {false, "[indicazioni]", "cartello_indicatore", 56, 3, 650, 101500},
      {true, "[aderenze]", "aderenza", 1, 3, 0, 0},
      {true, "[vel_limite]", "velocita", 13, 3, 0, 60850},
      {true, "[stazioni]", "stazione", 22, 18, 0, 102300},
      {true, "[rallentamenti]", "rallentamento", 2, 7, 8350, 81500},
      {true, "[segnali]", "segnale", 40, 12, 7200, 100900},
  };
  const std::vector<std::string> righe_linea_ = linea(), righe_treno_ = treno();
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.titolo);
    const std::vector<std::string>& righe = c.del_treno ? righe_treno_ : righe_linea_;
    const std::vector<Record> records = sezione(righe, c.titolo);
    ASSERT_EQ(records.size(), c.quanti);
    // No record of this kind stands outside its section.
    EXPECT_EQ(std::count_if(righe.begin(), righe.end(),
                            [&](const std::string& r) { return campi(r)[0] == c.parola; }),
              static_cast<std::ptrdiff_t>(c.quanti));
    for (const Record& r : records) {
      EXPECT_EQ(r[0], c.parola);
      EXPECT_EQ(r.size(), c.campi) << r[0] << " " << r[1];
    }
    const std::vector<long> posizioni = colonna(records, 1);
    EXPECT_EQ(posizioni.front(), c.prima);
    EXPECT_EQ(posizioni.back(), c.ultima);
    for (std::size_t i = 0; i < posizioni.size(); ++i) {
      EXPECT_EQ(posizioni[i] % 50, 0) << posizioni[i];
      if (i > 0) {
        EXPECT_LT(posizioni[i - 1], posizioni[i]);
      }
    }
  }
}

TEST(TestoLinea, PendenzeETabelleDiVelocita) {
  const std::vector<std::string> righe = linea();
  const std::vector<long> pendenze = colonna(sezione(righe, "[pendenze]"), 2);
  EXPECT_EQ(*std::min_element(pendenze.begin(), pendenze.end()), -9);
  EXPECT_EQ(*std::max_element(pendenze.begin(), pendenze.end()), 9);

  std::vector<long> velocita;
  for (const Record& r : sezione(righe, "[cartelli]")) {
    for (std::size_t i : {2u, 3u, 4u}) velocita.push_back(numero(r[i]));
    EXPECT_EQ(r[5], "0");
    for (std::size_t i : {6u, 7u, 8u}) EXPECT_EQ(r[i], "") << r[1];
    EXPECT_EQ(r[9], "0");
  }
  for (long v : velocita) EXPECT_EQ(v % 5, 0) << v;
  EXPECT_EQ(*std::min_element(velocita.begin(), velocita.end()), 60);
  EXPECT_EQ(*std::max_element(velocita.begin(), velocita.end()), 135);
}

// Level-crossing signs read the chainage of range one (100800 at position 0,
// falling), the others name a place; all fit the station table's text slots.
TEST(TestoLinea, Cartelli) {
  int passaggi = 0;
  for (const Record& r : sezione(linea(), "[indicazioni]")) {
    const long p = numero(r[1]);
    const std::string& scritta = r[2];
    SCOPED_TRACE(scritta);
    EXPECT_LE(scritta.size(), 45u);
    std::vector<std::string> gruppi;
    for (std::size_t i = 0; i < scritta.size();) {
      ASSERT_EQ(scritta[i], '(');
      const std::size_t chiusa = scritta.find(')', i);
      ASSERT_NE(chiusa, std::string::npos);
      gruppi.push_back(scritta.substr(i, chiusa + 1 - i));
      i = chiusa + 1;
    }
    EXPECT_TRUE(gruppi.size() == 2 || gruppi.size() == 3);
    for (const std::string& g : gruppi) EXPECT_LE(g.size(), 13u);

    if (gruppi[0].find("km") == std::string::npos) continue;
    ++passaggi;
    EXPECT_TRUE(gruppi[0] == "(PL km )" || gruppi[0] == "(PL km)" || gruppi[0] == "(PLA km)");
    ASSERT_EQ(gruppi.size(), 2u);
    const std::size_t piu = gruppi[1].find('+');
    ASSERT_NE(piu, std::string::npos);
    ASSERT_EQ(gruppi[1].size() - piu, 5u);  // "+" three digits ")"
    const long chilometri = std::stol(gruppi[1].substr(1, piu - 1));
    const long metri = std::stol(gruppi[1].substr(piu + 1, 3));
    EXPECT_LE(std::labs(chilometri * 1000 + metri - (100800 - p)), 50) << p;
  }
  EXPECT_EQ(passaggi, 42);
}

// ---------------------------------------------------------------------------
// The train's values.

TEST(TestoTreno, VelocitaESegnali) {
  const std::vector<std::string> righe = treno();
  EXPECT_EQ(insieme(colonna(sezione(righe, "[vel_limite]"), 2)),
            (std::set<long>{30, 60, 110, 120, 130, 135}));

  const std::vector<Record> segnali = sezione(righe, "[segnali]");
  const std::vector<long> sx = colonna(segnali, 2);
  EXPECT_EQ(std::count(sx.begin(), sx.end(), 1), 17);
  EXPECT_EQ(std::count(sx.begin(), sx.end(), 2), 23);
  const struct {
    std::size_t campo;
    long minimo, massimo;
  } intervalli[] = {{3, 2, 5}, {4, 0, 6}, {5, 0, 1}, {6, 0, 0}};  // s1, s2, s3, rapp
  for (const auto& c : intervalli) {
    const std::set<long> v = insieme(colonna(segnali, c.campo));
    EXPECT_EQ(*v.begin(), c.minimo) << "campo " << c.campo;
    EXPECT_EQ(*v.rbegin(), c.massimo) << "campo " << c.campo;
  }
  int con_d = 0, con_tempo = 0;
  for (const Record& s : segnali) {
    const bool d =
        numero(s[7]) != 0 || numero(s[8]) != 0 || numero(s[9]) != 0 || numero(s[10]) != 0;
    if (d) {
      ++con_d;
      EXPECT_NE(numero(s[7]), 0) << s[1];  // d values only with a dx
    }
    const long tempo = numero(s[11]);
    EXPECT_TRUE(tempo == 0 || tempo == 120) << s[1];
    con_tempo += tempo == 120;
  }
  EXPECT_EQ(con_d, 4);
  EXPECT_EQ(con_tempo, 1);
}

TEST(TestoTreno, Stazioni) {
  const std::vector<Record> stazioni = sezione(treno(), "[stazioni]");
  ASSERT_EQ(stazioni.size(), 22u);

  std::map<long, int> categorie;
  for (const Record& s : stazioni) ++categorie[numero(s[2])];
  EXPECT_EQ(categorie, (std::map<long, int>{
                           {2, 1}, {4, 3}, {12, 3}, {22, 2}, {24, 1}, {26, 4}, {27, 2}, {28, 6}}));
  EXPECT_EQ(numero(stazioni.front()[2]), 4);
  EXPECT_EQ(numero(stazioni.back()[2]), 2);

  const std::vector<long> banchine = colonna(stazioni, 3);
  for (long b : banchine) EXPECT_EQ(b % 100, 0) << b;
  EXPECT_EQ(*std::min_element(banchine.begin(), banchine.end()), 200);
  EXPECT_EQ(*std::max_element(banchine.begin(), banchine.end()), 900);

  // Fields 4 to 13: the exact set of values each one uses.
  const std::map<std::size_t, std::set<long>> valori = {
      {4, {0, 1}}, {5, {0}},        {6, {0, 1}},     {7, {0, 1, 4}}, {8, {0, 1}},
      {9, {0}},    {10, {0, 2, 4}}, {11, {0, 1, 4}}, {12, {0, 1}},   {13, {0, 1, 2}},
  };
  for (const auto& [campo, atteso] : valori)
    EXPECT_EQ(insieme(colonna(stazioni, campo)), atteso) << "campo " << campo;
  const std::vector<long> selettore = colonna(stazioni, 4), marca3 = colonna(stazioni, 6);
  EXPECT_EQ(std::count(selettore.begin(), selettore.end(), 1), 1);
  EXPECT_EQ(selettore.front(), 1);
  EXPECT_EQ(std::count(marca3.begin(), marca3.end(), 1), 2);
  EXPECT_EQ(marca3.front(), 0);

  // Timetable: four stations carry a time, each with its field 13.
  struct Orario {
    long ore, minuti, campo13;
  };
  std::vector<std::size_t> con_orario;
  for (std::size_t i = 0; i < stazioni.size(); ++i) {
    EXPECT_EQ(numero(stazioni[i][16]), 0);
    if (numero(stazioni[i][14]) != 0 || numero(stazioni[i][15]) != 0) con_orario.push_back(i);
  }
  ASSERT_EQ(con_orario.size(), 4u);
  EXPECT_EQ(con_orario[0], 0u);
  EXPECT_EQ(con_orario[1], 1u);
  EXPECT_EQ(con_orario[3], 21u);
  const Orario attesi[] = {{2, 50, 1}, {2, 50, 1}, {3, 5, 2}, {3, 44, 0}};
  for (std::size_t k = 0; k < 4; ++k) {
    const Record& s = stazioni[con_orario[k]];
    EXPECT_EQ(numero(s[14]), attesi[k].ore) << s[17];
    EXPECT_EQ(numero(s[15]), attesi[k].minuti) << s[17];
    EXPECT_EQ(numero(s[13]), attesi[k].campo13) << s[17];
  }

  std::set<std::string> nomi;
  for (const Record& s : stazioni) {
    const std::string& nome = s[17];
    EXPECT_FALSE(nome.empty());
    for (char ch : nome) EXPECT_TRUE((ch >= 'A' && ch <= 'Z') || ch == ' ') << nome;
    nomi.insert(nome);
  }
  EXPECT_EQ(nomi.size(), stazioni.size());
}

// Zones, stop marks and the 350 m rule, as the train reader derives them.
TEST(TestoTreno, ZoneEFermate) {
  const std::vector<Record> stazioni = sezione(treno(), "[stazioni]");
  std::vector<long> fermate, distanze;
  for (std::size_t i = 0; i < stazioni.size(); ++i) {
    const Record& s = stazioni[i];
    const Zona z = zona(s);
    if (numero(s[2]) < 25) fermate.push_back(z.fine / 50 - 1);
    if (i > 0) distanze.push_back(z.inizio - zona(stazioni[i - 1]).fine);
    if (numero(s[1]) == 76300) {
      EXPECT_EQ(z.inizio, 76100);
      EXPECT_EQ(z.fine, 76550);
    }
  }
  EXPECT_EQ(zona(stazioni.front()).inizio, -450);
  EXPECT_EQ(zona(stazioni.front()).fine, 450);
  EXPECT_EQ(fermate, (std::vector<long>{8, 167, 386, 480, 721, 1200, 1530, 1645, 1772, 2052}));
  for (long d : distanze) EXPECT_GE(d, 350);
  EXPECT_EQ(*std::min_element(distanze.begin(), distanze.end()), 1000);
  EXPECT_EQ(*std::max_element(distanze.begin(), distanze.end()), 8350);

  // Station slots from 1 upward and sign slots from 80 downward must not meet.
  EXPECT_LE(stazioni.size() + sezione(linea(), "[indicazioni]").size(), 78u);
}

// ---------------------------------------------------------------------------
// Track cells: every feature of both texts on a cell of its own, and room
// left for the code points that the finishing stage adds.

struct Celle {
  std::map<long, std::string> occupate;
  std::vector<long> segnali, avvisi, inizi, fini;
};

Celle celle_occupate() {
  Celle c;
  std::vector<std::string> doppie;
  auto occupa = [&](long cella, const std::string& cosa) {
    if (!c.occupate.emplace(cella, cosa).second)
      doppie.push_back(std::to_string(cella) + ": " + c.occupate[cella] + " / " + cosa);
  };
  const std::vector<std::string> l = linea(), t = treno();
  for (const Record& r : sezione(l, "[cartelli]"))
    occupa(cella_di(numero(r[1])), "tabella " + r[1]);
  for (const Record& r : sezione(l, "[indicazioni]"))
    occupa(cella_di(numero(r[1])), "cartello " + r[1]);
  for (const Record& s : sezione(t, "[stazioni]"))
    if (numero(s[2]) < 25) occupa(zona(s).fine / 50 - 1, "fermata " + s[17]);
  for (const Record& r : sezione(t, "[rallentamenti]")) {
    const long x = numero(r[1]), avviso = cella_di(x - 1200);
    c.inizi.push_back(cella_di(x));
    c.fini.push_back(cella_di(x + numero(r[3])));
    c.avvisi.push_back(avviso);
    occupa(c.inizi.back(), "inizio " + r[1]);
    occupa(c.fini.back(), "fine " + r[1]);
    occupa(avviso, "avviso " + r[1]);
    for (long k = 1; k <= 4; ++k) occupa(avviso - k, "preavviso " + r[1]);
  }
  for (const Record& r : sezione(t, "[segnali]")) {
    c.segnali.push_back(cella_di(numero(r[1])));
    occupa(c.segnali.back(), "segnale " + r[1]);
  }
  EXPECT_TRUE(doppie.empty()) << ::testing::PrintToString(doppie);
  return c;
}

TEST(TestiCorsanta, OgniElementoSuUnaCellaPropria) {
  const Celle c = celle_occupate();
  EXPECT_EQ(c.occupate.size(), 12u + 56u + 10u + 2u * 7u + 40u);
  // Cell 1 receives the package values at the end; nothing may claim it.
  EXPECT_GT(c.occupate.begin()->first, 1);
}

TEST(TestiCorsanta, SpazioPerIPuntiDiCodifica) {
  const Celle c = celle_occupate();
  auto libera = [&](long cella) { return c.occupate.count(cella) == 0; };
  for (std::size_t i = 0; i < c.inizi.size(); ++i) {
    const long inizio = c.inizi[i], fine = c.fini[i];
    SCOPED_TRACE(inizio);
    for (long d : {5, 11, 18})
      EXPECT_TRUE(libera(inizio - d) || libera(inizio - d - 1) || libera(inizio - d - 2)) << d;
    for (long k = inizio + 8; k <= fine; k += 8)
      EXPECT_TRUE(libera(k) || libera(k - 1) || libera(k + 1)) << k;
    for (long g = fine; g <= fine + 12; ++g) {
      if (std::find(c.segnali.begin(), c.segnali.end(), g) == c.segnali.end()) continue;
      EXPECT_TRUE(libera(g - 1) || libera(g - 2)) << g;
      break;
    }
    for (long s : c.segnali) {
      if (s >= c.avvisi[i] - 20 && s < c.avvisi[i]) {
        EXPECT_TRUE(libera(s - 1) || libera(s - 2)) << s;
      }
    }
  }
}

}  // namespace
}  // namespace progetto1
