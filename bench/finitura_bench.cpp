// The finishing stage on the embedded scenario and on a line near the longest
// the package accepts, timed and with the peak of heap memory it needs.
//
//   finitura_bench --benchmark_counters_tabular=true
//
// picco_MB is the largest heap in use during one run, the model included;
// the binary files are only measured, not kept, as when they go to disk.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/testi_lunghi.h"
#include "model/archivio_memoria.h"
#include "model/avvisi.h"
#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "scenario/scrittori/testi.h"

namespace {

std::atomic<long long> in_uso{0};
std::atomic<long long> picco{0};

void* prendi(std::size_t n) {
  void* p = std::malloc(n == 0 ? 1 : n);
  if (p == nullptr) throw std::bad_alloc();
  const long long ora = in_uso += static_cast<long long>(malloc_usable_size(p));
  long long visto = picco.load();
  while (ora > visto && !picco.compare_exchange_weak(visto, ora)) {
  }
  return p;
}

void rendi(void* p) {
  if (p == nullptr) return;
  in_uso -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return prendi(n); }
void* operator new[](std::size_t n) { return prendi(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return prendi(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return prendi(n);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { rendi(p); }
void operator delete[](void* p) noexcept { rendi(p); }
void operator delete(void* p, std::size_t) noexcept { rendi(p); }
void operator delete[](void* p, std::size_t) noexcept { rendi(p); }

namespace progetto1 {
namespace {

// The binary files go to disk in the package: here only their sizes stay.
class ArchivioMisura : public ArchivioMemoria {
 public:
  void sostituisci(const std::string& nome, std::string_view byte) override {
    if (nome.ends_with(".txt")) {
      ArchivioMemoria::sostituisci(nome, byte);
    } else {
      dimensioni[nome] = byte.size();
    }
  }
  std::map<std::string, std::size_t> dimensioni;
};

class AvvisiBench : public Avvisi {
 public:
  [[noreturn]] void errore(CodiceErrore a) override {
    throw std::runtime_error("errore " + testo_codice(a));
  }
};

Testi testi_incorporati() {
  Pacchetto p;
  p.nome_linea = kNomeLinea;
  p.numero_treno = kNumeroTreno;
  std::int32_t contatore = 0;
  return {componi_testo(righe_linea(p), contatore), componi_testo(righe_treno(p), contatore)};
}

void finitura(benchmark::State& state, const Testi& testi) {
  long long picco_run = 0;
  std::size_t byte_scritti = 0;
  std::int32_t codice_errore = 0;
  for (auto _ : state) {
    const long long base = in_uso.load();
    picco = base;
    {
      ArchivioMisura archivio;
      Pacchetto p;
      p.nome_linea = kNomeLinea;
      p.numero_treno = kNumeroTreno;
      archivio.ArchivioMemoria::sostituisci(nome_testo_linea(p), testi.linea);
      archivio.ArchivioMemoria::sostituisci(nome_testo_treno(p), testi.treno);
      AvvisiBench avvisi;
      memorizza_percorso(p, 1, archivio, avvisi);
      byte_scritti = 0;
      for (const auto& [nome, n] : archivio.dimensioni) byte_scritti += n;
      codice_errore = p.codice_errore;
      benchmark::DoNotOptimize(p);
    }
    picco_run = std::max(picco_run, picco.load() - base);
  }
  state.counters["picco_MB"] = static_cast<double>(picco_run) / (1024.0 * 1024.0);
  state.counters["file_MB"] = static_cast<double>(byte_scritti) / (1024.0 * 1024.0);
  state.counters["codice_errore"] = codice_errore;
}

void BM_ScenarioIncorporato(benchmark::State& state) {
  static const Testi testi = testi_incorporati();
  finitura(state, testi);
}
BENCHMARK(BM_ScenarioIncorporato)->Unit(benchmark::kMillisecond);

void BM_Linea993000(benchmark::State& state) {
  static const Testi testi = testi_lunghi();
  finitura(state, testi);
}
BENCHMARK(BM_Linea993000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace progetto1

BENCHMARK_MAIN();
