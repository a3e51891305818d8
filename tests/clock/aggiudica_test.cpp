#include "tests/clock/ambiente_orologio.h"

namespace orologio_test {
namespace {

using AggiudicaTest = AmbienteOrologio;

// A No leaves everything as it was; a Yes stops the clock and logs the verdict.
TEST_F(AggiudicaTest, ResignationAndAgreementAskFirst) {
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
  OrologioInMoto();
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    for (int i = 0; i < 3; ++i) {
      fake.answer(IDNO);
      i < 2 ? Abbandona(i) : PattaDaccordo();
      EXPECT_EQ(fake.dialogs.back().text, attese[l][i]);
    }
  }
  EXPECT_STREQ(Result, "*");
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(UltimoRecord->tipo, recNuovaPartita);

  ParametroIni[inilang].valore = 1;
  PartitaSalvata = 1;
  fake.answer(IDYES);
  Abbandona(1);
  EXPECT_STREQ(Result, "1-0");
  EXPECT_STREQ(Termination, "Abandoned");
  EXPECT_EQ(InMoto, 0);
  EXPECT_STREQ(UltimoRecord->testo, "1-0 (black resins)");
  EXPECT_EQ(PartitaSalvata, 0);
  fake.answer(IDYES);
  PattaDaccordo();  // replaces the earlier verdict
  EXPECT_STREQ(Termination, "By agreement");
  EXPECT_STREQ(UltimoRecord->testo, "1/2-1/2 (Draw by agreement)");
  RevocaAggiudicazione();  // clears it and logs nothing
  EXPECT_STREQ(Result, "*");
  EXPECT_STREQ(Termination, "?");
  EXPECT_STREQ(CommentoRisultato, "");
  EXPECT_EQ(UltimoRecord->tipo, recPartitaAggiudicata);
  EXPECT_EQ(InMoto, 0);
}

// Each verdict after a move: the immediate ones are reported in a box, the rule ones asked
// first (a No records nothing); texts in each language.
TEST_F(AggiudicaTest, VerdictsAfterAMove) {
  struct Caso {
    int lingua;
    Verdetto verdetto;
    int risposta;
    const char* dialogo;
    const char *result, *termination, *commento;
  } casi[] = {
      {1, verdettoScaccoMatto, 0, "Checkmate, game adjudicated ( 1-0 ).", "1-0", "Checkmate",
       "checkmate"},
      {1, verdettoStallo, 0, "Stalemate, game adjudicated ( 1/2-1/2 ).", "1/2-1/2", "stalemate",
       "stalemate"},
      {0, verdettoMaterialeInsufficiente, 0,
       "Materiale insufficente, partita aggiudicata ( 1/2-1/2 ).", "1/2-1/2",
       "insufficient material", "materiale insufficente"},
      {1, verdetto50Mosse, IDNO, "Adjudicate draw according with 50 moves rule??", "*", "?", ""},
      {1, verdetto50Mosse, IDYES, "Adjudicate draw according with 50 moves rule??", "1/2-1/2",
       "Fifty-move rule", "50 moves rule"},
      {1, verdettoTripliceRipetizione, IDYES, "Threefold repetition: adjudicate a draw?", "1/2-1/2",
       "threefold repetition", "threefold repetition"},
      {0, verdetto50Mosse, IDNO, "Aggiudicare la patta per la regola delle 50 mosse?", "*", "?",
       ""},
      {0, verdettoTripliceRipetizione, IDNO, "Triplice ripetizione: aggiudicare la patta?", "*",
       "?", ""},
      {0, verdettoQuintuplaRipetizione, 0,
       "Quintupla ripetizione, partita aggiudicata ( 1/2-1/2 ).", "1/2-1/2", "fivefold repetition",
       "quintupla ripetizione"},
      {2, verdettoScaccoMatto, 0, "Jaque Mate, partida adjudicada ( 1-0 ).", "1-0", "Checkmate",
       "jaque Mate"},
      {2, verdettoStallo, 0, "Rey Ahogado, partida adjudicada ( 1/2-1/2 ).", "1/2-1/2", "stalemate",
       "rey Ahogado"},
      {2, verdetto50Mosse, IDYES, "¿Adjudicar tablas de acuerdo a la regla de las 50 movidas?",
       "1/2-1/2", "Fifty-move rule", "regla de las 50 movidas"},
      {2, verdettoTripliceRipetizione, IDNO, "¿Triple repetición: adjudicar tablas?", "*", "?", ""},
      {2, verdettoQuintuplaRipetizione, 0, "Quíntuple repetición, partida adjudicada ( 1/2-1/2 ).",
       "1/2-1/2", "fivefold repetition", "quíntuple repetición"},
  };
  ContatoreMosse = 3;  // black to move: mated, white wins
  for (const auto& c : casi) {
    RevocaAggiudicazione();
    fake.dialogs.clear();
    ParametroIni[inilang].valore = c.lingua;
    if (c.risposta) fake.answer(c.risposta);
    EXPECT_EQ(AggiudicaDopoMossa(c.verdetto), c.result[0] != '*') << c.dialogo;
    ASSERT_EQ(fake.dialogs.size(), 1u) << c.dialogo;
    EXPECT_EQ(fake.dialogs[0].text, c.dialogo);
    EXPECT_EQ(fake.dialogs[0].style, c.risposta ? MB_YESNO : 64) << c.dialogo;
    EXPECT_STREQ(Result, c.result) << c.dialogo;
    EXPECT_STREQ(Termination, c.termination) << c.dialogo;
    EXPECT_STREQ(CommentoRisultato, c.commento) << c.dialogo;
  }
  ContatoreMosse = 4;  // white mated
  AggiudicaDopoMossa(verdettoScaccoMatto);
  EXPECT_STREQ(Result, "0-1");
}

// Without a comment the text starts at the words.
TEST_F(AggiudicaTest, QuestionsInAnAdjudicatedGame) {
  Aggiudica("x", "", "0-1");
  fake.answer(IDNO);
  EXPECT_EQ(dom_AggiudicataModificaCMQ(), IDNO);
  EXPECT_EQ(fake.dialogs.back().text,
            "Game adjudicated ( 0-1 ).\nReset the adjudgement and edit the game anyway?");
  avisa_aggiudicazione();
  EXPECT_EQ(fake.dialogs.back().text, "Game adjudicated ( 0-1 ).");
}

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

// A flag falls while the clock runs: the arbiter is asked once, in the player's language.
TEST_F(BandierinaTest, AFallenFlagIsPutToTheArbiter) {
  struct Caso {
    const char* fen;
    int lingua, nero_ms, risposta;
    const char *domanda, *result, *termination, *commento;
  } casi[] = {
      {FenIniziale, 1, 7200000, IDYES, "White's flag falls: adjudicate the game ( 0-1 )?", "0-1",
       "time forfeit", "white's flag falls"},
      // A lone king cannot win: a draw is asked instead.
      {"4k3/8/8/8/8/8/8/4K2Q w - - 0 1", 1, 7200000, IDYES,
       "White's flag falls, black can not win.\nadjudicate the game ( 1/2-1/2 )?", "1/2-1/2",
       "time forfeit", "white's flag falls"},
      {"4k3/8/8/8/8/8/8/4K2Q w - - 0 1", 2, 7200000, IDNO,
       "Cae la bandera de las blancas, las negras no pueden ganar.\n¿adjudicar el juego ( "
       "1/2-1/2 )?",
       "*", "?", ""},
      {FenIniziale, 1, -3000, IDYES, "Both flags fallen. \n adjudicate a draw?", "1/2-1/2",
       "both flags fallen", "both flags fallen"},
  };
  for (const auto& c : casi) {
    FermaOrologio();
    Nuova();
    RevocaAggiudicazione();
    ParametroIni[inilang].valore = c.lingua;
    Posizione(c.fen);
    TempoRimasto[1] = c.nero_ms;
    fake.answer(c.risposta);
    Attende(1500);
    EXPECT_EQ(Domande(), std::vector<std::string>{c.domanda});
    EXPECT_STREQ(Result, c.result) << c.domanda;
    EXPECT_STREQ(Termination, c.termination) << c.domanda;
    EXPECT_STREQ(CommentoRisultato, c.commento) << c.domanda;
    EXPECT_EQ(InMoto, c.risposta == IDNO) << c.domanda;
  }
}

TEST_F(BandierinaTest, DecliningKeepsTheClockRunningAndDoesNotAskAgain) {
  Posizione(FenIniziale);
  fake.answer(IDNO);
  Attende(6500);
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(Orologio(0), "-00:00:05");
  FermaOrologio();
  Nuova();
  Posizione(FenIniziale);
  Muove(0);  // black's flag, once black is to move
  TempoRimasto[1] = 500;
  fake.answer(IDYES);
  Attende(600);
  EXPECT_EQ(Domande().back(), "Black's flag falls: adjudicate the game ( 1-0 )?");
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

// Refused while the clock runs, asked in an adjudicated game.
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
  Gioca(52, 36, "e4");
  OrologioInMoto();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(Domande().back(), "In order to take back a move, you must first stop the clock.");
  EXPECT_EQ(ContatoreMosse, 1u);
  FermaOrologio();
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
