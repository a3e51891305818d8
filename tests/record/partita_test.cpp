#include "record/partita.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "record/report.h"
#include "tests/support/ambiente_finto.h"
#include "ui/stato.h"

namespace {

struct PartitaTest : AmbienteFinto {
  const std::string sep = std::string(1, platform::kPathSeparator);
  void SetUp() override {
    AmbienteFinto::SetUp();
    // A game of another second first, so that the names below carry no "-2" suffix for a game
    // an earlier test created in the same second.
    fake.now_ms = 0;
    InizializzaInfoPartita();
    fake.now_ms = 1796448506000;  // 2026-12-05 05:28:26 UTC
    focus = 0;
  }
  void TearDown() override {
    SvuotaListaRecord();
    AmbienteFinto::TearDown();
  }
  std::string Nuova() {
    InizializzaInfoPartita();
    return NomePartita;
  }
};

TEST_F(PartitaTest, ANewGameResetsEveryFieldAndStartsItsLog) {
  char* campi[] = {StrEvent,     StrRound,        StrWhiteCognome, StrWhiteNome,     StrWhiteElo,
                   StrBlackCognome, StrBlackNome, StrBlackElo,     CommentoRisultato};
  for (char* campo : campi) std::strcpy(campo, "x");
  for (char* campo : {Result, Termination, DataLocale, OraUTC}) std::strcpy(campo, "1-0");
  const char* attesi[3] = {"il 2026.12.05 alle 05:28:26", "on 2026.12.05 at 05:28:26",
                           "el 2026.12.05 a las 05:28:26"};
  for (int l = 2; l >= 0; --l) {
    ParametroIni[inilang].valore = l;
    InizializzaInfoPartita();
    ASSERT_NE(UltimoRecord, nullptr);
    EXPECT_EQ(UltimoRecord->tipo, recNuovaPartita);
    EXPECT_STREQ(UltimoRecord->testo, attesi[l]);
    EXPECT_EQ(UltimoRecord->precedente, nullptr);
  }
  for (char* campo : campi) EXPECT_STREQ(campo, "");
  EXPECT_STREQ(Result, "*");
  for (char* campo : {Termination, DataLocale, OraLocale, DataUTC, OraUTC}) EXPECT_STREQ(campo, "?");
}

TEST_F(PartitaTest, EveryGameGetsNamesOfItsOwn) {
  fake.now_ms += 3600000;  // a second no other test of this process uses
  EXPECT_EQ(Nuova(), "pgn" + sep + "2026.12.05-06.28.26.pgn");
  EXPECT_EQ(Nuova(), "pgn" + sep + "2026.12.05-06.28.26-2.pgn");
  EXPECT_EQ(std::string(FileReport), "log" + sep + "2026.12.05-06.28.26-2.txt");
  EXPECT_EQ(Nuova(), "pgn" + sep + "2026.12.05-06.28.26-3.pgn");
  fake.advance(1000);
  EXPECT_EQ(Nuova(), "pgn" + sep + "2026.12.05-06.28.27.pgn");
  // Names taken on disk by an earlier run are not reused.
  std::filesystem::create_directories("pgn");
  std::filesystem::create_directories("log");
  std::ofstream("pgn/2026.12.05-07.28.27.pgn") << "old";
  std::ofstream("log/2026.12.05-07.28.27-2.txt") << "old";
  fake.now_ms += 3600000;
  EXPECT_EQ(Nuova(), "pgn" + sep + "2026.12.05-07.28.27-3.pgn");
  EXPECT_EQ(std::string(FileReport), "log" + sep + "2026.12.05-07.28.27-3.txt");
}

TEST_F(PartitaTest, EditingAGameInformationField) {
  const char* elo_fuori = "The entered value for (Elo fide rating) is out of range. \n A correct "
                          "input should be from 0 up to 4000.";
  struct {
    int lingua;
    char* campo;
    const char* testo;
    int risposta, esito;
    const char *dialogo, *valore;
  } casi[] = {
      {1, StrEvent, "City Open", IDNO, 0, "Set event to City Open?", ""},
      {1, StrEvent, "City Open", IDYES, 1, "Set event to City Open?", "City Open"},
      {2, StrBlackCognome, "Pérez", IDYES, 1, "¿setear apellido a Pérez?", "Pérez"},
      {0, StrRound, "1", IDYES, 1, "Impostare turno a 1?", "1"},
      {1, StrWhiteElo, "4001", IDYES, 0, elo_fuori, ""},
      {1, StrWhiteElo, "-1", IDYES, 0, elo_fuori, ""},
      {1, StrWhiteElo, "abc", IDYES, 0, elo_fuori, ""},
      {1, StrWhiteElo, "4000", IDYES, 1, "Set fide elo rating to 4000?", "4000"},
      {1, StrBlackElo, "2100 (provisional)", IDYES, 1,
       "Set fide elo rating to 2100 (provisional)?", "2100 (provisional)"},
  };
  InizializzaInfoPartita();
  for (const auto& c : casi) {
    ParametroIni[inilang].valore = c.lingua;
    PartitaSalvata = 1;
    std::snprintf(comando, sizeof comando, "%s", c.testo);
    CharatteriInComando = static_cast<int>(std::strlen(c.testo));
    fake.tones.clear();
    fake.answer(c.risposta);
    EXPECT_EQ(ModificaInfoPartita(c.campo), c.esito) << c.testo;
    EXPECT_EQ(fake.dialogs.back().text, c.dialogo);
    EXPECT_STREQ(c.campo, c.valore);
    EXPECT_EQ(PartitaSalvata, 1 - c.esito) << c.testo;
    EXPECT_EQ(!fake.tones.empty() && fake.tones.back().hz == 3000, c.esito == 1) << c.testo;
  }
}

}  // namespace
