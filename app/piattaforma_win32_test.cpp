#include "app/piattaforma_win32.h"

#include <gtest/gtest.h>

#include <string>

namespace progetto1 {
namespace {

TEST(PiattaformaWin32, CartellaDelProgrammaEPercorsi) {
  PiattaformaWin32 p;
  char buf[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
  const std::string modulo(buf, n);
  EXPECT_EQ(p.cartella_programma(), modulo.substr(0, modulo.find_last_of('\\')));
  EXPECT_EQ(p.unisci("C:\\giochi", "Corsanta_linea.txt"), "C:\\giochi\\Corsanta_linea.txt");
}

TEST(PiattaformaWin32, FinestraDiAttesa) {
  PiattaformaWin32 p;
  p.mostra_attesa();
  ASSERT_NE(p.finestra(), nullptr);
  EXPECT_TRUE(IsWindowVisible(p.finestra()));
  RECT client;
  GetClientRect(p.finestra(), &client);
  EXPECT_EQ(client.right - client.left, 280);
  EXPECT_EQ(client.bottom - client.top, 179);

  ASSERT_NE(p.etichetta(), nullptr);
  char testo[32] = {};
  GetWindowTextA(p.etichetta(), testo, sizeof testo);
  EXPECT_STREQ(testo, "Attendere");
  RECT r;
  GetWindowRect(p.etichetta(), &r);
  MapWindowPoints(HWND_DESKTOP, p.finestra(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 64);
  EXPECT_EQ(r.top, 64);
  EXPECT_EQ(r.right - r.left, 177);
  EXPECT_EQ(r.bottom - r.top, 53);

  LOGFONTA font{};
  ASSERT_NE(p.carattere(), nullptr);
  GetObjectA(p.carattere(), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_FALSE(font.lfItalic);
  EXPECT_FALSE(font.lfUnderline);
  EXPECT_FALSE(font.lfStrikeOut);
  EXPECT_EQ(font.lfCharSet, 0);
  HDC dc = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(24, GetDeviceCaps(dc, LOGPIXELSY), 72));
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(p.etichetta(), WM_GETFONT, 0, 0)), p.carattere());
}

}  // namespace
}  // namespace progetto1
