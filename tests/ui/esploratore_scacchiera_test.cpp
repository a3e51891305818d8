// The board explorer, the review of the game and the piece-disposition query,
// heard through the fake screen reader.
#include "ui/esploratore_scacchiera.h"

#include <algorithm>
#include <string>
#include <vector>

#include "clock/orologio.h"
#include "core/fen.h"
#include "tests/core/verifica.h"
#include "tests/ui/ascolto.h"
#include "tests/ui/partita_lunga.h"

namespace {

using Esploratore = Ascolto;

struct Voce {
  std::string testo;
  bool interrotto;
  bool operator==(const Voce&) const = default;
};
std::vector<Voce> Sentito() {
  std::vector<Voce> v;
  for (auto& d : canale_finto::detti) v.push_back({d.testo, d.interrotto});
  return v;
}
void PrintTo(const Voce& d, std::ostream* os) {
  *os << (d.interrotto ? "!" : "") << '"' << d.testo << '"';
}

int Silenziosi(const platform::FakeBackend& f) {
  int n = 0;
  for (auto& t : f.tones) n += t.hz == 50000 && t.ms == 3;
  return n;
}

TEST_F(Esploratore, WithTheDialogBoxChannelSpaceDoesNothing) {
  AvviaConCanale(1, 0);
  Premi(VK_SPACE);
  EXPECT_EQ(focus, 0);
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_TRUE(canale_finto::detti.empty());
  EXPECT_EQ(fake.cursor_row(), 40);
}

TEST_F(Esploratore, TheSelectedSquareMovesWithTheArrowsAndIsSpoken) {
  AvviaConCanale(1, 2);
  Premi(VK_SPACE);
  EXPECT_EQ(focus, 1);
  EXPECT_EQ(fake.cursor_row(), 35);
  EXPECT_EQ(Sentito(),
            (std::vector<Voce>{
                {"Chess board overview activated.", true}, {"a1", false}, {"white rook", false}}));
  Premi(VK_UP);
  EXPECT_EQ(Sentito(), (std::vector<Voce>{{"a2", true}, {"white pawn", false}}));
  Premi(VK_DOWN);
  fake.tones.clear();
  // Against the edge the square stays and is said again, with the silent beep.
  Premi(VK_LEFT);
  EXPECT_EQ(Sentito(), (std::vector<Voce>{{"a1", true}, {"white rook", false}}));
  EXPECT_EQ(Silenziosi(fake), 1);
  Premi(VK_DOWN);
  EXPECT_EQ(Silenziosi(fake), 2);
  Premi(VK_RIGHT);
  EXPECT_EQ(Detti().front(), "b1");
}

struct Stato {
  Istantanea posizione;
  std::vector<std::uint64_t> mosse, legali;
  bool operator==(const Stato&) const = default;
};
Stato Fotografia() {
  Stato s{Fotografa(), {ElencoMosse + 1, ElencoMosse + ContatoreMosse + 1}, MosseLegali()};
  std::sort(s.legali.begin(), s.legali.end());
  return s;
}

TEST_F(Esploratore, LeavingAfterAReviewRestoresTheGameExactly) {
  AvviaConCanale(1, 2);
  Mosse({"e4", "e5", "Nf3"});
  const Stato prima = Fotografia();
  const std::string scacchiera = fake.row(29);  // rank 3, with the knight
  Premi(VK_SPACE);
  Premi(VK_LEFT, LEFT_ALT_PRESSED);
  Premi(VK_LEFT, LEFT_ALT_PRESSED);
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_NE(fake.row(29), scacchiera);
  EXPECT_EQ(fake.row(28).substr(27), "4   -  -  -  -  P  -  -  -");
  Premi(VK_ESCAPE);
  EXPECT_EQ(Sentito(), (std::vector<Voce>{{"Chess board overview deactivated.", true}}));
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(Fotografia(), prima);
  EXPECT_EQ(Incoerenza(), "");
  EXPECT_EQ(fake.row(29), scacchiera);
  EXPECT_EQ(fake.cursor_row(), 40);
  Mossa("Nc6");  // the game goes on from where it was
  EXPECT_EQ(ContatoreMosse, 4u);
}

TEST_F(Esploratore, ReviewStepsSpeakEachMoveAndStopAtBothEnds) {
  AvviaConCanale(1, 2);
  Mosse({"e4", "e5", "Nf3"});
  Premi(VK_SPACE);
  fake.tones.clear();
  struct Passo {
    std::uint16_t vk;
    std::uint64_t contatore;
    const char* detto;
    int silenziosi;
  } passi[] = {
      {VK_RIGHT, 3, "white 2:  knight to Foxtrot 3", 1},  // already at the end
      {VK_LEFT, 2, "black 1:  pawn to Echo 5", 1},
      {VK_HOME, 0, "initial position", 1},
      {VK_LEFT, 0, "initial position", 2},  // already at the start
      {VK_HOME, 0, "initial position", 3},
      {VK_RIGHT, 1, "white 1:  pawn to Echo 4", 3},
      {VK_END, 3, "white 2:  knight to Foxtrot 3", 3},
      {VK_END, 3, "white 2:  knight to Foxtrot 3", 4},
  };
  for (const auto& p : passi) {
    Premi(p.vk, LEFT_ALT_PRESSED);
    EXPECT_EQ(ContatoreMosse, p.contatore) << p.detto;
    EXPECT_EQ(Sentito(), (std::vector<Voce>{{p.detto, true}}));
    EXPECT_EQ(Silenziosi(fake), p.silenziosi) << p.detto;
  }
  Premi('N', LEFT_ALT_PRESSED);  // other ALT keys are ignored, nothing reaches the command line
  EXPECT_TRUE(canale_finto::detti.empty());
  EXPECT_EQ(focus, 1);
}

TEST_F(Esploratore, AltHomeAndAltEndOverTheLongestGame) {
  AvviaConCanale(1, 2);
  ASSERT_TRUE(GiocaCavalliAvantiEIndietro(static_cast<int>(MaxPly)));
  const Stato prima = Fotografia();
  Premi(VK_SPACE);
  Premi(VK_HOME, LEFT_ALT_PRESSED);
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(Detti(), std::vector<std::string>{"initial position"});
  EXPECT_EQ(fake.row(31).substr(27), "1   R  N  B  Q  K  B  N  R");
  Premi(VK_END, LEFT_ALT_PRESSED);
  EXPECT_EQ(ContatoreMosse, MaxPly);
  EXPECT_EQ(Detti(), std::vector<std::string>{"white 256:  knight to Golf 1"});
  Premi(VK_RIGHT, LEFT_ALT_PRESSED);
  EXPECT_EQ(ContatoreMosse, MaxPly);
  Premi(VK_ESCAPE);
  EXPECT_EQ(Fotografia(), prima);
}

TEST_F(Esploratore, ALetterLeavesAndStartsTheCommandLineAltF4OnlyLeaves) {
  AvviaConCanale(1, 2);
  Mosse({"e4"});
  Premi(VK_SPACE);
  Premi(VK_LEFT, LEFT_ALT_PRESSED);
  canale_finto::detti.clear();
  fake.press('N', 0, 'N');
  Esegui();
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_EQ(CharatteriInComando, 1);
  EXPECT_EQ(comando[0], 'N');
  EXPECT_EQ(Sentito(),
            (std::vector<Voce>{{"Chess board overview deactivated.", true}, {"N: edit.", false}}));
  // ALT+F4 leaves the explorer instead of asking to quit.
  Premi(VK_SPACE);
  Premi(VK_F4, LEFT_ALT_PRESSED);
  EXPECT_EQ(focus, 0);
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(Detti(), std::vector<std::string>{"Chess board overview deactivated."});
}

TEST_F(Esploratore, WherePiecesOfAKindStand) {
  const char* kPedoni = "4k3/ppp5/8/8/8/8/8/4K3 w - - 0 1";
  struct Caso {
    const char *fen, *query, *detto;
  } casi[] = {
      {FenIniziale, "=K", "white king on Echo 1."},
      {FenIniziale, "=R", "white rooks: on Alfa 1 and on Hotel 1."},
      {kPedoni, "=p", "black pawns: on Alfa 7, Bravo 7 and on Charlie 7."},
      {kPedoni, "=k", "black king on Echo 8."},
      {kPedoni, "=q", "There are no black queens."},
      {kPedoni, "=N", "There are no white Knights."},
      {FenIniziale, "=x", "Invalid command"},
      {FenIniziale, "=5", "Invalid command"},
  };
  AvviaConCanale(1, 2);
  for (const auto& c : casi) {
    SCOPED_TRACE(c.query);
    ASSERT_EQ(NuovaPosizione(c.fen), 1);
    canale_finto::detti.clear();
    Mossa(c.query);
    EXPECT_EQ(Sentito(), (std::vector<Voce>{{c.detto, true}}));
  }
}

// With the clock running, the time is charged to the player to move in the
// game whatever position is being reviewed, and the display keeps its side.
TEST_F(Esploratore, TheClockFollowsTheGameDuringAReview) {
  AvviaConCanale(1, 2);
  Mosse({"e4", "e5", "Nf3"});  // black to move
  fake.ctrl(VK_RETURN);
  Esegui();
  ASSERT_EQ(InMoto, 1);
  const std::string bianco = fake.row(37);
  Premi(VK_SPACE);
  for (int i = 0; i < 12; ++i) {
    Premi(i % 3 == 2 ? VK_RIGHT : VK_LEFT, LEFT_ALT_PRESSED);
    fake.advance(500);
    CicloPrincipale();
    EXPECT_EQ(fake.row(37), bianco) << "white's clock moved at step " << i;
  }
  Premi(VK_ESCAPE);
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED | SHIFT_PRESSED);
  Esegui();
  ASSERT_EQ(InMoto, 0);
  EXPECT_EQ(TempoRimasto[0], 120 * 60000);
  EXPECT_LE(TempoRimasto[1], 120 * 60000 - 6000);
  EXPECT_EQ(fake.row(38).find("02:00:00"), std::string::npos) << fake.row(38);
}

