#include "platform/posix/input_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::InputDecoder;
using platform::KeyEvent;

namespace {

constexpr std::uint32_t S = SHIFT_PRESSED, C = LEFT_CTRL_PRESSED, A = LEFT_ALT_PRESSED;
constexpr std::uint32_t kModifiers = S | C | A;

std::vector<KeyEvent> decode(const std::string& bytes, bool expire = true) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed(bytes, out);
  if (expire) d.expire(out);
  return out;
}

// Feeds one byte per read, as a slow link delivers them.
std::vector<KeyEvent> decode_bytewise(const std::string& bytes) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  for (char c : bytes) d.feed(std::string(1, c), out);
  d.expire(out);
  return out;
}

struct Case {
  const char* what;
  std::string bytes;
  std::uint16_t vk;
  std::uint32_t mods;
};

// Every key and combination the key table and the menus use, in each of the
// encodings a terminal may send it: legacy xterm, modifyOtherKeys, CSI u.
const std::vector<Case> kCases = {
    // function keys, plain and with Ctrl / Alt
    {"F1 ss3", "\x1bOP", VK_F1, 0},
    {"F2 ss3", "\x1bOQ", VK_F2, 0},
    {"F3 ss3", "\x1bOR", VK_F3, 0},
    {"F3 kitty", "\x1b[13~", VK_F3, 0},
    {"F4 ss3", "\x1bOS", VK_F4, 0},
    {"F5", "\x1b[15~", VK_F5, 0},
    {"F6", "\x1b[17~", VK_F6, 0},
    {"F7", "\x1b[18~", VK_F7, 0},
    {"F8", "\x1b[19~", VK_F8, 0},
    {"F9", "\x1b[20~", VK_F9, 0},
    {"F10", "\x1b[21~", VK_F10, 0},
    {"F11", "\x1b[23~", VK_F11, 0},
    {"F12", "\x1b[24~", VK_F12, 0},
    {"F1 linux console", "\x1b[[A", VK_F1, 0},
    {"Ctrl+F1", "\x1b[1;5P", VK_F1, C},
    {"Ctrl+F2", "\x1b[1;5Q", VK_F2, C},
    {"Ctrl+F2 ss3 modifier", "\x1bO5Q", VK_F2, C},
    {"Ctrl+F5", "\x1b[15;5~", VK_F5, C},
    {"Ctrl+F9", "\x1b[20;5~", VK_F9, C},
    {"Ctrl+F11", "\x1b[23;5~", VK_F11, C},
    {"Alt+F4", "\x1b[1;3S", VK_F4, A},
    {"Alt+F4 kitty F4 form", "\x1b[14;3~", VK_F4, A},
    // Enter with Ctrl and Ctrl+Shift (legacy sends a plain CR)
    {"Enter", "\r", VK_RETURN, 0},
    {"Enter as LF", "\n", VK_RETURN, 0},
    {"Ctrl+Enter mok", "\x1b[27;5;13~", VK_RETURN, C},
    {"Ctrl+Shift+Enter mok", "\x1b[27;6;13~", VK_RETURN, C | S},
    {"Ctrl+Enter csi u", "\x1b[13;5u", VK_RETURN, C},
    {"Ctrl+Shift+Enter csi u", "\x1b[13;6u", VK_RETURN, C | S},
    // Ctrl+digits
    {"Ctrl+2 legacy", std::string(1, '\0'), '2', C},
    {"Ctrl+4 legacy", "\x1c", '4', C},
    {"Ctrl+1 mok", "\x1b[27;5;49~", '1', C},
    {"Ctrl+2 mok", "\x1b[27;5;50~", '2', C},
    {"Ctrl+3 mok", "\x1b[27;5;51~", '3', C},
    {"Ctrl+4 mok", "\x1b[27;5;52~", '4', C},
    {"Ctrl+1 csi u", "\x1b[49;5u", '1', C},
    {"Ctrl+3 csi u", "\x1b[51;5u", '3', C},
    {"Ctrl+4 csi u", "\x1b[52;5u", '4', C},
    // Ctrl+Shift+digits: the digit or the symbol it carries
    {"Ctrl+Shift+1 mok", "\x1b[27;6;33~", '1', C | S},
    {"Ctrl+Shift+2 mok", "\x1b[27;6;64~", '2', C | S},
    {"Ctrl+Shift+3 mok", "\x1b[27;6;35~", '3', C | S},
    {"Ctrl+Shift+4 mok", "\x1b[27;6;36~", '4', C | S},
    {"Ctrl+Shift+1 csi u xterm", "\x1b[33;6u", '1', C | S},
    {"Ctrl+Shift+1 csi u tmux", "\x1b[49;6u", '1', C | S},
    // Ctrl+Alt+digits
    {"Ctrl+Alt+1 mok", "\x1b[27;7;49~", '1', C | A},
    {"Ctrl+Alt+3 mok", "\x1b[27;7;51~", '3', C | A},
    {"Ctrl+Alt+2 csi u", "\x1b[50;7u", '2', C | A},
    // keypad digits and Ctrl+keypad + / -
    {"keypad 1 application", "\x1bOq", VK_NUMPAD1, 0},
    {"keypad 9 application", "\x1bOy", VK_NUMPAD9, 0},
    {"Ctrl+keypad 1 kitty", "\x1b[57400;5u", VK_NUMPAD1, C},
    {"Ctrl+Shift+keypad 4 kitty", "\x1b[57403;6u", VK_NUMPAD4, C | S},
    {"Ctrl+keypad + kitty", "\x1b[57413;5u", VK_ADD, C},
    {"Ctrl+keypad - kitty", "\x1b[57412;5u", VK_SUBTRACT, C},
    {"Ctrl+keypad + ss3", "\x1bO5k", VK_ADD, C},
    {"Ctrl+keypad - ss3", "\x1bO5m", VK_SUBTRACT, C},
    {"Ctrl+plus mok", "\x1b[27;5;43~", VK_OEM_PLUS, C | S},
    {"Ctrl+equals mok", "\x1b[27;5;61~", VK_OEM_PLUS, C},
    {"Ctrl+minus mok", "\x1b[27;5;45~", VK_OEM_MINUS, C},
    {"Ctrl+minus legacy", "\x1f", VK_OEM_MINUS, C},
    // Ctrl+letters
    {"Ctrl+A legacy", "\x01", 'A', C},
    {"Ctrl+B legacy", "\x02", 'B', C},
    {"Ctrl+C legacy", "\x03", 'C', C},
    {"Ctrl+E legacy", "\x05", 'E', C},
    {"Ctrl+P legacy", "\x10", 'P', C},
    {"Ctrl+S legacy", "\x13", 'S', C},
    {"Ctrl+V legacy", "\x16", 'V', C},
    {"Ctrl+A mok", "\x1b[27;5;97~", 'A', C},
    {"Ctrl+S csi u", "\x1b[115;5u", 'S', C},
    // Alt+letters
    {"Alt+O esc prefix", "\x1bo", 'O', A},
    {"Alt+X esc prefix", "\x1bx", 'X', A},
    {"Alt+N esc prefix", "\x1bn", 'N', A},
    {"Alt+1 esc prefix",
     "\x1b"
     "1",
     '1', A},
    {"Alt+A mok", "\x1b[27;3;97~", 'A', A},
    {"Alt+L csi u", "\x1b[108;3u", 'L', A},
    // Ctrl+Alt+letters
    {"Ctrl+Alt+P mok", "\x1b[27;7;112~", 'P', C | A},
    {"Ctrl+Alt+E csi u", "\x1b[101;7u", 'E', C | A},
    {"Ctrl+Alt+V esc prefix", "\x1b\x16", 'V', C | A},
    // editing and navigation keys
    {"Ctrl+Delete", "\x1b[3;5~", VK_DELETE, C},
    {"Delete", "\x1b[3~", VK_DELETE, 0},
    {"Home xterm", "\x1b[H", VK_HOME, 0},
    {"End xterm", "\x1b[F", VK_END, 0},
    {"Home tmux", "\x1b[1~", VK_HOME, 0},
    {"End tmux", "\x1b[4~", VK_END, 0},
    {"Home rxvt", "\x1b[7~", VK_HOME, 0},
    {"Home application", "\x1bOH", VK_HOME, 0},
    {"PageUp", "\x1b[5~", VK_PRIOR, 0},
    {"PageDown", "\x1b[6~", VK_NEXT, 0},
    {"Up", "\x1b[A", VK_UP, 0},
    {"Down", "\x1b[B", VK_DOWN, 0},
    {"Right", "\x1b[C", VK_RIGHT, 0},
    {"Left", "\x1b[D", VK_LEFT, 0},
    {"Up application", "\x1bOA", VK_UP, 0},
    {"Alt+Left", "\x1b[1;3D", VK_LEFT, A},
    {"Alt+Right", "\x1b[1;3C", VK_RIGHT, A},
    {"Alt+Home", "\x1b[1;3H", VK_HOME, A},
    {"Alt+End", "\x1b[1;3F", VK_END, A},
    {"Alt+Up esc prefix", "\x1b\x1b[A", VK_ESCAPE, 0},  // first key of two, see below
    {"Backspace", "\x7f", VK_BACK, 0},
    {"Backspace as BS", "\b", VK_BACK, 0},
    {"Esc kitty", "\x1b[27u", VK_ESCAPE, 0},
    {"Space", " ", VK_SPACE, 0},
    {"Tab", "\t", VK_TAB, 0},
    {"Shift+Tab", "\x1b[Z", VK_TAB, S},
    {"Menu xterm", "\x1b[29~", VK_APPS, 0},
    {"Menu kitty", "\x1b[57363u", VK_APPS, 0},
    // printable keys
    {"e", "e", 'E', 0},
    {"T", "T", 'T', S},
    {"digit", "7", '7', 0},
    {"equals", "=", VK_OEM_PLUS, 0},
    {"shifted kitty letter", "\x1b[97;2u", 'A', S},
};

