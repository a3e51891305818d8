// Pasting ten megabytes of clipboard text: five copies of the two-thousand-game corpus (the
// first game is taken) and ten megabytes of moves (cut at 511 plies after a Yes). The whole
// command, with the fake clipboard in place of the clipboard tool, and the scan alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "clock/incolla.h"
#include "clock/lettore_pgn.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "ui/ciclo.h"

namespace {

constexpr std::size_t kDieciMega = 10u << 20;

std::string Ripeti(const std::string& testo) {
  std::string s;
  s.reserve(kDieciMega + testo.size());
  while (s.size() < kDieciMega) s += testo;
  return s;
}

std::string Testo(int quale) {
  if (quale == 1) return Ripeti("Nf3 Nf6 Ng1 Ng8 ");
  std::ifstream f(std::string(VANTOREL_SOURCE_DIR) + "/tests/fixtures/corpus-2k.pgn");
  std::stringstream s;
  s << f.rdbuf();
  return Ripeti(s.str());
}

void BM_Incolla10MB(benchmark::State& state) {
  platform::FakeBackend fake;
  platform::install(&fake);
  auto prima = std::filesystem::current_path();
  char modello[] = "/tmp/vantorel-bench-XXXXXX";
  std::filesystem::path cartella = mkdtemp(modello);
  std::filesystem::current_path(cartella);
  DefaultIni();
  inizializza();
  fake.clipboard = Testo(static_cast<int>(state.range(0)));
  const std::uint64_t attese = state.range(0) == 1 ? 511 : 45;
  for (auto _ : state) {
    PartitaSalvata = 1;
    if (attese == 511) fake.answer(IDYES);  // the question at the 512th ply
    comando_incolla();
    if (ContatoreMosse != attese) state.SkipWithError("the game did not load");
    fake.dialogs.clear();
  }
  std::filesystem::current_path(prima);
  std::filesystem::remove_all(cartella);
  platform::install(nullptr);
}
BENCHMARK(BM_Incolla10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Scansione10MB(benchmark::State& state) {
  const std::string testo = Testo(static_cast<int>(state.range(0)));
  static DatiPartita d;
  for (auto _ : state) {
    InizializzaStrutturaDatiPartita(&d);
    LeggiDatiPartitaDaStringa(testo.c_str(), &d);
    benchmark::DoNotOptimize(d.mosse_trovate);
  }
}
BENCHMARK(BM_Scansione10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
