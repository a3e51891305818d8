#include "core/fai_mossa.h"

#include <gtest/gtest.h>

#include "core/fine_partita.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

// Finds a generated move by its coordinate text and makes it; -1 if not generated.
int Fai(const char* uci) {
  GeneraMossePseudolegali();
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
    char t[6];
    ScriviMossaUci(*m, t);
    if (std::string(t) == uci) return TavolaFaiMossa()[SpecieMossa(*m)](*m);
  }
  return -1;
}

void Ritira() {
  const std::uint64_t m = ElencoMosse[ContatoreMosse];
  TavolaRitiraMossa()[SpecieMossa(m)](m);
}

TEST(FaiMossa, RefusedMovesChangeNothing) {
  struct {
    const char* fen;
    const char* mossa;
  } casi[] = {
      {"4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1", "e2c3"},   // pinned knight
      {"4k3/8/8/8/8/8/8/r3K3 w - - 0 1", "e1f1"},      // along the checking line
      {"8/8/8/8/k2pP2R/8/8/4K3 b - e3 0 1", "d4e3"},   // en passant opens a rank
      {"8/7k/8/8/3pP3/8/8/1B2K3 b - e3 0 1", "d4e3"},  // ... or the taken pawn's diagonal
      {"4k3/8/8/8/8/8/5r2/4K2R w K - 0 1", "e1g1"},    // f1 attacked
      {"4k3/8/8/8/8/8/8/R3K1NR w KQ - 0 1", "e1g1"},   // g1 occupied
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen)) << c.fen;
    GeneraMossePseudolegali();
    const Istantanea prima = Fotografa();
    EXPECT_EQ(Fai(c.mossa), 0) << c.fen << " " << c.mossa;
    EXPECT_TRUE(Fotografa() == prima) << c.fen;
  }
  // Only the squares the king crosses must be safe: b1 attacked does not stop O-O-O.
  ASSERT_TRUE(Carica("1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1"));
  EXPECT_EQ(Fai("e1c1"), 1);
  EXPECT_EQ(Incoerenza(), "");
}

TEST(FaiMossa, CastlingRightsFollowTheRooksAndKings) {
  ASSERT_TRUE(Carica("r3k2r/8/8/8/8/8/6N1/R3K2R w KQkq - 0 1"));
  const std::uint64_t info = InfoPosizione;
  // The rook from h1 takes the rook on h8: both king-side rights go.
  ASSERT_EQ(Fai("h1h8"), 1);
  EXPECT_EQ(InfoPosizione & 0x780, ArroccoLungoBianco | ArroccoLungoNero);
  EXPECT_EQ(Incoerenza(), "");
  Ritira();
  EXPECT_EQ(InfoPosizione, info);
  ASSERT_EQ(Fai("a1a2"), 1);
  EXPECT_EQ(InfoPosizione & 0x780, ArroccoCortoBianco | ArroccoCortoNero | ArroccoLungoNero);
  Ritira();
  ASSERT_EQ(Fai("e1f1"), 1);
  EXPECT_EQ(InfoPosizione & 0x780, ArroccoCortoNero | ArroccoLungoNero);
  EXPECT_EQ(Incoerenza(), "");
  Ritira();
  ASSERT_EQ(Fai("e1g1"), 1);
  EXPECT_EQ(PezzoIn[Casa("f1")] >> 4, 6u);
  EXPECT_EQ(casa_re_bianco, Casa("g1"));
  EXPECT_EQ(InfoPosizione & 0x780, ArroccoCortoNero | ArroccoLungoNero);
  EXPECT_EQ(Incoerenza(), "");
}

TEST(FaiMossa, KnightTakingTheRookOnH8DropsThatRight) {
  ASSERT_TRUE(Carica("r3k2r/8/6N1/8/8/8/8/4K3 w kq - 0 1"));
  ASSERT_EQ(Fai("g6h8"), 1);
  EXPECT_EQ(InfoPosizione & 0x780, ArroccoLungoNero);
  EXPECT_EQ(Incoerenza(), "");  // the key of the right went too
}

TEST(FaiMossa, CheckerFieldsAfterTheMove) {
  // The knight leaving b2 uncovers the bishop on a1.
  ASSERT_TRUE(Carica("7k/8/8/8/8/8/1N6/B3K3 w - - 0 1"));
  ASSERT_EQ(Fai("b2d3"), 1);
  EXPECT_EQ(PrimoScaccoDa(InfoPosizione), 64);
  EXPECT_EQ(SecondoScaccoDa(InfoPosizione), int(Casa("a1")));
  // Knight check from f7 and the bishop uncovered: double check.
  ASSERT_TRUE(Carica("7k/8/8/4N3/8/8/8/B3K3 w - - 0 1"));
  ASSERT_EQ(Fai("e5f7"), 1);
  EXPECT_EQ(PrimoScaccoDa(InfoPosizione), int(Casa("f7")));
  EXPECT_EQ(SecondoScaccoDa(InfoPosizione), int(Casa("a1")));
  // A rook moving onto the king's file checks directly; it is not also its own discoverer.
  ASSERT_TRUE(Carica("4k3/8/8/8/8/8/R7/4K3 w - - 0 1"));
  ASSERT_EQ(Fai("a2e2"), 1);
  EXPECT_EQ(PrimoScaccoDa(InfoPosizione), int(Casa("e2")));
  EXPECT_EQ(SecondoScaccoDa(InfoPosizione), 64);
  // Castling with the rook landing on the king's file.
  ASSERT_TRUE(Carica("5k2/8/8/8/8/8/8/4K2R w K - 0 1"));
  ASSERT_EQ(Fai("e1g1"), 1);
  EXPECT_EQ(SecondoScaccoDa(InfoPosizione), int(Casa("f1")));
  EXPECT_EQ(Incoerenza(), "");
}

TEST(FaiMossa, ReversiblePlyCountNeverReachesTheCastlingBits) {
  // Knights shuffle with all castling rights held, well past 127 reversible plies.
  ASSERT_TRUE(Carica("r3k1nr/8/8/8/8/8/8/R3K1NR w KQkq - 99 1"));
  const char* giro[] = {"g1f3", "g8f6", "f3g1", "f6g8"};
  for (int i = 0; i < 60; ++i) {
    ASSERT_EQ(Fai(giro[i % 4]), 1);
    EXPECT_EQ(InfoPosizione & 0x780, 0x780u) << i;
    EXPECT_EQ(SemimosseReversibili(), 100 + i) << i;
  }
  EXPECT_EQ(InfoPosizione & 0x7F, 127u);
  EXPECT_EQ(Incoerenza(), "");
}

}  // namespace
