// Pasting a game of 511 plies, the longest a game holds: scanning the text,
// the legality pass, the new game and the loading of moves, header and log,
// with the fake clipboard in place of the clipboard tool. Target: under 5 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "clock/incolla.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "ui/ciclo.h"

namespace {

std::string Partita511() {
  std::ifstream f(std::string(VANTOREL_SOURCE_DIR) +
                  "/tests/fixtures/paste/partita_511_semimosse.pgn");
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void BM_IncollaPartita511(benchmark::State& state) {
  platform::FakeBackend fake;
  platform::install(&fake);
  auto prima = std::filesystem::current_path();
  char modello[] = "/tmp/vantorel-bench-XXXXXX";
  std::filesystem::path cartella = mkdtemp(modello);
  std::filesystem::current_path(cartella);
  DefaultIni();
  inizializza();
  fake.clipboard = Partita511();
  for (auto _ : state) {
    PartitaSalvata = 1;
    comando_incolla();
    if (ContatoreMosse != 511) state.SkipWithError("the game did not load");
  }
  std::filesystem::current_path(prima);
  std::filesystem::remove_all(cartella);
  platform::install(nullptr);
}
BENCHMARK(BM_IncollaPartita511)->Unit(benchmark::kMillisecond);

void BM_ScansioneTesto511(benchmark::State& state) {
  const std::string testo = Partita511();
  static DatiPartita d;
  for (auto _ : state) {
    InizializzaStrutturaDatiPartita(&d);
    LeggiDatiPartitaDaStringa(testo.c_str(), &d);
    benchmark::DoNotOptimize(d.mosse);
  }
}
BENCHMARK(BM_ScansioneTesto511)->Unit(benchmark::kMicrosecond);

}  // namespace
