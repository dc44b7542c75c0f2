#include "tools/binari/significato.h"

#include <cstdio>

#include "compiler/catalogo/catalogo.h"
#include "compiler/progressive.h"
#include "model/costanti.h"
#include "model/cp1252.h"
#include "output/finitura.h"
#include "output/passata_codici.h"

namespace progetto1::strumento {

namespace {

using catalogo::Voce;

// The name of a record's field as the catalogue gives it (1-based).
std::string nome(Voce v, std::size_t campo) {
  return std::string(catalogo::record(v).campi[campo - 1].nome);
}

std::string n(long v) { return std::to_string(v); }

// "s1 3, d1 0": a value packed as first × 10 + second.
std::string coppia(Voce v, std::size_t primo, std::size_t secondo, long valore) {
  return nome(v, primo) + " " + n(valore / 10) + ", " + nome(v, secondo) + " " + n(valore % 10);
}

bool e_stazione(long slot) { return slot >= 1 && slot < kSlotProgressive; }

std::string testo_slot(std::span<const stazione> stazioni, long slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= stazioni.size()) return "";
  return " \"" + da_cp1252(stazioni[static_cast<std::size_t>(slot)].testo) + "\"";
}

void dati(std::vector<Significato>& s, long indice, const cella& c,
          std::span<const stazione> stazioni) {
  auto aggiungi = [&](const char* campo, long valore, std::string spiegazione) {
    s.push_back({campo, valore, std::move(spiegazione)});
  };
  switch (c.genere) {
    case kSegnale: {
      aggiungi("dato1", c.dato1, coppia(Voce::kSegnale, 3, 8, c.dato1));
      aggiungi("dato2", c.dato2, coppia(Voce::kSegnale, 4, 9, c.dato2));
      aggiungi("dato3", c.dato3, coppia(Voce::kSegnale, 5, 10, c.dato3));
      const long resto = c.dato4 % 10;
      aggiungi("dato4", c.dato4,
               nome(Voce::kSegnale, 6) + " " + n(c.dato4 / 10) + ", " + nome(Voce::kSegnale, 2) +
                   " " + n(resto / 3) + ", " + nome(Voce::kSegnale, 7) + " " + n(resto % 3));
      break;
    }
    case kFineRallentamento:
    case kInizioRallentamento:
    case kAvvisoRallentamento:
      aggiungi("dato1", c.dato1, nome(Voce::kRallentamento, 2) + " " + n(c.dato1) + " km/h");
      if (c.dato2 != 0)
        aggiungi("dato2", c.dato2, nome(Voce::kRallentamento, 6) + " " + n(c.dato2));
      if (c.genere != kAvvisoRallentamento) {
        aggiungi("dato3", c.dato3, nome(Voce::kRallentamento, 4) + " " + n(c.dato3));
      }
      break;
    case kPreavviso:
      aggiungi("dato1", c.dato1,
               "marca di preavviso " + n(c.dato1) + " (1 la più vicina all'avviso)");
      break;
    case kIndicatoreVmax: {
      const std::int16_t d[] = {c.dato1, c.dato2, c.dato3};
      const char* campi[] = {"dato1", "dato2", "dato3"};
      // speed s × 20 + speed d / 5, both multiples of 5 below 500.
      for (std::size_t i = 0; i < 3; ++i) {
        aggiungi(campi[i], d[i],
                 nome(Voce::kIndicatoreVmax, 2 + i) + " " + n(d[i] / 100 * kPassoVelocita) +
                     " km/h, " + nome(Voce::kIndicatoreVmax, 6 + i) + " " +
                     n(d[i] % 100 * kPassoVelocita) + " km/h");
      }
      aggiungi("dato4", c.dato4, coppia(Voce::kIndicatoreVmax, 5, 9, c.dato4));
      break;
    }
    case kFermata:
      aggiungi("dato1", c.dato1,
               "fermata della stazione dello slot " + n(c.dato1) + testo_slot(stazioni, c.dato1));
      break;
    case kPuntoCodice:
      aggiungi("dato1", c.dato1,
               c.dato1 == kValoreCodice ? "punto codice del pacchetto (" + n(kValoreCodice) + ")"
                                        : "punto codice scritto a mano (abbattimento)");
      break;
    case kCartello:
      aggiungi("dato1", c.dato1,
               "scritta nello slot " + n(c.dato1) + testo_slot(stazioni, c.dato1));
      break;
    default:
      break;
  }
  // Cell 1 of a finished package carries two values of its own.
  if (indice == 1 && c.genere == kNessuno) {
    if (c.dato1 == kValoreCella1) aggiungi("dato1", c.dato1, "valore fisso del pacchetto");
    if (c.dato2 != 0) aggiungi("dato2", c.dato2, "codice di controllo delle celle");
  }
}

// A signal's approach mark is sx × 30 + dx × 10 + k, a station's 80 + k.
std::string avvicinamento(std::uint8_t a) {
  const long k = a % 10;
  std::string s = "marca " + n(k) + " prima di un segnale con " + nome(Voce::kSegnale, 2) + " " +
                  n(a / 30) + " e " + nome(Voce::kSegnale, 7) + " " + n(a % 30 / 10);
  const long k_stazione = a - kBaseAvvicinamentoStazione;
  if (k_stazione >= 1 && k_stazione <= 4) {
    s = "marca " + n(k_stazione) + " prima della fermata di una stazione, o " + s;
  }
  return s;
}

std::string categoria(std::uint8_t c) {
  std::string zona;
  if (zona_corta(c)) {
    zona = "zona da P - L a P + " + n(kCodaZonaCorta) + ", fermata senza marche di avvicinamento";
  } else if (zona_arretrata(c)) {
    zona = "zona da P - L a P + L";
  } else {
    zona = "zona da P - L/2 a P + L/2";
  }
  if (!zona_corta(c)) {
    zona += c < kCategoriaSenzaFermata ? ", fermata e marche di avvicinamento"
                                       : ", nessuna marca di fermata";
  }
  return "categoria " + n(c) + ": " + zona;
}

}  // namespace

