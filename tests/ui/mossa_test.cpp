// Move entry from the command line and the tests at the end of each move.
#include <string>
#include <vector>

#include "core/fen.h"
#include "core/fine_partita.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "tests/ui/partita_lunga.h"
#include "tests/ui/scenario.h"

namespace {

using scenario::Scenario;

struct Mossa : Scenario {
  void SetUp() override { Avvia(1); }
  void Posizione(const char* fen) {
    NuovaPartita(fen);
    fake.tones.clear();
    fake.dialogs.clear();
    scenario::parlato.clear();
  }
};

TEST_F(Mossa, NotAMoveRecordAndIllegalMovesAreRefusedWithADialog) {
  const std::pair<const char*, const char*> casi[] = {
      {"Nd", "'Nd' - is not a correct move record."},
      {"e5", "'e5' - is not a legal move."},
      {"O-O", "'O-O' - is not a legal move."},
  };
  for (const auto& [testo, dialogo] : casi) {
    fake.dialogs.clear();
    Scenario::Mossa(testo);
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].text, dialogo);
    EXPECT_EQ(fake.dialogs[0].style, 64);
  }
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(PartitaSalvata, 1);
}

TEST_F(Mossa, AmbiguousKnightsListBothWays) {
  Mosse({"d4", "d5", "Nf3", "Nf6"});
  Scenario::Mossa("Nd2");
  EXPECT_EQ(UltimoDialogo(), "'Nd2' is an ambiguous record.\nDisambiguate with Nbd2 or Nfd2.");
  EXPECT_EQ(ContatoreMosse, 4u);
  Scenario::Mossa("Nbd2");
  EXPECT_EQ(ContatoreMosse, 5u);
  EXPECT_EQ(std::string(ElencoStringaMossa[5]), "Nbd2");
}

TEST_F(Mossa, PromotionQuestionUnlessThePieceIsNamed) {
  Posizione("8/4P3/8/8/8/8/k7/4K3 w - - 0 1");
  fake.answer(IDNO);
  Scenario::Mossa("e8");
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Promotion not specified.\nAre you going to promote qween?");
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNO);
  EXPECT_EQ(ContatoreMosse, 0u);
  fake.answer(IDYES);
  Scenario::Mossa("e8");
  EXPECT_EQ(std::string(ElencoStringaMossa[1]), "e8=Q");
  EXPECT_EQ(fake.row(24).substr(27), "8   -  -  -  -  Q  -  -  -");
  Posizione("8/4P3/8/8/8/7p/k7/4K3 w - - 0 1");
  Scenario::Mossa("e8N");
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_STREQ(ElencoStringaMossa[1], "e8=N");
}

