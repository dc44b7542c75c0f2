#include "app/piattaforma_linux.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

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

}  // namespace
}  // namespace progetto1
