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

// The multiplication database against a walk of the lines, on random occupancies; the index
// widths fill the shared database exactly.
TEST_F(Tavole, MagicLookupsEqualWalkedAttacks) {
  std::size_t totale = 0;
  std::mt19937_64 rng(12345);
  for (int s = 0; s < 64; ++s) {
    totale += (std::size_t{1} << (64 - ShiftIndiceMobilita_torre_in[s])) +
              (std::size_t{1} << (64 - ShiftIndiceMobilita_alfiere_in[s]));
    for (int i = 0; i < 200; ++i) {
      const std::uint64_t occ = rng() & rng();
      ASSERT_EQ(AttacchiTorre(s, occ), AttacchiLenti(s, false, occ)) << s;
      ASSERT_EQ(AttacchiAlfiere(s, occ), AttacchiLenti(s, true, occ)) << s;
    }
  }
  EXPECT_EQ(totale, std::size_t(DimensioneDbMobilita));
}

TEST_F(Tavole, LinesAndSquaresBetween) {
  const std::uint64_t diagonale = Insieme({"b7", "c6", "d5", "e4", "f3", "g2"});
  struct {
    const char *a, *b;
    std::uint64_t in_mezzo;
  } casi[] = {{"a8", "h1", diagonale}, {"h1", "a8", diagonale}, {"a8", "b6", 0}, {"e1", "e2", 0},
              {"a1", "a4", Insieme({"a2", "a3"})},
              {"h8", "a1", Insieme({"g7", "f6", "e5", "d4", "c3", "b2"})}};
  for (const auto& c : casi)
    EXPECT_EQ(btm_InMezzo[Casa(c.a) * 64 + Casa(c.b)], c.in_mezzo) << c.a << c.b;
  EXPECT_EQ(Distanza[Casa("a1") * 64 + Casa("h8")], 7);
  EXPECT_EQ(Distanza[Casa("e4") * 64 + Casa("f6")], 2);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDa[Casa("d4")]), 27);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDritteDa[Casa("a1")]), 14);
  EXPECT_EQ(BitmapTraiettorieDiagonaliDa[Casa("a8")], diagonale | Insieme({"h1"}));
}

// Every square of a few positions agrees with a walk of the board.
TEST_F(Tavole, AttackTestsByColour) {
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