std::string testo_significati(const std::vector<Significato>& s) {
  std::string t;
  for (const Significato& x : s) {
    if (!t.empty()) t += ", ";
    t += x.campo + " " + n(x.valore) + " (" + x.spiegazione + ")";
  }
  return t;
}

std::string velocita_cella(std::uint8_t vel_limite) {
  return n(vel_limite * kPassoVelocita) + " km/h";
}

std::string pendenza_cella(std::uint8_t pendenza) {
  return n(static_cast<long>(pendenza) - kScostamentoPendenza) + " ‰";
}

std::string orario(std::int32_t secondi) {
  char b[32];
  std::snprintf(b, sizeof b, "%ld:%02ld:%02ld", static_cast<long>(secondi / 3600),
                static_cast<long>(secondi / 60 % 60), static_cast<long>(secondi % 60));
  return b;
}

std::string chilometri(std::int64_t metri) {
  char b[40];
  const char* segno = metri < 0 ? "-" : "";
  const std::int64_t m = metri < 0 ? -metri : metri;
  std::snprintf(b, sizeof b, "%s%lld+%03lld", segno, static_cast<long long>(m / 1000),
                static_cast<long long>(m % 1000));
  return b;
}

std::vector<Significato> significato_cella(long indice, const cella& c,
                                           std::span<const stazione> stazioni) {
  std::vector<Significato> s;
  dati(s, indice, c, stazioni);
  if (c.genere == kSegnale) {
    s.push_back({"tempo", c.tempo,
                 c.tempo == 0 ? "nessuno, o " + nome(Voce::kSegnale, 2) + " diverso da 2"
                              : nome(Voce::kSegnale, 11) + " del segnale"});
  }
  if (c.avvicinamento != 0)
    s.push_back({"avvicinamento", c.avvicinamento, avvicinamento(c.avvicinamento)});
  if (c.montagna != 0)
    s.push_back({"montagna", c.montagna, "tratto di montagna di tipo " + n(c.montagna)});
  s.push_back({"vel_limite", c.vel_limite, velocita_cella(c.vel_limite)});
  s.push_back({"pendenza", c.pendenza, pendenza_cella(c.pendenza)});
  s.push_back({"aderenza", c.aderenza, "come nel testo"});
  return s;
}

