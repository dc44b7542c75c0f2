// Writes the seed corpus of the fuzz target into a folder: the embedded line
// and train texts joined by a NUL, and small variations of them (records cut
// off, values pushed to their limits, line ends changed).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/pacchetto.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "scenario/scrittori/testi.h"

namespace {

void scrivi(const std::filesystem::path& cartella, int& n, const std::string& dati) {
  std::ofstream(cartella / ("seme_" + std::to_string(n++)), std::ios::binary) << dati;
}

std::string sostituisci_tutti(std::string s, const std::string& da, const std::string& a) {
  for (auto pos = s.find(da); pos != std::string::npos; pos = s.find(da, pos + a.size())) {
    s.replace(pos, da.size(), a);
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: genera_semi CARTELLA\n");
    return 2;
  }
  const std::filesystem::path cartella = argv[1];
  std::filesystem::create_directories(cartella);
  progetto1::Pacchetto p;
  p.nome_linea = progetto1::kNomeLinea;
  p.numero_treno = progetto1::kNumeroTreno;
  std::int32_t contatore = 0;
  const std::string linea = progetto1::componi_testo(progetto1::righe_linea(p), contatore);
  const std::string treno = progetto1::componi_testo(progetto1::righe_treno(p), contatore);

  int n = 0;
  const std::string intero = linea + '\0' + treno;
  scrivi(cartella, n, intero);
  scrivi(cartella, n,
         intero + std::string(4 - (intero.size() + 3) % 4, ' '));  // with the line plan
  scrivi(cartella, n, sostituisci_tutti(intero, "\r\n", "\n"));
  scrivi(cartella, n, sostituisci_tutti(intero, "104300", "1000000"));
  scrivi(cartella, n, sostituisci_tutti(intero, "104300", "1000001"));
  scrivi(cartella, n, sostituisci_tutti(intero, "104300", "300"));
  scrivi(cartella, n, sostituisci_tutti(intero, "[generale]", "[gen]"));
  scrivi(cartella, n, sostituisci_tutti(intero, "segnale,", "segnale,  0,"));
  scrivi(cartella, n, sostituisci_tutti(intero, "    14", "    99999999999999999999"));
  for (std::size_t taglio : {std::size_t{200}, linea.size() / 2, linea.size() + 300}) {
    scrivi(cartella, n, intero.substr(0, taglio));
  }
  const std::vector<std::string> piccoli = {
      "[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\ncurvad4, 100, 200\r\n",
      std::string("[generale]\nlunghezza percorso, 2000\n[fine]\n") + '\0' +
          "[generale]\nstazione, 500, 4, 200, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A\n"
          "rallentamento, 1600, 30, 100, 0, 1, 0\nsegnale, 1000, 2,1,1,0,0,0,0,0,0,50\n",
      "[generale]\nlunghezza percorso, 5000\nripetizione segnali 9, 100, 50\n[x]\n"
      "montagna, 100, 900, 12\nindicatori_vmax, 1000, 90,,,1,5,5,5,1\n"
      "cartello_indicatore, 1500, \"(A)(B)\"\npendenza, 300, -9\n",
  };
  for (const auto& s : piccoli) scrivi(cartella, n, s);
  std::printf("%d semi in %s\n", n, cartella.string().c_str());
  return 0;
}
