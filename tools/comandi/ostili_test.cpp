// Hostile input to `scenario compile`: every case ends with a clear message
// and its documented exit status, the inputs are untouched, and a failed
// compile leaves the good compile already in the output folder as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "tools/comandi/comandi.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

using namespace prova;

std::string casuali(std::size_t n, std::uint32_t seme) {
  std::mt19937 g(seme);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(g() & 0xFF);
  return s;
}

// The test texts with one line replaced (or, with an empty replacement,
// removed) and everything after it dropped: a text cut off inside a record.
std::string fino_a(const Righe& righe, const std::string& inizio, const std::string& taglio) {
  std::string t;
  for (const std::string& r : righe) {
    if (r.rfind(inizio, 0) == 0) return t + taglio;
    t += r + "\r\n";
  }
  ADD_FAILURE() << "nessuna riga inizia con " << inizio;
  return t;
}

std::string con_riga(Righe righe, const std::string& inizio, const std::string& nuova) {
  for (std::string& r : righe) {
    if (r.rfind(inizio, 0) == 0) {
      r = nuova;
      return unisci(righe);
    }
  }
  ADD_FAILURE() << "nessuna riga inizia con " << inizio;
  return unisci(righe);
}

const std::string kCinquantaCifre(50, '7');

struct Caso {
  const char* nome;
  std::string linea;
  std::string treno;
  int stato;           // exit status
  const char* fatale;  // "fatal" of the JSON object, or nullptr for null
  int codice;          // codice_errore, where the run reaches the end
};

std::vector<Caso> casi() {
  const Righe linea = prova::linea_prova();
  const Righe treno = prova::treno_prova();
  const std::string l = unisci(linea);
  const std::string t = unisci(treno);
  std::string nul = l;
  nul.insert(nul.find("[curve]"), std::string("\0\0\0", 3));
  std::string riga_lunga = l + std::string(5'000'000, 'x') + "\r\n";
  std::string cartello_lungo =
      con_riga(linea, "cartello_indicatore",
               "cartello_indicatore, 1500, (" + std::string(4'000'000, 'A') + ")");
  return {
      // Nothing to read: no "[generale]", so no track cells and no file.
      {"TestiVuoti", "", "", 3, "no-track", 102},
      {"ByteCasuali", casuali(1 << 16, 1), casuali(1 << 16, 2), 3, "no-track", 102},
      // NUL bytes are characters like any other: the field holding them is
      // no keyword and is passed over.
      {"ByteNul", nul, std::string("\0", 1) + t, 0, nullptr, 0},
      // A field of 5 MB that matches no keyword is passed over.
      {"RigaDiCinqueMegabyte", riga_lunga, t, 0, nullptr, 0},
      // A sign text of 4 MB fits the model but not the 16-bit length of its
      // record in the station file: the run fails before writing anything.
      {"CartelloDiQuattroMegabyte", cartello_lungo, t, 3, "guasto", 0},
      {"LunghezzaDiCinquantaCifre",
       con_riga(linea, "lunghezza percorso", "lunghezza percorso, " + kCinquantaCifre), t, 3,
       "no-track", 25},
      {"SabbiaDiCinquantaCifre", l, con_riga(treno, "sabbia", "sabbia, " + kCinquantaCifre), 1,
       nullptr, 25},
      // A negative gradient position fills nothing and is harmless; a signal
      // before the origin would need cells below 0 and is refused.
      {"PendenzaNegativa", con_riga(linea, "pendenza,   2000", "pendenza, -5000, 5"), t, 0, nullptr,
       0},
      {"SegnaleNegativo", l,
       con_riga(treno, "segnale", "segnale, -5000, 1, 4, 1, 0, 0, 0, 0,0,0, 0"), 1, nullptr, 25},
      {"SegnaleOltreIlPercorso", l,
       con_riga(treno, "segnale", "segnale, 2000000000, 1, 4, 1, 0, 0, 0, 0,0,0, 0"), 1, nullptr,
       15},
      // The bound check adds the margin in 32 bits: at the top of the range
      // that sum overflows.
      {"SegnaleAlLimiteDelLong", l,
       con_riga(treno, "segnale", "segnale, 2147483647, 1, 4, 1, 0, 0, 0, 0,0,0, 0"), 1, nullptr,
       25},
      {"PosizioneOltreIlLong", l,
       con_riga(treno, "segnale", "segnale, 2147483648, 1, 4, 1, 0, 0, 0, 0,0,0, 0"), 1, nullptr,
       25},
      // 1000000 m is the longest line; its plan would pass metre 1000000.
      {"LineaDiUnMilioneDiMetri",
       con_riga(linea, "lunghezza percorso", "lunghezza percorso, 1000000"), t, 1, nullptr, 103},
      {"LineaDiUnMilioneEUnMetro",
       con_riga(linea, "lunghezza percorso", "lunghezza percorso, 1000001"), t, 3, "no-track", 1},
      // Each record kind cut off inside the record: the end of the text where
      // a value is due. (A keyword that is the text's very last field is never
      // tested, so a cut must leave something after it.)
      {"TaglioLunghezza", fino_a(linea, "lunghezza", "lunghezza percorso, "), t, 3, "no-track", 25},
      {"TaglioProgressiva",
       fino_a(linea, "progressiva chilometrica uno", "progressiva chilometrica uno, 0"), t, 1,
       nullptr, 25},
      {"TaglioRipetizione", fino_a(linea, "ripetizione", "ripetizione segnali 4 codici, 0"), t, 1,
       nullptr, 25},
      {"TaglioCurva", fino_a(linea, "curvad4", "curvad4,  1000"), t, 1, nullptr, 25},
      {"TaglioPendenza", fino_a(linea, "pendenza,   2000", "pendenza,   2000"), t, 1, nullptr, 25},
      {"TaglioMontagna", fino_a(linea, "montagna", "montagna,   3000,  3600"), t, 1, nullptr, 25},
      {"TaglioIndicatore", fino_a(linea, "indicatori_vmax", "indicatori_vmax,  700,  90"), t, 1,
       nullptr, 25},
      {"TaglioCartello", fino_a(linea, "cartello_indicatore", "cartello_indicatore,  1500"), t, 1,
       nullptr, 25},
      {"TaglioVetture", l, fino_a(treno, "numero vetture", "numero vetture, "), 1, nullptr, 25},
      {"TaglioOrologio", l, fino_a(treno, "orologio", "orologio,    8   0"), 1, nullptr, 25},
      {"TaglioAderenza", l, fino_a(treno, "aderenza", "aderenza, 0"), 1, nullptr, 25},
      {"TaglioVelocita", l, fino_a(treno, "velocita,   0", "velocita,   0"), 1, nullptr, 25},
      {"TaglioStazione", l, fino_a(treno, "stazione,    1000", "stazione,    1000,  4,  300,  1"),
       1, nullptr, 25},
      {"TaglioRallentamento", l, fino_a(treno, "[segnali]", "rallentamento, 2000, 30"), 1, nullptr,
       25},
      {"TaglioSegnale", l, fino_a(treno, "segnale", "segnale,    2500,   1, 4"), 1, nullptr, 25},
      {"TaglioAbbattimento", l, fino_a(treno, "[segnali]", "abbattimento, 2000"), 1, nullptr, 25},
  };
}

