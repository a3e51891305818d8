#include "core/notazione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "tests/core/verifica.h"

namespace {

using V = std::vector<std::string>;

// The coordinate texts of the legal moves a typed text matches.
V Trovate(const char* testo) {
  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(testo, &d)) return {"not a record"};
  GeneraMosseLegali();
  std::uint64_t out[MaxMosseCompatibili];
  const int n = TrovaMosseCompatibili(out, &d);
  return Testi(out, out + std::min(n, MaxMosseCompatibili));
}

// The record's fields as digits: piece, promotion, from file, from rank, to file, to rank
// ('-' where not given).
std::string Campi(const char* testo) {
  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(testo, &d)) return "not a record";
  std::string s;
  for (int v : {d.pezzo, d.promozione, d.da_colonna, d.da_riga, d.a_colonna, d.a_riga})
    s += v == NonDato ? '-' : char('0' + v);
  return s;
}

TEST(LetturaMossa, FieldsOfTheRecord) {
  const char* casi[][2] = {
      {"exd5", "0-4-33"},  {"ed", "0-4-3-"},  {"e8=Q", "04--40"},
      {"e7e8n", "-14140"}, {"O-O", "5-4-6-"}, {"0-0-0", "5-4-2-"},
      {"ooo", "5-4-2-"},   {"be5", "2---43"}, {"bc4", "0-1-24"},  // the bishop; the pawn capture
  };
  for (const auto& c : casi) EXPECT_EQ(Campi(c[0]), c[1]) << c[0];
  for (const char* t :
       {"",      "e",  "Nd",   "e2e4e5", "Ng1f3x3", "e9", "ae", "Nbd", "O-O-O-O", "0-e",  "Pe4",
        "e2e4e", "zz", "Nf3Q", "Qe8Q",   "e2e",     "12", "K",  "e8K", "e8=K",    "exd8K"})
    EXPECT_EQ(Campi(t), "not a record") << t;
}

TEST(LetturaMossa, MovesATextMatches) {
  const char* due_cavalli = "4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1";
  const char* promozione = "r3k3/6P1/8/8/8/8/8/R3K2R w KQq - 0 1";
  struct {
    const char* fen;
    std::vector<const char*> testi;
    V attese;
  } casi[] = {
      {FenIniziale, {"e4", "E4", "e2e4", "e2-e4", "e2 e4", "E2E4", "e4+", "e4!"}, {"e2e4"}},
      {FenIniziale, {"Nf3", "nf3", "Ng1f3", "N1f3", "Ngf3", "g1f3"}, {"g1f3"}},
      {FenIniziale, {"b4"}, {"b2b4"}},
      // No pawn can take on c3 but the bishop on e1 can go there.
      {"4k3/8/8/8/8/8/1P6/4BK2 w - - 0 1", {"bxc3", "bc3"}, {"e1c3"}},
      {"4k3/8/8/8/8/8/1P6/4BK2 w - - 0 1", {"b3"}, {"b2b3"}},
      {due_cavalli, {"Nd2"}, {"f3d2", "b1d2"}},  // knight list order
      {due_cavalli, {"Nbd2"}, {"b1d2"}},
      {due_cavalli, {"Nfd2", "f3d2"}, {"f3d2"}},
      {due_cavalli, {"Nd5"}, {}},
      {promozione, {"g8"}, {"g7g8q"}},  // only the queen without a letter
      {promozione, {"g8N"}, {"g7g8n"}},
      {promozione, {"g8=B+", "g7g8b", "g7g8B"}, {"g7g8b"}},  // after two squares "b" is the bishop
      {promozione, {"g7g8r"}, {"g7g8r"}},
      {promozione, {"O-O"}, {"e1g1"}},
      {promozione, {"0-0-0"}, {"e1c1"}},
      {"r3k3/6P1/8/8/8/8/8/R3K2R b KQq - 0 1", {"ooo"}, {"e8c8"}},
      {"r3k3/6P1/8/8/8/8/8/R3K2R b KQq - 0 1", {"O-O"}, {}},  // black has no king-side right
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen));
    for (const char* t : c.testi) EXPECT_EQ(Trovate(t), c.attese) << c.fen << " " << t;
  }
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

TEST(Notazione, StandardAlgebraicTexts) {
  const char* casi[][2] = {
      // position; moves as coordinates=text
      {FenIniziale, "e2e4=e4 g1f3=Nf3"},
      {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1d2=Nbd2 f3d4=Nd4"},
      {"4k3/R7/8/8/8/8/8/R3K3 w - - 0 1", "a1a4=R1a4 a7a4=R7a4 a1b1=Rb1"},
      {"7k/8/8/8/2Q1Q3/8/2Q5/4K3 w - - 0 1", "c4d3=Qc4d3 e4d3=Qed3 c2d3=Q2d3"},
      {"r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1",
       "e5d6=exd6 b7b8q=b8=Q b7a8n=bxa8=N a1a8=Rxa8 e1g1=O-O e1c1=O-O-O e1d1=Kd1"},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c[0]));
    std::istringstream coppie(c[1]);
    for (std::string coppia; coppie >> coppia;) {
      const auto uguale = coppia.find('=');
      const std::uint64_t m = Parola(coppia.substr(0, uguale).c_str());
      ASSERT_NE(m, 0u) << coppia;
      char out[8];
      ScriviNotazioneAlgebrica(m, out);
      EXPECT_EQ(out, coppia.substr(uguale + 1)) << coppia;
    }
  }
}

}  // namespace
