#include <algorithm>

#include "tests/clock/ambiente_orologio.h"

namespace orologio_test {
namespace {

using OrologioTest = AmbienteOrologio;

TEST(SecondiInMillisecondi, RoundsUp) {
  const std::pair<std::int64_t, int> casi[] = {{0, 0},
                                               {1, 1},
                                               {1000, 1},
                                               {1001, 2},
                                               {1500, 2},
                                               {-1, 0},
                                               {-500, 0},
                                               {-999, 0},
                                               {-1000, -1},
                                               {-1999, -1},
                                               {-2000, -2},
                                               {7200000, 7200},
                                               {2147483647, 2147484},
                                               {-2147483647, -2147483}};
  for (auto [ms, s] : casi) EXPECT_EQ(SecondiInMillisecondi(ms), s) << ms;
}

TEST_F(OrologioTest, TheDisplayRoundsUpAndShowsTheSign) {
  const std::pair<std::int32_t, const char*> casi[] = {
      {1500, " 00:00:02"},  {1000, " 00:00:01"},  {0, " 00:00:00"},       {-500, " 00:00:00"},
      {-1000, "-00:00:01"}, {-7000, "-00:00:07"}, {7200000, " 02:00:00"}, {45296000, " 12:34:56"}};
  for (auto [ms, atteso] : casi) {
    TempoVisualizzato[0] = 999999;
    StampaTempo(0, SecondiInMillisecondi(ms));
    EXPECT_EQ(Orologio(0), atteso) << ms;
  }
  // A shorter text leaves nothing of a longer one behind.
  StampaTempo(1, 400 * 3600);
  EXPECT_EQ(Orologio(1), " 400:00:00");
  StampaTempo(1, 5);
  EXPECT_EQ(Orologio(1), " 00:00:05");
}

TEST_F(OrologioTest, StartAndStopKeepTheExactTimeLeft) {
  OrologioInMoto();
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(PrimaVoltaInMoto, 1);
  ASSERT_GE(fake.tones.size(), 2u);
  EXPECT_EQ(fake.tones[0].hz, 50000);
  EXPECT_EQ(fake.tones[1].hz, 1000);
  fake.advance(1234);
  FermaOrologio();
  EXPECT_EQ(InMoto, 0);
  EXPECT_EQ(TempoRimasto[0], 7200000 - 1234);
  EXPECT_EQ(TempoRimasto[1], 7200000);
  EXPECT_EQ(Orologio(0), " 01:59:59");
  // Stopped, time passes for nobody.
  fake.advance(60000);
  OrologioInMoto();
  fake.advance(766);
  FermaOrologio();
  EXPECT_EQ(TempoRimasto[0], 7200000 - 2000);
}

TEST_F(OrologioTest, TheTickMayWrapAround) {
  fake.tick = 0xFFFFFF00u;
  OrologioInMoto();
  fake.advance(0x200);  // crosses 2^32
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 1000 - 512);
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 7200000 - 512);
}

TEST_F(OrologioTest, TheWallClockDoesNotMoveTheClock) {
  OrologioInMoto();
  fake.now_ms += 3600 * 1000;  // a daylight-saving or NTP step
  fake.now_ms -= 7200 * 1000;
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 7200000);
}

TEST_F(OrologioTest, IncrementsOfTheFixedTime) {
  ParametroIni[iniP1T].valore = 5;
  ParametroIni[iniP1I].valore = 3;
  Nuova();
  OrologioInMoto();
  Muove(10000);
  EXPECT_EQ(TempoRimasto[0], 300000 - 10000 + 3000);
  EXPECT_EQ(Orologio(0), " 00:04:53");
  Muove(2500);
  EXPECT_EQ(TempoRimasto[1], 300000 - 2500 + 3000);
  EXPECT_EQ(Orologio(1), " 00:05:01");  // 300.5 s shows as 301
}

