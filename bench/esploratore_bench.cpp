// Game review: ALT+HOME then ALT+END in the board explorer over the longest
// game the arrays hold (511 half-moves), each step unmade or replayed with the
// legal list regenerated, the board redrawn and the last move announced.
// Target: under 20 ms.
#include <benchmark/benchmark.h>

#include "bench/cartella_bench.h"
#include <unistd.h>

#include <filesystem>

#include "config/ini.h"
#include "core/fen.h"
#include "platform/fake/fake_backend.h"
#include "speech/annuncio.h"
#include "tests/ui/partita_lunga.h"
#include "ui/ciclo.h"
#include "ui/comandi.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/stato.h"

namespace {

unsigned long Parla(const char16_t*) { return 0; }
unsigned long Zitto() { return 0; }

void BM_RevisioneInizioEFine(benchmark::State& state) {
  platform::FakeBackend fake;
  fake.libraries["nvda.dll"] = {
      {"nvdaController_speakText", reinterpret_cast<void*>(&Parla)},
      {"nvdaController_brailleMessage", reinterpret_cast<void*>(&Parla)},
      {"nvdaController_cancelSpeech", reinterpret_cast<void*>(&Zitto)},
  };
  platform::install(&fake);
  CartellaDiBench cartella;
  DefaultIni();
  inizializza();
  ParametroIni[iniAssistanceType].valore = 2;
  CaricaAssistente(2);
  if (!GiocaCavalliAvantiEIndietro(static_cast<int>(MaxPly))) state.SkipWithError("game");
  comando_AttivaEsplorazioneScacchiera();
  if (focus != 1 || ContatoreMosse != MaxPly) state.SkipWithError("explorer");
  for (auto _ : state) {
    EsploraIndietroTutta();
    EsploraAvantiTutta();
    benchmark::DoNotOptimize(ContatoreMosse);
  }
  comando_DisattivaEsplorazioneScacchiera();
  platform::install(nullptr);
}
BENCHMARK(BM_RevisioneInizioEFine)->Unit(benchmark::kMillisecond);

}  // namespace
