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
  int Toni(int hz) const {
    int n = 0;
    for (auto& t : fake.tones) n += t.hz == hz;
    return n;
  }
};

TEST_F(Tasti, CtrlOneWithATypedValueSetsTheFirstPeriod) {
  fake.type("90");
  fake.answer(IDYES);
  fake.press('1', LEFT_CTRL_PRESSED);
  Esegui();
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_EQ(fake.dialogs.back().style, MB_YESNO);
  EXPECT_NE(fake.dialogs.back().text.find("90"), std::string::npos);
  EXPECT_EQ(ParametroIni[iniP1T].valore, 90);
  EXPECT_EQ(CharatteriInComando, 0);
  // With the keypad digit and "No", nothing changes.
  fake.type("45");
  fake.answer(IDNO);
  fake.press(VK_NUMPAD1, RIGHT_CTRL_PRESSED);
  Esegui();
  EXPECT_EQ(ParametroIni[iniP1T].valore, 90);
}

TEST_F(Tasti, CtrlOneWithNothingTypedOpensTheTimeControlMenu) {
  fake.press('1', LEFT_CTRL_PRESSED);
  Esegui();
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(ParametroIni[iniP1T].valore, 120);
  EXPECT_EQ(focus, 2);
  EXPECT_EQ(MenuAttivo, 5);
}

TEST_F(Tasti, QuickKeysReachTheirOwnParameters) {
  struct Caso {
    std::uint16_t vk;
    std::uint32_t modificatori;
    int indice;
    const char* valore;
    int atteso;
  } casi[] = {
      {'2', LEFT_CTRL_PRESSED | SHIFT_PRESSED, iniP2I, "30", 30},
      {'3', LEFT_CTRL_PRESSED | LEFT_ALT_PRESSED, iniP3M, "20", 20},
      {'4', LEFT_CTRL_PRESSED, iniP4T, "60", 60},
      {'P', LEFT_CTRL_PRESSED, iniClockMode, "3", 3},
      {'3', LEFT_ALT_PRESSED, inia3, "10", 10},
      {'D', LEFT_ALT_PRESSED, iniMDV, "2", 2},
  };
  for (const auto& c : casi) {
    fake.type(c.valore);
    fake.answer(IDYES);
    fake.press(c.vk, c.modificatori);
    Esegui();
    EXPECT_EQ(ParametroIni[c.indice].valore, c.atteso) << c.indice;
    EXPECT_EQ(CharatteriInComando, 0);
  }
}

TEST_F(Tasti, CtrlPlusAndMinusFromEitherKeyboard) {
  struct Caso {
    std::uint16_t vk;
    std::uint32_t modificatori;
    const char* inizio;
  } casi[] = {
      {VK_OEM_PLUS, LEFT_CTRL_PRESSED | SHIFT_PRESSED, "Add to"},  // "+" over "="
      {VK_OEM_PLUS, LEFT_CTRL_PRESSED, "Add to"},
      {VK_ADD, LEFT_CTRL_PRESSED, "Add to"},
      {VK_ADD, LEFT_CTRL_PRESSED | SHIFT_PRESSED, "Add to"},
      {VK_OEM_MINUS, LEFT_CTRL_PRESSED, "Subtract to"},
      {VK_SUBTRACT, LEFT_CTRL_PRESSED, "Subtract to"},
      {VK_SUBTRACT, LEFT_CTRL_PRESSED | SHIFT_PRESSED, "Subtract to"},
  };
  for (const auto& c : casi) {
    fake.dialogs.clear();
    fake.type("5");
    Esegui();
    fuoco = 2;  // the white clock's row
    fake.answer(IDNO);
    fake.press(c.vk, c.modificatori);
    Esegui();
    ASSERT_EQ(fake.dialogs.size(), 1u) << c.vk << " " << c.modificatori;
    EXPECT_EQ(fake.dialogs[0].text.rfind(c.inizio, 0), 0u) << fake.dialogs[0].text;
  }
}