TEST_F(OrologioTest, OnePeriodPlusOneToFinishAtMoves40And41) {
  ParametroIni[iniClockMode].valore = 2;
  ParametroIni[iniP1I].valore = 30;
  ParametroIni[iniP2T].valore = 60;
  ParametroIni[iniP2I].valore = 10;
  Nuova();
  OrologioInMoto();
  MosseRapide(39);
  EXPECT_EQ(TempoRimasto[0], 7200000 + 39 * 30000);
  fake.tones.clear();
  Muove(0);  // white's 40th
  EXPECT_EQ(TempoRimasto[0], 7200000 + 40 * 30000 + 3600000);
  const std::vector<std::pair<int, int>> segnale = {{3000, 5}, {1000, 100}, {3000, 5}};
  ASSERT_EQ(fake.tones.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fake.tones[i].hz, segnale[i].first);
    EXPECT_EQ(fake.tones[i].ms, segnale[i].second);
  }
  Muove(0);  // black's 40th
  EXPECT_EQ(TempoRimasto[1], 7200000 + 40 * 30000 + 3600000);
  fake.tones.clear();
  Muove(0);  // white's 41st
  EXPECT_EQ(TempoRimasto[0], 7200000 + 40 * 30000 + 3600000 + 10000);
  EXPECT_TRUE(fake.tones.empty());
}

TEST_F(OrologioTest, ARecursivePeriodComesBackEveryP1MMoves) {
  ParametroIni[iniClockMode].valore = 0;
  ParametroIni[iniP1T].valore = 10;
  ParametroIni[iniP1M].valore = 40;
  Nuova();
  OrologioInMoto();
  MosseRapide(39);
  EXPECT_EQ(TempoRimasto[0], 600000);
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 1200000);  // move 40
  Muove(0);
  MosseRapide(39);
  EXPECT_EQ(TempoRimasto[0], 1200000);  // move 79
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 1800000);  // move 80
  Muove(0);
  EXPECT_EQ(TempoRimasto[1], 1800000);
}

TEST_F(OrologioTest, TwoAndThreePeriodsPlusOneToFinish) {
  for (int modo : {3, 4}) {
    DefaultIni();
    ParametroIni[iniClockMode].valore = modo;
    ParametroIni[iniP1M].valore = 10;
    ParametroIni[iniP1T].valore = 1;
    ParametroIni[iniP1I].valore = 1;
    ParametroIni[iniP2M].valore = 10;
    ParametroIni[iniP2T].valore = 2;
    ParametroIni[iniP2I].valore = 2;
    ParametroIni[iniP3M].valore = 10;
    ParametroIni[iniP3T].valore = 3;
    ParametroIni[iniP3I].valore = 3;
    ParametroIni[iniP4T].valore = 4;
    ParametroIni[iniP4I].valore = 4;
    ContatoreMosse = 0;
    Nuova();
    OrologioInMoto();
    std::int64_t atteso = 60000;
    for (int n = 1; n <= 35; ++n) {
      Muove(0);
      Muove(0);
      if (n <= 10)
        atteso += 1000 + (n == 10 ? 120000 : 0);
      else if (n <= 20)
        atteso += 2000 + (n == 20 ? 180000 : 0);
      else if (modo == 3 || n <= 30)
        atteso += 3000 + (modo == 4 && n == 30 ? 240000 : 0);
      else
        atteso += 4000;
      ASSERT_EQ(TempoRimasto[0], atteso) << "mode " << modo << " move " << n;
      ASSERT_EQ(TempoRimasto[1], atteso) << "mode " << modo << " move " << n;
    }
  }
}

