#include "tools/motore/verifica.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <type_traits>

#include "compiler/aritmetica.h"
#include "compiler/campi.h"
#include "compiler/catalogo/catalogo.h"
#include "compiler/memorizza_dati.h"
#include "compiler/osservatore.h"
#include "model/archivio_memoria.h"
#include "model/avvisi.h"
#include "model/cella.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "model/pacchetto.h"
#include "model/tracciati.h"
#include "output/finitura.h"
#include "tools/aiuto/rimedi.h"
#include "tools/binari/significato.h"
#include "tools/motore/compilazione.h"
#include "tools/motore/diagnosi.h"
#include "tools/motore/somiglianza.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace {

struct VoceAvviso {
  Avviso avviso;
  const char* id;
  std::string descrizione;  // the rule, for the SARIF rule list and for the message
  // An error for what no package code names but nothing can come of.
  Gravita gravita = Gravita::kAvviso;
};

std::string n(long v) { return std::to_string(v); }

// The rule's words begin the message; what the record says follows. Where
// they name a rule of the readers, its number comes from the rule's
// constant.
const std::vector<VoceAvviso>& tabella_avvisi() {
  static const std::vector<VoceAvviso> avvisi = {
      {Avviso::kChiaveSconosciuta, "chiave-sconosciuta",
       "campo che nessuna parola chiave riconosce: il pacchetto lo salta"},
      {Avviso::kChiaveAmbigua, "chiave-ambigua",
       "campo con le parole di più parole chiave: il pacchetto lo legge come ognuna, una dopo "
       "l'altra"},
      {Avviso::kValoreInPiu, "valore-in-piu",
       "campo in più dopo i valori del record: il pacchetto lo prova come parola chiave"},
      {Avviso::kChiaveConTrattino, "chiave-con-trattino",
       "campo con un trattino (-): il pacchetto lo salta senza provarlo come parola chiave"},
      {Avviso::kFuoriSezione, "fuori-sezione",
       "record fuori dalla sua parte del testo (i record generali valgono solo fino alla prima "
       "intestazione dopo \"[generale]\", gli altri solo dopo): il pacchetto lo ignora"},
      {Avviso::kLunghezzaRipetuta, "lunghezza-ripetuta",
       "seconda riga della lunghezza: il pacchetto crea di nuovo il percorso, vuoto"},
      {Avviso::kCurvaPiuCifre, "curva-piu-cifre",
       "la parola chiave della curva contiene più cifre: il pacchetto usa la prima delle cifre "
       "da 1 a " +
           n(kGradoCurvaMassimo) + " in quest'ordine"},
      {Avviso::kFuoriGriglia, "fuori-griglia",
       "posizione non multipla di " + n(kMetriCella) +
           " che l'arrotondamento porta nella cella successiva a quella in cui cade"},
      {Avviso::kFuoriOrdine, "fuori-ordine",
       "record che non viene dopo il precedente dello stesso tipo: il pacchetto non lo colloca "
       "dove è scritto"},
      {Avviso::kOltreLaLinea, "oltre-la-linea", "posizione oltre la lunghezza della linea"},
      {Avviso::kVelocitaFuoriPasso, "velocita-fuori-passo",
       "velocità che non è un multiplo di 5 km/h tra 0 e 495: in una velocità del treno il "
       "pacchetto la divide per 5 e arrotonda; in un cartello indicatore la parte in più passa "
       "nell'altro gruppo"},
      {Avviso::kTestoLungo, "testo-lungo", "testo più lungo di quanto i documenti gli riservano"},
      {Avviso::kCarattereNonCp1252, "carattere-non-cp1252",
       "testo con byte che non sono caratteri Windows-1252, o in UTF-8: il pacchetto scrive "
       "ogni byte così com'è"},
      {Avviso::kRallentamentoSenzaFine, "rallentamento-senza-fine",
       "inizio e fine del rallentamento nella stessa cella: l'inizio sostituisce la fine e i "
       "punti codice proseguono fino alla fine di un altro rallentamento"},
      {Avviso::kOrarioIndietro, "orario-indietro",
       "orario della stazione prima di quello dell'ultima stazione precedente con un orario"},
      {Avviso::kPendenzaTroncata, "pendenza-troncata",
       "pendenza fuori da " + n(-kScostamentoPendenza) + " ... " +
           n(std::numeric_limits<std::uint8_t>::max() - kScostamentoPendenza) +
           ": il pacchetto ne tiene gli 8 bit bassi"},
      {Avviso::kMarcaSostituita, "marca-sostituita",
       "record su una marca di montagna: il pacchetto la sostituisce"},
      {Avviso::kTempoAlzato, "tempo-alzato",
       "tempo del segnale da 1 a " + n(kTempoSegnaleMinimo - 1) + ": il pacchetto lo porta a " +
           n(kTempoSegnaleMinimo)},
      {Avviso::kMontagnaUnita, "montagna-unita",
       "tratto di montagna che inizia al massimo " + n(kDistanzaMontagneUnite) +
           " m dopo la fine del precedente: il pacchetto lo fa di tipo " + n(kTipoMontagnaUnita)},
      {Avviso::kRegistroResiduo, "registro-residuo",
       "con il codice " + testo_codice(CodiceErrore::kOltreIlPercorso) +
           " del testo della linea ancora registrato il pacchetto fermerebbe qui la lettura del "
           "treno"},
      {Avviso::kIntestazioneSconosciuta, "intestazione-sconosciuta",
       "intestazione che non è tra quelle del testo: serve solo a chi legge, ma se contiene le "
       "parole di un record il pacchetto la legge come quel record"},
      {Avviso::kFuoriIntervallo, "fuori-intervallo",
       "valore fuori da quelli che il suo campo ammette: il pacchetto lo prende com'è"},
      {Avviso::kVirgolaDecimale, "virgola-decimale",
       "numero seguito da un campo di una, due o tre cifre dove il record non ne ha altri: forse "
       "una virgola decimale, ma i numeri sono interi e la virgola separa i campi"},
      {Avviso::kStazioneFuoriOrdine, "stazione-fuori-ordine",
       "stazione scritta dopo una stazione che sta più avanti sulla linea: le stazioni vanno in "
       "ordine di posizione"},
      {Avviso::kTestoScambiato, "testo-scambiato",
       "il testo sembra l'altro dei due (quasi tutte le sue parole chiave sono dell'altro testo): "
       "il pacchetto non vi trova quasi nulla",
       Gravita::kErrore},
      {Avviso::kValoreTroncato, "valore-troncato",
       "valore che il suo campo di 16 bit non contiene: il pacchetto ne tiene i 16 bit bassi"},
  };
  return avvisi;
}

