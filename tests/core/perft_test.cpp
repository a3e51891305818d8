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

struct Voce {
  std::string fen;
  std::vector<std::uint64_t> nodi;  // nodi[d - 1] = count at depth d
};

std::vector<Voce> LeggiSuite() {
  std::vector<Voce> suite;
  std::ifstream in(std::string(VANTOREL_SOURCE_DIR) + "/tests/fixtures/perft_suite.epd");
  std::string riga;
  while (std::getline(in, riga)) {
    if (riga.empty()) continue;
    std::istringstream campi(riga);
    Voce v;
    std::getline(campi, v.fen, ';');
    std::string parte;
    while (std::getline(campi, parte, ';')) {
      std::istringstream p(parte);
      std::string d;
      std::uint64_t n;
      p >> d >> n;
      v.nodi.push_back(n);
    }
    suite.push_back(v);
  }
  return suite;
}

// Every position of the suite, at the deepest depth that stays under a node budget small
// enough for the sanitizer build.
TEST(Perft, SuiteOfKnownPositions) {
  const auto suite = LeggiSuite();
  ASSERT_GE(suite.size(), 50u);
  for (const auto& v : suite) {
    int d = 0;
    while (d < int(v.nodi.size()) && v.nodi[d] <= 40000) ++d;
    ASSERT_GT(d, 0) << v.fen;
    ASSERT_TRUE(Carica(v.fen.c_str())) << v.fen;
    EXPECT_EQ(Perft(d), v.nodi[d - 1]) << v.fen << " depth " << d;
  }
}

TEST(Perft, DivideGivesEachRootMoveInListOrder) {
  ASSERT_TRUE(Carica("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"));
  std::vector<std::string> righe;
  std::uint64_t totale = 0;
  Divide(2, [&](std::uint64_t mossa, std::uint64_t nodi) {
    char t[6];
    ScriviMossaUci(mossa, t);
    righe.push_back(std::string(t) + ": " + std::to_string(nodi));
    totale += nodi;
  });
  EXPECT_EQ(righe.size(), 48u);
  EXPECT_EQ(totale, 2039u);
  EXPECT_NE(std::find(righe.begin(), righe.end(), "e1g1: 43"), righe.end());
  EXPECT_NE(std::find(righe.begin(), righe.end(), "d5e6: 46"), righe.end());
}

// Walks the pseudo-legal tree: after every make the incremental state must equal a
// recomputation, a refused make must change nothing, and unmake must restore everything.
std::string Cammina(int profondita, std::uint64_t& foglie) {
  GeneraMossePseudolegali();
  const std::vector<std::uint64_t> mosse(BufferMosseGenerate, FineMosseGenerate);
  const auto& fai = TavolaFaiMossa();
  const auto& ritira = ContatoreMosse & 1 ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  for (std::uint64_t m : mosse) {
    const Istantanea prima = Fotografa();
    char t[6];
    ScriviMossaUci(m, t);
    if (!fai[SpecieMossa(m)](m)) {
      if (!(Fotografa() == prima)) return std::string("refused ") + t + " changed the position";
      continue;
    }
    if (auto e = Incoerenza(); !e.empty()) return std::string("after ") + t + ": " + e;
    if (profondita > 1) {
      if (auto e = Cammina(profondita - 1, foglie); !e.empty()) return std::string(t) + " " + e;
    } else {
      ++foglie;
    }
    ritira[SpecieMossa(m)](m);
    if (!(Fotografa() == prima)) return std::string("unmake of ") + t + " did not restore";
    if (auto e = Incoerenza(); !e.empty()) return std::string("after unmake of ") + t + ": " + e;
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

namespace {

// The raw square lists and piece codes, slots included.
struct Liste {
  std::uint64_t pezzi[65] = {};
  std::uint64_t l[10][10] = {};
  static std::uint64_t* Lista(int i) {
    std::uint64_t* const liste[10] = {casa_pedone_bianco, casa_pedone_nero,    casa_cavallo_bianco,
                                      casa_cavallo_nero,  casa_alfiere_bianco, casa_alfiere_nero,
                                      casa_torre_bianco,  casa_torre_nero,     casa_donna_bianco,
                                      casa_donna_nero};
    return liste[i];
  }
  static int Capacita(int i) { return i < 2 ? 8 : i >= 8 ? 9 : 10; }
  void Salva() {
    std::copy(PezzoIn, PezzoIn + 65, pezzi);
    for (int i = 0; i < 10; ++i) std::copy(Lista(i), Lista(i) + Capacita(i), l[i]);
  }
  void Ripristina() const {
    std::copy(pezzi, pezzi + 65, PezzoIn);
    for (int i = 0; i < 10; ++i) std::copy(l[i], l[i] + Capacita(i), Lista(i));
  }
  bool operator==(const Liste& o) const {
    return std::equal(pezzi, pezzi + 65, o.pezzi) &&
           std::equal(&l[0][0], &l[0][0] + 100, &o.l[0][0]);
  }
};

// The legal list built by playing every generated move and taking it back.
std::vector<std::uint64_t> FiltroGiocando() {
  GeneraMossePseudolegali();
  std::vector<std::uint64_t> v(BufferMosseGenerate, FineMosseGenerate);
  const auto& fai = TavolaFaiMossa();
  const auto& ritira = ContatoreMosse & 1 ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  std::size_t i = 0;
  while (i < v.size()) {
    if (fai[SpecieMossa(v[i])](v[i])) {
      ritira[SpecieMossa(v[i])](v[i]);
      ++i;
    } else {
      v[i] = v.back();
      v.pop_back();
    }
  }
  return v;
}

std::string Confronta(int profondita) {
  Liste prima, dopo_giocando, dopo;
  prima.Salva();
  const auto attesa = FiltroGiocando();
  dopo_giocando.Salva();
  prima.Ripristina();
  GeneraMosseLegali();
  const std::vector<std::uint64_t> mosse(BufferMosseGenerate, FineMosseGenerate);
  dopo.Salva();
  if (mosse != attesa) return "different list";
  if (!(dopo == dopo_giocando)) return "different square lists";
  if (profondita == 0) return "";
  const auto& fai = TavolaFaiMossa();
  const auto& ritira = ContatoreMosse & 1 ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  for (std::uint64_t m : mosse) {
    fai[SpecieMossa(m)](m);
    if (auto e = Confronta(profondita - 1); !e.empty()) return e;
    ritira[SpecieMossa(m)](m);
  }
  return "";
}

// The legal list, in order, and the square lists it leaves behind, are those of playing and
// taking back every generated move.
TEST(MosseLegali, SameAsPlayingEveryMove) {
  for (const char* fen :
       {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", "n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1"}) {
    ASSERT_TRUE(Carica(fen));
    EXPECT_EQ(Confronta(2), "") << fen;
  }
}

}  // namespace
