#include "tools/mappa.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/numeri.h"

namespace progetto1::strumento {

namespace {

constexpr double kLarghezza = 1400;
constexpr double kSinistra = 80;  // left edge of every plot
constexpr double kDestraProfilo = 1330;
constexpr double kDestraPiano = 1080;  // the legend stands to the right of the plan
constexpr double kAltezzaMaxPiano = 720;

const char* const kColoreLinea = "#1f3a5f";
const char* const kColoreSegnale = "#d62728";
const char* const kColoreCartello = "#1f77b4";
const char* const kColoreIndicatore = "#2ca02c";
const char* const kColoreRallentamento = "#ff7f0e";
const char* const kColoreMontagna = "#8c564b";
const char* const kColoreCodice = "#9467bd";
const char* const kColoreStazione = "#222222";
const char* const kColoreGriglia = "#e3e3e3";
const char* const kColoreAssi = "#555555";

std::string n1(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.1f", v);
  return b;
}

// Kilometres with a decimal comma, as Italian readers expect.
std::string km(double metri, int decimali) {
  char b[32];
  std::snprintf(b, sizeof b, "%.*f", decimali, metri / 1000.0);
  std::string s = b;
  std::replace(s.begin(), s.end(), '.', ',');
  // No "-0" for a value that rounds to zero.
  if (s.find_first_not_of("-0,") == std::string::npos && s[0] == '-') s.erase(0, 1);
  return s;
}

std::string orario(long secondi) {
  char b[48];
  std::snprintf(b, sizeof b, "%ld:%02ld", secondi / 3600, secondi / 60 % 60);
  return b;
}

// A step for axis labels: 1, 2 or 5 times a power of ten, giving at most
// `massimo` intervals over `intervallo`.
double passo_tondo(double intervallo, int massimo) {
  if (intervallo <= 0) return 1;
  double base = std::pow(10.0, std::floor(std::log10(intervallo / massimo)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    if (intervallo / (base * f) <= massimo) return base * f;
  }
  return base * 10;
}

int decimali_per(double passo_metri) { return passo_metri >= 1000 ? 0 : 1; }

struct Rallentamento {
  long inizio = 0;
  long fine = 0;
  int velocita = 0;
};

struct Elemento {
  long posizione = 0;
  std::string descrizione;
};

// Everything the cells say, gathered once.
struct Lettura {
  std::vector<StazioneMappa> stazioni;
  std::vector<Elemento> segnali;
  std::vector<Elemento> cartelli;
  std::vector<Elemento> indicatori;
  std::vector<Elemento> avvisi;
  std::vector<Elemento> codici;
  std::vector<Rallentamento> rallentamenti;
  std::vector<std::pair<long, long>> montagne;  // [inizio, fine) in metres
  long lunghezza = 0;                           // declared line length
  long fine_disegno = 0;                        // right end of the profile
};

std::string testo_slot(const std::vector<stazione>& slot, long i) {
  if (i < 0 || i >= static_cast<long>(slot.size())) return "";
  return da_cp1252(slot[static_cast<std::size_t>(i)].testo);
}

Lettura leggi(const DatiMappa& d) {
  Lettura l;
  l.stazioni = stazioni_della_linea(d.stazioni, d.celle);
  const long ultima = static_cast<long>(d.celle.size()) - 1;
  long piu_lontano = 0;
  long inizio_rall = -1;
  int vel_rall = 0;
  long inizio_montagna = -1;
  for (long c = 1; c <= ultima; ++c) {
    const cella& x = d.celle[static_cast<std::size_t>(c)];
    const long p = inizio_cella(c);
    if (x.genere != kNessuno && x.genere != kMarcaMontagna) piu_lontano = std::max(piu_lontano, p);
    switch (x.genere) {
      case kSegnale:
        l.segnali.push_back({p, "segnale a " + km(static_cast<double>(p), 2) + " km"});
        break;
      case kCartello:
        l.cartelli.push_back(
            {p, testo_slot(d.stazioni, x.dato1) + " (" + km(static_cast<double>(p), 2) + " km)"});
        break;
      case kIndicatoreVmax:
        l.indicatori.push_back({p, "indicatore di velocità " +
                                       std::to_string(x.dato1 / kFattoreIndicatore) + "/" +
                                       std::to_string(x.dato2 / kFattoreIndicatore) + "/" +
                                       std::to_string(x.dato3 / kFattoreIndicatore) + " km/h a " +
                                       km(static_cast<double>(p), 2) + " km"});
        break;
      case kAvvisoRallentamento:
        l.avvisi.push_back({p, "avviso di rallentamento " + std::to_string(x.dato1) + " km/h a " +
                                   km(static_cast<double>(p), 2) + " km"});
        break;
      case kPuntoCodice:
        l.codici.push_back({p, "punto codice " + std::to_string(x.dato1) + " a " +
                                   km(static_cast<double>(p), 2) + " km"});
        break;
      case kInizioRallentamento:
        // A slow-down whose start and end share a cell keeps only its start.
        if (inizio_rall >= 0)
          l.rallentamenti.push_back({inizio_rall, inizio_rall + kMetriCella, vel_rall});
        inizio_rall = p;
        vel_rall = x.dato1;
        break;
      case kFineRallentamento:
        if (inizio_rall >= 0) {
          l.rallentamenti.push_back({inizio_rall, p, vel_rall});
          inizio_rall = -1;
        }
        break;
      default:
        break;
    }
    if (x.montagna != 0 && inizio_montagna < 0) inizio_montagna = p;
    if ((x.montagna == 0 || c == ultima) && inizio_montagna >= 0) {
      l.montagne.emplace_back(inizio_montagna, x.montagna == 0 ? p : p + kMetriCella);
      inizio_montagna = -1;
    }
  }
  if (inizio_rall >= 0)
    l.rallentamenti.push_back({inizio_rall, inizio_rall + kMetriCella, vel_rall});

  if (d.stazioni.size() > static_cast<std::size_t>(kSlotGenerali)) {
    l.lunghezza = d.stazioni[static_cast<std::size_t>(kSlotGenerali)].valore2;
  }
  const long fine_celle = std::max(0L, inizio_cella(ultima));
  if (l.lunghezza <= 0 || l.lunghezza > fine_celle)
    l.lunghezza = std::max(0L, fine_celle - kEstensioneLinea);
  for (const StazioneMappa& s : l.stazioni) piu_lontano = std::max(piu_lontano, s.posizione);
  l.fine_disegno = std::max({l.lunghezza, piu_lontano + 500, 1000L});
  l.fine_disegno = std::min(l.fine_disegno, std::max(fine_celle, 1000L));
  return l;
}

class Svg {
 public:
  void apri(const std::string& tag, const std::string& attributi) {
    s_ += "<" + tag + (attributi.empty() ? "" : " " + attributi) + ">\n";
  }
  void chiudi(const std::string& tag) { s_ += "</" + tag + ">\n"; }
  void vuoto(const std::string& tag, const std::string& attributi) {
    s_ += "<" + tag + " " + attributi + "/>\n";
  }
  void testo(double x, double y, const std::string& t, const std::string& attributi = "") {
    s_ += "<text x=\"" + n1(x) + "\" y=\"" + n1(y) + "\"" +
          (attributi.empty() ? "" : " " + attributi) + ">" + testo_xml(t) + "</text>\n";
  }
  void linea(double x1, double y1, double x2, double y2, const std::string& attributi) {
    vuoto("line", "x1=\"" + n1(x1) + "\" y1=\"" + n1(y1) + "\" x2=\"" + n1(x2) + "\" y2=\"" +
                      n1(y2) + "\" " + attributi);
  }
  void rettangolo(double x, double y, double w, double h, const std::string& attributi) {
    vuoto("rect", "x=\"" + n1(x) + "\" y=\"" + n1(y) + "\" width=\"" + n1(std::max(w, 0.0)) +
                      "\" height=\"" + n1(std::max(h, 0.0)) + "\" " + attributi);
  }
  // An element with a tooltip that the browser shows on hover.
  void con_titolo(const std::string& tag, const std::string& attributi, const std::string& titolo) {
    s_ += "<" + tag + " " + attributi + "><title>" + testo_xml(titolo) + "</title></" + tag + ">\n";
  }
  std::string& grezzo() { return s_; }

 private:
  std::string s_;
};

// ---- The plan ------------------------------------------------------------

struct Punto {
  double x = 0;
  double y = 0;
};

struct Riquadro {
  double x0, y0, x1, y1;
  bool interseca(const Riquadro& o) const {
    return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
  }
  bool contiene(const Punto& p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

// An estimate of the width of a text in a sans-serif face, from the widths
// of capitals, small letters, digits and blanks in em.
double larghezza_testo(const std::string& utf8, double corpo) {
  double em = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;
    if (c >= 'A' && c <= 'Z') {
      em += 0.70;
    } else if (c >= '0' && c <= '9') {
      em += 0.64;
    } else if (c == ' ') {
      em += 0.32;
    } else {
      em += 0.60;
    }
  }
  return em * corpo;
}

class DisegnoPiano {
 public:
  DisegnoPiano(const Piano& piano, long lunghezza) : piano_(piano) {
    ultimo_ = static_cast<long>(piano.x.size()) - 1;
    while (ultimo_ > 0 && (vuoto(ultimo_))) --ultimo_;
    fine_linea_ = std::min(lunghezza, ultimo_);
    double minx = 1e300, maxx = -1e300, miny = 1e300, maxy = -1e300;
    for (long i = 0; i <= ultimo_; i += 10) {
      if (vuoto(i)) continue;
      minx = std::min(minx, x(i));
      maxx = std::max(maxx, x(i));
      miny = std::min(miny, y(i));
      maxy = std::max(maxy, y(i));
    }
    if (minx > maxx) minx = maxx = miny = maxy = 0;
    // Room around the line for the station names.
    const double margine = std::max({maxx - minx, maxy - miny, 1000.0}) * 0.06;
    minx_ = minx - margine;
    maxx_ = maxx + margine;
    miny_ = miny - margine;
    maxy_ = maxy + margine;
    const double w = kDestraPiano - kSinistra;
    scala_ = std::min(w / (maxx_ - minx_), kAltezzaMaxPiano / (maxy_ - miny_));
    // A line that runs mostly one way gets a frame wide enough for the
    // station names beside it.
    const double larghezza =
        std::min(w, std::max((maxx_ - minx_) * scala_, (maxy_ - miny_) * scala_ * 0.9));
    const double in_piu = (larghezza / scala_ - (maxx_ - minx_)) / 2;
    minx_ -= in_piu;
    maxx_ += in_piu;
    const double altezza_minima = std::min(kAltezzaMaxPiano, larghezza * 0.4);
    const double in_piu_y = std::max(0.0, (altezza_minima / scala_ - (maxy_ - miny_)) / 2);
    miny_ -= in_piu_y;
    maxy_ += in_piu_y;
    altezza_ = (maxy_ - miny_) * scala_;
    // Centre the drawing in the available width.
    spostamento_ = (w - (maxx_ - minx_) * scala_) / 2;
  }

  double altezza() const { return altezza_; }
  double bordo_sinistro() const { return kSinistra + spostamento_; }
  double bordo_destro() const { return kSinistra + spostamento_ + (maxx_ - minx_) * scala_; }

  // An empty point, or one no drawing can place (a foreign file's NaN).
  bool vuoto(long i) const {
    const ValorePiano& x = piano_.x[static_cast<std::size_t>(i)];
    const ValorePiano& y = piano_.y[static_cast<std::size_t>(i)];
    return x.tipo == TipoValore::kVuoto || y.tipo == TipoValore::kVuoto ||
           !std::isfinite(x.valore) || !std::isfinite(y.valore) || std::abs(x.valore) > 1e9 ||
           std::abs(y.valore) > 1e9;
  }
  double x(long i) const { return piano_.x[static_cast<std::size_t>(i)].valore; }
  double y(long i) const { return piano_.y[static_cast<std::size_t>(i)].valore; }

  // Screen point of plan point `metro` (clamped to the drawn plan); y grows upward.
  Punto schermo(long metro) const {
    metro = std::clamp(metro, 0L, ultimo_);
    while (metro > 0 && vuoto(metro)) --metro;
    return {kSinistra + spostamento_ + (x(metro) - minx_) * scala_,
            top_ + (maxy_ - y(metro)) * scala_};
  }
  // Direction of travel at `metro` on the screen, unit length.
  Punto direzione(long metro) const {
    const Punto a = schermo(metro - 20);
    const Punto b = schermo(metro + 20);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double n = std::hypot(dx, dy);
    return n > 0 ? Punto{dx / n, dy / n} : Punto{0, -1};
  }

  void disegna(Svg& s, const Lettura& l, double top) {
    top_ = top;
    s.testo(kSinistra, top - 12, "Pianta della linea (vista dall'alto)",
            "font-size=\"15\" font-weight=\"bold\" fill=\"#333\"");
    assi(s);

    // Mountain stretches under the line, slow-downs over it.
    for (const auto& [da, a] : l.montagne) {
      s.vuoto("polyline", "points=\"" + punti(da, a, 10) + "\" fill=\"none\" stroke=\"" +
                              kColoreMontagna +
                              "\" stroke-opacity=\"0.35\" stroke-width=\"11\" "
                              "stroke-linecap=\"round\"");
    }
    s.vuoto("polyline", "points=\"" + punti(fine_linea_, ultimo_, 25) +
                            "\" fill=\"none\" stroke=\"#9aa5b1\" stroke-width=\"2\" "
                            "stroke-dasharray=\"6 4\"");
    s.vuoto("polyline", "points=\"" + punti(0, fine_linea_, 25) + "\" fill=\"none\" stroke=\"" +
                            kColoreLinea + "\" stroke-width=\"2.5\" stroke-linejoin=\"round\"");
    for (const Rallentamento& r : l.rallentamenti) {
      s.con_titolo("polyline",
                   "points=\"" + punti(r.inizio, std::max(r.fine, r.inizio + kMetriCella), 10) +
                       "\" fill=\"none\" stroke=\"" + kColoreRallentamento +
                       "\" stroke-width=\"8\" stroke-opacity=\"0.8\" stroke-linecap=\"round\"",
                   "rallentamento a " + std::to_string(r.velocita) + " km/h da " +
                       km(static_cast<double>(r.inizio), 2) + " a " +
                       km(static_cast<double>(r.fine), 2) + " km");
    }
    pietre_chilometriche(s, l);
    const Punto origine{schermo(0).x, schermo(0).y + 20};
    s.testo(origine.x, origine.y + 4, "origine",
            "font-size=\"10\" fill=\"#666\" font-style=\"italic\" text-anchor=\"middle\"");
    occupati_.push_back({origine.x - 20, origine.y - 6, origine.x + 20, origine.y + 6});
    for (const Elemento& e : l.indicatori) {
      const Punto p = laterale(e.posizione, -7);
      s.con_titolo("path",
                   "d=\"M" + n1(p.x) + " " + n1(p.y - 4.5) +
                       " l4.5 4.5 l-4.5 4.5 l-4.5 -4.5 z\" "
                       "fill=\"" +
                       kColoreIndicatore + "\" stroke=\"white\" stroke-width=\"0.8\"",
                   e.descrizione);
    }
    for (const Elemento& e : l.cartelli) {
      const Punto p = laterale(e.posizione, 7);
      s.con_titolo("rect",
                   "x=\"" + n1(p.x - 3) + "\" y=\"" + n1(p.y - 3) +
                       "\" width=\"6\" height=\"6\" "
                       "fill=\"" +
                       kColoreCartello + "\" stroke=\"white\" stroke-width=\"0.8\"",
                   e.descrizione);
    }
    for (const Elemento& e : l.avvisi) {
      const Punto p = laterale(e.posizione, -7);
      s.con_titolo("path",
                   "d=\"M" + n1(p.x) + " " + n1(p.y - 5) + " l5 9 l-10 0 z\" fill=\"" +
                       kColoreRallentamento + "\" stroke=\"white\" stroke-width=\"0.8\"",
                   e.descrizione);
    }
    for (const Elemento& e : l.segnali) {
      const Punto p = schermo(e.posizione);
      s.con_titolo("circle",
                   "cx=\"" + n1(p.x) + "\" cy=\"" + n1(p.y) + "\" r=\"3\" fill=\"" +
                       kColoreSegnale + "\" stroke=\"white\" stroke-width=\"0.8\"",
                   e.descrizione);
    }
    stazioni(s, l);
  }

 private:
  std::string punti(long da, long a, long passo) const {
    std::string s;
    da = std::clamp(da, 0L, ultimo_);
    a = std::clamp(a, 0L, ultimo_);
    for (long i = da;; i += passo) {
      if (i > a) i = a;
      if (!vuoto(i)) {
        const Punto p = schermo(i);
        s += n1(p.x) + "," + n1(p.y) + " ";
      }
      if (i == a) break;
    }
    return s;
  }

  // A point beside the line, to the right of the direction of travel for a
  // positive distance.
  Punto laterale(long metro, double distanza) const {
    const Punto p = schermo(metro);
    const Punto d = direzione(metro);
    return {p.x - d.y * distanza, p.y + d.x * distanza};
  }

  void assi(Svg& s) const {
    const double x0 = kSinistra + spostamento_;
    const double x1 = x0 + (maxx_ - minx_) * scala_;
    const double y0 = top_;
    const double y1 = top_ + altezza_;
    s.rettangolo(x0, y0, x1 - x0, y1 - y0, "fill=\"#fbfcfd\" stroke=\"#c8ced6\"");
    const double passo = passo_tondo(std::max(maxx_ - minx_, maxy_ - miny_), 10);
    const int dec = decimali_per(passo);
    for (double v = std::ceil(minx_ / passo) * passo; v <= maxx_; v += passo) {
      const double px = x0 + (v - minx_) * scala_;
      s.linea(px, y0, px, y1, std::string("stroke=\"") + kColoreGriglia + "\"");
      s.testo(px, y1 + 14, km(v, dec), "font-size=\"10\" fill=\"#666\" text-anchor=\"middle\"");
    }
    for (double v = std::ceil(miny_ / passo) * passo; v <= maxy_; v += passo) {
      const double py = top_ + (maxy_ - v) * scala_;
      s.linea(x0, py, x1, py, std::string("stroke=\"") + kColoreGriglia + "\"");
      s.testo(x0 - 5, py + 3.5, km(v, dec), "font-size=\"10\" fill=\"#666\" text-anchor=\"end\"");
    }
    s.testo(x1, y1 + 28, "x (km dall'origine)",
            "font-size=\"10\" fill=\"#666\" text-anchor=\"end\"");
    s.testo(x0 - 5, y0 - 4, "y (km)", "font-size=\"10\" fill=\"#666\" text-anchor=\"end\"");
  }

  void pietre_chilometriche(Svg& s, const Lettura& l) {
    const double passo = passo_tondo(static_cast<double>(l.lunghezza), 10);
    for (double v = passo; v < static_cast<double>(fine_linea_); v += passo) {
      const long m = std::lround(v);
      const Punto a = laterale(m, -4);
      const Punto b = laterale(m, 4);
      s.linea(a.x, a.y, b.x, b.y,
              std::string("stroke=\"") + kColoreLinea + "\" stroke-width=\"1.5\"");
      const Punto t = laterale(m, -14);
      s.testo(t.x, t.y + 3, km(v, decimali_per(passo)),
              "font-size=\"9\" fill=\"#4a6a8a\" text-anchor=\"middle\"");
      occupati_.push_back({t.x - 10, t.y - 6, t.x + 10, t.y + 5});
    }
  }

  void stazioni(Svg& s, const Lettura& l) {
    // Labels are placed one by one beside the line, on the first spot that
    // covers neither the line, nor a station, nor an earlier label.
    std::vector<Punto> linea;
    for (long i = 0; i <= ultimo_; i += 40) {
      if (!vuoto(i)) linea.push_back(schermo(i));
    }
    for (const StazioneMappa& st : l.stazioni) {
      const Punto p = schermo(st.posizione);
      occupati_.push_back({p.x - 6, p.y - 6, p.x + 6, p.y + 6});
    }
    struct Etichetta {
      Punto punto;
      Punto ancora;
      Riquadro riquadro;
      bool richiamo;
    };
    std::vector<Etichetta> etichette;
    for (const StazioneMappa& st : l.stazioni) {
      const Punto p = schermo(st.posizione);
      const Punto d = direzione(st.posizione);
      const double w = larghezza_testo(st.nome, 12);
      std::optional<Etichetta> scelta;
      for (double dist : {10.0, 22.0, 36.0, 52.0, 70.0}) {
        for (int lato : {1, -1, 2, -2}) {
          // The normal to the right (lato 1) or left (-1) of the direction of
          // travel, then straight right (2) or left (-2).
          const double nx = lato == 2 ? 1.0 : lato == -2 ? -1.0 : -d.y * lato;
          const double ny = std::abs(lato) == 2 ? 0.0 : d.x * lato;
          const Punto a{p.x + nx * dist, p.y + ny * dist};
          Riquadro r{};
          if (std::abs(nx) >= std::abs(ny)) {
            r = nx >= 0 ? Riquadro{a.x, a.y - 7, a.x + w, a.y + 7}
                        : Riquadro{a.x - w, a.y - 7, a.x, a.y + 7};
          } else {
            r = ny >= 0 ? Riquadro{a.x - w / 2, a.y, a.x + w / 2, a.y + 14}
                        : Riquadro{a.x - w / 2, a.y - 14, a.x + w / 2, a.y};
          }
          bool libero = r.x0 >= bordo_sinistro() + 2 && r.x1 <= bordo_destro() - 2 &&
                        r.y0 >= top_ + 2 && r.y1 <= top_ + altezza_ - 2;
          for (const Riquadro& o : occupati_) libero = libero && !r.interseca(o);
          const Riquadro allargato{r.x0 - 2, r.y0 - 2, r.x1 + 2, r.y1 + 2};
          for (const Punto& q : linea) libero = libero && !allargato.contiene(q);
          if (libero) {
            scelta = Etichetta{p, a, r, dist > 10};
            break;
          }
        }
        if (scelta) break;
      }
      if (!scelta) {
        // Nowhere free: beside the station all the same.
        const double nx = -d.y, ny = d.x;
        const Punto a{p.x + nx * 10, p.y + ny * 10};
        scelta = Etichetta{p, a,
                           nx >= 0 ? Riquadro{a.x, a.y - 7, a.x + w, a.y + 7}
                                   : Riquadro{a.x - w, a.y - 7, a.x, a.y + 7},
                           false};
      }
      occupati_.push_back(scelta->riquadro);
      etichette.push_back(*scelta);
    }
    for (const Etichetta& e : etichette) {
      if (e.richiamo) {
        s.linea(e.punto.x, e.punto.y, e.ancora.x, e.ancora.y,
                "stroke=\"#888\" stroke-width=\"0.7\"");
      }
    }
    for (const StazioneMappa& st : l.stazioni) {
      const Punto p = schermo(st.posizione);
      const bool ferma = st.categoria < kCategoriaSenzaFermata;
      s.con_titolo("circle",
                   "cx=\"" + n1(p.x) + "\" cy=\"" + n1(p.y) + "\" r=\"5\" fill=\"" +
                       (ferma ? kColoreStazione : "white") + "\" stroke=\"" + kColoreStazione +
                       "\" stroke-width=\"1.6\"",
                   descrizione_stazione(st));
    }
    for (std::size_t i = 0; i < etichette.size(); ++i) {
      const Riquadro& r = etichette[i].riquadro;
      s.testo(r.x0, (r.y0 + r.y1) / 2 + 4.2, l.stazioni[i].nome,
              "font-size=\"12\" fill=\"#111\" paint-order=\"stroke\" stroke=\"white\" "
              "stroke-width=\"3\" stroke-linejoin=\"round\"");
    }
  }

 public:
  static std::string descrizione_stazione(const StazioneMappa& st) {
    std::string t = st.nome + ", " + km(static_cast<double>(st.posizione), 2) + " km, categoria " +
                    std::to_string(st.categoria);
    if (st.orario != 0) t += ", orario " + orario(st.orario);
    return t;
  }

 private:
  const Piano& piano_;
  long ultimo_ = 0;
  long fine_linea_ = 0;
  double minx_ = 0, maxx_ = 0, miny_ = 0, maxy_ = 0;
  double scala_ = 1;
  double altezza_ = 0;
  double spostamento_ = 0;
  double top_ = 0;
  std::vector<Riquadro> occupati_;
};

// ---- The profile ---------------------------------------------------------

class DisegnoProfilo {
 public:
  DisegnoProfilo(const DatiMappa& d, const Lettura& l) : d_(d), l_(l) {}

  double disegna(Svg& s, double top) {
    s.testo(kSinistra, top + 4, "Profilo lungo la linea",
            "font-size=\"15\" font-weight=\"bold\" fill=\"#333\"");
    double nome_max = 40;
    for (const StazioneMappa& st : l_.stazioni) {
      nome_max = std::max(nome_max, larghezza_testo(st.nome, 11));
    }
    const double banda_nomi = nome_max + 24;
    const double y_nomi = top + 16;
    const double y_alt = y_nomi + banda_nomi + 24;
    const double h_alt = 150;
    const double y_pend = y_alt + h_alt + 26;
    const double h_pend = 110;
    const double y_vel = y_pend + h_pend + 26;
    const double h_vel = 160;
    const double y_el = y_vel + h_vel + 26;
    const double h_el = 4 * 17;
    const double fondo = y_el + h_el;

    // Mountain stretches and stations run across every strip.
    for (const auto& [da, a] : l_.montagne) {
      s.rettangolo(px(da), y_alt, px(a) - px(da), fondo - y_alt,
                   std::string("fill=\"") + kColoreMontagna + "\" fill-opacity=\"0.13\"");
      s.testo((px(da) + px(a)) / 2, y_alt + 12, "montagna",
              std::string("font-size=\"10\" fill=\"") + kColoreMontagna +
                  "\" text-anchor=\"middle\" font-style=\"italic\"");
    }
    for (const StazioneMappa& st : l_.stazioni) {
      const double x = px(st.posizione);
      s.linea(x, y_nomi + banda_nomi - 6, x, fondo,
              "stroke=\"#9a9a9a\" stroke-width=\"0.8\" stroke-dasharray=\"3 3\"");
      s.rettangolo(px(st.inizio_zona), y_nomi + banda_nomi - 9,
                   px(st.fine_zona) - px(st.inizio_zona), 5,
                   std::string("fill=\"") + kColoreStazione + "\" fill-opacity=\"0.55\"");
      s.apri("g", "");
      s.grezzo() += "<title>" + testo_xml(DisegnoPiano::descrizione_stazione(st)) + "</title>\n";
      s.testo(x + 4, y_nomi + banda_nomi - 12, st.nome,
              "font-size=\"11\" fill=\"#111\" transform=\"rotate(-90 " + n1(x + 4) + " " +
                  n1(y_nomi + banda_nomi - 12) + ")\"");
      s.chiudi("g");
    }

    altimetria(s, y_alt, h_alt);
    pendenze(s, y_pend, h_pend);
    velocita(s, y_vel, h_vel);
    elementi(s, y_el);
    asse_km(s, fondo);
    return fondo + 56;
  }

 private:
  double px(long metri) const {
    const double f = static_cast<double>(std::clamp(metri, 0L, l_.fine_disegno)) /
                     static_cast<double>(l_.fine_disegno);
    return kSinistra + f * (kDestraProfilo - kSinistra);
  }

  // Cells 1 to the last one drawn, each with its position.
  template <typename F>
  void per_cella(F f) const {
    const long ultima = static_cast<long>(d_.celle.size()) - 1;
    for (long c = 1; c <= ultima; ++c) {
      if (inizio_cella(c) >= l_.fine_disegno) break;
      f(c, d_.celle[static_cast<std::size_t>(c)]);
    }
  }

  void cornice(Svg& s, double y, double h, const std::string& titolo) const {
    s.rettangolo(kSinistra, y, kDestraProfilo - kSinistra, h, "fill=\"none\" stroke=\"#c8ced6\"");
    s.testo(kSinistra + 4, y - 6, titolo,
            "font-size=\"12\" font-weight=\"bold\" fill=\"#444\" paint-order=\"stroke\" "
            "stroke=\"white\" stroke-width=\"4\" stroke-linejoin=\"round\"");
  }

  void scala_y(Svg& s, double y, double h, double vmin, double vmax, double passo,
               const std::string& unita) const {
    for (double v = std::ceil(vmin / passo) * passo; v <= vmax + 1e-9; v += passo) {
      const double py = y + h - (v - vmin) / (vmax - vmin) * h;
      s.linea(kSinistra, py, kDestraProfilo, py, std::string("stroke=\"") + kColoreGriglia + "\"");
      char b[32];
      std::snprintf(b, sizeof b, "%g", v);
      s.testo(kSinistra - 5, py + 3.5, b, "font-size=\"10\" fill=\"#666\" text-anchor=\"end\"");
    }
    s.testo(kSinistra - 5, y - 6, unita, "font-size=\"10\" fill=\"#666\" text-anchor=\"end\"");
  }

  void altimetria(Svg& s, double y, double h) const {
    // Heights relative to the origin, from the gradient of each 50 m cell.
    std::vector<std::pair<long, double>> quote{{0, 0.0}};
    double q = 0;
    per_cella([&](long c, const cella& x) {
      q += (static_cast<double>(x.pendenza) - 100.0) * 0.05;
      quote.emplace_back(inizio_cella(c) + kMetriCella, q);
    });
    double qmin = 0, qmax = 0;
    for (const auto& [m, v] : quote) {
      qmin = std::min(qmin, v);
      qmax = std::max(qmax, v);
    }
    const double passo = passo_tondo(std::max(qmax - qmin, 10.0), 5);
    qmin = std::floor(qmin / passo) * passo;
    qmax = std::max(std::ceil(qmax / passo) * passo, qmin + passo);
    cornice(s, y, h, "Altimetria (m rispetto all'origine, dalle pendenze)");
    scala_y(s, y, h, qmin, qmax, passo, "m");
    auto py = [&](double v) { return y + h - (v - qmin) / (qmax - qmin) * h; };
    std::string area = "M" + n1(px(0)) + " " + n1(py(qmin));
    std::string linea;
    for (const auto& [m, v] : quote) {
      area += " L" + n1(px(m)) + " " + n1(py(v));
      linea += n1(px(m)) + "," + n1(py(v)) + " ";
    }
    area += " L" + n1(px(quote.back().first)) + " " + n1(py(qmin)) + " Z";
    s.vuoto("path", "d=\"" + area + "\" fill=\"#d8c8a8\" fill-opacity=\"0.7\"");
    s.vuoto("polyline",
            "points=\"" + linea + "\" fill=\"none\" stroke=\"#8c6d46\" stroke-width=\"1.5\"");
  }

  void pendenze(Svg& s, double y, double h) const {
    int gmax = 5;
    per_cella([&](long, const cella& x) {
      gmax = std::max(gmax, std::abs(static_cast<int>(x.pendenza) - 100));
    });
    const double passo = passo_tondo(2.0 * gmax, 6);
    const double lim = std::ceil(gmax / passo) * passo;
    cornice(s, y, h, "Pendenza (‰, positiva in salita)");
    scala_y(s, y, h, -lim, lim, passo, "‰");
    auto py = [&](double v) { return y + h / 2 - v / lim * (h / 2); };
    // One bar per run of cells with the same gradient.
    long inizio = 0;
    int corrente = 0;
    bool aperto = false;
    auto barra = [&](long da, long a, int g) {
      if (g == 0) return;
      const double y0 = std::min(py(0), py(g));
      s.con_titolo("rect",
                   "x=\"" + n1(px(da)) + "\" y=\"" + n1(y0) + "\" width=\"" +
                       n1(std::max(px(a) - px(da), 0.6)) + "\" height=\"" +
                       n1(std::abs(py(g) - py(0))) + "\" fill=\"" +
                       (g > 0 ? "#c0392b" : "#2e86c1") + "\" fill-opacity=\"0.75\"",
                   std::to_string(g) + " ‰ da " + km(static_cast<double>(da), 2) + " a " +
                       km(static_cast<double>(a), 2) + " km");
    };
    per_cella([&](long c, const cella& x) {
      const int g = static_cast<int>(x.pendenza) - 100;
      const long m = inizio_cella(c);
      if (!aperto) {
        inizio = m;
        corrente = g;
        aperto = true;
      } else if (g != corrente) {
        barra(inizio, m, corrente);
        inizio = m;
        corrente = g;
      }
    });
    if (aperto) barra(inizio, l_.fine_disegno, corrente);
    s.linea(kSinistra, py(0), kDestraProfilo, py(0), "stroke=\"#777\" stroke-width=\"0.8\"");
  }

  void velocita(Svg& s, double y, double h) const {
    int vmax = 50;
    per_cella([&](long, const cella& x) { vmax = std::max(vmax, x.vel_limite * kPassoVelocita); });
    const double passo = passo_tondo(vmax, 6);
    const double lim = std::ceil((vmax + 10) / passo) * passo;
    cornice(s, y, h, "Velocità massima del treno (km/h) e rallentamenti");
    scala_y(s, y, h, 0, lim, passo, "km/h");
    auto py = [&](double v) { return y + h - v / lim * h; };
    std::string punti;
    int precedente = -1;
    per_cella([&](long c, const cella& x) {
      const int v = x.vel_limite * kPassoVelocita;
      const long m = inizio_cella(c);
      if (v != precedente) {
        if (precedente >= 0) punti += n1(px(m)) + "," + n1(py(precedente)) + " ";
        punti += n1(px(m)) + "," + n1(py(v)) + " ";
        precedente = v;
      }
    });
    if (precedente >= 0) punti += n1(px(l_.fine_disegno)) + "," + n1(py(precedente));
    s.vuoto("polyline", std::string("points=\"") + punti + "\" fill=\"none\" stroke=\"" +
                            kColoreIndicatore + "\" stroke-width=\"2\"");
    for (const Rallentamento& r : l_.rallentamenti) {
      const double x0 = px(r.inizio), x1 = std::max(px(r.fine), x0 + 3);
      s.rettangolo(x0, py(r.velocita), x1 - x0, y + h - py(r.velocita),
                   std::string("fill=\"") + kColoreRallentamento + "\" fill-opacity=\"0.25\"");
      s.con_titolo("line",
                   "x1=\"" + n1(x0) + "\" y1=\"" + n1(py(r.velocita)) + "\" x2=\"" + n1(x1) +
                       "\" y2=\"" + n1(py(r.velocita)) + "\" stroke=\"" + kColoreRallentamento +
                       "\" stroke-width=\"3\"",
                   "rallentamento a " + std::to_string(r.velocita) + " km/h");
      s.testo((x0 + x1) / 2, py(r.velocita) - 5, std::to_string(r.velocita),
              std::string("font-size=\"10\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"") +
                  kColoreRallentamento + "\"");
    }
  }

  void elementi(Svg& s, double y) const {
    const double riga = 17;
    s.rettangolo(kSinistra, y, kDestraProfilo - kSinistra, 4 * riga,
                 "fill=\"none\" stroke=\"#c8ced6\"");
    const char* nomi[] = {"segnali", "cartelli", "indicatori", "punti codice"};
    for (int i = 0; i < 4; ++i) {
      s.testo(kSinistra - 5, y + riga * i + 12, nomi[i],
              "font-size=\"10\" fill=\"#555\" text-anchor=\"end\"");
      if (i > 0) {
        s.linea(kSinistra, y + riga * i, kDestraProfilo, y + riga * i,
                std::string("stroke=\"") + kColoreGriglia + "\"");
      }
    }
    for (const Elemento& e : l_.segnali) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 3) + " l0 11 M" + n1(x) + " " + n1(y + 3) +
                       " l4 0\" stroke=\"" + kColoreSegnale +
                       "\" stroke-width=\"1.6\" fill=\"none\"",
                   e.descrizione);
    }
    for (const Elemento& e : l_.cartelli) {
      const double x = px(e.posizione);
      s.con_titolo("rect",
                   "x=\"" + n1(x - 2.5) + "\" y=\"" + n1(y + riga + 6) +
                       "\" width=\"5\" height=\"5\" fill=\"" + kColoreCartello + "\"",
                   e.descrizione);
    }
    for (const Elemento& e : l_.indicatori) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 2 * riga + 3.5) +
                       " l4 4.5 l-4 4.5 l-4 -4.5 z\" fill=\"" + kColoreIndicatore + "\"",
                   e.descrizione);
    }
    for (const Elemento& e : l_.avvisi) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 2 * riga + 3) + " l4.5 9 l-9 0 z\" fill=\"" +
                       kColoreRallentamento + "\"",
                   e.descrizione);
    }
    for (const Elemento& e : l_.codici) {
      const double x = px(e.posizione);
      s.con_titolo("circle",
                   "cx=\"" + n1(x) + "\" cy=\"" + n1(y + 3 * riga + 8.5) + "\" r=\"2.2\" fill=\"" +
                       kColoreCodice + "\"",
                   e.descrizione);
    }
  }

  void asse_km(Svg& s, double y) const {
    const double fine = static_cast<double>(l_.fine_disegno);
    const double passo = passo_tondo(fine, 14);
    const double minore = passo / 5;
    for (double v = 0; v <= fine + 1e-6; v += minore) {
      const double x = px(std::lround(v));
      const bool maggiore = std::fmod(std::lround(v), std::lround(passo)) == 0;
      s.linea(x, y, x, y + (maggiore ? 6 : 3), std::string("stroke=\"") + kColoreAssi + "\"");
      if (maggiore) {
        s.testo(x, y + 18, km(v, decimali_per(passo)),
                "font-size=\"10\" fill=\"#444\" text-anchor=\"middle\"");
      }
    }
    if (l_.lunghezza > 0 && l_.lunghezza < l_.fine_disegno) {
      const double x = px(l_.lunghezza);
      s.linea(x, y - 4, x, y + 8, "stroke=\"#000\" stroke-width=\"1.5\"");
    }
    s.testo(kDestraProfilo, y + 34, "distanza dall'origine della linea (km)",
            "font-size=\"11\" fill=\"#444\" text-anchor=\"end\"");
  }

  const DatiMappa& d_;
  const Lettura& l_;
};

