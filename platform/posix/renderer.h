// Mirrors the visible part of the screen buffer to a terminal. It remembers
// what the terminal shows and sends only the cells that changed, then puts
// the terminal cursor on the logical cursor (screen readers read the line
// under it). Pure: it returns the bytes, the caller writes them.
#pragma once

#include <string>
#include <vector>

#include "platform/screen_buffer.h"

namespace platform {

class Renderer {
 public:
  // Bytes that bring a terminal of the given size from what it showed
  // after the last call to the buffer's visible window. When the terminal
  // is smaller than the window, the part shown follows the cursor.
  std::string render(const ScreenBuffer& screen, int terminal_columns, int terminal_rows);

  // The terminal's content is unknown (resized, drawn over): the next
  // render clears it and draws everything.
  void invalidate() {
    shown_.clear();
    cursor_row_ = -1;
  }

  // Top-left cell of the buffer shown at the terminal's top-left corner.
  int view_top() const { return view_top_; }
  int view_left() const { return view_left_; }

 private:
  std::vector<std::u32string> shown_;  // one string per terminal row
  int shown_columns_ = 0;
  int view_top_ = 0, view_left_ = 0;
  int window_height_ = 0;                     // of the buffer at the last render (0: none yet)
  int cursor_row_ = -1, cursor_column_ = -1;  // where the terminal cursor was left
};

}  // namespace platform
