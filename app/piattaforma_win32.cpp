// Windows: the folder from the module's file name, paths joined with a
// backslash, the wait window and the message box on the Win32 API.
#include "app/piattaforma_win32.h"

#include <memory>
#include <string>

namespace progetto1 {

namespace {

constexpr const char* kClasse = "Progetto1Form1";

LRESULT CALLBACK procedura_form1(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

PiattaformaWin32::~PiattaformaWin32() {
  if (form1_ != nullptr) DestroyWindow(form1_);
  if (carattere_ != nullptr) DeleteObject(carattere_);
}

std::filesystem::path PiattaformaWin32::file_programma() {
  // The wide name holds any folder name; it may be longer than MAX_PATH.
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(buf.size() * 2);
  }
}

std::filesystem::path PiattaformaWin32::cartella_programma() {
  const std::wstring file = file_programma().wstring();
  const auto barra = file.find_last_of(L"\\/");
  return barra == std::wstring::npos ? std::wstring(L".") : file.substr(0, barra);
}

std::filesystem::path PiattaformaWin32::unisci(const std::filesystem::path& cartella,
                                               const std::string& nome) {
  // File names are Windows-1252, whatever the system's ANSI code page.
  std::wstring largo;
  if (!nome.empty()) {
    const int n =
        MultiByteToWideChar(1252, 0, nome.data(), static_cast<int>(nome.size()), nullptr, 0);
    largo.resize(static_cast<std::size_t>(n));
    MultiByteToWideChar(1252, 0, nome.data(), static_cast<int>(nome.size()), largo.data(), n);
  }
  return cartella.native() + L"\\" + largo;
}

void PiattaformaWin32::mostra_attesa() {
  using D = DescrizioneAttesa;
  HINSTANCE istanza = GetModuleHandleA(nullptr);
  WNDCLASSA classe{};
  classe.lpfnWndProc = procedura_form1;
  classe.hInstance = istanza;
  classe.hCursor = LoadCursor(nullptr, IDC_ARROW);
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = kClasse;
  RegisterClassA(&classe);

  const DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r{0, 0, D::kLarghezzaClient, D::kAltezzaClient};
  AdjustWindowRect(&r, stile, FALSE);
  form1_ = CreateWindowExA(0, kClasse, D::kTitolo, stile, CW_USEDEFAULT, CW_USEDEFAULT,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, istanza, nullptr);
  if (form1_ == nullptr) return;
  label1_ = CreateWindowExA(0, "STATIC", D::kDidascalia, WS_CHILD | WS_VISIBLE | SS_LEFT,
                            D::kEtichettaX, D::kEtichettaY, D::kEtichettaLarghezza,
                            D::kEtichettaAltezza, form1_, nullptr, istanza, nullptr);
  HDC dc = GetDC(form1_);
  const int altezza = -MulDiv(D::kPuntiCarattere, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(form1_, dc);
  carattere_ =
      CreateFontA(altezza, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, D::kCarattere);
  if (label1_ != nullptr && carattere_ != nullptr) {
    SendMessageA(label1_, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_), TRUE);
  }
  ShowWindow(form1_, SW_SHOWNORMAL);
  // Paint the window and its label now: no message loop runs during the work.
  RedrawWindow(form1_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void PiattaformaWin32::messaggio(const std::string& testo, const std::string& titolo) {
  MessageBoxA(form1_, testo.c_str(), titolo.c_str(), MB_OK | MB_APPLMODAL);
}

std::unique_ptr<Piattaforma> crea_piattaforma() { return std::make_unique<PiattaformaWin32>(); }

}  // namespace progetto1