TEST(InputDecoder, EveryKeyInEveryEncoding) {
  for (const Case& c : kCases) {
    auto keys = decode(c.bytes);
    ASSERT_FALSE(keys.empty()) << c.what;
    EXPECT_EQ(keys[0].virtual_key, c.vk) << c.what;
    EXPECT_EQ(keys[0].control_state & kModifiers, c.mods) << c.what;
    EXPECT_TRUE(keys[0].key_down) << c.what;
  }
}

TEST(InputDecoder, SequencesSplitAcrossReadsDecodeTheSame) {
  for (const Case& c : kCases) {
    auto whole = decode(c.bytes);
    auto split = decode_bytewise(c.bytes);
    ASSERT_EQ(split.size(), whole.size()) << c.what;
    for (std::size_t i = 0; i < whole.size(); ++i) {
      EXPECT_EQ(split[i].virtual_key, whole[i].virtual_key) << c.what;
      EXPECT_EQ(split[i].control_state, whole[i].control_state) << c.what;
    }
  }
}

TEST(InputDecoder, LoneEscWaitsForTheTimeoutThenIsTheEscKey) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed("\x1b", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(d.pending());
  d.expire(out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].virtual_key, VK_ESCAPE);
  EXPECT_EQ(out[0].control_state, 0u);
  EXPECT_FALSE(d.pending());

  // Esc then a letter in a later read, before the timeout: Alt+letter.
  out.clear();
  d.feed("\x1b", out);
  d.feed("s", out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].virtual_key, 'S');
  EXPECT_EQ(out[0].control_state, static_cast<std::uint32_t>(A));

  // Esc pressed twice, then an arrow: two Esc keys are not one Alt+Esc.
  auto keys = decode("\x1b\x1b[A");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].virtual_key, VK_ESCAPE);
  EXPECT_EQ(keys[1].virtual_key, VK_UP);
}

