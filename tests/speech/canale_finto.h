// A screen-reader library for the fake backend that keeps what it is told,
// so tests can hear what the program says.
#pragma once

#include <string>
#include <vector>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "platform/screen_buffer.h"
#include "speech/annuncio.h"
#include "tests/support/ambiente_finto.h"

namespace canale_finto {

struct Detto {
  std::string testo;  // UTF-8
  bool interrotto;    // a cancel came just before it
};

inline std::vector<Detto> detti;
inline bool cancellato = false;

inline unsigned long parla(const char16_t* t) {
  std::string s;
  for (; *t; ++t) platform::append_utf8(s, *t);
  detti.push_back({s, cancellato});
  cancellato = false;
  return 0;
}
inline unsigned long braille(const char16_t*) { return 0; }
inline unsigned long stop() {
  cancellato = true;
  return 0;
}

// Offers the library to the fake backend and chooses the speaking channel.
inline void installa(platform::FakeBackend& fake) {
  detti.clear();
  cancellato = false;
  fake.libraries["nvda.dll"] = {
      {"nvdaController_speakText", reinterpret_cast<void*>(&parla)},
      {"nvdaController_brailleMessage", reinterpret_cast<void*>(&braille)},
      {"nvdaController_cancelSpeech", reinterpret_cast<void*>(&stop)},
  };
  ParametroIni[iniAssistanceType].valore = 2;
  CaricaAssistente(2);
}

inline std::string ultimo() { return detti.empty() ? std::string() : detti.back().testo; }

// The fake platform with the dialog box ready; no channel left loaded afterwards.
struct AmbienteParlato : AmbienteFinto {
  void SetUp() override {
    AmbienteFinto::SetUp();
    CaricaFinestraDiDialogo();
  }
  void TearDown() override {
    CaricaAssistente(0);
    CaricaFinestraDiDialogo();
    FinestraDiDialogo(nullptr, 0);
    AmbienteFinto::TearDown();
  }
};

}  // namespace canale_finto
