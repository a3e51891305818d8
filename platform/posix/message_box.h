// The modal message box of the terminal: a band drawn across the screen
// buffer over whatever is there, with the caption, the text and localized
// buttons. Pure: drawing goes into a ScreenBuffer and keys come in as key
// events, so the backend only saves the screen, loops and restores it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/screen_buffer.h"

namespace platform {

class MessageBox {
 public:
  // style: MB_OK, MB_YESNO or MB_YESNOCANCEL, optionally | MB_ICONINFORMATION;
  // language: 0 Italian, 1 English, 2 Spanish.
  MessageBox(std::string_view text, std::string_view caption, int style, int language);

  // Draws the box centred in the rows [view_top, view_top + view_rows) and
  // leaves the cursor at the start of the first text line.
  void draw(ScreenBuffer& screen, int view_top, int view_rows) const;

  // The button (IDOK, IDYES, IDNO, IDCANCEL) a key chooses, 0 for none.
  // Enter chooses the default (first) button, Esc No or Cancel, and a
  // button's initial letter in the box's language chooses that button.
  int answer(const KeyEvent& key) const;

  struct Button {
    std::string label;
    int result;
  };
  const std::vector<Button>& buttons() const { return buttons_; }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::string caption_;
  std::vector<std::string> lines_;  // the text wrapped to the box
  std::vector<Button> buttons_;
  int escape_result_;
};

}  // namespace platform
