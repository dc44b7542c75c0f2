// The page of the track cells and of the station table, as the package
// writes them into its binary files.
#include <map>

#include "model/cella.h"
#include "model/costanti.h"
#include "model/numeri.h"
#include "model/pacchetto.h"
#include "model/stazione.h"
#include "model/tracciati.h"
#include "tools/aiuto/pagine.h"

namespace progetto1::strumento::aiuto {

namespace {

std::string n(long v) { return std::to_string(v); }
std::string tra_apici(std::string_view s) { return "`" + std::string(s) + "`"; }

// What each field of a cell holds, by its name in the record's declaration.
const std::map<std::string, std::string, std::less<>>& significato_campi() {
  static const std::map<std::string, std::string, std::less<>> m = {
      {"genere", "il genere dell'elemento della cella (tabella sotto); 0 nessuno"},
      {"dato1", "primo valore dell'elemento, secondo il genere"},
      {"dato2", "secondo valore dell'elemento"},
      {"dato3", "terzo valore dell'elemento"},
      {"dato4", "quarto valore dell'elemento"},
      {"tempo", "il tempo di un segnale con sx 2; 0 altrimenti"},
      {"avvicinamento",
       "marca di avvicinamento: nelle celle 2, 4, 6 e 8 prima di un segnale sx × 30 + dx × 10 + "
       "1 ... 4; nelle quattro celle prima di una fermata da " +
           n(kBaseAvvicinamentoStazione + 1) + " a " + n(kBaseAvvicinamentoStazione + 4)},
      {"montagna", "il tipo del tratto di montagna che copre la cella; 0 fuori dai tratti"},
      {"vel_limite",
       "la velocità massima del treno nella cella, in passi di " + n(kPassoVelocita) + " km/h"},
      {"pendenza", "la pendenza della cella in ‰ più " + n(kScostamentoPendenza)},
      {"aderenza", "l'aderenza della cella"},
  };
  return m;
}

// What dato1 to dato4 hold, by kind.
struct Valori {
  Genere genere;
  const char* scritto_da;
  const char* dati[4];
};
constexpr Valori kValori[] = {
    {kNessuno, "—", {"0", "0", "0", "0"}},
    {kSegnale,
     "segnale",
     {"s1 × 10 + d1", "s2 × 10 + d2", "s3 × 10 + d3", "rapp × 10 + sx × 3 + dx"}},
    {kFineRallentamento, "rallentamento", {"v", "d_v se diverso da 0", "f_tt", "0"}},
    {kInizioRallentamento, "rallentamento", {"v", "d_v se diverso da 0", "f_tt", "0"}},
    {kAvvisoRallentamento, "rallentamento", {"v", "d_v se diverso da 0", "0", "0"}},
    {kPreavviso,
     "rallentamento con f_ta",
     {"da 1 a 4", "da 1 a 4 se d_v è diverso da 0", "0", "0"}},
    {kIndicatoreVmax,
     "indicatori_vmax",
     {"vas × 20 + vad / 5", "vbs × 20 + vbd / 5", "vcs × 20 + vcd / 5",
      "strisces × 10 + strisced"}},
    {kFermata, "stazione (categoria sotto 25)", {"lo slot della stazione", "0", "0", "0"}},
    {kMarcaMontagna, "montagna con tipo oltre 10", {"0", "0", "0", "0"}},
    {kPuntoCodice,
     "il pacchetto davanti ai segnali e lungo i rallentamenti; abbattimento con valore oltre 0",
     {"il valore del codice", "0", "0", "0"}},
    {kAbbattimento, "abbattimento con valore 0 o meno", {"0", "0", "0", "0"}},
    {kCartello, "cartello_indicatore", {"lo slot che tiene la scritta", "0", "0", "0"}},
};

std::string tipo_campo(std::size_t byte) {
  return byte == 1 ? "Byte (8 bit senza segno)" : "Integer (16 bit con segno)";
}

}  // namespace

void pagina_percorso(Pagina& p, int livello) {
  p.titolo(livello, "Il percorso: celle e tabella delle stazioni");
  p.paragrafo(
      "Il pacchetto taglia la linea in celle di " + n(kMetriCella) + " m, dall'origine fino a " +
      n(kEstensioneLinea) +
      " m oltre la lunghezza del percorso, e le scrive nel file delle celle (" +
      tra_apici("NOME_NUMERO" + std::string(kSuffissoCelle)) +
      "), una dopo l'altra dalla cella 0. La cella di una posizione p è p / " + n(kMetriCella) +
      " + 1, arrotondata al numero intero più vicino e, a metà strada, a quello pari. Per questo "
      "una posizione fuori dalla griglia di " +
      n(kMetriCella) + " m può finire nella cella successiva (avviso `fuori-griglia`).");
  std::vector<std::vector<std::string>> esempi;
  std::vector<std::string> righe_esempi;
  for (const std::int32_t pos : {0, 25, 50, 75, 125, 30400}) {
    const std::string cella = n(cella_di(pos));
    esempi.push_back({n(pos), cella});
    righe_esempi.push_back("posizione " + n(pos) + " m: cella " + cella);
  }
  p.tabella({"Posizione (m)", "Cella"}, esempi, righe_esempi);

  p.titolo(livello + 1, "La cella: " + n(static_cast<long>(kByteCella)) + " byte");
  std::vector<std::vector<std::string>> campi;
  std::vector<std::string> righe_campi;
  per_ogni_campo(kCampiCella, [&](const auto& c) {
    const auto s = significato_campi().find(c.nome);
    const std::string significato = s == significato_campi().end() ? "" : s->second;
    campi.push_back({tra_apici(c.nome), tipo_campo(c.kByte), significato});
    righe_campi.push_back(std::string(c.nome) + " (" + tipo_campo(c.kByte) + "): " + significato);
  });
  p.tabella({"Campo", "Tipo", "Contenuto"}, campi, righe_campi);

  p.titolo(livello + 1, "Generi delle celle");
  p.paragrafo("Una cella tiene un solo elemento. È libera con genere " + n(kNessuno) + " o " +
              n(kMarcaMontagna) +
              ": un record che cade su una cella occupata da altro dà un codice d'errore.");
  std::vector<std::vector<std::string>> generi;
  std::vector<std::string> righe_generi;
  for (const Valori& v : kValori) {
    const std::string nome = nome_genere(v.genere);
    generi.push_back(
        {n(v.genere), tra_apici(nome), v.scritto_da, v.dati[0], v.dati[1], v.dati[2], v.dati[3]});
    righe_generi.push_back(n(v.genere) + " " + nome + " (da: " + v.scritto_da + "): dato1 " +
                           v.dati[0] + "; dato2 " + v.dati[1] + "; dato3 " + v.dati[2] +
                           "; dato4 " + v.dati[3]);
  }
  p.tabella({"Genere", "Nome", "Da", "dato1", "dato2", "dato3", "dato4"}, generi, righe_generi);

  p.titolo(livello + 1, "La tabella delle stazioni");
  p.paragrafo("Il file delle stazioni (" +
              tra_apici("NOME_NUMERO" + std::string(kSuffissoStazioni)) + ") ha " + n(kNumeroSlot) +
              " slot, da 0 a " + n(kNumeroSlot - 1) + ", ognuno di " +
              n(static_cast<long>(kByteStazioneSenzaTesto)) +
              " byte più la sua scritta. Che cosa tiene uno slot dipende dal suo numero:");
  const std::vector<std::pair<std::string, std::string>> slot = {
      {"0", "niente"},
      {"da 1 in su", "le stazioni del testo del treno, nell'ordine del testo"},
      {"da " + n(kPrimoSlotCartelli) + " in giù",
       "le scritte dei cartelli del testo della linea (solo `testo`); stazioni e cartelli insieme "
       "al massimo " +
           n(kPrimoSlotCartelli - 2)},
      {n(kSlotProgressive) + "-" + n(kSlotGenerali - 1),
       "le tre progressive chilometriche, la più avanti nel " + n(kSlotProgressive) +
           ": `valore1` inizio, `valore2` progressiva, `valore3` contrassegno"},
      {n(kSlotGenerali),
       "`valore1` percentuale di massa frenata, `valore2` lunghezza del percorso, `valore3` "
       "numero delle vetture"},
      {n(kSlotLinea),
       "`valore1` sfondo uno, `valore2` sfondo tre, `valore3` sfondo due, `testo` il nome della "
       "linea, `intero1` e `valore4` i valori del pacchetto"},
      {n(kSlotTreno),
       "`valore1` e `valore2` la ripetizione segnali, `valore3` il numero dei suoi codici, "
       "`testo` il numero del treno, `intero1` la sabbia, `intero3`-`intero5` l'orologio"},
  };
  std::vector<std::vector<std::string>> celle;
  std::vector<std::string> righe;
  for (const auto& [numero, contenuto] : slot) {
    celle.push_back({numero, contenuto});
    righe.push_back("slot " + numero + ": " + contenuto);
  }
  p.tabella({"Slot", "Contenuto"}, celle, righe);
}

}  // namespace progetto1::strumento::aiuto
