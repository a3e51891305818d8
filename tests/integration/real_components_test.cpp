// The terminal backend's parts against the real components: tones recorded
// from a PulseAudio null sink, the clipboard of an Xvfb display through
// xclip, and the viewer through a logging stand-in. with_services.sh starts
// the components; a test whose component is missing skips.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/posix/clipboard.h"
#include "platform/posix/tones.h"
#include "platform/posix/viewer.h"

namespace fs = std::filesystem;

namespace {

// Waits for a condition set by another process, up to 10 s.
bool eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 1000; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

std::uintmax_t size_of(const fs::path& p) {
  std::error_code ec;
  auto n = fs::file_size(p, ec);
  return ec ? 0 : n;
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Burst {
  double ms, hz, start_ms;
};

// Stretches of sound separated by more than 10 ms of silence.
std::vector<Burst> bursts(const std::vector<std::int16_t>& s, int rate) {
  std::vector<Burst> out;
  const int threshold = 3000;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::abs(s[i]) < threshold) ++i;
    if (i == s.size()) break;
    std::size_t first = i, last = i;
    while (i < s.size() && i - last < static_cast<std::size_t>(rate / 100)) {
      if (std::abs(s[i]) >= threshold) last = i;
      ++i;
    }
    std::vector<std::size_t> rising;
    for (std::size_t k = first + 1; k <= last; ++k)
      if (s[k - 1] < 0 && s[k] >= 0) rising.push_back(k);
    double hz = rising.size() < 2 ? 0
                                  : (rising.size() - 1) * static_cast<double>(rate) /
                                        (rising.back() - rising.front());
    out.push_back({(last - first + 1) * 1000.0 / rate, hz, first * 1000.0 / rate});
  }
  return out;
}

// Records what play() does from the null sink's monitor and returns its bursts.
std::vector<Burst> record_bursts(const char* name, const std::function<void()>& play) {
  const char* sink = std::getenv("VANTOREL_TEST_SINK");
  fs::path raw = fs::absolute(std::string(name) + ".raw");
  std::string pid = std::string(name) + ".pid";
  std::string record = std::string("parec -d ") + sink +
                       ".monitor --rate=44100 --channels=1 --format=s16le --raw > " + raw.string() +
                       " & echo $! > " + pid;
  EXPECT_EQ(std::system(record.c_str()), 0);
  // 0.2 s of silence recorded: the recorder is running.
  EXPECT_TRUE(eventually([&] { return size_of(raw) > 44100 * 2 / 5; }));
  play();
  auto played = size_of(raw);
  // The recorder trails the sink a little: let it take 0.3 s more.
  EXPECT_TRUE(eventually([&] { return size_of(raw) > played + 44100 * 2 * 3 / 10; }));
  EXPECT_EQ(std::system(("kill -INT $(cat " + pid + ")").c_str()), 0);
  EXPECT_TRUE(eventually(
      [&] { return std::system(("kill -0 $(cat " + pid + ") 2>/dev/null").c_str()) != 0; }));
  const std::string bytes = read_file(raw);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return bursts(samples, 44100);
}

std::string describe(const std::vector<Burst>& found) {
  std::string seen;
  for (const auto& b : found)
    seen += std::to_string(b.start_ms) + " ms: " + std::to_string(b.hz) + " Hz for " +
            std::to_string(b.ms) + " ms\n";
  return seen;
}

double gap(const std::vector<Burst>& found, std::size_t i) {
  return found[i].start_ms - (found[i - 1].start_ms + found[i - 1].ms);
}

struct RealTones : ::testing::Test {
  void SetUp() override {
    if (!std::getenv("VANTOREL_TEST_SINK") || !std::getenv("PULSE_SERVER"))
      GTEST_SKIP() << "no PulseAudio server";
    ASSERT_STREQ(player.device_name(), "pulse");
  }
  platform::TonePlayer player;
};

