#include "core/fine_partita.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

// Plays legal moves given in coordinates, as move entry does: list, make, new list.
bool Gioca(const std::string& mosse) {
  std::istringstream in(mosse);
  for (std::string uci; in >> uci;) {
    const std::uint64_t m = Parola(uci.c_str());
    if (!m || TavolaFaiMossa()[SpecieMossa(m)](m) != 1) return false;
  }
  GeneraMosseLegali();
  return true;
}

const char* const Giro = "g1f3 g8f6 f3g1 f6g8 ";

TEST(MaterialeSufficiente, TheCasesOfTheRule) {
  struct {
    const char* fen;
    int bianco, nero;
  } casi[] = {
      {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", 0, 0},      // bare kings
      {"4k3/8/8/8/8/8/8/1N2K3 w - - 0 1", 0, 0},    // knight against a bare king
      {"4k3/4q3/8/8/8/8/8/1N2K3 w - - 0 1", 0, 1},  // knight against a queen
      {"4k3/4p3/8/8/8/8/8/1N2K3 w - - 0 1", 1, 1},  // knight against a pawn
      {"4k3/8/8/8/8/8/8/NN2K3 w - - 0 1", 1, 0},    // two knights
      {"4kb2/8/8/8/8/8/8/2B1K3 w - - 0 1", 0, 0},   // bishops on dark squares only
      {"4k3/5b2/8/8/8/8/8/2B1K3 w - - 0 1", 1, 1},  // bishops on both colours
      {"4k3/8/8/8/8/8/8/2BBK3 w - - 0 1", 1, 0},    // a pair of bishops
      {"4k3/8/8/8/8/8/8/B1B1K3 w - - 0 1", 0, 0},   // two bishops on the same colour
      {"4k3/8/3n4/8/8/8/8/2B1K3 w - - 0 1", 1, 1},  // bishop against a knight
      {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", 1, 0},    {"4k3/8/8/8/8/8/P7/4K3 w - - 0 1", 1, 0},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen)) << c.fen;
    EXPECT_EQ(PuoVincereIl_bianco(), c.bianco) << c.fen;
    EXPECT_EQ(PuoVincereIl_nero(), c.nero) << c.fen;
  }
}

TEST(Ripetizione, EarlierPliesOfTheSamePosition) {
  struct {
    const char* fen;
    std::string mosse;
    int volte;
    std::uint64_t plies[2];
  } casi[] = {
      {FenIniziale, Giro, 1, {0}},
      {FenIniziale, std::string(Giro) + Giro, 2, {4, 0}},
      // Not across a pawn move, nor across lost castling rights.
      {FenIniziale, std::string(Giro) + "e2e3 e7e6 " + Giro, 1, {6}},
      {"4k3/8/8/8/8/8/8/4K2R w K - 0 1", "e1f1 e8d8 f1e1 d8e8 e1f1 e8d8 f1e1 d8e8", 1, {4}},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen));
    ASSERT_TRUE(Gioca(c.mosse)) << c.mosse;
    ASSERT_EQ(CercaRipetizioni(), c.volte) << c.mosse;
    for (int i = 0; i < c.volte; ++i) EXPECT_EQ(PosizioneRipetuta[i], c.plies[i]) << c.mosse;
  }
}

TEST(Ripetizione, BlackToMoveAtTheStartAndLongReversibleRuns) {
  ASSERT_TRUE(Carica("r3k1n1/8/8/8/8/8/8/4K1N1 b q - 99 60"));
  EXPECT_EQ(ContatoreMosse, 1u);  // the first ply of the game
  const char* giro[] = {"g8f6", "g1f3", "f6g8", "f3g1"};
  for (int i = 0; i < 51; ++i) ASSERT_TRUE(Gioca(giro[i % 4]));
  EXPECT_EQ(SemimosseReversibili(), 150);                      // past the 7-bit field
  EXPECT_EQ(InfoPosizione & 0x7FF, 0x7Fu | ArroccoLungoNero);  // saturated, rights kept
  EXPECT_EQ(Incoerenza(), "");
  EXPECT_EQ(CercaRipetizioni(), 2);
  EXPECT_EQ(PosizioneRipetuta[0], 48u);
  EXPECT_EQ(PosizioneRipetuta[1], 44u);
}

}  // namespace