class Ostili : public prova::CartellaCompilazione {
 protected:
  void SetUp() override {
    CartellaCompilazione::SetUp();
    // A good compile already stands in the output folder.
    scrivi(linea_, unisci(prova::linea_prova()));
    scrivi(treno_, unisci(prova::treno_prova()));
    ASSERT_EQ(esegui(argomenti()).stato, 0);
    buona_ = contenuto(uscita_);
    ASSERT_EQ(buona_.size(), 3u);
  }

  std::vector<std::string> argomenti() {
    return {"compile",        "--line", linea_.string(), "--train", treno_.string(),
            "--name",         "Prova",  "--number",      "11",      "--out",
            uscita_.string(), "--json"};
  }

  std::map<std::string, std::string> buona_;
};

TEST_F(Ostili, TabellaDegliIngressi) {
  for (const Caso& c : casi()) {
    SCOPED_TRACE(c.nome);
    scrivi(linea_, c.linea);
    scrivi(treno_, c.treno);
    const Esito e = esegui(argomenti());
    EXPECT_EQ(e.stato, c.stato) << e.err;
    const auto j = nlohmann::json::parse(e.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << e.out;
    if (c.fatale == nullptr) {
      EXPECT_TRUE(j["fatal"].is_null()) << e.out;
      EXPECT_EQ(j["files"].size(), 3u);
    } else {
      EXPECT_EQ(j["fatal"], c.fatale) << e.out;
      EXPECT_TRUE(j["files"].empty());
      EXPECT_TRUE(contenuto(uscita_) == buona_) << "la compilazione buona non è sopravvissuta";
    }
    if (c.fatale == nullptr || std::string(c.fatale) == "no-track") {
      EXPECT_EQ(j["codice_errore"], c.codice) << e.out;
    }
    // The inputs are read, never changed.
    EXPECT_TRUE(leggi(linea_) == c.linea);
    EXPECT_TRUE(leggi(treno_) == c.treno);
    // Put the good compile back for the next case.
    for (const auto& [nome, byte] : buona_) scrivi(uscita_ / nome, byte);
  }
}

TEST_F(Ostili, TestoDiCentoMegabyte) {
  // Fields that match no keyword, 100 MB of them after the line's records.
  std::string linea = unisci(prova::linea_prova());
  const std::string riga = "riga di riempimento senza parole chiave, 1, 2, 3\r\n";
  while (linea.size() < 100'000'000) linea += riga;
  scrivi(linea_, linea);
  const Esito e = esegui(argomenti());
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(nlohmann::json::parse(e.out)["codice_errore"], 0);
  EXPECT_EQ(fs::file_size(linea_), linea.size());
}

TEST_F(Ostili, IngressiEUscitaNonUtilizzabili) {
  const struct {
    const char* nome;
    fs::path linea;
    fs::path uscita;
  } casi[] = {
      {"LineaMancante", cartella_ / "manca.txt", uscita_},
      {"LineaCheEUnaCartella", cartella_, uscita_},
      {"UscitaSottoUnFile", linea_, treno_ / "sotto"},
      {"UscitaCheEUnFile", linea_, treno_},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const Esito e =
        esegui({"compile", "--line", c.linea.string(), "--train", treno_.string(), "--name",
                "Prova", "--number", "11", "--out", c.uscita.string(), "--json"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_TRUE(e.out.empty());
    EXPECT_FALSE(e.err.empty());
    EXPECT_TRUE(contenuto(uscita_) == buona_);
  }
}

}  // namespace
}  // namespace progetto1::strumento
