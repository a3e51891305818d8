// The Windows console the program runs in: UTF-8 code pages, window input
// only, a screen buffer of 80 x 300, written and read with the console API.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform::win32 {

class Console {
 public:
  // Takes over the process's console; fails, with a reason, when the
  // process has none (its standard handles are not a console).
  bool start(std::string& error);
  // Puts back the input mode and the code pages found at start.
  void restore();
  // Window input only again, after something else may have changed it.
  void restore_input_mode();

  void write(std::string_view utf8);
  void set_cursor(int column, int row);
  int cursor_column() const;
  int cursor_row() const;
  // The window shows rows 0 .. rows-1 of the buffer, 80 columns wide.
  void set_window_height(int rows);
  void clear();
  void set_title(std::string_view utf8);
  std::string row_text(int row) const;

  // Blocks on the input handle until key events arrive or the time runs
  // out (negative: no limit), then hands out at most max of them.
  int read_keys(KeyEvent* out, int max, int timeout_ms);

  HWND window() const { return window_; }

 private:
  void fill_queue(int timeout_ms);

  HANDLE in_ = INVALID_HANDLE_VALUE, out_ = INVALID_HANDLE_VALUE;
  HWND window_ = nullptr;
  DWORD saved_mode_ = 0;
  UINT saved_input_cp_ = 0, saved_output_cp_ = 0;
  bool started_ = false;
  wchar_t pending_high_ = 0;
  std::deque<KeyEvent> queue_;
};

}  // namespace platform::win32
