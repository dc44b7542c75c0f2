// The placement procedures: each turns one record of a description text into
// marks on the track cells. They trust the reader's bound check on the
// record's first position; a cell outside the array is the index failure,
// which the reader turns into its code 25. A refused placement sets only
// codice_errore and returns; the reader records the position and stops.
#pragma once

#include <cstdint>
#include <utility>

#include "model/pacchetto.h"

namespace progetto1 {

// A mountain stretch from inizio to fine. tipo above kMontagnaConMarcatori
// means that much less, with markers; a stretch starting at most
// kDistanzaMontagneUnite after the previous one ends becomes
// kTipoMontagnaUnita (model/costanti.h). tipo is left as the kind that was
// laid.
void memo_montagna(Pacchetto& p, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);
// The first and last cell a stretch from inizio to fine lays its kind on;
// none when the first lies beyond the last.
std::pair<std::int32_t, std::int32_t> celle_montagna(std::int32_t inizio, std::int32_t fine);

// A slow-down at x, l metres long, at v km/h (codes 17 to 20).
void memo_rallentamento(Pacchetto& p, std::int32_t x, std::int32_t v, std::int32_t l,
                        std::int32_t f_tt, std::int32_t f_ta, std::int32_t d_v);

// A signal and its four approach marks (code 16). A tempo below
// kTempoSegnaleMinimo is raised to it in place.
void memo_segnale(Pacchetto& p, std::int32_t posizione, std::int32_t sx, std::int32_t s1,
                  std::int32_t s2, std::int32_t s3, std::int32_t rapp, std::int32_t dx,
                  std::int32_t d1, std::int32_t d2, std::int32_t d3, std::int32_t& tempo);
// The cell of the k-th approach mark (1 to 4) ahead of a signal's cell.
std::int32_t cella_avvicinamento(std::int32_t cella_segnale, std::int32_t k);

// A speed board with its s and d groups packed pairwise (code 21).
void memo_indicatori_v_max(Pacchetto& p, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int32_t strisces, std::int32_t vad,
                           std::int32_t vbd, std::int32_t vcd, std::int32_t strisced);

}  // namespace progetto1