const VoceAvviso& voce_avviso(Avviso a) {
  const std::vector<VoceAvviso>& t = tabella_avvisi();
  return *std::find_if(t.begin(), t.end(), [a](const VoceAvviso& v) { return v.avviso == a; });
}

// What the record says, after the rule's words.
std::string dettaglio_avviso(Avviso a, const std::string& d) {
  switch (a) {
    case Avviso::kChiaveAmbigua:
      return d + " parole chiave";
    case Avviso::kCurvaPiuCifre:
      return "grado " + d;
    case Avviso::kFuoriGriglia: {
      const std::int32_t pos = std::stoi(d);
      return d + " m cade nella cella " + std::to_string(pos / kMetriCella + 1) +
             ", il pacchetto la mette nella cella " + std::to_string(cella_di(pos));
    }
    case Avviso::kFuoriOrdine: {
      const std::size_t spazio = d.find(' ');
      if (spazio == std::string::npos) return "il precedente arriva a " + d + " m";
      return "il precedente, alla riga " + d.substr(spazio + 1) + ", è a " + d.substr(0, spazio) +
             " m: vanno in ordine di posizione";
    }
    case Avviso::kOltreLaLinea:
      return "la linea è lunga " + d + " m";
    case Avviso::kVelocitaFuoriPasso:
      return d + " km/h";
    case Avviso::kTestoLungo:
      return "più di " + d + " caratteri";
    case Avviso::kCarattereNonCp1252:
      return d;
    case Avviso::kMontagnaUnita:
      return "tipo " + d;
    case Avviso::kValoreTroncato:
      return d + ", nella cella " + std::to_string(basso16(std::stoi(d)));
    case Avviso::kFuoriIntervallo: {
      std::istringstream in(d);
      int voce = 0;
      int campo = 0;
      long valore = 0;
      in >> voce >> campo >> valore;
      const catalogo::Campo& c = catalogo::record(static_cast<catalogo::Voce>(voce))
                                     .campi[static_cast<std::size_t>(campo) - 1];
      return std::string(c.nome) + " " + std::to_string(valore) + ": il campo vuole da " +
             std::to_string(c.minimo) + " a " + std::to_string(c.massimo);
    }
    case Avviso::kVirgolaDecimale: {
      const std::string intero = d.substr(0, d.find(','));
      return "il campo in più è \"" + d.substr(d.find(',') + 1) + "\": se era \"" + d +
             "\", si legge " + intero +
             " e un campo in più; scrivi ogni numero intero, senza "
             "virgola decimale";
    }
    case Avviso::kStazioneFuoriOrdine: {
      std::vector<std::string> v;
      std::istringstream in(d);
      for (std::string x; std::getline(in, x, '\t');) v.push_back(x);
      if (v.size() != 5) return d;
      return da_cp1252(v[0]) + " (" + v[1] + " m) sta prima di " + da_cp1252(v[2]) + " (riga " +
             v[3] + ", " + v[4] + " m) ma è scritta dopo";
    }
    case Avviso::kOrarioIndietro: {
      const std::int32_t questo = std::stoi(d);
      const std::int32_t prima = std::stoi(d.substr(d.find(' ') + 1));
      return orario(questo) + ", la stazione precedente " + orario(prima);
    }
    case Avviso::kPendenzaTroncata: {
      const std::int32_t g = std::stoi(d);
      const std::uint8_t byte = basso8(somma(g, kScostamentoPendenza));
      return d + " ‰: le celle registrano " + std::to_string(byte) + ", cioè " +
             pendenza_cella(byte);
    }
    default:
      return "";
  }
}