// ---- Legend --------------------------------------------------------------

// Without the plan only the profile's own marks need explaining, in one row.
void legenda_profilo(Svg& s, double y) {
  double x = kSinistra;
  auto voce = [&](const std::string& simbolo, const std::string& testo) {
    s.grezzo() += simbolo;
    s.testo(x + 22, y + 4, testo, "font-size=\"11\" fill=\"#333\"");
    x += 22 + larghezza_testo(testo, 11) + 24;
  };
  s.testo(x, y + 4, "Legenda:", "font-size=\"11\" font-weight=\"bold\" fill=\"#333\"");
  x += 62;
  auto quadro = [&](const std::string& colore, const std::string& opacita) {
    return "<rect x=\"" + n1(x) + "\" y=\"" + n1(y - 5) + "\" width=\"16\" height=\"10\" fill=\"" +
           colore + "\" fill-opacity=\"" + opacita + "\"/>\n";
  };
  voce(quadro("#d8c8a8", "0.9"), "altimetria");
  voce(quadro("#c0392b", "0.75"), "salita");
  voce(quadro("#2e86c1", "0.75"), "discesa");
  voce("<line x1=\"" + n1(x) + "\" y1=\"" + n1(y) + "\" x2=\"" + n1(x + 16) + "\" y2=\"" + n1(y) +
           "\" stroke=\"" + kColoreIndicatore + "\" stroke-width=\"2\"/>\n",
       "velocità massima del treno");
  voce(quadro(kColoreRallentamento, "0.6"), "rallentamento");
  voce(quadro(kColoreMontagna, "0.25"), "tratto di montagna");
  voce(quadro(kColoreStazione, "0.55"), "zona di stazione");
  s.testo(x, y + 4, "(pianta non disponibile: compilata senza piano)",
          "font-size=\"11\" fill=\"#777\" font-style=\"italic\"");
}

