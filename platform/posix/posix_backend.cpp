// First cut of the terminal backend: raw mode, alternate screen, a full
// redraw before each wait and a minimal key decoder. Tones are silent pauses.
#include "platform/posix/posix_backend.h"

#include <dlfcn.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/calendar.h"
#include "platform/posix/screen_reader.h"
#include "platform/screen_buffer.h"

namespace platform {

namespace {

termios g_saved;
bool g_raw = false;

void put(std::string_view s) {
  while (!s.empty()) {
    ssize_t n = ::write(STDOUT_FILENO, s.data(), s.size());
    if (n <= 0) return;
    s.remove_prefix(static_cast<std::size_t>(n));
  }
}

void restore_terminal() {
  if (!g_raw) return;
  put("\x1b[?1049l\x1b[?25h");
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_saved);
  g_raw = false;
}

class PosixBackend : public Backend {
 public:
  PosixBackend() {
    tcgetattr(STDIN_FILENO, &g_saved);
    termios raw = g_saved;
    cfmakeraw(&raw);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
    g_raw = true;
    std::atexit(restore_terminal);
    put("\x1b[?1049h\x1b[2J");
  }
  ~PosixBackend() override { restore_terminal(); }

  void write(std::string_view s) override { screen_.write(s); }
  void set_cursor(int c, int r) override { screen_.set_cursor(c, r); }
  int cursor_column() const override { return screen_.cursor_column(); }
  int cursor_row() const override { return screen_.cursor_row(); }
  void set_window_height(int rows) override { screen_.set_window_height(rows); }
  void clear() override { screen_.clear(); }
  void set_title(std::string_view t) override { put("\x1b]2;" + std::string(t) + "\x07"); }
  std::string row_text(int row) const override { return screen_.row_text(row); }

  int read_keys(KeyEvent* out, int max, int timeout_ms) override {
    flush();
    pollfd p{STDIN_FILENO, POLLIN, 0};
    if (poll(&p, 1, timeout_ms) <= 0) return 0;
    char buf[64];
    ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n <= 0) return 0;
    std::string_view in(buf, static_cast<std::size_t>(n));
    int count = 0;
    if (in == "\x1b[1;3S") {  // Alt+F4
      out[count++] = KeyEvent{true, VK_F4, 0, LEFT_ALT_PRESSED, 0};
      return count;
    }
    for (char c : in) {
      if (count >= max) break;
      KeyEvent k;
      k.ascii = c;
      if (c == '\r') k.virtual_key = VK_RETURN;
      else if (c == 0x7f) { k.virtual_key = VK_BACK; k.ascii = '\b'; }
      else if (c >= 'a' && c <= 'z') k.virtual_key = static_cast<std::uint16_t>(c - 32);
      else if (c >= 'A' && c <= 'Z') { k.virtual_key = static_cast<std::uint16_t>(c); k.control_state = SHIFT_PRESSED; }
      else if (c >= '0' && c <= '9') k.virtual_key = static_cast<std::uint16_t>(c);
      else continue;
      out[count++] = k;
    }
    return count;
  }

  void beep(int, int ms) override { sleep_ms(ms); }
  void sleep_ms(int ms) override {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {}
  }
  std::uint32_t tick_ms() override {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::uint32_t>(t.tv_sec * 1000 + t.tv_nsec / 1000000);
  }
  std::int64_t epoch_ms() override {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
  }
  DateTime local_time(std::int64_t ms) override {
    time_t s = static_cast<time_t>(ms / 1000);
    tm b;
    localtime_r(&s, &b);
    return DateTime{b.tm_year + 1900, b.tm_mon + 1, b.tm_mday, b.tm_hour, b.tm_min, b.tm_sec,
                    static_cast<int>(ms % 1000), b.tm_wday};
  }
  DateTime utc_time(std::int64_t ms) override { return break_down_utc(ms); }

  int message_box(std::string_view text, std::string_view caption, int style) override {
    // Minimal modal box on the last visible row; y/n/Enter/Esc.
    std::string line = std::string(caption) + ": " + std::string(text);
    for (auto& ch : line) if (ch == '\n') ch = ' ';
    flush();
    put("\x1b[" + std::to_string(screen_.window_height()) + ";1H\x1b[2K" + line);
    for (;;) {
      char c;
      if (::read(STDIN_FILENO, &c, 1) != 1) return IDCANCEL;
      int kind = style & 0x0F;
      if (kind == MB_OK && (c == '\r' || c == 27)) break;
      if (kind != MB_OK && (c == 'y' || c == 's' || c == '\r')) { last_ = IDYES; break; }
      if (kind != MB_OK && c == 'n') { last_ = IDNO; break; }
      if (kind == MB_YESNOCANCEL && c == 27) { last_ = IDCANCEL; break; }
      if (kind == MB_YESNO && c == 27) { last_ = IDNO; break; }
    }
    shown_.clear();  // force a full redraw
    return (style & 0x0F) == MB_OK ? IDOK : last_;
  }
  void set_language(int lang) override { screen_reader::set_language(lang); }

  bool clipboard_set_text(std::string_view) override { return false; }
  std::optional<std::string> clipboard_text() override { return std::nullopt; }
  std::optional<std::vector<std::string>> clipboard_files() override { return std::nullopt; }

  void* load_library(const char* name) override {
    if (screen_reader::serves(name)) return screen_reader::load(name);
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
  }
  void* library_symbol(void* lib, const char* name) override {
    if (screen_reader::owns(lib)) return screen_reader::symbol(lib, name);
    return lib ? dlsym(lib, name) : nullptr;
  }
  void unload_library(void* lib) override {
    if (screen_reader::owns(lib)) return screen_reader::unload(lib);
    if (lib) dlclose(lib);
  }
  bool open_in_viewer(const std::string&) override { return false; }

  [[noreturn]] void exit_process(int code) override {
    restore_terminal();
    std::_Exit(code);
  }

 private:
  void flush() {
    if (!shown_.empty() && generation_ == screen_.generation()) return;
    std::string out = "\x1b[H";
    int top = screen_.window_top();
    for (int r = 0; r < screen_.window_height(); ++r) {
      out += "\x1b[" + std::to_string(r + 1) + ";1H\x1b[2K" + screen_.row_text(top + r);
    }
    out += "\x1b[" + std::to_string(screen_.cursor_row() - top + 1) + ";" +
           std::to_string(screen_.cursor_column() + 1) + "H";
    put(out);
    shown_ = "x";
    generation_ = screen_.generation();
  }

  ScreenBuffer screen_;
  std::string shown_;
  unsigned generation_ = 0;
  int last_ = IDNO;
};

}  // namespace

std::unique_ptr<Backend> make_posix_backend(std::string& error) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    error = "standard input and output must be a terminal";
    return nullptr;
  }
  return std::make_unique<PosixBackend>();
}

}  // namespace platform
