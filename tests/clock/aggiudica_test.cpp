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
  EXPECT_EQ(fake.dialogs.back().text, "Materiale insufficente, partita aggiudicata ( 1/2-1/2 ).");
}

TEST_F(AggiudicaTest, VerdictTextsInItalianAndSpanish) {
  struct Caso {
    int lingua;
    Verdetto verdetto;
    const char* dialogo;
  } casi[] = {
      {0, verdetto50Mosse, "Aggiudicare la patta per la regola delle 50 mosse?"},
      {0, verdettoTripliceRipetizione, "Triplice ripetizione: aggiudicare la patta?"},
      {0, verdettoQuintuplaRipetizione, "Quintupla ripetizione, partita aggiudicata ( 1/2-1/2 )."},
      {2, verdettoScaccoMatto, "Jaque Mate, partida adjudicada ( 1-0 )."},
      {2, verdettoStallo, "Rey Ahogado, partida adjudicada ( 1/2-1/2 )."},
      {2, verdetto50Mosse, "¿Adjudicar tablas de acuerdo a la regla de las 50 movidas?"},
      {2, verdettoTripliceRipetizione, "¿Triple repetición: adjudicar tablas?"},
      {2, verdettoQuintuplaRipetizione, "Quíntuple repetición, partida adjudicada ( 1/2-1/2 )."},
  };
  ContatoreMosse = 3;
  for (const auto& c : casi) {
    ParametroIni[inilang].valore = c.lingua;
    fake.answer(IDNO);
    AggiudicaDopoMossa(c.verdetto);
    EXPECT_EQ(fake.dialogs.back().text, c.dialogo);
  }
  fake.answer(IDYES);
  AggiudicaDopoMossa(verdetto50Mosse);
  EXPECT_STREQ(CommentoRisultato, "regla de las 50 movidas");
  AggiudicaDopoMossa(verdettoQuintuplaRipetizione);
  EXPECT_STREQ(Termination, "fivefold repetition");
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

namespace orologio_test {
namespace {

struct BandierinaTest : AmbienteOrologio {
  // White to move with one second left; black with plenty.
  void Posizione(const char* fen) {
    ASSERT_EQ(NuovaPosizione(fen), 1);  // clears what an earlier test left
    ContatoreMosse = 0;
    TempoRimasto[0] = 1000;
    OrologioInMoto();
    fake.dialogs.clear();
  }
};

TEST_F(BandierinaTest, TheOpponentCanWin) {
  Posizione(FenIniziale);
  fake.answer(IDYES);
  Attende(1500);
  EXPECT_EQ(Domande(),
            std::vector<std::string>{"White's flag falls: adjudicate the game ( 0-1 )?"});
  EXPECT_STREQ(Result, "0-1");
  EXPECT_STREQ(Termination, "time forfeit");
  EXPECT_STREQ(CommentoRisultato, "white's flag falls");
  EXPECT_EQ(InMoto, 0);
}

TEST_F(BandierinaTest, ALoneKingCannotWinSoADrawIsAsked) {
  Posizione("4k3/8/8/8/8/8/8/4K2Q w - - 0 1");
  fake.answer(IDYES);
  Attende(1500);
  EXPECT_EQ(Domande(), std::vector<std::string>{
                           "White's flag falls, black can not win.\nadjudicate the game ( "
                           "1/2-1/2 )?"});
  EXPECT_STREQ(Result, "1/2-1/2");
  EXPECT_STREQ(Termination, "time forfeit");
}

TEST_F(BandierinaTest, TheDrawQuestionInSpanish) {
  Posizione("4k3/8/8/8/8/8/8/4K2Q w - - 0 1");
  ParametroIni[inilang].valore = 2;
  fake.answer(IDNO);
  Attende(1500);
  EXPECT_EQ(Domande(), std::vector<std::string>{
                           "Cae la bandera de las blancas, las negras no pueden ganar.\n¿adjudicar "
                           "el juego ( 1/2-1/2 )?"});
}

TEST_F(BandierinaTest, BothFlagsFallen) {
  Posizione(FenIniziale);
  TempoRimasto[1] = -3000;
  fake.answer(IDYES);
  Attende(1500);
  EXPECT_EQ(Domande(), std::vector<std::string>{"Both flags fallen. \n adjudicate a draw?"});
  EXPECT_STREQ(Result, "1/2-1/2");
  EXPECT_STREQ(Termination, "both flags fallen");
  EXPECT_STREQ(CommentoRisultato, "both flags fallen");
}

TEST_F(BandierinaTest, DecliningKeepsTheClockRunningAndDoesNotAskAgain) {
  Posizione(FenIniziale);
  fake.answer(IDNO);
  Attende(6500);
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(InMoto, 1);
  EXPECT_STREQ(Result, "*");
  EXPECT_EQ(Orologio(0), "-00:00:05");
}

TEST_F(BandierinaTest, BlacksFlag) {
  Posizione(FenIniziale);
  Muove(0);
  TempoRimasto[1] = 500;
  fake.answer(IDYES);
  Attende(600);
  EXPECT_EQ(Domande(),
            std::vector<std::string>{"Black's flag falls: adjudicate the game ( 1-0 )?"});
  EXPECT_STREQ(Result, "1-0");
}

struct RitiraTest : AmbienteOrologio {
  void SetUp() override {
    AmbienteOrologio::SetUp();
    ASSERT_EQ(NuovaPosizione(FenIniziale), 1);
    ContatoreMosse = 0;
  }
  // Plays the legal move from -> to and records its text.
  void Gioca(int da, int a, const char* testo) {
    for (std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
      if (static_cast<int>(DaCasa(*m)) != da || static_cast<int>(ACasa(*m)) != a) continue;
      ASSERT_EQ(TavolaFaiMossa()[SpecieMossa(*m) & 63](*m), 1);
      std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", testo);
      GeneraMosseLegali();
      return;
    }
    FAIL() << "no such move";
  }
};

TEST_F(RitiraTest, TakingBackRestoresThePositionAndLogsTheMove) {
  Gioca(52, 36, "e4");  // e2-e4
  Gioca(12, 28, "e5");  // e7-e5
  fake.tones.clear();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_NE(PezzoIn[12], CasaVuota);  // the black pawn is back on e7
  EXPECT_EQ(PezzoIn[28], CasaVuota);
  EXPECT_EQ(UltimoRecord->tipo, recMossaRitirata);
  EXPECT_STREQ(UltimoRecord->testo, "e5");
  ASSERT_EQ(fake.tones.size(), 3u);
  EXPECT_EQ(fake.tones[1].hz, 50000);
  EXPECT_EQ(TempoRimasto[0], 7200000);  // times are not changed
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 0u);
  comando_RitiraUltimaMossa();
  EXPECT_EQ(Domande().back(),
            "Current position is the initial one: there is no move to take back.");
}

TEST_F(RitiraTest, RefusedWhileTheClockRuns) {
  Gioca(52, 36, "e4");
  OrologioInMoto();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(Domande().back(), "In order to take back a move, you must first stop the clock.");
  EXPECT_EQ(ContatoreMosse, 1u);
}

TEST_F(RitiraTest, InAnAdjudicatedGameItAsksAndThenClearsTheResult) {
  Gioca(52, 36, "e4");
  Aggiudica("Abandoned", "black resins", "1-0");
  fake.answer(IDNO);
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_STREQ(Result, "1-0");
  EXPECT_EQ(Domande().back(),
            "Black resins, game adjudicated ( 1-0 ).\nReset the adjudgement and edit the game "
            "anyway?");
  fake.answer(IDYES);
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_STREQ(Result, "*");
  EXPECT_STREQ(Termination, "?");
}

}  // namespace
}  // namespace orologio_test
