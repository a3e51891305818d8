// Pasting a game of 511 plies, the longest a game holds: scanning the text,
// the legality pass, the new game and the loading of moves, header and log,
// with the fake clipboard in place of the clipboard tool. Target: under 5 ms.
// And ten megabytes of clipboard text, pasted whole and scanned alone.
#include <benchmark/benchmark.h>

#include "bench/cartella_bench.h"
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
#include "tests/support/testo_ripetuto.h"
#include "ui/ciclo.h"

namespace {

std::string Leggi(const char* nome) {
  std::ifstream f(std::string(VANTOREL_SOURCE_DIR) + "/tests/fixtures/" + nome);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string Partita511() { return Leggi("paste/partita_511_semimosse.pgn"); }

// The whole paste command on the text, again and again; si: a Yes to the question of each.
void Incolla(benchmark::State& state, const std::string& testo, std::uint64_t attese, bool si) {
  platform::FakeBackend fake;
  platform::install(&fake);
  CartellaDiBench cartella;
  DefaultIni();
  inizializza();
  fake.clipboard = testo;
  for (auto _ : state) {
    PartitaSalvata = 1;
    if (si) fake.answer(IDYES);
    comando_incolla();
    if (ContatoreMosse != attese) state.SkipWithError("the game did not load");
    fake.dialogs.clear();
  }
  platform::install(nullptr);
}

void BM_IncollaPartita511(benchmark::State& state) { Incolla(state, Partita511(), 511, false); }
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

// Ten megabytes on the clipboard: five copies of the two-thousand-game corpus (the first
// game is taken), or ten megabytes of moves (cut at 511 plies after a Yes).
std::string Testo10MB(std::int64_t mosse) {
  return TestoRipetuto(mosse ? "Nf3 Nf6 Ng1 Ng8 " : Leggi("corpus-2k.pgn"), 10u << 20);
}

void BM_Incolla10MB(benchmark::State& state) {
  const bool mosse = state.range(0) != 0;
  Incolla(state, Testo10MB(state.range(0)), mosse ? 511 : 45, mosse);
}
BENCHMARK(BM_Incolla10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Scansione10MB(benchmark::State& state) {
  const std::string testo = Testo10MB(state.range(0));
  static DatiPartita d;
  for (auto _ : state) {
    InizializzaStrutturaDatiPartita(&d);
    LeggiDatiPartitaDaStringa(testo.c_str(), &d);
    benchmark::DoNotOptimize(d.mosse_trovate);
  }
}
BENCHMARK(BM_Scansione10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