TEST_F(Tasti, CtrlSFlipsAutosaveBothWays) {
  ASSERT_EQ(ParametroIni[iniautosave].valore, 0);
  fake.answer(IDYES);
  fake.press('S', LEFT_CTRL_PRESSED);
  Esegui();
  EXPECT_EQ(ParametroIni[iniautosave].valore, 1);
  fake.answer(IDYES);
  fake.press('S', LEFT_CTRL_PRESSED);
  Esegui();
  EXPECT_EQ(ParametroIni[iniautosave].valore, 0);
  // The other two toggles.
  fake.answer(IDYES);
  fake.press('A', LEFT_CTRL_PRESSED);
  fake.answer(IDYES);
  fake.press('E', LEFT_CTRL_PRESSED | LEFT_ALT_PRESSED);
  Esegui();
  EXPECT_EQ(ParametroIni[iniautorefresh].valore, 0);
  EXPECT_EQ(ParametroIni[iniEchoExplorer].valore, 0);
  EXPECT_EQ(ParametroIni[iniautosave].valore, 0);
}

TEST_F(Tasti, NewGameAsksToSaveAnUnsavedGame) {
  Mossa("e4");
  ASSERT_EQ(PartitaSalvata, 0);
  fake.dialogs.clear();
  fake.answer(IDCANCEL);
  fake.press('N', LEFT_ALT_PRESSED);
  Esegui();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Save current game?");
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNOCANCEL);
  EXPECT_EQ(ContatoreMosse, 1u);
  fake.type("d4");
  fake.answer(IDNO);
  fake.press('N', LEFT_ALT_PRESSED);
  Esegui();
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
  EXPECT_EQ(fake.row(28), std::string(27, ' ') + "4   -  -  -  -  -  -  -  -");
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(scenario::parlato.back(), "New game");
  // A saved game is replaced without a question.
  fake.dialogs.clear();
  fake.press('N', LEFT_ALT_PRESSED);
  Esegui();
  EXPECT_TRUE(fake.dialogs.empty());
}

TEST_F(Tasti, LeftAndRightSayABlankSilently) {
  fake.press(VK_LEFT);
  fake.press(VK_RIGHT);
  Esegui();
  EXPECT_EQ(scenario::parlato, (std::vector<std::string>{" ", " "}));
  EXPECT_EQ(Toni(50000), 2);
  EXPECT_EQ(fake.tones.size(), 2u);
}

TEST_F(Tasti, UpReachesTheRunningClockRowWithADoubleBeep) {
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED);  // start the clock, white to move
  Esegui();
  ASSERT_TRUE(InMoto);
  fake.tones.clear();
  fake.press(VK_UP);  // black's clock row
  Esegui();
  EXPECT_EQ(Toni(1500), 0);
  fake.press(VK_UP);  // white's clock row: white's clock runs
  Esegui();
  EXPECT_EQ(fake.cursor_row(), 37);
  EXPECT_EQ(Toni(1500), 2);
  // Typing brings the cursor back to the command line.
  fake.type("e");
  Esegui();
  EXPECT_EQ(fuoco, 0);
  EXPECT_EQ(fake.cursor_row(), 40);
}

TEST_F(Tasti, TheLoopWaitsForKeysOrTheNextSecond) {
  CicloPrincipale();
  EXPECT_EQ(fake.waits.back(), -1);  // clock stopped: nothing to redraw
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED);
  Esegui();
  ASSERT_TRUE(InMoto);
  fake.advance(300);
  CicloPrincipale();
  EXPECT_GT(fake.waits.back(), 0);
  EXPECT_LE(fake.waits.back(), 1000);
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED | SHIFT_PRESSED);
  Esegui();
  ASSERT_FALSE(InMoto);
  CicloPrincipale();
  EXPECT_EQ(fake.waits.back(), -1);
}

TEST_F(Tasti, AltF4InAnUnknownStateReportsItself) {
  focus = 7;
  fake.press(VK_F4, LEFT_ALT_PRESSED);
  Esegui();
  EXPECT_EQ(UltimoDialogo(), "Errore in alt+f4");
  focus = 0;
}

TEST_F(Tasti, ExitWithAutosaveOnlyAsksForConfirmation) {
  ParametroIni[iniautosave].valore = 1;
  PartitaSalvata = 0;
  fake.answer(IDNO);
  fake.press(VK_F4, LEFT_ALT_PRESSED);
  Esegui();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Are you sure you want to quit Vantorel?");
}

}  // namespace
