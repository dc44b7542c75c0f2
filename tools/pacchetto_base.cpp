#include "tools/pacchetto_base.h"

#include <string>

#include "model/cp1252.h"

namespace progetto1::strumento {

std::filesystem::path pacchetto_base_predefinito(const std::filesystem::path& strumento,
                                                 const std::filesystem::path& uscita) {
  const bool windows = minuscole(uscita.extension().string()) == ".exe";
  std::string nome = P1_NOME_PACCHETTO;
  if (windows) nome += ".exe";
  return strumento.parent_path() / nome;
}

}  // namespace progetto1::strumento