// The nearest keyword of the text being read, by edit distance, ignoring
// case; never the word itself.
std::string suggerimento(const std::string& campo, Luogo::Testo testo) {
  std::vector<std::string> parole;
  for (const catalogo::Record& r : catalogo::records()) {
    const bool linea = r.testo == catalogo::Testo::kLinea;
    if (linea != (testo == Luogo::Testo::kLinea)) continue;
    // Right words in the wrong case: that record, whatever the distance.
    if (r.minuscole && catalogo::riconosce(r.voce, minuscole(campo))) {
      return "\"" + std::string(r.chiave) + "\", in minuscolo";
    }
    parole.emplace_back(r.chiave);
  }
  const std::string vicina = piu_vicina(campo, parole);
  return vicina.empty() ? "" : "\"" + vicina + "\"";
}

// A text with bytes above 127 that all form UTF-8 characters was saved in
// UTF-8, not in the package's Windows-1252.
bool salvato_in_utf8(std::string_view t) {
  bool multibyte = false;
  for (std::size_t i = 0; i < t.size();) {
    const auto b = static_cast<unsigned char>(t[i]);
    const std::size_t n = b < 0x80                 ? 1
                          : b >= 0xC2 && b <= 0xDF ? 2
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xF0 && b <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > t.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return false;
    }
    multibyte = multibyte || n > 1;
    i += n;
  }
  return multibyte;
}

// The column an editor shows for byte column c of a UTF-8 line: its
// characters before it, plus one.
long colonna_utf8(std::string_view riga, long c) {
  long n = 1;
  for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(c) && i < riga.size(); ++i) {
    if ((static_cast<unsigned char>(riga[i]) & 0xC0) != 0x80) ++n;
  }
  return n;
}

const char* const kComeSalvare =
    "salvalo in Windows-1252 con righe CR LF (il manuale, \"Codifica e fine riga\", dice come "
    "in ogni editor): nel Blocco note \"Salva con nome\", codifica ANSI; in Notepad++ Codifica > "
    "Set di caratteri > Europa occidentale > Windows-1252; in VS Code \"Salva con codifica\", "
    "Western (Windows 1252); in Vim :set fileencoding=cp1252 fileformat=dos e poi :w; da riga di "
    "comando iconv -f UTF-8 -t WINDOWS-1252 bozza.txt | sed 's/\\r*$/\\r/' > NOME.txt";

// The first field of each line of a text: how many are keywords of the line
// text's records, and how many of the train text's.
std::pair<int, int> parole_chiave(std::string_view testo) {
  int linea = 0;
  int treno = 0;
  for (std::size_t i = 0; i < testo.size();) {
    std::size_t fine = testo.find_first_of("\r\n", i);
    if (fine == std::string_view::npos) fine = testo.size();
    const std::string_view riga = testo.substr(i, fine - i);
    const std::string_view campo = riga.substr(0, riga.find(','));
    if (campo.find('-') == std::string_view::npos) {
      const std::string m = minuscole(campo);
      const bool e_linea = catalogo::riconoscimenti_generali(campo, m) +
                               catalogo::riconoscimenti_linea(campo, m, true) >
                           0;
      const bool e_treno = catalogo::riconoscimenti_treno(campo, m) > 0;
      linea += e_linea && !e_treno;
      treno += e_treno && !e_linea;
    }
    i = fine + 1;
  }
  return {linea, treno};
}

// A text given as one of the two that holds mostly the other's keywords.
bool scambiato(std::string_view testo, bool dato_come_linea) {
  const auto [linea, treno] = parole_chiave(testo);
  const int proprie = dato_come_linea ? linea : treno;
  const int altrui = dato_come_linea ? treno : linea;
  return altrui >= 3 && altrui > 2 * proprie;
}

struct Evento {
  std::optional<CodiceErrore> codice;
  Avviso avviso{};
  std::int32_t posizione = 0;
  Luogo luogo;
  std::string dettaglio;
  std::optional<GuastoLettura> guasto;  // what a failed read (code 25) met
};

// The record a keyword field stands for in a text, as the readers take it.
const catalogo::Record* record_di(const std::string& chiave, bool linea) {
  return catalogo::record_della_chiave(linea ? catalogo::Testo::kLinea : catalogo::Testo::kTreno,
                                       chiave);
}

std::string tra_virgolette(const std::string& s) { return "\"" + da_cp1252(s) + "\""; }

std::string atteso(const catalogo::Campo& c) {
  switch (c.tipo) {
    case catalogo::Tipo::kByte:
      return "un numero intero da 0 a 255";
    case catalogo::Tipo::kIntero:
      return "un numero intero da -32768 a 32767";
    case catalogo::Tipo::kLong:
      return "un numero intero";
    case catalogo::Tipo::kTesto:
      return "un testo";
  }
  return "";
}

