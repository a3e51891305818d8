// Opening a file in the user's default viewer.
#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// ShellExecute "open" of a path (relative paths from the working
// directory); false when no program is associated or it cannot start.
bool open_in_default_viewer(HWND owner, const std::string& path);

}  // namespace platform::win32
