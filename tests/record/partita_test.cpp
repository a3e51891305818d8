#include "record/partita.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/report.h"
#include "tests/support/cartella_temporanea.h"
#include "ui/stato.h"

namespace {

struct PartitaTest : ::testing::Test {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    // A game of another second first, so that the names below carry no "-2" suffix for a game
    // an earlier test created in the same second.
    fake.now_ms = 0;
    InizializzaInfoPartita();
    // 2026-12-05 05:28:26 UTC
    fake.now_ms = 1796448506000;
    focus = 0;
  }
  void TearDown() override {
    SvuotaListaRecord();
    DefaultIni();
    platform::install(nullptr);
  }
  void Digita(const std::string& testo) {
    std::snprintf(comando, sizeof comando, "%s", testo.c_str());
    CharatteriInComando = static_cast<int>(testo.size());
  }
};

TEST_F(PartitaTest, ANewGameResetsEveryField) {
  for (char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrWhiteElo,
                      StrBlackCognome, StrBlackNome, StrBlackElo, CommentoRisultato})
    std::strcpy(campo, "x");
  std::strcpy(Result, "1-0");
  std::strcpy(Termination, "Abandoned");
  std::strcpy(DataLocale, "2026.01.01");
  std::strcpy(OraUTC, "10:00:00");
  InizializzaInfoPartita();
  for (char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrWhiteElo,
                      StrBlackCognome, StrBlackNome, StrBlackElo, CommentoRisultato})
    EXPECT_STREQ(campo, "");
  EXPECT_STREQ(Result, "*");
  EXPECT_STREQ(Termination, "?");
  for (char* campo : {DataLocale, OraLocale, DataUTC, OraUTC}) EXPECT_STREQ(campo, "?");
  const std::string sep(1, platform::kPathSeparator);
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-05.28.26.pgn");
  EXPECT_EQ(std::string(FileReport), "log" + sep + "2026.12.05-05.28.26.txt");
  // The log starts with the new-game record alone.
  ASSERT_NE(UltimoRecord, nullptr);
  EXPECT_EQ(UltimoRecord->tipo, recNuovaPartita);
  EXPECT_STREQ(UltimoRecord->testo, "on 2026.12.05 at 05:28:26");
  EXPECT_EQ(UltimoRecord->precedente, nullptr);
}

TEST_F(PartitaTest, TheNewGameRecordIsInTheCurrentLanguage) {
  ParametroIni[inilang].valore = 2;
  InizializzaInfoPartita();
  EXPECT_STREQ(UltimoRecord->testo, "el 2026.12.05 a las 05:28:26");
  ParametroIni[inilang].valore = 0;
  InizializzaInfoPartita();
  EXPECT_STREQ(UltimoRecord->testo, "il 2026.12.05 alle 05:28:26");
}

TEST_F(PartitaTest, GamesCreatedInTheSameSecondGetNamesOfTheirOwn) {
  const std::string sep(1, platform::kPathSeparator);
  fake.now_ms += 3600000;  // a second no other test of this process uses
  InizializzaInfoPartita();
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-06.28.26.pgn");
  InizializzaInfoPartita();
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-06.28.26-2.pgn");
  EXPECT_EQ(std::string(FileReport), "log" + sep + "2026.12.05-06.28.26-2.txt");
  InizializzaInfoPartita();
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-06.28.26-3.pgn");
  // The next second has the plain name again.
  fake.advance(1000);
  InizializzaInfoPartita();
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-06.28.27.pgn");
}

TEST_F(PartitaTest, NamesTakenOnDiskByAnEarlierRunAreNotReused) {
  std::filesystem::create_directories("pgn");
  std::filesystem::create_directories("log");
  std::ofstream("pgn/2026.12.05-07.28.26.pgn") << "old";
  std::ofstream("log/2026.12.05-07.28.26-2.txt") << "old";
  fake.now_ms += 7200000;
  InizializzaInfoPartita();
  const std::string sep(1, platform::kPathSeparator);
  EXPECT_EQ(std::string(NomePartita), "pgn" + sep + "2026.12.05-07.28.26-3.pgn");
  EXPECT_EQ(std::string(FileReport), "log" + sep + "2026.12.05-07.28.26-3.txt");
}

