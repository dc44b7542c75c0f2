#include "tools/disegno/pianta.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "model/costanti.h"
#include "tools/disegno/impaginazione.h"
#include "tools/disegno/simboli.h"

namespace progetto1::strumento {

namespace {

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

  bool vuoto(long i) const { return punto_vuoto(piano_, i); }
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

  void disegna(Svg& s, const ElementiLinea& l, double top) {
    top_ = top;
    s.testo(kSinistra, top - 12, "Pianta della linea (vista dall'alto)",
            "font-size=\"15\" font-weight=\"bold\" fill=\"#333\"");
    assi(s);

    // Mountain stretches under the line, slow-downs over it.
    for (const auto& [da, a] : l.montagne) {
      s.vuoto("polyline", tratto(Simbolo::kMontagna, da, a, 10));
    }
    s.vuoto("polyline", tratto(Simbolo::kOltreLaFine, fine_linea_, ultimo_, 25));
    s.vuoto("polyline", tratto(Simbolo::kLinea, 0, fine_linea_, 25));
    for (const RallentamentoLinea& r : l.rallentamenti) {
      s.con_titolo(
          "polyline",
          tratto(Simbolo::kRallentamento, r.inizio, std::max(r.fine, r.inizio + kMetriCella), 10),
          "rallentamento a " + std::to_string(r.velocita) + " km/h da " +
              km(static_cast<double>(r.inizio), 2) + " a " + km(static_cast<double>(r.fine), 2) +
              " km");
    }
    pietre_chilometriche(s, l);
    const Punto origine{schermo(0).x, schermo(0).y + 20};
    s.testo(origine.x, origine.y + 4, "origine",
            "font-size=\"10\" fill=\"#666\" font-style=\"italic\" text-anchor=\"middle\"");
    occupati_.push_back({origine.x - 20, origine.y - 6, origine.x + 20, origine.y + 6});
    for (const ElementoLinea& e : l.indicatori) {
      marca_con_titolo(s, Simbolo::kIndicatore, laterale(e.posizione, -7), e.descrizione);
    }
    for (const ElementoLinea& e : l.cartelli) {
      marca_con_titolo(s, Simbolo::kCartello, laterale(e.posizione, 7), e.descrizione);
    }
    for (const ElementoLinea& e : l.avvisi) {
      marca_con_titolo(s, Simbolo::kAvviso, laterale(e.posizione, -7), e.descrizione);
    }
    for (const ElementoLinea& e : l.segnali) {
      marca_con_titolo(s, Simbolo::kSegnale, schermo(e.posizione), e.descrizione);
    }
    stazioni(s, l);
  }

 private:
  static void marca_con_titolo(Svg& s, Simbolo simbolo_, const Punto& p,
                               const std::string& titolo) {
    const ElementoSvg e = marca(simbolo(simbolo_), p.x, p.y);
    s.con_titolo(e.tag, e.attributi, titolo);
  }

  // The track from da to a drawn as the symbol's line.
  std::string tratto(Simbolo simbolo_, long da, long a, long passo) const {
    return "points=\"" + punti(da, a, passo) + "\" " + simbolo(simbolo_).stile;
  }

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

  void pietre_chilometriche(Svg& s, const ElementiLinea& l) {
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

  void stazioni(Svg& s, const ElementiLinea& l) {
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
      const bool ferma = st.categoria < kCategoriaSenzaFermata;
      marca_con_titolo(s, ferma ? Simbolo::kStazioneConFermata : Simbolo::kStazioneSenzaFermata,
                       schermo(st.posizione), descrizione_stazione(st));
    }
    for (std::size_t i = 0; i < etichette.size(); ++i) {
      const Riquadro& r = etichette[i].riquadro;
      s.testo(r.x0, (r.y0 + r.y1) / 2 + 4.2, l.stazioni[i].nome,
              "font-size=\"12\" fill=\"#111\" paint-order=\"stroke\" stroke=\"white\" "
              "stroke-width=\"3\" stroke-linejoin=\"round\"");
    }
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

}  // namespace

MisurePianta disegna_pianta(Svg& s, const Piano& piano, const ElementiLinea& l, double top) {
  DisegnoPiano disegno(piano, l.lunghezza);
  disegno.disegna(s, l, top);
  return {disegno.bordo_destro(), disegno.altezza()};
}

}  // namespace progetto1::strumento
