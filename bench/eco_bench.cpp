// Classifying a game's opening: the lookup of a 36-ply line in eco.bin.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "book/eco.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "core/tavole.h"

namespace {

// A Ruy Lopez main line, classified deep into the file, then played on to ply 36.
const char* const Linea[] = {
    "e4",  "e5",  "Nf3", "Nc6",  "Bb5", "a6",   "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5",
    "Bb3", "d6",  "c3",  "O-O",  "h3",  "Nb8",  "d4",  "Nbd7", "Nbd2", "Bb7", "Bc2", "Re8",
    "Nf1", "Bf8", "Ng3", "g6",   "a4",  "c5",   "d5",  "c4",  "Bg5", "h6",  "Be3", "Nc5"};

void BM_LeggiInfoApertura36(benchmark::State& state) {
  InizializzaTavoleScacchi();
  if (!CaricaEco(VANTOREL_ECO_BIN)) {
    state.SkipWithError("eco.bin not found");
    return;
  }
  NuovaPosizione(FenIniziale);
  for (const char* san : Linea) {
    DettagliMossa d;
    std::uint64_t m[DimensioneBufferMosse];
    if (!LeggiDettagliMossaDaStringa(san, &d) || TrovaMosseCompatibili(m, &d, 256) != 1 ||
        !TavolaFaiMossa()[SpecieMossa(m[0])](m[0])) {
      state.SkipWithError(san);
      return;
    }
    GeneraMosseLegali();
  }
  InfoApertura info;
  for (auto _ : state) {
    LeggiInfoApertura(&info);
    benchmark::DoNotOptimize(info);
  }
  if (!info.trovata) state.SkipWithError("the line was not classified");
}
BENCHMARK(BM_LeggiInfoApertura36);

}  // namespace
