#include "tools/disegno/mappa.h"

#include <algorithm>

#include "tools/disegno/impaginazione.h"
#include "tools/disegno/pianta.h"
#include "tools/disegno/profilo.h"
#include "tools/disegno/simboli.h"

namespace progetto1::strumento {

std::string disegna_mappa(const DatiMappa& d) {
  const ElementiLinea l = raccogli_elementi(d);
  Svg corpo;
  double y = 78;
  const bool con_piano =
      d.piano.has_value() && d.piano->x.size() >= 2 && d.piano->x.size() == d.piano->y.size();
  if (con_piano) {
    const MisurePianta pianta = disegna_pianta(corpo, *d.piano, l, y + 24);
    const double fine_legenda =
        legenda(corpo, std::min(pianta.bordo_destro + 40, kDestraPiano + 60), y + 24);
    y = std::max(y + 24 + pianta.altezza + 40, fine_legenda + 20);
  } else {
    legenda_profilo(corpo, y + 6);
    y += 30;
  }
  const double altezza = disegna_profilo(corpo, l, y + 10);

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
