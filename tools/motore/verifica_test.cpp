#include "tools/motore/verifica.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "compiler/catalogo/catalogo.h"
#include "model/codici_errore.h"
#include "tools/motore/compilazione.h"
#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

using prova::Righe;
using prova::unisci;

const char* const kL = "l.txt";
const char* const kT = "t.txt";

// The general section (lines 1 to 10, the last "[curve]") with some lines
// replaced, then the line's records from line 11, then "[fine]".
struct Testi {
  std::vector<std::pair<int, std::string>> generale;  // 1-based line, new text
  Righe linea;
  Righe treno;  // from line 3, after "[generale]" and the coaches
};

EsitoVerifica verifica_di(const Testi& t) {
  Righe linea = progetto1::prova::generale(10000);
  for (const auto& [riga, testo] : t.generale) linea[riga - 1] = testo;
  linea = progetto1::prova::piu(linea, t.linea);
  linea.push_back("[fine]");
  Righe treno = progetto1::prova::piu({"[generale]", "numero vetture,    14"}, t.treno);
  treno.push_back("[fine]");
  return verifica(unisci(linea), unisci(treno), kNomeLinea, kNumeroTreno, kL, kT);
}

std::string elenco(const EsitoVerifica& e) {
  std::string s;
  for (const Diagnostica& d : e.diagnostiche) {
    s +=
        d.file + ":" + std::to_string(d.riga) + ":" + std::to_string(d.colonna) + " " + d.id + "\n";
  }
  return s;
}

struct Caso {
  const char* nome;
  Testi testi;
  const char* id;  // of the first diagnostic
  const char* file;
  long riga;
  long colonna;
  std::size_t quante;  // diagnostics in all
};

// The stretch of the slow-downs and the cells the code pass needs: a slow-down
// at 3000 m over 1000 m at 30 km/h, its warning board at 1800 m (cell 37).
const char* const kRallentamento = "rallentamento,   3000,    30,  1000, 0,  0,  0";
const char* const kRallentamentoPreavviso = "rallentamento,   3000,    30,  1000, 0,  1,  0";

std::string cartello(int posizione) {
  return "cartello_indicatore,  " + std::to_string(posizione) + ",   (PL km)(1+000)";
}

std::string segnale(int posizione, int sx = 1, int tempo = 0) {
  return "segnale,    " + std::to_string(posizione) + ",   " + std::to_string(sx) +
         ", 4, 1,  0, 0,    0,  0,0,0, " + std::to_string(tempo);
}

std::string stazione(int posizione, int categoria, int marciapiede, int ore = 0) {
  return "stazione,    " + std::to_string(posizione) + ",  " + std::to_string(categoria) + ",  " +
         std::to_string(marciapiede) + ", 0,0,0, 0,0,0, 0,0,0, 0, " + std::to_string(ore) +
         ",0,0, Alfa";
}

Righe cartelli(int quanti) {
  Righe r;
  for (int i = 0; i < quanti; ++i) r.push_back(cartello(1000 + i * 100));
  return r;
}

