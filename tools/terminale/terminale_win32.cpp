// Windows: the arguments read wide from the command line, the standard
// streams through WriteConsoleW on a console, the program's file from its
// module.
#include "tools/terminale/terminale_win32.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace progetto1::strumento {

namespace {

std::string in_utf8(const wchar_t* s, int n) {
  if (n <= 0) return {};
  const int byte = WideCharToMultiByte(CP_UTF8, 0, s, n, nullptr, 0, nullptr, nullptr);
  std::string r(static_cast<std::size_t>(byte), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s, n, r.data(), byte, nullptr, nullptr);
  return r;
}

std::wstring in_utf16(const char* s, std::size_t n) {
  if (n == 0) return {};
  const int m = static_cast<int>(n);
  const int caratteri = MultiByteToWideChar(CP_UTF8, 0, s, m, nullptr, 0);
  std::wstring r(static_cast<std::size_t>(caratteri), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s, m, r.data(), caratteri);
  return r;
}

// The length of the longest prefix that ends on a whole UTF-8 character.
std::size_t fino_a_carattere_intero(const std::string& s) {
  const std::size_t n = s.size();
  for (std::size_t indietro = 1; indietro <= 4 && indietro <= n; ++indietro) {
    const auto b = static_cast<unsigned char>(s[n - indietro]);
    if ((b & 0xC0) == 0x80) continue;
    const std::size_t lunghezza = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return lunghezza > indietro ? n - indietro : n;
  }
  return n;
}

bool scrivi_consolle(HANDLE h, const std::wstring& testo) {
  // Consoles refuse very long single writes.
  constexpr std::size_t kPezzo = 8192;
  for (std::size_t i = 0; i < testo.size(); i += kPezzo) {
    const DWORD n = static_cast<DWORD>(std::min(kPezzo, testo.size() - i));
    DWORD scritti = 0;
    if (!WriteConsoleW(h, testo.data() + i, n, &scritti, nullptr)) return false;
  }
  return true;
}

bool scrivi_byte(HANDLE h, const char* s, std::size_t n) {
  while (n > 0) {
    DWORD scritti = 0;
    if (!WriteFile(h, s, static_cast<DWORD>(n), &scritti, nullptr) || scritti == 0) return false;
    s += scritti;
    n -= scritti;
  }
  return true;
}

}  // namespace

std::vector<std::string> argomenti_da_riga(const wchar_t* riga) {
  int n = 0;
  wchar_t** argv = CommandLineToArgvW(riga, &n);
  std::vector<std::string> r;
  if (argv == nullptr) return r;
  for (int i = 0; i < n; ++i) r.push_back(in_utf8(argv[i], static_cast<int>(wcslen(argv[i]))));
  LocalFree(argv);
  return r;
}

FlussoConsolle::FlussoConsolle(HANDLE h) : h_(h) {
  DWORD modo = 0;
  consolle_ = h_ != nullptr && h_ != INVALID_HANDLE_VALUE && GetConsoleMode(h_, &modo);
}

FlussoConsolle::~FlussoConsolle() { scarica(true); }

FlussoConsolle::int_type FlussoConsolle::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char carattere = traits_type::to_char_type(c);
  return xsputn(&carattere, 1) == 1 ? c : traits_type::eof();
}

std::streamsize FlussoConsolle::xsputn(const char* s, std::streamsize n) {
  attesa_.append(s, static_cast<std::size_t>(n));
  // Whole lines go out at once, so that output and error interleave as
  // they were written.
  if (std::find(s, s + n, '\n') != s + n || attesa_.size() >= 4096) {
    if (!scarica(false)) return 0;
  }
  return n;
}

int FlussoConsolle::sync() { return scarica(false) ? 0 : -1; }

bool FlussoConsolle::scarica(bool tutto) {
  const std::size_t n = tutto ? attesa_.size() : fino_a_carattere_intero(attesa_);
  if (n == 0) return true;
  const bool ok = consolle_ ? scrivi_consolle(h_, in_utf16(attesa_.data(), n))
                            : scrivi_byte(h_, attesa_.data(), n);
  attesa_.erase(0, n);
  return ok;
}

std::vector<std::string> argomenti_programma(int, char**) {
  return argomenti_da_riga(GetCommandLineW());
}

std::ostream& uscita_programma() {
  static FlussoConsolle flusso(GetStdHandle(STD_OUTPUT_HANDLE));
  static std::ostream os(&flusso);
  return os;
}

std::ostream& errore_programma() {
  static FlussoConsolle flusso(GetStdHandle(STD_ERROR_HANDLE));
  static std::ostream os(&flusso);
  return os;
}

std::istream& ingresso_programma() {
  static const bool binario = _setmode(_fileno(stdin), _O_BINARY) != -1;
  static_cast<void>(binario);
  return std::cin;
}

std::filesystem::path eseguibile_programma() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(buf.size() * 2);
  }
}

FormaLuogo forma_luogo_predefinita() { return FormaLuogo::kVisualStudio; }

}  // namespace progetto1::strumento
