#include "tools/aiuto/pagina.h"

#include <sstream>

namespace progetto1::strumento::aiuto {

void Pagina::titolo(int livello, std::string testo) {
  blocchi_.push_back(
      {.tipo = Blocco::Tipo::kTitolo, .livello = livello, .testo = std::move(testo)});
}

void Pagina::paragrafo(std::string testo) {
  blocchi_.push_back({.tipo = Blocco::Tipo::kParagrafo, .testo = std::move(testo)});
}

void Pagina::elenco(std::vector<std::string> voci) {
  blocchi_.push_back({.tipo = Blocco::Tipo::kElenco, .righe = std::move(voci)});
}

void Pagina::codice(std::vector<std::string> righe) {
  blocchi_.push_back({.tipo = Blocco::Tipo::kCodice, .righe = std::move(righe)});
}

void Pagina::tabella(std::vector<std::string> colonne, std::vector<std::vector<std::string>> celle,
                     std::vector<std::string> righe) {
  blocchi_.push_back({.tipo = Blocco::Tipo::kTabella,
                      .righe = std::move(righe),
                      .colonne = std::move(colonne),
                      .celle = std::move(celle)});
}

std::size_t larghezza(const std::string& utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

namespace {

// `parola` becomes "parola".
std::string senza_apici(const std::string& testo) {
  std::string r = testo;
  for (char& c : r) {
    if (c == '`') c = '"';
  }
  return r;
}

// Words joined into lines of at most kLarghezza characters; the first line
// starts with `primo`, the others with `altri` (both counted).
std::string a_capo(const std::string& testo, const std::string& primo, const std::string& altri) {
  std::istringstream parole(testo);
  std::string risultato = primo, parola;
  std::size_t colonna = larghezza(primo);
  bool vuota = true;
  while (parole >> parola) {
    const std::size_t l = larghezza(parola);
    if (!vuota && colonna + 1 + l > kLarghezza) {
      risultato += "\n" + altri;
      colonna = larghezza(altri);
      vuota = true;
    }
    if (!vuota) {
      risultato += ' ';
      ++colonna;
    }
    risultato += parola;
    colonna += l;
    vuota = false;
  }
  return risultato + "\n";
}

std::string cella_markdown(const std::string& testo) {
  std::string r;
  for (const char c : testo) {
    if (c == '|') r += '\\';
    r += c;
  }
  return r.empty() ? "—" : r;
}

}  // namespace

std::string per_terminale(const Pagina& p) {
  std::string out;
  for (const Blocco& b : p.blocchi()) {
    if (!out.empty()) out += "\n";
    switch (b.tipo) {
      case Blocco::Tipo::kTitolo: {
        const std::string t = senza_apici(b.testo);
        if (b.livello <= 2) {
          out += t + "\n" + std::string(larghezza(t), b.livello == 1 ? '=' : '-') + "\n";
        } else {
          out += t + ":\n";
        }
        break;
      }
      case Blocco::Tipo::kParagrafo:
        out += a_capo(senza_apici(b.testo), "", "");
        break;
      case Blocco::Tipo::kElenco:
        for (const std::string& v : b.righe) out += a_capo(senza_apici(v), "  - ", "    ");
        break;
      case Blocco::Tipo::kTabella:
        for (const std::string& r : b.righe) out += a_capo(senza_apici(r), "  ", "      ");
        break;
      case Blocco::Tipo::kCodice:
        for (const std::string& r : b.righe) out += "    " + r + "\n";
        break;
    }
  }
  return out;
}

std::string in_markdown(const Pagina& p) {
  std::string out;
  for (const Blocco& b : p.blocchi()) {
    if (!out.empty()) out += "\n";
    switch (b.tipo) {
      case Blocco::Tipo::kTitolo:
        out += std::string(static_cast<std::size_t>(b.livello), '#') + " " + b.testo + "\n";
        break;
      case Blocco::Tipo::kParagrafo:
        out += b.testo + "\n";
        break;
      case Blocco::Tipo::kElenco:
        for (const std::string& v : b.righe) out += "- " + v + "\n";
        break;
      case Blocco::Tipo::kTabella: {
        std::string riga = "|", regola = "|";
        for (const std::string& c : b.colonne) {
          riga += " " + cella_markdown(c) + " |";
          regola += "---|";
        }
        out += riga + "\n" + regola + "\n";
        for (const std::vector<std::string>& r : b.celle) {
          riga = "|";
          for (const std::string& c : r) riga += " " + cella_markdown(c) + " |";
          out += riga + "\n";
        }
        break;
      }
      case Blocco::Tipo::kCodice:
        out += "```text\n";
        for (const std::string& r : b.righe) out += r + "\n";
        out += "```\n";
        break;
    }
  }
  return out;
}

}  // namespace progetto1::strumento::aiuto
