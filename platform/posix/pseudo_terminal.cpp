#include "platform/posix/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace platform {

PseudoTerminal::PseudoTerminal(int columns, int rows) {
  winsize ws{};
  ws.ws_col = static_cast<unsigned short>(columns);
  ws.ws_row = static_cast<unsigned short>(rows);
  if (openpty(&master_, &slave_, nullptr, nullptr, &ws) != 0) master_ = slave_ = -1;
}

PseudoTerminal::~PseudoTerminal() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

void PseudoTerminal::send(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(master_, bytes.data(), bytes.size());
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

std::string PseudoTerminal::receive(int timeout_ms) {
  std::string out;
  pollfd p{master_, POLLIN, 0};
  int wait = timeout_ms;
  while (poll(&p, 1, wait) > 0) {
    char buf[4096];
    ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) break;
    out.append(buf, static_cast<std::size_t>(n));
    wait = 0;  // take what is there, do not wait for more
  }
  return out;
}

}  // namespace platform
