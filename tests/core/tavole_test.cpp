#include "core/tavole.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "core/fen.h"
#include "tests/core/verifica.h"

namespace {

std::uint64_t Insieme(std::initializer_list<const char*> case_) {
  std::uint64_t b = 0;
  for (const char* c : case_) b |= std::uint64_t{1} << Casa(c);
  return b;
}

struct Tavole : ::testing::Test {
  void SetUp() override { InizializzaTavoleScacchi(); }
};

TEST_F(Tavole, StepTablesStopAtTheEdge) {
  EXPECT_EQ(ANordDi[Casa("a8")], 64u);
  EXPECT_EQ(AOvestDi[Casa("a1")], 64u);
  EXPECT_EQ(ANordDi[Casa("e2")], Casa("e3"));
  EXPECT_EQ(ASudestDi[Casa("g2")], Casa("h1"));
  EXPECT_EQ(ASudestDi[Casa("h2")], 64u);
  EXPECT_EQ(ANordovestDi[Casa("b1")], Casa("a2"));
}

TEST_F(Tavole, JumpAndPawnMasks) {
  EXPECT_EQ(MascheraMobilita_cavallo_in[Casa("a1")], Insieme({"b3", "c2"}));
  EXPECT_EQ(std::popcount(MascheraMobilita_cavallo_in[Casa("d4")]), 8);
  EXPECT_EQ(MascheraMobilita_re_in[Casa("h8")], Insieme({"g8", "g7", "h7"}));
  EXPECT_EQ(MscBersagliPedone_bianco_da[Casa("a2")], Insieme({"b3"}));
  EXPECT_EQ(MscBersagliPedone_bianco_da[Casa("e4")], Insieme({"d5", "f5"}));
  EXPECT_EQ(MscBersagliPedone_bianco_da[Casa("e8")], 0u);
  EXPECT_EQ(MscBersagliPedone_nero_da[Casa("h7")], Insieme({"g6"}));
  EXPECT_EQ(MscBersagliPedone_nero_da[Casa("e1")], 0u);
}

TEST_F(Tavole, RelevantOccupancyMasksHaveTheIndexWidths) {
  EXPECT_EQ(std::popcount(MascheraMobilita_torre_in[Casa("a1")]), 12);
  EXPECT_EQ(std::popcount(MascheraMobilita_torre_in[Casa("d4")]), 10);
  EXPECT_EQ(std::popcount(MascheraMobilita_alfiere_in[Casa("a1")]), 6);
  EXPECT_EQ(std::popcount(MascheraMobilita_alfiere_in[Casa("e5")]), 9);
  EXPECT_EQ(std::popcount(MascheraMobilita_alfiere_in[Casa("c6")]), 7);
  EXPECT_EQ(std::popcount(MascheraMobilita_alfiere_in[Casa("b1")]), 5);
  std::size_t totale = 0;
  for (int s = 0; s < 64; ++s)
    totale += (std::size_t{1} << (64 - ShiftIndiceMobilita_torre_in[s])) +
              (std::size_t{1} << (64 - ShiftIndiceMobilita_alfiere_in[s]));
  EXPECT_EQ(totale, std::size_t(DimensioneDbMobilita));
}

TEST_F(Tavole, SlidingAttacksOnTheEdgeCases) {
  // The a-file and rank 1, a1 itself excluded.
  EXPECT_EQ(AttacchiTorre(Casa("a1"), 0),
            (0x0101010101010101ull | 0xFF00000000000000ull) & ~Insieme({"a1"}));
  EXPECT_EQ(AttacchiTorre(Casa("a1"), Insieme({"b1", "a2"})), Insieme({"b1", "a2"}));
  const auto d4 = AttacchiAlfiere(Casa("d4"), Insieme({"f6"}));
  EXPECT_TRUE(d4 & Insieme({"f6"}));
  EXPECT_FALSE(d4 & Insieme({"g7"}));
  EXPECT_TRUE(d4 & Insieme({"a1", "a7", "g1"}));
}

// The multiplication database against a walk of the lines, on random occupancies.
TEST_F(Tavole, MagicLookupsEqualWalkedAttacks) {
  std::mt19937_64 rng(12345);
  for (int s = 0; s < 64; ++s)
    for (int i = 0; i < 200; ++i) {
      const std::uint64_t occ = rng() & rng();
      ASSERT_EQ(AttacchiTorre(s, occ), AttacchiLenti(s, false, occ)) << s;
      ASSERT_EQ(AttacchiAlfiere(s, occ), AttacchiLenti(s, true, occ)) << s;
    }
}

TEST_F(Tavole, LinesAndSquaresBetween) {
  EXPECT_EQ(btm_InMezzo[Casa("a8") * 64 + Casa("h1")],
            Insieme({"b7", "c6", "d5", "e4", "f3", "g2"}));
  EXPECT_EQ(btm_InMezzo[Casa("h1") * 64 + Casa("a8")],
            Insieme({"b7", "c6", "d5", "e4", "f3", "g2"}));
  EXPECT_EQ(btm_InMezzo[Casa("a8") * 64 + Casa("b6")], 0u);
  EXPECT_EQ(btm_InMezzo[Casa("e1") * 64 + Casa("e2")], 0u);
  EXPECT_EQ(btm_InMezzo[Casa("a1") * 64 + Casa("a4")], Insieme({"a2", "a3"}));
  EXPECT_EQ(btm_InMezzo[Casa("h8") * 64 + Casa("a1")],
            Insieme({"g7", "f6", "e5", "d4", "c3", "b2"}));
  EXPECT_EQ(Distanza[Casa("a1") * 64 + Casa("h8")], 7);
  EXPECT_EQ(Distanza[Casa("e4") * 64 + Casa("f6")], 2);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDa[Casa("d4")]), 27);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDritteDa[Casa("a1")]), 14);
  EXPECT_EQ(BitmapTraiettorieDiagonaliDa[Casa("a8")],
            Insieme({"b7", "c6", "d5", "e4", "f3", "g2", "h1"}));
}

