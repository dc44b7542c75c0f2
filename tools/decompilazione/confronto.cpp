// The differences between the files and what the decompiled texts compile
// to: the first few records or plan points of each file that differ.
#include <bit>

#include "model/cp1252.h"
#include "model/tracciati.h"
#include "tools/decompilazione/lavoro.h"

namespace progetto1::strumento::decompilazione {

namespace {

constexpr std::size_t kDifferenzeMassime = 5;

template <class Record, class Campi>
std::string campi_diversi(const Record& atteso, const Record& ottenuto, const Campi& campi) {
  std::string s;
  per_ogni_campo(campi, [&](const auto& c) {
    if (atteso.*c.membro == ottenuto.*c.membro) return;
    if (!s.empty()) s += ", ";
    s += c.nome;
    if constexpr (c.kTesto) {
      s += " \"" + da_cp1252(ottenuto.*c.membro) + "\" invece di \"" + da_cp1252(atteso.*c.membro) +
           "\"";
    } else {
      // Piece by piece: MinGW's GCC 12 at -O3 warns falsely (-Wrestrict) on
      // " " + a temporary string here.
      s += ' ';
      s += numero(ottenuto.*c.membro);
      s += " invece di ";
      s += numero(atteso.*c.membro);
    }
  });
  return s;
}

template <class Record, class Campi>
void differenze_record(const std::string& cosa, const std::vector<Record>& atteso,
                       const std::vector<Record>& ottenuto, const Campi& campi,
                       std::vector<std::string>& d) {
  if (atteso.size() != ottenuto.size()) {
    d.push_back(cosa + ": " + numero(static_cast<long long>(ottenuto.size())) +
                " record invece di " + numero(static_cast<long long>(atteso.size())));
    return;
  }
  std::size_t trovate = 0;
  for (std::size_t i = 0; i < atteso.size() && trovate < kDifferenzeMassime; ++i) {
    if (atteso[i] == ottenuto[i]) continue;
    d.push_back(cosa + " " + numero(static_cast<long long>(i)) + ": " +
                campi_diversi(atteso[i], ottenuto[i], campi));
    ++trovate;
  }
}

}  // namespace

void differenze_stazioni(const std::vector<stazione>& attese, const std::vector<stazione>& ottenute,
                         std::vector<std::string>& d) {
  differenze_record("slot", attese, ottenute, kCampiStazione, d);
}

void differenze_celle(const std::vector<cella>& attese, const std::vector<cella>& ottenute,
                      std::vector<std::string>& d) {
  differenze_record("cella", attese, ottenute, kCampiCella, d);
}

void differenze_piano(const Piano& atteso, const Piano& ottenuto, std::vector<std::string>& d) {
  if (atteso.x.size() != ottenuto.x.size()) {
    d.push_back("piano: " + numero(static_cast<long long>(ottenuto.x.size())) +
                " punti invece di " + numero(static_cast<long long>(atteso.x.size())));
    return;
  }
  std::size_t trovate = 0;
  for (std::size_t i = 0; i < atteso.x.size() && trovate < kDifferenzeMassime; ++i) {
    const auto uguale = [](const ValorePiano& a, const ValorePiano& b) {
      return a.tipo == b.tipo &&
             std::bit_cast<std::uint64_t>(a.valore) == std::bit_cast<std::uint64_t>(b.valore);
    };
    if (uguale(atteso.x[i], ottenuto.x[i]) && uguale(atteso.y[i], ottenuto.y[i])) continue;
    d.push_back("punto " + numero(static_cast<long long>(i)) + " del piano: diverso");
    ++trovate;
  }
}

}  // namespace progetto1::strumento::decompilazione
