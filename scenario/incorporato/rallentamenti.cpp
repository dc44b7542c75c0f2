#include <array>

#include "scenario/incorporato/tabelle_documenti.h"
#include "scenario/scrittori/testi.h"

namespace progetto1 {

namespace {

// The temporary slow-downs of the run, as the train text places them: at
// 8350 m inside SAN FELICIO, at 81500 m just before VALLE SORBA. The posts
// are those of the line's first kilometre system, falling towards VALMORENA.
const std::array<RigaRallentamento, 2> kRallentamenti{{
    {.numero = 1,
     .stazione = "SAN FELICIO",
     .cippo = 92,
     .velocita = 40,
     .lunghezza = 300,
     .prescrizione = 'B'},
    {.numero = 2,
     .stazione = "VALLE SORBA",
     .cippo = 20,
     .velocita = 30,
     .lunghezza = 250,
     .prescrizione = 'B'},
}};

// Closes both the header of the table and the table itself.
constexpr const char* kRegola =
    " |___|____________________________|____________|__________|_________|____________|";

// The table always keeps 26 rows between its header and its closing rule.
constexpr std::size_t kRigheTabella = 26;
static_assert(std::tuple_size_v<decltype(kRallentamenti)> <= kRigheTabella);

std::string maiuscole(const std::string& testo) {
  std::string risultato = testo;
  for (char& c : risultato) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return risultato;
}

}  // namespace

std::vector<std::string> righe_rallentamenti(const Pacchetto& p) {
  std::vector<std::string> righe{
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " ________________________________________________________________________________",
      "  Linea  " + maiuscole(p.nome_linea),
      "  Si ordina al macchinista del treno " + p.numero_treno +
          " di effettuare i seguenti rallentamenti",
      "  _______________________________________________________________________________",
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
      kRegola,
  };
  for (const RigaRallentamento& r : kRallentamenti) righe.push_back(riga_rallentamento(r));
  for (std::size_t i = kRallentamenti.size(); i < kRigheTabella; ++i) {
    righe.emplace_back(kRigaVuotaRallentamenti);
  }

  std::string stazioni_b;
  for (const RigaRallentamento& r : kRallentamenti) {
    if (r.prescrizione != 'B') continue;
    if (!stazioni_b.empty()) stazioni_b += " , ";
    stazioni_b += r.stazione;
  }
  const std::string piede[] = {
      kRegola,
      "",
      "              Prescrizioni specifiche",
      " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
      " B - Interessa anche la stazione di " + stazioni_b,
      " D - Rallentamneto N. ... e N. ...  sono contigui",
      " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
      "     i giorni esclusi i seguenti:.........",
  };
  righe.insert(righe.end(), std::begin(piede), std::end(piede));
  return righe;
}

}  // namespace progetto1
