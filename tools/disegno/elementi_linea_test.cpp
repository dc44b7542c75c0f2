#include "tools/disegno/elementi_linea.h"

#include <gtest/gtest.h>

#include "tools/prova/strumento.h"

namespace progetto1::strumento {
namespace {

using prova::dati_prova;

TEST(ElementiLinea, StazioniDellaLinea) {
  const DatiMappa d = dati_prova(true);
  const std::vector<StazioneMappa> s = stazioni_della_linea(d.stazioni, d.celle);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].nome, "Alfa");
  EXPECT_EQ(s[0].posizione, 1000);
  EXPECT_EQ(s[0].categoria, 4);
  EXPECT_EQ(s[0].inizio_zona, 850);
  EXPECT_EQ(s[0].fine_zona, 1150);
  EXPECT_EQ(s[0].orario, 8 * 3600);
  EXPECT_EQ(s[1].nome, "Beta & <Gamma>");
  EXPECT_EQ(s[1].slot, 2);
}

TEST(ElementiLinea, PianoDiUnAltraCompilazioneNonCompatibile) {
  const DatiMappa d = dati_prova(true);
  ASSERT_TRUE(d.piano.has_value());
  EXPECT_TRUE(piano_compatibile(*d.piano, d.stazioni, d.celle));

  Piano corto = *d.piano;
  corto.x.resize(corto.x.size() - 1000);
  corto.y.resize(corto.y.size() - 1000);
  EXPECT_FALSE(piano_compatibile(corto, d.stazioni, d.celle));

  std::vector<cella> altre = d.celle;
  altre.resize(altre.size() + 20);
  EXPECT_FALSE(piano_compatibile(*d.piano, d.stazioni, altre));
}

TEST(ElementiLinea, OgniElementoConLaSuaCellaELaSuaDescrizione) {
  const ElementiLinea l = raccogli_elementi(dati_prova(true));
  EXPECT_EQ(l.lunghezza, 5000);
  ASSERT_EQ(l.segnali.size(), 1u);
  EXPECT_EQ(l.segnali[0].indice_cella, 51);  // 2500 / 50 + 1
  EXPECT_EQ(l.segnali[0].posizione, 2500);
  EXPECT_EQ(l.segnali[0].dati.genere, kSegnale);
  EXPECT_EQ(l.segnali[0].descrizione, "segnale a 2,50 km");
  ASSERT_EQ(l.cartelli.size(), 1u);
  EXPECT_EQ(l.cartelli[0].descrizione, "(PL km)(1+500) (1,50 km)");
  ASSERT_EQ(l.indicatori.size(), 1u);
  EXPECT_EQ(l.indicatori[0].descrizione, "indicatore di velocità 90/110/110 km/h a 0,70 km");
  ASSERT_EQ(l.montagne.size(), 1u);
  // The stretch 3000 to 3600 lies in cells 3000 / 50 to 3600 / 50 - 1, one cell
  // before the standard cell of each end: the gathering reports the cells.
  EXPECT_EQ(l.montagne[0], (std::pair<long, long>{2950, 3550}));
  EXPECT_TRUE(l.rallentamenti.empty());
  ASSERT_EQ(l.stazioni.size(), 2u);
  EXPECT_EQ(descrizione_stazione(l.stazioni[0]), "Alfa, 1,00 km, categoria 4, orario 8:00");
}

// The gradient 5 from 2000 m and the speed 100 from 1000 m start in the cell
// before their standard cell, as the readers fill them; the drawn part ends at
// the line's length.
TEST(ElementiLinea, PendenzeLimitiEQuote) {
  const ElementiLinea l = raccogli_elementi(dati_prova(true));
  ASSERT_EQ(l.fine_disegno, 5000);
  ASSERT_EQ(l.pendenze.size(), 2u);
  EXPECT_EQ(l.pendenze[0].da, 0);
  EXPECT_EQ(l.pendenze[0].a, 1950);
  EXPECT_EQ(l.pendenze[0].valore, 0);
  EXPECT_EQ(l.pendenze[1].da, 1950);
  EXPECT_EQ(l.pendenze[1].a, 5000);
  EXPECT_EQ(l.pendenze[1].valore, 5);
  ASSERT_EQ(l.limiti.size(), 2u);
  EXPECT_EQ(l.limiti[0].valore, 60);
  EXPECT_EQ(l.limiti[1].da, 950);
  EXPECT_EQ(l.limiti[1].valore, 100);
  EXPECT_EQ(l.limiti[1].a, 5000);
  // 61 cells of 5 per mille, 0.25 m each.
  ASSERT_EQ(l.quote.size(), 101u);
  EXPECT_EQ(l.quote.front(), (std::pair<long, double>{0, 0.0}));
  EXPECT_EQ(l.quote.back().first, 5000);
  EXPECT_DOUBLE_EQ(l.quote.back().second, 15.25);
}

TEST(ElementiLinea, Chilometri) {
  EXPECT_EQ(km(30400, 2), "30,40");
  EXPECT_EQ(km(-20, 1), "0,0");  // no "-0"
  EXPECT_EQ(orario(8 * 3600 + 5 * 60 + 59), "8:05");
}

}  // namespace
}  // namespace progetto1::strumento
