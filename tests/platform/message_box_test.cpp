#include "platform/posix/message_box.h"

#include <gtest/gtest.h>

using platform::KeyEvent;
using platform::MessageBox;
using platform::ScreenBuffer;

namespace {

KeyEvent key(std::uint16_t vk, std::uint32_t state = 0) {
  KeyEvent k;
  k.virtual_key = vk;
  k.control_state = state;
  return k;
}

TEST(MessageBox, ButtonsAndKeysFollowTheLanguage) {
  struct Case {
    int lang, style;
    std::vector<std::string> labels;
    std::uint16_t yes, no, cancel;
  } cases[] = {
      {0, MB_YESNOCANCEL, {"Sì", "No", "Annulla"}, 'S', 'N', 'A'},
      {1, MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, 'Y', 'N', 'C'},
      {2, MB_YESNOCANCEL, {"Sí", "No", "Cancelar"}, 'S', 'N', 'C'},
  };
  for (const auto& c : cases) {
    MessageBox box("?", "Attention!", c.style, c.lang);
    ASSERT_EQ(box.buttons().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(box.buttons()[i].label, c.labels[i]);
    EXPECT_EQ(box.answer(key(c.yes)), IDYES) << c.lang;
    EXPECT_EQ(box.answer(key(c.no)), IDNO) << c.lang;
    EXPECT_EQ(box.answer(key(c.cancel)), IDCANCEL) << c.lang;
  }
  // English initials mean nothing in Italian, and the reverse.
  EXPECT_EQ(MessageBox("?", "", MB_YESNO, 0).answer(key('Y')), 0);
  EXPECT_EQ(MessageBox("?", "", MB_YESNOCANCEL, 1).answer(key('A')), 0);
}

TEST(MessageBox, EnterIsTheDefaultAndEscNoOrCancel) {
  MessageBox ok("info", "Vantorel", MB_OK | MB_ICONINFORMATION, 1);
  ASSERT_EQ(ok.buttons().size(), 1u);
  EXPECT_EQ(ok.buttons()[0].label, "OK");
  EXPECT_EQ(ok.answer(key(VK_RETURN)), IDOK);
  EXPECT_EQ(ok.answer(key(VK_ESCAPE)), IDOK);
  EXPECT_EQ(ok.answer(key('O')), IDOK);
  EXPECT_EQ(ok.answer(key('Y')), 0);

  MessageBox yn("quit?", "Attention!", MB_YESNO, 1);
  EXPECT_EQ(yn.answer(key(VK_RETURN)), IDYES);
  EXPECT_EQ(yn.answer(key(VK_ESCAPE)), IDNO);
  MessageBox ync("save?", "Attention!", MB_YESNOCANCEL, 1);
  EXPECT_EQ(ync.answer(key(VK_ESCAPE)), IDCANCEL);
  // Other keys, modified letters and key releases choose nothing.
  EXPECT_EQ(ync.answer(key('X')), 0);
  EXPECT_EQ(ync.answer(key('Y', LEFT_CTRL_PRESSED)), 0);
  EXPECT_EQ(ync.answer(key('N', LEFT_ALT_PRESSED)), 0);
  KeyEvent up = key('Y');
  up.key_down = false;
  EXPECT_EQ(ync.answer(up), 0);
}

TEST(MessageBox, DrawsCaptionTextAndButtonsWithTheCursorOnTheText) {
  ScreenBuffer s;
  for (int row = 0; row < 44; ++row) {
    s.set_cursor(0, row);
    s.write(std::string(80, '.'));
  }
  MessageBox box("Are you sure you want to quit Vantorel?", "Attention!", MB_YESNO, 1);
  box.draw(s, 0, 44);
  int text_row = s.cursor_row();
  EXPECT_EQ(s.row_text(text_row), "   Are you sure you want to quit Vantorel?");
  EXPECT_EQ(s.cursor_column(), 3);
  EXPECT_NE(s.row_text(text_row - 2).find("Attention!"), std::string::npos);
  EXPECT_EQ(s.row_text(text_row + 2), "   [Yes]   [No]");
  EXPECT_GT(text_row, 15);  // centred in the window
  EXPECT_LT(text_row, 28);
  // The rows around the box keep the screen underneath.
  EXPECT_EQ(s.row_text(text_row - 3), std::string(80, '.'));
  EXPECT_EQ(s.row_text(text_row + 4), std::string(80, '.'));
}

TEST(MessageBox, LongTextWrapsAtBlanksAndKeepsLineBreaks) {
  std::string word = "abcdefghij";
  std::string text;
  for (int i = 0; i < 12; ++i) text += word + " ";
  text += "\nsecond paragraph";
  MessageBox box(text, "C", MB_OK, 1);
  ASSERT_EQ(box.lines().size(), 3u);
  EXPECT_LE(box.lines()[0].size(), 74u);
  EXPECT_EQ(box.lines()[0].substr(0, 10), word);
  EXPECT_EQ(box.lines()[1].substr(0, 10), word);  // cut at a blank, not in a word
  EXPECT_EQ(box.lines()[2], "second paragraph");
  // Drawn at the bottom of the buffer, it neither scrolls nor overflows.
  ScreenBuffer s;
  s.set_cursor(0, 0);
  s.write("top");
  box.draw(s, platform::kScreenRows - 3, 3);
  EXPECT_EQ(s.row_text(0), "top");
  EXPECT_EQ(s.row_text(s.cursor_row()).substr(3, 10), word);
}

}  // namespace

#include "data/messages.h"
#include "data/msg_speech.h"

namespace {

// The box shows, in each language, the very words the speech channel says
// for its buttons, and each answers to its own initial.
TEST(MessageBox, ButtonsShowTheSpokenWordsInEveryLanguage) {
  struct Stile {
    int stile;
    std::vector<int> parole;  // entries of the spoken button words
    std::vector<int> risultati;
  } stili[] = {
      {MB_OK | MB_ICONINFORMATION, {0}, {IDOK}},
      {MB_YESNO, {1, 2}, {IDYES, IDNO}},
      {MB_YESNOCANCEL, {1, 2, 3}, {IDYES, IDNO, IDCANCEL}},
  };
  for (int lingua = 0; lingua < 3; ++lingua) {
    for (const auto& s : stili) {
      MessageBox box("?", "!", s.stile, lingua);
      ASSERT_EQ(box.buttons().size(), s.parole.size());
      for (std::size_t i = 0; i < s.parole.size(); ++i) {
        std::string parola = StrPulsanti[4 * lingua + s.parole[i]];
        EXPECT_EQ(box.buttons()[i].label, parola) << lingua;
        if (i == 0 || parola[0] != box.buttons()[0].label[0]) {
          EXPECT_EQ(box.answer(key(static_cast<std::uint16_t>(parola[0]))), s.risultati[i])
              << parola;
        }
      }
    }
  }
  EXPECT_EQ(MessageBox("!", "", MB_OK, 2).buttons()[0].label, "Aceptar");
  EXPECT_EQ(MessageBox("!", "", MB_OK, 2).answer(key('A')), IDOK);
}

}  // namespace
