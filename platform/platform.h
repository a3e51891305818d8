// The one door to the operating system. Everything the program asks of the
// machine (console, keys, tones, time, message boxes, clipboard, libraries,
// the default viewer) goes through the Backend installed at start-up: the
// POSIX terminal, the Windows console, or the fake used by the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows virtual-key codes and control-key-state flags, with the Windows
// values on every platform. Identical redefinitions are harmless, so these
// coexist with <windows.h> inside platform/win32.
#ifndef VK_BACK
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_APPS 0x5D
#define VK_NUMPAD0 0x60
#define VK_NUMPAD1 0x61
#define VK_NUMPAD2 0x62
#define VK_NUMPAD3 0x63
#define VK_NUMPAD4 0x64
#define VK_NUMPAD5 0x65
#define VK_NUMPAD6 0x66
#define VK_NUMPAD7 0x67
#define VK_NUMPAD8 0x68
#define VK_NUMPAD9 0x69
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SEPARATOR 0x6C
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_OEM_1 0xBA
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF
#define VK_OEM_3 0xC0
#define VK_OEM_4 0xDB
#define VK_OEM_5 0xDC
#define VK_OEM_6 0xDD
#define VK_OEM_7 0xDE
#endif

#ifndef RIGHT_ALT_PRESSED
#define RIGHT_ALT_PRESSED 0x0001
#define LEFT_ALT_PRESSED 0x0002
#define RIGHT_CTRL_PRESSED 0x0004
#define LEFT_CTRL_PRESSED 0x0008
#define SHIFT_PRESSED 0x0010
#define NUMLOCK_ON 0x0020
#define SCROLLLOCK_ON 0x0040
#define CAPSLOCK_ON 0x0080
#define ENHANCED_KEY 0x0100
#endif

// Message-box styles and results, Windows values.
#ifndef MB_OK
#define MB_OK 0x00
#define MB_YESNOCANCEL 0x03
#define MB_YESNO 0x04
#define MB_ICONINFORMATION 0x40
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
#endif

namespace platform {

constexpr int kScreenColumns = 80;
constexpr int kScreenRows = 300;

// One console input record, as the Windows console reports a key.
struct KeyEvent {
  bool key_down = true;
  std::uint16_t virtual_key = 0;  // VK_* or 'A'..'Z', '0'..'9'
  char ascii = 0;                 // the character the key types, 0 if none
  std::uint32_t control_state = 0;  // *_PRESSED flags
  char32_t unicode = 0;             // the full character when it is not ASCII
};

// A broken-down calendar time.
struct DateTime {
  int year = 1970, month = 1, day = 1;  // month 1..12
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int weekday = 4;  // 0 = Sunday
};

class Backend {
 public:
  virtual ~Backend() = default;

  // console
  virtual void write(std::string_view utf8) = 0;   // at the cursor
  virtual void set_cursor(int column, int row) = 0;
  virtual int cursor_column() const = 0;
  virtual int cursor_row() const = 0;
  virtual void set_window_height(int rows) = 0;     // visible rows of the window
  virtual void clear() = 0;                          // blank buffer, cursor home
  virtual void set_title(std::string_view utf8) = 0;
  // Text of one row of the screen buffer, trailing blanks removed.
  virtual std::string row_text(int row) const = 0;
  // Waits up to timeout_ms (negative: forever) for key events, then returns
  // at most max of them. 0 when the time ran out.
  virtual int read_keys(KeyEvent* out, int max, int timeout_ms) = 0;

  // sound and time
  virtual void beep(int hz, int ms) = 0;  // synchronous; >= 20000 Hz is a silent pause
  virtual void sleep_ms(int ms) = 0;
  virtual std::uint32_t tick_ms() = 0;     // monotonic, wraps at 2^32
  virtual std::int64_t epoch_ms() = 0;     // calendar time, ms since 1970 UTC
  virtual DateTime local_time(std::int64_t epoch_ms) = 0;
  virtual DateTime utc_time(std::int64_t epoch_ms) = 0;

  // dialogs: style MB_OK / MB_YESNO / MB_YESNOCANCEL, optionally | MB_ICONINFORMATION
  virtual int message_box(std::string_view text, std::string_view caption, int style) = 0;
  // Language of the dialog buttons: 0 Italian, 1 English, 2 Spanish.
  virtual void set_language(int lang) = 0;

  // clipboard
  virtual bool clipboard_set_text(std::string_view utf8) = 0;
  virtual std::optional<std::string> clipboard_text() = 0;
  virtual std::optional<std::vector<std::string>> clipboard_files() = 0;

  // libraries
  virtual void* load_library(const char* name) = 0;
  virtual void* library_symbol(void* library, const char* name) = 0;
  virtual void unload_library(void* library) = 0;

  // shell
  virtual bool open_in_viewer(const std::string& path) = 0;

  // process: restores the terminal (or whatever the backend changed) and ends.
  [[noreturn]] virtual void exit_process(int code) = 0;
};

// Installs the backend used from now on; nullptr uninstalls. Not owned.
void install(Backend* backend);
Backend& current();

// Pushes what was written to an open file through to the disk, so a rename
// that follows can never leave an empty or partial file after a power cut.
// False when the system reports that the data could not be stored.
bool flush_to_disk(std::FILE* file);
// Renames from over to in one step: a reader sees the old file or the new
// one, never neither. On failure errno says why.
bool replace_file(const std::string& from, const std::string& to);

// The session is ending under the program (its terminal hung up, the user
// logged out): the backend calls the hook once, on the main thread, before the
// process ends. The hook may write files but must not ask the user anything.
void set_session_end_hook(void (*hook)());
void run_session_end_hook();

// Path separator of the platform the program was built for.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace platform

// Short forms used throughout the program.
inline void Beep(int hz, int ms) { platform::current().beep(hz, ms); }
inline void Sleep(int ms) { platform::current().sleep_ms(ms); }
