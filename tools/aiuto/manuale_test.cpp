// The generated files of the manual hold every record with its fields, every
// code and every warning; `scenario help` run as authors run it.
#include <gtest/gtest.h>

#include "tools/aiuto/aiuto.h"
#include "tools/aiuto/pagine.h"
#include "tools/motore/verifica.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento::aiuto {
namespace {

std::string file(const std::string& nome) {
  for (const FileUscita& f : file_manuale()) {
    if (f.first == nome) return f.second;
  }
  ADD_FAILURE() << nome;
  return {};
}

TEST(Manuale, OgniRecordConISuoiCampi) {
  const std::string r = file("riferimento.md");
  for (const catalogo::Record& rec : catalogo::records()) {
    const std::string titolo = "#### " + std::string(rec.nome) + "\n";
    const std::size_t inizio = r.find(titolo);
    ASSERT_NE(inizio, std::string::npos) << rec.nome;
    const std::size_t fine = r.find("\n#### ", inizio + titolo.size());
    const std::string pezzo = r.substr(inizio, fine - inizio);
    EXPECT_NE(pezzo.find("come la scrivono i testi: `" + std::string(rec.chiave) + "`"),
              std::string::npos)
        << rec.nome;
    for (std::size_t i = 0; i < rec.campi.size(); ++i) {
      const catalogo::Campo& c = rec.campi[i];
      const std::string riga = "| " + std::to_string(i + 1) + " | `" + std::string(c.nome) +
                               "` | " + std::string(c.descrizione) + " | ";
      EXPECT_NE(pezzo.find(riga), std::string::npos) << rec.nome << ": " << riga;
    }
    EXPECT_NE(pezzo.find("```text\n" + std::string(rec.esempio) + "\n```"), std::string::npos)
        << rec.nome;
  }
  for (const catalogo::Sezione& s : catalogo::sezioni()) {
    EXPECT_NE(r.find("### `" + std::string(s.intestazione) + "` nel " + testo_e_file(s.testo)),
              std::string::npos)
        << s.intestazione;
  }
  EXPECT_NE(r.find("| 6 | 333 |"), std::string::npos);
}

TEST(Manuale, OgniCodiceEOgniAvviso) {
  const std::string c = file("codici.md");
  for (const VoceErrore& e : tabella_errori()) {
    EXPECT_NE(c.find("| `" + testo_codice(e.codice) + "` | `" + id_errore(e.codice) + "` | " +
                     e.frase + " |"),
              std::string::npos)
        << numero(e.codice);
  }
  long avvisi = 0;
  for (const Regola& r : regole()) {
    if (r.gravita != Gravita::kAvviso) continue;
    ++avvisi;
    EXPECT_NE(c.find("| `" + r.id + "` | " + r.descrizione + " |"), std::string::npos) << r.id;
  }
  EXPECT_GT(avvisi, 0);
  EXPECT_NE(c.find("| `1250` | `E1250` |"), std::string::npos);
}

TEST(Manuale, FileGeneratiSiRiconoscono) {
  for (const FileUscita& f : file_manuale()) {
    EXPECT_TRUE(f.second.starts_with(intestazione_generata())) << f.first;
    EXPECT_TRUE(generato(f.second)) << f.first;
  }
  EXPECT_FALSE(generato("# Il mio manuale\n"));
}

// ---- scenario help -----------------------------------------------------------

using prova::esegui;
namespace fs = std::filesystem;
using prova::Esito;

TEST(Help, OgniTipoDiArgomento) {
  struct Caso {
    std::vector<std::string> argomenti;
    const char* atteso;
  };
  const Caso casi[] = {
      {{"help", "stazione"}, "campo 2 di 17: categoria — categoria della stazione"},
      {{"help", "lunghezza", "percorso"},
       "Parola chiave, come la scrivono i testi: \"lunghezza "
       "percorso\""},
      {{"help", "generale"}, "\"[generale]\" nel testo del treno"},
      {{"help", "codici"},
       "  8 (E8): la posizione della stazione non è multipla di 50. Da: stazione.\n"
       "      Rimedio: scrivi una posizione multipla di 50.\n"},
      {{"help", "codici"}, "il pacchetto la scrive vuota"},
      // In brackets, the train text's section rather than the codes.
      {{"help", "[codici]"}, "\"[codici]\" nel testo del treno"},
      {{"help", "avvisi"}, "fuori-griglia: posizione non multipla di 50"},
      {{"help", "documenti"}, "Vel. Lim.: la velocità massima"},
      {{"help", "percorso"}, "posizione 75 m: cella 2"},
      {{"help"}, "Altri argomenti"},
  };
  for (const Caso& c : casi) {
    const Esito e = esegui(c.argomenti);
    EXPECT_EQ(e.stato, kUscitaPulita) << c.atteso;
    EXPECT_EQ(e.err, "") << c.atteso;
    EXPECT_NE(e.out.find(c.atteso), std::string::npos) << c.atteso << "\n" << e.out;
  }
}

TEST(Help, ArgomentoSconosciuto) {
  const Esito e = esegui({"help", "stazion"});
  EXPECT_EQ(e.stato, kUscitaUso);
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(e.err,
            "scenario help: nessun argomento \"stazion\"; forse \"stazione\"? scenario help li "
            "elenca tutti\n");
}

TEST(Help, AiutoDelloStrumentoNomineHelpEIlManuale) {
  const Esito e = esegui({"--help"});
  EXPECT_EQ(e.stato, kUscitaPulita);
  for (const char* atteso : {"  help ", "scenario help\n[ARGOMENTO]", "docs/manuale.md"}) {
    EXPECT_NE(e.out.find(atteso), std::string::npos) << atteso << "\n" << e.out;
  }
  const Esito h = esegui({"help", "--help"});
  EXPECT_NE(h.out.find("--manuale"), std::string::npos) << h.out;
}

class ManualeScritto : public prova::CartellaProva {};

TEST_F(ManualeScritto, ScriveSoloIFileGenerati) {
  const fs::path docs = cartella_ / "docs";
  const Esito e = esegui({"help", "--manuale", docs.string()});
  ASSERT_EQ(e.stato, kUscitaPulita) << e.err;
  std::map<std::string, std::string> attesi;
  for (const FileUscita& f : file_manuale()) attesi[f.first] = f.second;
  EXPECT_EQ(prova::contenuto(docs), attesi);

  // Again over its own files; a file of the author's under one of the
  // names stops it before anything is written.
  prova::scrivi(docs / "codici.md", "vecchio");
  prova::scrivi(docs / "riferimento.md", attesi["riferimento.md"] + "in più");
  ASSERT_EQ(esegui({"help", "--manuale", docs.string()}).stato, kUscitaUso);
  EXPECT_EQ(prova::leggi(docs / "codici.md"), "vecchio");
  EXPECT_EQ(prova::leggi(docs / "riferimento.md"), attesi["riferimento.md"] + "in più");
  fs::remove(docs / "codici.md");
  EXPECT_EQ(esegui({"help", "--manuale", docs.string()}).stato, kUscitaPulita);
  EXPECT_EQ(prova::contenuto(docs), attesi);

  EXPECT_EQ(esegui({"help", "stazione", "--manuale", docs.string()}).stato, kUscitaUso);
}

}  // namespace
}  // namespace progetto1::strumento::aiuto
