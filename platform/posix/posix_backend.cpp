// The terminal backend: ties the terminal, the input decoder, the renderer,
// the message box, the tones, the clipboard and the viewer to the Backend
// interface.
#include "platform/posix/posix_backend.h"

#include <dlfcn.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <deque>

#include "platform/calendar.h"
#include "platform/posix/clipboard.h"
#include "platform/posix/input_decoder.h"
#include "platform/posix/message_box.h"
#include "platform/posix/process.h"
#include "platform/posix/renderer.h"
#include "platform/posix/screen_reader.h"
#include "platform/posix/terminal.h"
#include "platform/posix/tones.h"
#include "platform/posix/viewer.h"
#include "platform/screen_buffer.h"

namespace platform {

namespace {

constexpr int kClipboardTimeoutMs = 3000;

std::int64_t monotonic_ms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
}

class PosixBackend : public Backend {
 public:
  PosixBackend(int in_fd, int out_fd)
      : terminal_(in_fd, out_fd),
        runner_(make_process_runner(kClipboardTimeoutMs)),
        clipboard_(*runner_, Clipboard::session_from_environment()) {}

  bool start(std::string& error) {
    if (!terminal_.enter(error)) return false;
    terminal_.size(columns_, rows_);
    return true;
  }

  // console
  void write(std::string_view s) override { screen_.write(s); }
  void set_cursor(int c, int r) override { screen_.set_cursor(c, r); }
  int cursor_column() const override { return screen_.cursor_column(); }
  int cursor_row() const override { return screen_.cursor_row(); }
  void set_window_height(int rows) override { screen_.set_window_height(rows); }
  void clear() override { screen_.clear(); }
  void set_title(std::string_view title) override {
    // Control characters could end the sequence early and inject others.
    std::string safe;
    for (char c : title)
      if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) safe += c;
    terminal_.write_all("\x1b]2;" + safe + "\x07");
  }
  std::string row_text(int row) const override { return screen_.row_text(row); }

  int read_keys(KeyEvent* out, int max, int timeout_ms) override {
    // What the program shows from now on answers another key or another
    // second, so it no longer joins the braille message shown.
    screen_reader::input_awaited();
    if (queue_.empty()) wait_for_keys(timeout_ms);
    int n = 0;
    while (n < max && !queue_.empty()) {
      out[n++] = queue_.front();
      queue_.pop_front();
    }
    return n;
  }

  // sound and time
  void beep(int hz, int ms) override {
    flush();
    tones_.beep(hz, ms);
  }
  void sleep_ms(int ms) override {
    flush();
    if (ms <= 0) return;
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
  }
  std::uint32_t tick_ms() override { return static_cast<std::uint32_t>(monotonic_ms()); }
  std::int64_t epoch_ms() override {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
  }
  DateTime local_time(std::int64_t ms) override {
    time_t s = static_cast<time_t>(ms / 1000);
    tm b;
    localtime_r(&s, &b);
    return DateTime{b.tm_year + 1900,
                    b.tm_mon + 1,
                    b.tm_mday,
                    b.tm_hour,
                    b.tm_min,
                    b.tm_sec,
                    static_cast<int>(ms % 1000),
                    b.tm_wday};
  }
  DateTime utc_time(std::int64_t ms) override { return break_down_utc(ms); }

  // dialogs: drawn over the screen, which is put back afterwards
  int message_box(std::string_view text, std::string_view caption, int style) override {
    MessageBox box(text, caption, style, language_);
    ScreenBuffer saved = screen_;
    flush();  // places the view, which the box is centred in
    int view_rows = std::min(rows_, screen_.window_height());
    box.draw(screen_, renderer_.view_top(), view_rows);
    int result = 0;
    while (!result) {
      KeyEvent k;
      if (read_keys(&k, 1, -1) == 0) continue;
      if (!k.key_down) continue;
      result = box.answer(k);
      if (!result) tones_.beep(2000, 50);  // a key the box does not take
    }
    screen_ = saved;
    flush();
    return result;
  }
  void set_language(int lang) override {
    language_ = lang;
    screen_reader::set_language(lang);
  }

  // clipboard
  bool clipboard_set_text(std::string_view utf8) override { return clipboard_.set_text(utf8); }
  std::optional<std::string> clipboard_text() override { return clipboard_.text(); }
  std::optional<std::vector<std::string>> clipboard_files() override { return clipboard_.files(); }

