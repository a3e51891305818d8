// Opening a file in the user's default viewer.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The command that opens `path`: xdg-open with the path as its one
// argument. A name that starts with '-' gets "./" so it is not an option.
std::vector<std::string> viewer_command(const std::string& path);

// Starts the viewer detached and without a shell; never waits for it.
bool open_in_default_viewer(const std::string& path);

}  // namespace platform
