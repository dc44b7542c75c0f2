#include "compiler/catalogo/catalogo.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "compiler/prova/testi_compilati.h"
#include "model/cp1252.h"
#include "output/file_binari.h"

namespace progetto1::catalogo {
namespace {

std::string chiave_esempio(const Record& r) {
  return std::string(r.esempio.substr(0, r.esempio.find(',')));
}

int riconoscimenti(const Record& r, std::string_view campo) {
  const std::string m = minuscole(campo);
  if (r.testo == Testo::kTreno) return riconoscimenti_treno(campo, m);
  return r.generale ? riconoscimenti_generali(campo, m) : riconoscimenti_linea(campo, m, true);
}

TEST(Catalogo, OgniVoceHaIlSuoRecordNellOrdineDellEnumerazione) {
  ASSERT_EQ(records().size(), static_cast<std::size_t>(Voce::kAbbattimento) + 1);
  for (const Record& r : records()) {
    EXPECT_EQ(&record(r.voce), &r) << r.nome;
    EXPECT_FALSE(r.descrizione.empty()) << r.nome;
    EXPECT_FALSE(r.campi.empty()) << r.nome;
    EXPECT_FALSE(r.codici.empty()) << r.nome;
    for (const Campo& c : r.campi) {
      EXPECT_FALSE(c.effetto.empty()) << r.nome << " " << c.nome;
      EXPECT_LE(c.minimo, c.massimo) << r.nome << " " << c.nome;
    }
  }
}

// The keyword as written and the example's first field are this record's
// keyword and no other's in the same part of the text; neither holds a
// hyphen-minus, which would make the readers pass them over.
TEST(Catalogo, ChiaveEdEsempioSonoRiconosciutiSoloDalProprioRecord) {
  for (const Record& r : records()) {
    for (const std::string& campo : {std::string(r.chiave), chiave_esempio(r)}) {
      EXPECT_TRUE(riconosce(r.voce, campo)) << r.nome << ": " << campo;
      EXPECT_EQ(riconoscimenti(r, campo), 1) << r.nome << ": " << campo;
      EXPECT_EQ(campo.find('-'), std::string::npos) << campo;
    }
  }
}

TEST(Catalogo, LeParoleInMinuscoloContanoSoloComeScritte) {
  EXPECT_TRUE(riconosce(Voce::kSfondoUno, "sfondo uno"));
  EXPECT_FALSE(riconosce(Voce::kSfondoUno, "Sfondo Uno"));
  EXPECT_TRUE(riconosce(Voce::kPendenza, "PENDENZA"));
  EXPECT_TRUE(riconosce(Voce::kCartello, "Cartello_Indicatore"));
  EXPECT_FALSE(riconosce(Voce::kCartello, "cartello"));
}

TEST(Catalogo, OgniRecordStaInUnaSolaSezioneDelSuoTesto) {
  std::set<Voce> viste;
  for (const Sezione& s : sezioni()) {
    for (Voce v : s.voci) {
      EXPECT_TRUE(viste.insert(v).second) << record(v).nome;
      EXPECT_EQ(record(v).testo, s.testo) << record(v).nome;
      EXPECT_EQ(record(v).sezione, s.intestazione) << record(v).nome;
    }
  }
  EXPECT_EQ(viste.size(), records().size());
}

TEST(Catalogo, RaggiDeiGradi) {
  EXPECT_EQ(raggio_grado(1), 10000);
  EXPECT_EQ(raggio_grado(4), 1000);
  EXPECT_EQ(raggio_grado(6), 333);
  EXPECT_EQ(raggio_grado(7), 0);
}

TEST(Catalogo, CercaPerNomeChiaveOParola) {
  EXPECT_EQ(cerca("stazione"), Voce::kStazione);
  EXPECT_EQ(cerca("Indicatori_VMAX"), Voce::kIndicatoreVmax);
  EXPECT_EQ(cerca("lunghezza percorso"), Voce::kLunghezza);
  EXPECT_EQ(cerca("velocita"), Voce::kVelocita);
  EXPECT_EQ(cerca("curva"), Voce::kCurva);
  EXPECT_FALSE(cerca("treno").has_value());
  // A field as the readers take it, in its own text only.
  ASSERT_NE(record_della_chiave(Testo::kTreno, "Stazione"), nullptr);
  EXPECT_EQ(record_della_chiave(Testo::kTreno, "Stazione")->voce, Voce::kStazione);
  EXPECT_EQ(record_della_chiave(Testo::kLinea, "stazione"), nullptr);
}

std::string compilato(const prova::Righe& linea, const prova::Righe& treno,
                      std::int32_t* codice = nullptr) {
  prova::Esito e;
  prova::compila(e, &linea, &treno);
  if (codice != nullptr) *codice = e.p.codice_errore;
  return byte_tabella_linea(e.p.tabella_linea) + byte_stazioni(e.p.stazioni) +
         byte_celle(e.p.percorso);
}

// The readers know every entry: the examples compile cleanly, and taking
// any one of them away changes what the package makes.
TEST(Catalogo, OgniRecordCambiaCiòCheIlPacchettoFa) {
  const prova::Righe linea = testo_di_esempio(Testo::kLinea);
  const prova::Righe treno = testo_di_esempio(Testo::kTreno);
  std::int32_t codice = -1;
  const std::string tutto = compilato(linea, treno, &codice);
  EXPECT_EQ(codice, 0);
  for (const Record& r : records()) {
    // Background two and three and the third chainage range are 0 in their
    // examples, which is what the package holds without them.
    if (r.voce == Voce::kSfondoDue || r.voce == Voce::kSfondoTre ||
        r.voce == Voce::kProgressivaTre) {
      continue;
    }
    prova::Righe l = linea;
    prova::Righe t = treno;
    prova::Righe& righe = r.testo == Testo::kLinea ? l : t;
    std::erase(righe, std::string(r.esempio));
    SCOPED_TRACE(r.nome);
    EXPECT_TRUE(compilato(l, t) != tutto);
  }
}

}  // namespace
}  // namespace progetto1::catalogo
