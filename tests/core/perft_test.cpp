#include "core/perft.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "tests/core/verifica.h"

namespace {

// Every position of the suite, at the deepest depth that stays under a node budget small
// enough for the sanitizer build.
TEST(Perft, SuiteOfKnownPositions) {
  std::ifstream in(std::string(VANTOREL_SOURCE_DIR) + "/tests/fixtures/perft_suite.epd");
  int posizioni = 0;
  for (std::string riga; std::getline(in, riga);) {
    std::istringstream campi(riga);
    std::string fen, d;
    std::getline(campi, fen, ';');
    std::uint64_t n, ultimo = 0;
    int profondita = 0;
    while (campi >> d >> n && n <= 40000) ultimo = n, ++profondita;
    if (fen.empty()) continue;
    ++posizioni;
    ASSERT_GT(profondita, 0) << fen;
    ASSERT_TRUE(Carica(fen.c_str())) << fen;
    EXPECT_EQ(Perft(profondita), ultimo) << fen << " depth " << profondita;
  }
  EXPECT_GE(posizioni, 50);
}

// The legal list built by playing every generated move and taking it back.
std::vector<std::uint64_t> FiltroGiocando() {
  GeneraMossePseudolegali();
  std::vector<std::uint64_t> v(BufferMosseGenerate, FineMosseGenerate);
  for (std::size_t i = 0; i < v.size();) {
    if (TavolaFaiMossa()[SpecieMossa(v[i])](v[i])) {
      TavolaRitiraMossa()[SpecieMossa(v[i])](v[i]);
      ++i;
    } else {
      v[i] = v.back();
      v.pop_back();
    }
  }
  return v;
}

// Walks the pseudo-legal tree. At every node the legal list, in order, and the square lists
// it leaves behind (slots included) are those of playing and taking back every generated
// move; after every make the incremental state equals a recomputation; a refused make
// changes nothing; unmake restores everything.
std::string Cammina(int profondita, std::uint64_t& foglie) {
  const auto grezze = ListeGrezze();
  const auto attesa = FiltroGiocando();
  const auto dopo_giocando = ListeGrezze();
  RipristinaListe(grezze);
  if (MosseLegali() != attesa) return "legal list differs";
  if (ListeGrezze() != dopo_giocando) return "square lists differ";
  GeneraMossePseudolegali();
  for (std::uint64_t m : std::vector<std::uint64_t>(BufferMosseGenerate, FineMosseGenerate)) {
    const Istantanea prima = Fotografa();
    char t[6];
    ScriviMossaUci(m, t);
    if (!TavolaFaiMossa()[SpecieMossa(m)](m)) {
      if (!(Fotografa() == prima)) return std::string("refused ") + t + " changed the position";
      continue;
    }
    if (auto e = Incoerenza(); !e.empty()) return std::string("after ") + t + ": " + e;
    if (profondita > 1) {
      if (auto e = Cammina(profondita - 1, foglie); !e.empty()) return std::string(t) + " " + e;
    } else {
      ++foglie;
    }
    TavolaRitiraMossa()[SpecieMossa(m)](m);
    if (!(Fotografa() == prima)) return std::string("unmake of ") + t + " did not restore";
  }
  return "";
}

TEST(Perft, IncrementalStateMatchesRecomputationAtEveryNode) {
  struct {
    const char* fen;
    int profondita;
    std::uint64_t foglie;
  } casi[] = {
      {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 2, 2039},
      {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 3, 2812},
      {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 2, 264},
      {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 2, 1486},
      {"n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1", 2, 496},
      {"8/8/8/KPp4r/8/8/8/4k3 w - c6 0 1", 3, 317},
      {"8/7k/8/8/3pP3/8/8/1B2K3 b - e3 0 1", 3, 322},
      {"r3k2r/8/3Q4/8/8/5q2/8/R3K2R b KQkq - 0 1", 2, 1494},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(Carica(c.fen)) << c.fen;
    ASSERT_EQ(Incoerenza(), "") << c.fen;
    std::uint64_t foglie = 0;
    EXPECT_EQ(Cammina(c.profondita, foglie), "") << c.fen;
    EXPECT_EQ(foglie, c.foglie) << c.fen;
  }
}

}  // namespace