// A failed read told in the words of the catalogue: the record, the field by
// name and number, what was found and what was expected. The place moves to
// the end of the record's line when the line ran out of values and the read
// went on into the next one.
struct SpiegazioneLettura {
  std::string messaggio;
  long riga = 0;
  long colonna = 0;
};
std::optional<SpiegazioneLettura> spiega_lettura(const GuastoLettura& g, bool linea,
                                                 std::string_view riga_record) {
  const catalogo::Record* r = record_di(g.chiave, linea);
  if (g.guasto == Guasto::indice_fuori_intervallo().numero() && r != nullptr &&
      (r->testo == catalogo::Testo::kLinea && !r->generale)) {
    return SpiegazioneLettura{
        "il record " + std::string(r->nome) +
            " viene prima della lunghezza della linea (\"lunghezza percorso\" nella sezione "
            "[generale]), o la lunghezza non è stata letta: il pacchetto non ha ancora le celle "
            "del percorso",
        g.riga_record, g.colonna_record};
  }
  if (r == nullptr || g.campo < 1 || static_cast<std::size_t>(g.campo) > r->campi.size()) {
    return std::nullopt;
  }
  const std::size_t totale = r->campi.size();
  const catalogo::Campo& c = r->campi[static_cast<std::size_t>(g.campo) - 1];
  const std::string nome_campo = "campo " + std::to_string(g.campo) + " di " +
                                 std::to_string(totale) + " (" + std::string(c.nome) + ": " +
                                 std::string(c.descrizione) + ")";
  const bool fine_testo = g.guasto == Guasto::input_oltre_fine().numero();
  if (fine_testo || g.riga_campo > g.riga_record) {
    // The record's line ended before its values did.
    std::string mancano;
    for (std::size_t i = static_cast<std::size_t>(g.campo) - 1; i < totale; ++i) {
      mancano += (mancano.empty() ? "" : ", ") + std::string(r->campi[i].nome);
    }
    const std::size_t quanti = totale - static_cast<std::size_t>(g.campo) + 1;
    std::string m = "il record " + std::string(r->nome) + " ha " + std::to_string(g.campo - 1) +
                    (g.campo - 1 == 1 ? " valore" : " valori") + " su " + std::to_string(totale) +
                    (quanti == 1 ? ": manca " : ": mancano ") + mancano;
    if (g.campo > 1) {
      std::string tutti;
      for (const catalogo::Campo& x : r->campi) {
        tutti += (tutti.empty() ? "" : ", ") + std::string(x.nome);
      }
      m += " (i campi sono, in ordine: " + tutti +
           "; se ne manca uno prima, quelli che lo seguono sono spostati di un posto)";
    }
    m += fine_testo ? " (il testo finisce prima)"
                    : "; il pacchetto ha preso come " + std::string(c.nome) + " il campo " +
                          tra_virgolette(g.trovato) + " della riga " +
                          std::to_string(g.riga_campo) + ", e lì si è fermato";
    return SpiegazioneLettura{m, g.riga_record, static_cast<long>(riga_record.size()) + 1};
  }
  std::string m = "nel record " + std::string(r->nome) + ", " + nome_campo + ": ";
  if (g.guasto == Guasto::overflow().numero()) {
    m += tra_virgolette(g.trovato) + " non sta nel campo, che vuole " + atteso(c);
  } else {
    m += "trovato " + tra_virgolette(g.trovato) + " dove serve " + atteso(c);
    if (g.trovato.find(':') != std::string::npos) {
      m += "; un orario si scrive in tre campi, ore, minuti e secondi, separati da virgole: "
           "7:22 diventa 7, 22, 0 (o 7, 22 se i secondi seguono già)";
    } else if (g.trovato.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") !=
               std::string::npos) {
      m += "; forse manca un valore prima di questo campo";
    }
  }
  return SpiegazioneLettura{m, 0, 0};
}

// A text can repeat one fault a million times: past this many of one rule
// only their number is kept, told in one diagnostic after the others.
constexpr long kMassimoPerRegola = 100;

class Raccolta : public Osservatore {
 public:
  void errore(CodiceErrore codice, std::int32_t posizione, const Luogo& luogo) override {
    std::optional<GuastoLettura> g = std::move(guasto_);
    guasto_.reset();
    if (tieni({codice, {}, posizione, luogo, {}, {}}))
      eventi.push_back({codice, {}, posizione, luogo, {}, std::move(g)});
  }
  void lettura_fallita(const GuastoLettura& g) override { guasto_ = g; }
  void avviso(Avviso a, const Luogo& luogo, const std::string& dettaglio) override {
    if (tieni({std::nullopt, a, 0, luogo, {}, {}}))
      eventi.push_back({std::nullopt, a, 0, luogo, dettaglio, {}});
  }

