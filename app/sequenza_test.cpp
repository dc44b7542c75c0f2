#include "app/sequenza.h"

#include <gtest/gtest.h>

#include "app/piattaforma_finta.h"
#include "model/archivio_memoria.h"

namespace progetto1 {
namespace {

TEST(Errore, MostraIlCodiceEFermaIlProgramma) {
  PiattaformaFinta piattaforma;
  AvvisiFinestra avvisi(piattaforma);
  try {
    avvisi.errore(CodiceErrore::kValoriPacchetto);
    FAIL() << "errore returned";
  } catch (const FineProgramma& fine) {
    EXPECT_EQ(fine.stato, kUscitaErrore);
  }
  ASSERT_EQ(piattaforma.eventi.size(), 1u);
  EXPECT_EQ(piattaforma.eventi[0], "messaggio[Progetto1] Errore n. 1250");
}

TEST(Carica, MostraLAttesaPrimaDiScrivere) {
  PiattaformaFinta piattaforma;
  ArchivioMemoria archivio;
  carica(piattaforma, archivio);
  ASSERT_FALSE(piattaforma.eventi.empty());
  EXPECT_EQ(piattaforma.eventi[0], "attesa");
}

// An archive whose writes fail from the n-th on, as a read-only or full
// folder does.
class ArchivioCheCede : public ArchivioMemoria {
 public:
  explicit ArchivioCheCede(int scritture_riuscite) : restanti_(scritture_riuscite) {}
  void sostituisci(const std::string& nome, std::string_view byte) override {
    if (restanti_-- <= 0) throw Guasto::accesso_file(nome);
    ArchivioMemoria::sostituisci(nome, byte);
    scritti.push_back(nome);
  }
  std::vector<std::string> scritti;

 private:
  int restanti_;
};

TEST(Carica, UnGuastoSaltaLeFasiSeguentiELasciaIFileCompleti) {
  PiattaformaFinta piattaforma;
  ArchivioCheCede archivio(2);  // line and train texts, then the notes fail
  EXPECT_EQ(carica(piattaforma, archivio), kUscitaGuasto);
  EXPECT_EQ(archivio.scritti,
            (std::vector<std::string>{"Corsanta_linea.txt", "Corsanta_7402-.txt"}));
  ASSERT_EQ(piattaforma.eventi.size(), 2u);
  EXPECT_EQ(piattaforma.eventi[1],
            "messaggio[Progetto1]Errore di run-time '75':\n\n"
            "Errore di accesso al percorso/file: Corsanta_7402_note.txt");
}

TEST(Carica, CartellaDiSolaLetturaFallisceAlPrimoTesto) {
  PiattaformaFinta piattaforma;
  ArchivioCheCede archivio(0);
  EXPECT_EQ(carica(piattaforma, archivio), kUscitaGuasto);
  EXPECT_TRUE(archivio.file.empty());
}

}  // namespace
}  // namespace progetto1
