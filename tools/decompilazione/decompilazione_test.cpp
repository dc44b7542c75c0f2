#include "tools/decompilazione/decompilazione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/costanti.h"
#include "model/numeri.h"
#include "model/tracciati.h"
#include "tools/binari/decodifica.h"
#include "tools/motore/compilazione.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

namespace fs = std::filesystem;
using prova::Righe;
using prova::unisci;

const char* const kNome = "Prova";
const char* const kNumero = "11";

FileBinari binari(const EsitoCompilazione& e) {
  FileBinari f;
  for (const FileUscita& x : e.file) {
    if (x.first == "Prova_linea.dat") f.piano = x.second;
    if (x.first == "Prova_11.sim") f.stazioni = x.second;
    if (x.first == "Prova_11.dat") f.celle = x.second;
  }
  return f;
}

// Compiles the texts, decompiles the files, compiles the texts it gave and
// compares the files byte for byte. Returns the decompilation.
EsitoDecompilazione andata_e_ritorno(const std::string& linea, const std::string& treno,
                                     bool con_piano, const std::string& caso) {
  const EsitoCompilazione prima = compila(linea, treno, kNome, kNumero, con_piano);
  EXPECT_EQ(prima.fatale, Fatale::kNessuno) << caso;
  const FileBinari f = binari(prima);
  const EsitoDecompilazione d = decompila(f, kNome, kNumero);
  EXPECT_TRUE(d.riuscita) << caso << "\n"
                          << (d.differenze.empty() ? "" : d.differenze[0]) << "\n"
                          << linea << treno;
  if (!d.riuscita) return d;
  const EsitoCompilazione dopo = compila(d.testo_linea, d.testo_treno, kNome, kNumero, con_piano);
  const FileBinari g = binari(dopo);
  EXPECT_EQ(g.piano, f.piano) << caso;
  EXPECT_EQ(g.stazioni, f.stazioni) << caso;
  EXPECT_EQ(g.celle, f.celle) << caso;
  EXPECT_EQ(d.codice_errore, dopo.codice_errore) << caso;
  return d;
}

bool ha_nota(const EsitoDecompilazione& d, Nota::Luogo luogo, long indice) {
  return std::any_of(d.note.begin(), d.note.end(),
                     [&](const Nota& n) { return n.luogo == luogo && n.indice == indice; });
}

bool contiene_riga(const std::string& testo, const std::string& riga) {
  return testo.find("\r\n" + riga + "\r\n") != std::string::npos;
}

