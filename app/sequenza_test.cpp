#include "app/sequenza.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/prova/piattaforma_finta.h"
#include "model/archivio_memoria.h"
#include "model/cp1252.h"
#include "scenario/accodato/contenuto_accodato.h"
#include "scenario/prova/eseguibile_finto.h"

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

// The program's own file, served from memory; nothing else is read.
class SoloIlProgramma : public SistemaFile {
 public:
  explicit SoloIlProgramma(std::string byte) : byte_(std::move(byte)) {}
  std::error_code crea(const std::filesystem::path&, std::FILE*&) override { return rifiuto(); }
  std::error_code scrivi(std::FILE*, std::string_view) override { return rifiuto(); }
  std::error_code chiudi(std::FILE*) override { return rifiuto(); }
  std::error_code rinomina(const std::filesystem::path&, const std::filesystem::path&) override {
    return rifiuto();
  }
  std::error_code elimina(const std::filesystem::path&) override { return rifiuto(); }
  std::error_code leggi(const std::filesystem::path& percorso, std::string& byte) override {
    if (percorso != "Progetto1") return std::make_error_code(std::errc::no_such_file_or_directory);
    byte = byte_;
    return {};
  }
  bool esiste(const std::filesystem::path&) override { return false; }
  std::error_code rendi_eseguibile(const std::filesystem::path&) override { return rifiuto(); }

 private:
  static std::error_code rifiuto() { return std::make_error_code(std::errc::permission_denied); }
  std::string byte_;
};

const std::string kEseguibile(4096, '\x90');

// The embedded scenario with other names, a renamed station and a changed
// document line.
Scenario scenario_altro() {
  Scenario s = scenario_incorporato();
  s.nome_linea = "Val d'Olmo";
  s.numero_treno = "88";
  int rinominate = 0;
  for (std::string& riga : s.treno) {
    const std::size_t i = riga.find("SAN FELICIO");
    if (i != std::string::npos) {
      riga.replace(i, 11, "OLMETO");
      ++rinominate;
    }
  }
  EXPECT_EQ(rinominate, 1);
  s.note.at(0) = "Note dell'autrice: è un'altra linea";
  return s;
}

std::string righe_crlf(const std::vector<std::string>& righe) {
  std::string byte;
  for (const std::string& r : righe) byte += a_cp1252(r) + "\r\n";
  return byte;
}

TEST(Avvia, SenzaDatiAccodatiEseguiLoScenarioIncorporato) {
  PiattaformaFinta piattaforma_a, piattaforma_b;
  ArchivioMemoria senza, incorporato;
  SoloIlProgramma sistema(kEseguibile);
  EXPECT_EQ(avvia(piattaforma_a, senza, sistema), kUscitaNormale);
  EXPECT_EQ(carica(piattaforma_b, incorporato), kUscitaNormale);
  EXPECT_EQ(senza.file, incorporato.file);
  EXPECT_EQ(senza.file.size(), 6u);
  EXPECT_EQ(piattaforma_a.eventi, std::vector<std::string>{"attesa"});
}

TEST(Avvia, LoScenarioAccodatoAlPostoDiQuelloIncorporato) {
  const Scenario s = scenario_altro();
  PiattaformaFinta piattaforma;
  ArchivioMemoria archivio;
  SoloIlProgramma sistema(kEseguibile + componi_accodato(s, kEseguibile.size()));
  EXPECT_EQ(avvia(piattaforma, archivio, sistema), kUscitaNormale);
  EXPECT_EQ(piattaforma.eventi, std::vector<std::string>{"attesa"});
  std::vector<std::string> nomi;
  for (const auto& [nome, byte] : archivio.file) nomi.push_back(nome);
  EXPECT_EQ(nomi,
            (std::vector<std::string>{"Val d'Olmo_88.dat", "Val d'Olmo_88.sim",
                                      "Val d'Olmo_88_note.txt", "Val d'Olmo_88_rallentamenti.txt",
                                      "Val d'Olmo_88_scheda_treno.txt", "Val d'Olmo_linea.dat"}));
  EXPECT_EQ(archivio.file["Val d'Olmo_88_note.txt"], righe_crlf(s.note));
  EXPECT_NE(archivio.file["Val d'Olmo_88.sim"].find("OLMETO"), std::string::npos);
  EXPECT_EQ(archivio.file["Val d'Olmo_88_scheda_treno.txt"], righe_crlf(s.scheda));
  EXPECT_EQ(archivio.file["Val d'Olmo_88_rallentamenti.txt"], righe_crlf(s.rallentamenti));
}

