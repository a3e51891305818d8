#include "tests/clock/ambiente_orologio.h"

namespace orologio_test {
namespace {

using AggiudicaTest = AmbienteOrologio;

TEST_F(AggiudicaTest, RecordingAVerdictStopsTheClockAndLogsIt) {
  OrologioInMoto();
  PartitaSalvata = 1;
  fake.answer(IDYES);
  Abbandona(1);
  EXPECT_EQ(fake.dialogs.back().text, "Black resins, adjudicate the game (1-0)?");
  EXPECT_STREQ(Result, "1-0");
  EXPECT_STREQ(Termination, "Abandoned");
  EXPECT_STREQ(CommentoRisultato, "black resins");
  EXPECT_EQ(InMoto, 0);
  EXPECT_EQ(UltimoRecord->tipo, recPartitaAggiudicata);
  EXPECT_STREQ(UltimoRecord->testo, "1-0 (black resins)");
  EXPECT_EQ(PartitaSalvata, 0);
}

TEST_F(AggiudicaTest, ANoLeavesEverythingAsItWas) {
  OrologioInMoto();
  fake.answer(IDNO);
  Abbandona(0);
  fake.answer(IDNO);
  PattaDaccordo();
  EXPECT_STREQ(Result, "*");
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(UltimoRecord->tipo, recNuovaPartita);
}

TEST_F(AggiudicaTest, AgreementAndResignationQuestionsInEachLanguage) {
  const char* attese[3][3] = {
      {"Il bianco abbandona, aggiudicare la partita (0-1)?",
       "Il nero abbandona, aggiudicare la partita (1-0)?",
       "Patta d'accordo, aggiudicare la partita (1/2-1/2)?"},
      {"White resins, adjudicate the game (0-1)?", "Black resins, adjudicate the game (1-0)?",
       "Draw by agreement, adjudicate the game (1/2-1/2)?"},
      {"¿Las blancas abandonan, adjudicar el juego (0-1)?",
       "¿Las negras abandonan, adjudicar el juego (1-0)?",
       "¿Tablas de mutuo acuerdo, adjudicar el juego (1/2-1/2)?"},
  };
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    fake.answer(IDNO);
    Abbandona(0);
    EXPECT_EQ(fake.dialogs.back().text, attese[l][0]);
    fake.answer(IDNO);
    Abbandona(1);
    EXPECT_EQ(fake.dialogs.back().text, attese[l][1]);
    fake.answer(IDNO);
    PattaDaccordo();
    EXPECT_EQ(fake.dialogs.back().text, attese[l][2]);
  }
}

TEST_F(AggiudicaTest, AgreementReplacesAnEarlierVerdict) {
  fake.answer(IDYES);
  Abbandona(0);
  fake.answer(IDYES);
  PattaDaccordo();
  EXPECT_STREQ(Result, "1/2-1/2");
  EXPECT_STREQ(Termination, "By agreement");
  EXPECT_STREQ(CommentoRisultato, "Draw by agreement");
  EXPECT_STREQ(UltimoRecord->testo, "1/2-1/2 (Draw by agreement)");
}

TEST_F(AggiudicaTest, RevokingClearsTheVerdictAndLogsNothing) {
  fake.answer(IDYES);
  Abbandona(0);
  RevocaAggiudicazione();
  EXPECT_STREQ(Result, "*");
  EXPECT_STREQ(Termination, "?");
  EXPECT_STREQ(CommentoRisultato, "");
  EXPECT_EQ(UltimoRecord->tipo, recPartitaAggiudicata);
  EXPECT_EQ(InMoto, 0);  // revoking does not restart the clock
}

TEST_F(AggiudicaTest, ImmediateVerdictsAreReported) {
  ContatoreMosse = 3;  // black to move and mated
  EXPECT_EQ(AggiudicaDopoMossa(verdettoScaccoMatto), 1);
  EXPECT_STREQ(Result, "1-0");
  EXPECT_STREQ(Termination, "Checkmate");
  EXPECT_EQ(fake.dialogs.back().text, "Checkmate, game adjudicated ( 1-0 ).");
  EXPECT_EQ(fake.dialogs.back().style, 64);
  ContatoreMosse = 4;
  AggiudicaDopoMossa(verdettoScaccoMatto);
  EXPECT_STREQ(Result, "0-1");
  AggiudicaDopoMossa(verdettoStallo);
  EXPECT_EQ(fake.dialogs.back().text, "Stalemate, game adjudicated ( 1/2-1/2 ).");
  EXPECT_STREQ(Termination, "stalemate");
  ParametroIni[inilang].valore = 0;
  AggiudicaDopoMossa(verdettoMaterialeInsufficiente);
  EXPECT_STREQ(Termination, "insufficient material");
  EXPECT_EQ(fake.dialogs.back().text,
            "Materiale insufficiente, partita aggiudicata ( 1/2-1/2 ).");
}

TEST_F(AggiudicaTest, RuleVerdictsAreAskedFirst) {
  fake.answer(IDNO);
  EXPECT_EQ(AggiudicaDopoMossa(verdetto50Mosse), 0);
  EXPECT_EQ(fake.dialogs.back().text, "Adjudicate draw according with 50 moves rule??");
  EXPECT_STREQ(Result, "*");
  fake.answer(IDYES);
  EXPECT_EQ(AggiudicaDopoMossa(verdettoTripliceRipetizione), 1);
  EXPECT_EQ(fake.dialogs.back().text, "Threefold repetition: adjudicate a draw?");
  EXPECT_STREQ(Termination, "threefold repetition");
  EXPECT_STREQ(CommentoRisultato, "threefold repetition");
  fake.answer(IDYES);
  AggiudicaDopoMossa(verdetto50Mosse);
  EXPECT_STREQ(Termination, "Fifty-move rule");
  EXPECT_STREQ(CommentoRisultato, "50 moves rule");
  EXPECT_EQ(fake.dialogs.size(), 3u);  // no report box for these
}

TEST_F(AggiudicaTest, QuestionsInAnAdjudicatedGame) {
  Aggiudica("Checkmate", "checkmate", "1-0");
  fake.answer(IDNO);
  EXPECT_EQ(dom_AggiudicataModificaCMQ(), IDNO);
  EXPECT_EQ(fake.dialogs.back().text,
            "Checkmate, game adjudicated ( 1-0 ).\nReset the adjudgement and edit the game "
            "anyway?");
  // Without a comment the text starts at the words.
  Aggiudica("x", "", "0-1");
  dom_AggiudicataInMotoCMQ();
  EXPECT_EQ(fake.dialogs.back().text,
            "Game adjudicated ( 0-1 ).\nReset the adjudgement and start the clock anyway?");
  avisa_aggiudicazione();
  EXPECT_EQ(fake.dialogs.back().text, "Game adjudicated ( 0-1 ).");
}

}  // namespace
}  // namespace orologio_test
