#include <algorithm>
#include <map>

#include "tests/clock/ambiente_orologio.h"

namespace orologio_test {
namespace {

using OrologioTest = AmbienteOrologio;
using V = std::vector<std::string>;

// Text from a time left in ms: whole seconds rounded up, so a clock shows 0 only once time is up.
TEST_F(OrologioTest, SecondsShownRoundUpAndCarryTheSign) {
  const struct {
    std::int64_t ms;
    const char* testo;
  } casi[] = {{0, " 00:00:00"},           {1, " 00:00:01"},        {1000, " 00:00:01"},
              {1001, " 00:00:02"},        {-999, " 00:00:00"},     {-1000, "-00:00:01"},
              {-1999, "-00:00:01"},       {45296000, " 12:34:56"}, {2147483647, " 596:31:24"},
              {-2147483647, "-596:31:23"}};
  for (const auto& c : casi) {
    TempoVisualizzato[0] = 999999;
    StampaTempo(0, SecondiInMillisecondi(c.ms));
    EXPECT_EQ(Orologio(0), c.testo) << c.ms;
  }
  StampaTempo(1, 400 * 3600);
  StampaTempo(1, 5);  // nothing of the longer text left behind
  EXPECT_EQ(Orologio(1), " 00:00:05");
}

TEST_F(OrologioTest, OnlyTheRunningTickCountsAndItMayWrap) {
  OrologioInMoto();
  EXPECT_EQ(PrimaVoltaInMoto, 1);
  ASSERT_GE(fake.tones.size(), 2u);
  EXPECT_EQ(fake.tones[1].hz, 1000);
  fake.advance(1234);
  fake.now_ms -= 7200 * 1000;  // a wall-clock step changes nothing
  FermaOrologio();
  EXPECT_EQ(TempoRimasto[0], 7200000 - 1234);
  EXPECT_EQ(TempoRimasto[1], 7200000);
  EXPECT_EQ(Orologio(0), " 01:59:59");
  fake.advance(60000);  // stopped
  fake.tick = 0xFFFFFF00u;
  OrologioInMoto();
  fake.advance(0x200);  // crosses 2^32
  EXPECT_EQ(MillisecondiAlProssimoSecondo(), 254);
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 7200000 - 1234 - 512);
}

// Each side's time right after its n-th move, both players moving instantly.
TEST_F(OrologioTest, IncrementsAndNewPeriodsInEveryMode) {
  const std::vector<std::pair<int, int>> modo3 = {
      {iniClockMode, 3}, {iniP1M, 10}, {iniP1T, 1}, {iniP1I, 1}, {iniP2M, 10}, {iniP2T, 2},
      {iniP2I, 2},       {iniP3M, 10}, {iniP3T, 3}, {iniP3I, 3}, {iniP4T, 4},  {iniP4I, 4}};
  auto modo4 = modo3;
  modo4[0].second = 4;
  const struct {
    std::vector<std::pair<int, int>> p;
    std::map<int, std::int64_t> attesi;
    std::vector<int> periodi;  // the moves that start a new period
  } casi[] = {
      {{{iniClockMode, 2}, {iniP1I, 30}, {iniP2T, 60}, {iniP2I, 10}},
       {{39, 7200000 + 39 * 30000}, {40, 7200000 + 40 * 30000 + 3600000}, {41, 12010000}},
       {40}},
      {{{iniClockMode, 0}, {iniP1T, 10}, {iniP1M, 40}},
       {{39, 600000}, {40, 1200000}, {79, 1200000}, {80, 1800000}},
       {40, 80}},
      {modo3, {{10, 190000}, {11, 192000}, {20, 390000}, {21, 393000}, {35, 435000}}, {10, 20}},
      {modo4, {{30, 660000}, {31, 664000}}, {10, 20, 30}},
  };
  for (const auto& c : casi) {
    DefaultIni();
    for (auto [i, v] : c.p) ParametroIni[i].valore = v;
    ContatoreMosse = 0;
    Nuova();
    OrologioInMoto();
    std::map<int, std::int64_t> bianco, nero;
    std::vector<int> periodi;
    for (int n = 1; n <= c.attesi.rbegin()->first; ++n) {
      fake.tones.clear();
      Muove(0);
      if (c.attesi.contains(n)) bianco[n] = TempoRimasto[0];
      Muove(0);
      if (c.attesi.contains(n)) nero[n] = TempoRimasto[1];
      if (Toni(3000, 5) == 4) periodi.push_back(n);  // each side's signal
    }
    SCOPED_TRACE(testing::Message() << "mode " << c.p[0].second);
    EXPECT_EQ(bianco, c.attesi);
    EXPECT_EQ(nero, c.attesi);
    EXPECT_EQ(periodi, c.periodi);
  }
  DefaultIni();
  ParametroIni[iniP1T].valore = 5;
  ParametroIni[iniP1I].valore = 3;
  Nuova();
  OrologioInMoto();
  Muove(10000);
  Muove(2500);
  EXPECT_EQ(TempoRimasto[0], 300000 - 10000 + 3000);
  EXPECT_EQ(Orologio(1), " 00:05:01");  // 300.5 s shows as 301
}

TEST_F(OrologioTest, TheHourglassKeepsTheSum) {
  ParametroIni[iniClockMode].valore = 5;
  ParametroIni[iniP1T].valore = 5;
  ParametroIni[iniP1I].valore = 30;  // not used by the hourglass
  Nuova();
  OrologioInMoto();
  Attende(20000);
  EXPECT_EQ(Orologio(1), " 00:05:20");  // drawn while white thinks
  Muove(0);
  EXPECT_EQ(TempoRimasto[0], 280000);
  EXPECT_EQ(TempoRimasto[1], 320000);
  FermaOrologio();
  fuoco = 2;
  Digita("2");
  fake.answer(IDYES);
  comando_ModificaTempo(0);
  EXPECT_EQ(TempoRimasto[0], 400000);
  EXPECT_EQ(TempoRimasto[1], 200000);
  EXPECT_EQ(Orologio(1), " 00:03:20");
}

TEST_F(OrologioTest, AlarmsAndTheLastSecondsSoundOnce) {
  ParametroIni[iniP1T].valore = 6;
  Nuova();
  OrologioInMoto();
  fake.tones.clear();
  Attende(59000);
  EXPECT_EQ(Toni(1000, 100), 0);
  Attende(2000);  // 300 s shown
  EXPECT_EQ(Toni(1000, 100), 2);
  EXPECT_EQ(std::count(parlato.begin(), parlato.end(), "Attention! white: 5 minutes."), 1);
  Attende(3000);
  EXPECT_EQ(Toni(1000, 100), 2);
  TempoRimasto[0] = 5000;
  InizioTempo = Adesso();
  fake.tones.clear();
  Attende(1500);
  EXPECT_EQ(Toni(1000, 100), 0);  // 4 s
  Attende(1000);
  EXPECT_EQ(Toni(1000, 100), 1);  // 3 s
  Attende(2000);
  EXPECT_EQ(Toni(1000, 100), 3);  // 2 s and 1 s
}

TEST_F(OrologioTest, WithoutAutoRefreshAlarmsAndFlagStillHappen) {
  ParametroIni[iniautorefresh].valore = 0;
  ParametroIni[iniP1T].valore = 6;
  Nuova();
  OrologioInMoto();
  fake.tones.clear();
  fake.answer(IDNO);
  Attende(61000);
  EXPECT_EQ(Orologio(0), " 00:06:00");
  EXPECT_EQ(Toni(1000, 100), 2);
  AggiornaTempoASchermo();  // on demand: drawn once, cursor on the row
  EXPECT_EQ(Orologio(0), " 00:04:59");
  EXPECT_EQ(fuoco, 2);
  EXPECT_EQ(ParametroIni[iniautorefresh].valore, 0);
  fake.tones.clear();
  Attende(299000 + 900);
  EXPECT_EQ(Toni(1000, 100), 3 + 2);  // last three seconds, then the fall
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(Orologio(0), " 00:04:59");
}

TEST_F(OrologioTest, TheLoopSleepsUntilTheShownSecondChanges) {
  TempoRimasto[0] = 1500;
  OrologioInMoto();
  const std::pair<std::uint32_t, int> passi[] = {
      {0, 500}, {499, 1}, {1, 1000}, {1000, 1000}, {500, 500}};
  for (auto [passo, atteso] : passi) {
    fake.advance(passo);
    EXPECT_EQ(MillisecondiAlProssimoSecondo(), atteso) << passo;
  }
  TempoRimasto[0] = 7200000;
  InizioTempo = Adesso();
  AggiornaTempoVisualizzato(0);
  for (int i = 0; i < 3; ++i) {  // waking exactly then finds a new second every time
    int prima = TempoVisualizzato[0];
    fake.advance(static_cast<std::uint32_t>(MillisecondiAlProssimoSecondo()));
    AggiornaTempoVisualizzato(0);
    EXPECT_EQ(TempoVisualizzato[0], prima - 1);
  }
}

TEST_F(OrologioTest, TheFirstStartRecordsTheDateOnceUnlessPasted) {
  PartitaSalvata = 1;
  OrologioInMoto();
  EXPECT_STREQ(DataUTC, "2026.01.01");
  EXPECT_STREQ(OraLocale, "01:00:00");
  EXPECT_EQ(PartitaSalvata, 0);
  FermaOrologio();
  fake.now_ms += 3723000;
  OrologioInMoto();
  EXPECT_STREQ(OraUTC, "00:00:00");
  FermaOrologio();
  InizializzaInfoPartita();
  PrimaVoltaInMoto = 0;
  PartitaCaricataDagliAppunti = 1;
  OrologioInMoto();
  EXPECT_STREQ(DataUTC, "?");
  EXPECT_EQ(PrimaVoltaInMoto, 1);
}

TEST_F(OrologioTest, StartAndStopCommands) {
  comando_FermaOrologio();
  EXPECT_EQ(Domande(), V{"The clock is already stopped."});
  comando_OrologioInMoto();
  EXPECT_EQ(parlato.back(), "clock is running");
  EXPECT_EQ(UltimoRecord->tipo, recOrologioInMoto);
  comando_OrologioInMoto();
  EXPECT_EQ(Domande().back(), "The clock is already running.");
  comando_FermaOrologio();
  EXPECT_EQ(parlato.back(), "clock stopped");
  EXPECT_EQ(UltimoRecord->tipo, recOrologioFermato);
  Aggiudica("Abandoned", "white resins", "0-1");
  for (int risposta : {IDNO, IDYES}) {
    fake.answer(risposta);
    comando_OrologioInMoto();
    EXPECT_EQ(fake.dialogs.back().style, MB_YESNO);
    EXPECT_EQ(InMoto, risposta == IDYES);
    EXPECT_STREQ(Result, risposta == IDYES ? "*" : "0-1");
  }
}

TEST_F(OrologioTest, BonusAndPenaltyTypedOnTheCommandLine) {
  const char* fuori =
      "The entered value for minutes is out of range. \n A correct input should be from 1 up to "
      "30.";
  const char* meno30 = "black: minus 30 minutes";
  const struct {
    int fuoco, segno;
    const char* valore;
    int risposta;
    const char *domanda, *record;
  } casi[] = {
      {2, 0, "5", IDYES, "Add to white 5 minutes?", "white: plus 5 minutes"},
      {1, 1, "30", IDYES, "Subtract to black 30 minutes?", meno30},
      {1, 1, "2", IDNO, "Subtract to black 2 minutes?", meno30},
      {2, 1, "31", 0, fuori, meno30},
      {2, 1, "0", 0, fuori, meno30},
      {2, 1, "x", 0, fuori, meno30},
      {0, 0, "5", 0, "To edit time, you must choose first what color you want to modify.", meno30},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.valore);
    fuoco = c.fuoco;
    Digita(c.valore);
    if (c.risposta) fake.answer(c.risposta);
    comando_ModificaTempo(c.segno);
    EXPECT_EQ(Domande().back(), c.domanda);
    EXPECT_EQ(CharatteriInComando, 0);
    EXPECT_STREQ(UltimoRecord->testo, c.record);  // nothing logged unless accepted
  }
  // Only the two accepted changes were applied.
  EXPECT_EQ(TempoRimasto[0], 7500000);
  EXPECT_EQ(TempoRimasto[1], 5400000);
  EXPECT_EQ(Orologio(0), " 02:05:00");
  // While running the command is refused before the number is read.
  OrologioInMoto();
  fuoco = 2;
  Digita("5");
  comando_ModificaTempo(0);
  EXPECT_EQ(Domande().back(),
            "In order to apply bonuses or penalties you must first stop the clock.");
  EXPECT_EQ(CharatteriInComando, 1);
  EXPECT_EQ(TempoRimasto[0], 7500000);
  FermaOrologio();
  fake.dialogs.clear();
  CharatteriInComando = 0;  // nothing typed: the menu's job
  comando_ModificaTempo(0);
  EXPECT_TRUE(fake.dialogs.empty());
}

// The value entry of the menu stays open for a value; a menu item's Yes is the menu tests'
// business.
TEST_F(OrologioTest, BonusAndPenaltyFromTheMenuWithNothingTyped) {
  focus = 3;
  MenuAttivo = 7;
  VoceSelezionata = 3;
  Digita("");
  EXPECT_EQ(comando_ModificaTempoDaMenu(3), 0);
  EXPECT_EQ(Domande().back(),
            "No valid input for minutes has been entered. \n The accepted range is from 1 up to "
            "30.");
  EXPECT_EQ(Toni(700, 9), 1);
  EXPECT_EQ(parlato.back(), "edit");
}

}  // namespace
}  // namespace orologio_test
