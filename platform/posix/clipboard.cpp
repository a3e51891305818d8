#include "platform/posix/clipboard.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace platform {

namespace {

// Targets file managers offer for copied files, in the order they are
// trusted: the lists that say copy or cut first, then generic ones.
constexpr const char* kFileTargets[] = {"x-special/gnome-copied-files",
                                        "x-special/mate-copied-files",
                                        "text/uri-list",
                                        "UTF8_STRING",
                                        "text/plain;charset=utf-8",
                                        "text/plain"};

int hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string> split_lines(std::string_view data) {
  std::vector<std::string> out;
  std::string line;
  for (char c : data) {
    if (c == '\r') continue;
    if (c == '\n') {
      out.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) out.push_back(line);
  return out;
}

}  // namespace

std::string percent_decode(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && hex(s[i + 1]) >= 0 && hex(s[i + 2]) >= 0) {
      out += static_cast<char>(hex(s[i + 1]) * 16 + hex(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::vector<std::string> parse_copied_files(std::string_view data) {
  std::vector<std::string> out;
  for (const std::string& line : split_lines(data)) {
    if (line.empty() || line[0] == '#' || line == "copy" || line == "cut" ||
        line == "x-special/nautilus-clipboard")
      continue;
    if (line.rfind("file://", 0) == 0) {
      std::string_view rest = std::string_view(line).substr(7);
      // file://host/path: only this machine's files can be opened.
      std::size_t slash = rest.find('/');
      if (slash == std::string_view::npos) continue;
      std::string_view host = rest.substr(0, slash);
      if (!host.empty() && host != "localhost") continue;
      std::string path = percent_decode(rest.substr(slash));
      if (path.find('\0') == std::string::npos) out.push_back(path);
    } else if (line[0] == '/') {
      out.push_back(line);
    }
  }
  return out;
}

Clipboard::Session Clipboard::session_from_environment() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  return Session{set("WAYLAND_DISPLAY"), set("DISPLAY")};
}

Clipboard::Tool Clipboard::tool() {
  if (session_.wayland && runner_.available("wl-copy") && runner_.available("wl-paste"))
    return Tool::kWayland;
  if (session_.x11 && runner_.available("xclip")) return Tool::kXclip;
  if (session_.x11 && runner_.available("xsel")) return Tool::kXsel;
  return Tool::kNone;
}

bool Clipboard::set_text(std::string_view utf8) {
  switch (tool()) {
    case Tool::kWayland:
      return runner_.run({"wl-copy"}, utf8, false).ok;
    case Tool::kXclip: {
      if (!runner_.run({"xclip", "-selection", "clipboard", "-i"}, utf8, false).ok) return false;
      // xclip returns before the child it leaves behind owns the clipboard: a
      // paste at once would read nothing, or the text copied before. Wait, for
      // a bounded time, until the clipboard gives back what was put in.
      for (int i = 0; i < 100; ++i) {
        auto back = read(Tool::kXclip, nullptr);
        if (back && *back == utf8) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      return false;
    }
    case Tool::kXsel:
      return runner_.run({"xsel", "--clipboard", "--input"}, utf8, false).ok;
    default:
      return false;
  }
}

std::optional<std::string> Clipboard::read(Tool t, const char* target) {
  std::vector<std::string> argv;
  switch (t) {
    case Tool::kWayland:
      argv = {"wl-paste", "--no-newline"};
      if (target) argv.insert(argv.end(), {"--type", target});
      break;
    case Tool::kXclip:
      argv = {"xclip", "-selection", "clipboard", "-o"};
      if (target) argv.insert(argv.end(), {"-t", target});
      break;
    case Tool::kXsel:
      if (target) return std::nullopt;  // xsel cannot ask for a target
      argv = {"xsel", "--clipboard", "--output"};
      break;
    default:
      return std::nullopt;
  }
  CommandResult r = runner_.run(argv, {}, true);
  if (!r.ok) return std::nullopt;
  return r.output;
}

std::optional<std::string> Clipboard::text() { return read(tool(), nullptr); }

std::optional<std::vector<std::string>> Clipboard::files() {
  Tool t = tool();
  if (t == Tool::kNone) return std::nullopt;
  if (t == Tool::kXsel) {
    auto plain = read(t, nullptr);
    if (!plain) return std::nullopt;
    return parse_copied_files(*plain);
  }
  std::optional<std::string> offered;
  if (t == Tool::kWayland) {
    CommandResult r = runner_.run({"wl-paste", "--list-types"}, {}, true);
    if (r.ok) offered = r.output;
  } else {
    offered = read(t, "TARGETS");
  }
  if (!offered) return std::nullopt;  // nothing on the clipboard, or no display
  std::vector<std::string> targets = split_lines(*offered);
  for (const char* wanted : kFileTargets) {
    bool present = false;
    for (const auto& o : targets) present = present || o == wanted;
    if (!present) continue;
    auto data = read(t, wanted);
    if (!data) continue;
    auto paths = parse_copied_files(*data);
    if (!paths.empty()) return paths;
  }
  return std::vector<std::string>{};
}

}  // namespace platform
