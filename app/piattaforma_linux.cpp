// Linux: the folder from /proc/self/exe, paths joined with a slash. With a
// reachable display the wait window and the message box are real FLTK
// windows; without one there is no window and messages go to standard error.
#include "app/piattaforma_linux.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <iostream>
#include <memory>

#include "app/piattaforma.h"
#include "model/cp1252.h"

namespace progetto1 {

namespace {

bool display_raggiungibile() {
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return false;
  // FLTK takes the first connection. Closing it and letting FLTK open its own
  // would leave a moment without clients, in which an X server may reset
  // (Xvfb does) and refuse FLTK, which then ends the program.
  if (fl_display == nullptr) {
    fl_open_display(d);
  } else {
    XCloseDisplay(d);
  }
  return true;
}

// How long the wait window waits for the X server to expose it. Xvfb exposes
// it within milliseconds; a display that never does must not hold the package.
constexpr std::chrono::milliseconds kLimiteEsposizione{2000};

// FLTK draws a window only once its first Expose event has come; draw()
// runs then, from Fl::flush().
class FinestraAttesa : public Fl_Window {
 public:
  FinestraAttesa(int w, int h, const char* titolo, bool& disegnata)
      : Fl_Window(w, h, titolo), disegnata_(disegnata) {}

  void draw() override {
    Fl_Window::draw();
    disegnata_ = true;
  }

 private:
  bool& disegnata_;
};

}  // namespace

PiattaformaLinux::PiattaformaLinux() : display_(display_raggiungibile()) {}
PiattaformaLinux::~PiattaformaLinux() = default;

std::filesystem::path PiattaformaLinux::file_programma() {
  // The name is bytes, whatever they are; the link may be longer than
  // PATH_MAX.
  std::string buf(PATH_MAX, '\0');
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) < buf.size()) {
      buf.resize(static_cast<std::size_t>(n));
      return buf;
    }
    buf.resize(buf.size() * 2);
  }
}

std::filesystem::path PiattaformaLinux::cartella_programma() {
  const std::string file = file_programma().string();
  const auto barra = file.rfind('/');
  return barra == std::string::npos ? std::string(".") : file.substr(0, barra);
}

std::filesystem::path PiattaformaLinux::unisci(const std::filesystem::path& cartella,
                                               const std::string& nome) {
  return cartella.native() + "/" + nome;
}

void PiattaformaLinux::mostra_attesa() {
  if (!display_) return;
  using D = DescrizioneAttesa;
  attesa_disegnata_ = false;
  finestra_ = std::make_unique<FinestraAttesa>(D::kLarghezzaClient, D::kAltezzaClient, D::kTitolo,
                                               attesa_disegnata_);
  etichetta_ = new Fl_Box(D::kEtichettaX, D::kEtichettaY, D::kEtichettaLarghezza,
                          D::kEtichettaAltezza, D::kDidascalia);
  etichetta_->labelfont(FL_HELVETICA_BOLD);
  etichetta_->labelsize(D::kPuntiCarattere * 96 / 72);  // points at 96 dots per inch
  etichetta_->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  finestra_->end();
  finestra_->show();
  // Draw it now: the package does not return to an event loop while it works.
  // Fl_Window::wait_for_expose() would wait without a limit.
  using Orologio = std::chrono::steady_clock;
  const auto fine = Orologio::now() + kLimiteEsposizione;
  for (;;) {
    Fl::flush();
    if (attesa_disegnata_) break;
    const std::chrono::duration<double> resto = fine - Orologio::now();
    if (resto.count() <= 0) break;
    Fl::wait(resto.count());
  }
  // The drawing is on the screen before the first text is written.
  XSync(fl_display, False);
}

void PiattaformaLinux::messaggio(const std::string& testo, const std::string& titolo) {
  const std::string testo_utf8 = da_cp1252(testo);
  const std::string titolo_utf8 = da_cp1252(titolo);
  if (!display_) {
    std::cerr << titolo_utf8 << ": " << testo_utf8 << '\n';
    return;
  }
  // As large as its text: a failure report runs to several lines, and a long
  // path, one word, may be wider than the lines are wrapped to. FLTK draws a
  // left-aligned label 3 pixels in from either side.
  constexpr int kMargine = 3;
  int larghezza = 300 - 2 * kMargine;
  int altezza = 0;
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  fl_measure(testo_utf8.c_str(), larghezza, altezza);
  larghezza = std::max(larghezza + 2 * kMargine, 300);
  altezza = std::max(altezza, 60);
  Fl_Window box(larghezza + 20, altezza + 60, titolo_utf8.c_str());
  Fl_Box etichetta(10, 10, larghezza, altezza, testo_utf8.c_str());
  etichetta.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  Fl_Return_Button ok((larghezza + 20 - 80) / 2, altezza + 20, 80, 28, "OK");
  ok.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
  box.end();
  box.set_modal();
  box.show();
  while (box.shown()) Fl::wait();
}

std::unique_ptr<Piattaforma> crea_piattaforma() { return std::make_unique<PiattaformaLinux>(); }

}  // namespace progetto1
