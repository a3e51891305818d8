#include "platform/posix/input_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::InputDecoder;
using platform::KeyEvent;

namespace {

constexpr std::uint32_t S = SHIFT_PRESSED, C = LEFT_CTRL_PRESSED, A = LEFT_ALT_PRESSED;

// Whole, or one byte per read as a slow link delivers them; the pause then ends the input.
std::vector<KeyEvent> decode(const std::string& bytes, bool bytewise = false) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  if (bytewise) {
    for (char c : bytes) d.feed(std::string(1, c), out);
  } else {
    d.feed(bytes, out);
  }
  d.expire(out);
  return out;
}

std::vector<std::uint16_t> keys(const std::vector<KeyEvent>& events) {
  std::vector<std::uint16_t> v;
  for (const auto& k : events) v.push_back(k.virtual_key);
  return v;
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
    {"F1", "\x1bOP", VK_F1, 0}, {"F2", "\x1bOQ", VK_F2, 0}, {"F3", "\x1bOR", VK_F3, 0},
    {"F3 kitty", "\x1b[13~", VK_F3, 0}, {"F4", "\x1bOS", VK_F4, 0}, {"F5", "\x1b[15~", VK_F5, 0},
    {"F6", "\x1b[17~", VK_F6, 0}, {"F7", "\x1b[18~", VK_F7, 0}, {"F8", "\x1b[19~", VK_F8, 0},
    {"F9", "\x1b[20~", VK_F9, 0}, {"F10", "\x1b[21~", VK_F10, 0}, {"F11", "\x1b[23~", VK_F11, 0},
    {"F12", "\x1b[24~", VK_F12, 0}, {"F1 linux", "\x1b[[A", VK_F1, 0},
    {"C-F1", "\x1b[1;5P", VK_F1, C}, {"C-F2", "\x1b[1;5Q", VK_F2, C},
    {"C-F2 ss3", "\x1bO5Q", VK_F2, C}, {"C-F5", "\x1b[15;5~", VK_F5, C},
    {"C-F9", "\x1b[20;5~", VK_F9, C}, {"C-F11", "\x1b[23;5~", VK_F11, C},
    {"A-F4", "\x1b[1;3S", VK_F4, A}, {"A-F4 kitty", "\x1b[14;3~", VK_F4, A},
    {"Enter", "\r", VK_RETURN, 0}, {"Enter LF", "\n", VK_RETURN, 0},
    {"C-Enter mok", "\x1b[27;5;13~", VK_RETURN, C}, {"CS-Enter mok", "\x1b[27;6;13~", VK_RETURN, C | S},
    {"C-Enter u", "\x1b[13;5u", VK_RETURN, C}, {"CS-Enter u", "\x1b[13;6u", VK_RETURN, C | S},
    {"C-2 legacy", std::string(1, '\0'), '2', C}, {"C-4 legacy", "\x1c", '4', C},
    {"C-1 mok", "\x1b[27;5;49~", '1', C}, {"C-2 mok", "\x1b[27;5;50~", '2', C},
    {"C-3 mok", "\x1b[27;5;51~", '3', C}, {"C-4 mok", "\x1b[27;5;52~", '4', C},
    {"C-1 u", "\x1b[49;5u", '1', C}, {"C-3 u", "\x1b[51;5u", '3', C}, {"C-4 u", "\x1b[52;5u", '4', C},
    // Ctrl+Shift+digits: the digit or the symbol it carries
    {"CS-1 mok", "\x1b[27;6;33~", '1', C | S}, {"CS-2 mok", "\x1b[27;6;64~", '2', C | S},
    {"CS-3 mok", "\x1b[27;6;35~", '3', C | S}, {"CS-4 mok", "\x1b[27;6;36~", '4', C | S},
    {"CS-1 u xterm", "\x1b[33;6u", '1', C | S}, {"CS-1 u tmux", "\x1b[49;6u", '1', C | S},
    {"CA-1 mok", "\x1b[27;7;49~", '1', C | A}, {"CA-3 mok", "\x1b[27;7;51~", '3', C | A},
    {"CA-2 u", "\x1b[50;7u", '2', C | A},
    {"kp 1", "\x1bOq", VK_NUMPAD1, 0}, {"kp 9", "\x1bOy", VK_NUMPAD9, 0},
    {"C-kp 1", "\x1b[57400;5u", VK_NUMPAD1, C}, {"CS-kp 4", "\x1b[57403;6u", VK_NUMPAD4, C | S},
    {"C-kp +", "\x1b[57413;5u", VK_ADD, C}, {"C-kp -", "\x1b[57412;5u", VK_SUBTRACT, C},
    {"C-kp + ss3", "\x1bO5k", VK_ADD, C}, {"C-kp - ss3", "\x1bO5m", VK_SUBTRACT, C},
    {"C-+ mok", "\x1b[27;5;43~", VK_OEM_PLUS, C | S}, {"C-= mok", "\x1b[27;5;61~", VK_OEM_PLUS, C},
    {"C-- mok", "\x1b[27;5;45~", VK_OEM_MINUS, C}, {"C-- legacy", "\x1f", VK_OEM_MINUS, C},
    {"C-A", "\x01", 'A', C}, {"C-V", "\x16", 'V', C}, {"C-A mok", "\x1b[27;5;97~", 'A', C},
    {"C-S u", "\x1b[115;5u", 'S', C}, {"A-O", "\x1bo", 'O', A}, {"A-1", "\x1b" "1", '1', A},
    {"A-A mok", "\x1b[27;3;97~", 'A', A}, {"A-L u", "\x1b[108;3u", 'L', A},
    {"CA-P mok", "\x1b[27;7;112~", 'P', C | A}, {"CA-E u", "\x1b[101;7u", 'E', C | A},
    {"CA-V esc", "\x1b\x16", 'V', C | A},
    {"C-Del", "\x1b[3;5~", VK_DELETE, C}, {"Del", "\x1b[3~", VK_DELETE, 0},
    {"Home", "\x1b[H", VK_HOME, 0}, {"End", "\x1b[F", VK_END, 0}, {"Home tmux", "\x1b[1~", VK_HOME, 0},
    {"End tmux", "\x1b[4~", VK_END, 0}, {"Home rxvt", "\x1b[7~", VK_HOME, 0},
    {"Home app", "\x1bOH", VK_HOME, 0}, {"PgUp", "\x1b[5~", VK_PRIOR, 0},
    {"PgDn", "\x1b[6~", VK_NEXT, 0}, {"Up", "\x1b[A", VK_UP, 0}, {"Down", "\x1b[B", VK_DOWN, 0},
    {"Right", "\x1b[C", VK_RIGHT, 0}, {"Left", "\x1b[D", VK_LEFT, 0}, {"Up app", "\x1bOA", VK_UP, 0},
    {"A-Left", "\x1b[1;3D", VK_LEFT, A}, {"A-Right", "\x1b[1;3C", VK_RIGHT, A},
    {"A-Home", "\x1b[1;3H", VK_HOME, A}, {"A-End", "\x1b[1;3F", VK_END, A},
    {"BS", "\x7f", VK_BACK, 0}, {"BS ^H", "\b", VK_BACK, 0}, {"Esc kitty", "\x1b[27u", VK_ESCAPE, 0},
    {"Space", " ", VK_SPACE, 0}, {"Tab", "\t", VK_TAB, 0}, {"S-Tab", "\x1b[Z", VK_TAB, S},
    {"Menu", "\x1b[29~", VK_APPS, 0}, {"Menu kitty", "\x1b[57363u", VK_APPS, 0},
    {"e", "e", 'E', 0}, {"T", "T", 'T', S}, {"7", "7", '7', 0}, {"=", "=", VK_OEM_PLUS, 0},
    {"S-a kitty", "\x1b[97;2u", 'A', S},
};