TEST(Verifica, UnGuastoPerRigaConIlSuoLuogo) {
  const Caso casi[] = {
      // The codes the package records.
      {"lunghezza oltre il massimo",
       {{{2, "lunghezza percorso,    2000000"}}, {}, {}},
       "E1",
       kL,
       2,
       1,
       1},
      {"progressiva non multipla",
       {{{3, "progressiva chilometrica uno,    0,    100825,    1"}}, {}, {}},
       "E2",
       kL,
       3,
       40,
       1},
      {"ripetizione, primo valore",
       {{{9, "ripetizione segnali 4 codici,  30, 0"}}, {}, {}},
       "E3",
       kL,
       9,
       32,
       1},
      {"ripetizione, secondo valore",
       {{{9, "ripetizione segnali 4 codici,  0, 30"}}, {}, {}},
       "E4",
       kL,
       9,
       35,
       1},
      {"ripetizione senza codici",
       {{{9, "ripetizione segnali codici,  0, 50"}}, {}, {}},
       "E5",
       kL,
       9,
       1,
       1},
      {"cartello su una cella presa",
       {{}, {cartello(1000), cartello(1000)}, {}},
       "E6",
       kL,
       12,
       1,
       1},
      {"abbattimento su una cella presa",
       {{}, {}, {segnale(1000), "abbattimento,  1050,  3"}},
       "E7",
       kT,
       4,
       1,
       1},
      {"stazione non multipla di 50", {{}, {}, {stazione(3260, 4, 300)}}, "E8", kT, 3, 14, 1},
      {"marciapiede non multiplo di 100", {{}, {}, {stazione(3250, 4, 250)}}, "E9", kT, 3, 25, 1},
      {"tabella delle stazioni piena",
       {{}, cartelli(78), {stazione(5000, 27, 300)}},
       "E10",
       kT,
       3,
       1,
       1},
      {"segnale prima dell'avviso senza posto per il codice",
       {{}, {cartello(1450), cartello(1400)}, {segnale(1500), kRallentamento}},
       "E11",
       kT,
       3,
       1,
       1},
      {"inizio del rallentamento senza posto per il codice",
       {{}, {cartello(2750), cartello(2700), cartello(2650)}, {kRallentamento}},
       "E12",
       kT,
       3,
       1,
       1},
      {"lungo il rallentamento senza posto per il codice",
       {{}, {cartello(3400), cartello(3350), cartello(3450)}, {kRallentamento}},
       "E13",
       kT,
       3,
       1,
       1},
      {"oltre il percorso", {{}, {cartello(99000)}, {}}, "E15", kL, 11, 23, 1},
      {"segnale su una cella presa", {{}, {}, {segnale(2500), segnale(2500)}}, "E16", kT, 4, 1, 1},
      {"avviso su una cella presa", {{}, {cartello(1800)}, {kRallentamento}}, "E17", kT, 3, 1, 1},
      {"inizio su una cella presa", {{}, {cartello(3000)}, {kRallentamento}}, "E18", kT, 3, 1, 1},
      {"fine su una cella presa", {{}, {cartello(4000)}, {kRallentamento}}, "E19", kT, 3, 1, 1},
      {"preavviso su una cella presa",
       {{}, {cartello(1750)}, {kRallentamentoPreavviso}},
       "E20",
       kT,
       3,
       1,
       1},
      {"indicatore su una cella presa",
       {{}, {cartello(1000), "indicatori_vmax,  1000,  90,  110,  110,  0,  ,  ,  ,  0"}, {}},
       "E21",
       kL,
       12,
       1,
       1},
      {"stazioni troppo vicine",
       {{}, {}, {stazione(3000, 27, 300), stazione(3400, 27, 300)}},
       "E22",
       kT,
       4,
       14,
       1},
      {"fermata sulla cella 1", {{}, {}, {stazione(0, 4, 100)}}, "E24", kT, 3, 1, 1},
      {"numero illeggibile", {{}, {"pendenza,  abc,  4"}, {}}, "E25", kL, 11, 12, 1},
      {"senza [generale]", {{{1, "[generalissimo"}}, {}, {}}, "E102", kL, 11, 1, 1},
      {"curva senza grado", {{}, {"curvas7,  1350,  800"}, {}}, "E103", kL, 11, 1, 1},
      {"cartello sulla cella 1", {{}, {cartello(0)}, {}}, "E1250", kL, 11, 1, 1},
      {"indicatore sulla cella 1 con dato2",
       {{}, {"indicatori_vmax,  0,  0,  110,  0,  0,  ,  ,  ,  0"}, {}},
       "E1251",
       kL,
       11,
       1,
       1},
      // What the package accepts without a word.
      {"parola chiave sbagliata",
       {{}, {"pendenzza,  0,  0"}, {}},
       "chiave-sconosciuta",
       kL,
       11,
       1,
       1},
      {"due parole chiave in un campo",
       {{}, {"pendenza montagna,  0,  0,  0,  0,  1"}, {}},
       "chiave-ambigua",
       kL,
       11,
       1,
       1},
      {"valore in più", {{}, {"pendenza,  0,  0,  7000"}, {}}, "valore-in-piu", kL, 11, 20, 1},
      {"virgola decimale", {{}, {"pendenza,  0,  4,5"}, {}}, "virgola-decimale", kL, 11, 18, 1},
      {"intestazione sbagliata",
       {{}, {}, {"[rallentamnti]"}},
       "intestazione-sconosciuta",
       kT,
       3,
       1,
       1},
      {"minuti dell'orologio", {{}, {}, {"orologio,  7  60  0"}}, "fuori-intervallo", kT, 3, 15, 1},
      {"stazioni scambiate",
       {{}, {}, {stazione(5000, 27, 300), stazione(1000, 27, 300)}},
       "stazione-fuori-ordine",
       kT,
       4,
       14,
       2},
      {"parola chiave con trattino",
       {{}, {"indicatori-vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0"}, {}},
       "chiave-con-trattino",
       kL,
       11,
       1,
       1},
      {"record della linea nella sezione generale",
       {{{6, "pendenza,  0,  0"}}, {}, {}},
       "fuori-sezione",
       kL,
       6,
       1,
       1},
      {"record generale dopo la sezione generale",
       {{}, {"sfondo uno,    1"}, {}},
       "fuori-sezione",
       kL,
       11,
       1,
       1},
      {"seconda lunghezza",
       {{{6, "lunghezza percorso,    10000"}}, {}, {}},
       "lunghezza-ripetuta",
       kL,
       6,
       1,
       1},
      {"curva con due cifre", {{}, {"curvad52,  650,  600"}, {}}, "curva-piu-cifre", kL, 11, 1, 1},
      {"posizione arrotondata alla cella dopo",
       {{}, {"pendenza,  1030,  0"}, {}},
       "fuori-griglia",
       kL,
       11,
       12,
       1},
      {"pendenze fuori ordine",
       {{}, {"pendenza,  700,  4", "pendenza,  600,  4"}, {}},
       "fuori-ordine",
       kL,
       12,
       12,
       1},
      {"curve sovrapposte",
       {{}, {"curvad4,  1000,  500", "curvas4,  1200,  300"}, {}},
       "fuori-ordine",
       kL,
       12,
       11,
       1},
      {"velocità fuori ordine",
       {{}, {}, {"velocita,   1000,    60", "velocita,   500,    60"}},
       "fuori-ordine",
       kT,
       4,
       13,
       1},
      {"oltre la fine della linea", {{}, {cartello(10050)}, {}}, "oltre-la-linea", kL, 11, 23, 1},
      {"curva che finisce oltre la linea",
       {{}, {"curvad4,  9800,  500"}, {}},
       "oltre-la-linea",
       kL,
       11,
       18,
       1},
      {"velocità non multipla di 5",
       {{}, {}, {"velocita,   0,    103"}},
       "velocita-fuori-passo",
       kT,
       3,
       19,
       1},
      {"indicatore non multiplo di 5",
       {{}, {"indicatori_vmax,  700,  92,  110,  110,  0,  ,  ,  ,  0"}, {}},
       "velocita-fuori-passo",
       kL,
       11,
       25,
       1},
      {"scritta troppo lunga",
       {{}, {"cartello_indicatore,  1000,   (PL km)(1+000)(PL km)(1+000)(PL km)(1+000)(PL)"}, {}},
       "testo-lungo",
       kL,
       11,
       31,
       1},
      {"scritta in UTF-8",
       {{}, {"cartello_indicatore,  1000,   (Citt\xC3\xA0)"}, {}},
       "carattere-non-cp1252",
       kL,
       11,
       36,  // the "à", in characters
       1},
      {"testo della linea dato come treno",
       {{}, {}, {"pendenza,  0,  0", "pendenza,  100,  1", "curvad4,  100,  100"}},
       "testo-scambiato",
       kT,
       0,
       0,
       1},
      {"rallentamento in una cella",
       {{}, {}, {"rallentamento,   5000,    30,  20, 0,  0,  0"}},
       "rallentamento-senza-fine",
       kT,
       3,
       32,
       1},
      {"orario all'indietro",
       {{}, {}, {stazione(2000, 27, 300, 3), stazione(5000, 27, 300, 2)}},
       "orario-indietro",
       kT,
       4,
       55,
       1},
      {"pendenza oltre un byte",
       {{}, {"pendenza,  0,  200"}, {}},
       "pendenza-troncata",
       kL,
       11,
       16,
       1},
      {"cartello su una marca di montagna",
       {{}, {"montagna,  1000,  2000,  11", cartello(1100)}, {}},
       "marca-sostituita",
       kL,
       12,
       1,
       1},
      {"tempo del segnale alzato", {{}, {}, {segnale(2500, 2, 50)}}, "tempo-alzato", kT, 3, 51, 1},
      {"montagne unite",
       {{}, {"montagna,  1000,  2000,  1", "montagna,  2100,  3000,  2"}, {}},
       "montagna-unita",
       kL,
       12,
       26,
       1},
      {"abbattimento oltre 16 bit",
       {{}, {}, {"abbattimento,  1000,  40000"}},
       "valore-troncato",
       kT,
       3,
       23,
       1},
      {"codice 15 della linea ancora registrato",
       {{}, {cartello(99000)}, {segnale(2500)}},
       "E15",
       kL,
       11,
       23,
       2},
  };
  std::set<std::string> visti;
  for (const Caso& c : casi) {
    const EsitoVerifica e = verifica_di(c.testi);
    ASSERT_FALSE(e.diagnostiche.empty()) << c.nome;
    const Diagnostica& d = e.diagnostiche.front();
    EXPECT_EQ(d.id, c.id) << c.nome << "\n" << elenco(e);
    EXPECT_EQ(d.file, c.file) << c.nome;
    EXPECT_EQ(d.riga, c.riga) << c.nome << "\n" << elenco(e);
    EXPECT_EQ(d.colonna, c.colonna) << c.nome << "\n" << elenco(e);
    EXPECT_EQ(e.diagnostiche.size(), c.quante) << c.nome << "\n" << elenco(e);
    for (const Diagnostica& x : e.diagnostiche) visti.insert(x.id);
  }
  // Every rule, but the code of a line text that does not exist, which the
  // tool never meets: it reads the texts itself.
  for (const Regola& r : regole()) {
    if (r.id == "E101") continue;
    EXPECT_TRUE(visti.count(r.id) == 1) << "nessun caso per " << r.id;
  }
}

