// What an announcement costs the main loop: the text conversions, and the
// hand-over to the speech-dispatcher adapter (against a fake daemon), compared
// with waiting until the daemon has the text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "platform/posix/screen_reader.h"
#include "record/utf8.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "tests/speech/ssip_server.h"

namespace {

namespace sr = platform::screen_reader;

const std::string kFrase =
    "nero 12:  pedone da Empoli cattura il pedone in Domodossola 4 scacco, perché è già città. ";

void BM_ConvertiUtf8InAscii(benchmark::State& state) {
  std::string testo;
  for (int i = 0; i < 10; ++i) testo += kFrase;
  std::string out(testo.size() + 1, 0);
  for (auto _ : state) {
    ConvertiUtf8InAscii(testo.c_str(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * testo.size()));
}
BENCHMARK(BM_ConvertiUtf8InAscii);

void BM_StrTempo(benchmark::State& state) {
  DefaultIni();
  int s = 0;
  for (auto _ : state) benchmark::DoNotOptimize(StrTempo(3661 + (s++ & 1023)));
}
BENCHMARK(BM_StrTempo);

// The speech channel on the real adapter, through the fake backend's library table.
struct Canale {
  FakeSsipServer server;
  platform::FakeBackend fake;
  void* modulo = nullptr;
  Canale() {
    setenv("SPEECHD_ADDRESS", server.address().c_str(), 1);
    sr::options().brlapi_libraries = {"libvantorel-no-braille.so.0"};
    modulo = sr::load("nvda.dll");
    if (!modulo) return;
    fake.libraries["nvda.dll"] = {
        {"nvdaController_speakText", sr::symbol(modulo, "nvdaController_speakText")},
        {"nvdaController_brailleMessage", sr::symbol(modulo, "nvdaController_brailleMessage")},
        {"nvdaController_cancelSpeech", sr::symbol(modulo, "nvdaController_cancelSpeech")},
    };
    platform::install(&fake);
    DefaultIni();
    ParametroIni[iniAssistanceType].valore = 2;
    CaricaAssistente(2);
  }
  ~Canale() {
    CaricaAssistente(0);
    platform::install(nullptr);
    if (modulo) sr::unload(modulo);
    unsetenv("SPEECHD_ADDRESS");
  }
};

// Time the main loop spends in Anuncia: conversion and queueing only.
void BM_AnunciaConsegna(benchmark::State& state) {
  Canale canale;
  if (!canale.modulo) {
    state.SkipWithError("no speech module");
    return;
  }
  for (auto _ : state) Anuncia(kFrase.c_str(), 1);
  sr::drain();
}
BENCHMARK(BM_AnunciaConsegna);

// The same, waiting each time until the daemon has acknowledged the text: what
// the main loop would pay if it talked to the daemon itself.
void BM_AnunciaFinoAlDemone(benchmark::State& state) {
  Canale canale;
  if (!canale.modulo) {
    state.SkipWithError("no speech module");
    return;
  }
  for (auto _ : state) {
    Anuncia(kFrase.c_str(), 1);
    sr::drain();
  }
}
BENCHMARK(BM_AnunciaFinoAlDemone);

}  // namespace
