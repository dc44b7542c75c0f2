#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "model/archivio_memoria.h"
#include "model/guasto.h"
#include "scenario/incorporato/tabelle_documenti.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "scenario/scrittori/testi.h"

namespace progetto1 {
namespace {

Pacchetto pacchetto() {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  return p;
}

// The bytes of a document split at CR LF; the last line must be ended too.
std::vector<std::string> righe_di(const std::string& byte) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  for (std::size_t fine; (fine = byte.find("\r\n", inizio)) != std::string::npos;
       inizio = fine + 2) {
    righe.push_back(byte.substr(inizio, fine - inizio));
  }
  EXPECT_EQ(inizio, byte.size()) << "l'ultima riga non termina con CR LF";
  return righe;
}

std::set<std::size_t> colonne_delle_barre(const std::string& riga) {
  std::set<std::size_t> colonne;
  for (std::size_t i = 0; i < riga.size(); ++i) {
    if (riga[i] == '|') colonne.insert(i);
  }
  return colonne;
}

std::string senza_blank_ai_lati(std::string testo) {
  const auto primo = testo.find_first_not_of(' ');
  if (primo == std::string::npos) return "";
  return testo.substr(primo, testo.find_last_not_of(' ') + 1 - primo);
}

// --- The train text, read back as the train data reader sees its fields ---

std::vector<std::string> campi(const std::string& riga) {
  std::vector<std::string> risultato;
  std::size_t inizio = 0;
  for (std::size_t virgola; (virgola = riga.find(',', inizio)) != std::string::npos;
       inizio = virgola + 1) {
    risultato.push_back(senza_blank_ai_lati(riga.substr(inizio, virgola - inizio)));
  }
  risultato.push_back(senza_blank_ai_lati(riga.substr(inizio)));
  return risultato;
}

struct StazioneTreno {
  int posizione;
  std::string nome;
  int ore;
  int minuti;
};

struct RallentamentoTreno {
  int posizione;
  int velocita;
  int lunghezza;
};

std::vector<StazioneTreno> stazioni_del_treno() {
  std::vector<StazioneTreno> stazioni;
  for (const std::string& riga : righe_treno(pacchetto())) {
    if (riga.rfind("stazione,", 0) != 0) continue;
    const std::vector<std::string> c = campi(riga);
    if (c.size() != 18) {
      ADD_FAILURE() << riga;
      continue;
    }
    stazioni.push_back(
        {std::atoi(c[1].c_str()), c[17], std::atoi(c[14].c_str()), std::atoi(c[15].c_str())});
  }
  return stazioni;
}

std::vector<RallentamentoTreno> rallentamenti_del_treno() {
  std::vector<RallentamentoTreno> rallentamenti;
  for (const std::string& riga : righe_treno(pacchetto())) {
    if (riga.rfind("rallentamento,", 0) != 0) continue;
    const std::vector<std::string> c = campi(riga);
    rallentamenti.push_back(
        {std::atoi(c[1].c_str()), std::atoi(c[2].c_str()), std::atoi(c[3].c_str())});
  }
  return rallentamenti;
}

// --- Row formatters ---------------------------------------------------------

TEST(TabelleDocumenti, OrariEProgressive) {
  const struct {
    Orario orario;
    const char* testo;
  } orari[] = {{{2, 50}, "2.50"}, {{3, 5}, "3.05"}, {{0, 0}, "0.00"}, {{12, 9}, "12.09"}};
  for (const auto& c : orari) EXPECT_EQ(testo_orario(c.orario), c.testo);

  const struct {
    std::int32_t metri;
    const char* testo;
  } progressive[] = {{100769, "100.769"}, {0, "0.000"},      {90075, "90.075"},
                     {3611, "3.611"},     {81000, "81.000"}, {7, "0.007"}};
  for (const auto& c : progressive) EXPECT_EQ(testo_progressiva(c.metri), c.testo);
}

TEST(TabelleDocumenti, RigaSchedaCampoPerCampo) {
  const struct {
    RigaScheda riga;
    const char* attesa;
  } casi[] = {
      {cambio_velocita_km(130, 98663),
       " | 130 |     |    98.663|     | km 98.663                  |                |     |"},
      {cambio_velocita_cippo(80, 0),
       " |  80 |     |     0.000|     | cippo km 0.000             |                |     |"},
      {{.velocita = 110, .testo = "Dev. uscita CORSANTA"},
       " | 110 |     |          |     | Dev. uscita CORSANTA       |                |     |"},
      {{.progressiva = 100769, .testo = "X", .partenza = Orario{2, 40}, .recupero_decimi = 5},
       " |     |     |   100.769|     | X                          |       2.40     | 0.5 |"},
      {{.testo = "X", .arrivo = Orario{2, 33}, .partenza = Orario{2, 36}, .recupero_decimi = 10},
       " |     |     |          |     | X                          |   2.33 - 2.36  |  1  |"},
      // An arrival alone is still the row's single time.
      {{.velocita = 60, .testo = "123456789012345678901234567", .arrivo = Orario{3, 44}},
       " |  60 |     |          |     | 123456789012345678901234567|       3.44     |     |"},
      {{.testo = "X", .arrivo = Orario{11, 58}, .partenza = Orario{12, 1}, .recupero_decimi = 15},
       " |     |     |          |     | X                          |  11.58 - 12.01 | 1.5 |"},
  };
  for (const auto& c : casi) EXPECT_EQ(riga_scheda(c.riga), c.attesa);
}

TEST(TabelleDocumenti, RigaRallentamentoCampoPerCampo) {
  EXPECT_EQ(riga_rallentamento({.numero = 1,
                                .stazione = "SAN FELICIO",
                                .cippo = 92,
                                .velocita = 40,
                                .lunghezza = 300,
                                .prescrizione = 'B'}),
            " | 1 | SAN FELICIO                |     92     |    40    |   300   |     B      |");
  EXPECT_EQ(riga_rallentamento({.numero = 12,
                                .stazione = "X",
                                .cippo = 5,
                                .velocita = 100,
                                .lunghezza = 1000,
                                .prescrizione = 'A'}),
            " |12 | X                          |      5     |   100    |  1000   |     A      |");
}

TEST(TabelleDocumenti, UnValoreCheNonEntraNelCampoEUnGuasto) {
  const std::string lungo(28, 'A');
  EXPECT_THROW(riga_scheda({.testo = lungo}), Guasto);
  EXPECT_THROW(riga_scheda({.velocita = 1000, .testo = "X"}), Guasto);
  EXPECT_THROW(riga_scheda({.progressiva = 1000000000, .testo = "X"}), Guasto);
  EXPECT_THROW(riga_scheda({.testo = "X", .partenza = Orario{2, 60}}), Guasto);
  EXPECT_THROW(riga_scheda({.testo = "CITT\xC3\x80"}), Guasto);  // not plain ASCII
  EXPECT_THROW(riga_scheda({.testo = "X", .recupero_decimi = -5}), Guasto);
  EXPECT_THROW(testo_progressiva(-1), Guasto);
  EXPECT_THROW(riga_rallentamento({.numero = 1, .stazione = lungo, .prescrizione = 'B'}), Guasto);
  EXPECT_THROW(riga_rallentamento({.numero = 100, .stazione = "X", .prescrizione = 'B'}), Guasto);
  EXPECT_THROW(
      riga_rallentamento({.numero = 1, .stazione = "X", .cippo = 1234567, .prescrizione = 'B'}),
      Guasto);
}

// --- The three documents as written ----------------------------------------

struct Documento {
  std::vector<std::string> righe;
  std::string byte;
  std::int32_t contatore;
};

// Writes one document into an archive that already holds a longer, older
// version of it, as a folder left by an earlier run would.
Documento scrivi(void (*scrittore)(Pacchetto&, Archivio&), const std::string& nome) {
  Pacchetto p = pacchetto();
  ArchivioMemoria archivio;
  archivio.file[nome] = std::string(20000, 'x') + "\r\n";
  scrittore(p, archivio);
  Documento d;
  d.byte = archivio.file.at(nome);
  d.righe = righe_di(d.byte);
  d.contatore = p.contatore;
  return d;
}

void controlla_tabella(const std::vector<std::string>& righe, std::size_t prima, std::size_t ultima,
                       std::size_t larghezza, const std::set<std::size_t>& barre) {
  for (std::size_t i = prima; i <= ultima; ++i) {
    SCOPED_TRACE("riga " + std::to_string(i + 1) + ": " + righe[i]);
    EXPECT_EQ(righe[i].size(), larghezza);
    EXPECT_EQ(colonne_delle_barre(righe[i]), barre);
    EXPECT_EQ(righe[i][0], ' ');
  }
}

TEST(Scheda, RigheFisseECodaDelFile) {
  const Documento d = scrivi(dati_scheda, "Corsanta_7402_scheda_treno.txt");
  ASSERT_EQ(d.righe.size(), 49u);
  EXPECT_EQ(d.contatore, 49);
  EXPECT_EQ(d.byte.find(kSentinella), std::string::npos);

  const std::string regola =
      " |_____|_____|__________|_____|____________________________|________________|_____|";
  const std::string vuota =
      " |     |     |          |     |                            |                |     |";
  const struct {
    std::size_t numero;
    std::string testo;
  } fisse[] = {
      {1, ""},
      {2, ""},
      {3, "  ___________________                                               ______________"},
      {4, " |                   |                    SCHEDA                   |              |"},
      {5, " |   TRENO n.7402    |                   da: CORSANTA              |    V 160 B   |"},
      {6, " |___________________|                    a: VALMORENA             |     125 %    |"},
      {7, std::string(67, ' ') + "|______________|"},
      {8, "  ___________________                ___________________"},
      {9, " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       "},
      {10, " |        EXP        |              |      700T         |"},
      {11, " |___________________|              |___________________|"},
      {12, ""},
      {13, "  ________________________________________________________________________________"},
      {14, " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |"},
      {15, " | Lim.|Marc.|          |  Rs |                            |                |     |"},
      {16, regola},
      {46, vuota},
      {47, vuota},
      {48, regola},
      {49, ""},
  };
  for (const auto& f : fisse) EXPECT_EQ(d.righe[f.numero - 1], f.testo) << "riga " << f.numero;
  EXPECT_EQ(d.righe[2].size(), 82u);
  EXPECT_EQ(d.righe[8].size(), 64u);

  const std::string coda = regola + "\r\n\r\n";
  EXPECT_EQ(d.byte.substr(d.byte.size() - coda.size()), coda);
  for (const unsigned char c : d.byte) EXPECT_LT(c, 0x80);
}

TEST(Scheda, OgniRigaDellaTabellaHaLeBarreAlleSueColonne) {
  const Documento d = scrivi(dati_scheda, "Corsanta_7402_scheda_treno.txt");
  ASSERT_EQ(d.righe.size(), 49u);
  controlla_tabella(d.righe, 13, 47, 83, {1, 7, 13, 24, 30, 59, 76, 82});
  // The box lines above the table.
  for (const std::size_t i : {3u, 4u, 5u})
    EXPECT_EQ(colonne_delle_barre(d.righe[i]), (std::set<std::size_t>{1, 21, 67, 82}));
  EXPECT_EQ(colonne_delle_barre(d.righe[6]), (std::set<std::size_t>{67, 82}));
}

// The data rows 17 to 45, cut into their fields.
struct PuntoScheda {
  std::string velocita, marcia, progressiva, rs, testo, orario, recupero;
};

std::vector<PuntoScheda> punti_della_scheda() {
  std::vector<PuntoScheda> punti;
  const std::vector<std::string> righe = righe_scheda(pacchetto());
  for (std::size_t i = 16; i <= 44; ++i) {
    const std::string& r = righe.at(i);
    punti.push_back({r.substr(2, 5), r.substr(8, 5), r.substr(14, 10), r.substr(25, 5),
                     r.substr(31, 28), r.substr(60, 16), r.substr(77, 5)});
  }
  return punti;
}

bool inizia_con(const std::string& testo, const std::string& prefisso) {
  return testo.rfind(prefisso, 0) == 0;
}

TEST(Scheda, IPuntiDelPercorso) {
  const std::vector<PuntoScheda> punti = punti_della_scheda();
  ASSERT_EQ(punti.size(), 29u);
  int stazioni = 0, km = 0, cippi = 0, deviatoi = 0, velocita = 0, recuperi = 0;
  std::vector<long> progressive;
  for (const PuntoScheda& punto : punti) {
    SCOPED_TRACE(punto.testo);
    EXPECT_EQ(punto.marcia, "     ");
    EXPECT_EQ(punto.rs, "     ");
    EXPECT_EQ(punto.testo[0], ' ');
    const std::string testo = senza_blank_ai_lati(punto.testo);
    const std::string progressiva = senza_blank_ai_lati(punto.progressiva);
    if (inizia_con(testo, "Dev. uscita ") || inizia_con(testo, "Dev. ingresso ")) {
      ++deviatoi;
      EXPECT_EQ(progressiva, "");
      EXPECT_EQ(senza_blank_ai_lati(punto.orario), "");
      EXPECT_NE(senza_blank_ai_lati(punto.velocita), "");
    } else if (inizia_con(testo, "km ") || inizia_con(testo, "cippo km ")) {
      ++(testo[0] == 'k' ? km : cippi);
      EXPECT_EQ(testo.substr(testo.find("km ") + 3), progressiva);
      EXPECT_NE(senza_blank_ai_lati(punto.velocita), "");
    } else {
      ++stazioni;
      EXPECT_NE(senza_blank_ai_lati(punto.orario), "");
    }
    if (!progressiva.empty()) {
      ASSERT_EQ(progressiva.size() - progressiva.find('.'), 4u) << progressiva;
      progressive.push_back(std::lround(std::stod(progressiva) * 1000));
    }
    if (punto.velocita != "     ") {
      ++velocita;
      EXPECT_EQ(punto.velocita.front(), ' ');
      EXPECT_EQ(punto.velocita.back(), ' ');
    }
    if (punto.recupero != "     ") {
      ++recuperi;
      EXPECT_TRUE(punto.recupero == " 0.5 " || punto.recupero == "  1  ") << punto.recupero;
    }
  }
  EXPECT_EQ(stazioni, 22);
  EXPECT_EQ(km, 3);
  EXPECT_EQ(cippi, 2);
  EXPECT_EQ(deviatoi, 2);
  EXPECT_EQ(velocita, 11);
  EXPECT_EQ(recuperi, 14);

  // Falling along the first kilometre system, then the second one's value.
  ASSERT_EQ(progressive.size(), 27u);
  EXPECT_EQ(progressive.front(), 100769);
  EXPECT_EQ(progressive[progressive.size() - 2], 0);
  EXPECT_EQ(progressive.back(), 90075);
  for (std::size_t i = 1; i + 1 < progressive.size(); ++i) {
    EXPECT_LT(progressive[i], progressive[i - 1]) << i;
  }
}

// A time field holds one time at columns 67 to 70, or an arrival and a
// departure around " - " at columns 63 to 73.
struct TempiScheda {
  std::string arrivo, partenza;
};

TempiScheda tempi(const std::string& orario) {
  if (orario.substr(7, 3) == " - ") {
    return {senza_blank_ai_lati(orario.substr(0, 7)), senza_blank_ai_lati(orario.substr(10))};
  }
  const std::string solo = senza_blank_ai_lati(orario);
  return {solo, solo};
}

TEST(Scheda, StazioniEOrariComeNelTestoDelTreno) {
  const std::vector<StazioneTreno> treno = stazioni_del_treno();
  ASSERT_EQ(treno.size(), 22u);

  std::vector<PuntoScheda> stazioni;
  for (const PuntoScheda& punto : punti_della_scheda()) {
    const std::string testo = senza_blank_ai_lati(punto.testo);
    if (!inizia_con(testo, "Dev. ") && !inizia_con(testo, "km ") &&
        !inizia_con(testo, "cippo km ")) {
      stazioni.push_back(punto);
    }
  }
  ASSERT_EQ(stazioni.size(), treno.size());

  int coppie = 0;
  for (std::size_t i = 0; i < treno.size(); ++i) {
    SCOPED_TRACE(treno[i].nome);
    EXPECT_EQ(senza_blank_ai_lati(stazioni[i].testo), treno[i].nome);
    const TempiScheda t = tempi(stazioni[i].orario);
    if (t.arrivo != t.partenza) ++coppie;
    if (treno[i].ore != 0 || treno[i].minuti != 0) {
      const std::string atteso = testo_orario({treno[i].ore, treno[i].minuti});
      // The terminus is timed by its arrival, every other station by its departure.
      EXPECT_EQ(i + 1 == treno.size() ? t.arrivo : t.partenza, atteso);
    }
    // Station chainages on the first kilometre system follow the positions.
    const long progressiva = std::lround(std::stod(stazioni[i].progressiva) * 1000);
    if (treno[i].posizione <= 100800) {
      EXPECT_NEAR(progressiva, 100800 - treno[i].posizione, 100);
    }
  }
  EXPECT_EQ(tempi(stazioni.front().orario).partenza, "2.50");
  EXPECT_NE(tempi(stazioni.front().orario).arrivo, "2.50");
  EXPECT_NE(tempi(stazioni.back().orario).partenza, "3.44");
  EXPECT_EQ(coppie, 3);

  const std::vector<std::string> righe = righe_scheda(pacchetto());
  EXPECT_EQ(righe[4].substr(45, treno.front().nome.size()), treno.front().nome);
  EXPECT_EQ(righe[5].substr(45, treno.back().nome.size()), treno.back().nome);
}

TEST(Rallentamenti, RigheFisseECodaDelFile) {
  const Documento d = scrivi(dati_rallentamenti, "Corsanta_7402_rallentamenti.txt");
  ASSERT_EQ(d.righe.size(), 45u);
  EXPECT_EQ(d.contatore, 45);
  EXPECT_EQ(d.byte.find(kSentinella), std::string::npos);

  const std::string regola =
      " |___|____________________________|____________|__________|_________|____________|";
  const struct {
    std::size_t numero;
    std::string testo;
  } fisse[] = {
      {1, ""},
      {2, "                               Modulo M. 3"},
      {3, "                           ORDINE DI RALLENTAMENTO"},
      {4, " " + std::string(80, '_')},
      {5, "  Linea  CORSANTA"},
      {6, "  Si ordina al macchinista del treno 7402 di effettuare i seguenti rallentamenti"},
      {7, "  " + std::string(79, '_')},
      {8, " |   |                            |Inizio dopo |          |         |            |"},
      {9, " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|"},
      {10, " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |"},
      {11, regola},
      {12, " | 1 | SAN FELICIO                |     92     |    40    |   300   |     B      |"},
      {13, " | 2 | VALLE SORBA                |     20     |    30    |   250   |     B      |"},
      {38, regola},
      {39, ""},
      {40, "              Prescrizioni specifiche"},
      {41, " A - Da rispettare con tutto il treno (per i treni viaggiatori)"},
      {42, " B - Interessa anche la stazione di SAN FELICIO , VALLE SORBA"},
      {43, " D - Rallentamneto N. ... e N. ...  sono contigui"},
      {44, " C - Da rispettare dalle ore ....  alle ore ..... di tutti"},
      {45, "     i giorni esclusi i seguenti:........."},
  };
  for (const auto& f : fisse) EXPECT_EQ(d.righe[f.numero - 1], f.testo) << "riga " << f.numero;
  for (std::size_t i = 13; i < 37; ++i) {
    EXPECT_EQ(d.righe[i],
              " |   |                            |            |          |         |            |");
  }
  for (const std::string& riga : d.righe) {
    EXPECT_TRUE(riga.empty() || riga.back() != ' ') << riga;
  }
  const std::string coda = "     i giorni esclusi i seguenti:.........\r\n";
  EXPECT_EQ(d.byte.substr(d.byte.size() - coda.size()), coda);
  for (const unsigned char c : d.byte) EXPECT_LT(c, 0x80);
}

TEST(Rallentamenti, OgniRigaDellaTabellaHaLeBarreAlleSueColonne) {
  const Documento d = scrivi(dati_rallentamenti, "Corsanta_7402_rallentamenti.txt");
  ASSERT_EQ(d.righe.size(), 45u);
  controlla_tabella(d.righe, 7, 37, 82, {1, 5, 34, 47, 58, 68, 81});
}

TEST(Rallentamenti, ComeNelTestoDelTreno) {
  const std::vector<StazioneTreno> stazioni = stazioni_del_treno();
  const std::vector<RallentamentoTreno> treno = rallentamenti_del_treno();
  ASSERT_EQ(treno.size(), 2u);
  ASSERT_FALSE(stazioni.empty());
  const std::vector<std::string> righe = righe_rallentamenti(pacchetto());

  std::string nominate;
  for (std::size_t i = 0; i < treno.size(); ++i) {
    const RallentamentoTreno& r = treno[i];
    SCOPED_TRACE(r.posizione);
    const std::string& riga = righe.at(11 + i);
    EXPECT_EQ(std::stoi(riga.substr(2, 3)), static_cast<int>(i + 1));
    EXPECT_EQ(std::stoi(riga.substr(48, 10)), r.velocita);
    EXPECT_EQ(std::stoi(riga.substr(59, 9)), r.lunghezza);
    // The post is one of the two around the slow-down's start on the first
    // kilometre system, which falls as the position grows.
    const int cippo = std::stoi(riga.substr(35, 12));
    EXPECT_LT(std::abs(cippo * 1000 - (100800 - r.posizione)), 1000) << cippo;

    const auto vicina = std::min_element(
        stazioni.begin(), stazioni.end(), [&](const StazioneTreno& a, const StazioneTreno& b) {
          return std::abs(a.posizione - r.posizione) < std::abs(b.posizione - r.posizione);
        });
    EXPECT_EQ(senza_blank_ai_lati(riga.substr(6, 28)), vicina->nome);
    if (!nominate.empty()) nominate += " , ";
    nominate += vicina->nome;
  }
  EXPECT_EQ(righe.at(41), " B - Interessa anche la stazione di " + nominate);
}

TEST(Note, RigheFisseECodaDelFile) {
  const Documento d = scrivi(dati_note, "Corsanta_7402_note.txt");
  ASSERT_EQ(d.righe.size(), 51u);
  EXPECT_EQ(d.contatore, 51);
  EXPECT_EQ(d.byte.find(kSentinella), std::string::npos);
  EXPECT_NE(d.byte.substr(0, 3), "\xEF\xBB\xBF");

  const struct {
    std::size_t numero;
    std::string testo;
  } fisse[] = {
      {2, ""},
      {3, "Trazione elettrica intera tratta."},
      {5, "Sistemi di esercizio: DIRIGENZA LOCALE con"},
      {13, "Non \xE8 attiva la Ripetizione Segnali"},
      {14, "Tutte le STAZIONI sono munite di doppio segnalamento di protezione e partenza."},
      {30, "Esistono 42 passaggi a livello tutti indicati nella simulazione."},
      {31, "Sono indicate le linee afferenti come diramazioni/confluenze."},
      {32, "I cartelli indicatori di velocit\xE0 massima non sono presenti in realt\xE0."},
      {36, ""},
      {37, ""},
      {38, "Caratteristiche del treno 7402"},
      {39, ""},
      {42, "aderenza non sono buone e la massa elevata del treno crea qualche problema."},
      {43, ""},
      {47, ""},
      {48, ""},
  };
  for (const auto& f : fisse) EXPECT_EQ(d.righe[f.numero - 1], f.testo) << "riga " << f.numero;

  std::set<std::size_t> con_blank_finale;
  for (std::size_t i = 0; i < d.righe.size(); ++i) {
    EXPECT_LE(d.righe[i].size(), 105u) << "riga " << i + 1;
    if (!d.righe[i].empty() && d.righe[i].back() == ' ') con_blank_finale.insert(i + 1);
  }
  EXPECT_EQ(con_blank_finale, (std::set<std::size_t>{4, 17, 28, 33, 41}));

  // Prose lines carry text; the author's remark stands in parentheses.
  for (const std::size_t n : {3u, 4u, 20u, 35u, 40u, 41u, 44u, 45u, 46u, 49u, 50u, 51u}) {
    EXPECT_FALSE(senza_blank_ai_lati(d.righe[n - 1]).empty()) << "riga " << n;
  }
  EXPECT_EQ(d.righe[43].front(), '(');
  EXPECT_EQ(d.righe[45].back(), ')');
  EXPECT_NE(d.righe[50].find('@'), std::string::npos);

  EXPECT_NE(d.byte.find('\xE8'), std::string::npos);
  EXPECT_NE(d.byte.find('\xE0'), std::string::npos);
  EXPECT_EQ(d.byte.find('\xC3'), std::string::npos);  // no UTF-8 left over
  const std::string coda = d.righe[50] + "\r\n";
  EXPECT_EQ(d.byte.substr(d.byte.size() - coda.size()), coda);
}

TEST(Note, LaLineaNominaStazioniDelTreno) {
  const std::vector<StazioneTreno> stazioni = stazioni_del_treno();
  ASSERT_GE(stazioni.size(), 3u);
  const std::string prima = righe_note(pacchetto()).at(0);
  const std::string inizio = "Caratteristiche della linea ";
  ASSERT_TRUE(inizia_con(prima, inizio)) << prima;
  const std::string percorso = prima.substr(inizio.size());
  const auto trattino1 = percorso.find('-');
  const auto trattino2 = percorso.find('-', trattino1 + 1);
  ASSERT_NE(trattino2, std::string::npos) << percorso;
  EXPECT_EQ(percorso.find('-', trattino2 + 1), std::string::npos) << percorso;
  EXPECT_EQ(percorso.substr(0, trattino1), stazioni.front().nome);
  EXPECT_EQ(percorso.substr(trattino2 + 1), stazioni.back().nome);
  const std::string mezzo = percorso.substr(trattino1 + 1, trattino2 - trattino1 - 1);
  EXPECT_TRUE(std::any_of(stazioni.begin() + 1, stazioni.end() - 1, [&](const StazioneTreno& s) {
    return s.nome == mezzo;
  })) << mezzo;
}

TEST(Note, IPassaggiALivelloSonoQuelliDellaLinea) {
  int passaggi = 0;
  for (const std::string& riga : righe_linea(pacchetto())) {
    const std::vector<std::string> c = campi(riga);
    if (c.size() == 3 && c[0] == "cartello_indicatore" && inizia_con(c[2], "(PL")) ++passaggi;
  }
  EXPECT_EQ(righe_note(pacchetto()).at(29), "Esistono " + std::to_string(passaggi) +
                                                " passaggi a livello tutti indicati nella "
                                                "simulazione.");
}

// The line name and the train number are the package's constants, not part
// of the documents' fixed text.
TEST(Documenti, NomeDellaLineaENumeroDelTreno) {
  Pacchetto p;
  p.nome_linea = "Val di Sole";
  p.numero_treno = "123";
  const std::vector<std::string> ordine = righe_rallentamenti(p);
  EXPECT_EQ(ordine.at(4), "  Linea  VAL DI SOLE");
  EXPECT_EQ(ordine.at(5),
            "  Si ordina al macchinista del treno 123 di effettuare i seguenti rallentamenti");
  EXPECT_EQ(righe_note(p).at(37), "Caratteristiche del treno 123");
  EXPECT_EQ(righe_scheda(p).at(4).substr(0, 22), " |   TRENO n.123     |");

  p.numero_treno = "1234567890";  // would push the box's bar out of place
  EXPECT_THROW(righe_scheda(p), Guasto);
}

}  // namespace
}  // namespace progetto1
