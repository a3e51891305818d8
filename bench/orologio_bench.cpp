// The cost of the clock's work on each pass of the main loop.
#include <benchmark/benchmark.h>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "platform/fake/fake_backend.h"

namespace {

struct OrologioInCorsa {
  platform::FakeBackend fake;
  OrologioInCorsa() {
    platform::install(&fake);
    DefaultIni();
    ContatoreMosse = 0;
    AzzeraOrologio();
    CaricaTempoDaiParametri();
    OrologioInMoto();
    AggiornaTempoVisualizzato(0);
  }
  ~OrologioInCorsa() { platform::install(nullptr); }
};

// A pass within the same displayed second: must return at once.
void BM_AggiornamentoSenzaCambio(benchmark::State& state) {
  OrologioInCorsa o;
  for (auto _ : state) {
    AggiornaTempoVisualizzato(0);
    benchmark::DoNotOptimize(TempoVisualizzato[0]);
  }
}
BENCHMARK(BM_AggiornamentoSenzaCambio);

// A pass that finds a new second and redraws the time.
void BM_AggiornamentoNuovoSecondo(benchmark::State& state) {
  OrologioInCorsa o;
  for (auto _ : state) {
    o.fake.advance(1000);
    AggiornaTempoVisualizzato(0);
    if (TempoVisualizzato[0] < 60) {  // stay clear of alarms and the flag
      state.PauseTiming();
      TempoRimasto[0] = 7200000;
      InizioTempo = Adesso();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_AggiornamentoNuovoSecondo);

// The loop's question before it waits for keys.
void BM_MillisecondiAlProssimoSecondo(benchmark::State& state) {
  OrologioInCorsa o;
  for (auto _ : state) benchmark::DoNotOptimize(MillisecondiAlProssimoSecondo());
}
BENCHMARK(BM_MillisecondiAlProssimoSecondo);

}  // namespace