  struct Omesse {
    Evento primo;  // the first one not kept
    long quante = 0;
  };
  std::map<std::pair<std::int32_t, int>, Omesse> omesse;
  void record(const Luogo& luogo, std::int32_t cella) override { celle[cella] = luogo; }
  void copre(const Luogo& luogo, std::int32_t prima, std::int32_t ultima,
             std::uint8_t cella::*campo) override {
    coperture.push_back({luogo, prima, ultima, campo});
  }

  struct Copertura {
    Luogo luogo;
    std::int32_t prima = 0;
    std::int32_t ultima = 0;
    std::uint8_t cella::*campo = nullptr;
  };

  std::vector<Evento> eventi;
  std::map<std::int32_t, Luogo> celle;  // the last record that took each cell
  std::vector<Copertura> coperture;     // in the order told

 private:
  bool tieni(const Evento& ev) {
    const std::pair<std::int32_t, int> regola{ev.codice ? numero(*ev.codice) : 0,
                                              ev.codice ? -1 : static_cast<int>(ev.avviso)};
    if (++contate[regola] <= kMassimoPerRegola) return true;
    Omesse& o = omesse[regola];
    if (o.quante++ == 0) o.primo = ev;
    return false;
  }
  std::map<std::pair<std::int32_t, int>, long> contate;
  std::optional<GuastoLettura> guasto_;
};

// The record behind a code found on the cells: the signal or the slow-down
// start the pass was working on, or whatever took cell 1.
Luogo luogo_cella(const Raccolta& r, const Pacchetto& p, CodiceErrore c, std::int32_t posizione) {
  std::int32_t cella = posizione / kMetriCella;
  if (c == CodiceErrore::kValoriPacchetto || c == CodiceErrore::kCodiciControllo) cella = 1;
  if (c == CodiceErrore::kRallentamentoSenzaCodice) {
    // The walk along a slow-down: the nearest start at or before the cell.
    for (auto it = r.celle.upper_bound(cella); it != r.celle.begin();) {
      --it;
      if (p.percorso[it->first].genere == kInizioRallentamento) return it->second;
    }
    return {};
  }
  const auto it = r.celle.find(cella);
  return it == r.celle.end() ? Luogo{} : it->second;
}

// The lines that made the cells, field by field: each cell's field goes to
// the last record told for it, and neighbouring cells of one line make one
// run.
void provenienze(const Raccolta& r, long celle, EsitoVerifica& esito,
                 const std::function<std::size_t(const Luogo&)>& riga) {
  const auto strisce = [&](const std::string& campo, const std::vector<std::size_t>& chi) {
    for (long c = 0; c < celle;) {
      const std::size_t k = chi[static_cast<std::size_t>(c)];
      long fine = c;
      while (fine + 1 < celle && chi[static_cast<std::size_t>(fine + 1)] == k) ++fine;
      if (k > 0) esito.provenienze.push_back({c, fine, campo, k - 1});
      c = fine + 1;
    }
  };
  const auto dal_testo = [](const Luogo& l) {
    return l.testo != Luogo::Testo::kNessuno && l.riga > 0;
  };
  // Line index + 1 per cell; 0 where no line wrote the field.
  std::vector<std::size_t> chi(static_cast<std::size_t>(celle));
  for (const auto& [c, l] : r.celle) {
    if (c >= 0 && c < celle && dal_testo(l)) chi[static_cast<std::size_t>(c)] = riga(l) + 1;
  }
  strisce("genere", chi);
  per_ogni_campo(kCampiCella, [&](const auto& campo) {
    if constexpr (std::is_same_v<decltype(campo.membro), std::uint8_t cella::*>) {
      std::fill(chi.begin(), chi.end(), 0);
      bool detto = false;
      for (const Raccolta::Copertura& x : r.coperture) {
        if (x.campo != campo.membro || !dal_testo(x.luogo)) continue;
        const std::size_t k = riga(x.luogo) + 1;
        for (long c = std::max<long>(x.prima, 0); c <= std::min<long>(x.ultima, celle - 1); ++c) {
          chi[static_cast<std::size_t>(c)] = k;
        }
        detto = true;
      }
      if (detto) strisce(campo.nome, chi);
    }
  });
}

class AvvisiVerifica : public Avvisi {
 public:
  // With an observer the finishing stage never calls it.
  [[noreturn]] void errore(CodiceErrore) override { throw std::logic_error("errore"); }
};

}  // namespace

long EsitoVerifica::errori() const {
  long n = 0;
  for (const Diagnostica& d : diagnostiche) {
    if (d.gravita == Gravita::kErrore) n += d.omesse > 0 ? d.omesse : 1;
  }
  return n;
}

long EsitoVerifica::avvisi() const {
  long n = 0;
  for (const Diagnostica& d : diagnostiche) {
    if (d.gravita == Gravita::kAvviso) n += d.omesse > 0 ? d.omesse : 1;
  }
  return n;
}

std::string id_errore(CodiceErrore c) { return "E" + testo_codice(c); }

std::string id_avviso(Avviso a) { return voce_avviso(a).id; }

