// The Windows backend's own parts: text conversion, console input records,
// message-box answers, calendar time and the clipboard. Run under Wine in CI.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/clipboard.h"
#include "platform/win32/key_events.h"
#include "platform/win32/message_box.h"
#include "platform/win32/text.h"
#include "platform/win32/wall_clock.h"

namespace {

using namespace platform::win32;

TEST(Win32Text, RoundTripsAndReplacesMalformedInput) {
  struct Case {
    std::string utf8;
    std::wstring utf16;
  };
  for (const Case& c : std::vector<Case>{
           {"", L""},
           {"e4", L"e4"},
           {"espa\xc3\xb1ol \xe2\x82\xac", L"espa\x00f1ol \x20ac"},
           {"\xf0\x9f\x98\x80", L"\xd83d\xde00"},  // outside the basic plane: a pair
           {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
       }) {
    EXPECT_EQ(to_utf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(to_utf8(c.utf16), c.utf8) << c.utf8;
  }
  EXPECT_EQ(to_utf16("ab\x80" "cd"), L"ab\xfffd" L"cd");
  EXPECT_EQ(to_utf8(std::wstring(1, wchar_t(0xd800))), "\xef\xbf\xbd");
}

INPUT_RECORD Key(bool down, WORD vk, wchar_t c, DWORD state = 0, WORD repeat = 1) {
  INPUT_RECORD r{};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent.bKeyDown = down;
  r.Event.KeyEvent.wRepeatCount = repeat;
  r.Event.KeyEvent.wVirtualKeyCode = vk;
  r.Event.KeyEvent.uChar.UnicodeChar = c;
  r.Event.KeyEvent.dwControlKeyState = state;
  return r;
}

TEST(Win32Keys, RecordsBecomeKeyEvents) {
  std::vector<INPUT_RECORD> in;
  in.push_back(Key(true, 'E', L'e'));
  INPUT_RECORD focus{};
  focus.EventType = FOCUS_EVENT;
  in.push_back(focus);
  INPUT_RECORD mouse{};
  mouse.EventType = MOUSE_EVENT;
  in.push_back(mouse);
  in.push_back(Key(false, 'E', L'e'));
  in.push_back(Key(true, VK_HOME, 0, ENHANCED_KEY));
  in.push_back(Key(true, VK_NUMPAD4, L'4', NUMLOCK_ON));
  in.push_back(Key(true, VK_RETURN, L'\n', LEFT_CTRL_PRESSED));
  in.push_back(Key(true, 'N', 0x00f1));  // ñ
  in.push_back(Key(true, VK_BACK, L'\b', 0, 3));
  wchar_t pending = 0;
  std::vector<platform::KeyEvent> out;
  append_key_events(in.data(), static_cast<int>(in.size()), pending, out);
  ASSERT_EQ(out.size(), 9u);
  EXPECT_TRUE(out[0].key_down);
  EXPECT_EQ(out[0].virtual_key, 'E');
  EXPECT_EQ(out[0].ascii, 'e');
  EXPECT_FALSE(out[1].key_down);
  EXPECT_EQ(out[2].virtual_key, VK_HOME);
  EXPECT_EQ(out[2].control_state, static_cast<std::uint32_t>(ENHANCED_KEY));
  EXPECT_EQ(out[2].ascii, 0);
  EXPECT_EQ(out[3].virtual_key, VK_NUMPAD4);
  EXPECT_EQ(out[3].ascii, '4');
  EXPECT_EQ(out[3].control_state, static_cast<std::uint32_t>(NUMLOCK_ON));
  EXPECT_EQ(out[4].control_state, static_cast<std::uint32_t>(LEFT_CTRL_PRESSED));
  EXPECT_EQ(out[5].ascii, 0);
  EXPECT_EQ(out[5].unicode, U'\u00f1');
  for (int i = 6; i < 9; ++i) EXPECT_EQ(out[i].virtual_key, VK_BACK) << "repeat " << i;
}

TEST(Win32Keys, SurrogatePairsMakeOneCharacterEvenAcrossBatches) {
  INPUT_RECORD high = Key(true, 0, 0xd83d), low = Key(true, 0, 0xde00);
  INPUT_RECORD stray = Key(true, 0, 0xdc01);
  wchar_t pending = 0;
  std::vector<platform::KeyEvent> out;
  append_key_events(&high, 1, pending, out);
  EXPECT_TRUE(out.empty());
  append_key_events(&low, 1, pending, out);
  append_key_events(&stray, 1, pending, out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].unicode, U'\U0001F600');
  EXPECT_EQ(out[1].unicode, U'\uFFFD');
  EXPECT_EQ(pending, 0);
}

TEST(Win32MessageBox, WithoutABoxTheAnswerChangesNothing) {
  EXPECT_EQ(answer_without_box(MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(answer_without_box(MB_YESNO), IDNO);
  EXPECT_EQ(answer_without_box(MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(answer_without_box(MB_YESNOCANCEL | MB_ICONINFORMATION), IDCANCEL);
}

TEST(Win32Clock, EpochAndLocalTimeAgreeWithWindows) {
  std::int64_t now = now_epoch_ms();
  SYSTEMTIME l;
  GetLocalTime(&l);
  EXPECT_GT(now, 1700000000000LL);  // later than November 2023
  platform::DateTime t = local_time(now);
  EXPECT_EQ(t.year, l.wYear);
  EXPECT_EQ(t.month, l.wMonth);
  EXPECT_EQ(t.day, l.wDay);
  int ours = t.hour * 3600 + t.minute * 60 + t.second;
  int windows = l.wHour * 3600 + l.wMinute * 60 + l.wSecond;
  EXPECT_LE(std::abs(ours - windows), 2);
  // 2024-02-29 12:34:56.789 UTC: any time zone keeps the seconds and moves
  // the clock by whole quarter hours.
  platform::DateTime f = local_time(1709210096789LL);
  EXPECT_EQ(f.millisecond, 789);
  EXPECT_EQ(f.second, 56);
  EXPECT_EQ(((f.hour * 60 + f.minute - (12 * 60 + 34)) % 15 + 15) % 15, 0);
}

// The clipboard of the Wine session (or of Windows itself).
struct Win32Clipboard : ::testing::Test {
  void SetUp() override {
    if (!OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard in this session";
    CloseClipboard();
  }
};

TEST_F(Win32Clipboard, TextRoundTripsWithItsLineEnds) {
  const std::string pgn = "[Event \"Citt\xc3\xa0\"]\r\n\r\n 1. e4 e5 *\r\n";
  ASSERT_TRUE(clipboard_set_text(nullptr, pgn));
  EXPECT_EQ(clipboard_text(nullptr), pgn);
  ASSERT_TRUE(clipboard_set_text(nullptr, ""));
  EXPECT_EQ(clipboard_text(nullptr), "");
  // Text is not a file list.
  auto files = clipboard_files(nullptr);
  ASSERT_TRUE(files.has_value());
  EXPECT_TRUE(files->empty());
}

// Puts a CF_HDROP list on the clipboard, as Explorer does on Copy.
void CopyFiles(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const auto& n : names) list += n + L'\0';
  list += L'\0';
  SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
              list.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_HDROP, block);
  CloseClipboard();
}

TEST_F(Win32Clipboard, CopiedFilesComeBackInUtf8) {
  CopyFiles({L"C:\\partite\\torneo.pgn", L"C:\\partite\\ni\x00f1o.pgn"});
  auto files = clipboard_files(nullptr);
  ASSERT_TRUE(files.has_value());
  EXPECT_EQ(*files, (std::vector<std::string>{"C:\\partite\\torneo.pgn",
                                              "C:\\partite\\ni\xc3\xb1o.pgn"}));
}

}  // namespace
