#include "scenario/scrittori/testi.h"

#include "scenario/scrittori/scrittore_testi.h"

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

namespace {

// The embedded texts under the names of `p`.
Scenario scenario_di(const Pacchetto& p) {
  return {p.nome_linea,    p.numero_treno,         righe_linea(p), righe_treno(p),
          righe_scheda(p), righe_rallentamenti(p), righe_note(p)};
}

}  // namespace

Scenario scenario_incorporato() {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  return scenario_di(p);
}

void scrivi_testi(Pacchetto& p, Archivio& archivio) { scrivi_testi(p, scenario_di(p), archivio); }

void scrivi_testi(Pacchetto& p, const Scenario& s, Archivio& archivio) {
  scrivi_testo(archivio, nome_testo_linea(p), s.linea, p.contatore);
  scrivi_testo(archivio, nome_testo_treno(p), s.treno, p.contatore);
  scrivi_testo(archivio, nome_note(p), s.note, p.contatore);
  scrivi_testo(archivio, nome_rallentamenti(p), s.rallentamenti, p.contatore);
  scrivi_testo(archivio, nome_scheda(p), s.scheda, p.contatore);
}

}  // namespace progetto1
