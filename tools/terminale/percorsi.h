// Paths from and to the tool's texts, which are UTF-8 everywhere. On Windows
// the narrow constructor of std::filesystem::path reads the system's code
// page, not UTF-8: every path the tool makes from a text, or shows as one,
// goes through these two.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace progetto1::strumento {

inline std::filesystem::path percorso(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A text in a URI: every byte but letters, digits and those of `ammessi`
// percent-encoded.
inline std::string in_uri(std::string_view t, std::string_view ammessi) {
  const char* const cifre = "0123456789ABCDEF";
  std::string s;
  for (const char c : t) {
    const auto b = static_cast<unsigned char>(c);
    const bool alfanumerico =
        (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
    if (alfanumerico || ammessi.find(c) != std::string_view::npos) {
      s += c;
    } else {
      s += '%';
      s += cifre[b >> 4];
      s += cifre[b & 0xF];
    }
  }
  return s;
}

inline std::string testo(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

}  // namespace progetto1::strumento
