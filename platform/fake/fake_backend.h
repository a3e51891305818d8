// A backend for tests: the real screen buffer, scripted keys and dialog
// answers, a settable tick and calendar, and a record of every tone, dialog,
// clipboard write, library call and opened file.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/calendar.h"
#include "platform/platform.h"
#include "platform/screen_buffer.h"

namespace platform {

// Thrown by exit_process, so a test can watch the program end.
struct FakeExit {
  int code;
};

class FakeBackend : public Backend {
 public:
  struct Tone { int hz, ms; };
  struct Dialog { std::string text, caption; int style; };
  struct LibraryCall { std::string what, name; };  // "load", "symbol", "unload"

  // ---- scripting ----
  void type(std::string_view text);  // one key press per character
  void press(std::uint16_t vk, std::uint32_t control = 0, char ascii = 0);
  void ctrl(std::uint16_t vk) { press(vk, LEFT_CTRL_PRESSED); }
  void alt(std::uint16_t vk) { press(vk, LEFT_ALT_PRESSED); }
  void answer(int button) { answers.push_back(button); }  // next dialog's result
  void advance(std::uint32_t ms) { tick += ms; now_ms += ms; }

  // ---- reading ----
  std::string row(int n) const { return screen.row_text(n); }
  const Dialog* last_dialog() const { return dialogs.empty() ? nullptr : &dialogs.back(); }

  // ---- state, open for tests to set and inspect ----
  ScreenBuffer screen;
  std::string title;
  std::deque<KeyEvent> keys;
  std::deque<int> answers;          // empty: dialogs answer their default (OK / Yes)
  std::uint32_t tick = 1000;
  std::int64_t now_ms = 1'767'225'600'000;  // 2026-01-01 00:00:00 UTC
  int utc_offset_minutes = 60;              // local time = UTC + this
  int language = 1;
  std::vector<Tone> tones;
  std::vector<int> sleeps;
  std::vector<Dialog> dialogs;
  std::vector<std::string> clipboard_writes;
  std::optional<std::string> clipboard;   // what a paste reads
  std::optional<std::vector<std::string>> copied_files;
  std::vector<LibraryCall> library_calls;
  // name -> entry points offered by a fake library; missing names fail to load
  std::map<std::string, std::map<std::string, void*>> libraries;
  std::vector<std::string> opened_files;
  bool viewer_works = true;
  // Called when read_keys finds the queue empty (a test may add keys or end).
  std::function<void()> on_idle;
  int idle_waits = 0;
  std::vector<int> waits;  // timeouts asked of read_keys

  // ---- Backend ----
  void write(std::string_view utf8) override { screen.write(utf8); }
  void set_cursor(int column, int row) override { screen.set_cursor(column, row); }
  int cursor_column() const override { return screen.cursor_column(); }
  int cursor_row() const override { return screen.cursor_row(); }
  void set_window_height(int rows) override { screen.set_window_height(rows); }
  void clear() override { screen.clear(); }
  void set_title(std::string_view utf8) override { title = utf8; }
  std::string row_text(int row) const override { return screen.row_text(row); }
  int read_keys(KeyEvent* out, int max, int timeout_ms) override;
  void beep(int hz, int ms) override { tones.push_back({hz, ms}); }
  void sleep_ms(int ms) override { sleeps.push_back(ms); advance(ms > 0 ? ms : 0); }
  std::uint32_t tick_ms() override { return tick; }
  std::int64_t epoch_ms() override { return now_ms; }
  DateTime local_time(std::int64_t epoch_ms) override;
  DateTime utc_time(std::int64_t epoch_ms) override;
  int message_box(std::string_view text, std::string_view caption, int style) override;
  void set_language(int lang) override { language = lang; }
  bool clipboard_set_text(std::string_view utf8) override;
  std::optional<std::string> clipboard_text() override { return clipboard; }
  std::optional<std::vector<std::string>> clipboard_files() override { return copied_files; }
  void* load_library(const char* name) override;
  void* library_symbol(void* library, const char* name) override;
  void unload_library(void* library) override;
  bool open_in_viewer(const std::string& path) override;
  [[noreturn]] void exit_process(int code) override { throw FakeExit{code}; }
};

}  // namespace platform
