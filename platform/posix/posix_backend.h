// The POSIX terminal backend.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

// Takes over the terminal (raw mode, alternate screen). Fails, with a reason
// in `error`, when standard input or output is not a terminal.
std::unique_ptr<Backend> make_posix_backend(std::string& error);

}  // namespace platform
