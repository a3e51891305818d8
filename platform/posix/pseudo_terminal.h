// A pseudo-terminal pair, for driving the terminal backend from a benchmark
// or a test the way a terminal emulator would: bytes typed go in at the
// master side, what the program draws comes out there.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class PseudoTerminal {
 public:
  // Opens the pair with a window of the given size; ok() tells if it worked.
  PseudoTerminal(int columns, int rows);
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;
  ~PseudoTerminal();

  bool ok() const { return master_ >= 0 && slave_ >= 0; }
  int slave_fd() const { return slave_; }  // the program's side

  // Types bytes, as the terminal would send them for keys.
  void send(std::string_view bytes);
  // What the program wrote, waiting up to timeout_ms for the first byte.
  std::string receive(int timeout_ms);

 private:
  int master_ = -1, slave_ = -1;
};

}  // namespace platform
