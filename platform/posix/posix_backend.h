// The POSIX terminal backend.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

// Takes over the terminal on standard input and output (raw mode, alternate
// screen). Fails, with a reason in `error`, when either is not a terminal.
std::unique_ptr<Backend> make_posix_backend(std::string& error);

// The same on given descriptors (a pseudo-terminal in the benchmarks).
std::unique_ptr<Backend> make_terminal_backend(int in_fd, int out_fd, std::string& error);

// How long an Esc waits for the rest of a sequence before it counts as the
// Esc key.
constexpr int kEscapeTimeoutMs = 50;

}  // namespace platform