TEST(Verifica, ErroreOAvvisoSecondoIlPacchetto) {
  const EsitoVerifica e = verifica_di({{}, {"pendenzza,  0,  0", cartello(99000)}, {}});
  ASSERT_EQ(e.diagnostiche.size(), 2u);
  EXPECT_EQ(e.diagnostiche[0].gravita, Gravita::kAvviso);
  EXPECT_FALSE(e.diagnostiche[0].codice.has_value());
  EXPECT_EQ(e.diagnostiche[1].gravita, Gravita::kErrore);
  EXPECT_EQ(e.diagnostiche[1].codice, 15);
  EXPECT_EQ(e.errori(), 1);
  EXPECT_EQ(e.avvisi(), 1);
}

// Several faults of both texts, each reported once, in the order of the
// texts and their lines, with the reading going on after each.
TEST(Verifica, MoltiGuastiInUnaSolaCorsa) {
  const EsitoVerifica e = verifica_di(
      {{},
       {"curvas7,  1350,  800", "pendenzza,  0,  0", cartello(1000), cartello(1000)},
       {"velocita,   0,    103", segnale(2500), segnale(2500), stazione(3260, 4, 300)}});
  EXPECT_EQ(
      testo_verifica(e),
      "l.txt:11:1: errore: una curva non contiene nessuna delle cifre da 1 a 6, oppure il "
      "tracciato supera il metro 1000000. Rimedio: scrivi nella parola chiave della curva una "
      "cifra da 1 a 6 (`curvad4`) e accorcia le curve che portano il tracciato oltre il metro "
      "1000000 [E103]\n"
      "    curvas7,  1350,  800\n"
      "    ^\n"
      "l.txt:12:1: avviso: campo che nessuna parola chiave riconosce: il pacchetto lo salta "
      "(\"pendenzza\"; forse \"pendenza\"?) [chiave-sconosciuta]\n"
      "    pendenzza,  0,  0\n"
      "    ^\n"
      "l.txt:14:1: errore: la cella del cartello indicatore è già occupata; posizione 1000 m, "
      "cella 21. Rimedio: sposta il cartello in una cella di 50 m che nessun segnale, "
      "rallentamento, fermata, cartello o indicatore occupa [E6]\n"
      "    cartello_indicatore,  1000,   (PL km)(1+000)\n"
      "    ^\n"
      "t.txt:3:19: avviso: velocità che non è un multiplo di 5 km/h tra 0 e 495: in una velocità "
      "del treno il pacchetto la divide per 5 e arrotonda; in un cartello indicatore la parte in "
      "più passa nell'altro gruppo (103 km/h) [velocita-fuori-passo]\n"
      "    velocita,   0,    103\n"
      "                      ^\n"
      "t.txt:5:1: errore: la cella del segnale è già occupata; posizione 2500 m, cella 51. "
      "Rimedio: sposta il segnale in una cella di 50 m che nessun segnale, rallentamento, "
      "fermata, cartello o indicatore occupa [E16]\n"
      "    segnale,    2500,   1, 4, 1,  0, 0,    0,  0,0,0, 0\n"
      "    ^\n"
      "t.txt:6:14: errore: la posizione della stazione non è multipla di 50; posizione 3260 m, "
      "cella 66. Rimedio: scrivi una posizione multipla di 50 [E8]\n"
      "    stazione,    3260,  4,  300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, Alfa\n"
      "                 ^\n");
  EXPECT_EQ(e.errori(), 4);
  EXPECT_EQ(e.avvisi(), 2);
}

