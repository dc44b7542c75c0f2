#include "tools/disegno/vista.h"

#include <gtest/gtest.h>

#include <cstring>

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
