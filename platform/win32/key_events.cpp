#include "platform/win32/key_events.h"

namespace platform::win32 {

namespace {

// A hand on the keyboard never repeats this fast; a bigger count is a
// broken record, not keys to act on.
constexpr int kMaxRepeat = 64;

}  // namespace

void append_key_events(const INPUT_RECORD* records, int count, wchar_t& pending_high,
                       std::vector<KeyEvent>& out) {
  for (int i = 0; i < count; ++i) {
    if (records[i].EventType != KEY_EVENT) continue;
    const KEY_EVENT_RECORD& r = records[i].Event.KeyEvent;
    KeyEvent k;
    k.key_down = r.bKeyDown != 0;
    k.virtual_key = r.wVirtualKeyCode;
    k.control_state = r.dwControlKeyState;
    char32_t c = static_cast<char16_t>(r.uChar.UnicodeChar);
    if (c >= 0xD800 && c <= 0xDBFF) {
      // The first half of a pair: the key comes with the second.
      if (k.key_down) pending_high = static_cast<wchar_t>(c);
      continue;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
      if (!pending_high) {
        if (!k.key_down) continue;
        c = 0xFFFD;
      } else {
        c = 0x10000 + ((static_cast<char32_t>(pending_high) - 0xD800) << 10) + (c - 0xDC00);
        pending_high = 0;
      }
    }
    if (c < 0x80)
      k.ascii = static_cast<char>(c);
    else
      k.unicode = c;
    int repeat = r.wRepeatCount < 1 ? 1 : r.wRepeatCount > kMaxRepeat ? kMaxRepeat : r.wRepeatCount;
    for (int n = 0; n < repeat; ++n) out.push_back(k);
  }
}

}  // namespace platform::win32
