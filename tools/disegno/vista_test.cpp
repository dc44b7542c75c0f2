#include "tools/disegno/vista.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>
#include <vector>

#include "model/numeri.h"
#include "tools/prova/strumento.h"
#include "vista_sorgenti.h"

namespace progetto1::strumento {
namespace {

using prova::esegui;
using prova::leggi;
using prova::fs::path;
using Json = nlohmann::ordered_json;

class Vista : public prova::StrumentoProva {};

// The data inline in the page, as the page's script reads it.
Json dati_pagina(const std::string& html) {
  const std::string apertura = "<script type=\"application/json\" id=\"dati\">";
  const std::size_t da = html.find(apertura) + apertura.size();
  return Json::parse(html.substr(da, html.find("</script>", da) - da));
}

TEST_F(Vista, CelleEDiagnosticheComeLeDannoDumpECheck) {
  testi(prova::linea_prova(), prova::treno_segnale_doppio());
  ASSERT_NE(compile(compile_args()).stato, 2);
  const path pagina = cartella_ / "vista" / "prova.html";
  const prova::Esito e =
      esegui({"view", "--dir", uscita_.string(), "--name", "Prova", "--number", "11", "--out",
              pagina.string(), "--line", linea_.string(), "--train", treno_.string()});
  ASSERT_EQ(e.stato, 0) << e.err;
  const std::string html = leggi(pagina);
  EXPECT_EQ(html.find("http://"), std::string::npos);
  EXPECT_EQ(html.find("https://"), std::string::npos);
  const Json d = dati_pagina(html);

  const prova::Esito dump = esegui({"dump", (uscita_ / "Prova_11.dat").string(), "--json"});
  ASSERT_EQ(dump.stato, 0);
  const Json celle = Json::parse(dump.out)["files"][0]["celle"];
  ASSERT_EQ(d["celle"].size(), celle.size());
  for (std::size_t i = 0; i < celle.size(); ++i) {
    Json riga;
    for (std::size_t k = 0; k < d["campi_cella"].size(); ++k) {
      riga[d["campi_cella"][k].get<std::string>()] = d["celle"][i][k];
    }
    ASSERT_EQ(riga, celle[i]) << "cella " << i;
  }

  // The second signal on the first one's cell: listed with its line, at the cell of 2500 m.
  const Json check = Json::parse(
      esegui({"check", "--line", linea_.string(), "--train", treno_.string(), "--format", "json"})
          .out)["diagnostics"];
  ASSERT_EQ(d["diagnostiche"].size(), check.size());
  ASSERT_FALSE(check.empty());
  bool segnale = false;
  for (std::size_t i = 0; i < check.size(); ++i) {
    EXPECT_EQ(d["diagnostiche"][i]["file"], check[i]["file"]);
    EXPECT_EQ(d["diagnostiche"][i]["riga"], check[i]["line"]);
    EXPECT_EQ(d["diagnostiche"][i]["id"], check[i]["id"]);
    if (check[i]["line"] == prova::kRigaSegnale + 1) {
      segnale = true;
      EXPECT_EQ(d["diagnostiche"][i]["cella"], 2500 / 50 + 1);
    }
  }
  EXPECT_TRUE(segnale);
}

// The line of a text that begins with `inizio`, 1-based.
long riga_di(const prova::Righe& righe, std::string_view inizio) {
  const auto r = std::find_if(righe.begin(), righe.end(),
                              [&](const std::string& x) { return x.starts_with(inizio); });
  EXPECT_NE(r, righe.end()) << inizio;
  return r - righe.begin() + 1;
}

// The lines that wrote field `campo` of cell c, as "file:riga testo".
std::vector<std::string> righe_della_cella(const Json& sorgenti, long c, const std::string& campo) {
  std::vector<std::string> v;
  for (const Json& x : sorgenti["celle"]) {
    if (x[0] <= c && c <= x[1] && x[2] == campo) {
      const Json& r = sorgenti["righe"][x[3].get<std::size_t>()];
      v.push_back(r[0].get<std::string>() + ":" + std::to_string(r[1].get<long>()) + " " +
                  r[2].get<std::string>());
    }
  }
  return v;
}

// Each cell names the line whose record took it and the lines whose values
// lie over it; a field that no record wrote names none.
TEST_F(Vista, OgniCellaNominaLeRigheDeiTestiCheLaFanno) {
  const prova::Righe linea = prova::linea_prova();
  const prova::Righe treno = prova::treno_prova();
  const EsitoVerifica e =
      verifica(prova::unisci(linea), prova::unisci(treno), "Prova", "11", "l.txt", "t.txt");
  const Json d = dati_vista(prova::dati_prova(true), &e);
  const Json& sorgenti = d["sorgenti"];
  const auto nella = [](const prova::Righe& righe, const char* file, long n) {
    return std::vector<std::string>{std::string(file) + ":" + std::to_string(n) + " " +
                                    righe[static_cast<std::size_t>(n - 1)]};
  };
  const long segnale = d["segnali"][0][0];
  const long fermata = d["fermate"][0][0];
  const long alfa = riga_di(treno, "stazione,    1000");
  struct Caso {
    const char* cosa;
    long cella;
    const char* campo;
    std::vector<std::string> righe;
  };
  const Caso casi[] = {
      {"segnale", segnale, "genere", nella(treno, "t.txt", prova::kRigaSegnale)},
      {"prima marca del segnale", segnale - 2, "avvicinamento",
       nella(treno, "t.txt", prova::kRigaSegnale)},
      {"fermata di Alfa", fermata, "genere", nella(treno, "t.txt", alfa)},
      {"prima marca di Alfa", fermata - 1, "avvicinamento", nella(treno, "t.txt", alfa)},
      {"fermata di Beta", d["fermate"][1][0], "genere",
       nella(treno, "t.txt", riga_di(treno, "stazione,    4000"))},
      {"indicatore", d["indicatori"][0][0], "genere",
       nella(linea, "l.txt", riga_di(linea, "indicatori_vmax"))},
      {"cartello", d["cartelli"][0][0], "genere",
       nella(linea, "l.txt", riga_di(linea, "cartello_indicatore"))},
      {"pendenza da 0", cella_di(500), "pendenza",
       nella(linea, "l.txt", riga_di(linea, "pendenza,   0,"))},
      // A gradient lies on the cells from its position / 50 on.
      {"ultima cella della pendenza da 0", 2000 / 50 - 1, "pendenza",
       nella(linea, "l.txt", riga_di(linea, "pendenza,   0,"))},
      {"prima cella della pendenza da 2000", 2000 / 50, "pendenza",
       nella(linea, "l.txt", riga_di(linea, "pendenza,   2000,"))},
      {"pendenza fino alla fine", static_cast<long>(d["celle"].size()) - 4, "pendenza",
       nella(linea, "l.txt", riga_di(linea, "pendenza,   2000,"))},
      {"velocità da 0", cella_di(500), "vel_limite",
       nella(treno, "t.txt", riga_di(treno, "velocita,   0,"))},
      {"velocità da 1000", cella_di(3000), "vel_limite",
       nella(treno, "t.txt", riga_di(treno, "velocita,   1000,"))},
      {"aderenza", cella_di(3000), "aderenza", nella(treno, "t.txt", riga_di(treno, "aderenza,"))},
      {"montagna", cella_di(3200), "montagna", nella(linea, "l.txt", riga_di(linea, "montagna,"))},
      {"nessun elemento", cella_di(3200), "genere", {}},
      {"nessuna montagna", cella_di(2000), "montagna", {}},
      {"ultime celle senza velocità", static_cast<long>(d["celle"].size()) - 1, "vel_limite", {}},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(righe_della_cella(sorgenti, c.cella, c.campo), c.righe)
        << c.cosa << ", cella " << c.cella;
  }
  // Each line once.
  std::set<std::pair<std::string, long>> viste;
  for (const Json& r : sorgenti["righe"]) {
    EXPECT_TRUE(viste.emplace(r[0].get<std::string>(), r[1].get<long>()).second) << r;
  }

  // Beta's name goes into the page only inside the data, escaped there.
  const std::string html = pagina_vista(prova::dati_prova(true), &e);
  EXPECT_EQ(html.find("<Gamma>"), std::string::npos);
  EXPECT_EQ(dati_pagina(html)["sorgenti"], sorgenti);

  // Without the texts the page has no lines to name.
  EXPECT_TRUE(dati_vista(prova::dati_prova(true), nullptr)["sorgenti"].is_null());
}

// The chainage range of each cell's start: the one with the greatest start
// not beyond it, its chainage as the text wrote it (the table holds 100 m
// more for flag 1); none before the first range starts.
TEST_F(Vista, LaTrattaDiProgressivaDiOgniCella) {
  DatiMappa dati = prova::dati_prova(false);
  dati.stazioni[81].valore1 = 2000;
  dati.stazioni[81].valore2 = 190400;
  dati.stazioni[81].valore3 = 1;
  dati.stazioni[82].valore1 = 50;
  dati.stazioni[82].valore2 = 100800;
  const Json d = dati_vista(dati, nullptr);
  const auto tratta = [&](long c) -> Json {
    for (const Json& x : d["tratte"]["celle"]) {
      if (x[0] <= c && c <= x[1]) return d["tratte"]["voci"][x[2].get<std::size_t>()];
    }
    return nullptr;
  };
  const struct {
    long cella;
    long inizio;  // -1: none
    const char* scritta;
  } casi[] = {
      {0, -1, ""},           {1, -1, ""},
      {2, 50, "100+800"},    {40, 50, "100+800"},
      {41, 2000, "190+300"}, {static_cast<long>(d["celle"].size()) - 1, 2000, "190+300"},
  };
  for (const auto& c : casi) {
    const Json t = tratta(c.cella);
    if (c.inizio < 0) {
      EXPECT_TRUE(t.is_null()) << "cella " << c.cella << ": " << t;
    } else {
      ASSERT_FALSE(t.is_null()) << "cella " << c.cella;
      EXPECT_EQ(t["inizio"], c.inizio) << "cella " << c.cella;
      EXPECT_EQ(t["scritta"], c.scritta) << "cella " << c.cella;
    }
  }
}

// The station list carries what the stored category and time mean.
TEST_F(Vista, LeStazioniConCategoriaEOrarioDecodificati) {
  const Json d = dati_vista(prova::dati_prova(false), nullptr);
  ASSERT_EQ(d["stazioni"].size(), 2u);
  const struct {
    const char* nome;
    const char* codice;
    const char* valore4;
  } attese[] = {
      {"Alfa", "categoria 4: zona da P - L/2 a P + L/2, fermata e marche di avvicinamento",
       "orario 8:00:00"},
      {"Beta & <Gamma>",
       "categoria 12: zona da P - L/2 a P + L/2, fermata e marche di avvicinamento",
       "orario 8:05:00"},
  };
  for (std::size_t i = 0; i < std::size(attese); ++i) {
    const Json& s = d["stazioni"][i];
    EXPECT_EQ(s["nome"], attese[i].nome);
    EXPECT_EQ(s["significato"]["codice"], attese[i].codice);
    EXPECT_EQ(s["significato"]["valore4"], attese[i].valore4);
  }
}

TEST_F(Vista, UnNomeCheChiudeloScriptNonEsceDaiDati) {
  testi(prova::linea_prova(), prova::treno_prova());
  ASSERT_NE(compile(compile_args()).stato, 2);
  DatiMappa dati = prova::dati_prova(true);
  dati.nome_linea = "</script><script>x()</script> {{DATI}}";
  const std::string html = pagina_vista(dati, nullptr);
  EXPECT_EQ(dati_pagina(html)["titolo"], "Linea " + dati.nome_linea + " · treno 11");
  EXPECT_EQ(html.find("<script>x()"), std::string::npos);
}

// The script's parts all in the one script element after the data, whole and
// in their order: they share one scope, and the last one starts the page.
TEST_F(Vista, LoScriptHaOgniParteInOrdine) {
  const std::string html = pagina_vista(prova::dati_prova(true), nullptr);
  const std::size_t dati = html.find("</script>", html.find("id=\"dati\""));
  ASSERT_NE(dati, std::string::npos);
  std::size_t da = html.find("<script>", dati);
  ASSERT_NE(da, std::string::npos);
  const std::size_t fine = html.find("</script>", da);
  ASSERT_NE(fine, std::string::npos);
  for (std::size_t i = 0; i < std::size(vista::k_js); ++i) {
    const std::size_t k = html.find(vista::k_js[i], da);
    ASSERT_LT(k, fine) << "parte " << i;
    da = k + std::strlen(vista::k_js[i]);
  }
}

}  // namespace
}  // namespace progetto1::strumento
