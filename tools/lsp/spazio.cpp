#include "tools/lsp/spazio.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/cp1252.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento::lsp {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffissoLinea = "_linea.txt";
constexpr std::string_view kSuffissoTreno = "-.txt";

int cifra_esadecimale(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> leggi_disco(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

std::optional<NomeTesto> nome_testo(const fs::path& file) {
  const std::string n = testo(file.filename());
  if (n.size() > kSuffissoLinea.size() && n.ends_with(kSuffissoLinea)) {
    return NomeTesto{catalogo::Testo::kLinea, n.substr(0, n.size() - kSuffissoLinea.size()), ""};
  }
  if (n.size() > kSuffissoTreno.size() && n.ends_with(kSuffissoTreno)) {
    const std::string base = n.substr(0, n.size() - kSuffissoTreno.size());
    const std::size_t trattino = base.rfind('_');
    if (trattino == std::string::npos || trattino == 0 || trattino + 1 == base.size()) {
      return std::nullopt;
    }
    return NomeTesto{catalogo::Testo::kTreno, base.substr(0, trattino), base.substr(trattino + 1)};
  }
  return std::nullopt;
}

std::optional<fs::path> percorso_uri(const std::string& uri) {
  constexpr std::string_view kSchema = "file://";
  if (!uri.starts_with(kSchema)) return std::nullopt;
  std::string p;
  for (std::size_t i = kSchema.size(); i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && cifra_esadecimale(uri[i + 1]) >= 0 &&
        cifra_esadecimale(uri[i + 2]) >= 0) {
      p += static_cast<char>(cifra_esadecimale(uri[i + 1]) * 16 + cifra_esadecimale(uri[i + 2]));
      i += 2;
    } else {
      p += uri[i];
    }
  }
  // "/C:/..." on Windows is the drive's path.
  if (p.size() >= 3 && p[0] == '/' && p[2] == ':') p.erase(0, 1);
  return percorso(p);
}

std::string uri_percorso(const fs::path& p) {
  const std::u8string g = p.generic_u8string();
  std::string s(g.begin(), g.end());
  if (!s.starts_with('/')) s = "/" + s;
  return "file://" + in_uri(s, "-._~/:");
}

const std::string* Spazio::testo(const std::string& uri) const {
  const auto it = aperti_.find(uri);
  return it == aperti_.end() ? nullptr : &it->second;
}

std::map<std::string, std::vector<Diagnostica>> Spazio::verifica(const std::string& uri) const {
  std::map<std::string, std::vector<Diagnostica>> esito;
  const std::optional<fs::path> p = percorso_uri(uri);
  const std::optional<NomeTesto> n = p ? nome_testo(*p) : std::nullopt;
  if (!n) return esito;
  esito[uri];

  // The partner: an open text first, then one on disk in the same folder.
  std::optional<std::string> uri_altro;
  for (const auto& [u, t] : aperti_) {
    const std::optional<fs::path> q = percorso_uri(u);
    const std::optional<NomeTesto> m = q ? nome_testo(*q) : std::nullopt;
    if (m && m->testo != n->testo && m->nome_linea == n->nome_linea &&
        q->parent_path() == p->parent_path()) {
      uri_altro = u;
      break;
    }
  }
  std::optional<std::string> testo_altro;
  if (uri_altro) {
    testo_altro = a_cp1252(aperti_.at(*uri_altro));
  } else {
    std::vector<fs::path> candidati;
    std::error_code ec;
    for (const auto& voce : fs::directory_iterator(p->parent_path(), ec)) {
      const std::optional<NomeTesto> m = nome_testo(voce.path());
      if (m && m->testo != n->testo && m->nome_linea == n->nome_linea) {
        candidati.push_back(voce.path());
      }
    }
    std::sort(candidati.begin(), candidati.end());
    if (!candidati.empty()) {
      testo_altro = leggi_disco(candidati.front());
      if (testo_altro) uri_altro = uri_percorso(candidati.front());
    }
  }

  const std::string* proprio = testo(uri);
  const std::string questo = proprio != nullptr ? a_cp1252(*proprio) : leggi_disco(*p).value_or("");
  // A character Windows-1252 cannot hold: the package would write "?".
  if (proprio != nullptr && da_cp1252(questo) != *proprio) {
    const std::string tornato = da_cp1252(questo);
    std::size_t i = 0;
    while (i < tornato.size() && i < proprio->size() && tornato[i] == (*proprio)[i]) ++i;
    Diagnostica d;
    d.file = uri;
    d.gravita = Gravita::kAvviso;
    d.id = "carattere-non-cp1252";
    d.riga = 1 + static_cast<long>(std::count(proprio->begin(), proprio->begin() + i, '\n'));
    const std::size_t inizio = proprio->rfind('\n', i == 0 ? 0 : i - 1);
    const std::size_t da = inizio == std::string::npos || i == 0 ? 0 : inizio + 1;
    d.colonna = 1;
    for (std::size_t k = da; k < i; ++k) {
      if ((static_cast<unsigned char>((*proprio)[k]) & 0xC0) != 0x80) ++d.colonna;
    }
    d.messaggio =
        "carattere che Windows-1252, la codifica dei testi del pacchetto, non ha: il "
        "pacchetto scriverebbe \"?\"";
    esito[uri].push_back(d);
  }
  const bool linea = n->testo == catalogo::Testo::kLinea;
  if (!testo_altro) {
    Diagnostica d;
    d.file = uri;
    d.gravita = Gravita::kAvviso;
    d.id = "testo-mancante";
    d.messaggio = linea ? "nella cartella non c'è un testo del treno di questa linea (" +
                              n->nome_linea +
                              "_NUMERO-.txt): il testo della linea è verificato "
                              "con un treno vuoto"
                        : "nella cartella non c'è il testo della linea " + n->nome_linea +
                              std::string(kSuffissoLinea) + ": senza non si verifica il treno";
    esito[uri].push_back(d);
    if (!linea) return esito;
    testo_altro = "[generale]\r\n";
  }
  if (uri_altro) esito[*uri_altro];
  const std::string numero =
      linea ? (uri_altro ? nome_testo(*percorso_uri(*uri_altro))->numero_treno : std::string("1"))
            : n->numero_treno;
  const std::string& uri_linea = linea ? uri : *uri_altro;
  const std::string uri_treno = linea ? uri_altro.value_or(uri + "#treno") : uri;
  const EsitoVerifica v =
      strumento::verifica(linea ? questo : *testo_altro, linea ? *testo_altro : questo,
                          a_cp1252(n->nome_linea), a_cp1252(numero), uri_linea, uri_treno);
  for (const Diagnostica& d : v.diagnostiche) {
    const auto it = esito.find(d.file);
    if (it != esito.end()) it->second.push_back(d);
  }
  return esito;
}

}  // namespace progetto1::strumento::lsp
