// The codes of the error register and of the finishing stage's message box,
// with what each one means. Every place that records or raises a code names
// it here; the register itself keeps the code's number.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace progetto1 {

enum class CodiceErrore : std::int32_t {
  kLunghezzaOltreIlMassimo = 1,
  kProgressivaNonMultipla = 2,
  kRipetizionePrimoNonMultiplo = 3,
  kRipetizioneSecondoNonMultiplo = 4,
  kRipetizioneSenzaCodici = 5,
  kCartelloOccupato = 6,
  kAbbattimentoOccupato = 7,
  kStazioneNonMultipla = 8,
  kMarciapiedeNonMultiplo = 9,
  kTabellaStazioniPiena = 10,
  kSegnaleSenzaCodice = 11,
  kInizioSenzaCodice = 12,
  kRallentamentoSenzaCodice = 13,
  kOltreIlPercorso = 15,
  kSegnaleOccupato = 16,
  kAvvisoOccupato = 17,
  kInizioRallentamentoOccupato = 18,
  kFineRallentamentoOccupato = 19,
  kPreavvisoOccupato = 20,
  kIndicatoreOccupato = 21,
  kStazioniTroppoVicine = 22,
  kFermataSullaCellaUno = 24,
  kLettura = 25,
  kTestoLineaAssente = 101,
  kSenzaGenerale = 102,
  kCurvaNonValida = 103,
  kValoriPacchetto = 1250,  // raised: the message box
  kCodiciControllo = 1251,  // raised: the message box
};

constexpr std::int32_t numero(CodiceErrore c) { return static_cast<std::int32_t>(c); }
// "1250": the code as the message box and the diagnostics show it.
inline std::string testo_codice(CodiceErrore c) { return std::to_string(numero(c)); }

// Which position goes with a code in posizione_errore.
enum class TipoPosizione {
  kNessuna,      // none: the register keeps an older, unrelated value
  kRecord,       // a record's position; its cell is p / 50 + 1
  kCellaPrima,   // an "abbattimento" position; the cell tested is p / 50
  kIndiceCella,  // a cell index times 50, set by the signal-code pass
};

// Which text a code comes from, when the reader's trace does not say.
enum class Origine { kLinea, kTreno, kPassata, kFinitura };

struct VoceErrore {
  CodiceErrore codice;
  const char* frase;  // the meaning, in Italian (UTF-8)
  TipoPosizione posizione;
  Origine origine;
};

// Every code, in ascending order.
std::span<const VoceErrore> tabella_errori();
const VoceErrore& voce_errore(CodiceErrore c);
// nullptr for a number that is no code of the package.
const VoceErrore* voce_errore(std::int32_t numero);

}  // namespace progetto1