double legenda(Svg& s, double x, double y) {
  const double riga = 21;
  auto sx = [&](double dx) { return n1(x + 14 + dx); };
  const double h = riga * 12 + 30;
  s.rettangolo(x, y, 250, h, "fill=\"white\" stroke=\"#c8ced6\" rx=\"6\"");
  s.testo(x + 12, y + 20, "Legenda", "font-size=\"13\" font-weight=\"bold\" fill=\"#333\"");
  double cy = y + 44;
  auto voce = [&](const std::string& simbolo, const std::string& testo) {
    s.grezzo() += simbolo;
    s.testo(x + 44, cy + 4, testo, "font-size=\"11\" fill=\"#333\"");
    cy += riga;
  };
  voce("<line x1=\"" + sx(-2) + "\" y1=\"" + n1(cy) + "\" x2=\"" + sx(20) + "\" y2=\"" + n1(cy) +
           "\" stroke=\"" + kColoreLinea + "\" stroke-width=\"2.5\"/>\n",
       "linea");
  voce("<line x1=\"" + sx(-2) + "\" y1=\"" + n1(cy) + "\" x2=\"" + sx(20) + "\" y2=\"" + n1(cy) +
           "\" stroke=\"#9aa5b1\" stroke-width=\"2\" stroke-dasharray=\"6 4\"/>\n",
       "celle oltre la fine della linea");
  voce("<circle cx=\"" + sx(9) + "\" cy=\"" + n1(cy) + "\" r=\"5\" fill=\"" + kColoreStazione +
           "\"/>\n",
       "stazione con fermata");
  voce("<circle cx=\"" + sx(9) + "\" cy=\"" + n1(cy) + "\" r=\"5\" fill=\"white\" stroke=\"" +
           kColoreStazione + "\" stroke-width=\"1.6\"/>\n",
       "stazione senza segno di fermata");
  voce("<circle cx=\"" + sx(9) + "\" cy=\"" + n1(cy) + "\" r=\"3\" fill=\"" + kColoreSegnale +
           "\"/>\n",
       "segnale");
  voce("<rect x=\"" + sx(6) + "\" y=\"" + n1(cy - 3) + "\" width=\"6\" height=\"6\" fill=\"" +
           kColoreCartello + "\"/>\n",
       "cartello indicatore");
  voce("<path d=\"M" + sx(9) + " " + n1(cy - 4.5) + " l4.5 4.5 l-4.5 4.5 l-4.5 -4.5 z\" fill=\"" +
           kColoreIndicatore + "\"/>\n",
       "indicatore di velocità massima");
  voce("<line x1=\"" + sx(-2) + "\" y1=\"" + n1(cy) + "\" x2=\"" + sx(20) + "\" y2=\"" + n1(cy) +
           "\" stroke=\"" + kColoreRallentamento + "\" stroke-width=\"7\"/>\n",
       "rallentamento");
  voce("<path d=\"M" + sx(9) + " " + n1(cy - 5) + " l5 9 l-10 0 z\" fill=\"" +
           kColoreRallentamento + "\"/>\n",
       "avviso di rallentamento");
  voce("<line x1=\"" + sx(-2) + "\" y1=\"" + n1(cy) + "\" x2=\"" + sx(20) + "\" y2=\"" + n1(cy) +
           "\" stroke=\"" + kColoreMontagna + "\" stroke-opacity=\"0.35\" stroke-width=\"10\"/>\n",
       "tratto di montagna");
  voce("<circle cx=\"" + sx(9) + "\" cy=\"" + n1(cy) + "\" r=\"2.2\" fill=\"" + kColoreCodice +
           "\"/>\n",
       "punto codice");
  voce("<line x1=\"" + sx(-2) + "\" y1=\"" + n1(cy) + "\" x2=\"" + sx(20) + "\" y2=\"" + n1(cy) +
           "\" stroke=\"" + kColoreIndicatore + "\" stroke-width=\"2\"/>\n",
       "velocità massima del treno");
  return y + h;
}

}  // namespace

