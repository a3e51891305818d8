#include "core/notazione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

// The coordinate texts of the legal moves a typed text matches.
std::vector<std::string> Trovate(const char* testo) {
  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(testo, &d)) return {"not a record"};
  GeneraMosseLegali();
  std::uint64_t out[MaxMosseCompatibili];
  const int n = TrovaMosseCompatibili(out, &d);
  std::vector<std::string> v;
  for (int i = 0; i < n && i < MaxMosseCompatibili; ++i) {
    char t[6];
    ScriviMossaUci(out[i], t);
    v.emplace_back(t);
  }
  return v;
}

using V = std::vector<std::string>;

TEST(LetturaMossa, FormsOfTheSamePawnMove) {
  ASSERT_TRUE(Carica(FenIniziale));
  for (const char* t : {"e4", "E4", "e2e4", "e2-e4", "e2 e4", "E2E4", "e4+", "e4!"})
    EXPECT_EQ(Trovate(t), V{"e2e4"}) << t;
  for (const char* t : {"Nf3", "nf3", "Ng1f3", "N1f3", "Ngf3", "g1f3"})
    EXPECT_EQ(Trovate(t), V{"g1f3"}) << t;
  EXPECT_EQ(Trovate("b4"), V{"b2b4"});
}

TEST(LetturaMossa, FieldsOfTheRecord) {
  DettagliMossa d;
  ASSERT_EQ(LeggiDettagliMossaDaStringa("exd5", &d), 1);
  EXPECT_EQ(d.pezzo, Pedone);
  EXPECT_EQ(d.da_colonna, 4);
  EXPECT_EQ(d.a_colonna, 3);
  EXPECT_EQ(d.a_riga, 3);
  EXPECT_EQ(d.da_riga, NonDato);
  ASSERT_EQ(LeggiDettagliMossaDaStringa("ed", &d), 1);
  EXPECT_EQ(d.a_riga, NonDato);
  ASSERT_EQ(LeggiDettagliMossaDaStringa("e8=Q", &d), 1);
  EXPECT_EQ(d.promozione, Donna);
  ASSERT_EQ(LeggiDettagliMossaDaStringa("e7e8n", &d), 1);
  EXPECT_EQ(d.promozione, Cavallo);
  EXPECT_EQ(d.da_riga, 1);
  ASSERT_EQ(LeggiDettagliMossaDaStringa("O-O", &d), 1);
  EXPECT_EQ(d.pezzo, Re);
  EXPECT_EQ(d.a_colonna, 6);
  for (const char* t : {"0-0-0", "ooo", "O-O-O"}) {
    ASSERT_EQ(LeggiDettagliMossaDaStringa(t, &d), 1) << t;
    EXPECT_EQ(d.a_colonna, 2) << t;
  }
  // "be5" is the bishop, "bc4" the pawn capture.
  ASSERT_EQ(LeggiDettagliMossaDaStringa("be5", &d), 1);
  EXPECT_EQ(d.pezzo, Alfiere);
  EXPECT_EQ(d.da_colonna, NonDato);
  ASSERT_EQ(LeggiDettagliMossaDaStringa("bc4", &d), 1);
  EXPECT_EQ(d.pezzo, Pedone);
  EXPECT_EQ(d.da_colonna, 1);
}

TEST(LetturaMossa, TextsThatAreNotMoveRecords) {
  DettagliMossa d;
  for (const char* t : {"", "e", "Nd", "e2e4e5", "Ng1f3x3", "e9", "ae", "Nbd", "O-O-O-O", "0-e",
                        "Pe4", "e2e4e", "zz", "Nf3Q", "Qe8Q", "e2e", "12", "K", "e8K", "e8=K", "exd8K"})
    EXPECT_EQ(LeggiDettagliMossaDaStringa(t, &d), 0) << t;
}

TEST(LetturaMossa, BishopRetryAndAmbiguity) {
  // No pawn can take on c3 but the bishop on e1 can go there.
  ASSERT_TRUE(Carica("4k3/8/8/8/8/8/1P6/4BK2 w - - 0 1"));
  EXPECT_EQ(Trovate("bxc3"), V{"e1c3"});
  EXPECT_EQ(Trovate("bc3"), V{"e1c3"});
  EXPECT_EQ(Trovate("b3"), V{"b2b3"});
  // Knights on b1 and f3 both reach d2.
  ASSERT_TRUE(Carica("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1"));
  EXPECT_EQ(Trovate("Nd2"), (V{"f3d2", "b1d2"}));  // knight list order
  EXPECT_EQ(Trovate("Nbd2"), V{"b1d2"});
  EXPECT_EQ(Trovate("Nfd2"), V{"f3d2"});
  EXPECT_EQ(Trovate("Nd4"), V{"f3d4"});
  EXPECT_EQ(Trovate("Nd5"), V{});
}