// The mistakes authors make in reading, each told with the record, the field
// by its name and number, what was found and what was expected, where the
// reading went wrong.
TEST(Verifica, ErroriDiLetturaNominanoRecordECampo) {
  struct Sbaglio {
    Righe treno;
    long riga;
    long colonna;
    const char* messaggio;
  };
  const Sbaglio casi[] = {
      {{"stazione,    1000,  27,  300, 0,0,0, 0,0,0, 0,0,0, 0, 8,0, Alfa"},
       3,
       60,
       "errore di lettura: nel record stazione, campo 16 di 17 (secondi: secondi dell'orario): "
       "trovato \"Alfa\" dove serve un numero intero; forse manca un valore prima di questo "
       "campo"},
      {{"rallentamento,   3000,    30,  1000", "[segnali]"},
       3,
       36,
       "errore di lettura: il record rallentamento ha 3 valori su 6: mancano f_tt, f_ta, d_v (i "
       "campi sono, in ordine: x, v, l, f_tt, f_ta, d_v; se ne manca uno prima, quelli che lo "
       "seguono sono spostati di un posto); il pacchetto ha preso come f_tt il campo "
       "\"[segnali]\" della riga 4, e lì si è fermato"},
      {{"stazione,    1000,  27,  300, 0,0,0, 0,0,0, 0,0,0, 0, 7:22, 0, Alfa"},
       3,
       55,
       "errore di lettura: nel record stazione, campo 14 di 17 (ore: ora dell'orario della "
       "stazione): trovato \"7:22\" dove serve un numero intero; un orario si scrive in tre "
       "campi, ore, minuti e secondi, separati da virgole: 7:22 diventa 7, 22, 0 (o 7, 22 se i "
       "secondi seguono già)"},
      {{"sabbia,  70000"},
       3,
       10,
       "errore di lettura: nel record sabbia, campo 1 di 1 (sabbia: scorta di sabbia del treno (il "
       "pacchetto non ne fissa l'unità)): \"70000\" non sta nel campo, che vuole un numero intero "
       "da -32768 a 32767"},
  };
  for (const Sbaglio& c : casi) {
    const EsitoVerifica e = verifica_di({{}, {}, c.treno});
    const auto d = std::find_if(e.diagnostiche.begin(), e.diagnostiche.end(),
                                [](const Diagnostica& x) { return x.id == "E25"; });
    ASSERT_NE(d, e.diagnostiche.end()) << testo_verifica(e);
    EXPECT_EQ(d->messaggio, c.messaggio);
    EXPECT_EQ(d->riga, c.riga) << c.messaggio;
    EXPECT_EQ(d->colonna, c.colonna) << c.messaggio;
  }
}

