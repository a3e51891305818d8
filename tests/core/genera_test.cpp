#include "core/genera.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

using V = std::vector<std::string>;

// The generator's own output, before any filtering.
V Generate() {
  std::uint64_t buf[256];
  std::uint64_t* fine =
      ContatoreMosse & 1 ? genera_TutteLeMosse_del_nero(buf) : genera_TutteLeMosse_del_bianco(buf);
  V v;
  for (std::uint64_t* m = buf; m < fine; ++m) {
    char t[6];
    ScriviMossaUci(*m, t);
    v.emplace_back(t);
  }
  return v;
}

TEST(Generatore, StartPositionOrder) {
  ASSERT_TRUE(Carica(FenIniziale));
  // Castling words come with the rights alone; the make operation refuses them here.
  EXPECT_EQ(Generate().size(), 22u);
  EXPECT_EQ(TestiLegali(),
            (V{"a2a3", "b2b3", "c2c3", "d2d3", "e2e3", "f2f3", "g2g3", "h2h3", "a2a4", "b2b4",
               "c2c4", "d2d4", "e2e4", "f2f4", "g2g4", "h2h4", "b1a3", "b1c3", "g1f3", "g1h3"}));
  ASSERT_TRUE(Carica("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"));
  const V nero = TestiLegali();
  ASSERT_EQ(nero.size(), 20u);
  EXPECT_EQ(nero.front(), "a7a6");
  EXPECT_EQ(nero[8], "a7a5");
  EXPECT_EQ(nero.back(), "g8h6");
}

TEST(Generatore, PromotionsQueenFirstWithTheirKinds) {
  ASSERT_TRUE(Carica("3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1"));
  std::uint64_t buf[256];
  genera_TutteLeMosse_del_bianco(buf);
  // e8 holds the king, so only the capture on d8 promotes.
  EXPECT_EQ(SpecieMossa(buf[0]), 56u + Torre);
  EXPECT_EQ(SpecieMossa(buf[1]), 51u + Torre);
  EXPECT_EQ(SpecieMossa(buf[2]), 46u + Torre);
  EXPECT_EQ(SpecieMossa(buf[3]), 41u + Torre);
  ASSERT_TRUE(Carica("k7/4P3/8/8/8/8/8/4K3 w - - 0 1"));
  genera_TutteLeMosse_del_bianco(buf);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(DaCasa(buf[i]), Casa("e7"));
    EXPECT_EQ(ACasa(buf[i]), Casa("e8"));
  }
  EXPECT_EQ(SpecieMossa(buf[0]), 56u);
  EXPECT_EQ(SpecieMossa(buf[1]), 51u);
  EXPECT_EQ(SpecieMossa(buf[2]), 46u);
  EXPECT_EQ(SpecieMossa(buf[3]), 41u);
}

TEST(Generatore, EvasionsOfARookCheck) {
  // White king e1 in check from the rook on e8; the knight on c3 has captures elsewhere.
  ASSERT_TRUE(Carica("4r2k/8/3p4/8/8/2N5/8/4K3 w - - 0 1"));
  const V g = Generate();
  for (const auto& m : g) {
    const bool re = m.substr(0, 2) == "e1";
    const bool blocco = m[2] == 'e' && m[3] >= '2' && m[3] <= '7';
    EXPECT_TRUE(re || blocco || m.substr(2) == "e8") << m;
  }
  EXPECT_NE(std::find(g.begin(), g.end(), "c3e2"), g.end());
  EXPECT_NE(std::find(g.begin(), g.end(), "c3e4"), g.end());
  EXPECT_EQ(std::find(g.begin(), g.end(), "c3d5"), g.end());
}

TEST(Generatore, DoubleCheckGivesKingMovesOnly) {
  ASSERT_TRUE(Carica("4r2k/8/8/8/8/3n4/8/4K3 w - - 0 1"));
  EXPECT_EQ(Generate(), (V{"e1d2", "e1e2", "e1f2", "e1d1", "e1f1"}));
  // Each refused move is replaced by the last move of the list.
  EXPECT_EQ(TestiLegali(), (V{"e1d2", "e1f1", "e1d1"}));
}

TEST(Generatore, CastlingWordsNeedOnlyTheRight) {
  ASSERT_TRUE(Carica("r3k2r/8/8/8/8/8/8/RN2K1NR w KQkq - 0 1"));
  const V g = Generate();
  EXPECT_NE(std::find(g.begin(), g.end(), "e1g1"), g.end());
  EXPECT_NE(std::find(g.begin(), g.end(), "e1c1"), g.end());
  const V l = TestiLegali();
  EXPECT_EQ(std::find(l.begin(), l.end(), "e1g1"), l.end());
  EXPECT_EQ(std::find(l.begin(), l.end(), "e1c1"), l.end());
  // In check (only e1 attacked) castling is not even generated.
  ASSERT_TRUE(Carica("3kr3/8/8/8/8/8/8/R3K2R w KQ - 0 1"));
  const V c = Generate();
  EXPECT_EQ(std::find(c.begin(), c.end(), "e1g1"), c.end());
  EXPECT_EQ(std::find(c.begin(), c.end(), "e1c1"), c.end());
}

TEST(Generatore, EnPassantEvasionOfAPawnCheck) {
  // Black's d7-d5 gives check to the king on e4; exd6 removes the checker.
  ASSERT_TRUE(Carica("4k3/8/8/3pP3/4K3/8/8/8 w - d6 0 1"));
  const V l = TestiLegali();
  EXPECT_NE(std::find(l.begin(), l.end(), "e5d6"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "e4d5"), l.end());
}

}  // namespace
