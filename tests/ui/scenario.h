// Drives the whole program through the fake backend: start-up in a scratch
// working directory, keys in; screen rows, spoken texts, tones and dialogs out.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "speech/annuncio.h"
#include "tests/support/cartella_temporanea.h"
#include "ui/ciclo.h"
#include "ui/comandi.h"
#include "ui/stato.h"

namespace scenario {

// What the fake screen reader was asked to say, in UTF-8.
inline std::vector<std::string> parlato;

inline unsigned long Parla(const char16_t* t) {
  std::string s;
  for (; *t; ++t) platform::append_utf8(s, *t);
  parlato.push_back(s);
  return 0;
}
inline unsigned long Braille(const char16_t*) { return 0; }
inline unsigned long Zitto() { return 0; }

struct Scenario : ::testing::Test {
  platform::FakeBackend fake;
  std::unique_ptr<CartellaTemporanea> cartella;

  // lingua: 0 it, 1 en, 2 es. With voce, a screen reader is the channel, so
  // every announcement is heard by the test.
  void Avvia(int lingua = 1, bool voce = true) {
    cartella = std::make_unique<CartellaTemporanea>();
    std::FILE* f = std::fopen("vantorel.ini", "w");
    std::fprintf(f, "$ lang %d\n$ AssistanceType %d\n", lingua, voce ? 2 : 0);
    std::fclose(f);
    platform::install(&fake);
    parlato.clear();
    fake.libraries["nvda.dll"] = {
        {"nvdaController_speakText", reinterpret_cast<void*>(&Parla)},
        {"nvdaController_brailleMessage", reinterpret_cast<void*>(&Braille)},
        {"nvdaController_cancelSpeech", reinterpret_cast<void*>(&Zitto)},
    };
    DefaultIni();
    CharatteriInComando = 0;
    inizializza();
    parlato.clear();
    fake.tones.clear();
    fake.dialogs.clear();
  }
  void TearDown() override {
    CaricaFinestraDiDialogo();
    FinestraDiDialogo(nullptr, 0);
    platform::install(nullptr);
    cartella.reset();
  }
  // Handles every queued key.
  void Esegui() {
    while (!fake.keys.empty()) CicloPrincipale();
  }
  // Types a text on the command line and presses ENTER.
  void Mossa(const std::string& testo) {
    fake.type(testo);
    fake.press(VK_RETURN);
    Esegui();
  }
  void Mosse(const std::vector<std::string>& mosse) {
    for (const auto& m : mosse) Mossa(m);
  }
  void Premi(std::uint16_t vk, std::uint32_t modificatori = 0) {
    fake.press(vk, modificatori);
    Esegui();
  }
  int Toni(int hz) const {
    int n = 0;
    for (auto& t : fake.tones) n += t.hz == hz;
    return n;
  }
  // The pitches played, in order.
  std::vector<int> Frequenze() const {
    std::vector<int> v;
    for (auto& t : fake.tones) v.push_back(t.hz);
    return v;
  }
  static std::string Ultimo() { return parlato.empty() ? std::string() : parlato.back(); }
  std::string UltimoDialogo() const {
    return fake.dialogs.empty() ? std::string() : fake.dialogs.back().text;
  }
  bool Detto(const std::string& testo) const {
    for (const auto& s : parlato)
      if (s == testo) return true;
    return false;
  }
};

}  // namespace scenario