// A value left out of any record kind: the reading fails, and the message
// names that record and the value that is missing.
TEST(Verifica, UnValoreMancanteInOgniRecord) {
  for (const catalogo::Record& r : catalogo::records()) {
    const bool linea = r.testo == catalogo::Testo::kLinea;
    std::vector<std::string> testi[2] = {catalogo::testo_di_esempio(catalogo::Testo::kLinea),
                                         catalogo::testo_di_esempio(catalogo::Testo::kTreno)};
    std::vector<std::string>& righe = testi[linea ? 0 : 1];
    const auto riga = std::find(righe.begin(), righe.end(), std::string(r.esempio));
    ASSERT_NE(riga, righe.end()) << r.nome;
    // Without its last number and the comma or blanks before it; a record
    // that ends with a text loses the last number before the text.
    const auto senza_ultimo = [](std::string t) {
      t.erase(t.find_last_not_of(' ') + 1);
      t.erase(t.find_last_of(", ") + 1);
      t.erase(t.find_last_not_of(' ') + 1);
      if (t.ends_with(',')) t.pop_back();
      return t;
    };
    const bool testo_finale = r.campi.back().tipo == catalogo::Tipo::kTesto;
    const std::string esempio(r.esempio);
    if (testo_finale) {
      const std::size_t testo = esempio.rfind(',');
      *riga = senza_ultimo(esempio.substr(0, testo)) + esempio.substr(testo);
    } else {
      *riga = senza_ultimo(esempio);
    }
    const EsitoVerifica e =
        verifica(unisci(testi[0]), unisci(testi[1]), kNomeLinea, kNumeroTreno, kL, kT);
    const auto d = std::find_if(e.diagnostiche.begin(), e.diagnostiche.end(),
                                [](const Diagnostica& x) { return x.id == "E25"; });
    ASSERT_NE(d, e.diagnostiche.end()) << r.nome << "\n" << testo_verifica(e);
    const std::size_t mancante = r.campi.size() - (testo_finale ? 2 : 1);
    const std::string atteso =
        testo_finale
            ? "nel record " + std::string(r.nome) + ", campo " + std::to_string(mancante + 1) +
                  " di " + std::to_string(r.campi.size())
            : "il record " + std::string(r.nome) + " ha " + std::to_string(mancante) +
                  (mancante == 1 ? " valore" : " valori") + " su " +
                  std::to_string(r.campi.size()) + ": manca " + std::string(r.campi.back().nome);
    EXPECT_NE(d->messaggio.find(atteso), std::string::npos) << r.nome << ": " << d->messaggio;
    EXPECT_EQ(d->file, linea ? kL : kT) << r.nome;
  }
}

