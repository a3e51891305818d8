#include "platform/posix/terminal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

// Title saved on the terminal's stack, alternate screen, kitty keyboard
// flags (disambiguate) and xterm modifyOtherKeys level 2, no autowrap, clear.
const char* const Terminal::kEnterSequence =
    "\x1b[22;0t\x1b[?1049h\x1b[>1u\x1b[>4;2m\x1b[?7l\x1b[H\x1b[2J";
// The kitty flags belong to the alternate screen: pop them before leaving it.
const char* const Terminal::kLeaveSequence =
    "\x1b[<u\x1b[>4m\x1b[?7h\x1b[?25h\x1b[?1049l\x1b[23;0t";

namespace {

// What a signal handler needs to put the terminal back: plain data only.
struct SavedState {
  volatile sig_atomic_t active = 0;
  int in_fd = -1, out_fd = -1;
  termios saved{};
};
SavedState g_state;
int g_resize_pipe[2] = {-1, -1};
// SIGHUP and SIGTERM end the session under the program: the main loop is woken
// through this pipe to save the game before it ends. A second one ends at once.
int g_end_pipe[2] = {-1, -1};
volatile sig_atomic_t g_end_signal = 0;

constexpr int kFatalSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV,
                                 SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int kEndSignals[] = {SIGTERM, SIGHUP};
struct sigaction g_previous[sizeof kFatalSignals / sizeof kFatalSignals[0]];
alignas(16) char g_alt_stack[64 * 1024];

// Async-signal-safe: write() and tcsetattr() only.
void restore_now() {
  if (!g_state.active) return;
  g_state.active = 0;
  const char* s = Terminal::kLeaveSequence;
  std::size_t n = std::strlen(s);
  while (n > 0) {
    ssize_t w = ::write(g_state.out_fd, s, n);
    if (w <= 0 && errno != EINTR) break;
    if (w > 0) {
      s += w;
      n -= static_cast<std::size_t>(w);
    }
  }
  tcsetattr(g_state.in_fd, TCSAFLUSH, &g_state.saved);
}

void on_fatal_signal(int sig) {
  int saved_errno = errno;
  restore_now();
  // SA_RESETHAND put the default action back: die of the same signal.
  errno = saved_errno;
  raise(sig);
}

void on_end_signal(int sig) {
  if (g_end_signal != 0 || g_end_pipe[1] < 0) {
    signal(sig, SIG_DFL);
    on_fatal_signal(sig);
    return;
  }
  int saved_errno = errno;
  g_end_signal = sig;
  char c = 1;
  (void)!::write(g_end_pipe[1], &c, 1);
  errno = saved_errno;
}

void on_resize(int) {
  int saved_errno = errno;
  char c = 1;
  if (g_resize_pipe[1] >= 0) (void)!::write(g_resize_pipe[1], &c, 1);
  errno = saved_errno;
}

void restore_at_exit() { restore_now(); }

void install_handlers() {
  static bool once = false;
  if (once) return;
  once = true;
  stack_t ss{};
  ss.ss_sp = g_alt_stack;
  ss.ss_size = sizeof g_alt_stack;
  sigaltstack(&ss, nullptr);  // so a stack overflow can still restore
  struct sigaction sa {};
  sa.sa_handler = on_fatal_signal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND | SA_ONSTACK;
  for (std::size_t i = 0; i < sizeof kFatalSignals / sizeof kFatalSignals[0]; ++i)
    sigaction(kFatalSignals[i], &sa, &g_previous[i]);
  if (pipe2(g_end_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
    struct sigaction ea {};
    ea.sa_handler = on_end_signal;
    sigemptyset(&ea.sa_mask);
    ea.sa_flags = SA_RESTART | SA_ONSTACK;
    for (int sig : kEndSignals) sigaction(sig, &ea, nullptr);
  }
  if (pipe2(g_resize_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
    struct sigaction wa {};
    wa.sa_handler = on_resize;
    sigemptyset(&wa.sa_mask);
    wa.sa_flags = SA_RESTART;
    sigaction(SIGWINCH, &wa, nullptr);
  }
  std::atexit(restore_at_exit);
}

}  // namespace

bool Terminal::enter(std::string& error) {
  if (!isatty(in_) || !isatty(out_)) {
    error = "standard input and output must be a terminal";
    return false;
  }
  if (g_state.active) {
    error = "the terminal is already in use";
    return false;
  }
  termios saved;
  if (tcgetattr(in_, &saved) != 0) {
    error = std::string("cannot read the terminal settings: ") + std::strerror(errno);
    return false;
  }
  install_handlers();
  g_state.in_fd = in_;
  g_state.out_fd = out_;
  g_state.saved = saved;
  termios raw = saved;
  // No echo, no line editing, no signals or XON/XOFF from keys, 8-bit input.
  cfmakeraw(&raw);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(in_, TCSAFLUSH, &raw) != 0) {
    error = std::string("cannot set raw mode: ") + std::strerror(errno);
    return false;
  }
  g_state.active = 1;
  active_ = true;
  write_all(kEnterSequence);
  return true;
}

void Terminal::leave() {
  if (!active_) return;
  active_ = false;
  restore_now();
}

void Terminal::write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(out_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the terminal is gone; nothing more can be shown
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void Terminal::size(int& columns, int& rows) const {
  winsize ws{};
  if (ioctl(out_, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0) {
    columns = ws.ws_col;
    rows = ws.ws_row;
  } else {
    columns = 80;
    rows = 24;
  }
}

int Terminal::resize_fd() const { return g_resize_pipe[0]; }

int Terminal::end_fd() const { return g_end_pipe[0]; }

int Terminal::end_signal() const { return g_end_signal; }

void Terminal::die_of(int sig) {
  leave();
  signal(sig, SIG_DFL);
  raise(sig);
  std::_Exit(128 + sig);
}

bool Terminal::take_resize() {
  bool any = false;
  char buf[64];
  while (g_resize_pipe[0] >= 0 && ::read(g_resize_pipe[0], buf, sizeof buf) > 0) any = true;
  return any;
}

}  // namespace platform
