// A small XML well-formedness check for the tests of the map: balanced and
// properly nested tags, quoted attributes without duplicates, only the five
// predefined entities and character references, one root element. It also
// gathers the text inside every <text> element, unescaped.
#pragma once

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace progetto1::strumento::prova {

struct AnalisiXml {
  bool valido = false;
  std::string errore;
  std::string radice;
  std::vector<std::string> testi;  // content of each <text>, in document order
  std::size_t elementi = 0;
};

namespace dettaglio {

inline bool carattere_nome(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == ':' ||
         c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

// Unescapes `grezzo`; false on a bad or unknown reference.
inline bool sciogli(const std::string& grezzo, std::string& testo) {
  for (std::size_t i = 0; i < grezzo.size(); ++i) {
    if (grezzo[i] != '&') {
      testo += grezzo[i];
      continue;
    }
    const std::size_t fine = grezzo.find(';', i);
    if (fine == std::string::npos) return false;
    const std::string ref = grezzo.substr(i + 1, fine - i - 1);
    if (ref == "amp") {
      testo += '&';
    } else if (ref == "lt") {
      testo += '<';
    } else if (ref == "gt") {
      testo += '>';
    } else if (ref == "quot") {
      testo += '"';
    } else if (ref == "apos") {
      testo += '\'';
    } else if (ref.size() > 1 && ref[0] == '#' &&
               ref.find_first_not_of("0123456789", 1) == std::string::npos) {
      testo += '?';
    } else {
      return false;
    }
    i = fine;
  }
  return true;
}

}  // namespace dettaglio

inline AnalisiXml analizza_xml(const std::string& s) {
  AnalisiXml a;
  std::vector<std::string> pila;
  std::string testo_corrente;
  std::size_t radici = 0;
  std::size_t i = 0;
  auto errore = [&](const std::string& e) {
    a.errore = e + " al carattere " + std::to_string(i);
    return a;
  };
  auto spazi = [&] {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0) ++i;
  };
  auto nome = [&] {
    const std::size_t inizio = i;
    while (i < s.size() && dettaglio::carattere_nome(s[i])) ++i;
    return s.substr(inizio, i - inizio);
  };
  while (i < s.size()) {
    if (s[i] != '<') {
      const std::size_t fine = std::min(s.find('<', i), s.size());
      const std::string grezzo = s.substr(i, fine - i);
      std::string testo;
      if (!dettaglio::sciogli(grezzo, testo)) return errore("riferimento non valido");
      if (pila.empty() && testo.find_first_not_of(" \t\r\n") != std::string::npos) {
        return errore("testo fuori dall'elemento radice");
      }
      if (!pila.empty() && pila.back() == "text") testo_corrente += testo;
      i = fine;
      continue;
    }
    if (s.compare(i, 4, "<!--") == 0) {
      const std::size_t fine = s.find("-->", i + 4);
      if (fine == std::string::npos) return errore("commento non chiuso");
      i = fine + 3;
    } else if (s.compare(i, 2, "<?") == 0) {
      const std::size_t fine = s.find("?>", i + 2);
      if (fine == std::string::npos) return errore("istruzione non chiusa");
      i = fine + 2;
    } else if (s.compare(i, 2, "</") == 0) {
      i += 2;
      const std::string n = nome();
      spazi();
      if (i >= s.size() || s[i] != '>') return errore("tag di chiusura malformato");
      ++i;
      if (pila.empty() || pila.back() != n) return errore("chiusura di <" + n + "> non aperto");
      if (n == "text") a.testi.push_back(testo_corrente);
      pila.pop_back();
    } else {
      ++i;
      const std::string n = nome();
      if (n.empty()) return errore("nome di elemento mancante");
      if (pila.empty()) {
        if (++radici > 1) return errore("più di un elemento radice");
        a.radice = n;
      }
      ++a.elementi;
      std::set<std::string> attributi;
      bool chiuso = false;
      while (true) {
        const std::size_t prima = i;
        spazi();
        if (i >= s.size()) return errore("tag non chiuso");
        if (s.compare(i, 2, "/>") == 0) {
          i += 2;
          chiuso = true;
          break;
        }
        if (s[i] == '>') {
          ++i;
          break;
        }
        if (i == prima) return errore("manca lo spazio prima di un attributo");
        const std::string attr = nome();
        if (attr.empty()) return errore("nome di attributo mancante");
        if (!attributi.insert(attr).second) return errore("attributo ripetuto " + attr);
        spazi();
        if (i >= s.size() || s[i] != '=') return errore("manca '=' dopo " + attr);
        ++i;
        spazi();
        if (i >= s.size() || (s[i] != '"' && s[i] != '\''))
          return errore("valore senza virgolette");
        const char virgoletta = s[i++];
        const std::size_t fine = s.find(virgoletta, i);
        if (fine == std::string::npos) return errore("valore non chiuso");
        const std::string valore = s.substr(i, fine - i);
        std::string sciolto;
        if (valore.find('<') != std::string::npos || !dettaglio::sciogli(valore, sciolto)) {
          return errore("valore di attributo non valido");
        }
        i = fine + 1;
      }
      if (!chiuso) {
        pila.push_back(n);
        if (n == "text") testo_corrente.clear();
      }
    }
  }
  if (!pila.empty()) return errore("elemento <" + pila.back() + "> non chiuso");
  if (radici != 1) return errore("nessun elemento radice");
  a.valido = true;
  return a;
}

}  // namespace progetto1::strumento::prova
