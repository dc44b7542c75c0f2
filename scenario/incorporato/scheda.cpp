#include <vector>

#include "model/guasto.h"
#include "scenario/incorporato/tabelle_documenti.h"
#include "scenario/scrittori/testi.h"

namespace progetto1 {

namespace {

// The points of the run in the order of travel. The chainage falls along the
// first kilometre system as the train leaves CORSANTA; past its zero post the
// line runs on a second system, on which VALMORENA lies. The train's own
// times are departures, VALMORENA's is its arrival; a pair reads arrival -
// departure.
std::vector<RigaScheda> punti_del_percorso() {
  return {
      {.velocita = 30,
       .progressiva = 100769,
       .testo = "CORSANTA",
       .arrivo = Orario{2, 47},
       .partenza = Orario{2, 50}},
      {.velocita = 110, .testo = "Dev. uscita CORSANTA"},
      {.progressiva = 98985, .testo = "CORSANTA SCALO", .partenza = Orario{2, 50}},
      cambio_velocita_km(130, 98663),
      {.velocita = 60, .testo = "Dev. ingresso SAN FELICIO"},
      {.progressiva = 92684,
       .testo = "SAN FELICIO",
       .partenza = Orario{2, 55},
       .recupero_decimi = 10},
      cambio_velocita_km(130, 91688),
      {.progressiva = 88986, .testo = "ROVELLA", .partenza = Orario{2, 57}},
      {.progressiva = 85312, .testo = "CASTELBRUNO", .partenza = Orario{2, 59}},
      cambio_velocita_km(120, 82412),
      {.progressiva = 81694, .testo = "PIANOSELVA", .partenza = Orario{3, 1}, .recupero_decimi = 5},
      cambio_velocita_cippo(130, 81000),
      {.progressiva = 79487, .testo = "LAGORIVO", .partenza = Orario{3, 2}},
      {.progressiva = 77061,
       .testo = "VALDORIA",
       .arrivo = Orario{3, 4},
       .partenza = Orario{3, 5},
       .recupero_decimi = 10},
      {.progressiva = 72978, .testo = "CALVENZIO", .partenza = Orario{3, 7}, .recupero_decimi = 5},
      {.velocita = 130, .progressiva = 69114, .testo = "ORSANICO", .partenza = Orario{3, 9}},
      {.progressiva = 64941,
       .testo = "PIEVE MOLARA",
       .partenza = Orario{3, 11},
       .recupero_decimi = 5},
      {.progressiva = 60288, .testo = "BROSCIANO", .partenza = Orario{3, 13}, .recupero_decimi = 5},
      {.velocita = 130,
       .progressiva = 54019,
       .testo = "CORTEMANNA",
       .partenza = Orario{3, 16},
       .recupero_decimi = 5},
      {.progressiva = 47386,
       .testo = "FIUMARELLA",
       .partenza = Orario{3, 19},
       .recupero_decimi = 5},
      {.velocita = 135,
       .progressiva = 41143,
       .testo = "MONTORSA",
       .partenza = Orario{3, 22},
       .recupero_decimi = 10},
      {.progressiva = 36108,
       .testo = "ROCCAVERDE",
       .partenza = Orario{3, 25},
       .recupero_decimi = 5},
      {.progressiva = 30391, .testo = "SELVANERA", .partenza = Orario{3, 28}, .recupero_decimi = 5},
      {.progressiva = 24517,
       .testo = "CASALPIANO",
       .partenza = Orario{3, 31},
       .recupero_decimi = 5},
      {.progressiva = 18788,
       .testo = "VALLE SORBA",
       .partenza = Orario{3, 34},
       .recupero_decimi = 5},
      {.progressiva = 12486,
       .testo = "SAN MARTELLO",
       .partenza = Orario{3, 37},
       .recupero_decimi = 10},
      {.progressiva = 3611, .testo = "GALLORA", .partenza = Orario{3, 41}},
      cambio_velocita_cippo(80, 0),
      {.progressiva = 90075,
       .testo = "VALMORENA",
       .arrivo = Orario{3, 44},
       .partenza = Orario{3, 47}},
  };
}

constexpr const char* kRegola =
    " |_____|_____|__________|_____|____________________________|________________|_____|";

// Pads `riga` with blanks up to column `colonna` (exclusive); a value that
// already reaches past it would push the box's bar out of place.
void fino_alla_colonna(std::string& riga, std::size_t colonna) {
  if (riga.size() > colonna) throw Guasto::overflow();
  riga.resize(colonna, ' ');
}

// Lines 5 and 6: the train box, origin and destination, speed and braking.
std::string riga_treno(const std::string& numero_treno, const std::string& origine) {
  std::string riga = " |   TRENO n." + numero_treno;
  fino_alla_colonna(riga, 21);
  riga += '|';
  fino_alla_colonna(riga, 41);
  riga += "da: " + origine;
  fino_alla_colonna(riga, 67);
  return riga + "|    V 160 B   |";
}

std::string riga_destinazione(const std::string& destinazione) {
  std::string riga = " |___________________|";
  fino_alla_colonna(riga, 42);
  riga += "a: " + destinazione;
  fino_alla_colonna(riga, 67);
  return riga + "|     125 %    |";
}

}  // namespace

std::vector<std::string> righe_scheda(const Pacchetto& p) {
  const std::vector<RigaScheda> punti = punti_del_percorso();
  std::vector<std::string> righe{
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA                   |              |",
      riga_treno(p.numero_treno, punti.front().testo),
      riga_destinazione(punti.back().testo),
      std::string(67, ' ') + "|______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |        EXP        |              |      700T         |",
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      kRegola,
  };
  for (const RigaScheda& punto : punti) righe.push_back(riga_scheda(punto));
  righe.emplace_back(kRigaVuotaScheda);
  righe.emplace_back(kRigaVuotaScheda);
  righe.emplace_back(kRegola);
  righe.emplace_back("");
  return righe;
}

}  // namespace progetto1