TEST(Decompilazione, ScenarioIncorporato) {
  const std::vector<FileUscita> testi = testi_pacchetto();
  const EsitoCompilazione e = compila(testi[0].second, testi[1].second, "Corsanta", "7402", true);
  ASSERT_EQ(e.file.size(), 3u);
  FileBinari f{e.file[0].second, e.file[1].second, e.file[2].second};
  const EsitoDecompilazione d = decompila(f, "Corsanta", "7402");
  ASSERT_TRUE(d.riuscita) << d.differenze.front();
  const EsitoCompilazione r = compila(d.testo_linea, d.testo_treno, "Corsanta", "7402", true);
  ASSERT_EQ(r.file.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(r.file[i].second, e.file[i].second) << i;
  EXPECT_TRUE(contiene_riga(d.testo_linea, "curvad5,  650,  600"));
  EXPECT_TRUE(
      contiene_riga(d.testo_treno, "segnale,  7200,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0"));
  // The ten stop marks of the embedded train, each a note with its cell.
  for (long c : {8, 167, 386, 480, 721, 1200, 1530, 1645, 1772, 2052}) {
    EXPECT_TRUE(ha_nota(d, Nota::Luogo::kCella, c)) << c;
  }
}

TEST(Decompilazione, SenzaPianoGliAltriDueFile) {
  const EsitoDecompilazione d =
      andata_e_ritorno(unisci(prova::linea_prova()), unisci(prova::treno_prova()), false, "");
  ASSERT_TRUE(d.riuscita);
  EXPECT_EQ(d.testo_linea.find("curva"), std::string::npos);
}

// Each encoding that several texts share: the text written, a line of it
// that shows the member chosen, and the note's place.
struct Ambiguita {
  const char* nome;
  Righe linea;
  Righe treno;
  const char* riga_scelta;  // in the line text when it begins with a general keyword
  Nota::Luogo luogo;
  long indice;
};

Righe linea_con(const Righe& elementi,
                const char* ripetizione = "ripetizione segnali 4 codici, 0, 0") {
  Righe r = progetto1::prova::generale(5000, progetto1::prova::kSenzaProgressive);
  r[8] = ripetizione;
  r.insert(r.end(), elementi.begin(), elementi.end());
  r.push_back("[fine]");
  return r;
}

Righe treno_con(const Righe& elementi) {
  Righe r{"[generale]", "numero vetture, 3"};
  r.insert(r.end(), elementi.begin(), elementi.end());
  r.push_back("[fine]");
  return r;
}

TEST(Decompilazione, OgniAmbiguitaUnMembroScelto) {
  const Ambiguita casi[] = {
      {"cartello di velocità 89 × 20 + 100 / 5",
       linea_con({"indicatori_vmax, 700, 89, 60, 60, 12, 100, 0, 0, 3"}), treno_con({}),
       "indicatori_vmax,  700,  90,  60,  60,  12,  0,  0,  0,  3", Nota::Luogo::kCella, 15},
      {"segnale: s1 1 e d1 12 come s1 2 e d1 2", linea_con({}),
       treno_con({"segnale, 2500, 1, 1, 0, 0, 0, 0, 12, 0, 0, 0"}),
       "segnale,  2500,  1,  2,  0,  0,  0,  0,  2,  0,  0,  0", Nota::Luogo::kCella, 51},
      {"segnale: sx 1 e dx 3 come sx 2 e dx 0", linea_con({}),
       treno_con({"segnale, 2500, 1, 4, 0, 0, 0, 3, 0, 0, 0, 0"}),
       "segnale,  2500,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0", Nota::Luogo::kNessuno, 0},
      {"segnale: tempo 50 alzato a 101", linea_con({}),
       treno_con({"segnale, 2500, 2, 4, 0, 0, 0, 0, 0, 0, 0, 50"}),
       "segnale,  2500,  2,  4,  0,  0,  0,  0,  0,  0,  0,  101", Nota::Luogo::kNessuno, 0},
      {"ripetizione con 9 codici e seconda posizione 0",
       linea_con({}, "ripetizione segnali 9 codici, 100, 0"), treno_con({}),
       "ripetizione segnali 4 codici,  100,  0", Nota::Luogo::kSlot, 86},
      {"abbattimento con valore negativo", linea_con({}), treno_con({"abbattimento, 2000, -7"}),
       "abbattimento,  2000,  0", Nota::Luogo::kNessuno, 0},
      {"velocità 62 km/h come 60", linea_con({}), treno_con({"velocita, 0, 62"}),
       "velocita,  0,  60", Nota::Luogo::kNessuno, 0},
      {"montagna di tipo 2 - 256 come tipo 2", linea_con({"montagna, 1000, 1500, -254"}),
       treno_con({}), "montagna,  1000,  1500,  2", Nota::Luogo::kNessuno, 0},
      {"prima stazione: il campo 6 si perde, la zona lo dice", linea_con({}),
       treno_con({"stazione, 1000, 4, 300, 0, 0, 7, 0,0,0, 0,0,0, 0, 0,0,0, Alfa"}),
       "stazione,  1000,  4,  300,  0,  0,  1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  Alfa",
       Nota::Luogo::kSlot, 1},
  };
  for (const Ambiguita& a : casi) {
    const EsitoDecompilazione d = andata_e_ritorno(unisci(a.linea), unisci(a.treno), true, a.nome);
    if (!d.riuscita) continue;
    const std::string& testo = std::string(a.riga_scelta).rfind("ripetizione", 0) == 0 ||
                                       std::string(a.riga_scelta).rfind("indicatori", 0) == 0 ||
                                       std::string(a.riga_scelta).rfind("montagna", 0) == 0
                                   ? d.testo_linea
                                   : d.testo_treno;
    EXPECT_TRUE(contiene_riga(testo, a.riga_scelta)) << a.nome << "\n" << testo;
    if (a.luogo != Nota::Luogo::kNessuno) {
      EXPECT_TRUE(ha_nota(d, a.luogo, a.indice)) << a.nome;
    }
  }
}

// What the files show only in part, each with the note at its place.
struct Coperto {
  const char* nome;
  Righe linea;
  Righe treno;
  Nota::Luogo luogo;
  long indice;
};

TEST(Decompilazione, QuelloCheLaFormaNormaleNonRidaHaLaSuaNota) {
  // Category 4, platform 300 m at 2000: zone end 2150, stop mark on cell 42.
  const char* const stazione = "stazione, 2000, 4, 300, 0, 0, 0, 0,0,0, 0,0,0, 0, 0,0,0, Alfa";
  const Coperto casi[] = {
      {"un cartello sotto un segno di fermata",
       linea_con({"cartello_indicatore, 2050, (A)", "cartello_indicatore, 600, (B)"}),
       treno_con({stazione}), Nota::Luogo::kSlot, 80},
      {"un segnale sotto un segno di fermata", linea_con({}),
       treno_con({"segnale, 2050, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0", stazione}), Nota::Luogo::kCella,
       42},
      {"un cartello di velocità sotto un segno di fermata",
       linea_con({"indicatori_vmax, 2050, 90, 100, 110, 1, 0, 0, 0, 2"}), treno_con({stazione}),
       Nota::Luogo::kCella, 42},
      {"un tratto di montagna attaccato a quello prima",
       linea_con({"montagna, 1000, 1500, 2", "montagna, 0, 0, 1", "montagna, 1500, 2000, 4"}),
       treno_con({}), Nota::Luogo::kCella, 30},
      {"un piano fermato da una curva senza grado", linea_con({"curvad3, 100, 200", "curva, 0, 0"}),
       treno_con({stazione}), Nota::Luogo::kPunto, 301},
      {"una stazione letta solo in parte", linea_con({}),
       treno_con({"velocita, 0, 100", stazione, "stazione, 3010"}), Nota::Luogo::kSlot, 2},
      {"un rallentamento che finisce nella cella dove comincia", linea_con({}),
       treno_con({"rallentamento, 3000, 40, 10, 0, 0, 0"}), Nota::Luogo::kCella, 61},
  };
  for (const Coperto& c : casi) {
    const EsitoDecompilazione d = andata_e_ritorno(unisci(c.linea), unisci(c.treno), true, c.nome);
    if (!d.riuscita) continue;
    EXPECT_TRUE(ha_nota(d, c.luogo, c.indice)) << c.nome;
  }
}

// The pass's own code points stay out of the texts; those it does not place
// are "abbattimento" records, found by letting the pass run on the texts.
TEST(Decompilazione, PuntiCodiceDellaPassataEAbbattimenti) {
  // A slow-down start at cell 61 takes codes in the first free cells from 56,
  // 50 and 43 back: with 56 and 55 taken by code points of 180, in 54.
  const Righe treno =
      treno_con({"rallentamento, 3000, 120, 500, 0, 0, 0", "abbattimento, 2800, 180",
                 "abbattimento, 2750, 180", "abbattimento, 4000, 7"});
  const EsitoDecompilazione d =
      andata_e_ritorno(unisci(linea_con({})), unisci(treno), true, "abbattimenti");
  ASSERT_TRUE(d.riuscita);
  std::size_t n = 0;
  for (std::size_t i = d.testo_treno.find("abbattimento"); i != std::string::npos;
       i = d.testo_treno.find("abbattimento", i + 1)) {
    ++n;
  }
  // Two of 56, 55 and 54 (which two, no file tells) and the one of 7.
  EXPECT_EQ(n, 3u) << d.testo_treno;
  EXPECT_TRUE(contiene_riga(d.testo_treno, "abbattimento,  4000,  7")) << d.testo_treno;
  EXPECT_EQ(d.testo_treno.find("abbattimento,  2500"), std::string::npos) << d.testo_treno;
  EXPECT_EQ(d.testo_treno.find("abbattimento,  2150"), std::string::npos) << d.testo_treno;
}

// ---- files no text gives ---------------------------------------------------

struct FileGuasto {
  const char* nome;
  void (*guasta)(FileBinari&);
  const char* dove;  // what the first difference or refusal names
};

void metti_byte(std::string& s, std::size_t i, char b) { s[i] = b; }

TEST(Decompilazione, FileCheNessunTestoDaRifiutatiConIlLuogo) {
  const FileGuasto casi[] = {
      {"un genere sconosciuto", [](FileBinari& f) { metti_byte(f.celle, 30 * kByteCella, 7); },
       "cella 30"},
      {"un segno di montagna fuori posto",
       [](FileBinari& f) { metti_byte(f.celle, 40 * kByteCella, 11); }, "cella 40"},
      {"una pendenza nelle ultime due celle",
       [](FileBinari& f) { metti_byte(f.celle, f.celle.size() - 2, 3); }, "cella 240"},
      {"un punto del piano calcolato diversamente",
       [](FileBinari& f) {
         // The y of point 3000 (a double in the second half) one bit off.
         const std::size_t meta = f.piano->size() / 2;
         const std::size_t y3000 = meta + 4 + 4 + 10 * (3000 - 2) + 2;
         f.piano->at(y3000) = static_cast<char>(f.piano->at(y3000) ^ 1);
       },
       "punto 3000"},
  };
  const EsitoCompilazione e =
      compila(unisci(prova::linea_prova()), unisci(prova::treno_prova()), kNome, kNumero, true);
  for (const FileGuasto& c : casi) {
    FileBinari f = binari(e);
    c.guasta(f);
    const EsitoDecompilazione d = decompila(f, kNome, kNumero);
    EXPECT_FALSE(d.riuscita) << c.nome;
    ASSERT_FALSE(d.differenze.empty()) << c.nome;
    EXPECT_NE(d.differenze[0].find(c.dove), std::string::npos) << c.nome << ": " << d.differenze[0];
    EXPECT_TRUE(d.testo_linea.empty() && d.testo_treno.empty()) << c.nome;
  }
}

TEST(Decompilazione, FileTroncatoErroreDiFormato) {
  const EsitoCompilazione e =
      compila(unisci(prova::linea_prova()), unisci(prova::treno_prova()), kNome, kNumero, true);
  FileBinari f = binari(e);
  f.celle.pop_back();
  EXPECT_THROW(decompila(f, kNome, kNumero), ErroreFormato);
}

// ---- the round trip on generated scenarios -----------------------------------

class Generatore {
 public:
  explicit Generatore(unsigned seme) : caso_(seme) {}

  // From a to b; a alone when the range is empty.
  long tra(long a, long b) { return std::uniform_int_distribution<long>(a, std::max(a, b))(caso_); }
  bool moneta(int percento = 50) { return tra(1, 100) <= percento; }

  void genera() {
    lunghezza_ = moneta(80) ? kMetriCella * tra(40, 200) : tra(2000, 10000);
    ultima_ = a_long(in_celle(static_cast<std::int32_t>(lunghezza_ + kEstensioneLinea)));
    occupata_.assign(static_cast<std::size_t>(ultima_ + 1), false);
    occupata_[0] = occupata_[1] = true;
    linea_ = {"[generale]", "lunghezza percorso, " + std::to_string(lunghezza_)};
    progressive();
    linea_.push_back("sfondo uno, " + std::to_string(tra(0, 9)));
    linea_.push_back("sfondo due, " + std::to_string(tra(0, 9)));
    linea_.push_back("sfondo tre, " + std::to_string(tra(0, 9)));
    if (moneta()) {
      linea_.push_back("ripetizione segnali 4 codici, 0, 0");
    } else {
      linea_.push_back(std::string("ripetizione segnali ") + (moneta() ? "4" : "9") + " codici, " +
                       std::to_string(50 * tra(0, 100)) + ", " + std::to_string(50 * tra(1, 100)));
    }
    linea_.push_back("[curve]");
    curve();
    linea_.push_back("[pendenze]");
    serie(linea_, "pendenza", -100, 155, 1);
    linea_.push_back("[montagne]");
    montagne();
    // The stations first, so that their stop marks keep their cells; a sign
    // may still lie under one, as a signal may, and the mark hides it.
    const std::vector<std::string> stazioni = this->stazioni();
    linea_.push_back("[cartelli]");
    for (long i = tra(0, 3); i > 0; --i) indicatore();
    linea_.push_back("[indicazioni]");
    const long cartelli = tra(0, 5);
    for (long i = 0; i < cartelli; ++i) cartello();
    if (!fermate_.empty() && moneta(15)) {
      linea_.push_back("cartello_indicatore, " + std::to_string(in_cella(fermate_.back().second)) +
                       ", (coperto)");
      fermate_.pop_back();
    }
    const bool ferma_linea = moneta(5);
    if (ferma_linea) {
      // A record that stops the reader: a sign on a taken cell, or a curve
      // without a grade; the train text is then not read.
      linea_.push_back(ultimo_cartello_ > 0
                           ? "cartello_indicatore, " + std::to_string(ultimo_cartello_) + ", X"
                           : "curva, 0, 0");
    }
    linea_.push_back("[fine]");

    treno_ = {"[generale]", "numero vetture, " + std::to_string(tra(1, 20)),
              "percentuale massa frenata, " + std::to_string(tra(50, 200)),
              "sabbia, " + std::to_string(tra(0, 500)),
              "orologio, " + std::to_string(tra(0, 23)) + " " + std::to_string(tra(0, 59)) + " " +
                  std::to_string(tra(0, 59))};
    treno_.push_back("[aderenze]");
    serie(treno_, "aderenza", 0, 255, 1);
    treno_.push_back("[vel_limite]");
    serie(treno_, "velocita", 0, 255, 5);
    std::vector<std::string> altri;
    for (long i = tra(0, 2); i > 0; --i) rallentamento(altri);
    for (long i = tra(0, 8); i > 0; --i) segnale(altri);
    for (long i = tra(0, 3); i > 0; --i) abbattimento(altri);
    std::shuffle(altri.begin(), altri.end(), caso_);
    // The stations in their order, the other records anywhere between them.
    std::map<std::size_t, std::string> coperto;  // a signal before the station that hides it
    if (!fermate_.empty() && fermate_.front().second >= 9 && moneta(15)) {
      coperto[fermate_.front().first] = "segnale, " +
                                        std::to_string(in_cella(fermate_.front().second)) +
                                        ", 1, 2, 3, 4, 1, 2, 0, 0, 0, 0";
    }
    std::vector<std::string> tutti;
    std::size_t s = 0;
    auto stazione = [&] {
      if (coperto.count(s)) tutti.push_back(coperto[s]);
      tutti.push_back(stazioni[s++]);
    };
    for (const std::string& r : altri) {
      while (s < stazioni.size() && moneta(30)) stazione();
      tutti.push_back(r);
    }
    while (s < stazioni.size()) stazione();
    treno_.push_back("[stazioni]");
    treno_.insert(treno_.end(), tutti.begin(), tutti.end());
    if (!ferma_linea && moneta(5)) {
      // A station read only in part stops the reader: off the grid (8),
      // with a platform off the 100 m grid (9) or beyond the track (15).
      const long p = kMetriCella * tra(fine_zona_ / kMetriCella + 20, ultima_);
      switch (tra(0, 2)) {
        case 0:
          treno_.push_back("stazione, " + std::to_string(p + 10));
          break;
        case 1:
          treno_.push_back("stazione, " + std::to_string(p) + ", 4, 150");
          break;
        default:
          treno_.push_back("stazione, " + std::to_string(kMetriCella * (ultima_ + 10)));
      }
    }
    treno_.push_back("[fine]");
  }

  std::string linea() const { return unisci(linea_); }
  std::string treno() const { return unisci(treno_); }

 private:
  // A position whose standard cell is c: the cell's start, or off the grid.
  long in_cella(long c) {
    const long base = (c - 1) * kMetriCella;
    if (moneta(60)) return base;
    return std::max(0L, base + tra(-20, 20));
  }
  // A free cell between da and a, taken; -1 when the tries find none.
  long prendi(long da, long a) {
    for (int tentativo = 0; tentativo < 20; ++tentativo) {
      const long c = tra(da, a);
      if (c >= 0 && c <= ultima_ && !occupata_[static_cast<std::size_t>(c)]) {
        occupata_[static_cast<std::size_t>(c)] = true;
        return c;
      }
    }
    return -1;
  }
  bool libere(std::initializer_list<long> celle) const {
    for (long c : celle) {
      if (c < 0 || c > ultima_ || occupata_[static_cast<std::size_t>(c)]) return false;
    }
    return true;
  }
  void occupa(std::initializer_list<long> celle) {
    for (long c : celle) occupata_[static_cast<std::size_t>(c)] = true;
  }
  long ultima_posizione() const { return kMetriCella * ultima_ - 150; }

  void progressive() {
    const char* nomi[] = {"uno", "due", "tre"};
    for (const char* n : nomi) {
      if (moneta(40)) {
        linea_.push_back(std::string("progressiva chilometrica ") + n + ", 0, 0, 0");
      } else {
        linea_.push_back(std::string("progressiva chilometrica ") + n + ", " +
                         std::to_string(50 * tra(0, 200)) + ", " +
                         std::to_string(50 * tra(0, 4000)) + ", " + std::to_string(tra(0, 1)));
      }
    }
  }

  void curve() {
    long metro = tra(0, 300);
    const long fine_piano = lunghezza_ + kEstensioneLinea - 2;
    for (long i = tra(0, 6); i > 0; --i) {
      const long inizio = metro + (moneta(20) ? 0 : tra(1, 1500));
      const long l = tra(1, 1200);
      if (inizio + l > fine_piano || inizio + 100 > ultima_posizione()) break;
      linea_.push_back("curva" + std::string(moneta() ? "d" : "s") + std::to_string(tra(1, 6)) +
                       ", " + std::to_string(inizio) + ", " + std::to_string(l));
      metro = inizio + l;
    }
  }

  // Records "chiave, posizione, valore" in ascending order; values a step
  // multiple, sometimes not.
  void serie(Righe& r, const char* chiave, long minimo, long massimo, long passo) {
    long pos = 0;
    for (long i = tra(0, 6); i > 0; --i) {
      long v = passo * tra(minimo, massimo);
      if (passo > 1 && moneta(20)) v += tra(-2, 2);
      v = std::max(0L, v);
      if (passo == 1) v = passo * tra(minimo, massimo);
      r.push_back(std::string(chiave) + ", " + std::to_string(pos) + ", " + std::to_string(v));
      pos += moneta(20) ? 0 : tra(1, 3000);
      if (pos > ultima_posizione()) break;
    }
  }

  void montagne() {
    long cella = tra(2, 40);
    for (long i = tra(0, 3); i > 0; --i) {
      const long a = cella;
      const long b = a + tra(1, 40);
      if (b + 2 > ultima_) break;
      long tipo = tra(1, 20);
      linea_.push_back("montagna, " + std::to_string(in_cella(a + 1)) + ", " +
                       std::to_string(b * kMetriCella + (moneta() ? 0 : tra(1, 20))) + ", " +
                       std::to_string(tipo));
      cella = b + tra(2, 30);
    }
  }

  void indicatore() {
    const long c = prendi(2, ultima_ - 2);
    if (c < 0) return;
    auto v = [&] { return std::to_string(5 * tra(0, 99)); };
    linea_.push_back("indicatori_vmax, " + std::to_string(in_cella(c)) + ", " + v() + ", " + v() +
                     ", " + v() + ", " + std::to_string(tra(0, 9)) + ", " + v() + ", " + v() +
                     ", " + v() + ", " + std::to_string(tra(0, 9)));
  }

  void cartello() {
    const long c = prendi(2, ultima_ - 2);
    if (c < 0) return;
    const char* const testi[] = {"(PL km)(1+500)", "(Ponte sul Fiume)", "Galleria è lunga", "A",
                                 "(PLA km )(12+016)"};
    ultimo_cartello_ = in_cella(c);
    linea_.push_back("cartello_indicatore, " + std::to_string(ultimo_cartello_) + ", " +
                     testi[tra(0, 4)]);
  }

  std::vector<std::string> stazioni() {
    std::vector<std::string> r;
    long fine_zona = -100000;
    const long categorie[] = {2, 4, 5, 6, 7, 8, 12, 22, 24, 26, 27, 28};
    for (long n = 1; n <= tra(0, 4); ++n) {
      const long cat = categorie[tra(0, 11)];
      const long l = 100 * tra(1, 9);
      const long marca3 = moneta(30) ? tra(1, 3) : 0;
      long da = 0;
      long a = 0;
      long p = 0;
      for (int tentativo = 0; tentativo < 10; ++tentativo) {
        p = kMetriCella * tra((fine_zona + 350 + 1000) / kMetriCella, ultima_ - 160);
        if (cat == 5 || cat == 6) {
          da = p - l;
          a = p + 150;
        } else if (cat == 7 || cat == 8) {
          da = p - l;
          a = p + l;
        } else {
          da = p - l / 2;
          a = p + l / 2 + (marca3 != 0 ? 50 : 0);
        }
        if (da - 350 < fine_zona || a > ultima_posizione()) continue;
        if (cat >= 25) break;
        const long fermata = a / kMetriCella - 1;
        if (fermata > 1 && libere({fermata})) {
          occupa({fermata});
          fermate_.emplace_back(r.size(), fermata);
          break;
        }
        a = -1;
      }
      if (a < 0 || da - 350 < fine_zona || a > ultima_posizione()) break;
      fine_zona = a;
      fine_zona_ = a;
      auto b = [&] { return std::to_string(tra(0, 255)); };
      auto i = [&] { return std::to_string(tra(-300, 300)); };
      const long t = moneta() ? 0 : tra(0, 86399);
      r.push_back("stazione, " + std::to_string(p) + ", " + std::to_string(cat) + ", " +
                  std::to_string(l) + ", " + b() + ", " + b() + ", " + std::to_string(marca3) +
                  ", " + i() + ", " + i() + ", " + b() + ", " + i() + ", " + i() + ", " + i() +
                  ", " + b() + ", " + std::to_string(t / 3600) + ", " +
                  std::to_string(t / 60 % 60) + ", " + std::to_string(t % 60) + ", STAZIONE " +
                  std::to_string(n));
    }
    return r;
  }

  void rallentamento(std::vector<std::string>& r) {
    const long s = tra(2, ultima_ - 60);
    const long x = in_cella(s);
    if (cella_di(static_cast<std::int32_t>(x)) != s) return;
    const long l = tra(50, 1500);
    const long e = cella_di(static_cast<std::int32_t>(x + l));
    const bool avviso = x > 1500;
    const long w = avviso ? cella_di(static_cast<std::int32_t>(x - 1200)) : 0;
    const long f_ta = avviso && moneta() ? 1 : 0;
    const long pp = a_long(in_celle(static_cast<std::int32_t>(x - 1200)));
    if (e > ultima_ - 2 || !libere({s, e}) || (avviso && !libere({w}))) return;
    if (f_ta != 0 && !libere({pp, pp - 1, pp - 2, pp - 3})) return;
    occupa({s, e});
    if (avviso) occupa({w});
    if (f_ta != 0) occupa({pp, pp - 1, pp - 2, pp - 3});
    r.push_back("rallentamento, " + std::to_string(x) + ", " + std::to_string(tra(10, 150)) + ", " +
                std::to_string(l) + ", " + std::to_string(tra(0, 5)) + ", " + std::to_string(f_ta) +
                ", " + std::to_string(moneta() ? 0 : tra(10, 100)));
  }

  void segnale(std::vector<std::string>& r) {
    const long c = prendi(9, ultima_ - 2);
    if (c < 0) return;
    auto d = [&] { return std::to_string(tra(0, 9)); };
    const long tempi[] = {0, 0, 50, 120, 200};
    r.push_back("segnale, " + std::to_string(in_cella(c)) + ", " + std::to_string(tra(0, 3)) +
                ", " + d() + ", " + d() + ", " + d() + ", " + std::to_string(tra(0, 2)) + ", " +
                std::to_string(tra(0, 3)) + ", " + d() + ", " + d() + ", " + d() + ", " +
                std::to_string(tempi[tra(0, 4)]));
  }

  void abbattimento(std::vector<std::string>& r) {
    const long c = prendi(2, ultima_ - 2);
    if (c < 0) return;
    const long p = std::max(0L, c * kMetriCella + (moneta() ? 0 : tra(-20, 20)));
    r.push_back("abbattimento, " + std::to_string(p) + ", " + std::to_string(tra(-5, 300)));
  }

  std::mt19937 caso_;
  long lunghezza_ = 0;
  long ultima_ = 0;
  std::vector<bool> occupata_;
  std::vector<std::pair<std::size_t, long>> fermate_;  // station index, stop-mark cell
  long fine_zona_ = 0;                                 // of the last station
  long ultimo_cartello_ = 0;                           // a sign's position, 0 for none
  Righe linea_;
  Righe treno_;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned kCasi = 100;  // the instrumented build is some forty times slower
#else
constexpr unsigned kCasi = 3000;
#endif

TEST(Decompilazione, AndataERitornoDiScenariGenerati) {
  unsigned riusciti = 0;
  for (unsigned seme = 1; seme <= kCasi; ++seme) {
    Generatore g(seme);
    g.genera();
    const EsitoDecompilazione d =
        andata_e_ritorno(g.linea(), g.treno(), seme % 5 != 0, "seme " + std::to_string(seme));
    if (d.riuscita) ++riusciti;
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_EQ(riusciti, kCasi);
}

// ---- the subcommand ----------------------------------------------------------

class Decompile : public prova::CartellaCompilazione {
 protected:
  // Compiles the test texts into uscita_ with the tool.
  void compila_prova(const Righe& linea, const Righe& treno, bool con_piano = true) {
    prova::scrivi(linea_, unisci(linea));
    prova::scrivi(treno_, unisci(treno));
    std::vector<std::string> a = {"compile",       "--line", linea_.string(), "--train",
                                  treno_.string(), "--name", kNome,           "--number",
                                  kNumero,         "--out",  uscita_.string()};
    if (!con_piano) a.push_back("--no-plan");
    prova::esegui(a);
  }
  prova::Esito decompile(bool json = false) {
    std::vector<std::string> a = {"decompile", "--dir", uscita_.string(), "--name",       kNome,
                                  "--number",  kNumero, "--out",          testi_.string()};
    if (json) a.push_back("--json");
    return prova::esegui(a);
  }
  void SetUp() override {
    CartellaCompilazione::SetUp();
    testi_ = cartella_ / "testi";
  }
  fs::path testi_;
};

TEST_F(Decompile, AiutoConGliStatiDUscita) {
  const prova::Esito e = prova::esegui({"decompile", "--help"});
  EXPECT_EQ(e.stato, 0);
  for (const char* s :
       {"--dir", "--name", "--number", "--out", "--json", "Stato d'uscita", "forma normale"}) {
    EXPECT_NE(e.out.find(s), std::string::npos) << s;
  }
  EXPECT_NE(prova::esegui({"--help"}).out.find("decompile"), std::string::npos);
}

TEST_F(Decompile, TestiScrittiCheCompilanoAgliStessiFile) {
  for (bool con_piano : {true, false}) {
    fs::remove_all(uscita_);
    fs::remove_all(testi_);
    compila_prova(prova::linea_prova(), prova::treno_prova(), con_piano);
    const std::map<std::string, std::string> binari = prova::contenuto(uscita_);
    const prova::Esito e = decompile(true);
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out.rfind("{\"codice_errore\":0,\"files\":[\"Prova_linea.txt\",\"Prova_11-.txt\"],"
                          "\"note\":[",
                          0),
              0u)
        << e.out;
    EXPECT_NE(e.out.find("\"differenze\":[]}"), std::string::npos) << e.out;
    // The written texts, compiled by the tool, give the same files.
    fs::remove_all(uscita_);
    linea_ = testi_ / "Prova_linea.txt";
    treno_ = testi_ / "Prova_11-.txt";
    std::vector<std::string> a = {"compile",       "--line", linea_.string(), "--train",
                                  treno_.string(), "--name", kNome,           "--number",
                                  kNumero,         "--out",  uscita_.string()};
    if (!con_piano) a.push_back("--no-plan");
    ASSERT_EQ(prova::esegui(a).stato, 0);
    EXPECT_TRUE(prova::contenuto(uscita_) == binari) << con_piano;
    linea_ = cartella_ / "linea.txt";
    treno_ = cartella_ / "treno.txt";
  }
}

// Texts already in the folder and different (an author's edits) are named
// and left alone; with --force they are replaced.
TEST_F(Decompile, TestiModificatiNonSostituitiSenzaForce) {
  compila_prova(prova::linea_prova(), prova::treno_prova());
  ASSERT_EQ(decompile().stato, 0);
  ASSERT_EQ(decompile().stato, 0);  // the same texts again: nothing to lose
  const fs::path treno = testi_ / "Prova_11-.txt";
  const std::string giusto = prova::leggi(treno);
  prova::scrivi(treno, giusto + "segnale,  4500,  1, 4, 1, 0, 0, 0, 0, 0, 0, 0\r\n");
  const auto prima = prova::contenuto(testi_);
  const prova::Esito e = decompile();
  EXPECT_EQ(e.stato, 2);
  EXPECT_NE(e.err.find("non ho scritto nulla:\n  " + treno.string() + "\n"), std::string::npos)
      << e.err;
  EXPECT_EQ(e.out.find("scritto "), std::string::npos) << e.out;
  EXPECT_EQ(prova::contenuto(testi_), prima);
  std::vector<std::string> a = {"decompile", "--dir", uscita_.string(), "--name",        kNome,
                                "--number",  kNumero, "--out",          testi_.string(), "--force"};
  EXPECT_EQ(prova::esegui(a).stato, 0);
  EXPECT_EQ(prova::leggi(treno), giusto);
}

TEST_F(Decompile, UnCodiceDErroreNeiTestiStato1) {
  // A chainage start off the 50 m grid records code 2; the files are written
  // all the same, and the texts that give them record it again.
  Righe linea = prova::linea_prova();
  linea[2] = "progressiva chilometrica uno,    30,    100800,    1";
  compila_prova(linea, prova::treno_prova());
  const prova::Esito e = decompile();
  EXPECT_EQ(e.stato, 1) << e.err;
  EXPECT_TRUE(fs::exists(testi_ / "Prova_linea.txt"));
}

TEST_F(Decompile, FileRovinatoStato2ConIlByte) {
  compila_prova(prova::linea_prova(), prova::treno_prova());
  std::string celle = prova::leggi(uscita_ / "Prova_11.dat");
  celle.pop_back();
  prova::scrivi(uscita_ / "Prova_11.dat", celle);
  const prova::Esito e = decompile();
  EXPECT_EQ(e.stato, 2);
  EXPECT_EQ(e.err.rfind((uscita_ / "Prova_11.dat").string() + ": errore: il file ha 3614 byte", 0),
            0u)
      << e.err;
  EXPECT_FALSE(fs::exists(testi_));
}

TEST_F(Decompile, NessunTestoDaIFileStato3NienteScritto) {
  compila_prova(prova::linea_prova(), prova::treno_prova());
  std::string celle = prova::leggi(uscita_ / "Prova_11.dat");
  celle[30 * kByteCella] = 7;
  prova::scrivi(uscita_ / "Prova_11.dat", celle);
  const prova::Esito e = decompile(true);
  EXPECT_EQ(e.stato, 3);
  EXPECT_NE(e.out.find("\"differenze\":[\"cella 30: "), std::string::npos) << e.out;
  EXPECT_NE(e.out.find("\"files\":[]"), std::string::npos) << e.out;
  EXPECT_FALSE(fs::exists(testi_));
}
}  // namespace
}  // namespace progetto1::strumento
