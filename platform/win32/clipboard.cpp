#include "platform/win32/clipboard.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

// Another program may hold the clipboard for a moment (a clipboard manager
// reading what we wrote): try a few times before giving up.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

class OpenClipboardGuard {
 public:
  explicit OpenClipboardGuard(HWND owner) {
    for (int i = 0; i < kOpenAttempts && !open_; ++i) {
      open_ = OpenClipboard(owner) != 0;
      if (!open_) Sleep(kOpenPauseMs);
    }
  }
  ~OpenClipboardGuard() {
    if (open_) CloseClipboard();
  }
  OpenClipboardGuard(const OpenClipboardGuard&) = delete;
  OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

bool clipboard_set_text(HWND owner, std::string_view utf8) {
  std::wstring text = to_utf16(utf8);
  if (!utf8.empty() && text.empty()) return false;
  SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return false;
  void* p = GlobalLock(block);
  if (!p) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(p, text.c_str(), bytes);
  GlobalUnlock(block);
  OpenClipboardGuard clipboard(owner);
  if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block)) {
    GlobalFree(block);
    return false;
  }
  return true;  // the clipboard owns the block now
}

std::optional<std::string> clipboard_text(HWND owner) {
  OpenClipboardGuard clipboard(owner);
  if (!clipboard.open()) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  auto* p = static_cast<const wchar_t*>(GlobalLock(data));
  if (!p) return std::nullopt;
  // The block may be larger than the text; the text ends at its NUL.
  SIZE_T units = GlobalSize(data) / sizeof(wchar_t);
  std::wstring_view text(p, wcsnlen(p, units));
  std::string utf8 = to_utf8(text);
  GlobalUnlock(data);
  return utf8;
}

std::optional<std::vector<std::string>> clipboard_files(HWND owner) {
  OpenClipboardGuard clipboard(owner);
  if (!clipboard.open()) return std::nullopt;
  std::vector<std::string> files;
  auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  if (!drop) return files;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(length);
    files.push_back(to_utf8(name));
  }
  return files;
}

}  // namespace platform::win32