  // libraries: the one place where a name becomes a library. Built-in
  // adapters that serve a library name themselves are looked up here first.
  void* load_library(const char* name) override {
    if (!name) return nullptr;
    if (screen_reader::serves(name)) return screen_reader::load(name);
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
  }
  void* library_symbol(void* library, const char* name) override {
    if (screen_reader::owns(library)) return screen_reader::symbol(library, name);
    return library && name ? dlsym(library, name) : nullptr;
  }
  void unload_library(void* library) override {
    if (screen_reader::owns(library)) return screen_reader::unload(library);
    if (library) dlclose(library);
  }

  // shell
  bool open_in_viewer(const std::string& path) override { return open_in_default_viewer(path); }

  [[noreturn]] void exit_process(int code) override {
    terminal_.leave();
    std::_Exit(code);
  }

 private:
  // Shows what changed, so the screen is current whenever the program waits.
  void flush() {
    std::string bytes = renderer_.render(screen_, columns_, rows_);
    if (!bytes.empty()) terminal_.write_all(bytes);
  }

  // SIGHUP or SIGTERM: the program saves what it must, then the process ends
  // by that signal, as it would have without the save.
  [[noreturn]] void end_session(int sig) {
    run_session_end_hook();
    terminal_.die_of(sig);
  }

  // Blocks in poll until keys arrive, the window is resized (redrawn, then
  // waiting goes on) or the time runs out; never spins.
  void wait_for_keys(int timeout_ms) {
    flush();
    reap_detached();
    std::int64_t deadline = timeout_ms >= 0 ? monotonic_ms() + timeout_ms : -1;
    std::vector<KeyEvent> keys;
    for (;;) {
      int wait = -1;
      if (deadline >= 0)
        wait = static_cast<int>(std::max<std::int64_t>(0, deadline - monotonic_ms()));
      if (decoder_.pending() && (wait < 0 || wait > kEscapeTimeoutMs)) wait = kEscapeTimeoutMs;
      // poll skips the entries whose descriptor is negative.
      pollfd fds[3] = {{terminal_.input_fd(), POLLIN, 0},
                       {terminal_.resize_fd(), POLLIN, 0},
                       {terminal_.end_fd(), POLLIN, 0}};
      int r = poll(fds, 3, wait);
      if (r < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (r > 0 && fds[2].fd >= 0 && fds[2].revents) end_session(terminal_.end_signal());
      if (r > 0 && fds[1].fd >= 0 && fds[1].revents && terminal_.take_resize()) {
        terminal_.size(columns_, rows_);
        renderer_.invalidate();
        flush();
      }
      if (r > 0 && fds[0].revents) {
        char buf[512];
        ssize_t n = ::read(terminal_.input_fd(), buf, sizeof buf);
        if (n > 0) {
          decoder_.feed(std::string_view(buf, static_cast<std::size_t>(n)), keys);
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
          // The terminal went away without a hang-up signal: nobody can
          // answer any more, and spinning on it would burn the processor.
          run_session_end_hook();
          exit_process(1);
        }
      } else if (r == 0 && decoder_.pending()) {
        decoder_.expire(keys);
      }
      if (!keys.empty()) {
        queue_.insert(queue_.end(), keys.begin(), keys.end());
        return;
      }
      if (deadline >= 0 && monotonic_ms() >= deadline && !decoder_.pending()) return;
    }
  }

  Terminal terminal_;
  InputDecoder decoder_;
  Renderer renderer_;
  ScreenBuffer screen_;
  TonePlayer tones_;
  std::unique_ptr<CommandRunner> runner_;
  Clipboard clipboard_;
  std::deque<KeyEvent> queue_;
  int columns_ = 80, rows_ = 24;
  int language_ = 1;
};

}  // namespace

std::unique_ptr<Backend> make_terminal_backend(int in_fd, int out_fd, std::string& error) {
  auto backend = std::make_unique<PosixBackend>(in_fd, out_fd);
  if (!backend->start(error)) return nullptr;
  return backend;
}

std::unique_ptr<Backend> make_posix_backend(std::string& error) {
  return make_terminal_backend(STDIN_FILENO, STDOUT_FILENO, error);
}

}  // namespace platform
