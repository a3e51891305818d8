// From ENTER on a typed move to the screen written: parsing, the legal list,
// make, notation, the end-of-game tests and the redraw of the status rows and
// the board. Target: well under 5 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "config/ini.h"
#include "core/fen.h"
#include "platform/fake/fake_backend.h"
#include "ui/ciclo.h"
#include "ui/comandi.h"
#include "ui/riga_comando.h"

namespace {

void BM_InvioMossa(benchmark::State& state) {
  platform::FakeBackend fake;
  platform::install(&fake);
  auto prima = std::filesystem::current_path();
  char modello[] = "/tmp/vantorel-bench-XXXXXX";
  std::filesystem::path cartella = mkdtemp(modello);
  std::filesystem::current_path(cartella);
  DefaultIni();
  inizializza();
  for (auto _ : state) {
    state.PauseTiming();
    NuovaPartita(FenIniziale);
    comando_digitazione('N');
    comando_digitazione('f');
    comando_digitazione('3');
    state.ResumeTiming();
    comando_invio();
    benchmark::DoNotOptimize(fake.row(20));
  }
  std::filesystem::current_path(prima);
  std::filesystem::remove_all(cartella);
  platform::install(nullptr);
}
BENCHMARK(BM_InvioMossa)->Unit(benchmark::kMicrosecond);

}  // namespace
