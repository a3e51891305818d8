#include "platform/posix/message_box.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kTextColumn = 3;
constexpr int kTextWidth = kScreenColumns - 2 * kTextColumn;

// Button labels by language (it, en, es), the words the speech channel says.
constexpr const char* kOk[3] = {"OK", "OK", "Aceptar"};
constexpr const char* kYes[3] = {"Sì", "Yes", "Sí"};
constexpr const char* kNo[3] = {"No", "No", "No"};
constexpr const char* kCancel[3] = {"Annulla", "Cancel", "Cancelar"};

// Number of characters (not bytes) in a UTF-8 text.
int width(std::string_view s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// Byte offset of the character at index `characters`, or s.size().
std::size_t offset_of(std::string_view s, int characters) {
  std::size_t i = 0;
  for (int seen = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && seen++ == characters) break;
  }
  return i;
}

// Splits the text into lines of at most kTextWidth characters, at blanks
// where possible; embedded line breaks are kept.
std::vector<std::string> wrap(std::string_view text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find('\n', start);
    std::string_view para = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    while (width(para) > kTextWidth) {
      std::size_t cut = offset_of(para, kTextWidth);
      std::size_t blank = para.rfind(' ', cut);
      std::size_t next = cut;
      if (blank != std::string_view::npos && blank > 0) {
        cut = blank;
        next = blank + 1;
      }
      out.emplace_back(para.substr(0, cut));
      para.remove_prefix(next);
    }
    out.emplace_back(para);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return out;
}

// The upper-case ASCII initial of a label ("Sì" -> 'S').
char initial(const std::string& label) {
  char c = label.empty() ? 0 : label[0];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

void put_row(ScreenBuffer& screen, int row, std::string text) {
  // A full row, so that a screen reader reading the line hears only the box.
  // The last cell of the last buffer row is skipped: writing it would scroll.
  int cells = row == kScreenRows - 1 ? kScreenColumns - 1 : kScreenColumns;
  int w = width(text);
  if (w > cells)
    text.resize(offset_of(text, cells));
  else
    text.append(static_cast<std::size_t>(cells - w), ' ');
  screen.set_cursor(0, row);
  screen.write(text);
}

}  // namespace

MessageBox::MessageBox(std::string_view text, std::string_view caption, int style, int language)
    : caption_(caption), lines_(wrap(text)) {
  int lang = std::clamp(language, 0, 2);
  switch (style & 0x0F) {
    case MB_YESNO:
      buttons_ = {{kYes[lang], IDYES}, {kNo[lang], IDNO}};
      escape_result_ = IDNO;
      break;
    case MB_YESNOCANCEL:
      buttons_ = {{kYes[lang], IDYES}, {kNo[lang], IDNO}, {kCancel[lang], IDCANCEL}};
      escape_result_ = IDCANCEL;
      break;
    default:
      buttons_ = {{kOk[lang], IDOK}};
      escape_result_ = IDOK;
      break;
  }
}

void MessageBox::draw(ScreenBuffer& screen, int view_top, int view_rows) const {
  int height = static_cast<int>(lines_.size()) + 5;
  int top = view_top + std::max(0, (view_rows - height) / 2);
  top = std::clamp(top, 0, std::max(0, kScreenRows - height));
  std::string border(kScreenColumns - 2, '-');
  std::string title = " +-- " + caption_ + " ";
  int dashes = kScreenColumns - 2 - width(title);
  title.append(static_cast<std::size_t>(std::max(dashes, 2)), '-');
  title += '+';
  std::string buttons(kTextColumn, ' ');
  for (const auto& b : buttons_) buttons += "[" + b.label + "]   ";

  int row = top;
  put_row(screen, row++, title);
  put_row(screen, row++, "");
  for (const auto& line : lines_) put_row(screen, row++, std::string(kTextColumn, ' ') + line);
  put_row(screen, row++, "");
  put_row(screen, row++, buttons);
  put_row(screen, row, " +" + border.substr(2) + "+");
  screen.set_cursor(kTextColumn, top + 2);
}

int MessageBox::answer(const KeyEvent& key) const {
  if (!key.key_down) return 0;
  if (key.virtual_key == VK_RETURN) return buttons_.front().result;
  if (key.virtual_key == VK_ESCAPE) return escape_result_;
  if (key.control_state &
      (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED | LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED))
    return 0;
  for (const auto& b : buttons_)
    if (key.virtual_key == static_cast<unsigned char>(initial(b.label))) return b.result;
  return 0;
}

}  // namespace platform