std::vector<StazioneMappa> stazioni_della_linea(const std::vector<stazione>& slot,
                                                const std::vector<cella>& celle) {
  std::set<long> cartelli;
  for (const cella& c : celle) {
    if (c.genere == kCartello) cartelli.insert(c.dato1);
  }
  std::vector<StazioneMappa> r;
  for (long i = 1; i < kPrimoSlotCartelli + 1 && i < static_cast<long>(slot.size()); ++i) {
    const stazione& s = slot[static_cast<std::size_t>(i)];
    if (cartelli.count(i) != 0 || s == stazione{}) break;
    r.push_back({i, da_cp1252(s.testo), s.valore3, s.codice, s.valore1, s.valore2, s.valore4});
  }
  return r;
}

bool piano_compatibile(const Piano& piano, const std::vector<stazione>& slot,
                       const std::vector<cella>& celle) {
  if (piano.x.size() != piano.y.size() || piano.x.size() < 2 || celle.empty()) return false;
  const long lunghezza_estesa = static_cast<long>(piano.x.size()) - 1;
  const long numero_celle = static_cast<long>(celle.size()) - 1;
  if (std::lround(arrotonda(static_cast<double>(lunghezza_estesa) / kMetriCella)) != numero_celle) {
    return false;
  }
  if (slot.size() > static_cast<std::size_t>(kSlotGenerali)) {
    const long dichiarata = slot[static_cast<std::size_t>(kSlotGenerali)].valore2;
    if (dichiarata + kEstensioneLinea != lunghezza_estesa) return false;
  }
  return true;
}

