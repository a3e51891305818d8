#include "speech/annunci.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "speech/annuncio.h"
#include "tests/speech/canale_finto.h"

namespace {

struct AnnunciTest : canale_finto::AmbienteParlato {
  void lingua(int l) { ParametroIni[inilang].valore = l; }
  void imposta(int indice, int v) { ParametroIni[indice].valore = v; }
};

TEST_F(AnnunciTest, DurationsInWordsInTheThreeLanguages) {
  const struct {
    int lingua, secondi;
    const char* atteso;
  } casi[] = {
      {1, 0, ""},
      {1, 1, "one second"},
      {1, 60, "one minute"},
      {1, 90, "one minute, 30 seconds"},
      {1, 3600, "one hour "},
      {1, 3661, "one hour , one minute, one second"},
      {1, 7322, "2 hours, 2 minutes, 2 seconds"},
      {1, -300, "minus 5 minutes"},
      {1, -1, "minus one second"},
      {1, INT_MIN, "minus 596523 hours, 14 minutes, 8 seconds"},
      {0, 3661, "un ora , un minuto, un secondo"},
      {0, 7290, "2 ore, un minuto, 30 secondi"},
      {0, -300, "meno 5 minuti"},
      {2, 3600, "una hora "},
      {2, -7261, "menos 2 horas, un minuto, un segundo"},
  };
  for (const auto& c : casi) {
    lingua(c.lingua);
    EXPECT_STREQ(StrTempo(c.secondi), c.atteso) << c.secondi;
  }
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

// Each row's values on top of the previous row's.
TEST_F(CadenzaTest, EveryClockModeInWords) {
  const struct {
    int lingua;
    std::vector<std::pair<int, int>> valori;
    const char* atteso;
  } casi[] = {
      {1, {{iniClockMode, 2}, {iniP1I, 30}},
       "Time control:  a period of 2 hours for 40 moves with 30 seconds of increment; plus a "
       "period of 2 hours to complete the rest of the game."},
      {0, {},
       "Cadenza di gioco:  un periodo di 2 ore per 40 mosse con 30 secondi di incremento; più "
       "un periodo di 2 ore per completare il resto della partita."},
      {1, {{iniClockMode, 0}, {iniP1I, 0}},
       "Time control:  a recursive period of 2 hours for 40 moves."},
      {1, {{iniClockMode, 1}, {iniP1T, 5}, {iniP1I, 2}},
       "Time control:  a fixed time of 5 minutes with 2 seconds of increment for the whole game."},
      {1,
       {{iniClockMode, 3}, {iniP1T, 90}, {iniP1I, 30}, {iniP2T, 60}, {iniP2M, 20}, {iniP2I, 0},
        {iniP3T, 15}, {iniP3I, 30}},
       "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
       "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes with 30 "
       "seconds of increment to complete the rest of the game."},
      {1, {{iniClockMode, 4}, {iniP3M, 10}, {iniP4T, 1}, {iniP4I, 61}},
       "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
       "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes for 10 "
       "moves with 30 seconds of increment; plus a period of one minute with one minute, one "
       "second of increment to complete the rest of the game."},
      {1, {{iniClockMode, 5}},
       "Time control: hourglass with an initial time of one hour , 30 minutes."},
      {2, {{iniP1T, 3}}, "Ritmo de juego: reloj de arena con un tiempo inicial de 3 minutos."},
  };
  for (const auto& c : casi) {
    lingua(c.lingua);
    for (auto [i, v] : c.valori) imposta(i, v);
    EXPECT_EQ(cadenza(), c.atteso);
  }
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

struct AnnunciPartitaTest : AnnunciTest {
  void SetUp() override {
    AnnunciTest::SetUp();
    InizializzaInfoPartita();
    ContatoreMosse = 0;  // white to move
    AzzeraOrologio();
    CaricaTempoDaiParametri();
  }
  void TearDown() override {
    FermaOrologio();
    AzzeraOrologio();
    InizializzaInfoPartita();
    AnnunciTest::TearDown();
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
