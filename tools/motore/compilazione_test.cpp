#include "tools/motore/compilazione.h"

#include <gtest/gtest.h>

#include "model/archivio_memoria.h"
#include "model/avvisi.h"
#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/scrittori/testi.h"
#include "tools/binari/decodifica.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

using prova::unisci;

std::vector<std::string> nomi(const std::vector<FileUscita>& file) {
  std::vector<std::string> n;
  for (const FileUscita& f : file) n.push_back(f.first);
  return n;
}

EsitoCompilazione compila_prova(const prova::Righe& linea, const prova::Righe& treno,
                                bool con_piano = true) {
  return compila(unisci(linea), unisci(treno), "Prova", "11", con_piano);
}

TEST(Compilazione, TestiPulitiDannoITreFileNellOrdineDelPacchetto) {
  const EsitoCompilazione e = compila_prova(prova::linea_prova(), prova::treno_prova());
  EXPECT_EQ(e.codice_errore, 0);
  EXPECT_EQ(e.fatale, Fatale::kNessuno);
  EXPECT_EQ(nomi(e.file),
            (std::vector<std::string>{"Prova_linea.dat", "Prova_11.sim", "Prova_11.dat"}));
  // 5000 m + 7000 m: cells 0 to 240.
  EXPECT_EQ(e.file[2].second.size(), 241u * 15u);
  const std::vector<stazione> slot = decodifica_stazioni(e.file[1].second);
  EXPECT_EQ(slot[1].testo, "Alfa");
  EXPECT_EQ(slot[2].testo, "Beta & <Gamma>");
  EXPECT_EQ(slot[85].testo, "Prova");
  EXPECT_EQ(slot[86].testo, "11");
}

TEST(Compilazione, SenzaPianoNessunFileDelPiano) {
  const EsitoCompilazione e = compila_prova(prova::linea_prova(), prova::treno_prova(), false);
  EXPECT_EQ(e.codice_errore, 0);
  EXPECT_EQ(nomi(e.file), (std::vector<std::string>{"Prova_11.sim", "Prova_11.dat"}));
}

TEST(Compilazione, SegnaleSuCellaOccupataCodice16ConLaRiga) {
  const EsitoCompilazione e = compila_prova(prova::linea_prova(), prova::treno_segnale_doppio());
  EXPECT_EQ(e.codice_errore, 16);
  EXPECT_EQ(e.posizione_errore, 2500);
  EXPECT_EQ(e.fatale, Fatale::kNessuno);
  EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
  EXPECT_EQ(e.traccia.luogo.riga, prova::kRigaSegnale + 1);
  EXPECT_EQ(e.traccia.testo_riga, "segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0");
  // As the package does, the files are written all the same.
  EXPECT_EQ(e.file.size(), 3u);
}

TEST(Compilazione, Codice15DellaLineaRitrovatoDietroIlSegnale) {
  const EsitoCompilazione e = compila_prova(prova::linea_pendenza_oltre(), prova::treno_prova());
  // The register as the package leaves it: the signal's line and position.
  EXPECT_EQ(e.codice_errore, 15);
  EXPECT_EQ(e.posizione_errore, 2500);
  EXPECT_EQ(e.traccia.luogo.testo, Luogo::Testo::kTreno);
  EXPECT_EQ(e.traccia.luogo.riga, prova::kRigaSegnale);
  // Where the line text went beyond the track.
  ASSERT_TRUE(e.traccia.causa.has_value());
  EXPECT_EQ(e.traccia.causa->luogo.testo, Luogo::Testo::kLinea);
  EXPECT_EQ(e.traccia.causa->luogo.riga, prova::kRigaOltre);
  EXPECT_EQ(e.traccia.causa->testo_riga, "pendenza,   20000,   5");
  EXPECT_EQ(e.traccia.causa->posizione, 20000);
}

