// A fresh game's clock on the fake backend, with the spoken texts recorded
// through a fake screen-reader library.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/aggiudica.h"
#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annuncio.h"
#include "tests/support/cartella_temporanea.h"
#include "ui/stato.h"

namespace orologio_test {

inline std::vector<std::string> parlato;
inline int dici(const char* t, int) {
  parlato.emplace_back(t);
  return 1;
}

struct AmbienteOrologio : ::testing::Test {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;

  void SetUp() override {
    platform::install(&fake);
    InizializzaTavoleScacchi();
    DefaultIni();
    parlato.clear();
    fake.libraries["jaws.dll"] = {{"JFWSayString", reinterpret_cast<void*>(&dici)}};
    ParametroIni[iniAssistanceType].valore = 1;
    CaricaAssistente(1);
    NuovaPosizione(FenIniziale);
    fuoco = 0;
    focus = 0;
    CharatteriInComando = 0;
    PartitaCaricataDagliAppunti = 0;
    InizializzaInfoPartita();
    Nuova();
  }
  void TearDown() override {
    ParametroIni[iniAssistanceType].valore = 0;
    CaricaAssistente(0);
    SvuotaListaRecord();
    DefaultIni();
    ContatoreMosse = 0;
    platform::install(nullptr);
  }

  // A new game's clock from the current parameters.
  void Nuova() {
    AzzeraOrologio();
    CaricaTempoDaiParametri();
    fake.tones.clear();
  }
  // The player to move thinks ms and completes a move.
  void Muove(std::uint32_t ms) {
    fake.advance(ms);
    int c = static_cast<int>(ContatoreMosse & 1);
    ++ContatoreMosse;
    PremiOrologio(c);
  }
  // The main loop for ms of fake time, one pass every 10 ms.
  void Attende(std::uint32_t ms) {
    for (std::uint32_t t = 0; t < ms; t += 10) {
      fake.advance(10);
      if (InMoto) AggiornaTempoVisualizzato(static_cast<int>(ContatoreMosse & 1));
    }
  }
  std::string Orologio(int colore) const { return fake.row(colore == 0 ? 37 : 38).substr(43); }
  int Toni(int hz, int ms) const {
    int n = 0;
    for (auto& t : fake.tones) n += t.hz == hz && t.ms == ms;
    return n;
  }
  std::vector<std::string> Domande() const {
    std::vector<std::string> d;
    for (auto& x : fake.dialogs) d.push_back(x.text);
    return d;
  }
  void Digita(const std::string& testo) {
    std::snprintf(comando, sizeof comando, "%s", testo.c_str());
    CharatteriInComando = static_cast<int>(testo.size());
  }
};

}  // namespace orologio_test
