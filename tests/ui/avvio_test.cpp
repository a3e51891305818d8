// The screen right after start-up and the first move.
#include <cstring>
#include <string>
#include <utility>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "tests/ui/scenario.h"

namespace {

using scenario::Scenario;

// Status lines are centred by their length in bytes.
std::string Centrata(const std::string& testo) {
  return std::string((80 - testo.size()) / 2, ' ') + testo;
}
std::string Tavola(const std::string& testo) { return std::string(27, ' ') + testo; }

struct Avvio : Scenario {};

// The texts in the other languages are checked with the other messages.
TEST_F(Avvio, StartUpScreen) {
  const std::pair<int, std::string> righe[] = {
      {2, "    /\\^__"},
      {14, "  " + std::string(76, '-')},
      {18, Centrata("The current position is the initial one")},
      {19, Centrata("Castling rights: white both, black both")},
      {20, Centrata("Plies: reversible 0, total 0")},
      {21, Centrata("Move 1, white's turn, clock stopped")},
      {24, Tavola("8   r  n  b  q  k  b  n  r")},
      {25, Tavola("7   p  p  p  p  p  p  p  p")},
      {28, Tavola("4   -  -  -  -  -  -  -  -")},
      {31, Tavola("1   R  N  B  Q  K  B  N  R")},
      {34, std::string(30, ' ') + " A  B  C  D  E  F  G  H"},
      {37, Tavola("White:           02:00:00")},
      {40, Tavola("Move or value =>")},
      {42, "  " + std::string(76, '-')},
  };
  Avvia(1);
  EXPECT_EQ(fake.title, "Vantorel2.65");
  for (const auto& [riga, testo] : righe) EXPECT_EQ(fake.row(riga), testo) << riga;
  EXPECT_EQ(fake.row(17).find("Time control: "), fake.row(17).find_first_not_of(' '));
  // The cursor waits at the start of the typed text, which shows there.
  EXPECT_EQ(fake.cursor_row(), 40);
  EXPECT_EQ(fake.cursor_column(), 52);
  fake.type("Nf3");
  Esegui();
  EXPECT_EQ(fake.row(40).substr(52), "Nf3");
}

TEST_F(Avvio, TypingE4AndEnterPlaysIt) {
  for (const char* testo : {"e4", "e2e4", "E4", "e2-e4"}) {
    SCOPED_TRACE(testo);
    Avvia(1);
    Mossa(testo);
    EXPECT_STREQ(ElencoStringaMossa[1], "e4");
    EXPECT_EQ(ContatoreMosse, 1u);
    EXPECT_EQ(fake.row(18), Centrata("The current position is never verified before"));
    EXPECT_EQ(fake.row(20), Centrata("Plies: last e4, reversible 0, total 1"));
    EXPECT_EQ(fake.row(21), Centrata("Move 1, black's turn, clock stopped"));
    EXPECT_EQ(fake.row(28), Tavola("4   -  -  -  -  P  -  -  -"));
    EXPECT_EQ(fake.row(30), Tavola("2   P  P  P  P  -  P  P  P"));
    // The typed text is gone and the cursor is back at its start.
    EXPECT_EQ(fake.row(40), Tavola("Move or value =>"));
    EXPECT_EQ(fake.cursor_column(), 52);
    EXPECT_EQ(CharatteriInComando, 0);
    // A click per character accepted, then the clock-stopped reminder.
    const std::size_t n = std::strlen(testo);
    ASSERT_EQ(fake.tones.size(), n + 3);
    EXPECT_EQ(Toni(1500), static_cast<int>(n));
    for (std::size_t i = n; i < n + 3; ++i)
      EXPECT_EQ(std::pair(fake.tones[i].hz, fake.tones[i].ms), std::pair(1000, 60));
    EXPECT_TRUE(Detto("clock stopped"));
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(PartitaSalvata, 0);
    TearDown();
  }
}

TEST_F(Avvio, RunningClockGivesOneShortTone) {
  Avvia(1);
  Premi(VK_RETURN, LEFT_CTRL_PRESSED);
  ASSERT_TRUE(InMoto);
  fake.tones.clear();
  fake.advance(3000);
  Mossa("e4");
  ASSERT_FALSE(fake.tones.empty());
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(fake.tones.back().ms, 5);
  EXPECT_EQ(fake.row(21), Centrata("Move 1, black's turn, clock is running"));
}

}  // namespace
