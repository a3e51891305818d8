#include "platform/win32/message_box.h"

#include "platform/win32/text.h"

namespace platform::win32 {

int answer_without_box(int style) {
  switch (style & MB_TYPEMASK) {
    case MB_YESNO:
      return IDNO;
    case MB_YESNOCANCEL:
    case MB_OKCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

int show_message_box(HWND owner, std::string_view text, std::string_view caption, int style) {
  int r = MessageBoxW(owner, to_utf16(text).c_str(), to_utf16(caption).c_str(),
                      static_cast<UINT>(style) | MB_SETFOREGROUND);
  // 0 is a failure (no desktop, out of memory), never a button.
  if (r == IDOK || r == IDCANCEL || r == IDYES || r == IDNO) return r;
  return answer_without_box(style);
}

}  // namespace platform::win32
