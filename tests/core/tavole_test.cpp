#include "core/tavole.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>

#include "core/fen.h"
#include "tests/core/verifica.h"

namespace {

// The squares named one after another ("a2a3").
std::uint64_t Insieme(const std::string& nomi) {
  std::uint64_t b = 0;
  for (std::size_t i = 0; i < nomi.size(); i += 2) b |= std::uint64_t{1} << Casa(&nomi[i]);
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
  const char* casi[][2] = {
      {"a8h1", "b7c6d5e4f3g2"}, {"h1a8", "b7c6d5e4f3g2"}, {"a8b6", ""}, {"e1e2", ""},
      {"a1a4", "a2a3"},         {"h8a1", "g7f6e5d4c3b2"}};
  for (const auto& c : casi)
    EXPECT_EQ(btm_InMezzo[Casa(c[0]) * 64 + Casa(c[0] + 2)], Insieme(c[1])) << c[0];
  EXPECT_EQ(Distanza[Casa("a1") * 64 + Casa("h8")], 7);
  EXPECT_EQ(Distanza[Casa("e4") * 64 + Casa("f6")], 2);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDa[Casa("d4")]), 27);
  EXPECT_EQ(std::popcount(BitmapTraiettorieDritteDa[Casa("a1")]), 14);
  EXPECT_EQ(BitmapTraiettorieDiagonaliDa[Casa("a8")], Insieme("b7c6d5e4f3g2h1"));
}

}  // namespace