TEST_F(RealTones, BurstsRecordedFromTheSoundServerHaveTheirPitchAndLength) {
  auto found = record_bursts("tones", [&] {
    player.beep(1000, 100);
    player.beep(50000, 100);  // above hearing: a pause
    player.beep(2000, 50);
  });
  ASSERT_EQ(found.size(), 2u) << describe(found);
  EXPECT_NEAR(found[0].hz, 1000, 20);
  EXPECT_NEAR(found[0].ms, 100, 5);
  EXPECT_NEAR(found[1].hz, 2000, 40);
  EXPECT_NEAR(found[1].ms, 50, 5);
  EXPECT_GE(gap(found, 1), 95);  // the silent tone lasted its time...
  // ...and not much more: the server restarts the paused stream in its own
  // time (150 ms in all on an idle machine, more under load).
  EXPECT_LT(gap(found, 1), 400);
}

TEST_F(RealTones, ConsecutiveTonesStayApart) {
  auto found = record_bursts("ticks", [&] {
    for (int i = 0; i < 3; ++i) player.beep(1000, 60);  // the clock-stopped ticks
    player.beep(50000, 3);                              // the inaudible separator
    player.beep(1500, 4);                               // two key clicks
    player.beep(1500, 4);
    player.beep(50000, 100);  // the last click is heard before the player goes
  });
  const std::string seen = describe(found);
  ASSERT_EQ(found.size(), 5u) << seen;
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(found[i].hz, i < 3 ? 1000 : found[i].hz, 20) << seen;
    EXPECT_NEAR(found[i].ms, i < 3 ? 60 : 4, i < 3 ? 5 : 2) << seen;
    EXPECT_GE(i ? gap(found, i) : 1e9, platform::kToneGapMs - 3) << seen;  // silence heard
  }
}

struct RealClipboard : ::testing::Test {
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
  }
  std::unique_ptr<platform::CommandRunner> runner = platform::make_process_runner(3000);
  platform::Clipboard clipboard{*runner, {false, true}};
};

// Reading copied files through xclip is driven by the end-to-end tests.
TEST_F(RealClipboard, TextRoundTripKeepsEveryByte) {
  const std::string pgn = "[White \"Nuñez, José\"]\r\n\r\n1. e4 e5 2. Nf3 *\r\n";
  ASSERT_TRUE(clipboard.set_text(pgn));
  EXPECT_EQ(clipboard.text(), pgn);
}

TEST_F(RealClipboard, NoDisplayIsAFailureWithinTheTimeLimit) {
  std::string saved = std::getenv("DISPLAY");
  setenv("DISPLAY", ":987", 1);  // nobody there
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(clipboard.set_text("x"));
  EXPECT_FALSE(clipboard.text().has_value());
  EXPECT_FALSE(clipboard.files().has_value());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  setenv("DISPLAY", saved.c_str(), 1);
}

TEST(RealViewer, StartedDetachedWithOneArgumentAndNoShell) {
  const char* log = std::getenv("VANTOREL_TEST_VIEWER_LOG");
  if (!log) GTEST_SKIP() << "no stand-in viewer";
  const std::string name = "pgn/partita 'uno' $(touch pwned) ; touch pwned2.pgn";
  // Returns while the viewer is still running: it was not waited for.
  ASSERT_TRUE(platform::open_in_default_viewer(name));
  ASSERT_TRUE(eventually([&] { return fs::exists(log); }));
  EXPECT_FALSE(fs::exists(std::string(log) + ".release"));
  EXPECT_EQ(read_file(log), "argc=1\narg=" + name + "\n");
  EXPECT_FALSE(fs::exists("pwned"));
  EXPECT_FALSE(fs::exists("pwned2.pgn"));
  std::ofstream(std::string(log) + ".release") << "done";
}

TEST(RealViewer, AMissingViewerIsReported) {
  std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", "/nonexistent", 1);
  EXPECT_FALSE(platform::open_in_default_viewer("a.pgn"));
  setenv("PATH", saved.c_str(), 1);
}

}  // namespace
