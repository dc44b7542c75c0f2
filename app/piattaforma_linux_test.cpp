#include "app/piattaforma_linux.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "app/prova/ritratto_x11.h"
#include "app/sequenza.h"

// Once FLTK draws text through Xft, fontconfig keeps what it loaded until the
// process ends; LeakSanitizer would take that for leaks of the tests.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace progetto1 {
namespace {

TEST(PiattaformaLinux, CartellaDelProgrammaEPercorsi) {
  PiattaformaLinux p;
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  ASSERT_GT(n, 0);
  std::string eseguibile(buf, static_cast<std::size_t>(n));
  EXPECT_EQ(p.cartella_programma(), eseguibile.substr(0, eseguibile.rfind('/')));
  EXPECT_EQ(p.unisci("/a/b", "Corsanta_linea.txt"), "/a/b/Corsanta_linea.txt");
}

TEST(PiattaformaLinux, SenzaDisplayIlMessaggioVaSuStandardError) {
  const char* display = std::getenv("DISPLAY");
  const std::string salvato = display ? display : "";
  unsetenv("DISPLAY");
  PiattaformaLinux p;
  EXPECT_FALSE(p.ha_display());
  p.mostra_attesa();
  EXPECT_EQ(p.finestra(), nullptr);
  ::testing::internal::CaptureStderr();
  p.messaggio(" Errore n. 1250", "Progetto1");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Progetto1:  Errore n. 1250\n");
  if (display) setenv("DISPLAY", salvato.c_str(), 1);
}

// Runs only with a display (the test suite runs it once more under Xvfb).
TEST(PiattaformaLinux, FinestraDiAttesaConIlDisplay) {
  PiattaformaLinux p;
  if (!p.ha_display()) GTEST_SKIP() << "nessun display";
  p.mostra_attesa();
  ASSERT_NE(p.finestra(), nullptr);
  EXPECT_TRUE(p.finestra()->shown());
  EXPECT_EQ(p.finestra()->w(), 280);
  EXPECT_EQ(p.finestra()->h(), 179);
  ASSERT_NE(p.etichetta(), nullptr);
  EXPECT_STREQ(p.etichetta()->label(), "Attendere");
  EXPECT_EQ(p.etichetta()->x(), 64);
  EXPECT_EQ(p.etichetta()->y(), 64);
  EXPECT_EQ(p.etichetta()->w(), 177);
  EXPECT_EQ(p.etichetta()->h(), 53);
  EXPECT_EQ(p.etichetta()->labelsize(), 32);
}

// Read back right after mostra_attesa: nothing else runs FLTK's event loop in
// between, as in the package. The caption is left- and top-aligned in its
// area; the fonts of the X server may draw it wider, so only the strips left
// of, above and below it must be bare background.
TEST(PiattaformaLinux, AttendereDisegnatoConIlDisplay) {
  PiattaformaLinux p;
  if (!p.ha_display()) GTEST_SKIP() << "nessun display";
  p.mostra_attesa();
  ASSERT_NE(p.finestra(), nullptr);
  EXPECT_TRUE(p.attesa_disegnata());
  const Ritratto r = leggi_finestra(*p.finestra());
  ASSERT_TRUE(r.letto());
  using D = DescrizioneAttesa;
  const Area didascalia{D::kEtichettaX, D::kEtichettaY, D::kEtichettaLarghezza,
                        D::kEtichettaAltezza};
  const int y_sotto = D::kEtichettaY + D::kEtichettaAltezza;
  EXPECT_EQ(difetti_del_testo(r, didascalia, r.pixel(didascalia) / 20,
                              {{0, 0, D::kLarghezzaClient, D::kEtichettaY},
                               {0, D::kEtichettaY, D::kEtichettaX, D::kEtichettaAltezza},
                               {0, y_sotto, D::kLarghezzaClient, D::kAltezzaClient - y_sotto}}),
            "");
}

// The message box is modal: an idle callback, run by the box's own event loop,
// reads it back once FLTK has drawn it and then presses its OK button.
Fl_Button* pulsante_ok(Fl_Window& box) {
  for (int i = 0; i < box.children(); ++i) {
    auto* b = dynamic_cast<Fl_Button*>(box.child(i));
    if (b != nullptr && b->label() != nullptr && std::string(b->label()) == "OK") return b;
  }
  return nullptr;
}

void leggi_e_premi_ok(void* dati) {
  auto& l = *static_cast<LetturaMessaggio*>(dati);
  Fl_Window* box = Fl::modal();
  if (box == nullptr || box->damage() != 0) return;  // not shown or not drawn yet
  Fl::remove_idle(leggi_e_premi_ok, dati);
  l.ritratto = leggi_finestra(*box);
  l.titolo = box->label() != nullptr ? box->label() : "";
  for (int i = 0; i < box->children(); ++i) {
    const Fl_Widget* w = box->child(i);
    if (dynamic_cast<const Fl_Box*>(w) != nullptr && w->label() != nullptr) {
      l.testo = w->label();
      l.area_testo = {w->x(), w->y(), w->w(), w->h()};
    }
  }
  if (Fl_Button* ok = pulsante_ok(*box)) {
    l.ok_premuto = true;
    ok->do_callback();
  }
}

// Only if the box never gets drawn: close it, so that the test fails instead
// of hanging.
void chiudi_scaduto(void* dati) {
  auto& l = *static_cast<LetturaMessaggio*>(dati);
  l.scaduto = true;
  if (Fl_Window* box = Fl::modal()) box->hide();
}

TEST(PiattaformaLinux, MessaggioDisegnatoConIlDisplay) {
  struct Caso {
    std::string testo;  // Windows-1252
    std::string atteso;
  };
  const Caso casi[] = {
      {" Errore n. 1250", " Errore n. 1250"},
      {testo_guasto(Guasto::accesso_file(
           "/home/utente/Documenti/Citt\xE0/Scenari_di_prova/Corsanta_linea.txt")),
       "Errore di run-time '75':\n\nErrore di accesso al percorso/file: "
       "/home/utente/Documenti/Citt\u00E0/Scenari_di_prova/Corsanta_linea.txt"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.atteso);
    PiattaformaLinux p;
    if (!p.ha_display()) GTEST_SKIP() << "nessun display";
    LetturaMessaggio l;
    Fl::add_idle(leggi_e_premi_ok, &l);
    Fl::add_timeout(30.0, chiudi_scaduto, &l);
    p.messaggio(c.testo, "Progetto1");
    Fl::remove_timeout(chiudi_scaduto, &l);
    Fl::remove_idle(leggi_e_premi_ok, &l);
    ASSERT_FALSE(l.scaduto);
    EXPECT_TRUE(l.ok_premuto);
    EXPECT_EQ(l.titolo, "Progetto1");
    ASSERT_TRUE(l.ritratto.letto());
    EXPECT_EQ(l.testo, c.atteso);
    const Area& a = l.area_testo;
    EXPECT_EQ(difetti_del_testo(l.ritratto, a, a.w * a.h / 200,
                                {{0, 0, l.ritratto.w(), a.y},
                                 {0, a.y, a.x, a.h},
                                 {a.x + a.w, a.y, l.ritratto.w() - a.x - a.w, a.h},
                                 {0, a.y + a.h, l.ritratto.w(), 10}}),
              "");
  }
}

}  // namespace
}  // namespace progetto1
