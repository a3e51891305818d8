#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "tests/speech/canale_finto.h"
#include "tests/support/cartella_temporanea.h"

namespace {

struct AnnunciPartitaTest : ::testing::Test {
  CartellaTemporanea cartella;  // a new game writes its log file
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    CaricaFinestraDiDialogo();
    InizializzaInfoPartita();
    ContatoreMosse = 0;  // white to move
    AzzeraOrologio();
    CaricaTempoDaiParametri();
  }
  void TearDown() override {
    FermaOrologio();
    AzzeraOrologio();
    InizializzaInfoPartita();
    CaricaFinestraDiDialogo();
    FinestraDiDialogo(nullptr, 0);
    DefaultIni();
    platform::install(nullptr);
  }
};

TEST_F(AnnunciPartitaTest, TimeOfAPlayerIsTheCurrentOneEvenWithoutRefresh) {
  ParametroIni[iniautorefresh].valore = 0;
  OrologioInMoto();
  fake.advance(65'000);  // white thinks 65 s; nothing redrawn meanwhile
  AnunciaTempo(0);
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_EQ(fake.dialogs.back().caption, "White");
  EXPECT_EQ(fake.dialogs.back().text, "One hour , 58 minutes, 55 seconds");
  EXPECT_EQ(fake.dialogs.back().style, MB_OK);

  canale_finto::installa(fake);
  AnunciaTempo(1);
  EXPECT_EQ(canale_finto::ultimo(), "black: 2 hours.");
  EXPECT_TRUE(canale_finto::detti.back().interrotto);
  ParametroIni[inilang].valore = 0;
  fake.advance(1'000);
  AnunciaTempo(0);
  EXPECT_EQ(canale_finto::ultimo(), "bianco: un ora , 58 minuti, 54 secondi.");
}

TEST_F(AnnunciPartitaTest, GameInformationWithMissingValues) {
  std::strcpy(StrEvent, "Torneo di Natale");
  std::strcpy(StrWhiteCognome, "Rossi");
  std::strcpy(StrWhiteNome, "Mario");
  std::strcpy(StrWhiteElo, "1850");
  std::strcpy(StrBlackCognome, "García");
  canale_finto::installa(fake);
  AnunciaInfoPartita();
  EXPECT_EQ(canale_finto::ultimo(),
            "\nevent\tTorneo di Natale,\nround\t?.\nPlayer of the white pieces:"
            "\nfamily name\tRossi,\nfirst name\tMario,\nfide elo rating\t1850."
            "\nPlayer of the black pieces:"
            "\nfamily name\tGarcía,\nfirst name\t?,\nfide elo rating\t?.");

  CaricaAssistente(0);
  ParametroIni[iniAssistanceType].valore = 0;
  ParametroIni[inilang].valore = 2;
  AnunciaInfoPartita();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Información del juego");
  EXPECT_EQ(fake.dialogs[0].text.substr(0, 28), "\nEvento\tTorneo di Natale,\nro");
}

}  // namespace