TEST_F(Tavole, BitScanFindsTheLowestSquare) {
  for (int i = 0; i < 64; ++i) {
    EXPECT_EQ(PrimaCasa(std::uint64_t{1} << i), std::uint64_t(i));
    EXPECT_EQ(PrimaCasa(~std::uint64_t{0} << i), std::uint64_t(i));
  }
}

TEST_F(Tavole, AttackTestsByColour) {
  ASSERT_TRUE(Carica("4k3/8/8/3p4/8/8/8/4K3 w - - 0 1"));
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("e4")), 1);
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("d4")), 0);
  ASSERT_TRUE(Carica("4k3/8/8/8/8/3p4/8/4K3 w - - 0 1"));
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("e4")), 0);
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("e2")), 1);
  ASSERT_TRUE(Carica("4k3/8/8/8/8/8/1N5K/r2B4 b - - 0 1"));
  EXPECT_EQ(attaccano_pezzi_del_bianco(Casa("g3")), 1);  // king
  EXPECT_EQ(attaccano_pezzi_del_bianco(Casa("a4")), 1);  // knight
  EXPECT_EQ(attaccano_pezzi_del_bianco(Casa("a3")), 0);
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("d1")), 1);  // rook along the rank, up to the bishop
  EXPECT_EQ(attaccano_pezzi_del_nero(Casa("e1")), 0);  // behind it
  // Every square of a few positions agrees with a walk of the board.
  for (const char* fen :
       {FenIniziale, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"}) {
    ASSERT_TRUE(Carica(fen));
    for (std::uint64_t s = 0; s < 64; ++s) {
      EXPECT_EQ(attaccano_pezzi_del_bianco(s), AttaccantiLenti(s, Bianco) != 0) << s;
      EXPECT_EQ(attaccano_pezzi_del_nero(s), AttaccantiLenti(s, Nero) != 0) << s;
    }
  }
}

}  // namespace
