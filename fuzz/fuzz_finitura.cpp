// Feeds arbitrary bytes through the whole finishing stage in memory: the
// bytes before the first NUL are the line text, the rest the train text. One
// input size in four also builds the line plan: a plan of a long line costs
// tens of megabytes, and building it for every input would slow the fuzzer
// to a crawl. The stage may record codes, stop
// on its checks or fail with a run-time failure; it must never crash, hang,
// leak or touch memory outside its objects.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/archivio_memoria.h"
#include "model/guasto.h"
#include "model/pacchetto.h"
#include "output/finitura.h"

namespace {

struct ArrestoControllo {};

class AvvisiFuzz : public progetto1::Avvisi {
 public:
  [[noreturn]] void errore(progetto1::CodiceErrore /*a*/) override { throw ArrestoControllo{}; }
};

}  // namespace

#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 at -O3 sees an overlapping copy in a short literal's assignment to a
// std::string (its bug 105329); there is none.
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  const std::string_view ingresso(reinterpret_cast<const char*>(dati), n);
  const auto nul = ingresso.find('\0');
  const std::string_view linea = ingresso.substr(0, nul);
  const std::string_view treno =
      nul == std::string_view::npos ? std::string_view{} : ingresso.substr(nul + 1);

  progetto1::Pacchetto p;
  p.nome_linea = "Fuzz";
  p.numero_treno = "1";
  progetto1::ArchivioMemoria archivio;
  archivio.file[progetto1::nome_testo_linea(p)] = std::string(linea);
  archivio.file[progetto1::nome_testo_treno(p)] = std::string(treno);
  AvvisiFuzz avvisi;
  try {
    progetto1::memorizza_percorso(p, static_cast<std::int32_t>(n % 4 == 1), archivio, avvisi);
  } catch (const ArrestoControllo&) {
  } catch (const progetto1::Guasto&) {
  }
  return 0;
}
