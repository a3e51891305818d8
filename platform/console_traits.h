// What differs between the platforms beyond the Backend: the line end that
// text-mode files get on disk, and whether the platform's screen reader reads
// by itself the console line under the cursor and the message boxes.
#pragma once

namespace platform {

#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
constexpr bool kScreenReaderFollowsConsole = true;
#else
constexpr const char* kLineEnd = "\n";
constexpr bool kScreenReaderFollowsConsole = false;
#endif

}  // namespace platform
