#include "tools/disegno/simboli.h"

#include <cstdio>

#include "tools/disegno/impaginazione.h"

namespace progetto1::strumento {

namespace {

std::string q(const char* colore) { return std::string("\"") + colore + "\""; }

// A mark filled with its colour, its thin white rim keeping it apart from the
// line under it.
std::string pieno(const char* colore) {
  return "fill=" + q(colore) + " stroke=\"white\" stroke-width=\"0.8\"";
}

// A stroke along the track in `colore`, with the rest of its attributes.
std::string tratto(const char* colore, const char* resto) {
  return "fill=\"none\" stroke=" + q(colore) + " " + resto;
}

const std::vector<VoceSimbolo> kSimboli = {
    {Simbolo::kLinea, Forma::kTratto, 0,
     tratto(kColoreLinea, "stroke-width=\"2.5\" stroke-linejoin=\"round\""), "linea"},
    {Simbolo::kOltreLaFine, Forma::kTratto, 0,
     tratto("#9aa5b1", "stroke-width=\"2\" stroke-dasharray=\"6 4\""),
     "celle oltre la fine della linea"},
    {Simbolo::kStazioneConFermata, Forma::kCerchio, 5,
     "fill=" + q(kColoreStazione) + " stroke=" + q(kColoreStazione) + " stroke-width=\"1.6\"",
     "stazione con fermata"},
    {Simbolo::kStazioneSenzaFermata, Forma::kCerchio, 5,
     "fill=\"white\" stroke=" + q(kColoreStazione) + " stroke-width=\"1.6\"",
     "stazione senza segno di fermata"},
    {Simbolo::kSegnale, Forma::kCerchio, 3, pieno(kColoreSegnale), "segnale"},
    {Simbolo::kCartello, Forma::kQuadrato, 3, pieno(kColoreCartello), "cartello indicatore"},
    {Simbolo::kIndicatore, Forma::kRombo, 4.5, pieno(kColoreIndicatore),
     "indicatore di velocità massima"},
    {Simbolo::kRallentamento, Forma::kTratto, 0,
     tratto(kColoreRallentamento,
            "stroke-width=\"8\" stroke-opacity=\"0.8\" stroke-linecap=\"round\""),
     "rallentamento"},
    {Simbolo::kAvviso, Forma::kTriangolo, 5, pieno(kColoreRallentamento),
     "avviso di rallentamento"},
    {Simbolo::kMontagna, Forma::kTratto, 0,
     tratto(kColoreMontagna,
            "stroke-opacity=\"0.35\" stroke-width=\"11\" stroke-linecap=\"round\""),
     "tratto di montagna"},
    {Simbolo::kCodice, Forma::kCerchio, 2.2, "fill=" + q(kColoreCodice), "punto codice"},
    {Simbolo::kVelocita, Forma::kTratto, 0, tratto(kColoreIndicatore, "stroke-width=\"2\""),
     "velocità massima del treno"},
};

// A size in a path or attribute: "4.5", "5", "10".
std::string g(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%g", v);
  return b;
}

}  // namespace

const std::vector<VoceSimbolo>& simboli() { return kSimboli; }

const VoceSimbolo& simbolo(Simbolo s) { return kSimboli[static_cast<std::size_t>(s)]; }

ElementoSvg marca(const VoceSimbolo& v, double x, double y) {
  const double m = v.misura;
  switch (v.forma) {
    case Forma::kCerchio:
      return {"circle", "cx=\"" + n1(x) + "\" cy=\"" + n1(y) + "\" r=\"" + g(m) + "\" " + v.stile};
    case Forma::kQuadrato:
      return {"rect", "x=\"" + n1(x - m) + "\" y=\"" + n1(y - m) + "\" width=\"" + g(2 * m) +
                          "\" height=\"" + g(2 * m) + "\" " + v.stile};
    case Forma::kRombo:
      return {"path", "d=\"M" + n1(x) + " " + n1(y - m) + " l" + g(m) + " " + g(m) + " l-" + g(m) +
                          " " + g(m) + " l-" + g(m) + " -" + g(m) + " z\" " + v.stile};
    case Forma::kTriangolo:
      return {"path", "d=\"M" + n1(x) + " " + n1(y - m) + " l" + g(m) + " " + g(1.8 * m) + " l-" +
                          g(2 * m) + " 0 z\" " + v.stile};
    case Forma::kTratto:
      break;
  }
  // A line's mark is a short stretch of it.
  return {"line", "x1=\"" + n1(x - 11) + "\" y1=\"" + n1(y) + "\" x2=\"" + n1(x + 11) + "\" y2=\"" +
                      n1(y) + "\" " + v.stile};
}

double legenda(Svg& s, double x, double y) {
  const double riga = 21;
  const double h = riga * static_cast<double>(kSimboli.size()) + 30;
  s.rettangolo(x, y, 250, h, "fill=\"white\" stroke=\"#c8ced6\" rx=\"6\"");
  s.testo(x + 12, y + 20, "Legenda", "font-size=\"13\" font-weight=\"bold\" fill=\"#333\"");
  double cy = y + 44;
  for (const VoceSimbolo& v : kSimboli) {
    const ElementoSvg e = marca(v, x + 14 + 9, cy);
    s.vuoto(e.tag, e.attributi);
    s.testo(x + 44, cy + 4, v.legenda, "font-size=\"11\" fill=\"#333\"");
    cy += riga;
  }
  return y + h;
}

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
  const VoceSimbolo& velocita = simbolo(Simbolo::kVelocita);
  voce("<line x1=\"" + n1(x) + "\" y1=\"" + n1(y) + "\" x2=\"" + n1(x + 16) + "\" y2=\"" + n1(y) +
           "\" " + velocita.stile + "/>\n",
       velocita.legenda);
  voce(quadro(kColoreRallentamento, "0.6"), "rallentamento");
  voce(quadro(kColoreMontagna, "0.25"), "tratto di montagna");
  voce(quadro(kColoreStazione, "0.55"), "zona di stazione");
  s.testo(x, y + 4, "(pianta non disponibile: compilata senza piano)",
          "font-size=\"11\" fill=\"#777\" font-style=\"italic\"");
}

}  // namespace progetto1::strumento
