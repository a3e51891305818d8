#include "platform/screen_buffer.h"

#include <gtest/gtest.h>

#include <vector>

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
  const struct {
    std::int64_t ms;
    std::vector<int> atteso;  // year, month, day, hour, minute, second, ms, weekday
  } casi[] = {{0, {1970, 1, 1, 0, 0, 0, 0, 4}},
              {951'782'400'123, {2000, 2, 29, 0, 0, 0, 123, 2}},  // a leap day, a Tuesday
              {1'798'761'599'000, {2026, 12, 31, 23, 59, 59, 0, 4}}};
  for (const auto& c : casi) {
    auto t = platform::break_down_utc(c.ms);
    EXPECT_EQ(
        (std::vector{t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond, t.weekday}),
        c.atteso)
        << c.ms;
  }
}
