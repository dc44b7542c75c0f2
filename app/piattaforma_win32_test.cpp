#include "app/piattaforma_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/prova/ritratto.h"
#include "app/sequenza.h"

namespace progetto1 {
namespace {

// A window's client area as it was painted, copied out of its device context.
Ritratto leggi_finestra(HWND finestra) {
  RECT client;
  if (!GetClientRect(finestra, &client)) return {};
  const int w = client.right - client.left;
  const int h = client.bottom - client.top;
  if (w <= 0 || h <= 0) return {};
  HDC dc = GetDC(finestra);
  HDC memoria = CreateCompatibleDC(dc);
  HBITMAP copia = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ prima = SelectObject(memoria, copia);
  const bool copiato = BitBlt(memoria, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  SelectObject(memoria, prima);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> bgr(static_cast<std::size_t>(w * h));
  const int righe =
      GetDIBits(memoria, copia, 0, static_cast<UINT>(h), bgr.data(), &info, DIB_RGB_COLORS);
  DeleteObject(copia);
  DeleteDC(memoria);
  ReleaseDC(finestra, dc);
  if (!copiato || righe != h) return {};
  std::vector<int> luce;
  luce.reserve(bgr.size());
  for (const RGBQUAD& q : bgr) luce.push_back(luminosita(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return Ritratto(w, h, std::move(luce));
}

TEST(PiattaformaWin32, CartellaDelProgrammaEPercorsi) {
  PiattaformaWin32 p;
  wchar_t buf[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  const std::wstring modulo(buf, n);
  EXPECT_EQ(p.cartella_programma().native(), modulo.substr(0, modulo.find_last_of(L'\\')));
  EXPECT_EQ(p.unisci(L"C:\\giochi", "Corsanta_linea.txt").native(),
            L"C:\\giochi\\Corsanta_linea.txt");
  // File names are Windows-1252 whatever the ANSI code page: "\xe0" is "à".
  EXPECT_EQ(p.unisci(L"C:\\\u65e5\u672c", "citt\xe0.txt").native(),
            L"C:\\\u65e5\u672c\\citt\u00e0.txt");
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

// Read back right after mostra_attesa, before any message loop runs. The
// label clips its text, so all around it is bare background.
TEST(PiattaformaWin32, AttendereDisegnato) {
  PiattaformaWin32 p;
  p.mostra_attesa();
  ASSERT_NE(p.finestra(), nullptr);
  const Ritratto r = leggi_finestra(p.finestra());
  ASSERT_TRUE(r.letto());
  using D = DescrizioneAttesa;
  const Area didascalia{D::kEtichettaX, D::kEtichettaY, D::kEtichettaLarghezza,
                        D::kEtichettaAltezza};
  const int x_destra = D::kEtichettaX + D::kEtichettaLarghezza;
  const int y_sotto = D::kEtichettaY + D::kEtichettaAltezza;
  EXPECT_EQ(difetti_del_testo(
                r, didascalia, r.pixel(didascalia) / 20,
                {{0, 0, D::kLarghezzaClient, D::kEtichettaY},
                 {0, D::kEtichettaY, D::kEtichettaX, D::kEtichettaAltezza},
                 {x_destra, D::kEtichettaY, D::kLarghezzaClient - x_destra, D::kEtichettaAltezza},
                 {0, y_sotto, D::kLarghezzaClient, D::kAltezzaClient - y_sotto}}),
            "");
}

// The message box is modal: a thread timer, run by the box's own message loop
// (after the box's paint messages, which come first), reads it back and
// presses OK.
// A timer procedure takes no data.
LetturaMessaggio* lettura = nullptr;
int giri_senza_box = 0;

BOOL CALLBACK trova_box(HWND hwnd, LPARAM dove) {
  char classe[16] = {};
  GetClassNameA(hwnd, classe, sizeof classe);
  if (std::string(classe) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(dove) = hwnd;
  return FALSE;
}

void CALLBACK leggi_e_premi_ok(HWND, UINT, UINT_PTR timer, DWORD) {
  LetturaMessaggio& l = *lettura;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), trova_box, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) {
    // Only if the box never shows: close what is active, so that the test
    // fails instead of hanging.
    if (++giri_senza_box == 3000) {
      l.scaduto = true;
      PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
    }
    return;
  }
  KillTimer(nullptr, timer);
  RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  l.ritratto = leggi_finestra(box);
  char testo[512] = {};
  GetWindowTextA(box, testo, sizeof testo);
  l.titolo = testo;
  constexpr int kTestoDelBox = 0xFFFF;
  if (HWND statico = GetDlgItem(box, kTestoDelBox)) {
    GetWindowTextA(statico, testo, sizeof testo);
    l.testo = testo;
    RECT r;
    GetWindowRect(statico, &r);
    MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&r), 2);
    l.area_testo = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  if (HWND ok = GetDlgItem(box, IDOK)) {
    l.ok_premuto = true;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  }
}

TEST(PiattaformaWin32, MessaggioDisegnato) {
  const std::string casi[] = {
      " Errore n. 1250",
      testo_guasto(
          Guasto::accesso_file("C:\\Giochi\\Citt\xE0\\Scenari di prova\\Corsanta_linea.txt")),
  };
  PiattaformaWin32 p;
  p.mostra_attesa();
  for (const std::string& testo : casi) {
    SCOPED_TRACE(testo);
    LetturaMessaggio l;
    lettura = &l;
    giri_senza_box = 0;
    ASSERT_NE(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, leggi_e_premi_ok), 0u);
    p.messaggio(testo, "Progetto1");
    lettura = nullptr;
    ASSERT_FALSE(l.scaduto);
    EXPECT_TRUE(l.ok_premuto);
    EXPECT_EQ(l.titolo, "Progetto1");
    ASSERT_TRUE(l.ritratto.letto());
    EXPECT_EQ(l.testo, testo);
    const Area& a = l.area_testo;
    // The text control is as large as its text, and the box has no icon
    // beside it.
    EXPECT_EQ(difetti_del_testo(l.ritratto, a, a.w * a.h / 50,
                                {{0, 0, l.ritratto.w(), a.y},
                                 {0, a.y, a.x, a.h},
                                 {a.x + a.w, a.y, l.ritratto.w() - a.x - a.w, a.h}}),
              "");
  }
}

}  // namespace
}  // namespace progetto1
