// Reads the embedded scenario through the package's own readers.
#include "ricerca_curve/linea.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "compiler/campi.h"
#include "compiler/memorizza_dati.h"
#include "compiler/piano.h"
#include "model/archivio_memoria.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/pacchetto.h"
#include "scenario/incorporato/curve_corsanta.h"
#include "scenario/scrittori/testi.h"

namespace progetto1::ricerca_curve {

namespace {

Linea leggi_linea() {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  p.con_tabella = 1;
  ArchivioMemoria archivio;
  dati_linea(p, archivio);
  dati_treno(p, archivio);
  const std::string treno = archivio.file.at(nome_testo_treno(p));
  memorizza_dati(p, archivio);
  if (p.codice_errore != 0) {
    std::fprintf(stderr, "the embedded scenario records code %d\n", p.codice_errore);
    std::exit(2);
  }
  Linea l;
  l.fine_linea = p.stazioni[kSlotGenerali].valore2;
  l.ultimo_punto = p.lunghezza_estesa - 2;
  l.fine_x = p.tabella_linea.valore(l.ultimo_punto, 0);
  l.fine_y = p.tabella_linea.valore(l.ultimo_punto, 1);
  for (const std::string& riga : righe_curve_corsanta()) {
    LettoreCampi c(riga);
    const std::string chiave = minuscole(c.leggi_testo());
    Curva k;
    k.lato = chiave.find('s') != std::string::npos ? 's' : 'd';
    k.grado = grado_curva(chiave);
    k.inizio = c.leggi_long();
    k.lunghezza = c.leggi_long();
    l.curve.push_back(k);
  }
  // The speed records, field by field as the train reader finds them.
  LettoreCampi c(treno);
  while (!c.alla_fine()) {
    if (minuscole(c.leggi_testo()).find("velocit") == std::string::npos) continue;
    const int da = c.leggi_long();
    const int kmh = c.leggi_long();
    l.limiti.push_back({da, kmh});
  }
  return l;
}

}  // namespace

const Linea& linea() {
  static const Linea l = leggi_linea();
  return l;
}

int numero_curve() { return static_cast<int>(linea().curve.size()); }
int inizio_primo() { return linea().curve.front().inizio; }
int inizio_ultimo() { return linea().curve.back().inizio; }
int ultimo_punto() { return linea().ultimo_punto; }

}  // namespace progetto1::ricerca_curve