TEST(Avvia, DatiRovinatiONomiNonSicuriNonScrivonoNulla) {
  const std::string buono = kEseguibile + componi_accodato(scenario_altro(), kEseguibile.size());
  struct Caso {
    const char* nome;
    std::function<std::string()> programma;
    const char* inizio_messaggio;
  };
  const auto con_nomi = [](const char* linea, const char* treno) {
    Scenario s = scenario_altro();
    s.nome_linea = linea;
    s.numero_treno = treno;
    return kEseguibile + componi_accodato(s, kEseguibile.size());
  };
  const char* const rovinato = "Lo scenario accodato al programma è rovinato: ";
  const char* const non_sicuro =
      "Lo scenario accodato al programma non si può scrivere nella sua cartella: ";
  const Caso casi[] = {
      {"somma sbagliata",
       [&] {
         std::string f = buono;
         f[kEseguibile.size() + 40] ^= 1;
         return f;
       },
       rovinato},
      {"troncato",
       [&] { return buono.substr(0, kEseguibile.size() + 30) + buono.substr(buono.size() - 24); },
       rovinato},
      {"tagliato alla fine",
       [&] {
         const std::string elf = prova::elf_finto(4096);
         const std::string f = elf + componi_accodato(scenario_altro(), elf.size());
         return f.substr(0, f.size() - 50);
       },
       rovinato},
      {"versione sconosciuta",
       [&] {
         std::string f = buono;
         f[kEseguibile.size() + 8] = 7;
         return f;
       },
       rovinato},
      {"separatore", [&] { return con_nomi("a/b", "1"); }, non_sicuro},
      {"barra rovescia", [&] { return con_nomi("a\\b", "1"); }, non_sicuro},
      {"risalita", [&] { return con_nomi("..", "1"); }, non_sicuro},
      {"dispositivo", [&] { return con_nomi("Linea", "COM1"); }, non_sicuro},
      {"dispositivo con estensione", [&] { return con_nomi("nul.txt", "1"); }, non_sicuro},
      {"controllo", [&] { return con_nomi("a\x01", "1"); }, non_sicuro},
      {"vuoto", [&] { return con_nomi("Linea", ""); }, non_sicuro},
      {"celle sul piano", [&] { return con_nomi("Linea", "linea"); }, non_sicuro},
  };
  for (const Caso& c : casi) {
    PiattaformaFinta piattaforma;
    ArchivioMemoria archivio;
    SoloIlProgramma sistema(c.programma());
    EXPECT_EQ(avvia(piattaforma, archivio, sistema), kUscitaGuasto) << c.nome;
    EXPECT_TRUE(archivio.file.empty()) << c.nome;
    ASSERT_EQ(piattaforma.eventi.size(), 1u) << c.nome;
    const std::string atteso = "messaggio[Progetto1]" + a_cp1252(c.inizio_messaggio);
    EXPECT_EQ(piattaforma.eventi[0].substr(0, atteso.size()), atteso) << piattaforma.eventi[0];
    EXPECT_NE(piattaforma.eventi[0].find(a_cp1252("Nessun file è stato scritto.")),
              std::string::npos);
  }
}

// This very program, as the linker made it, ends where its headers say: a
// bare package is never taken for one cut short.
TEST(Avvia, IlProgrammaFinisceDoveDiceLaSuaTesta) {
  const std::filesystem::path programma = crea_piattaforma()->file_programma();
  std::string byte;
  ASSERT_FALSE(sistema_file().leggi(programma, byte)) << programma;
  const std::optional<std::uint64_t> fine =
      fine_eseguibile(std::string_view(byte).substr(0, kDimensioneTesta));
#ifdef _WIN32
  if (!fine) GTEST_SKIP() << "programma con la tabella dei simboli";
#endif
  ASSERT_TRUE(fine.has_value());
  EXPECT_EQ(*fine, byte.size());
}

TEST(Avvia, IlProprioFileIlleggibileEUnGuasto) {
  PiattaformaFinta piattaforma(".", "altro");
  ArchivioMemoria archivio;
  SoloIlProgramma sistema(kEseguibile);
  EXPECT_EQ(avvia(piattaforma, archivio, sistema), kUscitaGuasto);
  EXPECT_TRUE(archivio.file.empty());
  ASSERT_EQ(piattaforma.eventi.size(), 1u);
  EXPECT_EQ(piattaforma.eventi[0].rfind("messaggio[Progetto1]Errore di run-time '53'", 0), 0u)
      << piattaforma.eventi[0];
}

}  // namespace
}  // namespace progetto1
