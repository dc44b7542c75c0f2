#include "compiler/memo.h"

#include "compiler/aritmetica.h"
#include "model/costanti.h"
#include "model/numeri.h"

namespace progetto1 {

void memo_montagna(Pacchetto& p, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo) {
  bool marcatori = false;
  if (tipo > kMontagnaConMarcatori) {
    tipo -= kMontagnaConMarcatori;
    marcatori = true;
  }
  p.numero_montagne = somma(p.numero_montagne, 1);
  const std::int32_t n = p.numero_montagne;
  p.montagne_inizio[n] = inizio;
  p.montagne_fine[n] = fine;
  // Stretches that nearly touch are laid as the joined kind for the simulator.
  if (n > 1 && differenza(p.montagne_inizio[n], p.montagne_fine[n - 1]) <= kDistanzaMontagneUnite) {
    tipo = kTipoMontagnaUnita;
  }

  const auto [prima, ultima] = celle_montagna(inizio, fine);
  if (prima > ultima) return;
  std::int32_t conteggio = 0;
  for (std::int32_t c = prima; c <= ultima; ++c) {
    ++conteggio;
    cella& x = p.percorso[c];
    x.montagna = basso8(tipo);
    if (marcatori && conteggio % kPassoMarcatori == 0 && x.genere == kNessuno) {
      x.genere = kMarcaMontagna;
    }
  }
}

std::pair<std::int32_t, std::int32_t> celle_montagna(std::int32_t inizio, std::int32_t fine) {
  return {a_long(in_celle(inizio)), a_long(in_celle(fine) - 1)};
}

void memo_rallentamento(Pacchetto& p, std::int32_t x, std::int32_t v, std::int32_t l,
                        std::int32_t f_tt, std::int32_t f_ta, std::int32_t d_v) {
  const std::int32_t w = differenza(x, kDistanzaAvviso);
  // Near the origin there is no room for a warning board.
  const bool con_avviso = x > kInizioConAvviso;
  std::int32_t cella_avviso = 0;
  if (con_avviso) {
    cella_avviso = cella_di(w);
    if (!p.percorso[cella_avviso].libera()) {
      p.registra_errore(CodiceErrore::kAvvisoOccupato);
      return;
    }
  } else {
    f_ta = 0;
  }
  const std::int32_t cella_inizio = cella_di(x);
  if (!p.percorso[cella_inizio].libera()) {
    p.registra_errore(CodiceErrore::kInizioRallentamentoOccupato);
    return;
  }
  const std::int32_t cella_fine = cella_di(somma(x, l));
  if (!p.percorso[cella_fine].libera()) {
    p.registra_errore(CodiceErrore::kFineRallentamentoOccupato);
    return;
  }

  // Written in this order, so a slow-down shorter than a cell keeps its start.
  p.percorso[cella_fine].genere = kFineRallentamento;
  if (d_v != 0) p.percorso[cella_fine].dato2 = basso16(d_v);
  p.percorso[cella_inizio].genere = kInizioRallentamento;
  if (d_v != 0) p.percorso[cella_inizio].dato2 = basso16(d_v);
  if (con_avviso) {
    cella& avviso = p.percorso[cella_avviso];
    avviso.genere = kAvvisoRallentamento;
    if (d_v != 0) avviso.dato2 = basso16(d_v);
    avviso.dato1 = basso16(v);
  }
  p.percorso[cella_inizio].dato1 = basso16(v);
  p.percorso[cella_fine].dato1 = basso16(v);
  p.percorso[cella_inizio].dato3 = basso16(f_tt);
  p.percorso[cella_fine].dato3 = basso16(f_tt);

  if (f_ta != 0) {
    const std::int32_t prima = a_long(in_celle(w));
    for (std::int32_t i = 0; i <= 3; ++i) {
      if (!p.percorso[prima - i].libera()) {
        p.registra_errore(CodiceErrore::kPreavvisoOccupato);
        return;
      }
    }
    for (std::int32_t i = 0; i <= 3; ++i) {
      cella& c = p.percorso[prima - i];
      c.genere = kPreavviso;
      c.dato1 = basso16(i + 1);
      if (d_v != 0) c.dato2 = basso16(i + 1);
    }
  }
}

void memo_segnale(Pacchetto& p, std::int32_t posizione, std::int32_t sx, std::int32_t s1,
                  std::int32_t s2, std::int32_t s3, std::int32_t rapp, std::int32_t dx,
                  std::int32_t d1, std::int32_t d2, std::int32_t d3, std::int32_t& tempo) {
  const std::int32_t n = cella_di(posizione);
  cella& segnale = p.percorso[n];
  if (!segnale.libera()) {
    p.registra_errore(CodiceErrore::kSegnaleOccupato);
    return;
  }
  segnale.genere = kSegnale;
  segnale.dato4 = basso16(somma(somma(prodotto(rapp, 10), prodotto(sx, 3)), dx));
  segnale.dato1 = basso16(somma(prodotto(s1, 10), d1));
  segnale.dato2 = basso16(somma(prodotto(s2, 10), d2));
  segnale.dato3 = basso16(somma(prodotto(s3, 10), d3));
  if (tempo_da_alzare(tempo)) tempo = kTempoSegnaleMinimo;
  segnale.tempo = sx == 2 ? basso8(tempo) : 0;
  for (std::int32_t k = 1; k <= 4; ++k) {
    const std::int32_t marca = somma(somma(prodotto(sx, 30), prodotto(dx, 10)), k);
    p.percorso[cella_avvicinamento(n, k)].avvicinamento = basso8(marca);
  }
}

std::int32_t cella_avvicinamento(std::int32_t cella_segnale, std::int32_t k) {
  return cella_segnale - 2 * k;
}

void memo_indicatori_v_max(Pacchetto& p, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int32_t strisces, std::int32_t vad,
                           std::int32_t vbd, std::int32_t vcd, std::int32_t strisced) {
  cella& c = p.percorso[cella_di(posizione)];
  if (!c.libera()) {
    p.registra_errore(CodiceErrore::kIndicatoreOccupato);
    return;
  }
  c.genere = kIndicatoreVmax;
  constexpr double passo = kPassoVelocita;
  c.dato1 = a_integer(vad / passo + prodotto(vas, kFattoreIndicatore));
  c.dato2 = a_integer(vbd / passo + prodotto(vbs, kFattoreIndicatore));
  c.dato3 = a_integer(vcd / passo + prodotto(vcs, kFattoreIndicatore));
  c.dato4 = basso16(somma(prodotto(strisces, 10), strisced));
}

}  // namespace progetto1
