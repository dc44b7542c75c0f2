#include "scenario/testi.h"

#include "scenario/scrittore_testi.h"

namespace progetto1 {

void dati_linea(Pacchetto& p, Archivio& archivio) {
  scrivi_testo(archivio, nome_testo_linea(p), righe_linea(p), p.contatore);
}

void dati_treno(Pacchetto& p, Archivio& archivio) {
  scrivi_testo(archivio, nome_testo_treno(p), righe_treno(p), p.contatore);
}

void dati_scheda(Pacchetto& p, Archivio& archivio) {
  scrivi_testo(archivio, nome_scheda(p), righe_scheda(p), p.contatore);
}

void dati_rallentamenti(Pacchetto& p, Archivio& archivio) {
  scrivi_testo(archivio, nome_rallentamenti(p), righe_rallentamenti(p), p.contatore);
}

void dati_note(Pacchetto& p, Archivio& archivio) {
  scrivi_testo(archivio, nome_note(p), righe_note(p), p.contatore);
}

void scrivi_testi(Pacchetto& p, Archivio& archivio) {
  dati_linea(p, archivio);
  dati_treno(p, archivio);
  dati_note(p, archivio);
  dati_rallentamenti(p, archivio);
  dati_scheda(p, archivio);
}

}  // namespace progetto1
