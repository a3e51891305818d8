// The braille display beside the speech: one thread owns the BrlAPI
// connection. It shows a message a window at a time and pans through it when
// the user presses the display's own panning keys, so nothing is cut at the
// display's width and the main loop never waits on the display.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/screen_reader.h"
#include "platform/posix/screen_reader_modules.h"

namespace platform::screen_reader {

namespace {

using KeyCode = std::uint64_t;

constexpr int kTtyDefault = -1;
constexpr int kCursorOff = 0;
constexpr int kRangeAll = 0;  // the key ranges of brlapi_acceptKeys/ignoreKeys
constexpr int kRangeKey = 3;  // one key, whatever its flags
// A key code: flags in the high 32 bits, the type in bits 29-31, then the
// command (block and argument) below it.
constexpr KeyCode kTypeMask = 0xE0000000;
constexpr KeyCode kTypeCommand = 0x20000000;
constexpr KeyCode kCommandMask = 0x1FFFFFFF;
// A joined message never grows past what one announcement can hold.
constexpr std::size_t kLongest = 4096;

enum class Pan { kBack, kForward, kFirst, kLast };

// The display's commands that move through the message, by their BrlAPI
// numbers (the names are BrlAPI's): the window keys and their skipping forms,
// the line keys of one-line displays, top and bottom.
struct PanKey {
  KeyCode command;
  Pan pan;
};
constexpr PanKey kPanKeys[] = {
    {23, Pan::kBack},     // FWINLT
    {25, Pan::kBack},     // FWINLTSKIP
    {1, Pan::kBack},      // LNUP
    {24, Pan::kForward},  // FWINRT
    {26, Pan::kForward},  // FWINRTSKIP
    {2, Pan::kForward},   // LNDN
    {9, Pan::kFirst},     // TOP
    {11, Pan::kFirst},    // TOP_LEFT
    {10, Pan::kLast},     // BOT
    {12, Pan::kLast},     // BOT_LEFT
};

using ExceptionHandler = void (*)(int, std::uint32_t, const void*, std::size_t);
struct BrlapiApi {
  void* lib = nullptr;
  int (*open)(const void*, void*) = nullptr;
  int (*enter_tty)(int, const char*) = nullptr;
  int (*leave_tty)() = nullptr;
  void (*close)() = nullptr;
  ExceptionHandler (*set_handler)(ExceptionHandler) = nullptr;
  int (*display_size)(unsigned*, unsigned*) = nullptr;
  int (*write_wtext)(int, const wchar_t*) = nullptr;
  int (*read_key)(int, KeyCode*) = nullptr;
  int (*ignore_keys)(int, const KeyCode*, unsigned) = nullptr;
  int (*accept_keys)(int, const KeyCode*, unsigned) = nullptr;
} brl;

std::atomic<bool> connected{false};
// Set when the speech was cut off or the program went back to waiting for
// input: the next message replaces the one shown instead of joining it.
std::atomic<bool> replace_next{true};

struct Message {
  std::u32string text;
  bool replaces;
};

std::mutex mutex;
std::deque<Message> pending;
bool stopping = false;
int wake_pipe[2] = {-1, -1};
std::thread worker;

// Without a handler libbrlapi aborts the whole program on a protocol error;
// losing the display must only lose braille.
void on_error(int, std::uint32_t, const void*, std::size_t) { connected = false; }

// The message on the display and the window of it that is shown. Windows end
// at a blank where they can, so that no word is split between two of them.
class Pages {
 public:
  void take(std::u32string text, bool replaces) {
    if (!replaces && !text_.empty() && text_.size() + 1 + text.size() <= kLongest) {
      text_ += U' ';
      text_ += text;
      return;
    }
    text_ = std::move(text);
    if (text_.size() > kLongest) text_.resize(kLongest);
    start_ = 0;
  }

  // False when the window stays where it is (an end of the message).
  bool pan(Pan pan, std::size_t width) {
    auto starts = window_starts(width);
    std::size_t i = current(starts);
    std::size_t to = i;
    switch (pan) {
      case Pan::kBack:
        to = i > 0 ? i - 1 : 0;
        break;
      case Pan::kForward:
        to = std::min(i + 1, starts.size() - 1);
        break;
      case Pan::kFirst:
        to = 0;
        break;
      case Pan::kLast:
        to = starts.size() - 1;
        break;
    }
    bool moved = starts[to] != start_;
    start_ = starts[to];
    return moved;
  }

  std::wstring window(std::size_t width) const {
    auto starts = window_starts(width);
    std::size_t i = current(starts);
    std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text_.size();
    std::size_t length = std::min(width, end - starts[i]);
    return std::wstring(text_.begin() + static_cast<std::ptrdiff_t>(starts[i]),
                        text_.begin() + static_cast<std::ptrdiff_t>(starts[i] + length));
  }

 private:
  std::vector<std::size_t> window_starts(std::size_t width) const {
    std::vector<std::size_t> starts{0};
    if (width == 0) return starts;
    std::size_t at = 0;
    while (at + width < text_.size()) {
      std::size_t end = at + width;
      if (text_[end] != U' ') {
        std::size_t blank = text_.rfind(U' ', end - 1);
        if (blank != std::u32string::npos && blank > at) end = blank;
      }
      while (end < text_.size() && text_[end] == U' ') ++end;
      if (end >= text_.size()) break;
      starts.push_back(end);
      at = end;
    }
    return starts;
  }

