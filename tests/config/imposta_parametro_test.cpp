#include <filesystem>

#include "tests/clock/ambiente_orologio.h"
#include "tests/support/ambiente_finto.h"

namespace orologio_test {
namespace {

struct ImpostaParametroTest : AmbienteOrologio {
  int Imposta(int indice, const std::string& testo, int risposta = IDYES) {
    Digita(testo);
    fake.answer(risposta);
    return comando_ImpostaParametro(&ParametroIni[indice]);
  }
  bool NelFile(const char* riga) const {
    return LeggiTesto(NomeFileIni).find(riga) != std::string::npos;
  }
};

TEST_F(ImpostaParametroTest, SettingTheFirstPeriodReloadsTheClock) {
  EXPECT_EQ(Imposta(iniP1T, "90", IDNO), 0);
  EXPECT_FALSE(std::filesystem::exists(NomeFileIni));
  EXPECT_EQ(TempoRimasto[0], 7200000);
  PartitaSalvata = 1;
  EXPECT_EQ(Imposta(iniP1T, "90"), 1);
  EXPECT_EQ(Domande().back(), "Set duration in minutes of First period to 90?");
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_TRUE(NelFile("\n$\tP1T\t90\n"));
  EXPECT_EQ(Toni(3000, 5), 1);
  EXPECT_EQ(TempoRimasto[1], 5400000);
  EXPECT_STREQ(Cadenza, "5400");
  EXPECT_EQ(Orologio(1), " 01:30:00");
  EXPECT_EQ(PartitaSalvata, 0);
  ParametroIni[iniClockMode].valore = 4;  // the last period's increment is shown too
  EXPECT_EQ(Imposta(iniP4I, "9"), 1);
  EXPECT_STREQ(Cadenza, "40/5400:40/7200:40/7200:7200+9");
}

// A start of the clock is enough to fix it, even before the first move.
TEST_F(ImpostaParametroTest, TheTimeControlIsFixedOnceTheGameHasStarted) {
  OrologioInMoto();
  FermaOrologio();
  EXPECT_EQ(Imposta(iniP2I, "5"), 0);
  EXPECT_EQ(Domande().back(),
            "'Time control' can only be changed if the game has not yet started.");
  EXPECT_EQ(ParametroIni[iniP2I].valore, 0);
  EXPECT_EQ(Imposta(inia1, "10"), 1);
  EXPECT_EQ(Domande().back(), "Set first alarm to 10 minutes left?");
  EXPECT_EQ(TempoRimasto[0], 7200000);  // no reload for them
}

TEST_F(ImpostaParametroTest, QuestionsNameTheValue) {
  const struct {
    int indice;
    const char *valore, *domanda;
  } casi[] = {
      {iniP1T, "", "No value specified for\nduration in minutes of First period"},
      {iniP1T, "721",
       "Not valid value for duration in minutes of First period.\n Values allowed: min 1, "
       "max 720."},
      {iniClockMode, "5", "Set clock mode to 5 - hourglass?"},
      {iniautorefresh, "0", "Set auto refresh of the time  to 0 - off?"},
      {iniMDV, "2", "Set move description verbosity  to 2 - long description?"},
      {iniAssistanceType, "2", "Set type of assistance  to 2 - NVDA (if is running)?"},
      {iniP1M, "30", "Set number of moves to complete in the First period to 30?"},
      {iniMaxPlyBookLine, "60", "Set maximum line length  to 60 plies?"},  // not minutes
      {iniMinEloRating, "2000", "Set minimum elo rating  to 2000?"},
      {inilang, "2", "Set language  to 2 - español?"},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(Imposta(c.indice, c.valore, IDNO), 0);
    EXPECT_EQ(Domande().back(), c.domanda);
  }
  EXPECT_EQ(ParametroIni[iniP1T].valore, 120);
  EXPECT_EQ(ParametroIni[iniClockMode].valore, 1);
}

TEST_F(ImpostaParametroTest, ChangingTheLanguageAnnouncesIt) {
  EXPECT_EQ(Imposta(inilang, "2"), 1);
  EXPECT_EQ(lang(), 2);
  EXPECT_EQ(fake.language, 2);
  EXPECT_EQ(parlato.back(), "se establece el idioma espa\xF1ol");  // the reader's code page
  EXPECT_TRUE(NelFile("\nidioma . Predeterminado english."));
}

TEST_F(ImpostaParametroTest, AssistanceAndAutosaveActAtOnce) {
  ParametroIni[iniAssistanceType].valore = 0;
  CaricaAssistente(0);
  fake.library_calls.clear();
  EXPECT_EQ(Imposta(iniAssistanceType, "1"), 1);
  ASSERT_FALSE(fake.library_calls.empty());
  EXPECT_EQ(fake.library_calls[0].name, "jaws.dll");
  PartitaSalvata = 0;
  EXPECT_EQ(Imposta(iniautosave, "1"), 1);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_TRUE(std::filesystem::exists(NomePartita));
}

TEST_F(ImpostaParametroTest, ClockModeFromTheMenu) {
  PartitaSalvata = 1;
  fake.answer(IDYES);
  EXPECT_EQ(ImpostaModoOrologioDaMenu(0), 1);
  EXPECT_EQ(Domande().back(), "Set clock mode to A recursive period?");
  EXPECT_STREQ(Cadenza, "40/7200");
  EXPECT_EQ(Toni(3000, 5), 1);
  EXPECT_EQ(PartitaSalvata, 0);
  ContatoreMosse = 1;
  EXPECT_EQ(ImpostaModoOrologioDaMenu(5), 0);
  EXPECT_EQ(ParametroIni[iniClockMode].valore, 0);
}

}  // namespace
}  // namespace orologio_test
