#include "speech/annunci.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "speech/annuncio.h"
#include "tests/speech/canale_finto.h"

namespace {

struct AnnunciTest : ::testing::Test {
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    CaricaFinestraDiDialogo();
  }
  void TearDown() override {
    CaricaFinestraDiDialogo();
    FinestraDiDialogo(nullptr, 0);
    platform::install(nullptr);
  }
  void lingua(int l) { ParametroIni[inilang].valore = l; }
  void imposta(int indice, int v) { ParametroIni[indice].valore = v; }
};

TEST_F(AnnunciTest, DurationsInWordsInTheThreeLanguages) {
  EXPECT_STREQ(StrTempo(0), "");
  EXPECT_STREQ(StrTempo(1), "one second");
  EXPECT_STREQ(StrTempo(60), "one minute");
  EXPECT_STREQ(StrTempo(90), "one minute, 30 seconds");
  EXPECT_STREQ(StrTempo(3600), "one hour ");
  EXPECT_STREQ(StrTempo(3661), "one hour , one minute, one second");
  EXPECT_STREQ(StrTempo(7200), "2 hours");
  EXPECT_STREQ(StrTempo(7322), "2 hours, 2 minutes, 2 seconds");
  EXPECT_STREQ(StrTempo(-300), "minus 5 minutes");
  EXPECT_STREQ(StrTempo(-1), "minus one second");
  EXPECT_EQ(std::string(StrTempo(INT_MIN)).rfind("minus 596523 hours, 14 minutes, 8 seconds", 0),
            0u);
  lingua(0);
  EXPECT_STREQ(StrTempo(3661), "un ora , un minuto, un secondo");
  EXPECT_STREQ(StrTempo(7290), "2 ore, un minuto, 30 secondi");
  EXPECT_STREQ(StrTempo(-300), "meno 5 minuti");
  lingua(2);
  EXPECT_STREQ(StrTempo(3600), "una hora ");
  EXPECT_STREQ(StrTempo(-7261), "menos 2 horas, un minuto, un segundo");
}

TEST_F(AnnunciTest, InitialAnnouncementOnlyOnASpeakingChannel) {
  AnuncioIniziale();
  EXPECT_TRUE(fake.dialogs.empty());
  canale_finto::installa(fake);
  AnuncioIniziale();
  ASSERT_EQ(canale_finto::detti.size(), 1u);
  EXPECT_EQ(canale_finto::ultimo(),
            "Vantorel2.65 - CHESS CLOCK, Software by the Vantorel authors, for blind players.");
  EXPECT_TRUE(canale_finto::detti[0].interrotto);
}

TEST_F(AnnunciTest, AlarmsWithADisabledOneSpokenOrShown) {
  imposta(inia3, 0);
  AnunciaAllarmi();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Alarms");
  EXPECT_EQ(fake.dialogs[0].style, MB_OK);
  EXPECT_EQ(fake.dialogs[0].text,
            " First alarm 60 minutes left;\n"
            " second alarm 45 minutes left;\n"
            " third alarm 0 disabled;\n"
            " fourth alarm 15 minutes left;\n"
            " fifth alarm 5 minutes left;\n");

  canale_finto::installa(fake);
  lingua(2);
  imposta(inia1, 1);
  AnunciaAllarmi();
  EXPECT_EQ(fake.dialogs.size(), 1u);  // spoken, not shown
  EXPECT_EQ(canale_finto::ultimo(),
            " primera alarma 1 minutos restantes;\n"
            " segunda alarma 45 minutos restantes;\n"
            " tercera alarma 0 desactivado;\n"
            " cuarta alarma 15 minutos restantes;\n"
            " quinta alarma 5 minutos restantes;\n");
  EXPECT_TRUE(canale_finto::detti.back().interrotto);
}

struct CadenzaTest : AnnunciTest {
  void SetUp() override {
    AnnunciTest::SetUp();
    canale_finto::installa(fake);
  }
  std::string cadenza() {
    AnunciaCadenza();
    return canale_finto::ultimo();
  }
};

TEST_F(CadenzaTest, EveryClockModeInWords) {
  imposta(iniClockMode, 2);
  imposta(iniP1I, 30);
  EXPECT_EQ(cadenza(),
            "Time control:  a period of 2 hours for 40 moves with 30 seconds of increment; plus a "
            "period of 2 hours to complete the rest of the game.");

  imposta(iniClockMode, 0);
  imposta(iniP1I, 0);
  EXPECT_EQ(cadenza(), "Time control:  a recursive period of 2 hours for 40 moves.");

  imposta(iniClockMode, 1);
  imposta(iniP1T, 5);
  imposta(iniP1I, 2);
  EXPECT_EQ(cadenza(),
            "Time control:  a fixed time of 5 minutes with 2 seconds of increment for the whole "
            "game.");

  imposta(iniClockMode, 3);
  imposta(iniP1T, 90);
  imposta(iniP1I, 30);
  imposta(iniP2T, 60);
  imposta(iniP2M, 20);
  imposta(iniP2I, 0);
  imposta(iniP3T, 15);
  imposta(iniP3I, 30);
  EXPECT_EQ(cadenza(),
            "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
            "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes with "
            "30 seconds of increment to complete the rest of the game.");

  imposta(iniClockMode, 4);
  imposta(iniP3M, 10);
  imposta(iniP4T, 1);
  imposta(iniP4I, 61);
  EXPECT_EQ(cadenza(),
            "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
            "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes for "
            "10 moves with 30 seconds of increment; plus a period of one minute with one minute, "
            "one second of increment to complete the rest of the game.");

  imposta(iniClockMode, 5);
  EXPECT_EQ(cadenza(), "Time control: hourglass with an initial time of one hour , 30 minutes.");
}

TEST_F(CadenzaTest, OtherLanguagesAndTheDialogForm) {
  imposta(iniClockMode, 2);
  imposta(iniP1I, 30);
  lingua(0);
  EXPECT_EQ(cadenza(),
            "Cadenza di gioco:  un periodo di 2 ore per 40 mosse con 30 secondi di incremento; più "
            "un periodo di 2 ore per completare il resto della partita.");
  lingua(2);
  imposta(iniClockMode, 5);
  imposta(iniP1T, 3);
  EXPECT_EQ(cadenza(), "Ritmo de juego: reloj de arena con un tiempo inicial de 3 minutos.");

  CaricaAssistente(0);
  imposta(iniAssistanceType, 0);
  lingua(1);
  imposta(iniClockMode, 1);
  imposta(iniP1I, 0);
  canale_finto::detti.clear();
  AnunciaCadenza();
  EXPECT_TRUE(canale_finto::detti.empty());
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Time control");
  EXPECT_EQ(fake.dialogs[0].text, " A fixed time of 3 minutes for the whole game.");
}

}  // namespace
