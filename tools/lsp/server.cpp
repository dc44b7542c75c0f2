#include "tools/lsp/server.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "compiler/catalogo/catalogo.h"
#include "model/cp1252.h"
#include "tools/aiuto/pagina.h"
#include "tools/aiuto/pagine.h"
#include "tools/lsp/messaggi.h"
#include "tools/lsp/spazio.h"

namespace progetto1::strumento::lsp {

namespace {

using Json = nlohmann::json;

// JSON-RPC's and the protocol's error codes.
constexpr int kMetodoSconosciuto = -32601;
constexpr int kRichiestaNonValida = -32600;
constexpr int kNonInizializzato = -32002;

// The protocol's kinds.
constexpr int kGravitaErrore = 1;
constexpr int kGravitaAvviso = 2;
constexpr int kCompletaParolaChiave = 14;
constexpr int kCompletaModulo = 9;
constexpr int kFormatoSnippet = 2;
constexpr int kSimboloNamespace = 3;
constexpr int kSimboloCampo = 8;
constexpr int kSimboloOggetto = 19;

Json posizione(long riga, long carattere) { return {{"line", riga}, {"character", carattere}}; }

Json intervallo(long riga, long da, long a) {
  return {{"start", posizione(riga, da)}, {"end", posizione(riga, a)}};
}

std::vector<std::string> righe_di(const std::string& t) {
  std::vector<std::string> r;
  std::size_t i = 0;
  while (i <= t.size()) {
    std::size_t f = t.find('\n', i);
    if (f == std::string::npos) f = t.size();
    std::string riga = t.substr(i, f - i);
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    r.push_back(std::move(riga));
    i = f + 1;
  }
  return r;
}

// Characters (UTF-16 units for the text's letters) before byte b of a UTF-8 line.
long caratteri(const std::string& riga, std::size_t b) {
  long n = 0;
  for (std::size_t i = 0; i < b && i < riga.size(); ++i) {
    if ((static_cast<unsigned char>(riga[i]) & 0xC0) != 0x80) ++n;
  }
  return n;
}

// The byte of a UTF-8 line where character c begins.
std::size_t byte_di(const std::string& riga, long c) {
  long n = 0;
  for (std::size_t i = 0; i < riga.size(); ++i) {
    if ((static_cast<unsigned char>(riga[i]) & 0xC0) == 0x80) continue;
    if (n == c) return i;
    ++n;
  }
  return riga.size();
}

std::string senza_spazi(std::string_view s) {
  const std::size_t a = s.find_first_not_of(" \t");
  if (a == std::string_view::npos) return "";
  return std::string(s.substr(a, s.find_last_not_of(" \t") - a + 1));
}

std::optional<catalogo::Testo> testo_uri(const std::string& uri) {
  const std::optional<std::filesystem::path> p = percorso_uri(uri);
  const std::optional<NomeTesto> n = p ? nome_testo(*p) : std::nullopt;
  if (!n) return std::nullopt;
  return n->testo;
}

Json diagnostica(const Diagnostica& d) {
  const long riga = d.riga > 0 ? d.riga - 1 : 0;
  const long colonna = d.colonna > 0 ? d.colonna - 1 : 0;
  Json j = {{"range", intervallo(riga, colonna, d.riga > 0 && d.colonna > 0 ? colonna + 1 : 0)},
            {"severity", d.gravita == Gravita::kErrore ? kGravitaErrore : kGravitaAvviso},
            {"code", d.id},
            {"source", "scenario"},
            {"message", d.messaggio}};
  return j;
}

class Server {
 public:
  explicit Server(std::ostream& out) : out_(out) {}