TEST(Compilazione, Codice15DelTrenoResta) {
  prova::Righe treno = prova::treno_prova();
  treno.insert(treno.begin() + 10, "velocita,   20000,   80");
  const EsitoCompilazione e = compila_prova(prova::linea_prova(), treno);
  EXPECT_EQ(e.codice_errore, 15);
  EXPECT_EQ(e.posizione_errore, 20000);
  EXPECT_EQ(e.traccia.luogo.riga, 11);
  EXPECT_FALSE(e.traccia.causa.has_value());
}

TEST(Compilazione, IndicatoreInPosizioneZeroFerma1250SenzaFile) {
  const EsitoCompilazione e =
      compila_prova(prova::linea_indicatore_in_zero(), prova::treno_prova());
  EXPECT_EQ(e.fatale, Fatale::k1250);
  EXPECT_TRUE(e.file.empty());
  ASSERT_TRUE(e.cella1.has_value());
  EXPECT_EQ(e.cella1->genere, kIndicatoreVmax);
  EXPECT_EQ(e.cella1->dato1, 60 * 20);
}

TEST(Compilazione, SenzaGeneraleNessunPercorsoENessunFile) {
  const EsitoCompilazione e = compila_prova(prova::linea_senza_generale(), prova::treno_prova());
  EXPECT_EQ(e.codice_errore, 102);
  EXPECT_EQ(e.fatale, Fatale::kSenzaPercorso);
  EXPECT_TRUE(e.file.empty());
}

// The package's state for its embedded scenario, with the line and train
// texts written into `archivio` as the package writes them.
void testi_incorporati(Pacchetto& p, ArchivioMemoria& archivio) {
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  dati_linea(p, archivio);
  dati_treno(p, archivio);
}

// The scenario of the package, exported and compiled by the tool, gives the
// package's own files byte for byte.
TEST(Compilazione, ScenarioIncorporatoUgualeAlPacchetto) {
  Pacchetto p;
  ArchivioMemoria pacchetto;
  testi_incorporati(p, pacchetto);
  const std::string linea = pacchetto.file.at(nome_testo_linea(p));
  const std::string treno = pacchetto.file.at(nome_testo_treno(p));
  struct AvvisiProva : Avvisi {
    [[noreturn]] void errore(CodiceErrore a) override { throw std::runtime_error(testo_codice(a)); }
  } avvisi;
  memorizza_percorso(p, 1, pacchetto, avvisi);
  ASSERT_EQ(p.codice_errore, 0);

  const EsitoCompilazione e = compila(linea, treno, kNomeLinea, kNumeroTreno, true);
  EXPECT_EQ(e.codice_errore, 0);
  EXPECT_EQ(e.fatale, Fatale::kNessuno);
  ASSERT_EQ(nomi(e.file), (std::vector<std::string>{"Corsanta_linea.dat", "Corsanta_7402.sim",
                                                    "Corsanta_7402.dat"}));
  for (const FileUscita& f : e.file) {
    EXPECT_TRUE(f.second == pacchetto.file.at(f.first)) << f.first << " differisce";
  }
}

TEST(Compilazione, TestiDelPacchettoComeIlPacchettoLiScrive) {
  Pacchetto p;
  ArchivioMemoria atteso;
  testi_incorporati(p, atteso);
  dati_note(p, atteso);
  dati_rallentamenti(p, atteso);
  dati_scheda(p, atteso);

  const std::vector<FileUscita> testi = testi_pacchetto();
  EXPECT_EQ(nomi(testi), (std::vector<std::string>{
                             "Corsanta_linea.txt", "Corsanta_7402-.txt", "Corsanta_7402_note.txt",
                             "Corsanta_7402_rallentamenti.txt", "Corsanta_7402_scheda_treno.txt"}));
  ASSERT_EQ(testi.size(), atteso.file.size());
  for (const FileUscita& f : testi) EXPECT_TRUE(f.second == atteso.file.at(f.first)) << f.first;
}

TEST(ArchivioRegistrato, RicordaLOrdineDellaPrimaScrittura) {
  ArchivioRegistrato a;
  a.sostituisci("b", "1");
  a.sostituisci("a", "2");
  a.sostituisci("b", "3");
  EXPECT_EQ(a.ordine, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(a.file.at("b"), "3");
}

}  // namespace
}  // namespace progetto1::strumento
