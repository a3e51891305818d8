#include "platform/win32/shell.h"

#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/text.h"

namespace platform::win32 {

bool open_in_default_viewer(HWND owner, const std::string& path) {
  // Shell extensions that handle "open" may need COM on this thread.
  static const bool com = SUCCEEDED(
      CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  (void)com;
  auto r = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", to_utf16(path).c_str(), nullptr,
                                                   nullptr, SW_SHOWNORMAL));
  return r > 32;
}

}  // namespace platform::win32
