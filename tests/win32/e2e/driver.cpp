// Drives vantorel.exe on a console of its own, as a user at the keyboard:
// exact key events in with WriteConsoleInputW, screen rows out with
// ReadConsoleOutputCharacterW. The steps come from a script, one a line:
//   start                     start the program (in the current directory)
//   wait-row <row> <text>     until that row contains the text
//   type <text>               letters and digits, each a key press
//   key <name> [mod...]       one key press: a letter or digit, RETURN, F1..F12,
//                             UP, DOWN, HOME, END, BACK, DELETE, ESCAPE, SPACE;
//                             mods: ctrl, shift, alt, enhanced
//   clip-set <text>           put the text on the clipboard as Unicode text,
//                             each \n written as CR LF, as Windows programs do
//   clip-wait <text>          until the clipboard's Unicode text contains the
//                             text (\n as for clip-set)
//   signal <name>             create the file <name> (for the shell script)
//   wait-file <file> <text>   until the file contains the text
//   running                   the program has not ended
//   wait-exit <code>          until the program ends, with that exit code
// On a failure the screen is printed and the program ended.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr int kRows = 45;

PROCESS_INFORMATION child{};
HANDLE in = INVALID_HANDLE_VALUE, out = INVALID_HANDLE_VALUE;
std::wstring program;

std::string utf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

std::string row(int r) {
  wchar_t cells[80];
  DWORD read = 0;
  if (!ReadConsoleOutputCharacterW(out, cells, 80, COORD{0, static_cast<SHORT>(r)}, &read))
    return {};
  std::wstring w(cells, read);
  w.erase(w.find_last_not_of(L' ') + 1);
  return utf8(w);
}

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "driver: %s\n", why.c_str());
  if (out != INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "screen:\n");
    for (int r = 0; r < kRows; ++r) std::fprintf(stderr, "%2d|%s\n", r, row(r).c_str());
  }
  if (child.hProcess) TerminateProcess(child.hProcess, 99);
  std::fflush(stderr);
  ExitProcess(1);
}

bool ended() { return child.hProcess && WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0; }

// Repeats a check every 20 ms until it holds or the time runs out.
template <typename Check>
bool wait_until(Check check) {
  ULONGLONG end = GetTickCount64() + kTimeoutMs;
  for (;;) {
    if (check()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

void start() {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring line = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                      nullptr, nullptr, &si, &child))
    fail("cannot start the program, error " + std::to_string(GetLastError()));
  FreeConsole();
  if (!wait_until([] { return AttachConsole(child.dwProcessId) != 0; }))
    fail("cannot attach to the program's console");
  in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                   nullptr, OPEN_EXISTING, 0, nullptr);
  out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (in == INVALID_HANDLE_VALUE || out == INVALID_HANDLE_VALUE) fail("no console handles");
}

void press(WORD vk, wchar_t c, DWORD state) {
  static bool flushed = false;
  if (!flushed) {
    // Whatever the console queued before the first key is not ours.
    FlushConsoleInputBuffer(in);
    flushed = true;
  }
  INPUT_RECORD r[2]{};
  for (int i = 0; i < 2; ++i) {
    r[i].EventType = KEY_EVENT;
    r[i].Event.KeyEvent.bKeyDown = i == 0;
    r[i].Event.KeyEvent.wRepeatCount = 1;
    r[i].Event.KeyEvent.wVirtualKeyCode = vk;
    r[i].Event.KeyEvent.wVirtualScanCode = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    r[i].Event.KeyEvent.uChar.UnicodeChar = c;
    r[i].Event.KeyEvent.dwControlKeyState = state;
  }
  DWORD written = 0;
  if (!WriteConsoleInputW(in, r, 2, &written) || written != 2) fail("cannot write key events");
}