TEST(InputDecoder, EveryKeyInEveryEncodingWholeOrSplit) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    for (bool bytewise : {false, true}) {
      auto k = decode(c.bytes, bytewise);
      ASSERT_EQ(k.size(), 1u);
      EXPECT_EQ(k[0].virtual_key, c.vk);
      EXPECT_EQ(k[0].control_state & (S | C | A), c.mods);
      EXPECT_TRUE(k[0].key_down);
    }
  }
}

// What a read holds, as keys: unknown sequences and broken characters are dropped
// whole (through their final byte), never typed, however the reads split them.
TEST(InputDecoder, SequencesOfKeysAndWhatIsNeverTyped) {
  const std::string flood = "\x1b[" + std::string(200, '1') + ";5A";
  struct Row {
    std::string bytes;
    std::vector<std::uint16_t> vk;
  } rows[] = {
      {"e4\r\x1b[1;3S", {'E', '4', VK_RETURN, VK_F4}},
      {"\x1b\x1b[A", {VK_ESCAPE, VK_UP}},  // Esc twice then Up: not Alt+Esc
      {"\x1b[99~x", {'X'}}, {"\x1b[?1;2c" "x", {'X'}}, {"\x1b[?1ux", {'X'}},
      {"\x1b[<0;10;5Mx", {'X'}}, {"\x1b[1;5Xx", {'X'}}, {"\x1b[200~x", {'X'}},
      {"\x1b[12$~x", {'X'}}, {"\x1bOzx", {'X'}}, {"\x1b[57441;2ux", {'X'}},  // lone modifier
      {flood + "x", {'X'}}, {"\x1b[15;5", {}},  // never completed
      {"\xC0\x81x", {'X'}}, {"\xC1\xA1x", {'X'}}, {"\xE0\x80\xAFx", {'X'}},  // overlong
      {"\xC2\x85x", {'X'}}, {"\xED\xA0\x80x", {'X'}}, {"\xF4\x90\x80\x80x", {'X'}},
      {"\xEE\x80\x80x", {'X'}}, {"\x1b\xC0\x81x", {'X'}}, {"\x1b[55296ux", {'X'}},
      {"\x1b[27;1;133~x", {'X'}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::PrintToString(r.bytes));
    EXPECT_EQ(keys(decode(r.bytes)), r.vk);
    EXPECT_EQ(keys(decode(r.bytes, true)), r.vk);
  }
}

