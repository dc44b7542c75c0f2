#include "tools/disegno/mappa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/prova/strumento.h"
#include "tools/prova/xml.h"

namespace progetto1::strumento {
namespace {

using prova::analizza_xml;
using prova::dati_prova;

TEST(ControlloXml, RiconosceDocumentiMalformati) {
  struct Caso {
    const char* xml;
    bool valido;
  };
  const Caso casi[] = {
      {"<?xml version=\"1.0\"?>\n<a><b x=\"1\" y='2'/><text>t &amp; u</text></a>", true},
      {"<a><b></a></b>", false},
      {"<a><b></b>", false},
      {"<a x=1/>", false},
      {"<a x=\"1\" x=\"2\"/>", false},
      {"<a>&foo;</a>", false},
      {"<a>x & y</a>", false},
      {"<a x=\"<\"/>", false},
      {"<a/><b/>", false},
      {"testo<a/>", false},
      {"", false},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(analizza_xml(c.xml).valido, c.valido) << c.xml;
  }
  EXPECT_EQ(analizza_xml("<a><text>t &amp; u</text></a>").testi, std::vector<std::string>{"t & u"});
}

bool nominato(const prova::AnalisiXml& a, const std::string& testo) {
  return std::find(a.testi.begin(), a.testi.end(), testo) != a.testi.end();
}

TEST(Mappa, PiantaEProfiloBenFormatiConOgniStazione) {
  const std::string svg = disegna_mappa(dati_prova(true));
  const prova::AnalisiXml a = analizza_xml(svg);
  ASSERT_TRUE(a.valido) << a.errore;
  EXPECT_EQ(a.radice, "svg");
  EXPECT_TRUE(nominato(a, "Alfa"));
  EXPECT_TRUE(nominato(a, "Beta & <Gamma>"));
  EXPECT_TRUE(nominato(a, "Legenda"));
  EXPECT_TRUE(nominato(a, "Pianta della linea (vista dall'alto)"));
  EXPECT_TRUE(nominato(a, "Profilo lungo la linea"));
  EXPECT_TRUE(nominato(a, "Linea Prova · treno 11"));
}

TEST(Mappa, SenzaPianoSoloIlProfilo) {
  const DatiMappa d = dati_prova(false);
  ASSERT_FALSE(d.piano.has_value());
  const prova::AnalisiXml a = analizza_xml(disegna_mappa(d));
  ASSERT_TRUE(a.valido) << a.errore;
  EXPECT_TRUE(nominato(a, "Alfa"));
  EXPECT_TRUE(nominato(a, "Beta & <Gamma>"));
  EXPECT_FALSE(nominato(a, "Pianta della linea (vista dall'alto)"));
  EXPECT_TRUE(nominato(a, "Profilo lungo la linea"));
}

TEST(Mappa, PuntiDelPianoNonNumericiSaltati) {
  DatiMappa d = dati_prova(true);
  for (std::size_t i = 100; i < 3000; i += 7) d.piano->x[i].valore = std::nan("");
  d.piano->y[200].valore = HUGE_VAL;
  const std::string svg = disegna_mappa(d);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
  EXPECT_TRUE(analizza_xml(svg).valido);
}

TEST(Mappa, FileVuotiNonFannoCadereIlDisegno) {
  // Cells and slots that a reader stopped early would leave: nearly nothing.
  DatiMappa d;
  d.nome_linea = "Vuota";
  d.numero_treno = "0";
  d.stazioni.resize(87);
  d.celle.resize(2);
  const prova::AnalisiXml a = analizza_xml(disegna_mappa(d));
  EXPECT_TRUE(a.valido) << a.errore;
}

}  // namespace
}  // namespace progetto1::strumento
