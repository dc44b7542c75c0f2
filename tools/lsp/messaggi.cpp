#include "tools/lsp/messaggi.h"

#include <charconv>
#include <string_view>

namespace progetto1::strumento::lsp {

namespace {

// A body larger than this is no editor's: the stream is taken as broken.
constexpr std::size_t kCorpoMassimo = 256u * 1024u * 1024u;

}  // namespace

std::optional<std::string> leggi_messaggio(std::istream& in) {
  std::optional<std::size_t> lunghezza;
  for (std::string riga; std::getline(in, riga);) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    if (riga.empty()) {
      if (!lunghezza) return std::nullopt;
      std::string corpo(*lunghezza, '\0');
      in.read(corpo.data(), static_cast<std::streamsize>(corpo.size()));
      if (static_cast<std::size_t>(in.gcount()) != corpo.size()) return std::nullopt;
      return corpo;
    }
    const std::string_view nome = "content-length:";
    if (riga.size() > nome.size()) {
      std::string testa = riga.substr(0, nome.size());
      for (char& c : testa) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (testa == nome) {
        std::string_view v = std::string_view(riga).substr(nome.size());
        while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
        std::size_t n = 0;
        const auto [fine, errore] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (errore != std::errc() || fine != v.data() + v.size() || n > kCorpoMassimo) {
          return std::nullopt;
        }
        lunghezza = n;
      }
    }
  }
  return std::nullopt;
}

void scrivi_messaggio(std::ostream& out, const nlohmann::json& messaggio) {
  const std::string corpo =
      messaggio.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  out << "Content-Length: " << corpo.size() << "\r\n\r\n" << corpo;
  out.flush();
}

}  // namespace progetto1::strumento::lsp
