// The terminal itself: raw mode, the alternate screen, the keyboard
// protocols that report Ctrl+Enter and friends, and putting all of it back
// on every way out (normal exit, SIGTERM, SIGHUP, SIGINT, a crash).
#pragma once

#include <string>
#include <string_view>

namespace platform {

class Terminal {
 public:
  Terminal(int in_fd, int out_fd) : in_(in_fd), out_(out_fd) {}
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;
  ~Terminal() { leave(); }

  // Takes the terminal over; false (with the reason) when in_fd is not one.
  // Only one terminal can be taken over at a time.
  bool enter(std::string& error);
  // Gives it back as it was found. Safe to call more than once.
  void leave();

  void write_all(std::string_view bytes);
  // Columns and rows of the terminal's window (80 x 24 when unknown).
  void size(int& columns, int& rows) const;

  int input_fd() const { return in_; }
  // Becomes readable when the window was resized; take_resize() clears it.
  int resize_fd() const;
  bool take_resize();
  // Becomes readable when SIGHUP or SIGTERM arrived; end_signal() names it.
  int end_fd() const;
  int end_signal() const;
  // Gives the terminal back and ends the process by that signal.
  [[noreturn]] void die_of(int sig);

  // What enter() sends and leave() undoes, for the tests and the benchmarks.
  static const char* const kEnterSequence;
  static const char* const kLeaveSequence;

 private:
  int in_, out_;
  bool active_ = false;
};

}  // namespace platform