TEST_F(OrologioTest, TheHourglassKeepsTheSum) {
  ParametroIni[iniClockMode].valore = 5;
  ParametroIni[iniP1T].valore = 5;
  ParametroIni[iniP1I].valore = 30;  // not used by the hourglass
  Nuova();
  OrologioInMoto();
  Attende(20000);
  EXPECT_EQ(Orologio(0), " 00:04:40");
  EXPECT_EQ(Orologio(1), " 00:05:20");  // drawn while white thinks
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 280000);
  EXPECT_EQ(TempoRimasto[1], 320000);
  EXPECT_EQ(Orologio(0), " 00:04:40");
  EXPECT_EQ(Orologio(1), " 00:05:20");
  FermaOrologio();
  fuoco = 2;
  Digita("2");
  fake.answer(IDYES);
  comando_ModificaTempo(0);
  EXPECT_EQ(TempoRimasto[0], 400000);
  EXPECT_EQ(TempoRimasto[1], 200000);
  EXPECT_EQ(Orologio(1), " 00:03:20");
}

TEST_F(OrologioTest, AnAlarmSoundsOnceWhenTheDisplayPassesIt) {
  ParametroIni[iniP1T].valore = 6;
  ParametroIni[iniautorefresh].valore = 1;
  Nuova();
  OrologioInMoto();
  fake.tones.clear();
  Attende(59000);
  EXPECT_EQ(Toni(1000, 100), 0);
  Attende(2000);  // 300 s shown
  EXPECT_EQ(Toni(1000, 100), 2);
  ASSERT_FALSE(parlato.empty());
  EXPECT_TRUE(std::count(parlato.begin(), parlato.end(), "Attention! white: 5 minutes.") == 1)
      << parlato.back();
  Attende(3000);
  EXPECT_EQ(Toni(1000, 100), 2);
}

TEST_F(OrologioTest, NoAlarmWhenAPressLandsOnTheThreshold) {
  ParametroIni[iniP1T].valore = 6;
  Nuova();
  OrologioInMoto();
  fake.tones.clear();
  Muove(60000);  // white stops at exactly 300 s
  EXPECT_EQ(Orologio(0), " 00:05:00");
  Muove(1000);
  Attende(900);  // white runs again, still showing 300
  Attende(200);  // now 299
  EXPECT_EQ(Toni(1000, 100), 0);
}

TEST_F(OrologioTest, TheLastThreeSecondsTick) {
  ParametroIni[iniP1T].valore = 1;
  for (int i = inia1; i <= inia5; ++i) ParametroIni[i].valore = 0;
  Nuova();
  TempoRimasto[0] = 5000;
  OrologioInMoto();
  fake.tones.clear();
  Attende(1500);
  EXPECT_EQ(Toni(1000, 100), 0);  // 4 s
  Attende(1000);
  EXPECT_EQ(Toni(1000, 100), 1);  // 3 s
  Attende(2000);
  EXPECT_EQ(Toni(1000, 100), 3);  // 2 s and 1 s
}

TEST_F(OrologioTest, WithoutAutoRefreshTheTimeIsNotDrawnButAlarmsAndFlagStillHappen) {
  ParametroIni[iniautorefresh].valore = 0;
  ParametroIni[iniP1T].valore = 6;
  Nuova();
  OrologioInMoto();
  fake.tones.clear();
  fake.answer(IDNO);
  Attende(61000);
  EXPECT_EQ(Orologio(0), " 00:06:00");
  EXPECT_EQ(Toni(1000, 100), 2);  // the 5-minute alarm
  // On demand the current time is drawn once and the cursor put on the row.
  AggiornaTempoASchermo();
  EXPECT_EQ(Orologio(0), " 00:04:59");
  EXPECT_EQ(fuoco, 2);
  EXPECT_EQ(ParametroIni[iniautorefresh].valore, 0);
  // The flag falls, and is asked about once, though nothing is drawn.
  fake.tones.clear();
  Attende(299000 + 500);
  EXPECT_EQ(Toni(1000, 100), 3 + 2);  // last three seconds, then the fall
  EXPECT_EQ(fake.dialogs.size(), 1u);
  Attende(400);
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(Orologio(0), " 00:04:59");
}

