#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/platform.h"

namespace platform {

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  int fd = fileno(file);
  // The data and what is needed to read it back (the size): enough before a
  // rename, and cheaper than a full fsync.
  while (fdatasync(fd) != 0) {
    if (errno == EINTR) continue;
    // Pipes, terminals and some file systems cannot sync; their data is as
    // stored as it will ever be.
    return errno == EINVAL || errno == EROFS;
  }
  return true;
}

}  // namespace platform

namespace platform {

bool replace_file(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
