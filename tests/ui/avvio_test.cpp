// The screen right after start-up, in each language, and the first move.
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

TEST_F(Avvio, StartUpScreenInEachLanguage) {
  struct Riga {
    int lingua, riga;
    std::string testo;
  } righe[] = {
      {1, 2, "    /\\^__"},
      {1, 14, "  " + std::string(76, '-')},
      {1, 18, Centrata("The current position is the initial one")},
      {1, 19, Centrata("Castling rights: white both, black both")},
      {1, 20, Centrata("Plies: reversible 0, total 0")},
      {1, 21, Centrata("Move 1, white's turn, clock stopped")},
      {1, 24, Tavola("8   r  n  b  q  k  b  n  r")},
      {1, 25, Tavola("7   p  p  p  p  p  p  p  p")},
      {1, 28, Tavola("4   -  -  -  -  -  -  -  -")},
      {1, 31, Tavola("1   R  N  B  Q  K  B  N  R")},
      {1, 34, std::string(30, ' ') + " A  B  C  D  E  F  G  H"},
      {1, 40, Tavola("Move or value =>")},
      {1, 42, "  " + std::string(76, '-')},
      {0, 18, Centrata("La posizione corrente è quella iniziale")},
      {0, 19, Centrata("Diritti d'arrocco: bianco entrambi, nero entrambi")},
      {0, 20, Centrata("Semimosse: reversibili 0, totali 0")},
      {0, 21, Centrata("Mossa 1, tratto al bianco, orologio fermo")},
      {0, 40, Tavola("Mossa o valore =>")},
      {2, 18, Centrata("La posición actuál es la inicial")},
      {2, 19, Centrata("Derechos del enroque: blancas ambos, negras ambos")},
      {2, 20, Centrata("Jugadas: reversible 0, totál 0")},
      {2, 21, Centrata("Movida 1, turno de las blancas, relój Detenido")},
      {2, 40, Tavola("Movimiento o valor =>")},
  };
  const char* cadenza[3] = {"Cadenza di gioco: ", "Time control: ", "Ritmo de juego: "};
  const char* orologi[3][2] = {{"Bianco:", "Nero:"}, {"White:", "Black:"}, {"Blancas:", "Negras:"}};
  for (int lingua : {1, 0, 2}) {
    SCOPED_TRACE(lingua);
    fake.screen.clear();
    Avvia(lingua);
    EXPECT_EQ(fake.title, "Vantorel2.65");
    for (const auto& r : righe) {
      if (r.lingua != lingua) continue;
      EXPECT_EQ(fake.row(r.riga), r.testo) << r.riga;
    }
    EXPECT_EQ(fake.row(17).find(cadenza[lingua]), fake.row(17).find_first_not_of(' '));
    for (int lato = 0; lato < 2; ++lato) {
      EXPECT_EQ(fake.row(37 + lato).substr(27, std::strlen(orologi[lingua][lato])),
                orologi[lingua][lato]);
      EXPECT_NE(fake.row(37 + lato).find("2:00:00"), std::string::npos);
    }
    // The cursor waits at the start of the typed text, which shows there.
    EXPECT_EQ(fake.cursor_row(), 40);
    EXPECT_EQ(fake.cursor_column(), 52);
    fake.type("Nf3");
    Esegui();
    EXPECT_EQ(fake.row(40).substr(52), "Nf3");
    TearDown();
  }
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
