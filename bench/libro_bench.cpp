// The book builder on a PGN corpus: games per second, default filters and
// lines of at most 40 plies. The corpus is $VANTOREL_CORPUS, else the one in
// tests/fixtures. bench/compare_polyglot.sh runs it beside polyglot make-book.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "core/fen.h"
#include "core/tavole.h"

namespace {

std::string Corpus() {
  const char* c = std::getenv("VANTOREL_CORPUS");
  return c ? c : VANTOREL_SOURCE_DIR "/tests/fixtures/corpus-2k.pgn";
}

// Games in the file: one Event tag each.
long ContaPartite(const std::string& percorso) {
  std::FILE* f = std::fopen(percorso.c_str(), "rb");
  if (!f) return 0;
  long n = 0;
  char riga[4096];
  while (std::fgets(riga, sizeof riga, f))
    if (std::strncmp(riga, "[Event ", 7) == 0) ++n;
  std::fclose(f);
  return n;
}

void BM_CostruisciLibro(benchmark::State& state) {
  InizializzaTavoleScacchi();
  NuovaPosizione(FenIniziale);
  const std::string percorso = Corpus();
  const long partite = ContaPartite(percorso);
  if (partite == 0) {
    state.SkipWithError("corpus not found");
    return;
  }
  for (auto _ : state) {
    std::vector<NodoLibro> libro;
    std::FILE* f = std::fopen(percorso.c_str(), "rb");
    EsitoCostruzione e = CostruisciLibroDa(f, libro, CriteriLibro{});
    std::fclose(f);
    benchmark::DoNotOptimize(e);
  }
  state.SetItemsProcessed(state.iterations() * partite);
  state.counters["games"] = static_cast<double>(partite);
}
BENCHMARK(BM_CostruisciLibro)->Unit(benchmark::kMillisecond);

}  // namespace
