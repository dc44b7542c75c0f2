#include "tools/motore/somiglianza.h"

#include <algorithm>

#include "model/cp1252.h"

namespace progetto1::strumento {

std::size_t distanza(std::string_view a, std::string_view b) {
  const std::string x = minuscole(a);
  const std::string y = minuscole(b);
  std::vector<std::size_t> riga(y.size() + 1);
  for (std::size_t j = 0; j <= y.size(); ++j) riga[j] = j;
  for (std::size_t i = 1; i <= x.size(); ++i) {
    std::size_t diagonale = riga[0];
    riga[0] = i;
    for (std::size_t j = 1; j <= y.size(); ++j) {
      const std::size_t sopra = riga[j];
      riga[j] = std::min({riga[j] + 1, riga[j - 1] + 1, diagonale + (x[i - 1] != y[j - 1])});
      diagonale = sopra;
    }
  }
  return riga[y.size()];
}

std::string piu_vicina(std::string_view parola, const std::vector<std::string>& candidati) {
  std::string migliore;
  std::size_t limite = std::max<std::size_t>(2, parola.size() / 3) + 1;
  for (const std::string& c : candidati) {
    const std::size_t d = distanza(parola, c);
    if (d == 0 || d >= limite) continue;
    limite = d;
    migliore = c;
  }
  return migliore;
}

}  // namespace progetto1::strumento