TEST(LetturaMossa, PromotionsAndCastling) {
  ASSERT_TRUE(Carica("r3k3/6P1/8/8/8/8/8/R3K2R w KQq - 0 1"));
  EXPECT_EQ(Trovate("g8"), V{"g7g8q"});  // only the queen without a letter
  EXPECT_EQ(Trovate("g8N"), V{"g7g8n"});
  EXPECT_EQ(Trovate("g8=B+"), V{"g7g8b"});
  EXPECT_EQ(Trovate("g7g8r"), V{"g7g8r"});
  EXPECT_EQ(Trovate("g7g8b"), V{"g7g8b"});  // after two squares "b" is the bishop
  EXPECT_EQ(Trovate("g7g8B"), V{"g7g8b"});
  EXPECT_EQ(Trovate("O-O"), V{"e1g1"});
  EXPECT_EQ(Trovate("0-0-0"), V{"e1c1"});
  ASSERT_TRUE(Carica("r3k3/6P1/8/8/8/8/8/R3K2R b KQq - 0 1"));
  EXPECT_EQ(Trovate("ooo"), V{"e8c8"});
  EXPECT_EQ(Trovate("O-O"), V{});  // black has no king-side right
}

TEST(LetturaMossa, MoreMatchesThanTheCandidateListHolds) {
  // Eight queens reach d4: the count is exact and only the room given is written.
  ASSERT_TRUE(Carica("4k3/8/1Q1Q1Q2/8/1Q3Q2/8/1Q1Q1Q2/4K3 w - - 0 1"));
  DettagliMossa d;
  ASSERT_EQ(LeggiDettagliMossaDaStringa("Qd4", &d), 1);
  GeneraMosseLegali();
  std::uint64_t out[3] = {0, 0, 0};
  EXPECT_EQ(TrovaMosseCompatibili(out, &d, 2), 8);
  EXPECT_NE(out[1], 0u);
  EXPECT_EQ(out[2], 0u);
}

std::string San(const char* uci) {
  GeneraMosseLegali();
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
    char t[6];
    ScriviMossaUci(*m, t);
    if (std::string(t) == uci) {
      char out[8];
      ScriviNotazioneAlgebrica(*m, out);
      return out;
    }
  }
  return "not legal";
}

TEST(Notazione, StandardAlgebraicTexts) {
  ASSERT_TRUE(Carica(FenIniziale));
  EXPECT_EQ(San("e2e4"), "e4");
  EXPECT_EQ(San("g1f3"), "Nf3");
  // File, rank and double disambiguation.
  ASSERT_TRUE(Carica("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1"));
  EXPECT_EQ(San("b1d2"), "Nbd2");
  EXPECT_EQ(San("f3d4"), "Nd4");
  ASSERT_TRUE(Carica("4k3/R7/8/8/8/8/8/R3K3 w - - 0 1"));
  EXPECT_EQ(San("a1a4"), "R1a4");
  EXPECT_EQ(San("a7a4"), "R7a4");
  EXPECT_EQ(San("a1b1"), "Rb1");
  ASSERT_TRUE(Carica("7k/8/8/8/2Q1Q3/8/2Q5/4K3 w - - 0 1"));
  EXPECT_EQ(San("c4d3"), "Qc4d3");
  EXPECT_EQ(San("e4d3"), "Qed3");
  EXPECT_EQ(San("c2d3"), "Q2d3");
  // Captures, en passant, promotions, castling.
  ASSERT_TRUE(Carica("r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1"));
  EXPECT_EQ(San("e5d6"), "exd6");
  EXPECT_EQ(San("b7b8q"), "b8=Q");
  EXPECT_EQ(San("b7a8n"), "bxa8=N");
  EXPECT_EQ(San("a1a8"), "Rxa8");
  EXPECT_EQ(San("e1g1"), "O-O");
  EXPECT_EQ(San("e1c1"), "O-O-O");
  EXPECT_EQ(San("e1d1"), "Kd1");
}

}  // namespace
