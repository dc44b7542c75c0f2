#include "tools/terminale/terminale_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

namespace progetto1::strumento {
namespace {

namespace fs = std::filesystem;

TEST(TerminaleWin32, ArgomentiLargiInUtf8) {
  struct Caso {
    const wchar_t* riga;
    std::vector<std::string> argomenti;
  };
  const Caso casi[] = {
      {L"scenario.exe texts --out testi", {"scenario.exe", "texts", "--out", "testi"}},
      {L"\"C:\\Program Files\\Scenari\\scenario.exe\" dump \"D:\\Dati utente\\日本語\\a.sim\"",
       {"C:\\Program Files\\Scenari\\scenario.exe", "dump", "D:\\Dati utente\\日本語\\a.sim"}},
      {L"scenario.exe compile --name Città --out C:/Uscita/perché",
       {"scenario.exe", "compile", "--name", "Città", "--out", "C:/Uscita/perché"}},
      {L"scenario.exe \"\" \"a \\\"b\\\"\"", {"scenario.exe", "", "a \"b\""}},
  };
  for (const Caso& c : casi) EXPECT_EQ(argomenti_da_riga(c.riga), c.argomenti);
}

const std::string kAccentato = "Città: è già là, 日本\n";

// Writes the text through the stream in two pieces that cut "è" in half.
void scrivi_spezzato(HANDLE h) {
  FlussoConsolle flusso(h);
  std::ostream os(&flusso);
  const std::size_t taglio = kAccentato.find("è") + 1;
  os << kAccentato.substr(0, taglio);
  os.flush();
  os << kAccentato.substr(taglio);
  os.flush();
}

// Redirected to a file, the text stays UTF-8 bytes.
TEST(TerminaleWin32, SuFileByteUtf8) {
  const fs::path cartella = fs::temp_directory_path() / L"p1_terminale_日本 è";
  fs::create_directories(cartella);
  const fs::path file = cartella / "uscita.txt";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  scrivi_spezzato(h);
  CloseHandle(h);
  std::ifstream f(file, std::ios::binary);
  const std::string letto{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  f.close();
  EXPECT_EQ(letto, kAccentato);
  fs::remove_all(cartella);
}

// On a console the characters arrive as themselves, whatever code page the
// console shows: each of these lacks some of them.
TEST(TerminaleWin32, SullaConsolleGliStessiCaratteriConOgniCodepage) {
  const auto nuovo_schermo = [] {
    return CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     CONSOLE_TEXTMODE_BUFFER, nullptr);
  };
  // Run with its output redirected the test may have no console of its own.
  HANDLE prova = nuovo_schermo();
  if (prova == INVALID_HANDLE_VALUE) {
    FreeConsole();
    AllocConsole();
    prova = nuovo_schermo();
  }
  ASSERT_NE(prova, INVALID_HANDLE_VALUE) << "nessuna console: " << GetLastError();
  CloseHandle(prova);
  const UINT prima = GetConsoleOutputCP();
  for (const UINT codepage : {437u, 850u, 1252u, 65001u}) {
    SetConsoleOutputCP(codepage);
    HANDLE schermo = nuovo_schermo();
    ASSERT_NE(schermo, INVALID_HANDLE_VALUE) << codepage;
    scrivi_spezzato(schermo);
    // The CJK letters take two cells each; the accents are what matters here.
    const std::wstring atteso = L"Città: è già là, ";
    std::wstring letto(atteso.size(), L'\0');
    DWORD n = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(schermo, letto.data(), static_cast<DWORD>(letto.size()),
                                            COORD{0, 0}, &n))
        << codepage;
    letto.resize(n);
    EXPECT_TRUE(letto == atteso) << "codepage " << codepage;
    CloseHandle(schermo);
  }
  SetConsoleOutputCP(prima);
}

}  // namespace
}  // namespace progetto1::strumento
