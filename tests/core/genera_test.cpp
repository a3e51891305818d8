#include "core/genera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
  return Testi(buf, ContatoreMosse & 1 ? genera_TutteLeMosse_del_nero(buf)
                                       : genera_TutteLeMosse_del_bianco(buf));
}

bool Ha(const V& v, const std::string& m) { return std::find(v.begin(), v.end(), m) != v.end(); }

TEST(Generatore, ListOrder) {
  ASSERT_TRUE(Carica(FenIniziale));
  EXPECT_EQ(Generate().size(), 22u);  // castling words come with the rights alone
  EXPECT_EQ(TestiLegali(),
            (V{"a2a3", "b2b3", "c2c3", "d2d3", "e2e3", "f2f3", "g2g3", "h2h3", "a2a4", "b2b4",
               "c2c4", "d2d4", "e2e4", "f2f4", "g2g4", "h2h4", "b1a3", "b1c3", "g1f3", "g1h3"}));
  ASSERT_TRUE(Carica("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"));
  const V nero = TestiLegali();
  ASSERT_EQ(nero.size(), 20u);
  EXPECT_EQ(nero[0] + nero[8] + nero[19], "a7a6a7a5g8h6");
  // Double check: king moves only; each refused move is replaced by the last of the list.
  ASSERT_TRUE(Carica("4r2k/8/8/8/8/3n4/8/4K3 w - - 0 1"));
  EXPECT_EQ(Generate(), (V{"e1d2", "e1e2", "e1f2", "e1d1", "e1f1"}));
  EXPECT_EQ(TestiLegali(), (V{"e1d2", "e1f1", "e1d1"}));
}

TEST(Generatore, PromotionsQueenFirstWithTheirKinds) {
  struct {
    const char* fen;
    std::uint64_t preso;  // e8 holds the king in the first: only the capture on d8 promotes
  } casi[] = {{"3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1", Torre}, {"k7/4P3/8/8/8/8/8/4K3 w - - 0 1", 0}};
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen));
    std::uint64_t buf[256];
    genera_TutteLeMosse_del_bianco(buf);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(SpecieMossa(buf[i]), 56u - 5 * i + c.preso) << c.fen << i;
      EXPECT_EQ(DaCasa(buf[i]), Casa("e7"));
    }
  }
}

TEST(Generatore, WhatIsAndIsNotGenerated) {
  struct {
    const char* fen;
    bool legali;
    V si, no;
  } casi[] = {
      // In check from e8: captures of the knight elsewhere are not generated.
      {"4r2k/8/3p4/8/8/2N5/8/4K3 w - - 0 1", false, {"c3e2", "c3e4"}, {"c3d5"}},
      // Castling words need only the right; the make operation refuses them.
      {"r3k2r/8/8/8/8/8/8/RN2K1NR w KQkq - 0 1", false, {"e1g1", "e1c1"}, {}},
      {"r3k2r/8/8/8/8/8/8/RN2K1NR w KQkq - 0 1", true, {}, {"e1g1", "e1c1"}},
      {"3kr3/8/8/8/8/8/8/R3K2R w KQ - 0 1", false, {}, {"e1g1", "e1c1"}},  // not in check
      // Black's d7-d5 gives check: exd6 removes the checker.
      {"4k3/8/8/3pP3/4K3/8/8/8 w - d6 0 1", true, {"e5d6", "e4d5"}, {}},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen));
    const V v = c.legali ? TestiLegali() : Generate();
    for (const auto& m : c.si) EXPECT_TRUE(Ha(v, m)) << c.fen << " " << m;
    for (const auto& m : c.no) EXPECT_FALSE(Ha(v, m)) << c.fen << " " << m;
  }
  ASSERT_TRUE(Carica(casi[0].fen));
  for (const auto& m : Generate())  // king moves, blocks on the e-file, or taking the rook
    EXPECT_TRUE(m.substr(0, 2) == "e1" || (m[2] == 'e' && m[3] >= '2' && m[3] <= '8')) << m;
}

}  // namespace