  // False once "exit" came.
  bool tratta(const Json& m) {
    const std::string metodo = m.value("method", "");
    const bool richiesta = m.contains("id");
    if (metodo == "exit") return false;
    if (!iniziato_ && metodo != "initialize") {
      if (richiesta) errore(m["id"], kNonInizializzato, "il server non è ancora inizializzato");
      return true;
    }
    const Json parametri = m.value("params", Json::object());
    if (metodo == "initialize") {
      iniziato_ = true;
      rispondi(m["id"], inizializza());
    } else if (metodo == "shutdown") {
      chiuso_ = true;
      rispondi(m["id"], nullptr);
    } else if (metodo == "textDocument/didOpen") {
      const Json& doc = parametri["textDocument"];
      spazio_.apri(doc["uri"], doc["text"]);
      pubblica(doc["uri"]);
    } else if (metodo == "textDocument/didChange") {
      const std::string uri = parametri["textDocument"]["uri"];
      const Json& cambi = parametri["contentChanges"];
      // Whole texts only: the server asks for them.
      if (cambi.is_array() && !cambi.empty()) spazio_.apri(uri, cambi.back()["text"]);
      pubblica(uri);
    } else if (metodo == "textDocument/didSave") {
      pubblica(parametri["textDocument"]["uri"]);
    } else if (metodo == "textDocument/didClose") {
      spazio_.chiudi(parametri["textDocument"]["uri"]);
    } else if (metodo == "textDocument/hover") {
      rispondi(m["id"], hover(parametri));
    } else if (metodo == "textDocument/completion") {
      rispondi(m["id"], completamento(parametri));
    } else if (metodo == "textDocument/documentSymbol") {
      rispondi(m["id"], simboli(parametri));
    } else if (richiesta) {
      errore(m["id"], kMetodoSconosciuto, "metodo sconosciuto: " + metodo);
    }
    return true;
  }

  bool chiuso() const { return chiuso_; }

