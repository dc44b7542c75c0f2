#include "model/nomi_sicuri.h"

#include "model/cp1252.h"
#include "model/pacchetto.h"

namespace progetto1 {

namespace {

bool riservato(std::string_view nome) {
  // Windows takes these as devices whatever follows a dot, and ignores
  // blanks before it.
  std::string radice = minuscole(nome.substr(0, nome.find('.')));
  while (!radice.empty() && radice.back() == ' ') radice.pop_back();
  for (const char* r : {"con", "prn", "aux", "nul"}) {
    if (radice == r) return true;
  }
  if (radice.size() != 4 || (radice.compare(0, 3, "com") != 0 && radice.compare(0, 3, "lpt") != 0))
    return false;
  const auto cifra = static_cast<unsigned char>(radice[3]);
  // Windows counts the superscript digits 1, 2 and 3 as ports too.
  return (cifra >= '1' && cifra <= '9') || cifra == 0xB9 || cifra == 0xB2 || cifra == 0xB3;
}

}  // namespace

std::string motivo_nome_non_sicuro(std::string_view nome) {
  if (nome.empty()) return "il nome è vuoto";
  for (char c : nome) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
      return "contiene un carattere non ammesso nei nomi di file (< > : \" / \\ | ? * o un "
             "carattere di controllo)";
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
      return "contiene caratteri fuori dalla codifica Windows-1252 dei file del pacchetto";
  }
  if (nome.find("..") != std::string_view::npos) return "contiene \"..\"";
  if (nome.back() == '.' || nome.back() == ' ')
    return "finisce con un punto o uno spazio, che Windows toglie dai nomi di file";
  if (riservato(nome)) return "è un nome riservato di Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9)";
  return {};
}

std::string motivo_nomi_in_conflitto(const std::string& nome_linea,
                                     const std::string& numero_treno) {
  Pacchetto p;
  p.nome_linea = nome_linea;
  p.numero_treno = numero_treno;
  // Windows compares names without case.
  if (minuscole(nome_file_celle(p)) == minuscole(nome_file_linea(p)))
    return "il file delle celle avrebbe lo stesso nome del piano della linea";
  return {};
}

}  // namespace progetto1
