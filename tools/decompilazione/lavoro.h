// What the parts of the decompiler share: the work state over the files'
// cells and slots, the refusal that names where no text gives them, the
// helpers that write a record's line, and each part's entry points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/cella.h"
#include "model/costanti.h"
#include "model/stazione.h"
#include "tools/binari/decodifica.h"
#include "tools/decompilazione/decompilazione.h"

namespace progetto1::strumento::decompilazione {

using Righe = std::vector<std::string>;

// The files hold something no text gives; the reason names where.
struct Rifiuto {
  std::string motivo;
};

inline std::string numero(long long v) { return std::to_string(v); }

inline std::string riga(const std::string& chiave, std::initializer_list<long long> valori) {
  std::string r = chiave;
  for (long long v : valori) {
    r += ",  ";
    r += numero(v);
  }
  return r;
}

inline long long div_giu(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}
inline long long mod_giu(long long a, long long b) { return a - b * div_giu(a, b); }

inline std::string cella_n(long c) { return "cella " + numero(c); }
inline std::string slot_n(long s) { return "slot " + numero(s); }

// A text the field reader gives back as it stands: no comma or line end in
// it, no blank at either end, no opening double quote, and every byte one
// that the writers' code page conversion keeps. The UTF-8 text, or the
// refusal.
std::string testo_campo(const std::string& cp1252, const std::string& dove);

struct Lavoro {
  Lavoro(std::vector<cella> c, std::vector<stazione> s) : celle(std::move(c)), slot(std::move(s)) {
    ultima = static_cast<long>(celle.size()) - 1;
  }
  std::vector<cella> celle;  // cell 1 without the package's two values
  std::vector<stazione> slot;
  long ultima = 0;
  std::vector<Nota> note;

  void nota(Nota::Luogo luogo, long indice, std::string testo) {
    note.push_back(Nota{luogo, indice, std::move(testo)});
  }
  // The readers' bound check on a position.
  void entro(long posizione, long margine, const std::string& dove) const {
    if (in_celle(static_cast<std::int32_t>(posizione + margine)) > ultima) {
      throw Rifiuto{dove + ": la posizione " + numero(posizione) +
                    " m non passa il controllo dei limiti del percorso"};
    }
  }
};

// ---- The line text (testo_linea.cpp) ------------------------------------

Righe generale_linea(Lavoro& w);
Righe serie(const Lavoro& w, const char* chiave, std::uint8_t cella::*campo, const char* nome,
            const std::function<long long(std::uint8_t)>& valore, bool chiusa = false);
Righe curve(Lavoro& w, const Piano& piano, long estesa, bool& fermata);
Righe montagne(Lavoro& w);
std::string indicatore_riga(Lavoro& w, long c, const cella& x);
Righe indicatori(Lavoro& w);
Righe cartelli(Lavoro& w, long& ultimo_slot);

// ---- The train text (testo_treno.cpp) -----------------------------------

struct Evento {
  enum class Tipo { kStazione, kSegnale } tipo;
  long chiave;  // natural place in the text: the record's cell
  std::string riga;
  std::vector<std::pair<long, std::uint8_t>> segni;  // approach marks it writes
  long prima_di = -1;                                // an event that must come after it
};

std::string stazione_riga(Lavoro& w, long n, std::vector<std::pair<long, std::uint8_t>>& segni,
                          long& cella_fermata);
std::string segnale_riga(Lavoro& w, long c, const cella& x,
                         std::vector<std::pair<long, std::uint8_t>>& segni);
Righe rallentamenti(Lavoro& w);
std::vector<const Evento*> ordina_eventi(const Lavoro& w, const std::vector<Evento>& eventi);
std::set<long> segnali_coperti(Lavoro& w, std::vector<Evento>& eventi,
                               const std::map<long, std::size_t>& stazione_della_fermata);
void coperti_dai_valori(Lavoro& w, std::vector<Evento>& eventi, const std::set<long>& presi,
                        const std::map<long, std::size_t>& stazione_della_fermata,
                        Righe& indicatori);

// ---- Comparison (confronto.cpp) -------------------------------------------

// The first differences between the files' records and those the texts
// compiled to, named for people.
void differenze_stazioni(const std::vector<stazione>& attese, const std::vector<stazione>& ottenute,
                         std::vector<std::string>& d);
void differenze_celle(const std::vector<cella>& attese, const std::vector<cella>& ottenute,
                      std::vector<std::string>& d);
void differenze_piano(const Piano& atteso, const Piano& ottenuto, std::vector<std::string>& d);

}  // namespace progetto1::strumento::decompilazione
