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

inline std::string testo(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

}  // namespace progetto1::strumento
