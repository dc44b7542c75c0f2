#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/lsp/messaggi.h"
#include "tools/lsp/server.h"
#include "tools/lsp/spazio.h"
#include "tools/prova/strumento.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento::lsp {
namespace {

using Json = nlohmann::json;

std::string incornicia(const Json& m) {
  std::ostringstream out;
  scrivi_messaggio(out, m);
  return out.str();
}

Json richiesta(int id, const std::string& metodo, Json parametri = Json::object()) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"method", metodo}, {"params", parametri}};
}

Json notifica(const std::string& metodo, Json parametri) {
  return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", parametri}};
}

// A whole session: the messages in, every message out.
struct Sessione {
  int stato = -1;
  std::vector<Json> uscita;

  const Json* risposta(int id) const {
    for (const Json& m : uscita) {
      if (m.contains("id") && m["id"] == id) return &m;
    }
    return nullptr;
  }
  std::vector<Json> diagnostiche(const std::string& uri) const {
    std::vector<Json> d;
    for (const Json& m : uscita) {
      if (m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["uri"] == uri) {
        d = m["params"]["diagnostics"].get<std::vector<Json>>();
      }
    }
    return d;
  }
};

Sessione sessione(const std::vector<Json>& messaggi, bool fine = true) {
  std::string in = incornicia(richiesta(0, "initialize", {{"capabilities", Json::object()}}));
  for (const Json& m : messaggi) in += incornicia(m);
  if (fine) in += incornicia(richiesta(999, "shutdown")) + incornicia(notifica("exit", nullptr));
  std::istringstream ingresso(in);
  std::ostringstream uscita;
  Sessione s;
  s.stato = servi(ingresso, uscita);
  std::istringstream risposte(uscita.str());
  while (const std::optional<std::string> corpo = leggi_messaggio(risposte)) {
    s.uscita.push_back(Json::parse(*corpo));
  }
  return s;
}

class Lsp : public prova::CartellaProva {
 protected:
  std::string uri(const std::string& nome) const { return uri_percorso(cartella_ / nome); }
  Json apri(const std::string& nome, const std::string& testo) const {
    return notifica(
        "textDocument/didOpen",
        {{"textDocument",
          {{"uri", uri(nome)}, {"languageId", "scenario"}, {"version", 1}, {"text", testo}}}});
  }
};

TEST(Cornice, MessaggiInteriSpezzatiETroncati) {
  const std::string due = incornicia({{"a", 1}}) + incornicia({{"b", "è"}});
  std::istringstream in(due);
  EXPECT_EQ(leggi_messaggio(in), std::optional<std::string>(R"({"a":1})"));
  EXPECT_EQ(leggi_messaggio(in), std::optional<std::string>(R"({"b":"è"})"));
  EXPECT_EQ(leggi_messaggio(in), std::nullopt);
  for (const char* rotto : {"Content-Length: 10\r\n\r\n{}", "Content-Type: x\r\n\r\n{}",
                            "Content-Length: -1\r\n\r\n", "Content-Length: 99999999999\r\n\r\n"}) {
    std::istringstream r(rotto);
    EXPECT_EQ(leggi_messaggio(r), std::nullopt) << rotto;
  }
}

TEST(NomiDeiTesti, LineaTrenoEAltri) {
  const auto linea = nome_testo("/a/Valdera_linea.txt");
  ASSERT_TRUE(linea);
  EXPECT_EQ(linea->testo, catalogo::Testo::kLinea);
  EXPECT_EQ(linea->nome_linea, "Valdera");
  const auto treno = nome_testo("/a/Val_dera_2211-.txt");
  ASSERT_TRUE(treno);
  EXPECT_EQ(treno->nome_linea, "Val_dera");
  EXPECT_EQ(treno->numero_treno, "2211");
  EXPECT_FALSE(nome_testo("/a/note.txt"));
  EXPECT_FALSE(nome_testo("/a/_linea.txt"));
  EXPECT_EQ(percorso_uri("file:///a/b%20c/Prova_linea.txt"),
            std::optional<std::filesystem::path>("/a/b c/Prova_linea.txt"));
  EXPECT_EQ(percorso_uri(uri_percorso(percorso("/a/b c/Città_linea.txt"))),
            std::optional<std::filesystem::path>(percorso("/a/b c/Città_linea.txt")));
}

// Opening the line text reads its partner from disk; a change to the train
// text checks both again, each diagnostic at its line and column.
TEST_F(Lsp, DiagnosticheDellaCoppiaAOgniModifica) {
  prova::scrivi(cartella_ / "Prova_11-.txt", prova::unisci(prova::treno_prova()));
  const std::string linea = prova::unisci(prova::linea_prova());
  prova::Righe treno = prova::treno_prova();
  treno.insert(treno.begin() + prova::kRigaSegnale,
               "segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0");
  const Sessione s =
      sessione({apri("Prova_linea.txt", linea),
                notifica("textDocument/didChange",
                         {{"textDocument", {{"uri", uri("Prova_11-.txt")}, {"version", 2}}},
                          {"contentChanges", {{{"text", prova::unisci(treno)}}}}})});
  EXPECT_EQ(s.stato, 0);
  const Json* init = s.risposta(0);
  ASSERT_NE(init, nullptr);
  EXPECT_EQ((*init)["result"]["capabilities"]["textDocumentSync"]["change"], 1);
  EXPECT_TRUE(s.diagnostiche(uri("Prova_linea.txt")).empty());
  const std::vector<Json> d = s.diagnostiche(uri("Prova_11-.txt"));
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["code"], "E16");
  EXPECT_EQ(d[0]["severity"], 1);
  EXPECT_EQ(d[0]["range"]["start"]["line"], prova::kRigaSegnale);
  EXPECT_EQ(d[0]["range"]["start"]["character"], 0);
}

