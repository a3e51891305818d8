#include "core/fai_mossa.h"

#include <gtest/gtest.h>

#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

// After each move the rights, keys and checker fields agree with a recomputation
// (Incoerenza), and unmake restores the whole state.
TEST(FaiMossa, CastlingRightsAndCheckersAfterTheMove) {
  const char* arrocchi = "r3k2r/8/8/8/8/8/6N1/R3K2R w KQkq - 0 1";
  struct {
    const char *fen, *mossa;
    std::uint64_t diritti;
    int primo, secondo;  // checker squares, 64 for none
  } casi[] = {
      {arrocchi, "h1h8", ArroccoLungoBianco | ArroccoLungoNero, 7, 64},  // both h-side rights go
      {arrocchi, "a1a2", ArroccoCortoBianco | ArroccoCortoNero | ArroccoLungoNero, 64, 64},
      {arrocchi, "e1f1", ArroccoCortoNero | ArroccoLungoNero, 64, 64},
      {arrocchi, "e1g1", ArroccoCortoNero | ArroccoLungoNero, 64, 64},
      {"r3k2r/8/6N1/8/8/8/8/4K3 w kq - 0 1", "g6h8", ArroccoLungoNero, 64, 64},
      {"1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1c1", 0, 64, 64},  // b1 attacked does not matter
      {"7k/8/8/8/8/8/1N6/B3K3 w - - 0 1", "b2d3", 0, 64, int(Casa("a1"))},  // discovered
      {"7k/8/8/4N3/8/8/8/B3K3 w - - 0 1", "e5f7", 0, int(Casa("f7")), int(Casa("a1"))},
      {"4k3/8/8/8/8/8/R7/4K3 w - - 0 1", "a2e2", 0, int(Casa("e2")), 64},  // direct only
      {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", 0, 64, int(Casa("f1"))},  // the rook on f1
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen));
    const Istantanea prima = Fotografa();
    const std::uint64_t m = Parola(c.mossa, false);
    ASSERT_EQ(TavolaFaiMossa()[SpecieMossa(m)](m), 1) << c.fen << " " << c.mossa;
    EXPECT_EQ(InfoPosizione & 0x780, c.diritti) << c.mossa;
    EXPECT_EQ(PrimoScaccoDa(InfoPosizione), c.primo) << c.mossa;
    EXPECT_EQ(SecondoScaccoDa(InfoPosizione), c.secondo) << c.mossa;
    EXPECT_EQ(Incoerenza(), "") << c.mossa;
    TavolaRitiraMossa()[SpecieMossa(m)](m);
    EXPECT_TRUE(Fotografa() == prima) << c.mossa;
  }
}

}  // namespace
