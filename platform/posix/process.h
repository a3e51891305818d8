// Starting helper programs without a shell: the clipboard tools (waited for,
// with a time limit) and the viewer (detached, never waited for).
#pragma once

#include <string>
#include <vector>

namespace platform {

// Whether `program` names an executable file on PATH (or is a path to one).
bool find_in_path(const std::string& program);

// Starts argv in a session of its own with its standard streams on
// /dev/null and returns at once. False when it could not be started.
bool spawn_detached(const std::vector<std::string>& argv);

// Collects the detached programs that have ended, so none is left a zombie.
void reap_detached();

}  // namespace platform
