// Message boxes owned by the console window.
#pragma once

#include <windows.h>

#include <string_view>

namespace platform::win32 {

// Shows a modal MessageBoxW with the style's buttons and returns the button
// pressed. When no box can be shown the answer is the one that changes
// nothing: OK, No, or Cancel.
int show_message_box(HWND owner, std::string_view text, std::string_view caption, int style);

// The answer given when the box could not be shown.
int answer_without_box(int style);

}  // namespace platform::win32
