// The screen right after start-up, in each language, and the first move.
#include <string>

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

struct Avvio : Scenario {};

TEST_F(Avvio, StartUpScreenInEnglish) {
  Avvia(1);
  EXPECT_EQ(fake.title, "Vantorel2.65");
  EXPECT_EQ(fake.row(2), "    /\\^__");
  EXPECT_NE(fake.row(11).find("CHESS CLOCK"), std::string::npos);
  EXPECT_EQ(fake.row(14), "  " + std::string(76, '-'));
  EXPECT_EQ(fake.row(17).substr(0, 30),
            Centrata("Time control: " + std::string(Cadenza)).substr(0, 30));
  EXPECT_EQ(fake.row(18), Centrata("The current position is the initial one"));
  EXPECT_EQ(fake.row(19), Centrata("Castling rights: white both, black both"));
  EXPECT_EQ(fake.row(20), Centrata("Plies: reversible 0, total 0"));
  EXPECT_EQ(fake.row(21), Centrata("Move 1, white's turn, clock stopped"));
  EXPECT_EQ(fake.row(24), std::string(27, ' ') + "8   r  n  b  q  k  b  n  r");
  EXPECT_EQ(fake.row(25), std::string(27, ' ') + "7   p  p  p  p  p  p  p  p");
  EXPECT_EQ(fake.row(28), std::string(27, ' ') + "4   -  -  -  -  -  -  -  -");
  EXPECT_EQ(fake.row(31), std::string(27, ' ') + "1   R  N  B  Q  K  B  N  R");
  EXPECT_EQ(fake.row(34), std::string(30, ' ') + " A  B  C  D  E  F  G  H");
  EXPECT_EQ(fake.row(37).substr(27, 6), "White:");
  EXPECT_EQ(fake.row(38).substr(27, 6), "Black:");
  EXPECT_NE(fake.row(37).find("2:00:00"), std::string::npos) << fake.row(37);
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
  EXPECT_EQ(fake.row(42), "  " + std::string(76, '-'));
  // The cursor waits at the start of the typed text.
  EXPECT_EQ(fake.cursor_row(), 40);
  EXPECT_EQ(fake.cursor_column(), 52);
  fake.type("Nf3");
  Esegui();
  EXPECT_EQ(fake.row(40),
            std::string(27, ' ') + "Move or value =>" + std::string(52 - 43, ' ') + "Nf3");
}

TEST_F(Avvio, StartUpScreenInItalianAndSpanish) {
  Avvia(0);
  EXPECT_EQ(fake.row(18), Centrata("La posizione corrente è quella iniziale"));
  EXPECT_EQ(fake.row(19), Centrata("Diritti d'arrocco: bianco entrambi, nero entrambi"));
  EXPECT_EQ(fake.row(20), Centrata("Semimosse: reversibili 0, totali 0"));
  EXPECT_EQ(fake.row(21), Centrata("Mossa 1, tratto al bianco, orologio fermo"));
  EXPECT_EQ(fake.row(37).substr(27, 7), "Bianco:");
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Mossa o valore =>");
  EXPECT_EQ(fake.row(17).find("Cadenza di gioco: "), fake.row(17).find_first_not_of(' '));
  TearDown();
  fake.screen.clear();
  Avvia(2);
  EXPECT_EQ(fake.row(18), Centrata("La posición actuál es la inicial"));
  EXPECT_EQ(fake.row(19), Centrata("Derechos del enroque: blancas ambos, negras ambos"));
  EXPECT_EQ(fake.row(20), Centrata("Jugadas: reversible 0, totál 0"));
  EXPECT_EQ(fake.row(21), Centrata("Movida 1, turno de las blancas, relój Detenido"));
  EXPECT_EQ(fake.row(38).substr(27, 7), "Negras:");
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Movimiento o valor =>");
  fake.type("e4");
  Esegui();
  EXPECT_EQ(fake.row(40).substr(52), "e4");
}

TEST_F(Avvio, TypingE4AndEnterPlaysIt) {
  Avvia(1);
  Mossa("e4");
  EXPECT_EQ(std::string(ElencoStringaMossa[1]), "e4");
  EXPECT_EQ(fake.row(18), Centrata("The current position is never verified before"));
  EXPECT_EQ(fake.row(19), Centrata("Castling rights: white both, black both"));
  EXPECT_EQ(fake.row(20), Centrata("Plies: last e4, reversible 0, total 1"));
  EXPECT_EQ(fake.row(21), Centrata("Move 1, black's turn, clock stopped"));
  EXPECT_EQ(fake.row(28), std::string(27, ' ') + "4   -  -  -  -  P  -  -  -");
  EXPECT_EQ(fake.row(30), std::string(27, ' ') + "2   P  P  P  P  -  P  P  P");
  // The typed text is gone and the cursor is back at its start.
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
  EXPECT_EQ(fake.cursor_column(), 52);
  EXPECT_EQ(CharatteriInComando, 0);
  // Two characters accepted, then the clock-stopped reminder.
  ASSERT_EQ(fake.tones.size(), 5u);
  EXPECT_EQ(fake.tones[0].hz, 1500);
  EXPECT_EQ(fake.tones[1].hz, 1500);
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(fake.tones[i].hz, 1000);
    EXPECT_EQ(fake.tones[i].ms, 60);
  }
  EXPECT_TRUE(Detto("clock stopped"));
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(PartitaSalvata, 0);
}

TEST_F(Avvio, OtherFormsOfTheSameMove) {
  for (const char* testo : {"e2e4", "E4", "e2-e4"}) {
    Avvia(1);
    Mossa(testo);
    EXPECT_EQ(std::string(ElencoStringaMossa[1]), "e4") << testo;
    EXPECT_EQ(ContatoreMosse, 1u) << testo;
    TearDown();
  }
}

TEST_F(Avvio, RunningClockGivesOneShortTone) {
  Avvia(1);
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED);
  Esegui();
  ASSERT_TRUE(InMoto);
  fake.tones.clear();
  fake.advance(3000);
  Mossa("e4");
  ASSERT_FALSE(fake.tones.empty());
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(fake.tones.back().ms, 5);
  EXPECT_EQ(fake.row(21).substr(fake.row(21).find_first_not_of(' ')),
            "Move 1, black's turn, clock is running");
}

}  // namespace
