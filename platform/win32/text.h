// UTF-8 inside the program, UTF-16 at the Windows API.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// Malformed UTF-8 becomes U+FFFD; a NUL byte ends nothing (it is kept).
std::wstring to_utf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string to_utf8(std::wstring_view utf16);

}  // namespace platform::win32