void key(const std::string& name, const std::vector<std::string>& mods) {
  static const std::map<std::string, std::pair<WORD, wchar_t>> named = {
      {"RETURN", {VK_RETURN, L'\r'}}, {"BACK", {VK_BACK, L'\b'}},   {"ESCAPE", {VK_ESCAPE, 27}},
      {"SPACE", {VK_SPACE, L' '}},    {"UP", {VK_UP, 0}},           {"DOWN", {VK_DOWN, 0}},
      {"HOME", {VK_HOME, 0}},         {"END", {VK_END, 0}},         {"DELETE", {VK_DELETE, 0}},
  };
  DWORD state = 0;
  for (const auto& m : mods) {
    if (m == "ctrl") state |= LEFT_CTRL_PRESSED;
    else if (m == "shift") state |= SHIFT_PRESSED;
    else if (m == "alt") state |= LEFT_ALT_PRESSED;
    else if (m == "enhanced") state |= ENHANCED_KEY;
    else fail("unknown modifier " + m);
  }
  WORD vk = 0;
  wchar_t c = 0;
  if (auto it = named.find(name); it != named.end()) {
    vk = it->second.first;
    c = it->second.second;
    if (vk >= VK_PRIOR && vk <= VK_DOWN) state |= ENHANCED_KEY;
    if (vk == VK_DELETE) state |= ENHANCED_KEY;
  } else if (name.size() >= 2 && name[0] == 'F') {
    vk = static_cast<WORD>(VK_F1 + std::stoi(name.substr(1)) - 1);
  } else if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    char ch = name[0];
    vk = static_cast<WORD>(std::toupper(static_cast<unsigned char>(ch)));
    c = static_cast<wchar_t>(ch);
  } else {
    fail("unknown key " + name);
  }
  if (state & (LEFT_CTRL_PRESSED | LEFT_ALT_PRESSED)) {
    // What a console reports for Ctrl+letter; Alt keys type nothing.
    if (state & LEFT_ALT_PRESSED) c = 0;
    else if (vk >= 'A' && vk <= 'Z') c = static_cast<wchar_t>(vk - 'A' + 1);
    else if (vk == VK_RETURN) c = L'\n';
  }
  press(vk, c, state);
}

std::wstring utf16(const std::string& s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// A script's text with each \n as CR LF.
std::string unescape(const std::string& escaped) {
  std::string text;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped.compare(i, 2, "\\n") == 0) {
      text += "\r\n";
      ++i;
    } else {
      text += escaped[i];
    }
  }
  return text;
}

void clip_set(const std::string& escaped) {
  std::wstring w = utf16(unescape(escaped));
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
  auto* p = static_cast<wchar_t*>(GlobalLock(block));
  std::copy(w.c_str(), w.c_str() + w.size() + 1, p);
  GlobalUnlock(block);
  if (!wait_until([] { return OpenClipboard(nullptr) != 0; })) fail("cannot open the clipboard");
  EmptyClipboard();
  bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  if (!set) fail("cannot set the clipboard");
}

// The clipboard's Unicode text, empty when it holds none or is busy.
std::string clip_text() {
  if (!OpenClipboard(nullptr)) return {};
  std::wstring w;
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(block))) {
      w = p;
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return utf8(w);
}

std::string read_file(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void run(const std::string& line) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  std::string rest;
  std::getline(words >> std::ws, rest);
  if (command.empty() || command[0] == '#') return;
  if (command == "start") {
    start();
  } else if (command == "wait-row") {
    std::istringstream r(rest);
    int n;
    r >> n;
    std::string text;
    std::getline(r.ignore(1), text);
    if (!wait_until([&] { return row(n).find(text) != std::string::npos || ended(); }) ||
        row(n).find(text) == std::string::npos)
      fail(line + ": not seen");
  } else if (command == "type") {
    for (char c : rest) key(std::string(1, c), {});
  } else if (command == "key") {
    std::istringstream r(rest);
    std::string name, m;
    r >> name;
    std::vector<std::string> mods;
    while (r >> m) mods.push_back(m);
    key(name, mods);
  } else if (command == "clip-set") {
    clip_set(rest);
  } else if (command == "clip-wait") {
    const std::string text = unescape(rest);
    if (!wait_until([&] { return clip_text().find(text) != std::string::npos; }))
      fail(line + ": not on the clipboard:\n" + clip_text());
  } else if (command == "signal") {
    std::ofstream(rest) << "1\n";
  } else if (command == "wait-file") {
    std::istringstream r(rest);
    std::string file, text;
    r >> file;
    std::getline(r.ignore(1), text);
    if (!wait_until([&] { return read_file(file).find(text) != std::string::npos; }))
      fail(line + ": not in " + file + ":\n" + read_file(file));
  } else if (command == "running") {
    if (ended()) fail("the program ended");
  } else if (command == "wait-exit") {
    if (WaitForSingleObject(child.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
      fail("the program did not end");
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    if (code != static_cast<DWORD>(std::stoul(rest)))
      fail("exit code " + std::to_string(code) + ", expected " + rest);
  } else {
    fail("unknown step: " + line);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: driver <program.exe> <script>\n");
    return 2;
  }
  program = argv[1];
  std::ifstream script(utf8(argv[2]));
  if (!script) fail("cannot read the script");
  for (std::string line; std::getline(script, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    run(line);
  }
  if (child.hProcess && !ended()) fail("the script ended with the program still running");
  std::printf("driver: all steps passed\n");
  return 0;
}