const std::vector<Regola>& regole() {
  static const std::vector<Regola> r = [] {
    std::vector<Regola> v;
    for (const VoceErrore& e : tabella_errori()) {
      v.push_back({id_errore(e.codice), Gravita::kErrore, e.frase});
    }
    for (const VoceAvviso& a : tabella_avvisi()) {
      v.push_back({a.id, a.gravita, a.descrizione});
    }
    return v;
  }();
  return r;
}

EsitoVerifica verifica(std::string_view testo_linea, std::string_view testo_treno,
                       const std::string& nome_linea, const std::string& numero_treno,
                       const std::string& file_linea, const std::string& file_treno) {
  Pacchetto p;
  ArchivioMemoria archivio;
  carica_testi(p, archivio, std::string(testo_linea), std::string(testo_treno), nome_linea,
               numero_treno);

  // The package's own finishing stage, with the plan, observed.
  Raccolta r;
  AvvisiVerifica avvisi;
  memorizza_percorso(p, 1, archivio, avvisi, nullptr, &r);

  const LettoreCampi campi_linea(std::string{testo_linea});
  const LettoreCampi campi_treno(std::string{testo_treno});
  const std::vector<std::string_view> righe_linea_ = campi_linea.tutte_le_righe();
  const std::vector<std::string_view> righe_treno_ = campi_treno.tutte_le_righe();
  const auto riga_di = [](const std::vector<std::string_view>& righe, long n) {
    return n >= 1 && n <= static_cast<long>(righe.size()) ? righe[n - 1] : std::string_view();
  };
  std::map<std::pair<Luogo::Testo, long>, std::int32_t> prima_cella;
  for (const auto& [c, l] : r.celle) prima_cella.try_emplace({l.testo, l.riga}, c);
  // A text given in the other's place: its warnings, nearly every field,
  // give way to one diagnostic that says so.
  const bool linea_scambiata = scambiato(testo_linea, true);
  const bool treno_scambiato = scambiato(testo_treno, false);
  const bool utf8_linea = salvato_in_utf8(testo_linea);
  const bool utf8_treno = salvato_in_utf8(testo_treno);
  EsitoVerifica esito;
  std::map<std::pair<std::string, Luogo::Testo>, std::string> suggerimenti;
  // Lines of stations written out of order: their code 22 comes of the order.
  std::set<long> stazioni_fuori_ordine;
  for (const Evento& ev : r.eventi) {
    if (!ev.codice && ev.avviso == Avviso::kStazioneFuoriOrdine) {
      stazioni_fuori_ordine.insert(ev.luogo.riga);
    }
  }
  for (const Evento& ev : r.eventi) {
    Luogo luogo = ev.luogo;
    if (ev.codice && luogo.testo == Luogo::Testo::kNessuno) {
      luogo = luogo_cella(r, p, *ev.codice, ev.posizione);
    }
    Diagnostica d;
    Origine origine = Origine::kLinea;
    if (ev.codice) origine = voce_errore(*ev.codice).origine;
    const bool linea = luogo.testo == Luogo::Testo::kLinea ||
                       (luogo.testo == Luogo::Testo::kNessuno &&
                        (origine == Origine::kLinea || origine == Origine::kFinitura));
    if (linea ? linea_scambiata : treno_scambiato) continue;
    d.file = linea ? file_linea : file_treno;
    d.riga = luogo.riga;
    d.colonna = luogo.colonna;
    std::optional<SpiegazioneLettura> lettura;
    if (ev.guasto) {
      lettura = spiega_lettura(
          *ev.guasto, linea, riga_di(linea ? righe_linea_ : righe_treno_, ev.guasto->riga_record));
      if (lettura && lettura->riga > 0) {
        d.riga = lettura->riga;
        d.colonna = lettura->colonna;
      }
    }
    // A bad character is shown where it stands in its field.
    if (!ev.codice && ev.avviso == Avviso::kCarattereNonCp1252) {
      d.colonna += std::stol(ev.dettaglio) - 1;
    }
    const std::string_view riga =
        d.riga > 0 ? riga_di(linea ? righe_linea_ : righe_treno_, d.riga) : std::string_view();
    const bool utf8 = linea ? utf8_linea : utf8_treno;
    // Lines and columns as the author's editor shows them: a text saved in
    // UTF-8 is shown as UTF-8, its columns counting characters.
    if (utf8) {
      d.testo_riga = std::string(riga);
      if (d.colonna > 0) d.colonna = colonna_utf8(riga, d.colonna);
    } else {
      d.testo_riga = da_cp1252(riga);
    }
    if (ev.codice) {
      d.gravita = Gravita::kErrore;
      d.id = id_errore(*ev.codice);
      d.codice = numero(*ev.codice);
      d.messaggio = voce_errore(*ev.codice).frase;
      if (lettura) d.messaggio = "errore di lettura: " + lettura->messaggio;
      const std::string posizione = testo_posizione(numero(*ev.codice), ev.posizione);
      if (!posizione.empty()) {
        d.messaggio += "; " + posizione;
        d.cella = cella_posizione(numero(*ev.codice), ev.posizione);
      }
      // How to mend it, where a failed read has not already said.
      std::string rimedio = aiuto::rimedio(*ev.codice);
      if (*ev.codice == CodiceErrore::kStazioniTroppoVicine &&
          stazioni_fuori_ordine.count(luogo.riga) != 0) {
        rimedio =
            "la stazione è scritta fuori ordine (vedi l'avviso stazione-fuori-ordine): "
            "sposta la sua riga prima di quella della stazione che sta più avanti";
      }
      if (!lettura && !rimedio.empty()) d.messaggio += ". Rimedio: " + rimedio;
    } else {
      const VoceAvviso& v = voce_avviso(ev.avviso);
      d.gravita = Gravita::kAvviso;
      d.id = v.id;
      d.messaggio = v.descrizione;
      std::string dettaglio = dettaglio_avviso(ev.avviso, ev.dettaglio);
      if (ev.avviso == Avviso::kCarattereNonCp1252) {
        dettaglio = utf8 ? "il file è salvato in UTF-8; " + std::string(kComeSalvare)
                         : "un byte che Windows-1252 non definisce";
      }
      if (ev.avviso == Avviso::kChiaveSconosciuta) {
        // A long text may repeat one wrong word many times.
        auto [voce, nuova] = suggerimenti.try_emplace({ev.dettaglio, luogo.testo});
        if (nuova) voce->second = suggerimento(ev.dettaglio, luogo.testo);
        const std::string& s = voce->second;
        dettaglio = "\"" + da_cp1252(ev.dettaglio) + "\"";
        if (!s.empty()) dettaglio += "; forse " + s + "?";
      }
      if (ev.avviso == Avviso::kIntestazioneSconosciuta) {
        const catalogo::Testo t = linea ? catalogo::Testo::kLinea : catalogo::Testo::kTreno;
        std::vector<std::string> intestazioni;
        for (const catalogo::Sezione& x : catalogo::sezioni()) {
          if (x.testo == t) intestazioni.emplace_back(x.intestazione);
        }
        dettaglio = tra_virgolette(ev.dettaglio);
        const std::string vicina = piu_vicina(ev.dettaglio, intestazioni);
        if (!vicina.empty()) dettaglio += "; forse \"" + vicina + "\"?";
        if (const catalogo::Record* rec = record_di(ev.dettaglio, linea)) {
          dettaglio += "; il pacchetto la legge come un record " + std::string(rec->nome);
        }
      }
      if (!dettaglio.empty()) d.messaggio += " (" + dettaglio + ")";
    }
    if (d.cella == 0 && luogo.riga > 0) {
      const auto c = prima_cella.find({luogo.testo, luogo.riga});
      if (c != prima_cella.end()) d.cella = c->second;
    }
    esito.diagnostiche.push_back(std::move(d));
  }
  for (const auto& [regola, o] : r.omesse) {
    const Evento& ev = o.primo;
    Diagnostica d;
    const bool linea = ev.luogo.testo == Luogo::Testo::kLinea ||
                       (ev.luogo.testo == Luogo::Testo::kNessuno &&
                        (!ev.codice || voce_errore(*ev.codice).origine != Origine::kTreno));
    if (linea ? linea_scambiata : treno_scambiato) continue;
    d.file = linea ? file_linea : file_treno;
    d.gravita = ev.codice ? Gravita::kErrore : Gravita::kAvviso;
    d.id = ev.codice ? id_errore(*ev.codice) : voce_avviso(ev.avviso).id;
    d.codice = ev.codice ? std::optional<std::int32_t>(numero(*ev.codice)) : std::nullopt;
    d.omesse = o.quante;
    d.messaggio = "altre " + std::to_string(o.quante) + " diagnostiche " + d.id +
                  " non mostrate (al massimo " + std::to_string(kMassimoPerRegola) +
                  " per regola), la prima alla riga " + std::to_string(ev.luogo.riga);
    esito.diagnostiche.push_back(std::move(d));
  }
  if (linea_scambiata || treno_scambiato) {
    Diagnostica d;
    d.file = linea_scambiata ? file_linea : file_treno;
    d.gravita = voce_avviso(Avviso::kTestoScambiato).gravita;
    d.id = voce_avviso(Avviso::kTestoScambiato).id;
    d.messaggio = voce_avviso(Avviso::kTestoScambiato).descrizione + " (";
    if (linea_scambiata && treno_scambiato) {
      d.messaggio +=
          "il testo dato con --line è un testo del treno e quello dato con --train un "
          "testo della linea: scambia --line e --train)";
    } else if (linea_scambiata) {
      d.messaggio +=
          "il testo dato con --line è un testo del treno: con --line va il testo della "
          "linea, " +
          std::string(catalogo::nome_file(catalogo::Testo::kLinea)) + ")";
    } else {
      d.messaggio +=
          "il testo dato con --train è un testo della linea: con --train va il testo "
          "del treno, " +
          std::string(catalogo::nome_file(catalogo::Testo::kTreno)) + ")";
    }
    esito.diagnostiche.push_back(std::move(d));
  }
  std::map<std::pair<Luogo::Testo, long>, std::size_t> indice_riga;
  const auto riga_sorgente = [&](const Luogo& l) {
    const auto [voce, nuova] =
        indice_riga.try_emplace({l.testo, l.riga}, esito.righe_sorgente.size());
    if (nuova) {
      const bool linea = l.testo == Luogo::Testo::kLinea;
      const std::string_view riga = riga_di(linea ? righe_linea_ : righe_treno_, l.riga);
      esito.righe_sorgente.push_back(
          {linea ? file_linea : file_treno, l.riga,
           (linea ? utf8_linea : utf8_treno) ? std::string(riga) : da_cp1252(riga)});
    }
    return voce->second;
  };
  provenienze(r, p.percorso.ultimo() + 1, esito, riga_sorgente);
  // Line text first, then the train text, each in the order of its lines;
  // what names no line stays after its text's lines.
  const auto chiave = [&](const Diagnostica& d) {
    return std::make_tuple(d.file == file_linea ? 0 : 1,
                           d.riga == 0 ? std::numeric_limits<long>::max() : d.riga, d.colonna);
  };
  std::stable_sort(
      esito.diagnostiche.begin(), esito.diagnostiche.end(),
      [&](const Diagnostica& a, const Diagnostica& b) { return chiave(a) < chiave(b); });
  return esito;
}

