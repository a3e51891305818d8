// The Windows backend: ties the console, the message box and the clipboard
// to the Backend interface, with the tones, the clock, the libraries and the
// default viewer of Windows itself.
#include "platform/win32/win32_backend.h"

#include <windows.h>

#include <cstdlib>

#include "platform/calendar.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/console.h"
#include "platform/win32/message_box.h"
#include "platform/win32/shell.h"
#include "platform/win32/text.h"
#include "platform/win32/wall_clock.h"

namespace platform {

namespace {

// Beep takes 37 .. 32767 Hz; the program's higher frequencies are pauses.
constexpr int kHighestTone = 20000;

class Win32Backend : public Backend {
 public:
  bool start(std::string& error) { return console_.start(error); }

  // console
  void write(std::string_view s) override { console_.write(s); }
  void set_cursor(int c, int r) override { console_.set_cursor(c, r); }
  int cursor_column() const override { return console_.cursor_column(); }
  int cursor_row() const override { return console_.cursor_row(); }
  void set_window_height(int rows) override { console_.set_window_height(rows); }
  void clear() override { console_.clear(); }
  void set_title(std::string_view title) override { console_.set_title(title); }
  std::string row_text(int row) const override { return console_.row_text(row); }
  int read_keys(KeyEvent* out, int max, int timeout_ms) override {
    return console_.read_keys(out, max, timeout_ms);
  }

  // sound and time
  void beep(int hz, int ms) override {
    if (ms <= 0) return;
    if (hz >= kHighestTone || hz < 37 || !::Beep(static_cast<DWORD>(hz), static_cast<DWORD>(ms)))
      ::Sleep(static_cast<DWORD>(ms));
  }
  void sleep_ms(int ms) override {
    if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
  }
  std::uint32_t tick_ms() override { return static_cast<std::uint32_t>(GetTickCount64()); }
  std::int64_t epoch_ms() override { return win32::now_epoch_ms(); }
  DateTime local_time(std::int64_t ms) override { return win32::local_time(ms); }
  DateTime utc_time(std::int64_t ms) override { return break_down_utc(ms); }

  // dialogs: Windows labels the buttons in its own language.
  int message_box(std::string_view text, std::string_view caption, int style) override {
    return win32::show_message_box(console_.window(), text, caption, style);
  }
  void set_language(int) override {}

  // clipboard
  bool clipboard_set_text(std::string_view utf8) override {
    return win32::clipboard_set_text(console_.window(), utf8);
  }
  std::optional<std::string> clipboard_text() override {
    return win32::clipboard_text(console_.window());
  }
  std::optional<std::vector<std::string>> clipboard_files() override {
    return win32::clipboard_files(console_.window());
  }

  // libraries: the screen readers' own DLLs, found beside the program or
  // in the working directory.
  void* load_library(const char* name) override {
    if (!name) return nullptr;
    return reinterpret_cast<void*>(LoadLibraryW(win32::to_utf16(name).c_str()));
  }
  void* library_symbol(void* library, const char* name) override {
    if (!library || !name) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
  }
  void unload_library(void* library) override {
    if (library) FreeLibrary(static_cast<HMODULE>(library));
  }

  // shell
  bool open_in_viewer(const std::string& path) override {
    bool opened = win32::open_in_default_viewer(console_.window(), path);
    // A console viewer may have changed the input mode: window input only again.
    console_.restore_input_mode();
    return opened;
  }

  [[noreturn]] void exit_process(int code) override {
    console_.restore();
    std::exit(code);
  }

 private:
  win32::Console console_;
};

}  // namespace

std::unique_ptr<Backend> make_win32_backend(std::string& error) {
  auto backend = std::make_unique<Win32Backend>();
  if (!backend->start(error)) return nullptr;
  return backend;
}

}  // namespace platform