// A character the package's code page has not is a diagnostic, not a crash.
TEST_F(Lsp, CarattereFuoriDallaCodifica) {
  prova::scrivi(cartella_ / "Prova_linea.txt", prova::unisci(prova::linea_prova()));
  prova::Righe treno = prova::treno_prova();
  treno[11] = "stazione,    1000,  4,  300,  1, 0, 0,  0,0,0,  0,0,0,    0,   8,0, 0, Ålfa ☃";
  const Sessione s = sessione({apri("Prova_11-.txt", prova::unisci(treno))});
  const std::vector<Json> d = s.diagnostiche(uri("Prova_11-.txt"));
  ASSERT_FALSE(d.empty());
  EXPECT_EQ(d[0]["code"], "carattere-non-cp1252");
  EXPECT_EQ(d[0]["range"]["start"]["line"], 11);
  EXPECT_EQ(d[0]["range"]["start"]["character"], 76);  // the snowman; "Å" is in the code page
}

TEST_F(Lsp, HoverSullaParolaChiaveESulValore) {
  const std::string testo = "[generale]\r\nnumero vetture,  5\r\nvelocita,   1000,   110\r\n";
  const Json dove = {{"textDocument", {{"uri", uri("Prova_11-.txt")}}}};
  Json su_chiave = dove;
  su_chiave["position"] = {{"line", 2}, {"character", 3}};
  Json su_valore = dove;
  su_valore["position"] = {{"line", 2}, {"character", 20}};
  const Sessione s =
      sessione({apri("Prova_11-.txt", testo), richiesta(1, "textDocument/hover", su_chiave),
                richiesta(2, "textDocument/hover", su_valore)});
  const std::string chiave = (*s.risposta(1))["result"]["contents"]["value"];
  EXPECT_NE(chiave.find("velocita"), std::string::npos) << chiave;
  EXPECT_NE(chiave.find("Campi dopo la parola chiave (2)"), std::string::npos) << chiave;
  const Json& valore = (*s.risposta(2))["result"];
  const std::string v = valore["contents"]["value"];
  EXPECT_NE(v.find("velocita, campo 2 di 2: velocita"), std::string::npos) << v;
  EXPECT_NE(v.find("km/h"), std::string::npos) << v;
  EXPECT_NE(v.find("vel_limite"), std::string::npos) << v;
  EXPECT_EQ(valore["range"]["start"]["character"], 17);
}

TEST_F(Lsp, CompletamentoESimboli) {
  const Json dove = {{"textDocument", {{"uri", uri("Prova_11-.txt")}}},
                     {"position", {{"line", 0}, {"character", 0}}}};
  const Sessione s = sessione({apri("Prova_11-.txt", prova::unisci(prova::treno_prova())),
                               richiesta(1, "textDocument/completion", dove),
                               richiesta(2, "textDocument/documentSymbol", dove)});
  bool segnale = false;
  bool intestazione = false;
  for (const Json& v : (*s.risposta(1))["result"]) {
    if (v["label"] == "segnale") {
      segnale = true;
      EXPECT_EQ(v["insertText"],
                "segnale, ${1:posizione}, ${2:sx}, ${3:s1}, ${4:s2}, ${5:s3}, ${6:rapp}, ${7:dx}, "
                "${8:d1}, ${9:d2}, ${10:d3}, ${11:tempo}");
    }
    intestazione = intestazione || v["label"] == "[stazioni]";
    EXPECT_NE(v["label"], "pendenza");  // the line text's
  }
  EXPECT_TRUE(segnale && intestazione);
  std::vector<std::string> stazioni;
  for (const Json& sezione : (*s.risposta(2))["result"]) {
    if (sezione["name"] == "[stazioni]") {
      for (const Json& c : sezione["children"]) stazioni.push_back(c["name"]);
    }
  }
  EXPECT_EQ(stazioni, (std::vector<std::string>{"Alfa", "Beta & <Gamma>"}));
}

TEST_F(Lsp, ProtocolloRispettato) {
  // Before initialize a request is refused; an unknown method is named; a
  // session without shutdown ends with 1.
  std::istringstream in(incornicia(richiesta(1, "textDocument/hover")) +
                        incornicia(richiesta(2, "initialize")) +
                        incornicia(richiesta(3, "workspace/bogus")) + "non json");
  std::ostringstream out;
  EXPECT_EQ(servi(in, out), 1);
  std::istringstream risposte(out.str());
  std::vector<Json> r;
  while (const auto c = leggi_messaggio(risposte)) r.push_back(Json::parse(*c));
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0]["error"]["code"], -32002);
  EXPECT_TRUE(r[1].contains("result"));
  EXPECT_EQ(r[2]["error"]["code"], -32601);
}

}  // namespace
}  // namespace progetto1::strumento::lsp