TEST_F(OrologioTest, TheLoopSleepsUntilTheShownSecondChanges) {
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), -1);
  TempoRimasto[0] = 1500;
  OrologioInMoto();
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 500);
  fake.advance(499);
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 1);
  fake.advance(1);
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 1000);  // 1000 ms left, 1 shown
  fake.advance(1000);
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 1000);  // 0 shown until -1000
  fake.advance(500);
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 500);
  // Waking exactly then finds a new second every time.
  TempoRimasto[0] = 7200000;
  InizioTempo = Adesso();
  AggiornaTempoVisualizzato(0);
  for (int i = 0; i < 5; ++i) {
    int prima = TempoVisualizzato[0];
    fake.advance(static_cast<std::uint32_t>(MillisecondiAlProssimoSecondo()));
    AggiornaTempoVisualizzato(0);
    EXPECT_EQ(TempoVisualizzato[0], prima - 1);
  }
  FermaOrologio();
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), -1);
}

TEST_F(OrologioTest, TheFirstStartRecordsTheDateOnce) {
  EXPECT_STREQ(DataLocale, "?");
  PartitaSalvata = 1;
  OrologioInMoto();
  EXPECT_STREQ(DataUTC, "2026.01.01");
  EXPECT_STREQ(OraUTC, "00:00:00");
  EXPECT_STREQ(DataLocale, "2026.01.01");
  EXPECT_STREQ(OraLocale, "01:00:00");
  EXPECT_EQ(PartitaSalvata, 0);
  FermaOrologio();
  fake.now_ms += 3723000;
  OrologioInMoto();
  EXPECT_STREQ(OraUTC, "00:00:00");
}

TEST_F(OrologioTest, APastedGameKeepsItsOwnDate) {
  PartitaCaricataDagliAppunti = 1;
  OrologioInMoto();
  EXPECT_STREQ(DataUTC, "?");
  EXPECT_EQ(PrimaVoltaInMoto, 1);
}

TEST_F(OrologioTest, StartAndStopCommands) {
  comando_FermaOrologio();
  EXPECT_EQ(Domande(), std::vector<std::string>{"The clock is already stopped."});
  comando_OrologioInMoto();
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(parlato.back(), "clock is running");
  EXPECT_EQ(UltimoRecord->tipo, recOrologioInMoto);
  comando_OrologioInMoto();
  EXPECT_EQ(Domande().back(), "The clock is already running.");
  comando_FermaOrologio();
  EXPECT_EQ(InMoto, 0);
  EXPECT_EQ(parlato.back(), "clock stopped");
  EXPECT_EQ(UltimoRecord->tipo, recOrologioFermato);
  EXPECT_EQ(UltimoRecord->testo, nullptr);
}

TEST_F(OrologioTest, StartingAnAdjudicatedGameAsksFirst) {
  Aggiudica("Abandoned", "white resins", "0-1");
  fake.dialogs.clear();
  fake.answer(IDNO);
  comando_OrologioInMoto();
  EXPECT_EQ(Domande(), std::vector<std::string>{
                           "White resins, game adjudicated ( 0-1 ).\nReset the adjudgement and "
                           "start the clock anyway?"});
  EXPECT_EQ(InMoto, 0);
  EXPECT_STREQ(Result, "0-1");
  fake.answer(IDYES);
  comando_OrologioInMoto();
  EXPECT_EQ(InMoto, 1);
  EXPECT_STREQ(Result, "*");
}

