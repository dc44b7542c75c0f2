#include "model/cella.h"

namespace progetto1 {

std::string nome_genere(std::uint8_t genere) {
  switch (genere) {
    case kNessuno:
      return "nessuno";
    case kSegnale:
      return "segnale";
    case kFineRallentamento:
      return "fine_rallentamento";
    case kInizioRallentamento:
      return "inizio_rallentamento";
    case kAvvisoRallentamento:
      return "avviso_rallentamento";
    case kPreavviso:
      return "preavviso";
    case kIndicatoreVmax:
      return "indicatore_vmax";
    case kFermata:
      return "fermata";
    case kMarcaMontagna:
      return "marca_montagna";
    case kPuntoCodice:
      return "punto_codice";
    case kAbbattimento:
      return "abbattimento";
    case kCartello:
      return "cartello";
    default:
      return "genere_" + std::to_string(genere);
  }
}

}  // namespace progetto1