// A flag that falls during a review is judged on the game's own position:
// the explorer closes first, restoring it. (Out of a review the same path
// follows the question.)
TEST_F(Esploratore, AFlagFallingDuringAReviewIsJudgedOnTheGame) {
  AvviaConCanale(1, 2);
  Mosse({"e4", "e5", "Nf3"});
  fake.ctrl(VK_RETURN);
  Esegui();
  const Stato partita = Fotografia();
  Premi(VK_SPACE);
  Premi(VK_HOME, LEFT_ALT_PRESSED);
  TempoRimasto[1] = 1500;  // black, to move in the game
  canale_finto::detti.clear();
  fake.answer(IDYES);
  for (int i = 0; i < 5 && InMoto; ++i) CicloPrincipale();
  ASSERT_EQ(InMoto, 0);
  EXPECT_EQ(focus, 0);
  EXPECT_STREQ(Result, "1-0");
  EXPECT_EQ(Fotografia(), partita);
  // The verdict is said after the question, cutting it off.
  const int verdetto = Indice("black's flag falls, game adjudicated ( 1-0 ).");
  ASSERT_GE(verdetto, 0) << ::testing::PrintToString(Detti());
  EXPECT_TRUE(canale_finto::detti[verdetto].interrotto);
  EXPECT_GT(verdetto, Indice("Black's flag falls, adjudicate the game ( 1-0 )?"));
}

}  // namespace
