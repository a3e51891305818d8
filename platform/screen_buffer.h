// The console's screen buffer: 80 columns by 300 rows of characters, written
// at a cursor the way a Windows console writes text. Both the terminal backend
// and the fake keep one; the terminal mirrors its visible window.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform {

class ScreenBuffer {
 public:
  ScreenBuffer();

  // Writes UTF-8 text at the cursor: \n goes to the start of the next row,
  // \r to the start of this one, \b one column back (erasing nothing), \t to
  // the next multiple of 8. Text wraps at column 80; past the last row the
  // buffer scrolls up by one row. A malformed byte shows as '?'.
  void write(std::string_view utf8);
  void clear();
  void set_cursor(int column, int row);
  int cursor_column() const { return column_; }
  int cursor_row() const { return row_; }

  // The visible window: `height` rows starting at `top`, kept around the cursor.
  void set_window_height(int rows);
  int window_height() const { return height_; }
  int window_top() const { return top_; }

  char32_t cell(int column, int row) const { return cells_[row][column]; }
  std::string row_text(int row) const;  // UTF-8, trailing blanks removed

  // Bumped on every change, so a renderer can skip work when nothing moved.
  unsigned generation() const { return generation_; }

 private:
  void put(char32_t c);
  void newline();
  void follow_cursor();

  std::array<std::array<char32_t, kScreenColumns>, kScreenRows> cells_;
  int column_ = 0, row_ = 0;
  int height_ = 44, top_ = 0;
  unsigned generation_ = 0;
};

// Appends the UTF-8 form of one code point.
void append_utf8(std::string& out, char32_t c);

}  // namespace platform
