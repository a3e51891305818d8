// The key table: quick parameters, toggles, new game, the cursor keys.
#include <string>

#include "clock/orologio.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "tests/ui/scenario.h"

namespace {

using scenario::Scenario;

struct Tasti : Scenario {
  void SetUp() override { Avvia(1); }
};

constexpr std::uint32_t kCtrl = LEFT_CTRL_PRESSED, kAlt = LEFT_ALT_PRESSED, kShift = SHIFT_PRESSED;

// A value typed, then its key: the question, and the parameter set on Yes only.
TEST_F(Tasti, QuickKeysReachTheirOwnParameters) {
  struct Caso {
    std::uint16_t vk;
    std::uint32_t modificatori;
    int indice;
    const char* valore;
    int risposta, atteso;
  } casi[] = {
      {'1', kCtrl, iniP1T, "90", IDYES, 90},
      {VK_NUMPAD1, RIGHT_CTRL_PRESSED, iniP1T, "45", IDNO, 90},
      {'2', kCtrl | kShift, iniP2I, "30", IDYES, 30},
      {'3', kCtrl | kAlt, iniP3M, "20", IDYES, 20},
      {'4', kCtrl, iniP4T, "60", IDYES, 60},
      {'P', kCtrl, iniClockMode, "3", IDYES, 3},
      {'3', kAlt, inia3, "10", IDYES, 10},
      {'D', kAlt, iniMDV, "2", IDYES, 2},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.valore);
    fake.dialogs.clear();
    fake.type(c.valore);
    fake.answer(c.risposta);
    Premi(c.vk, c.modificatori);
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].style, MB_YESNO);
    EXPECT_NE(fake.dialogs[0].text.find(c.valore), std::string::npos);
    EXPECT_EQ(ParametroIni[c.indice].valore, c.atteso);
    EXPECT_EQ(CharatteriInComando, 0);
  }
}

TEST_F(Tasti, CtrlPlusAndMinusFromEitherKeyboard) {
  struct Caso {
    std::uint16_t vk;
    std::uint32_t modificatori;
    const char* inizio;
  } casi[] = {
      {VK_OEM_PLUS, kCtrl | kShift, "Add to"},  // "+" over "="
      {VK_OEM_PLUS, kCtrl, "Add to"},          {VK_ADD, kCtrl, "Add to"},
      {VK_ADD, kCtrl | kShift, "Add to"},      {VK_OEM_MINUS, kCtrl, "Subtract to"},
      {VK_SUBTRACT, kCtrl, "Subtract to"},     {VK_SUBTRACT, kCtrl | kShift, "Subtract to"},
  };
  for (const auto& c : casi) {
    fake.dialogs.clear();
    fake.type("5");
    Esegui();
    fuoco = 2;  // the white clock's row
    fake.answer(IDNO);
    Premi(c.vk, c.modificatori);
    ASSERT_EQ(fake.dialogs.size(), 1u) << c.vk << " " << c.modificatori;
    EXPECT_EQ(fake.dialogs[0].text.rfind(c.inizio, 0), 0u) << fake.dialogs[0].text;
  }
}

TEST_F(Tasti, NewGameAsksToSaveAnUnsavedGame) {
  Mossa("e4");
  ASSERT_EQ(PartitaSalvata, 0);
  fake.dialogs.clear();
  fake.answer(IDCANCEL);
  Premi('N', kAlt);
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Save current game?");
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNOCANCEL);
  EXPECT_EQ(ContatoreMosse, 1u);
  fake.type("d4");
  fake.answer(IDNO);
  Premi('N', kAlt);
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
  EXPECT_EQ(fake.row(28), std::string(27, ' ') + "4   -  -  -  -  -  -  -  -");
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(scenario::parlato.back(), "New game");
  // A saved game is replaced without a question.
  fake.dialogs.clear();
  Premi('N', kAlt);
  EXPECT_TRUE(fake.dialogs.empty());
}

TEST_F(Tasti, LeftAndRightSayABlankSilently) {
  fake.press(VK_LEFT);
  Premi(VK_RIGHT);
  EXPECT_EQ(scenario::parlato, (std::vector<std::string>{" ", " "}));
  EXPECT_EQ(Toni(50000), 2);
  EXPECT_EQ(fake.tones.size(), 2u);
}

TEST_F(Tasti, TheRunningClockBeepsOnItsRowAndTheLoopWakesForTheNextSecond) {
  CicloPrincipale();
  EXPECT_EQ(fake.waits.back(), -1);  // clock stopped: nothing to redraw
  Premi(VK_RETURN, kCtrl);           // white to move
  ASSERT_TRUE(InMoto);
  fake.advance(300);
  CicloPrincipale();
  EXPECT_GT(fake.waits.back(), 0);
  EXPECT_LE(fake.waits.back(), 1000);
  fake.tones.clear();
  Premi(VK_UP);  // black's clock row
  EXPECT_EQ(Toni(1500), 0);
  Premi(VK_UP);  // white's, running
  EXPECT_EQ(fake.cursor_row(), 37);
  EXPECT_EQ(Toni(1500), 2);
  fake.type("e");  // typing brings the cursor back to the command line
  Esegui();
  EXPECT_EQ(fuoco, 0);
  EXPECT_EQ(fake.cursor_row(), 40);
  Premi(VK_RETURN, kCtrl | kShift);
  ASSERT_FALSE(InMoto);
  CicloPrincipale();
  EXPECT_EQ(fake.waits.back(), -1);
}

TEST_F(Tasti, AltF4InAnUnknownStateReportsItself) {
  focus = 7;
  Premi(VK_F4, kAlt);
  EXPECT_EQ(UltimoDialogo(), "Errore in alt+f4");
  focus = 0;
}

}  // namespace
