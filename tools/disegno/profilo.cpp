#include "tools/disegno/profilo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "model/costanti.h"
#include "tools/disegno/impaginazione.h"
#include "tools/disegno/simboli.h"

namespace progetto1::strumento {

namespace {

class DisegnoProfilo {
 public:
  explicit DisegnoProfilo(const ElementiLinea& l) : l_(l) {}

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
      s.grezzo() += "<title>" + testo_xml(descrizione_stazione(st)) + "</title>\n";
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
    const std::vector<std::pair<long, double>>& quote = l_.quote;
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
    for (const TrattoCostante& t : l_.pendenze) gmax = std::max(gmax, std::abs(t.valore));
    const double passo = passo_tondo(2.0 * gmax, 6);
    const double lim = std::ceil(gmax / passo) * passo;
    cornice(s, y, h, "Pendenza (‰, positiva in salita)");
    scala_y(s, y, h, -lim, lim, passo, "‰");
    auto py = [&](double v) { return y + h / 2 - v / lim * (h / 2); };
    // One bar per run of cells with the same gradient.
    for (const TrattoCostante& t : l_.pendenze) {
      const long da = t.da, a = t.a;
      const int g = t.valore;
      if (g == 0) continue;
      const double y0 = std::min(py(0), py(g));
      s.con_titolo("rect",
                   "x=\"" + n1(px(da)) + "\" y=\"" + n1(y0) + "\" width=\"" +
                       n1(std::max(px(a) - px(da), 0.6)) + "\" height=\"" +
                       n1(std::abs(py(g) - py(0))) + "\" fill=\"" +
                       (g > 0 ? "#c0392b" : "#2e86c1") + "\" fill-opacity=\"0.75\"",
                   std::to_string(g) + " ‰ da " + km(static_cast<double>(da), 2) + " a " +
                       km(static_cast<double>(a), 2) + " km");
    }
    s.linea(kSinistra, py(0), kDestraProfilo, py(0), "stroke=\"#777\" stroke-width=\"0.8\"");
  }

  void velocita(Svg& s, double y, double h) const {
    int vmax = 50;
    for (const TrattoCostante& t : l_.limiti) vmax = std::max(vmax, t.valore);
    const double passo = passo_tondo(vmax, 6);
    const double lim = std::ceil((vmax + 10) / passo) * passo;
    cornice(s, y, h, "Velocità massima del treno (km/h) e rallentamenti");
    scala_y(s, y, h, 0, lim, passo, "km/h");
    auto py = [&](double v) { return y + h - v / lim * h; };
    std::string punti;
    for (std::size_t i = 0; i < l_.limiti.size(); ++i) {
      const TrattoCostante& t = l_.limiti[i];
      if (i > 0) punti += n1(px(t.da)) + "," + n1(py(l_.limiti[i - 1].valore)) + " ";
      punti += n1(px(t.da)) + "," + n1(py(t.valore)) + " ";
    }
    if (!l_.limiti.empty())
      punti += n1(px(l_.fine_disegno)) + "," + n1(py(l_.limiti.back().valore));
    s.vuoto("polyline", "points=\"" + punti + "\" " + simbolo(Simbolo::kVelocita).stile);
    for (const RallentamentoLinea& r : l_.rallentamenti) {
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
    for (const ElementoLinea& e : l_.segnali) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 3) + " l0 11 M" + n1(x) + " " + n1(y + 3) +
                       " l4 0\" stroke=\"" + kColoreSegnale +
                       "\" stroke-width=\"1.6\" fill=\"none\"",
                   e.descrizione);
    }
    for (const ElementoLinea& e : l_.cartelli) {
      const double x = px(e.posizione);
      s.con_titolo("rect",
                   "x=\"" + n1(x - 2.5) + "\" y=\"" + n1(y + riga + 6) +
                       "\" width=\"5\" height=\"5\" fill=\"" + kColoreCartello + "\"",
                   e.descrizione);
    }
    for (const ElementoLinea& e : l_.indicatori) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 2 * riga + 3.5) +
                       " l4 4.5 l-4 4.5 l-4 -4.5 z\" fill=\"" + kColoreIndicatore + "\"",
                   e.descrizione);
    }
    for (const ElementoLinea& e : l_.avvisi) {
      const double x = px(e.posizione);
      s.con_titolo("path",
                   "d=\"M" + n1(x) + " " + n1(y + 2 * riga + 3) + " l4.5 9 l-9 0 z\" fill=\"" +
                       kColoreRallentamento + "\"",
                   e.descrizione);
    }
    for (const ElementoLinea& e : l_.codici) {
      const ElementoSvg m = marca(simbolo(Simbolo::kCodice), px(e.posizione), y + 3 * riga + 8.5);
      s.con_titolo(m.tag, m.attributi, e.descrizione);
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

  const ElementiLinea& l_;
};

}  // namespace

double disegna_profilo(Svg& s, const ElementiLinea& l, double top) {
  return DisegnoProfilo(l).disegna(s, top);
}

}  // namespace progetto1::strumento
