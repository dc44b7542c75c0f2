#include "tools/disegno/vista.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "model/costanti.h"
#include "tools/binari/scarico.h"
#include "tools/binari/significato.h"
#include "tools/disegno/simboli.h"
#include "tools/disegno/svg.h"
#include "vista_sorgenti.h"

namespace progetto1::strumento {

namespace {

using Json = nlohmann::ordered_json;

// Tenths of a metre are more than the screen shows, and keep the page small.
double decimi(double v) { return std::round(v * 10) / 10; }

Json elementi(const std::vector<ElementoLinea>& v) {
  Json a = Json::array();
  for (const ElementoLinea& e : v) a.push_back({e.indice_cella, e.posizione, e.descrizione});
  return a;
}

Json tratti(const std::vector<TrattoCostante>& v) {
  Json a = Json::array();
  for (const TrattoCostante& t : v) a.push_back({t.da, t.a, t.valore});
  return a;
}

// The plan sampled along the line, at most about 12000 points: the browser
// draws every one of them at each frame.
Json piano(const Piano& p, long lunghezza) {
  long ultimo = static_cast<long>(p.x.size()) - 1;
  while (ultimo > 0 && punto_vuoto(p, ultimo)) --ultimo;
  const long passo = std::max(10L, (ultimo / 12000 + 9) / 10 * 10);
  Json x = Json::array(), y = Json::array();
  for (long i = 0;; i = std::min(i + passo, ultimo)) {
    if (punto_vuoto(p, i)) {
      x.push_back(nullptr);
      y.push_back(nullptr);
    } else {
      x.push_back(decimi(p.x[static_cast<std::size_t>(i)].valore));
      y.push_back(decimi(p.y[static_cast<std::size_t>(i)].valore));
    }
    if (i >= ultimo) break;
  }
  return {{"passo", passo},
          {"ultimo", ultimo},
          {"fine_linea", std::min(lunghezza, ultimo)},
          {"x", std::move(x)},
          {"y", std::move(y)}};
}

// The cells as `scenario dump --json` writes them, the names once.
void celle(Json& j, const std::vector<cella>& c) {
  FileDecodificato f;
  f.tipo = TipoFile::kCelle;
  f.celle = c;
  Json campi = Json::array();
  Json righe = Json::array();
  for (std::size_t i = 0; i < f.celle.size(); ++i) {
    Json e = json_elemento(f, i);
    if (i == 0) {
      for (const auto& [nome, valore] : e.items()) campi.push_back(nome);
    }
    Json r = Json::array();
    for (auto& [nome, valore] : e.items()) r.push_back(std::move(valore));
    righe.push_back(std::move(r));
  }
  j["campi_cella"] = std::move(campi);
  j["celle"] = std::move(righe);
}

// The chainage range each cell's start lies in, as runs of cells over the
// ranges that any cell lies in.
Json tratte(const DatiMappa& d) {
  Json voci = Json::array();
  Json celle = Json::array();
  std::vector<long> slot_voci;
  long da = 0;
  std::optional<long> corrente;  // index in voci
  const auto chiudi = [&](long fine) {
    if (corrente) celle.push_back({da, fine, *corrente});
  };
  for (long c = 0; c < static_cast<long>(d.celle.size()); ++c) {
    const std::optional<Tratta> t =
        tratta_di(static_cast<std::int32_t>(inizio_cella(c)), d.stazioni);
    std::optional<long> k;
    if (t) {
      const auto i = std::find(slot_voci.begin(), slot_voci.end(), t->slot);
      k = i - slot_voci.begin();
      if (i == slot_voci.end()) {
        slot_voci.push_back(t->slot);
        voci.push_back({{"slot", t->slot},
                        {"inizio", t->inizio},
                        {"progressiva", t->progressiva},
                        {"scritta", chilometri(t->progressiva)}});
      }
    }
    if (c == 0 || k != corrente) {
      chiudi(c - 1);
      da = c;
      corrente = k;
    }
  }
  chiudi(static_cast<long>(d.celle.size()) - 1);
  return {{"voci", std::move(voci)}, {"celle", std::move(celle)}};
}

// The text lines that made the cells, each once, and the runs of cells each
// made, field by field.
Json sorgenti(const EsitoVerifica& e) {
  Json righe = Json::array();
  for (const RigaSorgente& r : e.righe_sorgente) righe.push_back({r.file, r.riga, r.testo});
  Json celle = Json::array();
  for (const Provenienza& p : e.provenienze) celle.push_back({p.prima, p.ultima, p.campo, p.riga});
  return {{"righe", std::move(righe)}, {"celle", std::move(celle)}};
}

Json diagnostiche(const EsitoVerifica& e) {
  Json a = Json::array();
  for (const Diagnostica& d : e.diagnostiche) {
    a.push_back({{"file", d.file},
                 {"riga", d.riga},
                 {"colonna", d.colonna},
                 {"gravita", d.gravita == Gravita::kErrore ? "errore" : "avviso"},
                 {"id", d.id},
                 {"messaggio", d.messaggio},
                 {"omesse", d.omesse},
                 {"cella", d.cella},
                 {"testo_riga", d.testo_riga}});
  }
  return a;
}

// The template's placeholders filled in one pass, so that nothing put in is
// read again as a placeholder (a station may be called anything).
std::string compila_modello(std::string_view modello,
                            const std::vector<std::pair<std::string_view, std::string>>& valori) {
  std::string r;
  std::size_t i = 0;
  while (true) {
    const std::size_t inizio = modello.find("{{", i);
    const std::size_t fine = inizio == std::string_view::npos ? inizio : modello.find("}}", inizio);
    if (fine == std::string_view::npos) break;
    r += modello.substr(i, inizio - i);
    const std::string_view nome = modello.substr(inizio + 2, fine - inizio - 2);
    const auto v =
        std::find_if(valori.begin(), valori.end(), [&](const auto& x) { return x.first == nome; });
    r += v != valori.end() ? v->second : std::string(modello.substr(inizio, fine + 2 - inizio));
    i = fine + 2;
  }
  r += modello.substr(i);
  return r;
}

// The colour of a symbol of the map: its fill, or its stroke where it has none.
std::string colore(const VoceSimbolo& v) {
  for (const char* attributo : {"fill=\"", "stroke=\""}) {
    const std::size_t i = v.stile.find(attributo);
    if (i == std::string::npos) continue;
    const std::size_t da = i + std::char_traits<char>::length(attributo);
    const std::string c = v.stile.substr(da, v.stile.find('"', da) - da);
    if (c != "none" && c != "white") return c;
  }
  return kColoreLinea;
}

// The map's symbols as the page draws them, named as the page names them.
Json simboli_pagina() {
  const std::pair<const char*, Simbolo> nomi[] = {
      {"linea", Simbolo::kLinea},
      {"oltre", Simbolo::kOltreLaFine},
      {"stazione_fermata", Simbolo::kStazioneConFermata},
      {"stazione", Simbolo::kStazioneSenzaFermata},
      {"segnale", Simbolo::kSegnale},
      {"cartello", Simbolo::kCartello},
      {"indicatore", Simbolo::kIndicatore},
      {"rallentamento", Simbolo::kRallentamento},
      {"avviso", Simbolo::kAvviso},
      {"montagna", Simbolo::kMontagna},
      {"codice", Simbolo::kCodice},
      {"velocita", Simbolo::kVelocita},
  };
  const char* const forme[] = {"cerchio", "quadrato", "rombo", "triangolo", "tratto"};
  Json j;
  for (const auto& [nome, s] : nomi) {
    const VoceSimbolo& v = simbolo(s);
    j[nome] = {{"forma", forme[static_cast<int>(v.forma)]},
               {"misura", v.misura},
               {"colore", colore(v)},
               {"legenda", v.legenda}};
  }
  return j;
}

std::string titolo(const DatiMappa& d) {
  return "Linea " + d.nome_linea + " · treno " + d.numero_treno;
}

}  // namespace

Json dati_vista(const DatiMappa& d, const EsitoVerifica* verifica) {
  const ElementiLinea l = raccogli_elementi(d);
  Json j;
  j["titolo"] = titolo(d);
  j["metri_cella"] = kMetriCella;
  j["simboli"] = simboli_pagina();
  j["lunghezza"] = l.lunghezza;
  j["fine_disegno"] = l.fine_disegno;
  // The slots as dump decodes them, for what each station's values mean.
  FileDecodificato tabella;
  tabella.tipo = TipoFile::kStazioni;
  tabella.stazioni = d.stazioni;
  Json st = Json::array();
  for (const StazioneMappa& s : l.stazioni) {
    st.push_back(
        {{"slot", s.slot},
         {"nome", s.nome},
         {"posizione", s.posizione},
         {"categoria", s.categoria},
         {"inizio_zona", s.inizio_zona},
         {"fine_zona", s.fine_zona},
         {"orario", s.orario != 0 ? orario(s.orario) : ""},
         {"valore4", s.orario},
         {"fermata", s.categoria < kCategoriaSenzaFermata},
         {"descrizione", descrizione_stazione(s)},
         {"significato", json_elemento(tabella, static_cast<std::size_t>(s.slot))["significato"]}});
  }
  j["stazioni"] = std::move(st);
  j["segnali"] = elementi(l.segnali);
  j["cartelli"] = elementi(l.cartelli);
  j["indicatori"] = elementi(l.indicatori);
  j["avvisi"] = elementi(l.avvisi);
  j["codici"] = elementi(l.codici);
  j["fermate"] = elementi(l.fermate);
  j["avvicinamenti"] = elementi(l.avvicinamenti);
  Json rall = Json::array();
  for (const RallentamentoLinea& r : l.rallentamenti)
    rall.push_back({r.inizio, r.fine, r.velocita});
  j["rallentamenti"] = std::move(rall);
  Json mont = Json::array();
  for (const auto& [da, a] : l.montagne) mont.push_back({da, a});
  j["montagne"] = std::move(mont);
  j["pendenze"] = tratti(l.pendenze);
  j["limiti"] = tratti(l.limiti);
  Json quote = Json::array();
  for (const auto& [m, q] : l.quote) {
    quote.push_back(m);
    quote.push_back(std::round(q * 100) / 100);
  }
  j["quote"] = std::move(quote);
  j["piano"] = d.piano ? piano(*d.piano, l.lunghezza) : Json();
  celle(j, d.celle);
  j["tratte"] = tratte(d);
  j["diagnostiche"] = verifica != nullptr ? diagnostiche(*verifica) : Json();
  j["sorgenti"] = verifica != nullptr ? sorgenti(*verifica) : Json();
  return j;
}

std::string pagina_vista(const DatiMappa& d, const EsitoVerifica* verifica) {
  std::string dati = dati_vista(d, verifica).dump(-1, ' ', false, Json::error_handler_t::replace);
  // No "<" at all inside the script element, so that no text can end it early.
  for (std::size_t i = 0; (i = dati.find('<', i)) != std::string::npos;) {
    dati.replace(i, 1, "\\u003c");
  }
  // The script's parts in their order, each from a line of its own, so that
  // no comment at the end of one runs into the next.
  std::string codice;
  for (const char* parte : vista::k_js) {
    codice += parte;
    if (!codice.empty() && codice.back() != '\n') codice += '\n';
  }
  return compila_modello(vista::k_html, {{"TITOLO", testo_xml(titolo(d))},
                                         {"STILE", vista::k_css},
                                         {"DATI", dati},
                                         {"CODICE", codice}});
}

}  // namespace progetto1::strumento
