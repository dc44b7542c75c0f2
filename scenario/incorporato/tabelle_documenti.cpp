#include "scenario/incorporato/tabelle_documenti.h"

#include "model/guasto.h"

namespace progetto1 {

namespace {

// The columns a value may take inside a field, bounds included; the blanks
// left around them keep the value apart from the bars.
struct Campo {
  std::size_t primo;
  std::size_t ultimo;
};

void controlla_testo(std::string_view valore) {
  // The tables are written byte for byte: a character outside ASCII would
  // change its width on the way to the code page.
  for (const char c : valore) {
    if (static_cast<unsigned char>(c) >= 0x80) throw Guasto::overflow();
  }
}

// Puts `valore` so that its last character falls on column `fine`.
void a_destra(std::string& riga, Campo campo, std::size_t fine, std::string_view valore) {
  controlla_testo(valore);
  if (fine > campo.ultimo || valore.size() > fine + 1 - campo.primo) throw Guasto::overflow();
  riga.replace(fine + 1 - valore.size(), valore.size(), valore);
}

// Puts `valore` from column `inizio` on.
void a_sinistra(std::string& riga, Campo campo, std::size_t inizio, std::string_view valore) {
  controlla_testo(valore);
  if (inizio < campo.primo || inizio + valore.size() > campo.ultimo + 1) throw Guasto::overflow();
  riga.replace(inizio, valore.size(), valore);
}

void al_centro(std::string& riga, Campo campo, std::string_view valore) {
  const std::size_t larghezza = campo.ultimo + 1 - campo.primo;
  if (valore.size() > larghezza) throw Guasto::overflow();
  a_sinistra(riga, campo, campo.primo + (larghezza - valore.size()) / 2, valore);
}

// Timetable sheet fields.
constexpr Campo kVelocitaScheda{3, 5};
constexpr Campo kProgressiva{14, 23};
constexpr Campo kLocalita{32, 58};
constexpr Campo kOrario{61, 74};
constexpr Campo kRecupero{77, 81};

// Slow-down order fields.
constexpr Campo kNumero{2, 4};
constexpr Campo kStazione{7, 33};
constexpr Campo kCippo{36, 45};
constexpr Campo kVelocitaRallentamento{49, 56};
constexpr Campo kLunghezza{60, 66};
constexpr Campo kPrescrizione{70, 79};

}  // namespace

std::string testo_orario(Orario orario) {
  if (orario.ore < 0 || orario.minuti < 0 || orario.minuti > 59) throw Guasto::overflow();
  const char decine = static_cast<char>('0' + orario.minuti / 10);
  const char unita = static_cast<char>('0' + orario.minuti % 10);
  return std::to_string(orario.ore) + '.' + decine + unita;
}

std::string testo_progressiva(std::int32_t metri) {
  if (metri < 0) throw Guasto::overflow();
  std::string resto = std::to_string(metri % 1000);
  resto.insert(0, 3 - resto.size(), '0');
  return std::to_string(metri / 1000) + '.' + resto;
}

std::string riga_scheda(const RigaScheda& riga) {
  std::string testo(kRigaVuotaScheda);
  if (riga.velocita != 0) a_destra(testo, kVelocitaScheda, 5, std::to_string(riga.velocita));
  if (riga.progressiva) a_destra(testo, kProgressiva, 23, testo_progressiva(*riga.progressiva));
  a_sinistra(testo, kLocalita, 32, riga.testo);
  if (riga.arrivo && riga.partenza) {
    a_destra(testo, kOrario, 66, testo_orario(*riga.arrivo));
    a_sinistra(testo, kOrario, 67, " - ");
    a_sinistra(testo, kOrario, 70, testo_orario(*riga.partenza));
  } else if (riga.arrivo || riga.partenza) {
    a_destra(testo, kOrario, 70, testo_orario(riga.arrivo ? *riga.arrivo : *riga.partenza));
  }
  if (riga.recupero_decimi < 0) throw Guasto::overflow();
  if (riga.recupero_decimi > 0) {
    std::string recupero = std::to_string(riga.recupero_decimi / 10);
    if (riga.recupero_decimi % 10 != 0) {
      recupero += '.';
      recupero += static_cast<char>('0' + riga.recupero_decimi % 10);
    }
    al_centro(testo, kRecupero, recupero);
  }
  return testo;
}

RigaScheda cambio_velocita_km(std::int32_t velocita, std::int32_t progressiva) {
  return {.velocita = velocita,
          .progressiva = progressiva,
          .testo = "km " + testo_progressiva(progressiva)};
}

RigaScheda cambio_velocita_cippo(std::int32_t velocita, std::int32_t progressiva) {
  return {.velocita = velocita,
          .progressiva = progressiva,
          .testo = "cippo km " + testo_progressiva(progressiva)};
}

std::string riga_rallentamento(const RigaRallentamento& riga) {
  std::string testo(kRigaVuotaRallentamenti);
  a_destra(testo, kNumero, 3, std::to_string(riga.numero));
  a_sinistra(testo, kStazione, 7, riga.stazione);
  a_destra(testo, kCippo, 41, std::to_string(riga.cippo));
  a_destra(testo, kVelocitaRallentamento, 53, std::to_string(riga.velocita));
  a_destra(testo, kLunghezza, 64, std::to_string(riga.lunghezza));
  a_sinistra(testo, kPrescrizione, 74, std::string_view(&riga.prescrizione, 1));
  return testo;
}

}  // namespace progetto1
