// scenario check against scenario compile of the same texts, both in memory:
// the embedded scenario and a line near the longest the package accepts.
//
//   verifica_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <string>

#include "bench/testi_lunghi.h"
#include "model/pacchetto.h"
#include "tools/motore/compilazione.h"
#include "tools/motore/verifica.h"

namespace progetto1::strumento {
namespace {

const Testi& incorporati() {
  static const Testi t = [] {
    const std::vector<FileUscita> f = testi_pacchetto();
    return Testi{f[0].second, f[1].second};
  }();
  return t;
}

const Testi& lunghi() {
  static const Testi t = testi_lunghi();
  return t;
}

void check(benchmark::State& state, const Testi& t) {
  long diagnostiche = 0;
  for (auto _ : state) {
    const EsitoVerifica e = verifica(t.linea, t.treno, kNomeLinea, kNumeroTreno, "l", "t");
    diagnostiche = static_cast<long>(e.diagnostiche.size());
    benchmark::DoNotOptimize(e);
  }
  state.counters["diagnostiche"] = static_cast<double>(diagnostiche);
}

void compile(benchmark::State& state, const Testi& t) {
  for (auto _ : state) {
    const EsitoCompilazione e = compila(t.linea, t.treno, kNomeLinea, kNumeroTreno, true);
    benchmark::DoNotOptimize(e);
  }
}

void BM_CheckIncorporato(benchmark::State& s) { check(s, incorporati()); }
void BM_CompileIncorporato(benchmark::State& s) { compile(s, incorporati()); }
void BM_CheckLinea993000(benchmark::State& s) { check(s, lunghi()); }
void BM_CompileLinea993000(benchmark::State& s) { compile(s, lunghi()); }
BENCHMARK(BM_CheckIncorporato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileIncorporato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLinea993000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileLinea993000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace progetto1::strumento

BENCHMARK_MAIN();
