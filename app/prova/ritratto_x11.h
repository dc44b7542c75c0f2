// Reading an FLTK window back from the X server, for the windowed tests. Kept
// apart from the tests themselves: Xlib's macros (None, Bool) clash with
// GoogleTest's names.
#pragma once

#include "app/prova/ritratto.h"

class Fl_Window;

namespace progetto1 {

// The window's client area as the X server holds it now (XGetImage on its X
// window); an empty Ritratto when it cannot be read.
Ritratto leggi_finestra(const Fl_Window& finestra);

}  // namespace progetto1