TEST(InputDecoder, EscAndUnfinishedSequencesWaitForTheNextReadOrThePause) {
  InputDecoder d;
  std::vector<KeyEvent> out;
  d.feed("\x1b", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(d.pending());
  d.expire(out);
  ASSERT_EQ(keys(out), std::vector<std::uint16_t>{VK_ESCAPE});
  EXPECT_EQ(out[0].control_state, 0u);
  EXPECT_FALSE(d.pending());
  out.clear();
  d.feed("\x1b", out);
  d.feed("s", out);  // a later read, before the pause: Alt+S
  d.feed("\x1b[1;", out);
  d.feed("3", out);
  d.feed("S", out);
  ASSERT_EQ(keys(out), (std::vector<std::uint16_t>{'S', VK_F4}));
  EXPECT_EQ(out[0].control_state, A);
  out.clear();
  d.feed("\x1b[" + std::string(200, '1'), out);  // cut off by the pause: it ends there
  d.expire(out);
  EXPECT_FALSE(d.pending());
  d.feed("1", out);
  EXPECT_EQ(keys(out), std::vector<std::uint16_t>{'1'});
}

TEST(InputDecoder, CharactersCarryTheirAsciiAndUnicodeAndKittyReleases) {
  auto k = decode("eE\x01\x1b[27;5;13~\x1b[97;1:3u");
  ASSERT_EQ(k.size(), 5u);
  EXPECT_EQ(std::string({k[0].ascii, k[1].ascii, k[2].ascii, k[3].ascii}), "eE\x01\n");
  EXPECT_TRUE(k[3].key_down);
  EXPECT_FALSE(k[4].key_down);
  for (bool bytewise : {false, true}) {  // non-ASCII letters arrive whole, with no virtual key
    k = decode("\xc3\xa8", bytewise);
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0].unicode, U'è');
    EXPECT_EQ(k[0].virtual_key, 0);
  }
  EXPECT_EQ(decode("\xff\xc3(")[0].ascii, '(');
}

}  // namespace
