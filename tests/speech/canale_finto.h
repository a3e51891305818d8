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
// Every call, in order: "cancel", "speak", "braille" ("braille-other" for a
// text other than the one spoken last); the last text spoken as received.
inline std::vector<std::string> chiamate;
inline std::u16string parlato;

inline unsigned long parla(const char16_t* t) {
  parlato = t;
  std::string s;
  for (char16_t c : parlato) platform::append_utf8(s, c);
  detti.push_back({s, cancellato});
  cancellato = false;
  chiamate.push_back("speak");
  return 0;
}
inline unsigned long braille(const char16_t* t) {
  chiamate.push_back(t == parlato ? "braille" : "braille-other");
  return 0;
}
inline unsigned long stop() {
  cancellato = true;
  chiamate.push_back("cancel");
  return 0;
}

// Offers the library to the fake backend.
inline void offri(platform::FakeBackend& fake) {
  detti.clear();
  chiamate.clear();
  parlato.clear();
  cancellato = false;
  fake.libraries["nvda.dll"] = {
      {"nvdaController_speakText", reinterpret_cast<void*>(&parla)},
      {"nvdaController_brailleMessage", reinterpret_cast<void*>(&braille)},
      {"nvdaController_cancelSpeech", reinterpret_cast<void*>(&stop)},
  };
}

// Offers the library and chooses the speaking channel.
inline void installa(platform::FakeBackend& fake) {
  offri(fake);
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
