#include "platform/posix/renderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::Renderer;
using platform::ScreenBuffer;

namespace {

// A terminal that understands what the renderer may send (cursor position,
// erase line, clear screen, UTF-8 text with autowrap off) and fails the test
// on anything else.
struct TerminalModel {
  int columns, rows;
  std::vector<std::u32string> cells;
  int x = 0, y = 0;
  TerminalModel(int c, int r) : columns(c), rows(r), cells(r, std::u32string(c, U'#')) {}

  void feed(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
      unsigned char b = static_cast<unsigned char>(bytes[i]);
      if (b == 0x1b) {
        ASSERT_LT(i + 1, bytes.size());
        ASSERT_EQ(bytes[i + 1], '[');
        std::size_t j = i + 2;
        while (j < bytes.size() && (isdigit(bytes[j]) || bytes[j] == ';')) ++j;
        ASSERT_LT(j, bytes.size());
        std::string params = bytes.substr(i + 2, j - i - 2);
        char f = bytes[j];
        if (f == 'H') {
          int r = 1, c = 1;
          if (!params.empty()) sscanf(params.c_str(), "%d;%d", &r, &c);
          ASSERT_TRUE(r >= 1 && r <= rows && c >= 1 && c <= columns) << params;
          y = r - 1;
          x = c - 1;
        } else if (f == 'K' && params.empty()) {
          for (int k = x; k < columns; ++k) cells[y][k] = U' ';
        } else if (f == 'J' && params == "2") {
          for (auto& row : cells) row.assign(columns, U' ');
        } else {
          ADD_FAILURE() << "unexpected sequence " << params << f;
        }
        i = j + 1;
        continue;
      }
      ASSERT_GE(b, 0x20) << "control byte in the output";
      int len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      char32_t c = len == 1 ? b : b & (0x3F >> (len - 1));
      for (int k = 1; k < len; ++k) c = (c << 6) | (bytes[i + k] & 0x3F);
      i += len;
      cells[y][x] = c;
      if (x < columns - 1) ++x;
    }
  }
  std::string row(int r) const {
    std::string out;
    std::u32string s = cells[r];
    while (!s.empty() && s.back() == U' ') s.pop_back();
    for (char32_t c : s) platform::append_utf8(out, c);
    return out;
  }
};

TEST(Renderer, FirstAndInvalidatedFramesDrawTheWholeWindowAndPlaceTheCursor) {
  ScreenBuffer s;
  s.set_window_height(44);
  s.write("Vantorel\n  e4 e5 ♞ñ");
  s.set_cursor(0, 40);
  s.write("command");
  Renderer r;
  for (int frame = 0; frame < 2; ++frame) {
    TerminalModel t(80, 44);  // the second one garbled, as after a resize
    t.feed(r.render(s, 80, 44));
    for (int row = 0; row < 44; ++row) EXPECT_EQ(t.row(row), s.row_text(row)) << row;
    EXPECT_EQ(t.y, 40);
    EXPECT_EQ(t.x, 7);
    r.invalidate();
  }
}

TEST(Renderer, SendsOnlyWhatChanged) {
  ScreenBuffer s;
  s.write(std::string(60, 'a'));
  TerminalModel t(80, 44);
  Renderer r;
  t.feed(r.render(s, 80, 44));
  EXPECT_EQ(r.render(s, 80, 44), "");  // nothing moved: nothing sent
  s.set_cursor(30, 0);
  s.write("b");
  std::string bytes = r.render(s, 80, 44);
  EXPECT_LT(bytes.size(), 20u);
  t.feed(bytes);
  EXPECT_EQ(t.row(0), std::string(30, 'a') + "b" + std::string(29, 'a'));
  // A shortened row is erased to its end, not overwritten blank by blank.
  s.set_cursor(10, 0);
  s.write(std::string(50, ' '));
  bytes = r.render(s, 80, 44);
  EXPECT_NE(bytes.find("\x1b[K"), std::string::npos);
  t.feed(bytes);
  EXPECT_EQ(t.row(0), std::string(10, 'a'));
  EXPECT_EQ(t.x, 60);
}

TEST(Renderer, SmallTerminalFollowsTheCursor) {
  ScreenBuffer s;
  s.set_window_height(44);
  for (int row = 0; row < 44; ++row) {
    s.set_cursor(0, row);
    s.write("row " + std::to_string(row));
  }
  s.set_cursor(5, 40);  // the command line
  TerminalModel t(60, 20);
  Renderer r;
  t.feed(r.render(s, 60, 20));
  EXPECT_EQ(r.view_top(), 21);
  EXPECT_EQ(t.row(19), "row 40");
  EXPECT_EQ(t.y, 19);
  // Moving inside the view does not scroll it.
  s.set_cursor(0, 30);
  t.feed(r.render(s, 60, 20));
  EXPECT_EQ(r.view_top(), 21);
  EXPECT_EQ(t.y, 9);
  EXPECT_EQ(t.row(9), "row 30");
  // Above it, the view follows; columns past the width follow too.
  s.set_cursor(70, 2);
  s.write("X");
  t.feed(r.render(s, 60, 20));
  EXPECT_EQ(r.view_top(), 2);
  EXPECT_EQ(r.view_left(), 12);                     // the cursor, after the X, on the last column
  EXPECT_EQ(t.row(0), std::string(58, ' ') + "X");  // "row 2" is left of the view
  EXPECT_EQ(t.x, 59);
}

TEST(Renderer, AGrownWindowShowsItsNewRows) {
  ScreenBuffer s;
  for (int row = 0; row < 60; ++row) {
    s.set_cursor(0, row);
    s.write("row " + std::to_string(row));
  }
  s.set_cursor(0, 0);  // the buffer's window back at the top
  s.set_window_height(44);
  s.set_cursor(5, 40);
  TerminalModel t(80, 44);
  Renderer r;
  t.feed(r.render(s, 80, 44));
  EXPECT_EQ(r.view_top(), 0);
  // A menu of 8 items opens: the window reaches row 54, the cursor is on the
  // title row 44; the view shows the whole menu, not just the title.
  s.set_window_height(55);
  s.set_cursor(0, 44);
  t.feed(r.render(s, 80, 44));
  EXPECT_EQ(r.view_top(), 11);
  EXPECT_EQ(t.row(43), "row 54");
  EXPECT_EQ(t.y, 33);
  // Moving in the menu does not scroll; a smaller terminal keeps the cursor.
  s.set_cursor(0, 46);
  t.feed(r.render(s, 80, 44));
  EXPECT_EQ(r.view_top(), 11);
  s.set_cursor(5, 40);
  s.set_window_height(44);
  t.feed(r.render(s, 80, 44));
  EXPECT_EQ(r.view_top(), 0);
  TerminalModel petit(80, 10);
  Renderer r2;
  petit.feed(r2.render(s, 80, 10));
  s.set_window_height(55);
  s.set_cursor(0, 44);
  petit.feed(r2.render(s, 80, 10));
  EXPECT_EQ(r2.view_top(), 44);
  EXPECT_EQ(petit.row(0), "row 44");
}

}  // namespace
