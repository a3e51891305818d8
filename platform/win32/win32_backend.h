// The Windows console backend.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

// Takes over the process's console (UTF-8 code pages, window input only,
// an 80 x 300 buffer). Fails, with a reason in `error`, without a console.
std::unique_ptr<Backend> make_win32_backend(std::string& error);

}  // namespace platform
