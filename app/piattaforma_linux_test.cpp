#include "app/piattaforma_linux.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "app/ritratto_x11.h"

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

}  // namespace
}  // namespace progetto1
