// Turns the bytes a terminal sends into Windows-style key events: control
// bytes, ESC-prefixed Alt, legacy xterm CSI/SS3 sequences with modifier
// parameters, xterm modifyOtherKeys (CSI 27;m;k~) and the kitty keyboard
// protocol (CSI k;m u). Pure: no I/O, so every sequence can be tested.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform {

class InputDecoder {
 public:
  // Decodes what can be decoded and keeps an unfinished tail (a sequence
  // split across reads, or an Esc that may still turn out to be Alt).
  void feed(std::string_view bytes, std::vector<KeyEvent>& out);

  // True while bytes are held back waiting for the rest of a sequence, or the
  // rest of an over-long one is still being skipped.
  bool pending() const { return !held_.empty() || skipping_ != 0; }

  // No more bytes came in time: a lone Esc is the Esc key, Esc followed by
  // a character is Alt with it, an unfinished sequence is dropped.
  void expire(std::vector<KeyEvent>& out);

 private:
  std::size_t skip_garbage();

  std::string held_;
  int skipping_ = 0;  // part of an over-long sequence still to skip (0 none)
};

// The key event a US keyboard produces for one typed code point, with the
// given modifier flags added.
KeyEvent key_for_code_point(char32_t c, std::uint32_t control_state);

}  // namespace platform
