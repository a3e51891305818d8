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

// Each button answers to its own initial, ENTER to the first, ESC to the last.
TEST(MessageBox, ButtonsAndKeysFollowTheLanguage) {
  struct Case {
    int lang, style;
    std::vector<std::string> labels;
    std::string initials;
    std::vector<int> results;
  } cases[] = {
      {0, MB_YESNOCANCEL, {"Sì", "No", "Annulla"}, "SNA", {IDYES, IDNO, IDCANCEL}},
      {1, MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, "YNC", {IDYES, IDNO, IDCANCEL}},
      {2, MB_YESNOCANCEL, {"Sí", "No", "Cancelar"}, "SNC", {IDYES, IDNO, IDCANCEL}},
      {0, MB_YESNO, {"Sì", "No"}, "SN", {IDYES, IDNO}},
      {1, MB_YESNO, {"Yes", "No"}, "YN", {IDYES, IDNO}},
      {2, MB_OK, {"Aceptar"}, "A", {IDOK}},
      {1, MB_OK | MB_ICONINFORMATION, {"OK"}, "O", {IDOK}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.labels[0]);
    MessageBox box("?", "Attention!", c.style, c.lang);
    std::vector<std::string> labels;
    for (const auto& b : box.buttons()) labels.push_back(b.label);
    EXPECT_EQ(labels, c.labels);
    for (std::size_t i = 0; i < c.results.size(); ++i) {
      EXPECT_EQ(box.answer(key(static_cast<std::uint16_t>(c.initials[i]))), c.results[i]);
    }
    EXPECT_EQ(box.answer(key(VK_RETURN)), c.results.front());
    EXPECT_EQ(box.answer(key(VK_ESCAPE)), c.results.back());
    // Foreign initials, other keys, modified letters and releases choose nothing.
    EXPECT_EQ(box.answer(key(c.lang == 1 ? 'S' : 'Y')), 0);
    EXPECT_EQ(box.answer(key('X')), 0);
    EXPECT_EQ(box.answer(key(static_cast<std::uint16_t>(c.initials[0]), LEFT_CTRL_PRESSED)), 0);
    EXPECT_EQ(box.answer(key(static_cast<std::uint16_t>(c.initials[0]), LEFT_ALT_PRESSED)), 0);
    KeyEvent up = key(static_cast<std::uint16_t>(c.initials[0]));
    up.key_down = false;
    EXPECT_EQ(box.answer(up), 0);
  }
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
