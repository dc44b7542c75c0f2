// The composition of both texts from the parts, and the entry: the texts
// compiled in memory and compared with the files until they agree.
#include "tools/decompilazione/decompilazione.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "model/pacchetto.h"
#include "output/passata_codici.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "tools/binari/decodifica.h"
#include "tools/decompilazione/lavoro.h"
#include "tools/motore/compilazione.h"
#include "tools/motore/diagnosi.h"

namespace progetto1::strumento {

namespace decompilazione {

std::string testo_campo(const std::string& cp1252, const std::string& dove) {
  const std::string utf8 = da_cp1252(cp1252);
  auto rifiuta = [&](const std::string& perche) {
    throw Rifiuto{dove + ": il testo \"" + utf8 + "\" " + perche};
  };
  if (cp1252.find_first_of(",\r\n") != std::string::npos) {
    rifiuta("contiene una virgola o un a capo, che il lettore non restituisce");
  }
  if (!cp1252.empty()) {
    const char primo = cp1252.front();
    const char ultimo = cp1252.back();
    if (primo == ' ' || primo == '\t' || ultimo == ' ' || ultimo == '\t') {
      rifiuta("comincia o finisce con uno spazio, che il lettore toglie");
    }
    if (primo == '"') rifiuta("comincia con le virgolette, che il lettore toglie");
  }
  if (a_cp1252(utf8) != cp1252) rifiuta("contiene un byte che i testi del pacchetto non scrivono");
  return utf8;
}

namespace {

struct Testi {
  Righe linea;
  std::string ferma_treno;  // the record that stops the train text, if one must
  Righe treno_prima;        // up to the code points
  std::vector<long> candidati_abbattimento;
};

Righe righe_treno(const Testi& t, const Lavoro& w, const std::set<long>& abbattimenti) {
  Righe r = t.treno_prima;
  r.push_back("[codici]");
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kAbbattimento) {
      r.push_back(riga("abbattimento", {static_cast<long long>(c) * kMetriCella, 0}));
    } else if (x.genere == kPuntoCodice && abbattimenti.count(c)) {
      r.push_back(riga("abbattimento", {static_cast<long long>(c) * kMetriCella, x.dato1}));
    }
  }
  if (!t.ferma_treno.empty()) r.push_back(t.ferma_treno);
  r.push_back("[fine]");
  return r;
}

Testi componi(Lavoro& w, const std::optional<Piano>& piano) {
  Testi t;
  const long lunghezza = w.slot[kSlotGenerali].valore2;
  const long estesa = lunghezza + kEstensioneLinea;
  Righe& l = t.linea;
  l = generale_linea(w);
  l.push_back("[curve]");
  bool fermata = false;
  if (piano) {
    const Righe c = curve(w, *piano, estesa, fermata);
    l.insert(l.end(), c.begin(), c.end());
  }
  l.push_back("[pendenze]");
  const Righe pendenze = serie(
      w, "pendenza", &cella::pendenza, "la pendenza",
      [](std::uint8_t v) { return static_cast<long long>(v) - kScostamentoPendenza; }, fermata);
  l.insert(l.end(), pendenze.begin(), pendenze.end());
  l.push_back("[montagne]");
  const Righe m = montagne(w);
  l.insert(l.end(), m.begin(), m.end());
  l.push_back("[cartelli]");
  const Righe ind = indicatori(w);
  l.insert(l.end(), ind.begin(), ind.end());
  l.push_back("[indicazioni]");
  long ultimo_cartello = kPrimoSlotCartelli + 1;
  const Righe car = cartelli(w, ultimo_cartello);
  l.insert(l.end(), car.begin(), car.end());
  if (fermata) {
    // A curve without a grade stops the reader where the plan ends; the
    // train text is then not read.
    l.push_back("curva,  0,  0");
  }
  l.push_back("[fine]");

  const stazione& generali = w.slot[kSlotGenerali];
  const stazione& treno = w.slot[kSlotTreno];
  Righe& r = t.treno_prima;
  r = {"[generale]",
       riga("numero vetture", {generali.valore3}),
       riga("percentuale massa frenata", {generali.valore1}),
       riga("sabbia", {treno.intero1}),
       riga("orologio", {treno.intero3, treno.intero4, treno.intero5}),
       "[aderenze]"};
  const std::size_t dopo_aderenze = r.size();

  // Stations fill the slots from 1 up to the last one in use below the signs.
  long stazioni = 0;
  for (long s = ultimo_cartello - 1; s >= 1; --s) {
    if (!(w.slot[static_cast<std::size_t>(s)] == stazione{})) {
      stazioni = s;
      break;
    }
  }
  // A last station that holds only its position (and category) is one whose
  // reading stopped: a record that stops at the same check ends the text.
  std::string ferma_treno;
  bool senza_riempimento = false;
  if (stazioni > 0) {
    const stazione& s = w.slot[static_cast<std::size_t>(stazioni)];
    stazione parziale;
    parziale.valore3 = s.valore3;
    parziale.codice = s.codice;
    if (s.valore3 != 0 && s == parziale) {
      const bool oltre = in_celle(s.valore3 + kMargineStazione) > w.ultima;
      if (s.codice == 0 && (oltre || s.valore3 % kMetriCella != 0)) {
        ferma_treno = riga("stazione", {s.valore3});
      } else if (!oltre && s.valore3 % kMetriCella == 0) {
        ferma_treno = riga("stazione", {s.valore3, s.codice, 1});
      }
      if (!ferma_treno.empty()) {
        senza_riempimento = !oltre;
        w.nota(Nota::Luogo::kSlot, stazioni,
               "una stazione letta solo in parte: il testo del treno finisce con un record che "
               "ferma la lettura allo stesso controllo");
        --stazioni;
      }
    }
  }
  std::vector<Evento> eventi;
  std::set<long> fermate;
  std::map<long, std::size_t> stazione_della_fermata;
  for (long n = 1; n <= stazioni; ++n) {
    Evento e{Evento::Tipo::kStazione, 0, {}, {}, -1};
    long cella_fermata = -1;
    e.riga = stazione_riga(w, n, e.segni, cella_fermata);
    e.chiave = w.slot[static_cast<std::size_t>(n)].valore3 / kMetriCella;
    if (cella_fermata >= 0) {
      fermate.insert(cella_fermata);
      stazione_della_fermata[cella_fermata] = eventi.size();
    }
    eventi.push_back(std::move(e));
  }
  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kFermata && !fermate.count(c)) {
      throw Rifiuto{cella_n(c) + ": un segno di fermata che nessuna stazione della tabella dà"};
    }
    if (x.genere != kSegnale) continue;
    Evento e{Evento::Tipo::kSegnale, c, {}, {}, -1};
    e.riga = segnale_riga(w, c, x, e.segni);
    eventi.push_back(std::move(e));
  }
  {
    const std::set<long> presi = segnali_coperti(w, eventi, stazione_della_fermata);
    Righe coperti;
    coperti_dai_valori(w, eventi, presi, stazione_della_fermata, coperti);
    const auto indicazioni = std::find(l.begin(), l.end(), "[indicazioni]");
    l.insert(indicazioni, coperti.begin(), coperti.end());
  }
  for (long c : fermate) {
    if (c >= 0 && c <= w.ultima && w.celle[static_cast<std::size_t>(c)].genere == kFermata) {
      w.nota(Nota::Luogo::kCella, c,
             "segno di fermata: copre quello che c'era nella cella, che non si può ridire");
    }
  }
  {
    Righe serie_treno = serie(
        w, "aderenza", &cella::aderenza, "l'aderenza",
        [](std::uint8_t v) { return static_cast<long long>(v); }, senza_riempimento);
    serie_treno.push_back("[vel_limite]");
    const Righe vel = serie(
        w, "velocita", &cella::vel_limite, "la velocità",
        [](std::uint8_t v) { return static_cast<long long>(v) * kPassoVelocita; },
        senza_riempimento);
    serie_treno.insert(serie_treno.end(), vel.begin(), vel.end());
    r.insert(r.begin() + static_cast<std::ptrdiff_t>(dopo_aderenze), serie_treno.begin(),
             serie_treno.end());
  }
  t.ferma_treno = ferma_treno;
  const std::vector<const Evento*> ordine = ordina_eventi(w, eventi);
  // Signals that must stand among the stations stay under their heading;
  // the rest go under their own, after the slow-downs, as the package's
  // writer puts them.
  std::size_t fine_stazioni = 0;
  for (std::size_t i = 0; i < ordine.size(); ++i) {
    if (ordine[i]->tipo == Evento::Tipo::kStazione) fine_stazioni = i + 1;
  }
  r.push_back("[stazioni]");
  for (std::size_t i = 0; i < fine_stazioni; ++i) r.push_back(ordine[i]->riga);
  r.push_back("[rallentamenti]");
  const Righe ral = rallentamenti(w);
  r.insert(r.end(), ral.begin(), ral.end());
  r.push_back("[segnali]");
  for (std::size_t i = fine_stazioni; i < ordine.size(); ++i) r.push_back(ordine[i]->riga);

  for (long c = 0; c <= w.ultima; ++c) {
    const cella& x = w.celle[static_cast<std::size_t>(c)];
    if (x.genere == kPuntoCodice || x.genere == kAbbattimento) {
      w.entro(static_cast<long long>(c) * kMetriCella, kMargineRecord, cella_n(c));
    }
    if (x.genere == kPuntoCodice) t.candidati_abbattimento.push_back(c);
  }
  return t;
}

}  // namespace

}  // namespace decompilazione