// The check and mate marks, and the verdicts a move can bring, shown on row 21.
TEST_F(Mossa, MarksAndVerdictsAtTheEndOfAMove) {
  struct Caso {
    const char* fen;
    std::vector<std::string> mosse;
    const char *testo, *result, *verdetto;
  } casi[] = {
      {FenIniziale, {"f3", "e5", "g4", "Qh4"}, "Qh4#", "0-1", "Checkmate"},
      {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", {"Ra8"}, "Ra8+", "*", ""},
      {"k7/8/8/2Q5/8/8/8/4K3 w - - 0 1", {"Kd2"}, "Kd2", "*", ""},
      {"k7/8/8/2Q5/8/8/8/4K3 w - - 0 1", {"Qb6"}, "Qb6", "1/2-1/2", "Stalemate"},
      {"4k3/8/8/8/8/8/3n4/4K3 w - - 0 1", {"Kxd2"}, "Kxd2", "1/2-1/2", "Insufficent material"},
  };
  for (const auto& c : casi) {
    Posizione(c.fen);
    Mosse(c.mosse);
    EXPECT_STREQ(ElencoStringaMossa[ContatoreMosse], c.testo);
    EXPECT_STREQ(Result, c.result) << c.testo;
    const std::string verdetto =
        *c.verdetto ? std::string(c.verdetto) + ", game adjudicated ( " + c.result + " )" : "";
    EXPECT_EQ(UltimoDialogo(), *c.verdetto ? verdetto + "." : "") << c.testo;
    EXPECT_EQ(fake.row(21).find(*c.verdetto ? verdetto : "adjudicated") != std::string::npos,
              *c.verdetto != 0)
        << fake.row(21);
  }
}

TEST_F(Mossa, ShufflingKnightsAskTheThreefoldQuestion) {
  fake.answer(IDNO);
  Mosse({"Nf3", "Nf6", "Ng1", "Ng8"});
  EXPECT_EQ(fake.row(18).substr(fake.row(18).find_first_not_of(' ')),
            "The current position is identical to initial one");
  EXPECT_TRUE(fake.dialogs.empty());
  Mosse({"Nf3", "Nf6", "Ng1", "Ng8"});
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNO);
  EXPECT_EQ(Ripetizioni, 2);
  EXPECT_EQ(PosizioneRipetuta[0], 4u);
  EXPECT_EQ(PosizioneRipetuta[1], 0u);
  EXPECT_STREQ(Result, "*");  // the arbiter said no
  EXPECT_EQ(fake.row(18).substr(fake.row(18).find_first_not_of(' ')),
            "The current position is identical to initial one and to that after 2.Ng8");
  // Once more, and this time the arbiter agrees.
  fake.answer(IDYES);
  Mosse({"Nf3", "Nf6", "Ng1", "Ng8"});
  EXPECT_STREQ(Result, "1/2-1/2");
}

TEST_F(Mossa, TheFifthOccurrenceDrawsWithoutAsking) {
  for (int i = 0; i < 20; ++i) fake.answer(IDNO);  // every threefold question
  Mosse({"Nf3", "Nf6", "Ng1", "Ng8", "Nf3", "Nf6", "Ng1", "Ng8"});
  Mosse({"Nf3", "Nf6", "Ng1", "Ng8", "Nf3", "Nf6", "Ng1"});
  EXPECT_STREQ(Result, "*");
  fake.answers.clear();
  fake.dialogs.clear();
  Scenario::Mossa("Ng8");
  EXPECT_STREQ(Result, "1/2-1/2");
  EXPECT_STREQ(Termination, "fivefold repetition");
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Fivefold repetition, game adjudicated ( 1/2-1/2 ).");
  EXPECT_EQ(fake.dialogs[0].style, 64);
}

// After the verdict only a legal move asks to reset it; a reset verdict leaves row 21.
TEST_F(Mossa, AMoveInAnAdjudicatedGameAsksFirstAndAMistypedOneLeavesTheVerdict) {
  Mosse({"f3", "e5", "g4", "Qh4"});
  ASSERT_STREQ(Result, "0-1");
  fake.dialogs.clear();
  Scenario::Mossa("a3");  // mate: nothing is legal
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "'a3' - is not a legal move.");
  fake.answer(IDNO);
  Scenario::Mossa("Kf2");
  EXPECT_EQ(fake.dialogs.size(), 2u);
  EXPECT_STREQ(Result, "0-1");
  EXPECT_EQ(ContatoreMosse, 4u);
  // Reset on Yes, even when the move itself is then given up at the promotion question.
  Posizione("8/4P3/8/8/8/8/k7/4K3 w - - 0 1");
  fake.answer(IDYES);
  Premi(VK_F4);  // black resigns
  ASSERT_NE(fake.row(21).find("adjudicated"), std::string::npos);
  fake.answer(IDYES);
  fake.answer(IDNO);
  Scenario::Mossa("e8");
  EXPECT_STREQ(Result, "*");
  EXPECT_EQ(fake.row(21).find("adjudicated"), std::string::npos) << fake.row(21);
}

TEST_F(Mossa, TheRecordIsFullAtPly511) {
  ASSERT_TRUE(GiocaCavalliAvantiEIndietro(511));
  Scenario::Mossa("Ng8");
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text,
            "The game has reached the limit of 511 plies: the move was not recorded.");
  EXPECT_EQ(ContatoreMosse, 511u);
}

}  // namespace