std::string testo_xml(const std::string& utf8) {
  std::string r;
  r.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        r += "&amp;";
        break;
      case '<':
        r += "&lt;";
        break;
      case '>':
        r += "&gt;";
        break;
      case '"':
        r += "&quot;";
        break;
      case '\'':
        r += "&apos;";
        break;
      default:
        // Control characters are not allowed in XML at all.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
          r += '?';
        } else {
          r += c;
        }
    }
  }
  return r;
}

std::string disegna_mappa(const DatiMappa& d) {
  const Lettura l = leggi(d);
  Svg corpo;
  double y = 78;
  const bool con_piano =
      d.piano.has_value() && d.piano->x.size() >= 2 && d.piano->x.size() == d.piano->y.size();
  if (con_piano) {
    DisegnoPiano piano(*d.piano, l.lunghezza);
    piano.disegna(corpo, l, y + 24);
    const double fine_legenda =
        legenda(corpo, std::min(piano.bordo_destro() + 40, kDestraPiano + 60), y + 24);
    y = std::max(y + 24 + piano.altezza() + 40, fine_legenda + 20);
  } else {
    legenda_profilo(corpo, y + 6);
    y += 30;
  }
  DisegnoProfilo profilo(d, l);
  const double altezza = profilo.disegna(corpo, y + 10);

  std::string titolo = "Linea " + d.nome_linea + " · treno " + d.numero_treno;
  std::string sottotitolo = km(static_cast<double>(l.lunghezza), 1) + " km · " +
                            std::to_string(l.stazioni.size()) + " stazioni · " +
                            std::to_string(l.segnali.size()) + " segnali · " +
                            std::to_string(l.rallentamenti.size()) + " rallentamenti · " +
                            std::to_string(l.cartelli.size()) + " cartelli";
  Svg s;
  s.grezzo() += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s.apri("svg", "xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n1(kLarghezza) + "\" height=\"" +
                    n1(altezza) + "\" viewBox=\"0 0 " + n1(kLarghezza) + " " + n1(altezza) +
                    "\" font-family=\"DejaVu Sans, Verdana, Arial, sans-serif\"");
  s.grezzo() += "<title>" + testo_xml(titolo) + "</title>\n";
  s.rettangolo(0, 0, kLarghezza, altezza, "fill=\"white\"");
  s.testo(kSinistra, 34, titolo, "font-size=\"22\" font-weight=\"bold\" fill=\"#1f3a5f\"");
  s.testo(kSinistra, 56, sottotitolo, "font-size=\"13\" fill=\"#555\"");
  s.grezzo() += corpo.grezzo();
  s.chiudi("svg");
  return s.grezzo();
}

}  // namespace progetto1::strumento