// Values in messages decoded as the cells hold them; suggestions only from
// the keywords of the text being read, never the word itself.
TEST(Verifica, MessaggiConIValoriDecodificatiESuggerimentiDelTesto) {
  const EsitoVerifica e =
      verifica_di({{},
                   {"pendenza,  0,  200", "pendenza,  0,  4", "velocita,  0,  100",
                    "Pendenzza,  0,  0", "Sfondo Uno,  1"},
                   {stazione(1000, 27, 300, 8), stazione(5000, 27, 300, 7), "segnal,  2500, 1",
                    "segnale,  3000,  1, 3276, 1, 0, 0, 0, 9, 0, 0, 0",
                    "segnale,  4000,  7, 4, 1, 0, 0, 0, 0, 0, 120, 0"}});
  std::vector<std::string> messaggi;
  for (const Diagnostica& d : e.diagnostiche) messaggi.push_back(d.id + ": " + d.messaggio);
  const std::vector<std::string> attesi = {
      "pendenza-troncata: pendenza fuori da -100 ... 155: il pacchetto ne tiene gli 8 bit bassi "
      "(200 ‰: le celle registrano 44, cioè -56 ‰)",
      // Out of order, with the previous record's line.
      "fuori-ordine: record che non viene dopo il precedente dello stesso tipo: il pacchetto non "
      "lo colloca dove è scritto (il precedente, alla riga 11, è a 0 m: vanno in ordine di "
      "posizione)",
      // A keyword of the train text in the line text gets no suggestion.
      "chiave-sconosciuta: campo che nessuna parola chiave riconosce: il pacchetto lo salta "
      "(\"velocita\")",
      "chiave-sconosciuta: campo che nessuna parola chiave riconosce: il pacchetto lo salta "
      "(\"Pendenzza\"; forse \"pendenza\"?)",
      // The right words in capitals, where only lower case counts.
      "chiave-sconosciuta: campo che nessuna parola chiave riconosce: il pacchetto lo salta "
      "(\"Sfondo Uno\"; forse \"sfondo uno\", in minuscolo?)",
      "orario-indietro: orario della stazione prima di quello dell'ultima stazione precedente "
      "con un orario (7:00:00, la stazione precedente 8:00:00)",
      "chiave-sconosciuta: campo che nessuna parola chiave riconosce: il pacchetto lo salta "
      "(\"segnal\"; forse \"segnale\"?)",
      // s1 × 10 + d1 does not fit the cell's 16 bits.
      "valore-troncato: valore che il suo campo di 16 bit non contiene: il pacchetto ne tiene i "
      "16 bit bassi (32769, nella cella -32767)",
      // Values beyond their digit spill into their pair's.
      "fuori-intervallo: valore fuori da quelli che il suo campo ammette: il pacchetto lo prende "
      "com'è (sx 7: il campo vuole da 0 a 3)",
      "fuori-intervallo: valore fuori da quelli che il suo campo ammette: il pacchetto lo prende "
      "com'è (d3 120: il campo vuole da 0 a 9)",
  };
  EXPECT_EQ(messaggi, attesi);
}

// The two texts given each in the other's place: one diagnostic says so
// instead of a warning for nearly every field; one text alone is named too.
TEST(Verifica, TestiScambiatiDettiInUnSoloMessaggio) {
  const std::vector<FileUscita> testi = testi_pacchetto();
  struct {
    const std::string& linea;
    const std::string& treno;
    const char* file;
    const char* dettaglio;
  } casi[] = {
      {testi[1].second, testi[0].second, kL, "scambia --line e --train"},
      {testi[1].second, testi[1].second, kL, "con --line va il testo della linea, NOME_linea.txt"},
      {testi[0].second, testi[0].second, kT, "con --train va il testo del treno, NOME_NUMERO-.txt"},
  };
  for (const auto& c : casi) {
    const EsitoVerifica e = verifica(c.linea, c.treno, kNomeLinea, kNumeroTreno, kL, kT);
    // Nothing else of the text given in the wrong place.
    ASSERT_EQ(std::count_if(e.diagnostiche.begin(), e.diagnostiche.end(),
                            [&](const Diagnostica& x) { return x.file == c.file; }),
              1)
        << testo_verifica(e);
    const auto d = std::find_if(e.diagnostiche.begin(), e.diagnostiche.end(),
                                [&](const Diagnostica& x) { return x.file == c.file; });
    EXPECT_EQ(d->id, "testo-scambiato");
    EXPECT_EQ(d->gravita, Gravita::kErrore);
    EXPECT_EQ(d->file, c.file);
    EXPECT_NE(d->messaggio.find(c.dettaglio), std::string::npos) << d->messaggio;
  }
}

