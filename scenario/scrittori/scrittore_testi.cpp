#include "scenario/scrittori/scrittore_testi.h"

#include "model/cp1252.h"
#include "model/guasto.h"
#include "model/vettore.h"

namespace progetto1 {

std::string componi_testo(const std::vector<std::string>& righe, std::int32_t& contatore) {
  if (righe.size() >= static_cast<std::size_t>(kRigheElenco))
    throw Guasto::indice_fuori_intervallo();
  Vettore<std::string> elenco(kRigheElenco - 1);
  for (std::size_t i = 0; i < righe.size(); ++i) elenco[static_cast<long>(i)] = righe[i];
  elenco[static_cast<long>(righe.size())] = kSentinella;

  std::string byte;
  for (contatore = 0; elenco[contatore] != kSentinella; ++contatore) {
    byte += a_cp1252(elenco[contatore]);
    byte += "\r\n";
  }
  return byte;
}

void scrivi_testo(Archivio& archivio, const std::string& nome,
                  const std::vector<std::string>& righe, std::int32_t& contatore) {
  const std::string byte = componi_testo(righe, contatore);
  archivio.sostituisci(nome, byte);
}

}  // namespace progetto1
