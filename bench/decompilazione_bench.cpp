// The embedded scenario's three files back into texts, verified by compiling
// them in memory: the work of `scenario decompile` without the disk.
//
//   decompilazione_bench
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "tools/decompilazione/decompilazione.h"
#include "tools/motore/compilazione.h"

namespace {

using namespace progetto1::strumento;

void Decompilazione_ScenarioIncorporato(benchmark::State& state) {
  const std::vector<FileUscita> testi = testi_pacchetto();
  const EsitoCompilazione e = compila(testi[0].second, testi[1].second, "Corsanta", "7402", true);
  if (e.file.size() != 3) throw std::runtime_error("lo scenario incorporato non compila");
  const FileBinari f{e.file[0].second, e.file[1].second, e.file[2].second};
  for (auto _ : state) {
    const EsitoDecompilazione d = decompila(f, "Corsanta", "7402");
    if (!d.riuscita) throw std::runtime_error("lo scenario incorporato non torna");
    benchmark::DoNotOptimize(d.testo_linea.data());
  }
}
BENCHMARK(Decompilazione_ScenarioIncorporato)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
