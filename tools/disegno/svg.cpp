#include "tools/disegno/svg.h"

#include <cstdio>

namespace progetto1::strumento {

std::string n1(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.1f", v);
  return b;
}

std::string testo_xml(const std::string& utf8) {
  std::string r;
  r.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        r += "&amp;";
        break;
      case '<':
        r += "&lt;";
        break;
      case '>':
        r += "&gt;";
        break;
      case '"':
        r += "&quot;";
        break;
      case '\'':
        r += "&apos;";
        break;
      default:
        // Control characters are not allowed in XML at all.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
          r += '?';
        } else {
          r += c;
        }
    }
  }
  return r;
}

// From the widths of capitals, small letters, digits and blanks in em.
double larghezza_testo(const std::string& utf8, double corpo) {
  double em = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;
    if (c >= 'A' && c <= 'Z') {
      em += 0.70;
    } else if (c >= '0' && c <= '9') {
      em += 0.64;
    } else if (c == ' ') {
      em += 0.32;
    } else {
      em += 0.60;
    }
  }
  return em * corpo;
}

}  // namespace progetto1::strumento
