#include <iterator>

#include "scenario/incorporato/curve_corsanta.h"
#include "scenario/scrittori/testi.h"

namespace progetto1 {

namespace {

// The Corsanta line from its origin (chainage 100+800, falling) to Valmorena,
// where the second chainage range starts at 100800 m. Every sign and speed
// board claims the track cell of its position, so no two of them share a
// 50 m cell, and none sits on a cell the train text gives to a signal, a
// slow-down board or a station stop mark. A level-crossing sign reads the
// chainage of its crossing, which lies within a few tens of metres of the
// sign's 50 m position on the falling first range.
const char* const kFinoAlleCurve[] = {
    "[generale]",
    "lunghezza percorso,    104300",
    "progressiva chilometrica uno,    0,    100800,    1",
    "progressiva chilometrica due,    100800,    190300,    1",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    0",
    "sfondo tre,    0",
    "ripetizione segnali 4 codici,    0    ,0",
    "[curve]",
};

// After the curve records.
const char* const kDopoLeCurve[] = {
    "[pendenze]",
    "pendenza,   0,    0",
    "pendenza,  1500,    3",
    "pendenza,  4200,    5",
    "pendenza,  6900,    2",
    "pendenza,  9200,   -3",
    "pendenza,  11200,   -1",
    "pendenza,  13800,    4",
    "pendenza,  16900,    9",
    "pendenza,  19000,    0",
    "pendenza,  21400,   -4",
    "pendenza,  24600,   -6",
    "pendenza,  27300,   -2",
    "pendenza,  30100,    3",
    "pendenza,  33800,    7",
    "pendenza,  37200,    5",
    "pendenza,  41000,    0",
    "pendenza,  44700,   -5",
    "pendenza,  48300,   -8",
    "pendenza,  51600,   -3",
    "pendenza,  55200,    2",
    "pendenza,  58900,    0",
    "pendenza,  62400,   -4",
    "pendenza,  66100,   -6",
    "pendenza,  70300,   -2",
    "pendenza,  74800,    3",
    "pendenza,  79600,   -5",
    "pendenza,  84200,   -7",
    "pendenza,  89500,    4",
    "pendenza,  93400,   -9",
    "pendenza,  97300,   -6",
    "pendenza,  101500,   0",
    "[montagne]",
    "montagna,   91050,  93400,  11",
    "[cartelli]",
    "indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0",
    "indicatori_vmax,  2150,  115,  130,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  7650,  60,  60,  60,  0,  ,  ,  ,  0",
    "indicatori_vmax,  9100,  110,  130,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  18400,  100,  120,  125,  0,  ,  ,  ,  0",
    "indicatori_vmax,  19800,  110,  130,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  45600,  105,  120,  125,  0,  ,  ,  ,  0",
    "indicatori_vmax,  46800,  110,  130,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  58600,  100,  120,  130,  0,  ,  ,  ,  0",
    "indicatori_vmax,  60850,  120,  135,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  90500,  110,  135,  135,  0,  ,  ,  ,  0",
    "indicatori_vmax,  99900,  90,  135,  135,  0,  ,  ,  ,  0",
    "[indicazioni]",
    "cartello_indicatore,  650,   (PL km)(100+150)",
    "cartello_indicatore,  2400,   (BIVIO)(SCALO)(CORSANTA)",
    "cartello_indicatore,  3300,   (PLA km)(97+488)",
    "cartello_indicatore,  4800,   (PL km )(96+023)",
    "cartello_indicatore,  6200,   (PLA km)(94+608)",
    "cartello_indicatore,  9650,   (DIRAMAZIONE)(PER TORNESE)",
    "cartello_indicatore,  10300,   (PL km )(90+473)",
    "cartello_indicatore,  12800,   (PLA km)(88+016)",
    "cartello_indicatore,  14100,   (PL km )(86+731)",
    "cartello_indicatore,  16650,   (PONTE)(FIUME LERSA)",
    "cartello_indicatore,  17500,   (PL km)(83+295)",
    "cartello_indicatore,  18600,   (PL km )(82+200)",
    "cartello_indicatore,  20300,   (PL km)(80+519)",
    "cartello_indicatore,  22200,   (PLA km)(78+566)",
    "cartello_indicatore,  24900,   (BIVIO)(VALDORIA)(LINEA EST)",
    "cartello_indicatore,  26100,   (PL km )(74+706)",
    "cartello_indicatore,  28100,   (PLA km)(72+682)",
    "cartello_indicatore,  29000,   (PONTE)(RIO MOLARE)",
    "cartello_indicatore,  31200,   (PL km )(69+627)",
    "cartello_indicatore,  32900,   (PL km)(67+891)",
    "cartello_indicatore,  33300,   (PONTE)(FIUME ARSO)",
    "cartello_indicatore,  35100,   (PL km )(65+712)",
    "cartello_indicatore,  37600,   (PL km)(63+177)",
    "cartello_indicatore,  38400,   (PLA km)(62+434)",
    "cartello_indicatore,  41300,   (PL km)(59+503)",
    "cartello_indicatore,  42700,   (PLA km)(58+085)",
    "cartello_indicatore,  44300,   (PONTE)(FIUME VELLA)",
    "cartello_indicatore,  45000,   (PL km )(55+821)",
    "cartello_indicatore,  48900,   (PLA km)(51+869)",
    "cartello_indicatore,  50300,   (PL km )(50+510)",
    "cartello_indicatore,  51700,   (PL km)(49+098)",
    "cartello_indicatore,  55100,   (PL km )(45+725)",
    "cartello_indicatore,  57000,   (PL km)(43+780)",
    "cartello_indicatore,  57900,   (BIVIO)(MONTORSA)(NORD)",
    "cartello_indicatore,  61200,   (DIRAMAZIONE)(PER ALTANO)",
    "cartello_indicatore,  62300,   (PLA km)(38+514)",
    "cartello_indicatore,  63600,   (PL km)(37+193)",
    "cartello_indicatore,  65900,   (PLA km)(34+929)",
    "cartello_indicatore,  68200,   (PL km )(32+589)",
    "cartello_indicatore,  72300,   (PLA km)(28+504)",
    "cartello_indicatore,  74500,   (PL km )(26+274)",
    "cartello_indicatore,  77300,   (PL km)(23+517)",
    "cartello_indicatore,  78400,   (PONTE)(FIUME SORBA)",
    "cartello_indicatore,  79900,   (PL km )(20+862)",
    "cartello_indicatore,  83600,   (PL km)(17+209)",
    "cartello_indicatore,  84500,   (PLA km)(16+286)",
    "cartello_indicatore,  86400,   (PL km)(14+422)",
    "cartello_indicatore,  89700,   (PLA km)(11+097)",
    "cartello_indicatore,  90800,   (GALLERIA)(MONTE CORVO)",
    "cartello_indicatore,  94400,   (PL km )(6+433)",
    "cartello_indicatore,  96200,   (PLA km)(4+583)",
    "cartello_indicatore,  98000,   (PL km )(2+807)",
    "cartello_indicatore,  99200,   (PONTE)(FIUME ROSSA)",
    "cartello_indicatore,  100200,   (PL km)(0+571)",
    "cartello_indicatore,  100400,   (BIVIO)(VALMORENA)(PORTO)",
    "cartello_indicatore,  101500,   (DIRAMAZIONE)(PER LIDO)",
    "[fine]",
};

}  // namespace

std::vector<std::string> righe_linea(const Pacchetto& /*p*/) {
  std::vector<std::string> righe(std::begin(kFinoAlleCurve), std::end(kFinoAlleCurve));
  const std::vector<std::string> curve = righe_curve_corsanta();
  righe.insert(righe.end(), curve.begin(), curve.end());
  righe.insert(righe.end(), std::begin(kDopoLeCurve), std::end(kDopoLeCurve));
  return righe;
}

}  // namespace progetto1