  // The window holding start_ (the display's width may have changed).
  std::size_t current(const std::vector<std::size_t>& starts) const {
    auto it = std::upper_bound(starts.begin(), starts.end(), start_);
    return static_cast<std::size_t>(it - starts.begin()) - 1;
  }

  std::u32string text_;
  std::size_t start_ = 0;
};

std::size_t display_width() {
  unsigned x = 0, y = 0;
  if (brl.display_size(&x, &y) < 0) return 0;
  return x;
}

// Only the panning keys are taken from the display; every other key goes on
// doing what brltty makes it do.
bool take_pan_keys() {
  std::vector<KeyCode> keys;
  for (const auto& k : kPanKeys) keys.push_back(kTypeCommand | k.command);
  return brl.ignore_keys(kRangeAll, nullptr, 0) >= 0 &&
         brl.accept_keys(kRangeKey, keys.data(), static_cast<unsigned>(keys.size())) >= 0;
}

// The connection's socket, or -1 without a display.
int connect() {
  for (const auto& name : options().brlapi_libraries) {
    brl.lib = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (brl.lib) break;
  }
  if (!brl.lib) return -1;
  bool found = resolve(brl.lib, "brlapi_openConnection", brl.open) &&
               resolve(brl.lib, "brlapi_enterTtyMode", brl.enter_tty) &&
               resolve(brl.lib, "brlapi_leaveTtyMode", brl.leave_tty) &&
               resolve(brl.lib, "brlapi_closeConnection", brl.close) &&
               resolve(brl.lib, "brlapi_setExceptionHandler", brl.set_handler) &&
               resolve(brl.lib, "brlapi_getDisplaySize", brl.display_size) &&
               resolve(brl.lib, "brlapi_writeWText", brl.write_wtext) &&
               resolve(brl.lib, "brlapi_readKey", brl.read_key) &&
               resolve(brl.lib, "brlapi_ignoreKeys", brl.ignore_keys) &&
               resolve(brl.lib, "brlapi_acceptKeys", brl.accept_keys);
  if (found) {
    brl.set_handler(on_error);
    connected = true;  // cleared by the handler on a protocol error
    int fd = brl.open(nullptr, nullptr);
    if (fd >= 0) {
      if (brl.enter_tty(kTtyDefault, nullptr) >= 0 && take_pan_keys() && connected) return fd;
      brl.close();
    }
  }
  connected = false;
  dlclose(brl.lib);
  brl = {};
  return -1;
}

// Moves what the main thread queued into pages; false when the thread must end.
bool take_pending(Pages& pages, bool& changed) {
  char drained[64];
  while (::read(wake_pipe[0], drained, sizeof drained) > 0) {
  }
  std::lock_guard lock(mutex);
  changed = !pending.empty();
  for (auto& m : pending) pages.take(std::move(m.text), m.replaces);
  pending.clear();
  return !stopping;
}

void run(std::promise<bool>* ready) {
  // A display that went away must not end the program with SIGPIPE.
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
  int fd = connect();
  ready->set_value(fd >= 0);
  if (fd < 0) return;
  Pages pages;
  for (;;) {
    pollfd fds[2] = {{wake_pipe[0], POLLIN, 0}, {connected ? fd : -1, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
    bool show = false;
    if (!take_pending(pages, show)) break;
    // Keys that came while a text was being written wait inside the library:
    // they are read after every pass, not only when the socket stirs.
    KeyCode code = 0;
    int got = 0;
    while (connected && (got = brl.read_key(0, &code)) > 0) {
      if ((code & kTypeMask) != kTypeCommand) continue;
      for (const auto& k : kPanKeys)
        if ((code & kCommandMask) == k.command) show |= pages.pan(k.pan, display_width());
    }
    if (got < 0) connected = false;  // the server went away
    std::size_t width = show && connected ? display_width() : 0;
    // Writing to a display of no cells is a protocol error.
    if (width > 0) brl.write_wtext(kCursorOff, pages.window(width).c_str());
  }
  if (connected) brl.leave_tty();
  brl.close();
  connected = false;
}

void wake() {
  char c = 1;
  // A full pipe already holds a wake.
  [[maybe_unused]] auto n = ::write(wake_pipe[1], &c, 1);
}

}  // namespace

bool braille_open() {
  if (pipe(wake_pipe) != 0) return false;
  for (int fd : wake_pipe) {
    fcntl(fd, F_SETFL, O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  pending.clear();
  stopping = false;
  replace_next = true;
  std::promise<bool> started;
  auto answer = started.get_future();
  worker = std::thread(run, &started);
  if (answer.get()) return true;
  braille_close();
  return false;
}

void braille_close() {
  if (worker.joinable()) {
    {
      std::lock_guard lock(mutex);
      stopping = true;
    }
    wake();
    worker.join();
  }
  if (brl.lib) dlclose(brl.lib);
  brl = {};
  for (int& fd : wake_pipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  pending.clear();
}

void braille_show(std::u32string text) {
  bool replaces = replace_next.exchange(false);
  if (!connected) return;
  {
    std::lock_guard lock(mutex);
    pending.push_back({std::move(text), replaces});
  }
  wake();
}

void braille_cut() { replace_next = true; }

bool braille_live() { return connected; }

void input_awaited() { replace_next = true; }

}  // namespace platform::screen_reader
