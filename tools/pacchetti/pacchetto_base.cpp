#include "tools/pacchetti/pacchetto_base.h"

#include <string>
#include <system_error>

#include "model/cp1252.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

fs::path cartella_basi_installate(const fs::path& strumento) {
  // Set by the build: empty where an install puts the bases beside the tool.
  const fs::path relativa = P1_BASI_DALLO_STRUMENTO;
  if (relativa.empty()) return strumento.parent_path();
  return (strumento.parent_path() / relativa).lexically_normal();
}

std::vector<fs::path> candidati_pacchetto_base(const fs::path& strumento, const fs::path& uscita) {
  const bool windows = minuscole(uscita.extension().string()) == ".exe";
  std::string nome = P1_NOME_PACCHETTO;
  if (windows) nome += ".exe";
  std::vector<fs::path> candidati{strumento.parent_path() / nome};
  const fs::path installato = cartella_basi_installate(strumento) / nome;
  if (installato.lexically_normal() != candidati.front().lexically_normal()) {
    candidati.push_back(installato);
  }
  return candidati;
}

PacchettoBase cerca_pacchetto_base(const fs::path& strumento, const fs::path& uscita) {
  PacchettoBase base;
  base.provati = candidati_pacchetto_base(strumento, uscita);
  base.scelto = base.provati.front();
  for (const fs::path& candidato : base.provati) {
    std::error_code ec;
    if (fs::is_regular_file(candidato, ec)) {
      base.scelto = candidato;
      base.trovato = true;
      break;
    }
  }
  return base;
}

fs::path pacchetto_base_predefinito(const fs::path& strumento, const fs::path& uscita) {
  return cerca_pacchetto_base(strumento, uscita).scelto;
}

}  // namespace progetto1::strumento
