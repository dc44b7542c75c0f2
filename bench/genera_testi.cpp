// Writes the texts of the whole-process comparison into a folder:
//   lunga_linea.txt, lunga_treno.txt   the 993000 m line and its train
//   cento_mb_linea.txt                 the short test line followed by 100 MB
//                                      of fields that match no keyword
//   breve_treno.txt                    the short test train
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/testi_lunghi.h"

namespace {

bool scrivi(const std::string& percorso, const std::string& byte) {
  std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
  f.write(byte.data(), static_cast<std::streamsize>(byte.size()));
  f.close();
  if (!f) std::cerr << "genera_testi: impossibile scrivere " << percorso << "\n";
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: genera_testi CARTELLA\n";
    return 2;
  }
  const std::string cartella = argv[1];
  const progetto1::Testi lunghi = progetto1::testi_lunghi();

  namespace prova = progetto1::prova;
  std::string cento = prova::unisci(prova::piu(prova::generale(), {"[fine]"}));
  const std::string riga = "riga di riempimento senza parole chiave, 1, 2, 3\r\n";
  while (cento.size() < 100'000'000) cento += riga;

  const bool ok = scrivi(cartella + "/lunga_linea.txt", lunghi.linea) &&
                  scrivi(cartella + "/lunga_treno.txt", lunghi.treno) &&
                  scrivi(cartella + "/cento_mb_linea.txt", cento) &&
                  scrivi(cartella + "/breve_treno.txt", prova::unisci(prova::treno_minimo()));
  return ok ? 0 : 1;
}
