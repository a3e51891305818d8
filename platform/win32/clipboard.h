// The Windows clipboard: Unicode text, and the files copied in Explorer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// Text is kept as given (CR LF included). A clipboard that cannot be opened
// or written gives false / nullopt.
bool clipboard_set_text(HWND owner, std::string_view utf8);
std::optional<std::string> clipboard_text(HWND owner);
// The files of a CF_HDROP list, in UTF-8; empty when the clipboard holds no
// file list, nullopt when it cannot be read.
std::optional<std::vector<std::string>> clipboard_files(HWND owner);

}  // namespace platform::win32
