#include "platform/win32/console.h"

#include <algorithm>
#include <vector>

#include "platform/win32/key_events.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

constexpr DWORD kWindowInputOnly = ENABLE_WINDOW_INPUT;
constexpr int kBatch = 128;

std::string describe(const char* what) {
  return std::string(what) + " failed (Windows error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

bool Console::start(std::string& error) {
  in_ = GetStdHandle(STD_INPUT_HANDLE);
  out_ = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleMode(in_, &saved_mode_) || !GetConsoleScreenBufferInfo(out_, &info)) {
    error = "this program needs a console window (" + describe("GetConsoleMode") + ")";
    return false;
  }
  saved_input_cp_ = GetConsoleCP();
  saved_output_cp_ = GetConsoleOutputCP();
  SetConsoleCP(CP_UTF8);
  SetConsoleOutputCP(CP_UTF8);
  window_ = GetConsoleWindow();
  // Every key, CTRL+C included, arrives as a key event.
  if (!SetConsoleMode(in_, kWindowInputOnly)) {
    error = describe("SetConsoleMode");
    return false;
  }
  DWORD out_mode = 0;
  if (GetConsoleMode(out_, &out_mode))
    SetConsoleMode(out_, out_mode | ENABLE_PROCESSED_OUTPUT | ENABLE_WRAP_AT_EOL_OUTPUT);
  // The buffer cannot become narrower than the window: shrink the window first.
  SMALL_RECT small{0, 0, static_cast<SHORT>(std::min<int>(info.srWindow.Right - info.srWindow.Left,
                                                          kScreenColumns - 1)),
                   static_cast<SHORT>(std::min<int>(info.srWindow.Bottom - info.srWindow.Top, 23))};
  SetConsoleWindowInfo(out_, TRUE, &small);
  SetConsoleScreenBufferSize(out_, COORD{kScreenColumns, kScreenRows});
  CONSOLE_CURSOR_INFO cursor{25, TRUE};
  SetConsoleCursorInfo(out_, &cursor);
  started_ = true;
  return true;
}

void Console::restore() {
  if (!started_) return;
  SetConsoleMode(in_, saved_mode_);
  if (saved_input_cp_) SetConsoleCP(saved_input_cp_);
  if (saved_output_cp_) SetConsoleOutputCP(saved_output_cp_);
  started_ = false;
}

void Console::restore_input_mode() {
  if (started_) SetConsoleMode(in_, kWindowInputOnly);
}

void Console::write(std::string_view utf8) {
  std::wstring text = to_utf16(utf8);
  const wchar_t* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(out_, p, static_cast<DWORD>(left), &written, nullptr) || written == 0) return;
    p += written;
    left -= written;
  }
}

void Console::set_cursor(int column, int row) {
  column = std::clamp(column, 0, kScreenColumns - 1);
  row = std::clamp(row, 0, kScreenRows - 1);
  SetConsoleCursorPosition(out_, COORD{static_cast<SHORT>(column), static_cast<SHORT>(row)});
}

int Console::cursor_column() const {
  CONSOLE_SCREEN_BUFFER_INFO info;
  return GetConsoleScreenBufferInfo(out_, &info) ? info.dwCursorPosition.X : 0;
}

int Console::cursor_row() const {
  CONSOLE_SCREEN_BUFFER_INFO info;
  return GetConsoleScreenBufferInfo(out_, &info) ? info.dwCursorPosition.Y : 0;
}

void Console::set_window_height(int rows) {
  SetConsoleScreenBufferSize(out_, COORD{kScreenColumns, kScreenRows});
  // A screen too small for the whole height gets the largest window it holds.
  COORD largest = GetLargestConsoleWindowSize(out_);
  if (largest.Y > 0) rows = std::min<int>(rows, largest.Y);
  rows = std::clamp(rows, 1, kScreenRows);
  SMALL_RECT r{0, 0, kScreenColumns - 1, static_cast<SHORT>(rows - 1)};
  SetConsoleWindowInfo(out_, TRUE, &r);
}

void Console::clear() {
  DWORD done = 0;
  FillConsoleOutputCharacterW(out_, L' ', kScreenColumns * kScreenRows, COORD{0, 0}, &done);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (GetConsoleScreenBufferInfo(out_, &info))
    FillConsoleOutputAttribute(out_, info.wAttributes, kScreenColumns * kScreenRows, COORD{0, 0},
                               &done);
  SetConsoleCursorPosition(out_, COORD{0, 0});
  restore_input_mode();
}

void Console::set_title(std::string_view utf8) { SetConsoleTitleW(to_utf16(utf8).c_str()); }

std::string Console::row_text(int row) const {
  if (row < 0 || row >= kScreenRows) return {};
  wchar_t cells[kScreenColumns];
  DWORD read = 0;
  if (!ReadConsoleOutputCharacterW(out_, cells, kScreenColumns, COORD{0, static_cast<SHORT>(row)},
                                   &read))
    return {};
  std::wstring_view text(cells, read);
  std::size_t end = text.find_last_not_of(L' ');
  return to_utf8(end == std::wstring_view::npos ? std::wstring_view() : text.substr(0, end + 1));
}

int Console::read_keys(KeyEvent* out, int max, int timeout_ms) {
  if (queue_.empty()) fill_queue(timeout_ms);
  int n = 0;
  while (n < max && !queue_.empty()) {
    out[n++] = queue_.front();
    queue_.pop_front();
  }
  return n;
}

void Console::fill_queue(int timeout_ms) {
  ULONGLONG deadline = timeout_ms >= 0 ? GetTickCount64() + static_cast<ULONGLONG>(timeout_ms) : 0;
  std::vector<KeyEvent> keys;
  INPUT_RECORD records[kBatch];
  for (;;) {
    DWORD wait = INFINITE;
    if (timeout_ms >= 0) {
      ULONGLONG now = GetTickCount64();
      wait = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    }
    // The input handle is signalled while records wait: no polling.
    DWORD r = WaitForSingleObject(in_, wait);
    if (r == WAIT_TIMEOUT) return;
    DWORD count = 0;
    if (r != WAIT_OBJECT_0 || !ReadConsoleInputW(in_, records, kBatch, &count)) {
      // The console is gone: nobody can answer any more, and waiting on a
      // dead handle would spin.
      restore();
      ExitProcess(1);
    }
    append_key_events(records, static_cast<int>(count), pending_high_, keys);
    if (!keys.empty()) {
      queue_.insert(queue_.end(), keys.begin(), keys.end());
      return;
    }
    if (timeout_ms >= 0 && GetTickCount64() >= deadline) return;
  }
}

}  // namespace platform::win32
