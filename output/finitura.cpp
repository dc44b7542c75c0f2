#include "output/finitura.h"

#include "compiler/memorizza_dati.h"
#include "compiler/osservatore.h"
#include "output/codici_gara.h"
#include "output/file_binari.h"
#include "output/passata_codici.h"

namespace progetto1 {

void memorizza_percorso(Pacchetto& p, std::int32_t j, Archivio& archivio, Avvisi& avvisi,
                        Traccia* traccia, Osservatore* osservatore) {
  p.con_tabella = j;
  p.codice_errore = 0;
  for (long slot = 0; slot < kNumeroSlot; ++slot) p.stazioni[slot] = stazione{};
  // Whatever the reader recorded, its model goes on through the pass and
  // into the files.
  memorizza_dati(p, archivio, traccia, osservatore);
  if (osservatore != nullptr && p.percorso.vuoto()) return;
  completa_percorso(p, archivio, avvisi, osservatore);
}

void completa_percorso(Pacchetto& p, Archivio& archivio, Avvisi& avvisi, Osservatore* osservatore) {
  passata_codici(p, osservatore);
  memorizza_valori_pacchetto(p, avvisi, osservatore);
  if (osservatore == nullptr) scrivi_file_binari(p, archivio);
}

void memorizza_valori_pacchetto(Pacchetto& p, Avvisi& avvisi, Osservatore* o) {
  const auto errore = [&](CodiceErrore codice) {
    if (o == nullptr) avvisi.errore(codice);
    o->errore(codice, 0, {});  // a check goes on to the next test
  };
  stazione& linea = p.stazioni[kSlotLinea];
  cella& prima = p.percorso[1];
  // A feature that left values here would be overwritten: the package
  // refuses to go on instead.
  if (linea.intero1 != 0 || prima.dato1 != 0) errore(CodiceErrore::kValoriPacchetto);
  linea.intero1 = kValoreSlotLinea;
  prima.dato1 = kValoreCella1;
  if (linea.valore4 != 0 || prima.dato2 != 0) errore(CodiceErrore::kCodiciControllo);
  linea.valore4 = codice_gara_st(p);
  prima.dato2 = codice_gara_og(p);
}

}  // namespace progetto1