std::string testo_verifica(const EsitoVerifica& e, FormaLuogo forma) {
  std::string s;
  for (const Diagnostica& d : e.diagnostiche) {
    s += testo_luogo(d.file, d.riga, d.colonna, forma);
    s += d.gravita == Gravita::kErrore ? " errore: " : " avviso: ";
    s += d.messaggio;
    s += " [";
    s += d.id;
    s += "]\n";
    s += riga_con_segno(d.testo_riga, d.colonna);
  }
  return s;
}

namespace {

using Json = nlohmann::ordered_json;

const char* nome_gravita(Gravita g) { return g == Gravita::kErrore ? "errore" : "avviso"; }

std::string scrivi(const Json& j) {
  return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

Json numero_o_null(long n) { return n > 0 ? Json(n) : Json(); }

// A path as a URI reference: relative stays relative, absolute becomes file://;
// bytes outside the unreserved set are percent-encoded.
std::string uri(const std::string& percorso) {
  return (percorso.starts_with('/') ? "file://" : "") + in_uri(percorso, "-._~/");
}

}  // namespace

std::string json_verifica(const EsitoVerifica& e) {
  Json j;
  j["diagnostics"] = Json::array();
  for (const Diagnostica& d : e.diagnostiche) {
    Json x;
    x["file"] = d.file;
    x["line"] = numero_o_null(d.riga);
    x["column"] = numero_o_null(d.colonna);
    x["severity"] = nome_gravita(d.gravita);
    x["id"] = d.id;
    x["code"] = d.codice ? Json(*d.codice) : Json();
    x["message"] = d.messaggio;
    j["diagnostics"].push_back(std::move(x));
  }
  j["summary"] = {{"errors", e.errori()}, {"warnings", e.avvisi()}};
  return scrivi(j);
}

std::string sarif_verifica(const EsitoVerifica& e) {
  const std::vector<Regola>& tutte = regole();
  Json regole_json = Json::array();
  for (const Regola& r : tutte) {
    regole_json.push_back({{"id", r.id},
                           {"shortDescription", {{"text", r.descrizione}}},
                           {"defaultConfiguration",
                            {{"level", r.gravita == Gravita::kErrore ? "error" : "warning"}}}});
  }
  Json risultati = Json::array();
  for (const Diagnostica& d : e.diagnostiche) {
    const auto indice =
        std::find_if(tutte.begin(), tutte.end(), [&](const Regola& r) { return r.id == d.id; }) -
        tutte.begin();
    Json fisico;
    fisico["artifactLocation"] = {{"uri", uri(d.file)}};
    if (d.riga > 0) {
      Json regione;
      regione["startLine"] = d.riga;
      if (d.colonna > 0) regione["startColumn"] = d.colonna;
      fisico["region"] = regione;
    }
    Json r;
    r["ruleId"] = d.id;
    r["ruleIndex"] = indice;
    r["level"] = d.gravita == Gravita::kErrore ? "error" : "warning";
    r["message"] = {{"text", d.messaggio}};
    r["locations"] = Json::array({{{"physicalLocation", fisico}}});
    risultati.push_back(std::move(r));
  }
  Json j;
  j["$schema"] = "https://json.schemastore.org/sarif-2.1.0.json";
  j["version"] = "2.1.0";
  Json run;
  run["tool"] = {{"driver", {{"name", "scenario"}, {"rules", regole_json}}}};
  run["results"] = risultati;
  j["runs"] = Json::array({run});
  return scrivi(j);
}

}  // namespace progetto1::strumento
