#include "scenario/scrittori/scrittore_testi.h"

#include <gtest/gtest.h>

#include "model/archivio_memoria.h"
#include "model/guasto.h"

namespace progetto1 {
namespace {

TEST(ScrittoreTesti, RigheConCrLfFinoAllaSentinella) {
  std::int32_t contatore = -1;
  EXPECT_EQ(componi_testo({"[generale]", "", "è à"}, contatore), "[generale]\r\n\r\n\xE8 \xE0\r\n");
  EXPECT_EQ(contatore, 3);
}

TEST(ScrittoreTesti, UnaSentinellaNellElencoFermaLaScrittura) {
  std::int32_t contatore = 0;
  EXPECT_EQ(componi_testo({"a", kSentinella, "b"}, contatore), "a\r\n");
  EXPECT_EQ(contatore, 1);
}

TEST(ScrittoreTesti, MilleRigheAlPiu) {
  std::int32_t contatore = 0;
  const std::vector<std::string> mille(1000, "x");
  EXPECT_EQ(componi_testo(mille, contatore).size(), 3000u);
  EXPECT_EQ(contatore, 1000);
  const std::vector<std::string> troppe(1001, "x");
  EXPECT_THROW(componi_testo(troppe, contatore), Guasto);
}

TEST(ScrittoreTesti, SostituisceUnFilePiuLungo) {
  ArchivioMemoria archivio;
  archivio.file["t.txt"] = std::string(5000, 'z');
  std::int32_t contatore = 0;
  scrivi_testo(archivio, "t.txt", {"uno", "due"}, contatore);
  EXPECT_EQ(archivio.file["t.txt"], "uno\r\ndue\r\n");
}

}  // namespace
}  // namespace progetto1
