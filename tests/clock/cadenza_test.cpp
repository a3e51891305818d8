#include "clock/cadenza.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/orologio.h"
#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "tests/support/ambiente_finto.h"

namespace {

struct TestoCadenzaTest : AmbienteFinto {};

DatiCadenza Analizza(const char* testo, int* esito) {
  DatiCadenza d{};
  *esito = LeggiDatiCadenzaDaStringa(testo, &d);
  return d;
}

// What the round trip of every mode leaves out: blanks, seconds, a fourth period.
TEST_F(TestoCadenzaTest, ValidTexts) {
  struct Caso {
    const char* testo;
    int modo, periodo;   // the period checked
    DatiPeriodo atteso;  // moves, minutes, increment, kind
  } casi[] = {
      {"90", 1, 0, {-1, 1, 0, 2}},  // seconds truncated to whole minutes
      {" 40 / 7200 ", 0, 0, {40, 120, 0, 1}},
      {"40/7200:20/3600:10/600:60+5", 4, 3, {-1, 1, 5, 2}},
      {"40/7200:20/3600:10/600:60:garbage", 4, 3, {-1, 1, 0, 2}},  // text after a fourth ":"
  };
  for (const auto& c : casi) {
    int ok;
    const DatiCadenza d = Analizza(c.testo, &ok);
    ASSERT_EQ(ok, 1) << c.testo;
    EXPECT_EQ(d.modo, c.modo) << c.testo;
    const DatiPeriodo& p = d.periodo[c.periodo];
    EXPECT_EQ(p.mosse, c.atteso.mosse) << c.testo;
    EXPECT_EQ(p.minuti, c.atteso.minuti) << c.testo;
    EXPECT_EQ(p.incremento, c.atteso.incremento) << c.testo;
    EXPECT_EQ(p.tipo, c.atteso.tipo) << c.testo;
  }
}

TEST_F(TestoCadenzaTest, InvalidTexts) {
  for (const char* testo :
       {"30", "43260", "9/3600", "101/3600", "40/3600+601", "40/3600:40/3600", "3600:40/3600",
        "5*60", "40/60/60", "300+2+2", "*", "*180+5", "/3600", "+5", "40/", "300+", "", ":",
        "7200:", "abc", "72a0", "40/3600:3600:3600", "99999999999999", "*30", "-300", "3600:3600",
        // an hourglass is the whole time control
        "*180:3600", "*60:*60", "*180:40/3600:3600"}) {
    int ok;
    Analizza(testo, &ok);
    EXPECT_EQ(ok, 0) << '"' << testo << '"';
  }
}

TEST_F(TestoCadenzaTest, OnePeriodReadsOnlyItsLength) {
  DatiPeriodo p;
  EXPECT_EQ(LeggiDatiPeriodoDaStringa("7200junk", 4, &p), 1);
  EXPECT_EQ(p.minuti, 120);
  EXPECT_EQ(p.tipo, 2);
}

// The parameters, in the order of the list: mode, then each period's minutes, increment and moves.
TEST_F(TestoCadenzaTest, EveryModeWrittenAndReadBack) {
  const struct {
    int valori[12];
    const char* testo;
  } casi[] = {
      {{0, 25, 10, 30, 1, 1, 10, 1, 1, 10, 1, 1}, "30/1500+10"},
      {{1, 3, 0, 40, 120, 0, 40, 120, 0, 40, 120, 0}, "180"},  // never "+0"
      {{2, 100, 30, 40, 60, 10, 40, 120, 0, 40, 120, 0}, "40/6000+30:3600+10"},
      {{3, 90, 0, 35, 45, 5, 20, 15, 30, 40, 120, 0}, "35/5400:20/2700+5:900+30"},
      {{4, 720, 600, 100, 1, 0, 10, 30, 15, 12, 5, 3}, "100/43200+600:10/60:12/1800+15:300+3"},
      {{4, 720, 600, 100, 720, 600, 100, 720, 600, 100, 720, 600},
       "100/43200+600:100/43200+600:100/43200+600:43200+600"},   // the longest
      {{5, 7, 10, 40, 120, 0, 40, 120, 0, 40, 120, 0}, "*420"},  // no increment in an hourglass
  };
  for (const auto& c : casi) {
    DefaultIni();
    for (int i = 0; i < 12; ++i) ParametroIni[i].valore = c.valori[i];
    ScriviCadenza();
    EXPECT_STREQ(Cadenza, c.testo);
    int ok;
    DatiCadenza d = Analizza(c.testo, &ok);
    ASSERT_EQ(ok, 1) << c.testo;
    d.tempo_bianco = 60;
    d.tempo_nero = 50;
    DefaultIni();
    ASSERT_EQ(CaricaOrologioDaDatiCadenza(&d), 1);
    EXPECT_STREQ(Cadenza, c.testo);
    // Every parameter the mode uses came back: they lead the list, in order.
    const int usati[6] = {4, 3, 6, 9, 12, 2};
    for (int i = 0; i < usati[c.valori[0]]; ++i)
      EXPECT_EQ(ParametroIni[i].valore, c.valori[i]) << c.testo << i;
  }
}

TEST_F(TestoCadenzaTest, TakingOverATimeControlSetsTheTimesLeft) {
  int ok;
  DatiCadenza d = Analizza("40/7200+30:3600", &ok);
  d.tempo_bianco = 3599;
  d.tempo_nero = 7;
  ParametroIni[iniP3T].valore = 33;  // unused by mode 2: kept
  TempoVisualizzato[1] = 7;          // equal to what comes: drawn all the same
  ASSERT_EQ(CaricaOrologioDaDatiCadenza(&d), 1);
  EXPECT_EQ(TempoRimasto[0], 3599000);
  EXPECT_EQ(TempoRimasto[1], 7000);
  EXPECT_EQ(fake.row(37).substr(43), " 00:59:59");
  EXPECT_EQ(fake.row(38).substr(43), " 00:00:07");
  EXPECT_EQ(ParametroIni[iniP3T].valore, 33);
  EXPECT_EQ(ParametroIni[iniP2I].valore, 0);

  // A time left that milliseconds cannot hold changes nothing.
  DatiCadenza grande = Analizza("300", &ok);
  grande.tempo_bianco = 3000000;
  grande.tempo_nero = 10;
  EXPECT_EQ(CaricaOrologioDaDatiCadenza(&grande), 0);
  EXPECT_EQ(ParametroIni[iniClockMode].valore, 2);
  EXPECT_EQ(TempoRimasto[0], 3599000);
}

}  // namespace
