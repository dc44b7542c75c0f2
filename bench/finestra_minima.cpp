// The floor of a windowed Win32 program under Wine: one window with one
// label, shown and painted at once, then the end. The package under Wine is
// measured against it (bench/confronto.sh).
#include <windows.h>

int WINAPI WinMain(HINSTANCE istanza, HINSTANCE, LPSTR, int) {
  WNDCLASSA classe = {};
  classe.lpfnWndProc = DefWindowProcA;
  classe.hInstance = istanza;
  classe.lpszClassName = "FinestraMinima";
  RegisterClassA(&classe);
  HWND finestra = CreateWindowA("FinestraMinima", "Progetto1", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 280, 180, nullptr, nullptr, istanza, nullptr);
  CreateWindowA("STATIC", "Attendere", WS_CHILD | WS_VISIBLE, 60, 60, 160, 40, finestra, nullptr,
                istanza, nullptr);
  ShowWindow(finestra, SW_SHOWNORMAL);
  UpdateWindow(finestra);
  DestroyWindow(finestra);
  return 0;
}
