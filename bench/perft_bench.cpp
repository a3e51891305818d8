// Speed of the chess core: perft from the start position and from "Kiwipete", and building
// the tables at start-up. The nodes-per-second counter is what bench/compare_stockfish.sh reads.
#include <benchmark/benchmark.h>

#include "core/fen.h"
#include "core/perft.h"
#include "core/posizione.h"
#include "core/tavole.h"

namespace {

void PerftDa(benchmark::State& state, const char* fen) {
  InizializzaTavoleScacchi();
  const int profondita = static_cast<int>(state.range(0));
  std::uint64_t nodi = 0;
  for (auto _ : state) {
    SvuotaScacchiera();
    CaricaPosizioneDaStringaFen(fen);
    nodi += Perft(profondita);
  }
  state.counters["nodes"] = benchmark::Counter(static_cast<double>(nodi));
  state.counters["nps"] =
      benchmark::Counter(static_cast<double>(nodi), benchmark::Counter::kIsRate);
}

void BM_PerftInizio(benchmark::State& state) { PerftDa(state, FenIniziale); }
BENCHMARK(BM_PerftInizio)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_PerftKiwipete(benchmark::State& state) {
  PerftDa(state, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
}
BENCHMARK(BM_PerftKiwipete)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_InizializzaTavole(benchmark::State& state) {
  for (auto _ : state) {
    InizializzaTavoleScacchi();
    benchmark::DoNotOptimize(DbMobilita[DimensioneDbMobilita - 1]);
  }
}
BENCHMARK(BM_InizializzaTavole)->Unit(benchmark::kMillisecond);

}  // namespace
