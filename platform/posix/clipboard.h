// The clipboard through the desktop's command-line tools: wl-copy/wl-paste
// under Wayland, xclip or xsel under X11. They are started without a shell
// through a CommandRunner, which tests replace with a fake.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct CommandResult {
  bool ok = false;     // started, and exited with 0 within the time allowed
  std::string output;  // standard output, when asked for
};

class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  // Whether the program is found on PATH.
  virtual bool available(const std::string& program) = 0;
  // Runs argv[0] with argv (no shell), feeding `input` on its standard input
  // and, when `capture` is set, collecting its standard output.
  virtual CommandResult run(const std::vector<std::string>& argv, std::string_view input,
                            bool capture) = 0;
};

// Runs real processes; one that outlives timeout_ms is killed and fails.
std::unique_ptr<CommandRunner> make_process_runner(int timeout_ms);

class Clipboard {
 public:
  // Which display servers the session has (from WAYLAND_DISPLAY / DISPLAY
  // when not given).
  struct Session {
    bool wayland = false;
    bool x11 = false;
  };
  static Session session_from_environment();

  Clipboard(CommandRunner& runner, Session session) : runner_(runner), session_(session) {}

  // Text is kept byte for byte (CR LF included). Failures, including no
  // tool or no display, are reported: false / nullopt.
  bool set_text(std::string_view utf8);
  std::optional<std::string> text();
  // The files a file manager copied: absolute paths, URIs decoded.
  std::optional<std::vector<std::string>> files();

 private:
  enum class Tool { kNone, kWayland, kXclip, kXsel };
  Tool tool();
  std::optional<std::string> read(Tool t, const char* target);

  CommandRunner& runner_;
  Session session_;
};

// Paths in what a file manager put on the clipboard: gnome/mate copied-files
// lists, text/uri-list or plain text. CRs, "#" comments and the copy/cut
// word are skipped; file:// URIs are percent-decoded; other URIs dropped.
std::vector<std::string> parse_copied_files(std::string_view data);
std::string percent_decode(std::string_view s);

}  // namespace platform