const char* nome_luogo(Nota::Luogo luogo) {
  switch (luogo) {
    case Nota::Luogo::kNessuno:
      return "";
    case Nota::Luogo::kCella:
      return "cella";
    case Nota::Luogo::kSlot:
      return "slot";
    case Nota::Luogo::kPunto:
      return "punto";
  }
  return "";
}

EsitoDecompilazione decompila(FileBinari file, const std::string& nome_linea,
                              const std::string& numero_treno) {
  return decompila(decodifica_scenario(std::move(file)), nome_linea, numero_treno);
}

EsitoDecompilazione decompila(const ScenarioCompilato& scenario, const std::string& nome_linea,
                              const std::string& numero_treno) {
  using namespace decompilazione;
  const FileBinari& file = scenario.byte;
  const std::optional<Piano>& piano = scenario.piano;
  const std::vector<stazione>& slot = scenario.stazioni;
  const std::vector<cella>& celle_file = scenario.celle;

  EsitoDecompilazione esito;
  const long lunghezza = slot[kSlotGenerali].valore2;
  const long attese = a_long(in_celle(static_cast<std::int32_t>(lunghezza + kEstensioneLinea))) + 1;
  if (static_cast<long>(celle_file.size()) != attese || celle_file.size() < 3) {
    esito.differenze.push_back("celle: " + numero(static_cast<long long>(celle_file.size())) +
                               " celle, ma la lunghezza della linea nello " +
                               slot_n(kSlotGenerali) + " (" + numero(lunghezza) + " m) ne dà " +
                               numero(attese));
    return esito;
  }
  std::vector<cella> celle = celle_file;
  celle[1].dato1 = 0;  // the package's own values, not a feature's
  celle[1].dato2 = 0;
  Lavoro w(std::move(celle), slot);

  Testi testi;
  try {
    testi = componi(w, piano);
  } catch (const Rifiuto& r) {
    esito.differenze.push_back(r.motivo);
    return esito;
  }
  esito.note = w.note;
  esito.note.push_back(Nota{Nota::Luogo::kNessuno, 0,
                            "ogni elemento è scritto all'inizio della sua cella, e valori uguali "
                            "di celle vicine (pendenze, velocità, aderenze, curve, tratti di "
                            "montagna) come un solo record"});

  Pacchetto nomi;
  nomi.nome_linea = nome_linea;
  nomi.numero_treno = numero_treno;
  const std::vector<FileUscita> attesi = {
      {nome_file_linea(nomi), file.piano.value_or("")},
      {nome_file_stazioni(nomi), file.stazioni},
      {nome_file_celle(nomi), file.celle},
  };

  // Code points are the pass's own unless the pass leaves them out: those
  // are written as abbattimento records, which in turn move the pass's
  // codes, so the set grows until the cells agree.
  std::set<long> abbattimenti;
  for (long c : testi.candidati_abbattimento) {
    if (w.celle[static_cast<std::size_t>(c)].dato1 != kValoreCodice) abbattimenti.insert(c);
  }
  std::int32_t contatore = 0;
  std::string testo_linea;
  try {
    testo_linea = componi_testo(testi.linea, contatore);
  } catch (const Guasto&) {
    esito.differenze.push_back(
        "il testo della linea avrebbe più righe di quante ne scrive il pacchetto");
    esito.note.clear();
    return esito;
  }
  for (int tentativo = 0; tentativo < 8; ++tentativo) {
    std::string testo_treno;
    try {
      testo_treno = componi_testo(righe_treno(testi, w, abbattimenti), contatore);
    } catch (const Guasto&) {
      esito.differenze = {"il testo del treno avrebbe più righe di quante ne scrive il pacchetto"};
      break;
    }
    const EsitoCompilazione c =
        compila(testo_linea, testo_treno, nome_linea, numero_treno, piano.has_value());
    std::vector<std::string> d;
    std::vector<cella> celle_ottenute;
    if (c.fatale != Fatale::kNessuno) {
      d.push_back(std::string("la compilazione dei testi non scrive file (") +
                  nome_fatale(c.fatale) + ")");
    } else {
      for (const FileUscita& f : attesi) {
        if (f.first == nome_file_linea(nomi) && !piano) continue;
        const auto trovato = std::find_if(c.file.begin(), c.file.end(),
                                          [&](const FileUscita& o) { return o.first == f.first; });
        if (trovato == c.file.end()) {
          d.push_back(da_cp1252(f.first) + ": non scritto dalla compilazione dei testi");
          continue;
        }
        if (f.first == nome_file_celle(nomi)) celle_ottenute = decodifica_celle(trovato->second);
        if (trovato->second == f.second) continue;
        if (f.first == nome_file_linea(nomi)) {
          differenze_piano(*piano, decodifica_piano(trovato->second), d);
        } else if (f.first == nome_file_stazioni(nomi)) {
          differenze_stazioni(slot, decodifica_stazioni(trovato->second), d);
        } else {
          differenze_celle(celle_file, celle_ottenute, d);
        }
      }
    }
    if (d.empty()) {
      esito.riuscita = true;
      esito.testo_linea = testo_linea;
      esito.testo_treno = testo_treno;
      esito.codice_errore = c.codice_errore;
      esito.differenze.clear();
      return esito;
    }
    esito.differenze = d;
    bool cresciuto = false;
    for (long k : testi.candidati_abbattimento) {
      if (abbattimenti.count(k) || static_cast<std::size_t>(k) >= celle_ottenute.size()) continue;
      const cella& o = celle_ottenute[static_cast<std::size_t>(k)];
      if (o.genere != kPuntoCodice || o.dato1 != celle_file[static_cast<std::size_t>(k)].dato1) {
        abbattimenti.insert(k);
        cresciuto = true;
      }
    }
    if (!cresciuto) break;
  }
  esito.note.clear();
  return esito;
}

}  // namespace progetto1::strumento