// A text saved in UTF-8: the line shown as the editor shows it, the caret on
// the character (columns counting characters), and how to save it.
TEST(Verifica, TestoInUtf8ColonnaInCaratteriEComeSalvarlo) {
  const EsitoVerifica e = verifica_di({{},
                                       {},
                                       {"stazione,    1000,  27,  300, 0,0,0, 0,0,0, "
                                        "0,0,0, 0, 8,0,0, CITTÀ Ù"}});
  ASSERT_EQ(e.diagnostiche.size(), 1u) << testo_verifica(e);
  const Diagnostica& d = e.diagnostiche[0];
  EXPECT_EQ(d.id, "carattere-non-cp1252");
  EXPECT_EQ(d.testo_riga, "stazione,    1000,  27,  300, 0,0,0, 0,0,0, 0,0,0, 0, 8,0,0, CITTÀ Ù");
  EXPECT_EQ(d.colonna, 66);  // the "À"
  EXPECT_NE(d.messaggio.find("il file è salvato in UTF-8; salvalo in Windows-1252"),
            std::string::npos);
  EXPECT_NE(d.messaggio.find("iconv -f UTF-8 -t WINDOWS-1252"), std::string::npos);
}

// The package's path through the same readers: the first fault only.
TEST(Verifica, LaCompilazioneSiFermaAlPrimoGuasto) {
  Righe linea = progetto1::prova::piu(progetto1::prova::generale(10000),
                                      {"curvas7,  1350,  800", cartello(1000), cartello(1000)});
  linea.push_back("[fine]");
  const EsitoCompilazione c = compila(unisci(linea), unisci(progetto1::prova::treno_minimo()),
                                      kNomeLinea, kNumeroTreno, true);
  EXPECT_EQ(c.codice_errore, 103);
  EXPECT_EQ(c.traccia.luogo.riga, 11);
}

TEST(Verifica, LoScenarioIncorporatoEPulito) {
  const std::vector<FileUscita> testi = testi_pacchetto();
  const EsitoVerifica e =
      verifica(testi[0].second, testi[1].second, kNomeLinea, kNumeroTreno, kL, kT);
  EXPECT_EQ(testo_verifica(e), "");
  EXPECT_EQ(json_verifica(e), "{\"diagnostics\":[],\"summary\":{\"errors\":0,\"warnings\":0}}\n");
}

TEST(Verifica, Json) {
  const EsitoVerifica e = verifica_di({{}, {"pendenzza,  0,  0", cartello(99000)}, {}});
  EXPECT_EQ(json_verifica(e),
            "{\"diagnostics\":["
            "{\"file\":\"l.txt\",\"line\":11,\"column\":1,\"severity\":\"avviso\","
            "\"id\":\"chiave-sconosciuta\",\"code\":null,\"message\":\"campo che nessuna parola "
            "chiave riconosce: il pacchetto lo salta (\\\"pendenzza\\\"; forse "
            "\\\"pendenza\\\"?)\"},"
            "{\"file\":\"l.txt\",\"line\":12,\"column\":23,\"severity\":\"errore\","
            "\"id\":\"E15\",\"code\":15,\"message\":\"la posizione è oltre la fine del percorso "
            "(più 100 m, 800 m per una stazione, supera l'ultima cella); posizione 99000 m, "
            "cella 1981. Rimedio: scrivi una posizione al massimo 6900 m oltre la lunghezza del "
            "percorso (6200 m per una stazione), o allunga il percorso\"}],"
            "\"summary\":{\"errors\":1,\"warnings\":1}}\n");
}