TEST(InputDecoder, UnfinishedSequenceIsHeldThenDroppedWhole) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed("\x1b[1;", out);
  EXPECT_TRUE(d.pending());
  d.feed("3", out);
  EXPECT_TRUE(out.empty());
  d.feed("S", out);  // the rest arrives: Alt+F4
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].virtual_key, VK_F4);
  out.clear();
  d.feed("\x1b[15;5", out);
  d.expire(out);  // never completed: nothing is typed
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(d.pending());
}

TEST(InputDecoder, UnknownSequencesAreDroppedNeverTyped) {
  const char* unknown[] = {
      "\x1b[99~",       // no such key
      "\x1b[?1;2c",     // a device-attributes report
      "\x1b[?1u",       // a keyboard-protocol report
      "\x1b[<0;10;5M",  // a mouse report
      "\x1b[1;5X",      // unknown final
      "\x1b[200~",      // paste bracket
      "\x1b[12$~",      // with an intermediate byte
      "\x1bOz",         // unknown SS3 key
      "\x1b[57441;2u",  // a lone modifier key (kitty)
  };
  for (const char* bytes : unknown) {
    auto keys = decode(std::string(bytes) + "x");
    ASSERT_EQ(keys.size(), 1u) << bytes + 1;
    EXPECT_EQ(keys[0].virtual_key, 'X') << bytes + 1;
  }
  // A flood of parameter bytes is not kept for ever, and is dropped whole through its
  // final byte however the reads split it: nothing of it is typed.
  const std::string flood = "\x1b[" + std::string(200, '1') + ";5A";
  for (const auto& keys : {decode(flood + "x"), decode_bytewise(flood + "x")}) {
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].virtual_key, 'X');
  }
  // Cut off by the pause, it ends there: what comes next is typed.
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed("\x1b[" + std::string(200, '1'), out);
  d.expire(out);
  EXPECT_FALSE(d.pending());
  d.feed("1", out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].virtual_key, '1');
}

