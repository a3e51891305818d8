#include "platform/posix/viewer.h"

#include "platform/posix/process.h"

namespace platform {

std::vector<std::string> viewer_command(const std::string& path) {
  std::string argument = (!path.empty() && path[0] == '-') ? "./" + path : path;
  return {"xdg-open", argument};
}

bool open_in_default_viewer(const std::string& path) {
  if (path.empty()) return false;
  return spawn_detached(viewer_command(path));
}

}  // namespace platform
