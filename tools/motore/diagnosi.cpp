#include "tools/motore/diagnosi.h"

#include <cmath>

#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/numeri.h"
#include "model/stazione.h"
#include "tools/binari/decodifica.h"

namespace progetto1::strumento {

namespace {

const char* const kNessunFile = "nessun file scritto";

std::string intestazione(const std::string& file, long riga, long colonna, const std::string& resto,
                         FormaLuogo forma) {
  std::string s = testo_luogo(file, riga, colonna, forma);
  s += ' ';
  s += resto;
  s += '\n';
  return s;
}

std::string frase_di(std::int32_t codice) {
  const VoceErrore* v = voce_errore(codice);
  return v != nullptr ? v->frase : "codice che il pacchetto non usa";
}

// The register's code with its record and position.
std::string diagnosi_registro(const EsitoCompilazione& e, const std::string& file_linea,
                              const std::string& file_treno, FormaLuogo forma) {
  const VoceErrore* v = voce_errore(e.codice_errore);
  const bool da_passata = v != nullptr && v->origine == Origine::kPassata;
  std::string file = v != nullptr && v->origine != Origine::kLinea ? file_treno : file_linea;
  long riga = 0;
  long colonna = 0;
  std::string testo_riga;
  // The trace tells where the reader recorded its code; the signal-code pass
  // runs after the reader and leaves no trace of its own.
  if (!da_passata && e.traccia.luogo.testo != Luogo::Testo::kNessuno) {
    file = e.traccia.luogo.testo == Luogo::Testo::kLinea ? file_linea : file_treno;
    riga = e.traccia.luogo.riga;
    colonna = e.traccia.luogo.colonna;
    testo_riga = e.traccia.testo_riga;
  }
  if (!da_passata && e.traccia.causa.has_value()) {
    // The record that recorded the code (a line record beyond the track);
    // the train text only stopped where the code was looked at again.
    const Traccia::Causa& causa = *e.traccia.causa;
    const std::string file_causa =
        causa.luogo.testo == Luogo::Testo::kTreno ? file_treno : file_linea;
    std::string s = intestazione(
        file_causa, causa.luogo.riga, causa.luogo.colonna,
        "errore " + std::to_string(e.codice_errore) + ": " + frase_di(e.codice_errore), forma);
    s += riga_con_segno(da_cp1252(causa.testo_riga), causa.luogo.colonna);
    s += "    " + testo_posizione(e.codice_errore, causa.posizione) + "\n";
    s += intestazione(file, riga, colonna,
                      "nota: con il codice " + std::to_string(e.codice_errore) +
                          " ancora registrato la lettura del treno si è fermata "
                          "qui (posizione registrata " +
                          std::to_string(e.posizione_errore) + " m)",
                      forma);
    s += riga_con_segno(da_cp1252(testo_riga), colonna);
    return s;
  }
  std::string s = intestazione(
      file, riga, colonna,
      "errore " + std::to_string(e.codice_errore) + ": " + frase_di(e.codice_errore), forma);
  s += riga_con_segno(da_cp1252(testo_riga), colonna);
  const std::string posizione = testo_posizione(e.codice_errore, e.posizione_errore);
  if (!posizione.empty()) s += "    " + posizione + "\n";
  return s;
}

std::string descrivi_cella1(const cella& c) {
  return "la cella 1 (posizione 0 m) contiene: " + nome_genere(c.genere) + " (genere " +
         std::to_string(c.genere) + ", dato1 " + std::to_string(c.dato1) + ", dato2 " +
         std::to_string(c.dato2) + ")";
}

// Which text put something into cell 1: signs and speed boards come from the
// line text, every other feature from the train text.
bool cella1_dalla_linea(const cella& c) {
  return c.genere == kIndicatoreVmax || c.genere == kCartello || c.genere == kNessuno;
}

}  // namespace

std::string riga_con_segno(const std::string& testo_riga, long colonna) {
  if (testo_riga.empty()) return "";
  std::string s = "    " + testo_riga + "\n";
  if (colonna <= 0) return s;
  s += "    ";
  long carattere = 1;
  for (std::size_t i = 0; i < testo_riga.size() && carattere < colonna; ++i) {
    const char c = testo_riga[i];
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;  // inside a UTF-8 character
    s += c == '\t' ? '\t' : ' ';
    ++carattere;
  }
  s += "^\n";
  return s;
}

long cella_posizione(std::int32_t codice, std::int32_t posizione) {
  const VoceErrore* v = voce_errore(codice);
  if (v == nullptr) return 0;
  switch (v->posizione) {
    case TipoPosizione::kNessuna:
      return 0;
    case TipoPosizione::kRecord:
      return std::lround(arrotonda(in_celle(posizione) + 1.0));
    case TipoPosizione::kCellaPrima:
      return std::lround(arrotonda(in_celle(posizione)));
    case TipoPosizione::kIndiceCella:
      return posizione / kMetriCella;
  }
  return 0;
}

std::string testo_posizione(std::int32_t codice, std::int32_t posizione) {
  const VoceErrore* v = voce_errore(codice);
  if (v == nullptr || v->posizione == TipoPosizione::kNessuna) return "";
  const long indice = cella_posizione(codice, posizione);
  return "posizione " + std::to_string(posizione) + " m, cella " + std::to_string(indice);
}

std::string testo_luogo(const std::string& file, long riga, long colonna, FormaLuogo forma) {
  std::string s = file;
  if (riga > 0) {
    const bool vs = forma == FormaLuogo::kVisualStudio;
    s += vs ? '(' : ':';
    s += std::to_string(riga);
    if (colonna > 0) {
      s += vs ? ',' : ':';
      s += std::to_string(colonna);
    }
    if (vs) s += ')';
  }
  s += ':';
  return s;
}

std::string diagnosi(const EsitoCompilazione& e, const std::string& file_linea,
                     const std::string& file_treno, FormaLuogo forma) {
  std::string s;
  if (e.codice_errore != 0) s += diagnosi_registro(e, file_linea, file_treno, forma);
  switch (e.fatale) {
    case Fatale::kNessuno:
      break;
    case Fatale::k1250:
    case Fatale::k1251: {
      const CodiceErrore codice = e.fatale == Fatale::k1250 ? CodiceErrore::kValoriPacchetto
                                                            : CodiceErrore::kCodiciControllo;
      const bool valori = codice == CodiceErrore::kValoriPacchetto;
      const bool in_cella =
          e.cella1.has_value() && (valori ? e.cella1->dato1 != 0 : e.cella1->dato2 != 0);
      const std::string& file =
          in_cella && !cella1_dalla_linea(*e.cella1) ? file_treno : file_linea;
      s += intestazione(
          file, 0, 0,
          "errore " + testo_codice(codice) + ": " + voce_errore(codice).frase + "; " + kNessunFile,
          forma);
      if (in_cella) s += "    " + descrivi_cella1(*e.cella1) + "\n";
      if (valori && e.slot_linea.intero1 != 0) {
        s += "    lo slot " + std::to_string(kSlotLinea) +
             " ha intero1 = " + std::to_string(e.slot_linea.intero1) + "\n";
      }
      if (!valori && e.slot_linea.valore4 != 0) {
        s += "    lo slot " + std::to_string(kSlotLinea) +
             " ha valore4 = " + std::to_string(e.slot_linea.valore4) + "\n";
      }
      break;
    }
    case Fatale::kSenzaPercorso:
      s += intestazione(file_linea, 0, 0,
                        std::string("errore: la lettura del testo della linea si è fermata prima "
                                    "di \"lunghezza percorso\", quindi non esiste nessuna cella "
                                    "del percorso; ") +
                            kNessunFile,
                        forma);
      break;
    case Fatale::kGuasto:
      s += intestazione(file_linea, 0, 0,
                        "errore: guasto " + e.guasto + " durante la finitura; " + kNessunFile,
                        forma);
      break;
  }
  return s;
}

const char* nome_fatale(Fatale f) {
  switch (f) {
    case Fatale::kNessuno:
      return nullptr;
    case Fatale::k1250:
      return "1250";
    case Fatale::k1251:
      return "1251";
    case Fatale::kSenzaPercorso:
      return "no-track";
    case Fatale::kGuasto:
      return "guasto";
  }
  return nullptr;
}

}  // namespace progetto1::strumento