std::vector<Significato> significato_slot(long slot, const stazione& s) {
  std::vector<Significato> v;
  auto aggiungi = [&](const char* campo, long valore, std::string spiegazione) {
    v.push_back({campo, valore, std::move(spiegazione)});
  };
  if (slot >= kSlotProgressive && slot < kSlotGenerali) {
    const long aggiunta = s.valore3 == 1 ? kAggiuntaProgressiva : 0;
    aggiungi("valore1", s.valore1, "inizio " + n(s.valore1) + " m");
    aggiungi("valore2", s.valore2,
             "progressiva " + chilometri(s.valore2) +
                 (aggiunta != 0 ? " (scritta " + chilometri(s.valore2 - aggiunta) + ", più " +
                                      n(kAggiuntaProgressiva) + " m per il contrassegno 1)"
                                : ""));
    aggiungi("valore3", s.valore3, "contrassegno " + n(s.valore3));
  } else if (slot == kSlotGenerali) {
    aggiungi("valore1", s.valore1, "massa frenata " + n(s.valore1) + " %");
    aggiungi("valore2", s.valore2, "lunghezza della linea " + n(s.valore2) + " m");
    aggiungi("valore3", s.valore3, n(s.valore3) + " vetture");
  } else if (slot == kSlotLinea) {
    aggiungi("valore1", s.valore1, "sfondo uno " + n(s.valore1));
    aggiungi("valore2", s.valore2, "sfondo tre " + n(s.valore2));
    aggiungi("valore3", s.valore3, "sfondo due " + n(s.valore3));
    aggiungi("intero1", s.intero1, "valore fisso del pacchetto");
    aggiungi("valore4", s.valore4, "codice di controllo delle stazioni");
  } else if (slot == kSlotTreno) {
    aggiungi("valore1", s.valore1,
             "ripetizione segnali, " + nome(Voce::kRipetizione, 1) + " " + n(s.valore1) + " m");
    aggiungi("valore2", s.valore2,
             "ripetizione segnali, " + nome(Voce::kRipetizione, 2) + " " + n(s.valore2) + " m");
    aggiungi("valore3", s.valore3, "ripetizione segnali, " + n(s.valore3) + " codici");
    aggiungi("intero1", s.intero1, nome(Voce::kSabbia, 1) + " " + n(s.intero1));
    aggiungi("intero3", s.intero3, "orologio, " + nome(Voce::kOrologio, 1) + " " + n(s.intero3));
    aggiungi("intero4", s.intero4, "orologio, " + nome(Voce::kOrologio, 2) + " " + n(s.intero4));
    aggiungi("intero5", s.intero5, "orologio, " + nome(Voce::kOrologio, 3) + " " + n(s.intero5));
  } else if (e_stazione(slot) && s != stazione{}) {
    stazione solo_testo;
    solo_testo.testo = s.testo;
    if (s == solo_testo) return v;  // a sign: its lettering only
    aggiungi("codice", s.codice, categoria(s.codice));
    aggiungi("valore1", s.valore1, "inizio della zona " + n(s.valore1) + " m");
    aggiungi("valore2", s.valore2, "fine della zona " + n(s.valore2) + " m");
    aggiungi("valore3", s.valore3, nome(Voce::kStazione, 1) + " " + n(s.valore3) + " m");
    aggiungi("valore4", s.valore4, s.valore4 == 0 ? "senza orario" : "orario " + orario(s.valore4));
  }
  return v;
}

std::optional<Tratta> tratta_di(std::int32_t posizione, std::span<const stazione> stazioni) {
  std::optional<Tratta> migliore;
  for (long slot = kSlotProgressive; slot < kSlotGenerali; ++slot) {
    if (static_cast<std::size_t>(slot) >= stazioni.size()) break;
    const stazione& s = stazioni[static_cast<std::size_t>(slot)];
    if (s.valore1 == 0 && s.valore2 == 0 && s.valore3 == 0) continue;
    if (s.valore1 > posizione) continue;
    if (migliore && migliore->inizio >= s.valore1) continue;
    migliore =
        Tratta{slot, s.valore1, s.valore2 - (s.valore3 == 1 ? kAggiuntaProgressiva : 0), s.valore3};
  }
  return migliore;
}

}  // namespace progetto1::strumento
