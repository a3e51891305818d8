// Files stored safely on Windows: data forced to the disk before a rename,
// and a rename that replaces an existing file (std::rename does not).
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "platform/platform.h"
#include "platform/win32/text.h"

namespace platform {

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE) return false;
  // Consoles and pipes cannot be flushed; their data is as stored as it gets.
  if (GetFileType(handle) != FILE_TYPE_DISK) return true;
  return FlushFileBuffers(handle) != 0;
}

bool replace_file(const std::string& from, const std::string& to) {
  if (MoveFileExW(win32::to_utf16(from).c_str(), win32::to_utf16(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}

}  // namespace platform