TEST_F(PartitaTest, EditingAGameInformationField) {
  InizializzaInfoPartita();
  PartitaSalvata = 1;
  Digita("City Open");
  fake.answer(IDNO);
  EXPECT_EQ(ModificaInfoPartita(StrEvent), 0);
  EXPECT_STREQ(StrEvent, "");
  EXPECT_EQ(PartitaSalvata, 1);
  fake.answer(IDYES);
  EXPECT_EQ(ModificaInfoPartita(StrEvent), 1);
  EXPECT_EQ(fake.dialogs.back().text, "Set event to City Open?");
  EXPECT_EQ(fake.dialogs.back().style, MB_YESNO);
  EXPECT_STREQ(StrEvent, "City Open");
  ASSERT_FALSE(fake.tones.empty());
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(PartitaSalvata, 0);

  ParametroIni[inilang].valore = 2;
  Digita("Pérez");
  EXPECT_EQ(ModificaInfoPartita(StrBlackCognome), 1);
  EXPECT_EQ(fake.dialogs.back().text, "¿setear apellido a Pérez?");
  EXPECT_STREQ(StrBlackCognome, "Pérez");
  ParametroIni[inilang].valore = 0;
  Digita("1");
  EXPECT_EQ(ModificaInfoPartita(StrRound), 1);
  EXPECT_EQ(fake.dialogs.back().text, "Impostare turno a 1?");
}

TEST_F(PartitaTest, EloRatingsAreRangeChecked) {
  InizializzaInfoPartita();
  for (const char* cattivo : {"4001", "-1", "abc", ""}) {
    Digita(cattivo);
    EXPECT_EQ(ModificaInfoPartita(StrWhiteElo), 0) << cattivo;
    EXPECT_EQ(fake.dialogs.back().text,
              "The entered value for (Elo fide rating) is out of range. \n A correct input "
              "should be from 0 up to 4000.");
    EXPECT_STREQ(StrWhiteElo, "");
  }
  Digita("4000");
  EXPECT_EQ(ModificaInfoPartita(StrWhiteElo), 1);
  EXPECT_STREQ(StrWhiteElo, "4000");
  Digita("2100 (provisional)");
  EXPECT_EQ(ModificaInfoPartita(StrBlackElo), 1);
  EXPECT_EQ(fake.dialogs.back().text, "Set fide elo rating to 2100 (provisional)?");
  EXPECT_STREQ(StrBlackElo, "2100 (provisional)");
}

TEST_F(PartitaTest, AnAutomaticSaveThatDidNotHappenLeavesTheGameUnsaved) {
  ParametroIni[iniautosave].valore = 1;
  PartitaSalvata = 1;
  std::filesystem::remove_all("log");
  std::ofstream("log") << "a file where the log folder should be";
  SalvaOSegnaNonSalvata();
  EXPECT_EQ(PartitaSalvata, 0);
}

TEST_F(PartitaTest, TheLogKeepsEveryRecordInOrder) {
  InizializzaInfoPartita();
  fake.advance(5000);
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  fake.advance(12000);
  InserisciNuovoRecord(recMossaInserita, "e4");
  ASSERT_NE(UltimoRecord, nullptr);
  EXPECT_STREQ(UltimoRecord->testo, "e4");
  ASSERT_NE(UltimoRecord->precedente, nullptr);
  EXPECT_EQ(UltimoRecord->tempo - UltimoRecord->precedente->tempo, 12000u);
  EXPECT_EQ(UltimoRecord->precedente->testo, nullptr);
  ASSERT_NE(UltimoRecord->precedente->precedente, nullptr);
  EXPECT_EQ(UltimoRecord->precedente->precedente->tipo, recNuovaPartita);
  SvuotaListaRecord();
  EXPECT_EQ(UltimoRecord, nullptr);
}

}  // namespace
