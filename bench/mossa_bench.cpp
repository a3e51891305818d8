// From ENTER on a typed move to the bytes a terminal receives: parsing, the
// legal list, make, notation, the end-of-game tests, the redraw of the status
// rows and the board, and the terminal renderer's diff of the screen.
// Target: well under 5 ms.
#include <benchmark/benchmark.h>

#include "bench/cartella_bench.h"
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "config/ini.h"
#include "core/fen.h"
#include "platform/fake/fake_backend.h"
#include "platform/posix/renderer.h"
#include "ui/ciclo.h"
#include "ui/comandi.h"
#include "ui/riga_comando.h"

namespace {

void BM_InvioMossa(benchmark::State& state) {
  platform::FakeBackend fake;
  platform::install(&fake);
  CartellaDiBench cartella;
  DefaultIni();
  inizializza();
  platform::Renderer renderer;
  renderer.render(fake.screen, 80, 44);
  for (auto _ : state) {
    state.PauseTiming();
    NuovaPartita(FenIniziale);
    comando_digitazione('N');
    comando_digitazione('f');
    comando_digitazione('3');
    renderer.render(fake.screen, 80, 44);
    state.ResumeTiming();
    comando_invio();
    benchmark::DoNotOptimize(renderer.render(fake.screen, 80, 44));
  }
  platform::install(nullptr);
}
BENCHMARK(BM_InvioMossa)->Unit(benchmark::kMicrosecond);

}  // namespace