TEST(Verifica, SarifConRegoleERisultatiCheSiCorrispondono) {
  const EsitoVerifica e =
      verifica_di({{}, {"pendenzza,  0,  0", cartello(99000)}, {segnale(2500), segnale(2500)}});
  const nlohmann::json j = nlohmann::json::parse(sarif_verifica(e));
  EXPECT_EQ(j["version"], "2.1.0");
  const nlohmann::json& run = j["runs"][0];
  const nlohmann::json& regole_json = run["tool"]["driver"]["rules"];
  EXPECT_EQ(regole_json.size(), regole().size());
  ASSERT_EQ(run["results"].size(), e.diagnostiche.size());
  for (std::size_t i = 0; i < e.diagnostiche.size(); ++i) {
    const nlohmann::json& r = run["results"][i];
    const Diagnostica& d = e.diagnostiche[i];
    EXPECT_EQ(r["ruleId"], d.id);
    EXPECT_EQ(regole_json[r["ruleIndex"].get<std::size_t>()]["id"], d.id);
    EXPECT_EQ(r["level"], d.gravita == Gravita::kErrore ? "error" : "warning");
    EXPECT_EQ(r["message"]["text"], d.messaggio);
    const nlohmann::json& f = r["locations"][0]["physicalLocation"];
    EXPECT_EQ(f["artifactLocation"]["uri"], d.file);
    EXPECT_EQ(f["region"]["startLine"], d.riga);
    EXPECT_EQ(f["region"]["startColumn"], d.colonna);
  }
}

TEST(Verifica, OltreCentoDiUnaRegolaSoloIlNumero) {
  Righe linea;
  for (int i = 0; i < 150; ++i) linea.push_back("pendenzza,  0,  0");
  const EsitoVerifica e = verifica_di({{}, linea, {}});
  ASSERT_EQ(e.diagnostiche.size(), 101u);
  const Diagnostica& ultima = e.diagnostiche.back();
  EXPECT_EQ(ultima.id, "chiave-sconosciuta");
  EXPECT_EQ(ultima.riga, 0);
  EXPECT_EQ(ultima.omesse, 50);
  EXPECT_EQ(ultima.messaggio,
            "altre 50 diagnostiche chiave-sconosciuta non mostrate (al massimo 100 per regola), "
            "la prima alla riga 111");
  EXPECT_EQ(e.avvisi(), 150);
  EXPECT_EQ(e.errori(), 0);
}

class Check : public prova::CartellaCompilazione {
 protected:
  prova::Esito check(const Righe& linea, const Righe& treno, std::vector<std::string> altri = {}) {
    prova::scrivi(linea_, unisci(linea));
    prova::scrivi(treno_, unisci(treno));
    std::vector<std::string> a = {"check", "--line", linea_.string(), "--train", treno_.string()};
    a.insert(a.end(), altri.begin(), altri.end());
    return prova::esegui(a);
  }
};

TEST_F(Check, StatiDUscita) {
  const Righe pulita = prova::linea_prova();
  const Righe con_avviso = progetto1::prova::piu(pulita, {"pendenzza,  0,  0"});
  const Righe con_errore = progetto1::prova::piu(pulita, {cartello(99000)});
  const Righe treno = prova::treno_prova();
  struct CasoStato {
    const Righe* linea;
    std::vector<std::string> altri;
    int stato;
    const char* riepilogo;  // the last line of the text form
  };
  const CasoStato casi[] = {
      {&pulita, {}, 0, "scenario check: nessun errore, nessun avviso\n"},
      {&con_avviso, {}, 0, "scenario check: nessun errore, 1 avviso\n"},
      {&con_avviso, {"--werror"}, 1, "scenario check: nessun errore, 1 avviso\n"},
      {&con_errore, {}, 1, "scenario check: 1 errore, 1 avviso\n"},
      {&con_errore, {"--format", "json"}, 1, ""},
      {&pulita, {"--format", "xml"}, 2, ""},
      {&pulita, {"--name", "a/b"}, 2, ""},
  };
  for (const CasoStato& c : casi) {
    const prova::Esito e = check(*c.linea, treno, c.altri);
    EXPECT_EQ(e.stato, c.stato) << unisci(c.altri, " ");
    if (*c.riepilogo != '\0') {
      EXPECT_TRUE(e.err.ends_with(c.riepilogo)) << e.err;
    }
  }
  EXPECT_EQ(prova::esegui(
                {"check", "--line", (cartella_ / "manca.txt").string(), "--train", treno_.string()})
                .stato,
            2);
}

TEST_F(Check, TestoSulloStandardErrorJsonSullUscita) {
  const Righe linea = progetto1::prova::piu(prova::linea_prova(), {"pendenzza,  0,  0"});
  const prova::Esito t = check(linea, prova::treno_prova());
  EXPECT_EQ(t.out, "");
  EXPECT_EQ(t.err.substr(0, linea_.string().size() + 6), linea_.string() + ":22:1:");
  const prova::Esito j = check(linea, prova::treno_prova(), {"--format", "json"});
  EXPECT_EQ(j.err, "");
  EXPECT_EQ(nlohmann::json::parse(j.out)["summary"]["warnings"], 1);
}

}  // namespace
}  // namespace progetto1::strumento
