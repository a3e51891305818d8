#include "platform/screen_buffer.h"

#include <algorithm>

namespace platform {

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

ScreenBuffer::ScreenBuffer() { clear(); }

void ScreenBuffer::clear() {
  for (auto& row : cells_) row.fill(U' ');
  column_ = row_ = top_ = 0;
  ++generation_;
}

void ScreenBuffer::set_cursor(int column, int row) {
  column_ = std::clamp(column, 0, kScreenColumns - 1);
  row_ = std::clamp(row, 0, kScreenRows - 1);
  follow_cursor();
  ++generation_;
}

void ScreenBuffer::set_window_height(int rows) {
  // As a console window set to rows 0..rows-1, unless the cursor is below them.
  height_ = std::clamp(rows, 1, kScreenRows);
  top_ = 0;
  follow_cursor();
  ++generation_;
}

void ScreenBuffer::follow_cursor() {
  if (row_ < top_) top_ = row_;
  if (row_ >= top_ + height_) top_ = row_ - height_ + 1;
  top_ = std::clamp(top_, 0, kScreenRows - height_);
}

void ScreenBuffer::newline() {
  column_ = 0;
  if (row_ + 1 < kScreenRows) {
    ++row_;
    return;
  }
  std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
  cells_.back().fill(U' ');
}

void ScreenBuffer::put(char32_t c) {
  switch (c) {
    case U'\n': newline(); return;
    case U'\r': column_ = 0; return;
    case U'\b': if (column_ > 0) --column_; return;
    case U'\t': {
      int next = (column_ / 8 + 1) * 8;
      if (next >= kScreenColumns) newline();
      else column_ = next;
      return;
    }
    default: break;
  }
  if (c < 0x20) return;  // other control characters show nothing
  cells_[row_][column_] = c;
  if (++column_ == kScreenColumns) newline();
}

void ScreenBuffer::write(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    char32_t c;
    int extra;
    if (b < 0x80) { c = b; extra = 0; }
    else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
    else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
    else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
    else { put(U'?'); ++i; continue; }
    bool ok = true;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= s.size()) { ok = false; break; }
      unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) ok = false;
      else c = (c << 6) | (t & 0x3F);
    }
    if (!ok) { put(U'?'); ++i; continue; }
    put(c);
    i += extra + 1;
  }
  follow_cursor();
  ++generation_;
}

std::string ScreenBuffer::row_text(int row) const {
  std::string out;
  if (row < 0 || row >= kScreenRows) return out;
  int end = kScreenColumns;
  while (end > 0 && cells_[row][end - 1] == U' ') --end;
  for (int x = 0; x < end; ++x) append_utf8(out, cells_[row][x]);
  return out;
}

}  // namespace platform
