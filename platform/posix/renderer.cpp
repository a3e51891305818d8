#include "platform/posix/renderer.h"

#include <algorithm>

namespace platform {

namespace {

void move_to(std::string& out, int row, int column) {
  out += "\x1b[";
  out += std::to_string(row + 1);
  out += ';';
  out += std::to_string(column + 1);
  out += 'H';
}

// Keeps [first, first + size) around `position` within [low, high), moving
// as little as possible so the view does not jump at every cursor move.
int follow(int first, int size, int position, int low, int high) {
  if (size >= high - low) return low;
  if (position < first) first = position;
  if (position >= first + size) first = position - size + 1;
  return std::clamp(first, low, high - size);
}

}  // namespace

std::string Renderer::render(const ScreenBuffer& screen, int terminal_columns, int terminal_rows) {
  int columns = std::clamp(terminal_columns, 1, kScreenColumns);
  int rows = std::clamp(terminal_rows, 1, screen.window_height());
  int window_top = screen.window_top();
  int window_bottom = window_top + screen.window_height();
  // A window that grew (a menu opened below the command line) is shown down
  // to its last row, as far as the cursor stays in view: the new rows are
  // what the player wants to see.
  if (window_height_ > 0 && screen.window_height() > window_height_)
    view_top_ = std::min(window_bottom - rows, screen.cursor_row());
  window_height_ = screen.window_height();
  view_top_ = follow(view_top_, rows, screen.cursor_row(), window_top, window_bottom);
  view_left_ = follow(view_left_, columns, screen.cursor_column(), 0, kScreenColumns);

  std::string out;
  if (shown_.size() != static_cast<std::size_t>(rows) || shown_columns_ != columns) {
    out += "\x1b[H\x1b[2J";
    shown_.assign(static_cast<std::size_t>(rows),
                  std::u32string(static_cast<std::size_t>(columns), U' '));
    shown_columns_ = columns;
  }
  std::u32string next(static_cast<std::size_t>(columns), U' ');
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) next[c] = screen.cell(view_left_ + c, view_top_ + r);
    std::u32string& old = shown_[r];
    if (next == old) continue;
    int first = 0;
    while (next[first] == old[first]) ++first;
    int last = columns - 1;
    while (next[last] == old[last]) --last;
    int last_text = columns - 1;
    while (last_text >= first && next[last_text] == U' ') --last_text;
    move_to(out, r, first);
    // Blanks up to the end of the row are cheaper to erase than to write.
    int end = last_text < last ? last_text : last;
    for (int c = first; c <= end; ++c) append_utf8(out, next[c]);
    if (last_text < last) out += "\x1b[K";
    old = next;
  }
  int cursor_row = screen.cursor_row() - view_top_;
  int cursor_column = screen.cursor_column() - view_left_;
  if (out.empty() && cursor_row == cursor_row_ && cursor_column == cursor_column_) return out;
  move_to(out, cursor_row, cursor_column);
  cursor_row_ = cursor_row;
  cursor_column_ = cursor_column;
  return out;
}

}  // namespace platform
