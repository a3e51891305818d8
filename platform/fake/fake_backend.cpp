#include "platform/fake/fake_backend.h"

#include <cctype>

namespace platform {

namespace {

// The key a US keyboard presses to type c, with Shift when needed.
KeyEvent key_for_char(char c) {
  KeyEvent k;
  k.ascii = c;
  unsigned char u = static_cast<unsigned char>(c);
  if (std::isalpha(u)) {
    k.virtual_key = static_cast<std::uint16_t>(std::toupper(u));
    if (std::isupper(u)) k.control_state = SHIFT_PRESSED;
  } else if (std::isdigit(u)) {
    k.virtual_key = u;
  } else {
    switch (c) {
      case ' ': k.virtual_key = VK_SPACE; break;
      case '\n': case '\r': k.virtual_key = VK_RETURN; k.ascii = '\r'; break;
      case '=': k.virtual_key = VK_OEM_PLUS; break;
      case '+': k.virtual_key = VK_OEM_PLUS; k.control_state = SHIFT_PRESSED; break;
      case '-': k.virtual_key = VK_OEM_MINUS; break;
      case '.': k.virtual_key = VK_OEM_PERIOD; break;
      case ',': k.virtual_key = VK_OEM_COMMA; break;
      case '/': k.virtual_key = VK_OEM_2; break;
      case '#': k.virtual_key = '3'; k.control_state = SHIFT_PRESSED; break;
      case '!': k.virtual_key = '1'; k.control_state = SHIFT_PRESSED; break;
      case '?': k.virtual_key = VK_OEM_2; k.control_state = SHIFT_PRESSED; break;
      case ':': k.virtual_key = VK_OEM_1; k.control_state = SHIFT_PRESSED; break;
      default: k.virtual_key = 0; break;
    }
  }
  return k;
}

}  // namespace

void FakeBackend::type(std::string_view text) {
  for (char c : text) keys.push_back(key_for_char(c));
}

void FakeBackend::press(std::uint16_t vk, std::uint32_t control, char ascii) {
  KeyEvent k;
  k.virtual_key = vk;
  k.control_state = control;
  k.ascii = ascii;
  if (!ascii && !(control & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED | LEFT_ALT_PRESSED |
                             RIGHT_ALT_PRESSED))) {
    if (vk == VK_RETURN) k.ascii = '\r';
    else if (vk == VK_BACK) k.ascii = '\b';
    else if (vk == VK_ESCAPE) k.ascii = 27;
    else if (vk == VK_SPACE) k.ascii = ' ';
    else if (vk >= '0' && vk <= '9') k.ascii = static_cast<char>(vk);
    else if (vk >= 'A' && vk <= 'Z')
      k.ascii = static_cast<char>((control & SHIFT_PRESSED) ? vk : vk + 32);
    else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) k.ascii = static_cast<char>('0' + vk - VK_NUMPAD0);
  }
  keys.push_back(k);
}

int FakeBackend::read_keys(KeyEvent* out, int max, int timeout_ms) {
  waits.push_back(timeout_ms);
  if (keys.empty()) {
    ++idle_waits;
    if (on_idle) on_idle();
    if (keys.empty()) {
      // Nothing came: the wait ran its whole length on the fake clock.
      if (timeout_ms > 0) advance(static_cast<std::uint32_t>(timeout_ms));
      return 0;
    }
  }
  int n = 0;
  while (n < max && !keys.empty()) {
    out[n++] = keys.front();
    keys.pop_front();
  }
  return n;
}

DateTime FakeBackend::utc_time(std::int64_t ms) { return break_down_utc(ms); }

DateTime FakeBackend::local_time(std::int64_t ms) {
  return break_down_utc(ms + std::int64_t{utc_offset_minutes} * 60000);
}

int FakeBackend::message_box(std::string_view text, std::string_view caption, int style) {
  dialogs.push_back({std::string(text), std::string(caption), style});
  if (!answers.empty()) {
    int a = answers.front();
    answers.pop_front();
    return a;
  }
  return (style & 0x0F) == MB_OK ? IDOK : IDYES;
}

bool FakeBackend::clipboard_set_text(std::string_view utf8) {
  clipboard_writes.emplace_back(utf8);
  clipboard = std::string(utf8);
  return true;
}

void* FakeBackend::load_library(const char* name) {
  library_calls.push_back({"load", name});
  auto it = libraries.find(name);
  return it == libraries.end() ? nullptr : &it->second;
}

void* FakeBackend::library_symbol(void* library, const char* name) {
  library_calls.push_back({"symbol", name});
  if (!library) return nullptr;
  auto& entries = *static_cast<std::map<std::string, void*>*>(library);
  auto it = entries.find(name);
  return it == entries.end() ? nullptr : it->second;
}

void FakeBackend::unload_library(void* library) {
  for (auto& [name, entries] : libraries)
    if (&entries == library) library_calls.push_back({"unload", name});
}

bool FakeBackend::open_in_viewer(const std::string& path) {
  opened_files.push_back(path);
  return viewer_works;
}

}  // namespace platform
