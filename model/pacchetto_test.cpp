#include "model/pacchetto.h"

#include <gtest/gtest.h>

#include "model/guasto.h"

namespace progetto1 {
namespace {

TEST(Pacchetto, NomiDeiFile) {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  EXPECT_EQ(nome_testo_linea(p), "Corsanta_linea.txt");
  EXPECT_EQ(nome_testo_treno(p), "Corsanta_7402-.txt");
  EXPECT_EQ(nome_note(p), "Corsanta_7402_note.txt");
  EXPECT_EQ(nome_rallentamenti(p), "Corsanta_7402_rallentamenti.txt");
  EXPECT_EQ(nome_scheda(p), "Corsanta_7402_scheda_treno.txt");
  EXPECT_EQ(nome_file_linea(p), "Corsanta_linea.dat");
  EXPECT_EQ(nome_file_stazioni(p), "Corsanta_7402.sim");
  EXPECT_EQ(nome_file_celle(p), "Corsanta_7402.dat");
}

TEST(Pacchetto, StatoIniziale) {
  Pacchetto p;
  EXPECT_EQ(p.stazioni.ultimo(), 86);
  EXPECT_EQ(p.montagne_inizio.ultimo(), 80);
  EXPECT_TRUE(p.percorso.vuoto());
  EXPECT_FALSE(p.tabella_linea.esiste());
  EXPECT_EQ(p.codice_errore, 0);
  EXPECT_EQ(p.posizione_errore, 0);
  EXPECT_TRUE(p.stazioni[86].testo.empty());
}

TEST(Pacchetto, PercorsoDiUnaLineaDi104300m) {
  Pacchetto p;
  p.lunghezza_estesa = 104300 + 7000;
  p.numero_celle = 111300 / 50;
  p.percorso.ridimensiona(p.numero_celle);
  EXPECT_EQ(p.numero_celle, 2226);
  EXPECT_EQ(p.percorso.ultimo(), 2226);
  EXPECT_EQ(p.percorso[2226], cella{});
  // Every index outside the array is the run-time failure 9.
  for (long i : {-1L, 2227L}) {
    try {
      (void)p.percorso[i];
      FAIL() << i;
    } catch (const Guasto& g) {
      EXPECT_EQ(g.numero(), 9);
    }
  }
}

TEST(TabellaLinea, ValoriConIlLoroTipo) {
  TabellaLinea t;
  t.crea(10);
  EXPECT_TRUE(t.esiste());
  EXPECT_EQ(t.ultimo(), 10);
  t.imposta_intero(1, 1, 1);
  t.imposta_doppio(2, 0, 0.25);
  EXPECT_EQ(t.tipo(1, 1), TipoValore::kIntero);
  EXPECT_EQ(t.valore(1, 1), 1.0);
  EXPECT_EQ(t.tipo(2, 0), TipoValore::kDoppio);
  EXPECT_EQ(t.tipo(10, 1), TipoValore::kVuoto);
  EXPECT_THROW(t.imposta_doppio(11, 0, 1.0), Guasto);
  EXPECT_THROW(t.tipo(0, 2), Guasto);
}

}  // namespace
}  // namespace progetto1
