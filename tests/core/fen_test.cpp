#include "core/fen.h"

#include <gtest/gtest.h>

#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/tavole.h"
#include "tests/core/verifica.h"

namespace {

constexpr std::uint64_t Diritti = 0x780;

TEST(Fen, RejectedTexts) {
  // Placement (one field, 63 or 65 squares, digits across a rank or past the board, touching
  // kings, pawns on the edge ranks, more men than promotions allow), then each later field,
  // then the side not to move in check, three checkers, a missing or third king.
  const char* rifiutati[] = {"",
                             "  [ ]",
                             "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
                             "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1",
                             "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNRR w - - 0 1",
                             "4k3/8/8/55/8/8/8/4K3 w - - 0 1",
                             "////////888888875K w",
                             "4k3/8/8/8/8/8/8/4K3/ w - - 0 1",
                             "8/8/8/4k3/4K3/8/8/8 w - - 0 1",
                             "4k3/8/8/8/8/8/8/P3K3 w - - 0 1",
                             "P3k3/8/8/8/8/8/8/4K3 w - - 0 1",
                             "4k3/8/8/8/8/8/NNNNNNNN/NNNK4 w - - 0 1",
                             "4k3/8/8/8/8/P7/1PPPPPPP/QQK5 w - - 0 1",
                             "4k3/8/8/8/8/8/8/4K2z w - - 0 1",
                             "4k3/8/8/8/8/8/8/4K3 x - - 0 1",
                             "4k3/8/8/8/8/8/8/4K3 wb - - 0 1",
                             "4k3/8/8/8/8/8/8/4K3 w KQkqK - 0 1",
                             "4k3/8/8/8/8/8/8/4K3 w X - 0 1",
                             "4k3/8/8/8/8/8/8/4K3 w - e3 0 1",
                             "4k3/8/8/8/8/8/8/4K3 b - i3 0 1",
                             "4k3/8/8/8/8/8/8/4K3 w - e6 100 1",
                             "4k3/8/8/8/8/8/8/4K3 w - - 1a 1",
                             "4k3/4R3/8/8/8/8/8/4K3 w - - 0 1",
                             "4r2k/8/8/8/1b6/3n4/8/4K3 w - - 0 1",
                             "8/8/8/8/8/8/8/4K3 w - - 0 1",
                             "1k6/8/8/8/8/8/8/1K3k2 w - - 0 1"};
  for (const char* fen : rifiutati) EXPECT_FALSE(Carica(fen)) << fen;
}

TEST(Fen, AcceptedTextsAndTheRightsTheyGrant) {
  struct {
    const char* fen;
    std::uint64_t diritti;
    bool enpassant;
    std::uint64_t semimosse;
  } casi[] = {
      {"[ rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR   w KQkq - 0 1 ]", Diritti, false, 0},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPPRNBQKBNR w KQkq - 0 1", Diritti, false, 0},
      {"4k3/8/8/44/8/8/8/4K3 w - - 0 1", 0, false, 0},
      {"4k3/8/8/8/8/8/8/4K3 w - - 99 1", 0, false, 99},
      {"4k3/8/8/8/8/8/8/4K3 w - -", 0, false, 0},
      // Two fields: the rights follow the men.
      {"4k3/8/8/8/8/8/8/4K2R w", ArroccoCortoBianco, false, 0},
      {"r3k2r/8/8/8/8/8/8/R3K2R b", Diritti, false, 0},
      {"r3k3/8/8/8/8/8/8/R4K1R w KQkq - 0 1", ArroccoLungoNero, false, 0},
      {"4k3/8/8/8/8/8/8/4K2R w KK - 0 1", ArroccoCortoBianco, false, 0},  // key not cancelled
      // The en passant square counts only with a pawn that double-stepped and one to take it.
      {"4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1", 0, false, 0},
      {"4k3/8/8/8/3p4/8/8/4K3 b - e3 0 1", 0, false, 0},
      {"4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", 0, true, 0},
      // Two checkers are kept: first the slider, then the knight.
      {"4r2k/8/8/8/8/3n4/8/4K3 w - - 0 1", 0, false, 0},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen)) << c.fen;
    EXPECT_EQ(InfoPosizione & Diritti, c.diritti) << c.fen;
    EXPECT_EQ(bool(InfoPosizione & PermessoEnpassant), c.enpassant) << c.fen;
    EXPECT_EQ(InfoPosizione & 0x7F, c.semimosse) << c.fen;
    EXPECT_EQ(Incoerenza(), "") << c.fen;  // keys, lists, material and checkers
  }
  EXPECT_EQ(PrimoScaccoDa(InfoPosizione), int(Casa("e8")));
  EXPECT_EQ(SecondoScaccoDa(InfoPosizione), int(Casa("d3")));
  ASSERT_TRUE(Carica("4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1"));
  EXPECT_EQ(ElencoMosse[ContatoreMosse], Mossa(Casa("e2"), Casa("e4"), SpecieSposta2Pedone));
  EXPECT_NE(Parola("d4e3"), 0u);
}

TEST(Fen, NewPositionFallsBackToTheStartPosition) {
  InizializzaTavoleScacchi();
  EXPECT_EQ(NuovaPosizione("not a position"), 0);
  EXPECT_EQ(InfoPosizione, NessunoScacco | Diritti);
  EXPECT_EQ(FineMosseGenerate - BufferMosseGenerate, 20);
  EXPECT_EQ(NuovaPosizione("4k3/8/8/8/8/8/8/4K2R w K - 0 1"), 1);
  EXPECT_EQ(FineMosseGenerate - BufferMosseGenerate, 15);
}

TEST(Fen, KeysAreFixedDistinctAndNonZero) {
  InizializzaTavoleScacchi();
  // The signed event log depends on these values staying the same in every build.
  EXPECT_EQ(hash_pedone_bianco_in[0], 0xA1ECB2EF27CBCD4Dull);
  EXPECT_EQ(HashArrocco[3], 0x8C1D4720C68C6CD8ull);
  std::vector<std::uint64_t> tutte(HashArrocco, HashArrocco + 4);
  for (int t = 0; t < 6; ++t)
    for (int c = 0; c < 2; ++c) tutte.insert(tutte.end(), HashPezzo[t][c], HashPezzo[t][c] + 64);
  tutte.insert(tutte.end(), HashPermessoEnpassantIn + 24, HashPermessoEnpassantIn + 40);
  std::sort(tutte.begin(), tutte.end());
  EXPECT_EQ(std::adjacent_find(tutte.begin(), tutte.end()), tutte.end());
  EXPECT_NE(tutte.front(), 0u);
}

}  // namespace
