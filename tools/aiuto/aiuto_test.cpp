// The topics of `scenario help`: how a word finds its topic, what a record's
// page says, and the tables the pages add to the catalogue's.
#include "tools/aiuto/aiuto.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/pacchetto.h"
#include "scenario/incorporato/tabelle_documenti.h"
#include "scenario/scrittori/testi.h"
#include "tools/aiuto/pagine.h"
#include "tools/aiuto/rimedi.h"

namespace progetto1::strumento::aiuto {
namespace {

std::string terminale(std::string_view argomento) {
  const std::optional<Pagina> p = pagina_argomento(argomento);
  return p ? per_terminale(*p) : std::string();
}

// The words of a text with one blank between them, wherever the terminal's
// width broke its lines.
std::string piatto(const std::string& testo) {
  std::istringstream in(testo);
  std::string parola, r;
  while (in >> parola) r += (r.empty() ? "" : " ") + parola;
  return r;
}

// Whether the page of `argomento` says `atteso`, however wrapped.
::testing::AssertionResult dice(std::string_view argomento, const std::string& atteso) {
  const std::string t = terminale(argomento);
  if (piatto(t).find(piatto(atteso)) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << atteso << "\" not in:\n" << t;
}

// The first line of a page is its title.
std::string titolo(std::string_view argomento) {
  const std::string t = terminale(argomento);
  return t.substr(0, t.find('\n'));
}

TEST(Argomenti, OgniParolaTrovaIlSuoArgomento) {
  struct Caso {
    const char* parola;
    const char* titolo;
  };
  const Caso casi[] = {
      {"stazione", "stazione"},
      {"STAZIONE", "stazione"},
      {"lunghezza percorso", "lunghezza percorso"},
      {"Lunghezza", "lunghezza percorso"},
      {"curvad5", "curva"},
      {"velocit", "velocita"},
      {"indicatori_v", "indicatori_vmax"},
      {"cartello", "cartello_indicatore"},
      {"ripetizione segnali 4 codici", "ripetizione segnali"},
      {"frenata", "percentuale massa frenata"},
      {"[curve]", "\"[curve]\" nel testo della linea (\"NOME_linea.txt\")"},
      {"curve", "\"[curve]\" nel testo della linea (\"NOME_linea.txt\")"},
      {"[Vel_Limite]", "\"[vel_limite]\" nel testo del treno (\"NOME_NUMERO-.txt\")"},
      {"generale", "\"[generale]\" in tutti e due i testi"},
      {"[codici]", "\"[codici]\" nel testo del treno (\"NOME_NUMERO-.txt\")"},
      {"codici", "Codici d'errore"},
      {"Avvisi", "Avvisi"},
      {"documenti", "Documenti per il macchinista"},
      {"percorso", "Il percorso: celle e tabella delle stazioni"},
  };
  for (const Caso& c : casi) EXPECT_EQ(titolo(c.parola), c.titolo) << c.parola;
  for (const char* ignota : {"", "stazion", "[boh]", "curva-d5", "generale]x"}) {
    EXPECT_FALSE(pagina_argomento(ignota).has_value()) << ignota;
  }
}

TEST(Argomenti, SuggerisceIlPiuVicino) {
  struct Caso {
    const char* parola;
    const char* vicino;
  };
  const Caso casi[] = {
      {"stazion", "stazione"},     {"Segnal", "segnale"},     {"codice", "codici"},
      {"[pendenzee]", "pendenze"}, {"avviso", "avvisi"},      {"rallentamentto", "rallentamento"},
      {"percorsi", "percorso"},    {"orologgio", "orologio"},
  };
  for (const Caso& c : casi) EXPECT_EQ(suggerimento(c.parola), c.vicino) << c.parola;
  // What it suggests is a topic.
  for (const char* p : {"xyz", "", "qualcosa di lungo"}) {
    EXPECT_TRUE(pagina_argomento(suggerimento(p)).has_value()) << p;
  }
}

TEST(Argomenti, PaginaDiUnRecord) {
  for (const char* atteso : {
           "Parola chiave, come la scrivono i testi: \"indicatori_vmax\"",
           "Riconoscimento: un campo che contiene \"indicatori_v\", in maiuscolo o in minuscolo; "
           "solo dopo la sezione \"[generale]\", in qualunque sezione.",
           "sezione \"[cartelli]\"",
           "campo 4 di 9: vcs — terza velocità del gruppo s; numero intero (32 bit); km/h; da 0 a "
           "495, multiplo di 5. file .dat, dato3 = vcs × 20 + vcd / 5.",
           "indicatori_vmax, 700, 90, 110, 110, 0, , , , 0",
           "\"21\" (E21): la cella dell'indicatore di velocità massima è già occupata",
           "\"velocita-fuori-passo\": velocità che non è un multiplo di 5 km/h",
       }) {
    EXPECT_TRUE(dice("indicatori_vmax", atteso));
  }
  // The example stands as written, blanks included.
  EXPECT_NE(terminale("indicatori_vmax")
                .find("\n    indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0\n"),
            std::string::npos);
  // Lower-case words are said so, and the general records' place.
  EXPECT_TRUE(dice("sfondo due",
                   "\"sfondo\" e \"due\", scritte in minuscolo; solo nella sezione "
                   "\"[generale]\", fino alla prima intestazione che la segue."));
  EXPECT_TRUE(dice("stazione", "in tutto il testo dopo \"[generale]\"."));
  EXPECT_TRUE(dice("stazione",
                   "campo 17 di 17: nome — nome della stazione, in maiuscole; testo; "
                   "fino alla fine della riga, senza virgole"));
}

TEST(Argomenti, LaCurvaHaIGradiEIRaggi) {
  const std::string t = terminale("curva");
  for (int g = 1; g <= kGradoCurvaMassimo; ++g) {
    const std::string riga = "cifra " + std::to_string(g) + ": raggio " +
                             std::to_string(catalogo::raggio_grado(g)) + " m";
    EXPECT_NE(t.find(riga), std::string::npos) << riga;
  }
  EXPECT_NE(t.find("cifra 1: raggio 10000 m"), std::string::npos);
  EXPECT_NE(t.find("cifra 6: raggio 333 m"), std::string::npos);
  EXPECT_EQ(terminale("pendenza").find("Gradi della curva"), std::string::npos);
}

TEST(Argomenti, GeneraleMostraTuttiEDueITesti) {
  const std::string t = terminale("[generale]");
  const std::size_t linea = t.find("\"[generale]\" nel testo della linea");
  const std::size_t treno = t.find("\"[generale]\" nel testo del treno");
  ASSERT_NE(linea, std::string::npos) << t;
  ASSERT_NE(treno, std::string::npos) << t;
  EXPECT_LT(linea, treno);
  EXPECT_NE(t.find("lunghezza percorso: parola chiave"), std::string::npos);
  EXPECT_NE(t.find("orologio: parola chiave \"orologio\", 3 campi"), std::string::npos);
}

TEST(Rimedi, OgniCodiceNeHaUno) {
  for (const VoceErrore& e : tabella_errori()) {
    EXPECT_FALSE(rimedio(e.codice).empty()) << numero(e.codice);
  }
  EXPECT_EQ(rimedio(CodiceErrore::kStazioneNonMultipla), "scrivi una posizione multipla di 50");
}

TEST(Documenti, ColonneDaiDocumentiStessi) {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  EXPECT_EQ(colonne_documento(righe_scheda(p), kRigaVuotaScheda),
            (std::vector<std::string>{"Vel. Lim.", "Vel. Marc.", "Progr Km", "No Rs",
                                      "Localita' di Servizio", "Orario", "Rec"}));
  EXPECT_EQ(colonne_documento(righe_rallentamenti(p), kRigaVuotaRallentamenti),
            (std::vector<std::string>{"N.", "FRA LE STAZIONI (o nelle Stazioni di)",
                                      "Inizio dopo il cippo chilometrico", "Velocita'",
                                      "Lunghezza metri", "Prescrizioni specifiche"}));
  // A document without the table's rule has no columns.
  EXPECT_TRUE(colonne_documento(righe_note(p), kRigaVuotaScheda).empty());

  for (const char* atteso : {"NOME_NUMERO_scheda_treno.txt", "NOME_NUMERO_rallentamenti.txt",
                             "NOME_NUMERO_note.txt", "Progr Km: la progressiva in chilometri",
                             "Prescrizioni specifiche: la lettera", "B - Interessa anche"}) {
    EXPECT_TRUE(dice("documenti", atteso));
  }
}

TEST(Percorso, CelleCampiGeneriESlot) {
  const std::string t = terminale("percorso");
  for (const char* atteso :
       {"posizione 25 m: cella 2", "posizione 75 m: cella 2", "posizione 125 m: cella 4",
        "posizione 30400 m: cella 609", "La cella: 15 byte", "dato1 (Integer (16 bit con segno))",
        "aderenza (Byte (8 bit senza segno))",
        "6 indicatore_vmax (da: indicatori_vmax): dato1 vas × 20 + vad / 5",
        "14 cartello (da: cartello_indicatore)", "slot da 80 in giù", "slot 81-83", "slot 86:"}) {
    EXPECT_NE(t.find(atteso), std::string::npos) << atteso << "\n" << t;
  }
  // Every field of the cell record has its meaning.
  EXPECT_EQ(t.find("): \n"), std::string::npos);
}

TEST(Indice, ElencaGliArgomenti) {
  const std::string t = per_terminale(indice("share/doc/Progetto1"));
  for (const catalogo::Record& r : catalogo::records()) {
    EXPECT_NE(t.find(std::string(r.nome) + ": \"" + std::string(r.chiave) + "\""),
              std::string::npos)
        << r.nome;
  }
  for (const std::string_view a : {kCodici, kAvvisi, kDocumenti, kPercorso}) {
    EXPECT_NE(t.find("  - " + std::string(a) + ": "), std::string::npos) << a;
  }
  EXPECT_NE(t.find("[generale] [aderenze] [vel_limite]"), std::string::npos);
  EXPECT_NE(t.find("docs/manuale.md"), std::string::npos);
  EXPECT_NE(t.find("\"share/doc/Progetto1\""), std::string::npos);
}

TEST(Pagina, TerminaleEMarkdown) {
  Pagina p;
  p.titolo(1, "Titolo `x`");
  p.paragrafo("Una riga.");
  p.elenco({"uno", "due"});
  p.tabella({"A", "B"}, {{"1", "a|b"}, {"2", ""}}, {"1: a|b", "2"});
  p.codice({"stazione,  0"});
  EXPECT_EQ(per_terminale(p),
            "Titolo \"x\"\n==========\n\nUna riga.\n\n  - uno\n  - due\n\n  1: a|b\n  2\n\n"
            "    stazione,  0\n");
  EXPECT_EQ(in_markdown(p),
            "# Titolo `x`\n\nUna riga.\n\n- uno\n- due\n\n| A | B |\n|---|---|\n| 1 | a\\|b |\n"
            "| 2 | — |\n\n```text\nstazione,  0\n```\n");
  // A long paragraph is wrapped at the terminal's width, counting characters.
  Pagina lunga;
  lunga.paragrafo(std::string(60, 'a') + " è " + std::string(30, 'b'));
  EXPECT_EQ(per_terminale(lunga), std::string(60, 'a') + " è\n" + std::string(30, 'b') + "\n");
}

}  // namespace
}  // namespace progetto1::strumento::aiuto
