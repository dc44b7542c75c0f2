#include "tools/pacchetto_base.h"

#include <gtest/gtest.h>

#include "tools/terminale.h"

namespace progetto1::strumento {
namespace {

namespace fs = std::filesystem;

TEST(PacchettoBase, AccantoAlloStrumentoPerLaPiattaformaDellUscita) {
  struct Caso {
    const char* strumento;
    const char* uscita;
    const char* base;
  };
  const Caso casi[] = {
      {"C:/Programmi/Scenari/scenario.exe", "Linea.exe", "C:/Programmi/Scenari/Progetto1.exe"},
      {"C:/Programmi/Scenari/scenario.exe", "D:/Pacchetti/Linea.EXE",
       "C:/Programmi/Scenari/Progetto1.exe"},
      {"C:/Programmi/Scenari/scenario.exe", "Linea", "C:/Programmi/Scenari/Progetto1"},
      {"/opt/scenari/bin/scenario", "uscita/Città.exe", "/opt/scenari/bin/Progetto1.exe"},
      {"/opt/scenari/bin/scenario", "uscita/linea.exe.bak", "/opt/scenari/bin/Progetto1"},
      {"scenario", "Linea.exe", "Progetto1.exe"},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(pacchetto_base_predefinito(c.strumento, c.uscita), fs::path(c.base))
        << c.strumento << " " << c.uscita;
  }
}

// The tool finds the package beside its own file, as the system names it.
TEST(PacchettoBase, DalFileDelProgrammaInEsecuzione) {
  const fs::path programma = eseguibile_programma();
  ASSERT_TRUE(fs::is_regular_file(programma)) << programma;
  EXPECT_EQ(pacchetto_base_predefinito(programma, "x.exe").parent_path(), programma.parent_path());
}

}  // namespace
}  // namespace progetto1::strumento
