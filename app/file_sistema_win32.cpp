// Windows: every path goes to the system as UTF-16 in its extended-length
// form (\\?\C:\... or \\?\UNC\server\...), so that folder names outside the
// ANSI code page and paths longer than MAX_PATH work.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/file_piattaforma.h"

namespace progetto1::file_piattaforma {

namespace {

std::wstring esteso(const std::filesystem::path& percorso) {
  std::wstring p = percorso.native();
  for (wchar_t& c : p) {
    if (c == L'/') c = L'\\';
  }
  if (p.rfind(L"\\\\?\\", 0) == 0) return p;
  if (p.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + p.substr(2);
  if (p.size() >= 3 && p[1] == L':' && p[2] == L'\\') return L"\\\\?\\" + p;
  return p;  // a relative path cannot take the prefix
}

std::error_code ultimo_errore() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}

}  // namespace

std::FILE* apri(const std::filesystem::path& percorso, bool scrittura) {
  return _wfopen(esteso(percorso).c_str(), scrittura ? L"wb" : L"rb");
}

std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a) {
  if (!MoveFileExW(esteso(da).c_str(), esteso(a).c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return ultimo_errore();
  }
  return {};
}

std::error_code elimina(const std::filesystem::path& percorso) {
  if (!DeleteFileW(esteso(percorso).c_str())) return ultimo_errore();
  return {};
}

// Windows runs a program by its name; there is no permission to add.
std::error_code rendi_eseguibile(const std::filesystem::path&) { return {}; }

bool esiste(const std::filesystem::path& percorso) {
  const DWORD a = GetFileAttributesW(esteso(percorso).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string testo(const std::filesystem::path& percorso) {
  const std::wstring& w = percorso.native();
  if (w.empty()) return {};
  const int n =
      WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, "?", nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), s.data(), n, "?", nullptr);
  return s;
}

}  // namespace progetto1::file_piattaforma
