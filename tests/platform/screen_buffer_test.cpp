#include "platform/screen_buffer.h"

#include <gtest/gtest.h>

#include "platform/calendar.h"

using platform::ScreenBuffer;

TEST(ScreenBuffer, ControlCharactersMoveTheCursorLikeAConsole) {
  ScreenBuffer s;
  s.write("abc\rX\n\tT");
  EXPECT_EQ(s.row_text(0), "Xbc");
  EXPECT_EQ(s.row_text(1), "        T");
  s.write("\b\bZ");
  EXPECT_EQ(s.row_text(1), "       ZT");  // backspace moves, it does not erase
  EXPECT_EQ(s.cursor_column(), 8);
  EXPECT_EQ(s.cursor_row(), 1);
}

TEST(ScreenBuffer, WrapsAtColumn80AndUtf8TakesOneCell) {
  ScreenBuffer s;
  s.write(std::string(79, '-') + "éx");
  EXPECT_EQ(s.row_text(0), std::string(79, '-') + "é");
  EXPECT_EQ(s.row_text(1), "x");
  EXPECT_EQ(s.cursor_column(), 1);
  s.set_cursor(0, 2);
  s.write("♞ñ\xff!");  // a stray byte shows as '?'
  EXPECT_EQ(s.row_text(2), "♞ñ?!");
  EXPECT_EQ(s.cell(1, 2), U'ñ');
}

TEST(ScreenBuffer, ScrollsAtTheLastRowAndTheWindowFollowsTheCursor) {
  ScreenBuffer s;
  s.set_window_height(44);
  EXPECT_EQ(s.window_top(), 0);
  s.set_cursor(0, 50);
  EXPECT_EQ(s.window_top(), 7);
  s.set_cursor(0, 3);
  EXPECT_EQ(s.window_top(), 3);
  // Setting the height puts the window back at the top, as a console does.
  s.set_cursor(0, 20);
  s.set_window_height(55);
  EXPECT_EQ(s.window_top(), 0);
  s.set_window_height(44);
  s.set_cursor(0, 0);
  s.write("first");
  s.set_cursor(0, platform::kScreenRows - 1);
  s.write("last\nnext");
  EXPECT_EQ(s.row_text(platform::kScreenRows - 2), "last");
  EXPECT_EQ(s.row_text(platform::kScreenRows - 1), "next");
  EXPECT_EQ(s.row_text(0), "");  // "first" scrolled off the top
  EXPECT_EQ(s.window_top(), platform::kScreenRows - 44);
}

TEST(Calendar, BreaksDownKnownInstants) {
  auto t = platform::break_down_utc(0);
  EXPECT_EQ(t.year, 1970);
  EXPECT_EQ(t.weekday, 4);
  t = platform::break_down_utc(951'782'400'123);  // 2000-02-29 00:00:00.123, a Tuesday
  EXPECT_EQ(t.year, 2000);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.millisecond, 123);
  EXPECT_EQ(t.weekday, 2);
  t = platform::break_down_utc(1'798'761'599'000);  // 2026-12-31 23:59:59
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 31);
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.second, 59);
}
