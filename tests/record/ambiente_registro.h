// A fresh game in a scratch working directory on the fake backend, and a way
// to play moves into the game record as move entry does (text with "+" or "#").
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "clock/orologio.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "record/partita.h"
#include "record/report.h"
#include "tests/support/ambiente_finto.h"

struct AmbienteRegistro : AmbienteFinto {
  void SetUp() override {
    AmbienteFinto::SetUp();
    InizializzaTavoleScacchi();
    NuovaPosizione(FenIniziale);
    AzzeraOrologio();
    InizializzaInfoPartita();
    PartitaSalvata = 1;
    TempoVisualizzato[0] = 125;
    TempoVisualizzato[1] = 0;
  }
  void TearDown() override {
    SvuotaListaRecord();
    NuovaPosizione(FenIniziale);
    AmbienteFinto::TearDown();
  }
  // Plays a move given in algebraic notation (without check marks).
  static void Gioca(const char* testo) {
    DettagliMossa d;
    ASSERT_TRUE(LeggiDettagliMossaDaStringa(testo, &d)) << testo;
    std::uint64_t m[MaxMosseCompatibili];
    ASSERT_EQ(TrovaMosseCompatibili(m, &d), 1) << testo;
    GiocaParola(m[0]);
  }
  static void GiocaTutte(std::initializer_list<const char*> mosse) {
    for (const char* m : mosse) Gioca(m);
  }
  static void GiocaParola(std::uint64_t mossa) {
    char san[8];
    ScriviNotazioneAlgebrica(mossa, san);
    ASSERT_TRUE(TavolaFaiMossa()[SpecieMossa(mossa)](mossa));
    GeneraMosseLegali();
    if ((InfoPosizione & MascheraScacchi) != NessunoScacco)
      std::strcat(san, FineMosseGenerate == BufferMosseGenerate ? "#" : "+");
    std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", san);
  }
  // n plies of knights going out and back.
  static void Cavalli(int n) {
    const char* giro[4] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    for (int i = 0; i < n; ++i) Gioca(giro[i % 4]);
  }
};
