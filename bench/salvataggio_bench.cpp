// Saving a 511-ply game with every game-information field at its longest:
// the move list, the PGN file, the replay script and the signed log, each
// written to a temporary file, flushed to the disk and renamed.
// Target: under 10 ms.
#include <benchmark/benchmark.h>

#include "bench/cartella_bench.h"
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/salvataggio.h"

namespace {

// 511 plies of knights going out and back, one log record each.
void PartitaLunga() {
  const char* giro[4] = {"Nf3", "Nf6", "Ng1", "Ng8"};
  for (int i = 0; i < 511; ++i) {
    DettagliMossa d;
    LeggiDettagliMossaDaStringa(giro[i % 4], &d);
    std::uint64_t m[MaxMosseCompatibili];
    TrovaMosseCompatibili(m, &d);
    ScriviNotazioneAlgebrica(m[0], ElencoStringaMossa[ContatoreMosse + 1]);
    TavolaFaiMossa()[SpecieMossa(m[0])](m[0]);
    GeneraMosseLegali();
    AggiungiRecord(recMossaInserita, ElencoStringaMossa[ContatoreMosse]);
  }
  std::string lungo(LunghezzaCampoInfo - 1, 'x');
  for (char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrBlackCognome,
                      StrBlackNome, StrWhiteElo, StrBlackElo})
    std::strcpy(campo, lungo.c_str());
  std::strcpy(CommentoRisultato, "draw by agreement");
  std::strcpy(Result, "1/2-1/2");
}

void BM_SalvaPartita511(benchmark::State& state) {
  platform::FakeBackend fake;
  platform::install(&fake);
  CartellaDiBench cartella;
  DefaultIni();
  InizializzaTavoleScacchi();
  NuovaPosizione(FenIniziale);
  AzzeraOrologio();
  InizializzaInfoPartita();
  PartitaLunga();
  for (auto _ : state) {
    if (!SalvaPartita()) state.SkipWithError("the game was not saved");
  }
  SvuotaListaRecord();
  NuovaPosizione(FenIniziale);
  platform::install(nullptr);
}
BENCHMARK(BM_SalvaPartita511)->Unit(benchmark::kMillisecond);

}  // namespace
