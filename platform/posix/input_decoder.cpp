#include "platform/posix/input_decoder.h"

#include <cstdint>

namespace platform {

namespace {

constexpr std::size_t kLongestSequence = 64;  // longer "sequences" are garbage
constexpr std::uint32_t kCtrl = LEFT_CTRL_PRESSED;
constexpr std::uint32_t kAlt = LEFT_ALT_PRESSED;

KeyEvent make(std::uint16_t vk, char ascii, std::uint32_t state = 0) {
  KeyEvent k;
  k.virtual_key = vk;
  k.ascii = ascii;
  k.control_state = state;
  return k;
}

// Modifier parameter of xterm and kitty: 1 + a bit mask (shift 1, alt 2,
// ctrl 4; kitty adds caps lock 64 and num lock 128). Super/meta are not
// keys of this program and are left out.
std::uint32_t modifier_flags(int parameter) {
  if (parameter < 1) return 0;
  int m = parameter - 1;
  std::uint32_t f = 0;
  if (m & 1) f |= SHIFT_PRESSED;
  if (m & 2) f |= kAlt;
  if (m & 4) f |= kCtrl;
  if (m & 64) f |= CAPSLOCK_ON;
  if (m & 128) f |= NUMLOCK_ON;
  return f;
}

struct Punctuation {
  char plain, shifted;
  std::uint16_t vk;
};
constexpr Punctuation kPunctuation[] = {
    {';', ':', VK_OEM_1},     {'=', '+', VK_OEM_PLUS},   {',', '<', VK_OEM_COMMA},
    {'-', '_', VK_OEM_MINUS}, {'.', '>', VK_OEM_PERIOD}, {'/', '?', VK_OEM_2},
    {'`', '~', VK_OEM_3},     {'[', '{', VK_OEM_4},      {'\\', '|', VK_OEM_5},
    {']', '}', VK_OEM_6},     {'\'', '"', VK_OEM_7},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";  // Shift+0 .. Shift+9

// Keys the kitty protocol reports by private-use code points.
std::uint16_t kitty_functional_key(char32_t c) {
  if (c >= 57399 && c <= 57408) return static_cast<std::uint16_t>(VK_NUMPAD0 + (c - 57399));
  switch (c) {
    case 57409:
      return VK_DECIMAL;
    case 57410:
      return VK_DIVIDE;
    case 57411:
      return VK_MULTIPLY;
    case 57412:
      return VK_SUBTRACT;
    case 57413:
      return VK_ADD;
    case 57414:
      return VK_RETURN;  // keypad Enter
    case 57416:
      return VK_SEPARATOR;
    case 57417:
      return VK_LEFT;
    case 57418:
      return VK_RIGHT;
    case 57419:
      return VK_UP;
    case 57420:
      return VK_DOWN;
    case 57421:
      return VK_PRIOR;
    case 57422:
      return VK_NEXT;
    case 57423:
      return VK_HOME;
    case 57424:
      return VK_END;
    case 57425:
      return VK_INSERT;
    case 57426:
      return VK_DELETE;
    case 57362:
      return VK_PAUSE;
    case 57363:
      return VK_APPS;
    default:
      return 0;
  }
}

// Keys sent as CSI n ~ (vt220 style), by n.
std::uint16_t tilde_key(int n) {
  switch (n) {
    case 1:
    case 7:
      return VK_HOME;
    case 2:
      return VK_INSERT;
    case 3:
      return VK_DELETE;
    case 4:
    case 8:
      return VK_END;
    case 5:
      return VK_PRIOR;
    case 6:
      return VK_NEXT;
    case 11:
      return VK_F1;
    case 12:
      return VK_F2;
    case 13:
      return VK_F3;
    case 14:
      return VK_F4;
    case 15:
      return VK_F5;
    case 17:
      return VK_F6;
    case 18:
      return VK_F7;
    case 19:
      return VK_F8;
    case 20:
      return VK_F9;
    case 21:
      return VK_F10;
    case 23:
      return VK_F11;
    case 24:
      return VK_F12;
    case 29:
      return VK_APPS;
    default:
      return 0;
  }
}

// Keys sent as CSI <letter> or SS3 <letter>.
std::uint16_t letter_key(char final) {
  switch (final) {
    case 'A':
      return VK_UP;
    case 'B':
      return VK_DOWN;
    case 'C':
      return VK_RIGHT;
    case 'D':
      return VK_LEFT;
    case 'H':
      return VK_HOME;
    case 'F':
      return VK_END;
    case 'P':
      return VK_F1;
    case 'Q':
      return VK_F2;
    case 'R':
      return VK_F3;
    case 'S':
      return VK_F4;
    default:
      return 0;
  }
}

// Application-keypad keys (SS3 p .. y and friends).
KeyEvent keypad_key(char final) {
  if (final >= 'p' && final <= 'y')
    return make(static_cast<std::uint16_t>(VK_NUMPAD0 + (final - 'p')),
                static_cast<char>('0' + (final - 'p')));
  switch (final) {
    case 'j':
      return make(VK_MULTIPLY, '*');
    case 'k':
      return make(VK_ADD, '+');
    case 'l':
      return make(VK_SEPARATOR, ',');
    case 'm':
      return make(VK_SUBTRACT, '-');
    case 'n':
      return make(VK_DECIMAL, '.');
    case 'o':
      return make(VK_DIVIDE, '/');
    case 'M':
      return make(VK_RETURN, '\r');
    default:
      return make(0, 0);
  }
}

// A single byte outside an escape sequence.
KeyEvent key_for_byte(unsigned char b) {
  switch (b) {
    case 0x0D:
    case 0x0A:
      return make(VK_RETURN, '\r');
    case 0x09:
      return make(VK_TAB, '\t');
    case 0x7F:
    case 0x08:
      return make(VK_BACK, '\b');
    case 0x1B:
      return make(VK_ESCAPE, 27);
    // What xterm sends for Ctrl with digits and punctuation.
    case 0x00:
      return make('2', 0, kCtrl);
    case 0x1C:
      return make('4', 0, kCtrl);
    case 0x1D:
      return make('5', 0, kCtrl);
    case 0x1E:
      return make('6', 0, kCtrl);
    case 0x1F:
      return make(VK_OEM_MINUS, 0, kCtrl);
    default:
      break;
  }
  if (b < 0x20) return make(static_cast<std::uint16_t>('A' + b - 1), static_cast<char>(b), kCtrl);
  return key_for_code_point(b, 0);
}

struct Parameters {
  std::vector<std::vector<int>> list;  // ';'-separated, each ':'-separated
  int get(std::size_t i, std::size_t sub, int fallback) const {
    if (i >= list.size() || sub >= list[i].size() || list[i][sub] < 0) return fallback;
    return list[i][sub];
  }
};

Parameters parse_parameters(std::string_view p) {
  Parameters out;
  out.list.emplace_back(1, -1);
  for (char c : p) {
    if (c == ';') {
      out.list.emplace_back(1, -1);
    } else if (c == ':') {
      out.list.back().push_back(-1);
    } else if (c >= '0' && c <= '9') {
      int& v = out.list.back().back();
      if (v < 0) v = 0;
      if (v < 10'000'000) v = v * 10 + (c - '0');
    }
  }
  return out;
}

// A complete CSI sequence; false when it is not a key.
bool csi_key(std::string_view params, std::string_view intermediates, char final, KeyEvent& k) {
  if (!intermediates.empty()) return false;
  // Reports and private sequences ("CSI ? ... u", "CSI > ... c") are not keys.
  if (!params.empty() && (params[0] < '0' || params[0] > ';')) return false;
  Parameters p = parse_parameters(params);
  std::uint32_t mods = modifier_flags(p.get(1, 0, 1));
  if (final == '~') {
    int n = p.get(0, 0, 0);
    if (n == 27) {  // xterm modifyOtherKeys: CSI 27 ; m ; code ~
      int code = p.get(2, 0, -1);
      if (code <= 0) return false;
      k = key_for_code_point(static_cast<char32_t>(code), mods);
      return k.virtual_key != 0 || k.unicode != 0;
    }
    std::uint16_t vk = tilde_key(n);
    if (!vk) return false;
    k = make(vk, 0, mods);
    return true;
  }
  if (final == 'u') {  // kitty: CSI code[:alternates] ; mods[:event] u
    int code = p.get(0, 0, -1);
    if (code <= 0) return false;
    k = key_for_code_point(static_cast<char32_t>(code), mods);
    if (k.virtual_key == 0 && k.unicode == 0) return false;
    k.key_down = p.get(1, 1, 1) != 3;  // 3: release
    return true;
  }
  if (final == 'Z') {
    k = make(VK_TAB, 0, mods | SHIFT_PRESSED);
    return true;
  }
  std::uint16_t vk = letter_key(final);
  if (!vk) return false;
  k = make(vk, 0, mods);
  return true;
}

// Length of the UTF-8 sequence that starts with b; 0 when b cannot start one.
int utf8_length(unsigned char b) {
  if (b < 0x80) return 1;
  if ((b & 0xE0) == 0xC0) return 2;
  if ((b & 0xF0) == 0xE0) return 3;
  if ((b & 0xF8) == 0xF0) return 4;
  return 0;
}

enum : std::size_t { kNeedMore = 0 };
enum : int { kSkipNothing = 0, kSkipParameters = 1, kSkipIntermediates = 2 };

// One plain key (a byte or a UTF-8 character). Returns the bytes used,
// kNeedMore for an unfinished character; a broken one is skipped (k stays
// empty) so that it is never typed.
std::size_t plain_key(std::string_view s, KeyEvent& k, bool& is_key) {
  unsigned char b = static_cast<unsigned char>(s[0]);
  int len = utf8_length(b);
  is_key = false;
  if (len == 0) return 1;
  if (len == 1) {
    k = key_for_byte(b);
    is_key = true;
    return 1;
  }
  if (s.size() < static_cast<std::size_t>(len)) {
    for (std::size_t i = 1; i < s.size(); ++i)
      if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;  // broken: skip
    return kNeedMore;
  }
  char32_t c = b & (0xFF >> (len + 1));
  for (int i = 1; i < len; ++i) {
    unsigned char t = static_cast<unsigned char>(s[i]);
    if ((t & 0xC0) != 0x80) return static_cast<std::size_t>(i);
    c = (c << 6) | (t & 0x3F);
  }
  // An overlong form (C0 81 for ^A) is a broken character: skipped whole.
  const char32_t shortest = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
  if (c < shortest) return static_cast<std::size_t>(len);
  k = key_for_code_point(c, 0);
  is_key = k.virtual_key != 0 || k.unicode != 0;
  return static_cast<std::size_t>(len);
}

// Decodes the first key of s. Returns the bytes it used, or kNeedMore. When
// `final` is set no more bytes will come, and the head is settled anyway.
std::size_t decode_one(std::string_view s, std::vector<KeyEvent>& out, bool final, int& skipping) {
  KeyEvent k;
  bool is_key = false;
  if (s[0] != '\x1b') {
    std::size_t used = plain_key(s, k, is_key);
    if (used == kNeedMore) return final ? s.size() : kNeedMore;
    if (is_key) out.push_back(k);
    return used;
  }
  if (s.size() == 1) {
    if (!final) return kNeedMore;
    out.push_back(make(VK_ESCAPE, 27));
    return 1;
  }
  char second = s[1];
  if (second == '[' || second == 'O') {
    std::size_t i = 2;
    while (i < s.size() && s[i] >= 0x30 && s[i] <= 0x3F) ++i;
    std::size_t params_end = i;
    while (i < s.size() && s[i] >= 0x20 && s[i] <= 0x2F) ++i;
    if (i > kLongestSequence) {
      // Garbage, dropped whole however it was split across reads: through its final
      // byte, or up to a byte that cannot belong to it; an unfinished one goes on
      // being skipped in the next reads.
      if (i < s.size()) return s[i] >= 0x40 && s[i] <= 0x7E ? i + 1 : i;
      skipping = params_end == s.size() ? kSkipParameters : kSkipIntermediates;
      return s.size();
    }
    if (i >= s.size()) {
      if (!final) return kNeedMore;
      if (s.size() == 2 && second == 'O') {  // Esc then a lone O: Alt+Shift+O
        out.push_back(make('O', 'O', kAlt | SHIFT_PRESSED));
        return 2;
      }
      return s.size();  // unfinished: dropped whole
    }
    char f = s[i];
    if (f < 0x40 || f > 0x7E) return i;  // broken sequence: drop what was read
    std::string_view params = s.substr(2, params_end - 2);
    std::string_view inter = s.substr(params_end, i - params_end);
    if (second == '[' && f == '[' && params.empty()) {
      // Linux console F1..F5: CSI [ A .. CSI [ E
      if (i + 1 >= s.size()) return final ? s.size() : kNeedMore;
      char g = s[i + 1];
      if (g >= 'A' && g <= 'E')
        out.push_back(make(static_cast<std::uint16_t>(VK_F1 + (g - 'A')), 0));
      return i + 2;
    }
    if (second == '[') {
      if (csi_key(params, inter, f, k)) out.push_back(k);
      return i + 1;
    }
    // SS3: F1..F4, cursor keys, application keypad; a modifier may precede.
    Parameters p = parse_parameters(params);
    std::uint32_t mods = modifier_flags(p.get(p.list.size() - 1, 0, 1));
    if (std::uint16_t vk = letter_key(f)) {
      out.push_back(make(vk, 0, mods));
    } else {
      k = keypad_key(f);
      k.control_state = mods;
      if (k.virtual_key) out.push_back(k);
    }
    return i + 1;
  }
  if (second == '\x1b') {  // Esc pressed twice: the first one is a key
    out.push_back(make(VK_ESCAPE, 27));
    return 1;
  }
  // Esc prefix: Alt with the next key.
  std::size_t used = plain_key(s.substr(1), k, is_key);
  if (used == kNeedMore) return final ? s.size() : kNeedMore;
  if (is_key) {
    k.control_state |= kAlt;
    out.push_back(k);
  }
  return used + 1;
}

}  // namespace

KeyEvent key_for_code_point(char32_t c, std::uint32_t state) {
  KeyEvent k;
  k.control_state = state;
  if (std::uint16_t vk = kitty_functional_key(c)) {
    k.virtual_key = vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9 && !(state & (kCtrl | kAlt)))
      k.ascii = static_cast<char>('0' + (vk - VK_NUMPAD0));
    return k;
  }
  switch (c) {
    case 13:
      k.virtual_key = VK_RETURN;
      k.ascii = (state & kCtrl) ? '\n' : '\r';
      return k;
    case 9:
      k.virtual_key = VK_TAB;
      k.ascii = '\t';
      return k;
    case 27:
      k.virtual_key = VK_ESCAPE;
      k.ascii = 27;
      return k;
    case 8:
    case 127:
      k.virtual_key = VK_BACK;
      k.ascii = '\b';
      return k;
    case ' ':
      k.virtual_key = VK_SPACE;
      k.ascii = ' ';
      return k;
    default:
      break;
  }
  // Other private-use code points are kitty's lone modifiers, media keys
  // and the like: not keys of this program. C1 controls, surrogates and
  // numbers past Unicode are no characters at all.
  if (c >= 0xE000 && c <= 0xF8FF) return k;
  if ((c >= 0x80 && c < 0xA0) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return k;
  if (c >= 0x80 || c < 0x20) {
    if (c >= 0x80) k.unicode = c;
    return k;
  }
  char ch = static_cast<char>(c);
  k.ascii = ch;
  if (ch >= 'a' && ch <= 'z') {
    k.virtual_key = static_cast<std::uint16_t>(ch - 'a' + 'A');
  } else if (ch >= 'A' && ch <= 'Z') {
    k.virtual_key = static_cast<std::uint16_t>(ch);
    k.control_state |= SHIFT_PRESSED;
  } else if (ch >= '0' && ch <= '9') {
    k.virtual_key = static_cast<std::uint16_t>(ch);
  } else {
    for (int d = 0; d < 10; ++d)
      if (kShiftedDigits[d] == ch) {
        k.virtual_key = static_cast<std::uint16_t>('0' + d);
        k.control_state |= SHIFT_PRESSED;
      }
    for (const auto& p : kPunctuation) {
      if (p.plain == ch) k.virtual_key = p.vk;
      if (p.shifted == ch) {
        k.virtual_key = p.vk;
        k.control_state |= SHIFT_PRESSED;
      }
    }
  }
  // With Ctrl a letter types its control character and other keys none,
  // as the Windows console reports them.
  if (k.control_state & kCtrl) {
    bool letter = k.virtual_key >= 'A' && k.virtual_key <= 'Z';
    k.ascii = letter ? static_cast<char>(k.virtual_key - 'A' + 1) : 0;
  }
  return k;
}

// Bytes that continue an over-long sequence dropped in an earlier read.
std::size_t InputDecoder::skip_garbage() {
  std::size_t pos = 0;
  while (skipping_ != kSkipNothing && pos < held_.size()) {
    unsigned char b = static_cast<unsigned char>(held_[pos]);
    if (skipping_ == kSkipParameters && b >= 0x30 && b <= 0x3F) {
      ++pos;
    } else if (b >= 0x20 && b <= 0x2F) {
      skipping_ = kSkipIntermediates;
      ++pos;
    } else {
      if (b >= 0x40 && b <= 0x7E) ++pos;  // its final byte
      skipping_ = kSkipNothing;
    }
  }
  return pos;
}

void InputDecoder::feed(std::string_view bytes, std::vector<KeyEvent>& out) {
  held_.append(bytes);
  std::size_t pos = skip_garbage();
  while (pos < held_.size()) {
    std::size_t used = decode_one(std::string_view(held_).substr(pos), out, false, skipping_);
    if (used == kNeedMore) break;
    pos += used;
  }
  held_.erase(0, pos);
}

void InputDecoder::expire(std::vector<KeyEvent>& out) {
  std::size_t pos = 0;
  int skipping = kSkipNothing;  // nothing more comes: an unfinished sequence just ends
  while (pos < held_.size())
    pos += decode_one(std::string_view(held_).substr(pos), out, true, skipping);
  held_.clear();
  skipping_ = kSkipNothing;
}

}  // namespace platform
