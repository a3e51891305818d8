#include "platform/posix/clipboard.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/posix/viewer.h"

using platform::Clipboard;
using platform::CommandResult;

namespace {

// Records every command and answers from a table keyed by the joined argv.
struct FakeRunner : platform::CommandRunner {
  std::set<std::string> programs;
  std::map<std::string, CommandResult> answers;
  std::vector<std::vector<std::string>> calls;
  std::vector<std::string> inputs;

  bool available(const std::string& program) override { return programs.count(program) > 0; }
  CommandResult run(const std::vector<std::string>& argv, std::string_view input, bool) override {
    calls.push_back(argv);
    inputs.emplace_back(input);
    std::string key;
    for (const auto& a : argv) key += (key.empty() ? "" : " ") + a;
    auto it = answers.find(key);
    return it == answers.end() ? CommandResult{} : it->second;
  }
};

using Argv = std::vector<std::string>;

TEST(Clipboard, PicksTheToolOfTheSessionAndPassesTextWithoutAShell) {
  FakeRunner r;
  r.programs = {"xclip", "xsel", "wl-copy", "wl-paste"};
  r.answers["xclip -selection clipboard -i"] = {true, ""};
  r.answers["wl-copy"] = {true, ""};
  r.answers["xsel --clipboard --input"] = {true, ""};
  const std::string text = "1. e4 e5\r\n2. Nf3 $(id) 'x'\r\n";

  r.answers["xclip -selection clipboard -o"] = {true, text};  // the copy owns the clipboard
  EXPECT_TRUE(Clipboard(r, {false, true}).set_text(text));
  EXPECT_EQ(r.calls.end()[-2], (Argv{"xclip", "-selection", "clipboard", "-i"}));
  EXPECT_EQ(r.inputs.end()[-2], text);  // byte for byte, CR LF kept
  EXPECT_EQ(r.calls.back(), (Argv{"xclip", "-selection", "clipboard", "-o"}));

  EXPECT_TRUE(Clipboard(r, {true, true}).set_text(text));
  EXPECT_EQ(r.calls.back(), (Argv{"wl-copy"}));

  r.programs = {"xsel"};
  EXPECT_TRUE(Clipboard(r, {false, true}).set_text(text));
  EXPECT_EQ(r.calls.back(), (Argv{"xsel", "--clipboard", "--input"}));
  EXPECT_EQ(r.inputs.back(), text);
  r.programs = {"wl-copy", "wl-paste"};
  r.answers["wl-paste --no-newline"] = {true, text};
  EXPECT_EQ(Clipboard(r, {true, false}).text(), text);  // back byte for byte
}

TEST(Clipboard, FailuresAreReportedAsFailures) {
  FakeRunner r;
  r.programs = {"xclip"};
  Clipboard x(r, {false, true});
  EXPECT_FALSE(x.set_text("a"));  // the tool failed (or timed out)
  EXPECT_FALSE(x.text().has_value());
  EXPECT_FALSE(x.files().has_value());
  Clipboard none(r, {false, false});  // no display at all: nothing is run
  std::size_t calls = r.calls.size();
  EXPECT_FALSE(none.set_text("a"));
  EXPECT_FALSE(none.text().has_value());
  EXPECT_EQ(r.calls.size(), calls);
  r.programs.clear();  // a display but no tool installed
  EXPECT_FALSE(Clipboard(r, {true, true}).text().has_value());
}

TEST(Clipboard, CopiedFilesComeFromTheBestTargetOffered) {
  FakeRunner r;
  r.programs = {"xclip"};
  r.answers["xclip -selection clipboard -o -t TARGETS"] = {
      true, "TIMESTAMP\nTARGETS\ntext/uri-list\nx-special/gnome-copied-files\nUTF8_STRING\n"};
  r.answers["xclip -selection clipboard -o -t x-special/gnome-copied-files"] = {
      true, "copy\r\nfile:///home/ana/partite/torneo%20di%20Roma.pgn\r\nfile:///tmp/b%C3%A8.pgn"};
  r.answers["xclip -selection clipboard -o -t text/uri-list"] = {true, "file:///wrong"};
  auto files = Clipboard(r, {false, true}).files();
  ASSERT_TRUE(files.has_value());
  EXPECT_EQ(*files, (Argv{"/home/ana/partite/torneo di Roma.pgn", "/tmp/bè.pgn"}));

  // Only a URI list offered (Dolphin): that one is read.
  r.answers["xclip -selection clipboard -o -t TARGETS"] = {true, "text/uri-list\ntext/plain\n"};
  r.answers["xclip -selection clipboard -o -t text/uri-list"] = {
      true,
      "# a comment\r\nfile:///a.pgn\r\nhttp://example.invalid/x.pgn\r\nfile://otherhost/b.pgn\r\n"};
  files = Clipboard(r, {false, true}).files();
  ASSERT_TRUE(files.has_value());
  EXPECT_EQ(*files, (Argv{"/a.pgn"}));

  // Text that names no file: an empty list, not a failure.
  r.answers["xclip -selection clipboard -o -t TARGETS"] = {true, "UTF8_STRING\n"};
  r.answers["xclip -selection clipboard -o -t UTF8_STRING"] = {true, "1. e4 e5"};
  files = Clipboard(r, {false, true}).files();
  ASSERT_TRUE(files.has_value());
  EXPECT_TRUE(files->empty());
}

TEST(Clipboard, CopiedFileListsOfTheCommonFileManagersAndEscapes) {
  struct Row {
    const char* text;
    Argv files;
  } rows[] = {
      {"x-special/nautilus-clipboard\ncopy\nfile:///home/u/a%2Bb.pgn\n", {"/home/u/a+b.pgn"}},
      {"cut\r\nfile://localhost/x.pgn\r\n/bare/path.pgn", {"/x.pgn", "/bare/path.pgn"}},
      {"relative.pgn\nfile:///nul%00byte", {}},
  };
  for (const auto& r : rows) EXPECT_EQ(platform::parse_copied_files(r.text), r.files) << r.text;
  EXPECT_EQ(platform::percent_decode("a%20b%2"), "a b%2");  // a cut-off escape stays as it is
  EXPECT_EQ(platform::percent_decode("%zz%41"), "%zzA");
  EXPECT_EQ(platform::viewer_command("pgn/partita 'uno' $(id).pgn"),
            (Argv{"xdg-open", "pgn/partita 'uno' $(id).pgn"}));
  EXPECT_EQ(platform::viewer_command("--help.pgn"), (Argv{"xdg-open", "./--help.pgn"}));
}

}  // namespace