TEST(InputDecoder, BrokenCharactersAreNeverTyped) {
  const char* broken[] = {
      "\xC0\x81",          // overlong ^A
      "\xC1\xA1",          // overlong "a"
      "\xE0\x80\xAF",      // overlong "/"
      "\xC2\x85",          // a C1 control
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
      "\xEE\x80\x80",      // private use
      "\x1b\xC0\x81",      // Alt with an overlong ^A
      "\x1b[55296u",       // a surrogate in kitty's form
      "\x1b[27;1;133~",    // a C1 control in modifyOtherKeys' form
  };
  for (const char* bytes : broken) {
    for (const auto& keys :
         {decode(std::string(bytes) + "x"), decode_bytewise(std::string(bytes) + "x")}) {
      ASSERT_EQ(keys.size(), 1u) << bytes;
      EXPECT_EQ(keys[0].virtual_key, 'X') << bytes;
    }
  }
}

TEST(InputDecoder, CharactersCarryTheirAsciiAndUnicode) {
  auto keys = decode("eE\x01\x1b[27;5;13~");
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[0].ascii, 'e');
  EXPECT_EQ(keys[1].ascii, 'E');
  EXPECT_EQ(keys[2].ascii, 1);  // Ctrl+A types its control character
  EXPECT_EQ(keys[3].ascii, '\n');
  // Non-ASCII letters arrive whole, even split, with no virtual key.
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed("\xc3", out);
  EXPECT_TRUE(out.empty());
  d.feed("\xa8", out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].unicode, U'è');
  EXPECT_EQ(out[0].virtual_key, 0);
  // Broken UTF-8 types nothing, and what follows still arrives.
  keys = decode("\xff\xc3(");
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].ascii, '(');
}

TEST(InputDecoder, KittyReleaseIsAKeyUp) {
  auto keys = decode("\x1b[97;1:3u\x1b[97;1:1u");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_FALSE(keys[0].key_down);
  EXPECT_TRUE(keys[1].key_down);
}

TEST(InputDecoder, SeveralKeysInOneRead) {
  auto keys = decode("e4\r\x1b[1;3S");
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[0].virtual_key, 'E');
  EXPECT_EQ(keys[1].virtual_key, '4');
  EXPECT_EQ(keys[2].virtual_key, VK_RETURN);
  EXPECT_EQ(keys[3].virtual_key, VK_F4);
}

}  // namespace
