// The command line, number and text entry, and the "=" queries.
#include "ui/riga_comando.h"

#include <string>

#include "core/posizione.h"
#include "tests/ui/scenario.h"
#include "ui/schermo.h"

namespace {

using scenario::Scenario;

struct RigaComando : Scenario {
  void SetUp() override { Avvia(1); }
  std::string Digitato() const { return fake.row(40).size() > 52 ? fake.row(40).substr(52) : ""; }
  // Value entry as the menus start it: an empty field on the item's line.
  void ValoreInMenu(int menu, int voce) {
    focus = 3;
    MenuAttivo = menu;
    VoceSelezionata = voce;
    CharatteriInComando = 0;
    comando[0] = 0;
    AlternativaUltimoCarattere = -1;
    ImpostaFocus();
  }
};

TEST_F(RigaComando, TypingBackspaceAndTheLimitOfEightCharacters) {
  // T refreshes the clocks and is never typed; signs other than + - : = are not taken.
  fake.type("e");
  fake.press('T', SHIFT_PRESSED);
  fake.press('T');
  fake.type("=+:-.,/");
  Premi(VK_BACK);
  EXPECT_EQ(Digitato(), "e=+:");
  EXPECT_EQ(fake.cursor_column(), 56);
  for (int i = 0; i < 4; ++i) fake.press(VK_BACK);
  Premi(VK_BACK);  // nothing left to remove
  EXPECT_EQ(Digitato(), "");
  EXPECT_EQ(fake.tones.back().hz, 2000);
  EXPECT_EQ(fake.tones.back().ms, 50);
  fake.type("abcdefgh");
  Esegui();
  EXPECT_TRUE(fake.dialogs.empty());
  fake.type("1");
  Esegui();
  EXPECT_EQ(UltimoDialogo(), "This field cannot contain more than 8 characters.");
  EXPECT_EQ(Digitato(), "abcdefgh");
  EXPECT_EQ(CharatteriInComando, 8);
  for (int i = 0; i < 8; ++i) fake.press(VK_BACK);
  Esegui();
  fake.tones.clear();
  scenario::parlato.clear();
  Premi(VK_RETURN);  // nothing typed: nothing happens
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_TRUE(fake.tones.empty());
  EXPECT_TRUE(scenario::parlato.empty());
}

TEST_F(RigaComando, AlternativesCycleWithPageDownAndWrapWithPageUp) {
  ValoreInMenu(9, 0);
  fake.type("e");
  for (int i = 0; i < 3; ++i) fake.press(VK_NEXT);
  Esegui();
  EXPECT_STREQ(comando, "ê");
  EXPECT_EQ(CharatteriInComando, 1);
  EXPECT_EQ(scenario::parlato.back(), "Lowercase ee with Circumflex Accent Mark");
  EXPECT_EQ(fake.row(46).substr(25), "ê");
  // Back to the plain letter, then PAGE UP wraps round to the last entry.
  fake.press(VK_PRIOR);
  fake.press(VK_PRIOR);
  fake.press(VK_PRIOR);
  Esegui();
  EXPECT_STREQ(comando, "e");
  fake.tones.clear();
  fake.press(VK_PRIOR);
  Esegui();
  EXPECT_STREQ(comando, "ë");
  EXPECT_EQ(scenario::parlato.back(), "Lowercase ee with diaeresis");
  EXPECT_EQ(Frequenze(), (std::vector<int>{50000, 1500}));
  // After more text.
  fake.type("N");
  fake.press(VK_NEXT);
  Esegui();
  EXPECT_STREQ(comando, "ëÑ");
  EXPECT_EQ(scenario::parlato.back(), "Uppercase enn with tilde");
  fake.press(VK_BACK);
  Esegui();
  EXPECT_STREQ(comando, "ë");
  EXPECT_EQ(fake.row(46).substr(25), "ë");
}

TEST_F(RigaComando, PageDownWithoutAlternativesBeeps) {
  ValoreInMenu(9, 1);
  fake.type("ex");
  fake.press(VK_NEXT);
  Esegui();
  EXPECT_STREQ(comando, "ex");
  EXPECT_EQ(fake.tones.back().hz, 2000);
  // After BACKSPACE the e is not cycled either: only the character just typed is.
  fake.press(VK_BACK);
  fake.press(VK_NEXT);
  Esegui();
  EXPECT_STREQ(comando, "e");
  EXPECT_EQ(fake.tones.back().hz, 2000);
}

TEST_F(RigaComando, BookNamesRefuseFileNameSigns) {
  ValoreInMenu(21, 0);
  fake.type("a?b:c");
  Esegui();
  EXPECT_STREQ(comando, "abc");
  EXPECT_EQ(Toni(2000), 2);
  // Thirty characters at most in a book name, fifty elsewhere.
  fake.type(std::string(27, 'z'));
  Esegui();
  EXPECT_TRUE(fake.dialogs.empty());
  fake.type("z");
  Esegui();
  EXPECT_EQ(UltimoDialogo(), "This field cannot contain more than 30 characters.");
  ValoreInMenu(9, 0);
  fake.type(std::string(51, 'w'));
  Esegui();
  EXPECT_EQ(UltimoDialogo(), "This field cannot contain more than 50 characters.");
  EXPECT_EQ(CharatteriInComando, 50);
}

TEST_F(RigaComando, NumberEntryTakesFourDigits) {
  ValoreInMenu(6, 0);
  fake.type("12a345");
  Esegui();
  EXPECT_STREQ(comando, "1234");
  EXPECT_EQ(UltimoDialogo(), "This field cannot contain more than 4 digits.");
  EXPECT_EQ(fake.row(46).substr(44), "1234");
  fake.press(VK_BACK);
  Esegui();
  EXPECT_STREQ(comando, "123");
  fake.press(VK_UP);
  Esegui();
  EXPECT_EQ(scenario::parlato.back(), "edit");
  EXPECT_EQ(fake.tones.back().hz, 700);
}

TEST(NumeroPuntato, GroupsOfThree) {
  for (auto [n, testo] : {std::pair<unsigned, const char*>{0, "0"},
                          {999, "999"},
                          {1000, "1.000"},
                          {1234567, "1.234.567"},
                          {4294967295u, "4.294.967.295"}})
    EXPECT_STREQ(NumeroPuntato(n), testo);
}

}  // namespace
