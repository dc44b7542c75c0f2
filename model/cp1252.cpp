#include "model/cp1252.h"

#include <array>
#include <cstdint>

namespace progetto1 {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char32_t kAlti[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char da_codice(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kAlti[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void aggiungi_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string a_cp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<std::uint8_t>(utf8[i]);
    int seguito = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      seguito = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      seguito = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      seguito = 3;
    } else {
      out += '?';
      ++i;
      continue;
    }
    ++i;
    bool valido = true;
    for (int k = 0; k < seguito; ++k, ++i) {
      if (i >= utf8.size() || (static_cast<std::uint8_t>(utf8[i]) & 0xC0) != 0x80) {
        valido = false;
        break;
      }
      cp = (cp << 6) | (static_cast<std::uint8_t>(utf8[i]) & 0x3F);
    }
    out += valido ? da_codice(cp) : '?';
  }
  return out;
}

std::string da_cp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) {
    const auto b = static_cast<std::uint8_t>(c);
    char32_t cp = b;
    if (b >= 0x80 && b < 0xA0) cp = kAlti[b - 0x80] != 0 ? kAlti[b - 0x80] : 0xFFFD;
    aggiungi_utf8(out, cp);
  }
  return out;
}

char minuscola(char c) {
  const auto b = static_cast<std::uint8_t>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 16);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

std::string minuscole(std::string_view testo) {
  // Every field of a text is lowered to find its keyword: by table.
  static const auto tabella = [] {
    std::array<char, 256> t{};
    for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = minuscola(static_cast<char>(b));
    return t;
  }();
  std::string out(testo);
  const char* const t = tabella.data();
  char* const d = out.data();
  for (std::size_t i = 0; i < out.size(); ++i) d[i] = t[static_cast<std::uint8_t>(d[i])];
  return out;
}

}  // namespace progetto1