  void errore(const Json& id, int codice, const std::string& messaggio) {
    scrivi_messaggio(
        out_,
        {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", codice}, {"message", messaggio}}}});
  }

 private:
  void rispondi(const Json& id, const Json& risultato) {
    scrivi_messaggio(out_, {{"jsonrpc", "2.0"}, {"id", id}, {"result", risultato}});
  }

  static Json inizializza() {
    return {{"capabilities",
             {{"textDocumentSync", {{"openClose", true}, {"change", 1}, {"save", true}}},
              {"hoverProvider", true},
              {"completionProvider", Json::object()},
              {"documentSymbolProvider", true}}},
            {"serverInfo", {{"name", "scenario"}}}};
  }

  void pubblica(const std::string& uri) {
    for (const auto& [u, diagnostiche] : spazio_.verifica(uri)) {
      Json lista = Json::array();
      for (const Diagnostica& d : diagnostiche) lista.push_back(diagnostica(d));
      scrivi_messaggio(out_, {{"jsonrpc", "2.0"},
                              {"method", "textDocument/publishDiagnostics"},
                              {"params", {{"uri", u}, {"diagnostics", lista}}}});
    }
  }

  // The field under the cursor: its line, its number on the line (0 the
  // keyword) and where it stands.
  struct Campo {
    std::string riga;
    std::size_t numero = 0;
    std::size_t da = 0;
    std::size_t a = 0;
  };
  std::optional<Campo> campo_sotto(const Json& parametri) const {
    const std::string* t = spazio_.testo(parametri["textDocument"]["uri"]);
    if (t == nullptr) return std::nullopt;
    const std::vector<std::string> righe = righe_di(*t);
    const long riga = parametri["position"]["line"];
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe.size()) return std::nullopt;
    Campo c;
    c.riga = righe[static_cast<std::size_t>(riga)];
    const std::size_t b = byte_di(c.riga, parametri["position"]["character"]);
    c.a = c.riga.find(',');
    while (c.a != std::string::npos && c.a < b) {
      c.da = c.a + 1;
      ++c.numero;
      c.a = c.riga.find(',', c.da);
    }
    if (c.a == std::string::npos) c.a = c.riga.size();
    return c;
  }

  Json hover(const Json& parametri) const {
    const std::optional<catalogo::Testo> t = testo_uri(parametri["textDocument"]["uri"]);
    const std::optional<Campo> c = campo_sotto(parametri);
    if (!t || !c) return nullptr;
    const catalogo::Record* r =
        catalogo::record_della_chiave(*t, c->riga.substr(0, c->riga.find(',')));
    if (r == nullptr) return nullptr;
    aiuto::Pagina p;
    if (c->numero == 0) {
      aiuto::pagina_record(p, *r, 3);
    } else if (c->numero <= r->campi.size()) {
      const catalogo::Campo& x = r->campi[c->numero - 1];
      p.titolo(3, std::string(r->nome) + ", campo " + std::to_string(c->numero) + " di " +
                      std::to_string(r->campi.size()) + ": " + std::string(x.nome));
      p.paragrafo(std::string(x.descrizione) + ". " + std::string(catalogo::nome_tipo(x.tipo)) +
                  (x.unita.empty() ? "" : ", in " + std::string(x.unita)) + "; " +
                  aiuto::valori_campo(x) + ".");
      p.paragrafo(std::string(x.effetto));
    } else {
      return nullptr;
    }
    const long riga = parametri["position"]["line"];
    return {{"contents", {{"kind", "markdown"}, {"value", aiuto::in_markdown(p)}}},
            {"range", intervallo(riga, caratteri(c->riga, c->da), caratteri(c->riga, c->a))}};
  }

  Json completamento(const Json& parametri) const {
    const std::optional<catalogo::Testo> t = testo_uri(parametri["textDocument"]["uri"]);
    Json voci = Json::array();
    if (!t) return voci;
    for (const catalogo::Record& r : catalogo::records()) {
      if (r.testo != *t) continue;
      std::string snippet(r.chiave);
      int n = 1;
      for (const catalogo::Campo& c : r.campi) {
        snippet += ", ${" + std::to_string(n++) + ":" + std::string(c.nome) + "}";
      }
      voci.push_back({{"label", std::string(r.chiave)},
                      {"kind", kCompletaParolaChiave},
                      {"detail", std::string(r.descrizione)},
                      {"insertText", snippet},
                      {"insertTextFormat", kFormatoSnippet}});
    }
    for (const catalogo::Sezione& s : catalogo::sezioni()) {
      if (s.testo != *t) continue;
      voci.push_back({{"label", std::string(s.intestazione)},
                      {"kind", kCompletaModulo},
                      {"detail", std::string(s.descrizione)}});
    }
    return voci;
  }

  Json simboli(const Json& parametri) const {
    const std::string uri = parametri["textDocument"]["uri"];
    const std::optional<catalogo::Testo> t = testo_uri(uri);
    const std::string* testo = spazio_.testo(uri);
    Json sezioni = Json::array();
    if (!t || testo == nullptr) return sezioni;
    const std::vector<std::string> righe = righe_di(*testo);
    Json* sezione = nullptr;
    for (std::size_t i = 0; i < righe.size(); ++i) {
      const std::string& riga = righe[i];
      const std::string primo = senza_spazi(riga.substr(0, riga.find(',')));
      if (primo.empty()) continue;
      const long fine = caratteri(riga, riga.size());
      const Json dove = intervallo(static_cast<long>(i), 0, fine);
      if (catalogo::e_intestazione(*t, primo)) {
        sezioni.push_back({{"name", primo},
                           {"kind", kSimboloNamespace},
                           {"range", dove},
                           {"selectionRange", dove},
                           {"children", Json::array()}});
        sezione = &sezioni.back();
        continue;
      }
      const catalogo::Record* r = catalogo::record_della_chiave(*t, primo);
      if (r == nullptr) continue;
      std::string nome(r->nome);
      // A station by its name, a record along the line by its position.
      if (r->voce == catalogo::Voce::kStazione) {
        nome = senza_spazi(riga.substr(riga.rfind(',') + 1));
      } else if (r->campi.front().unita == "m" && riga.find(',') != std::string::npos) {
        const std::size_t da = riga.find(',') + 1;
        nome += " " + senza_spazi(riga.substr(da, riga.find(',', da) - da)) + " m";
      }
      const Json simbolo = {
          {"name", nome.empty() ? std::string(r->nome) : nome},
          {"detail", std::string(r->nome)},
          {"kind", r->voce == catalogo::Voce::kStazione ? kSimboloOggetto : kSimboloCampo},
          {"range", dove},
          {"selectionRange", dove}};
      if (sezione != nullptr) {
        (*sezione)["children"].push_back(simbolo);
      } else {
        sezioni.push_back(simbolo);
      }
    }
    return sezioni;
  }

  std::ostream& out_;
  Spazio spazio_;
  bool iniziato_ = false;
  bool chiuso_ = false;
};

}  // namespace

int servi(std::istream& in, std::ostream& out) {
  Server s(out);
  while (const std::optional<std::string> corpo = leggi_messaggio(in)) {
    const Json m = Json::parse(*corpo, nullptr, false);
    if (m.is_discarded() || !m.is_object()) {
      s.errore(nullptr, kRichiestaNonValida, "messaggio che non è un oggetto JSON");
      continue;
    }
    try {
      if (!s.tratta(m)) break;
    } catch (const Json::exception& e) {
      // A message whose parameters are not what the protocol says.
      if (m.contains("id")) s.errore(m["id"], kRichiestaNonValida, e.what());
    }
  }
  return s.chiuso() ? 0 : 1;
}

}  // namespace progetto1::strumento::lsp
