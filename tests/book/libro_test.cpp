#include "book/libro.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/book/libro_prova.h"
#include "tests/support/ambiente_finto.h"

namespace {

using namespace libro_prova;
using Lista = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

struct Continuazioni : AmbienteFinto {
  // The continuations after the given moves, or {-1} when the book is damaged.
  Lista Leggi(const std::string& dati, std::vector<std::uint64_t> mosse, int* numero = nullptr) {
    Scrivi("b.vobf", dati);
    LettoreLibro libro("b.vobf");
    VoceLibro lista[MaxContinuazioni];
    int n = LeggiContinuazioni(libro, mosse.data(), mosse.size(), lista);
    if (numero) *numero = n;
    Lista l;
    if (n < 0) return {{0xFFFFFFFF, 0}};
    for (int i = 0; i < n; ++i) l.push_back({lista[i].mossa, lista[i].conteggio});
    return l;
  }
};

TEST_F(Continuazioni, OrderCountsAndTerminalNodes) {
  const std::string piccolo = Bytes(LibroPiccolo());
  struct Caso {
    const char* nome;
    std::string dati;
    std::vector<std::uint64_t> mosse;
    Lista attese;
  } casi[] = {
      {"empty book", "", {}, {}},
      {"root: terminal d4 listed with 0", piccolo, {}, {{e4, 3}, {d4, 0}}},
      {"after 1. e4: largest first", piccolo, {e4}, {{c5, 2}, {e5, 0}}},
      {"after 1. e4 c5", piccolo, {e4, c5}, {{Nf3, 0}}},
      {"past a terminal node", piccolo, {e4, e5}, {}},
      {"a move the book lacks", piccolo, {Nf3}, {}},
      {"equal counts keep file order",
       Bytes({{a3, 48, 16, 2}, {b3, 48, 32, 2}, {c3, 48, 0, 5}, {e5, 0, 0, 1}}),
       {},
       {{c3, 5}, {a3, 2}, {b3, 2}}},
  };
  for (const Caso& c : casi) EXPECT_EQ(Leggi(c.dati, c.mosse), c.attese) << c.nome;
}

TEST_F(Continuazioni, DamagedBooksNeitherHangNorCrash) {
  const Lista danno = {{0xFFFFFFFF, 0}};
  // A child cycle of knight moves: Nf3 Nc6 Ng1 Nb8 leads back to the root.
  std::string cavalli = Bytes({{Nf3, 16, 0, 1}, {Nc6, 32, 0, 1}, {Ng1, 48, 0, 1}, {Nb8, 0, 0, 1}});
  std::memcpy(cavalli.data() + 48 + 4, "\x10\0\0\0", 4);  // Nb8's child: back to Nc6
  struct Caso {
    const char* nome;
    std::string dati;
    std::vector<std::uint64_t> mosse;
  } casi[] = {
      {"sibling self-link", Bytes({{e4, 0, 16, 1}, {d4, 0, 16, 1}}), {c3}},
      {"sibling cycle", Bytes({{e4, 0, 16, 1}, {d4, 0, 32, 1}, {c3, 0, 16, 1}}), {a3}},
      {"child cycle of knight moves", cavalli, {Nf3, Nc6, Ng1, Nb8, Nc6, Ng1, Nb8, Nc6}},
      {"link past the end", Bytes({{e4, 0, 4096, 1}}), {d4}},
      {"link inside a node", Bytes({{e4, 0, 20, 1}, {d4, 0, 0, 1}}), {}},
      {"truncated node", Bytes({{e4, 16, 0, 1}, {e5, 0, 0, 1}}).substr(0, 24), {e4}},
  };
  for (const Caso& c : casi) {
    const Lista l = Leggi(c.dati, c.mosse);
    EXPECT_TRUE(l == danno || l.empty()) << c.nome;
  }
  // A chain longer than the list stops at its room; random bytes end the walk within it.
  std::vector<NodoLibro> nodi;
  for (std::uint32_t i = 0; i < 300; ++i) nodi.push_back({e4 + i, 0, 16 * (i + 1), 1});
  nodi.back().fratello = 0;
  int n = 0;
  Leggi(Bytes(nodi), {}, &n);
  EXPECT_EQ(n, MaxContinuazioni);
  std::mt19937 caso(7);
  for (int prova = 0; prova < 200; ++prova) {
    std::string dati(16 * (1 + caso() % 64), '\0');
    for (char& b : dati) b = static_cast<char>(caso() % 4 ? caso() % 80 : caso());
    Leggi(dati, {e4, e5, Nf3, Nc6}, &n);
    EXPECT_LE(n, MaxContinuazioni);
  }
}


TEST_F(Continuazioni, WordsForEachCount) {
  EXPECT_EQ(ParoleConteggio(0), "terminal node");
  EXPECT_EQ(ParoleConteggio(1), "a line");
  EXPECT_EQ(ParoleConteggio(1234), "1.234 lines");
  ParametroIni[inilang].valore = 2;
  EXPECT_EQ(ParoleConteggio(2), "2 líneas");
}

}  // namespace
