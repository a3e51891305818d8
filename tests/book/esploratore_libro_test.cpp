// The book explorer, the continuations dialog and the line copy, driven by keys.
#include "book/esploratore_libro.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/posizione.h"
#include "record/partita.h"
#include "tests/book/libro_prova.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"
#include "ui/menu.h"

namespace {

using namespace libro_prova;
using scenario::parlato;

struct EsploratoreLibro : scenario::Scenario {
  void SetUp() override {
    Avvia(1, true);
    Scrivi("book.vobf", Bytes(LibroPiccolo()));
  }
  void Tasto(std::uint16_t vk, std::uint32_t ctrl = 0) {
    parlato.clear();
    fake.tones.clear();
    fake.press(vk, ctrl);
    Esegui();
  }
  std::string Ultimo() const { return parlato.empty() ? "" : parlato.back(); }
  bool Toni(std::vector<std::pair<int, int>> attesi) const {
    std::vector<std::pair<int, int>> t;
    for (const auto& x : fake.tones) t.push_back({x.hz, x.ms});
    return t == attesi;
  }
};

TEST_F(EsploratoreLibro, ContinuationsDialog) {
  Tasto(VK_F2, LEFT_CTRL_PRESSED);
  EXPECT_EQ(UltimoDialogo(),
            "Continuations from book for current position = 2:\ne4 -> (3 lines);\n"
            "d4 -> (terminal node);");
  Mosse({"e4", "e5"});
  Tasto(VK_F2, LEFT_CTRL_PRESSED);
  EXPECT_EQ(UltimoDialogo(), "No continuation found in the book.");
  std::remove("book.vobf");
  fake.dialogs.clear();
  Tasto(VK_F2, LEFT_CTRL_PRESSED);
  ASSERT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(fake.dialogs[0].text, "The book.vobf file was not found.");
}

TEST_F(EsploratoreLibro, WalkingTheTree) {
  std::strcpy(StrEvent, "Club championship");
  Tasto('E', LEFT_CTRL_PRESSED);
  ASSERT_EQ(focus, 4);
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(Ultimo().rfind("Book explorer activated. ", 0), 0u) << Ultimo();
  EXPECT_TRUE(Ultimo().ends_with(" -> (3 lines). 1 of 2")) << Ultimo();

  struct Passo {
    std::uint16_t tasto;
    std::vector<std::pair<int, int>> toni;
    const char* fine;  // of the last spoken text
    std::uint64_t ply;
  } passi[] = {
      {VK_UP, {{2000, 50}}, " -> (3 lines). 1 of 2", 0},  // already the first
      {VK_LEFT, {{2000, 50}, {1500, 4}, {1500, 4}}, " -> (3 lines). 1 of 2", 0},  // at the root
      {VK_DOWN, {{1500, 4}}, " -> (terminal node). 2 of 2", 0},
      {VK_DOWN, {{2000, 50}}, " -> (terminal node). 2 of 2", 0},  // already the last
      {VK_RIGHT, {{2000, 50}}, "end of line", 0},                 // a terminal node
      {VK_UP, {{1500, 4}}, " -> (3 lines). 1 of 2", 0},
      {VK_RETURN, {{1500, 4}, {1500, 4}}, " -> (2 lines). 1 of 2", 1},
      {VK_DOWN, {{1500, 4}}, " -> (terminal node). 2 of 2", 1},
      {VK_LEFT, {{1500, 4}, {1500, 4}}, " -> (3 lines). 1 of 2", 0},
      {VK_RIGHT, {{1500, 4}, {1500, 4}}, " -> (2 lines). 1 of 2", 1},  // a new ply: the first
      {VK_RIGHT, {{1500, 4}, {1500, 4}}, " -> (terminal node). 1 of 1", 2},
  };
  for (const Passo& p : passi) {
    Tasto(p.tasto);
    EXPECT_TRUE(Toni(p.toni)) << p.tasto << " " << Ultimo();
    EXPECT_TRUE(Ultimo().ends_with(p.fine)) << p.tasto << ": " << Ultimo();
    EXPECT_EQ(ContatoreMosse, p.ply) << p.tasto;
  }

  // Leaving takes the explored moves back and keeps what was typed.
  Tasto(VK_ESCAPE);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_STREQ(StrEvent, "Club championship");
  EXPECT_EQ(Ultimo(), "Book explorer disabled");
  Mossa("d4");
  EXPECT_EQ(ContatoreMosse, 1u);
}

TEST_F(EsploratoreLibro, OnlyBeforeTheFirstMoveAndOnlyWithABook) {
  Mossa("e4");
  Tasto('E', LEFT_CTRL_PRESSED);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(UltimoDialogo(),
            "Book explorer can only be activated if the game has not already started.");
  Tasto(VK_DELETE, LEFT_CTRL_PRESSED);
  Scrivi("book.vobf", "");
  Tasto('E', LEFT_CTRL_PRESSED);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(Ultimo(), "No continuation found in the book.");
}

TEST_F(EsploratoreLibro, AMoveTheBoardDoesNotAllowEndsTheExplorer) {
  // 1. e4 then a "child" e4 again: the second is no legal move for black.
  Scrivi("book.vobf", Bytes({{e4, 16, 0, 1}, {e4, 0, 0, 1}}));
  Tasto('E', LEFT_CTRL_PRESSED);
  ASSERT_EQ(focus, 4);
  Tasto(VK_RIGHT);
  EXPECT_EQ(UltimoDialogo(), "It was not possible to read in the book!");
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(ContatoreMosse, 0u);
  // A list emptied under the explorer never underflows the selection.
  Scrivi("book.vobf", Bytes(LibroPiccolo()));
  Tasto('E', LEFT_CTRL_PRESSED);
  Tasto(VK_RIGHT);
  Scrivi("book.vobf", "");
  Tasto(VK_LEFT);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(ContatoreMosse, 0u);
}

// The book menu: its commands, and names and limits typed, asked and stored.
TEST_F(EsploratoreLibro, BookMenu) {
  comando_ApriMenu(21, 1);
  Tasto(VK_RETURN);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(UltimoDialogo().rfind("Continuations from book for current position = 2:", 0), 0u);
  comando_ApriMenu(21, 2);
  Tasto(VK_RETURN);
  EXPECT_EQ(focus, 4);
  EXPECT_TRUE(Ultimo().ends_with(" -> (3 lines). 1 of 2")) << Ultimo();
  Tasto(VK_ESCAPE);
  struct Caso {
    int voce;
    const char* testo;
    int risposta;
    const char* domanda;  // the last dialog
  } casi[] = {
      {5, "12", IDYES, "Set minimum line length"},
      {6, "301", IDYES, "Not valid value for maximum line length"},
      {7, "2200", IDNO, "Set minimum elo rating"},
      {0, "openings", IDYES, "Set book to consult to openings?"},
      {4, "mine", IDYES, "Set book to build to mine?"},
  };
  for (const Caso& c : casi) {
    comando_ApriMenu(21, c.voce);
    Tasto(VK_RETURN);
    ASSERT_EQ(focus, 3) << c.voce;
    fake.type(c.testo);
    fake.answer(c.risposta);
    Tasto(VK_RETURN);
    EXPECT_EQ(UltimoDialogo().rfind(c.domanda, 0), 0u) << UltimoDialogo();
    EXPECT_EQ(focus, 2);
  }
  EXPECT_EQ(ParametroIni[iniMinPlyBookLine].valore, 12);
  EXPECT_EQ(ParametroIni[iniMaxPlyBookLine].valore, 40);
  EXPECT_EQ(ParametroIni[iniMinEloRating].valore, 0);
  EXPECT_STREQ(LibroDaConsultare, "openings");
  EXPECT_STREQ(LibroDaCostruire, "mine");
  const std::string ini = LeggiFile("vantorel.ini");  // the settings file keeps them
  EXPECT_NE(ini.find("openings"), std::string::npos);
  EXPECT_NE(ini.find("mine"), std::string::npos);
}

}  // namespace