TEST_F(OrologioTest, BonusAndPenaltyTypedOnTheCommandLine) {
  fuoco = 2;
  Digita("5");
  fake.answer(IDYES);
  comando_ModificaTempo(0);
  EXPECT_EQ(Domande(), std::vector<std::string>{"Add to white 5 minutes?"});
  EXPECT_EQ(TempoRimasto[0], 7200000 + 300000);
  EXPECT_EQ(Orologio(0), " 02:05:00");
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_EQ(UltimoRecord->tipo, recTempoModificato);
  EXPECT_STREQ(UltimoRecord->testo, "white: plus 5 minutes");

  fuoco = 1;
  Digita("30");
  fake.answer(IDYES);
  comando_ModificaTempo(1);
  EXPECT_EQ(Domande().back(), "Subtract to black 30 minutes?");
  EXPECT_EQ(TempoRimasto[1], 7200000 - 1800000);
  EXPECT_STREQ(UltimoRecord->testo, "black: minus 30 minutes");

  // Declined: nothing changes.
  Digita("2");
  fake.answer(IDNO);
  comando_ModificaTempo(1);
  EXPECT_EQ(TempoRimasto[1], 7200000 - 1800000);
}

TEST_F(OrologioTest, BonusAndPenaltyRefusals) {
  fuoco = 2;
  for (const char* valore : {"31", "0", "-5", "x"}) {
    fake.dialogs.clear();
    Digita(valore);
    comando_ModificaTempo(1);
    EXPECT_EQ(Domande(),
              std::vector<std::string>{
                  "The entered value for minutes is out of range. \n A correct input "
                  "should be from 1 up to 30."})
        << valore;
  }
  fuoco = 0;
  Digita("5");
  comando_ModificaTempo(0);
  EXPECT_EQ(Domande().back(), "To edit time, you must choose first what color you want to modify.");
  // While running the command is refused before the number is read.
  OrologioInMoto();
  fuoco = 2;
  Digita("5");
  comando_ModificaTempo(0);
  EXPECT_EQ(Domande().back(),
            "In order to apply bonuses or penalties you must first stop the clock.");
  EXPECT_EQ(CharatteriInComando, 1);
  EXPECT_EQ(TempoRimasto[0], 7200000);
  // Nothing typed: the menu's job, nothing asked here.
  FermaOrologio();
  fake.dialogs.clear();
  CharatteriInComando = 0;
  comando_ModificaTempo(0);
  EXPECT_TRUE(fake.dialogs.empty());
}

TEST_F(OrologioTest, BonusAndPenaltyFromTheMenu) {
  focus = 3;
  MenuAttivo = 7;
  VoceSelezionata = 3;
  Digita("");
  EXPECT_EQ(comando_ModificaTempoDaMenu(3), 0);  // stays open for a value
  EXPECT_EQ(Domande().back(),
            "No valid input for minutes has been entered. \n The accepted range is from 1 up to "
            "30.");
  EXPECT_EQ(Toni(700, 9), 1);
  EXPECT_EQ(parlato.back(), "edit");
  Digita("31");
  EXPECT_EQ(comando_ModificaTempoDaMenu(3), 0);
  EXPECT_EQ(Toni(700, 9), 2);
  Digita("4");
  fake.answer(IDNO);
  EXPECT_EQ(comando_ModificaTempoDaMenu(3), 0);
  EXPECT_EQ(Domande().back(), "Subtract to black 4 minutes?");
  Digita("4");
  fake.answer(IDYES);
  EXPECT_EQ(comando_ModificaTempoDaMenu(3), 1);
  EXPECT_EQ(TempoRimasto[1], 7200000 - 240000);
  Digita("7");
  fake.answer(IDYES);
  EXPECT_EQ(comando_ModificaTempoDaMenu(0), 1);
  EXPECT_EQ(TempoRimasto[0], 7200000 + 420000);
  OrologioInMoto();
  Digita("7");
  EXPECT_EQ(comando_ModificaTempoDaMenu(0), 1);  // closes, refused
  focus = 0;
  EXPECT_EQ(Domande().back(),
            "In order to apply bonuses or penalties you must first stop the clock.");
  EXPECT_EQ(TempoRimasto[0], 7200000 + 420000);
}

}  // namespace
}  // namespace orologio_test
