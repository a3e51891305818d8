// The screen-reader modules of the terminal: speech through the real
// speech-dispatcher client and a fake daemon, eSpeak NG into memory, and
// braille through the real BrlAPI client, a brltty started here with its
// virtual driver, and a fake display that the driver talks to.
#include "platform/posix/screen_reader.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/posix/posix_backend.h"
#include "platform/posix/pseudo_terminal.h"
#include "speech/annuncio.h"
#include "tests/speech/ssip_server.h"

extern char** environ;

namespace sr = platform::screen_reader;

namespace {

constexpr auto kPatience = std::chrono::seconds(15);

// The display end of the virtual driver's protocol: announces 40 cells and
// keeps the texts it is asked to show.
class FakeBrailleDisplay {
 public:
  FakeBrailleDisplay() {
    path_ = "/tmp/vantorel-vr-" + std::to_string(getpid()) + ".sock";
    unlink(path_.c_str());
    fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path_.c_str(), sizeof addr.sun_path - 1);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && listen(fd_, 1) == 0)
      thread_ = std::thread([this] { serve(); });
  }
  ~FakeBrailleDisplay() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    close(fd_);
    unlink(path_.c_str());
  }
  const std::string& path() const { return path_; }

  // Waits until a shown text contains needle. The driver's first text tells
  // that it knows the display's size (before that a client gets a protocol error).
  bool shows(const std::string& needle) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kPatience, [&] {
      for (const auto& v : visual_)
        if (v.find(needle) != std::string::npos) return true;
      return false;
    });
  }

  // Waits until the display shows text and blanks after it; the last text
  // shown otherwise.
  std::string shows_now(const std::string& text) {
    std::unique_lock lock(mutex_);
    auto now = [&] {
      std::string v = visual_.empty() ? "" : visual_.back();
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      return v.substr(0, v.find_last_not_of(' ') + 1);
    };
    changed_.wait_for(lock, kPatience, [&] { return now() == text; });
    return now();
  }

  // A key of the display, by brltty's name of its command.
  void press(const std::string& command) {
    std::lock_guard lock(mutex_);
    std::string line = command + "\n";
    if (client_ >= 0) send(client_, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  }

 private:
  void serve() {
    std::string buffer;
    // Closed under the lock: press() may be sending to it.
    auto drop = [&] {
      std::lock_guard lock(mutex_);
      if (client_ >= 0) close(std::exchange(client_, -1));
    };
    while (!stop_) {
      pollfd p{client_ < 0 ? fd_ : client_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) {
        // brltty takes a line from the display when the next one comes: a
        // key pressed last would wait for ever without these.
        // Never blocking: a driver that stops reading must not keep us from
        // reading what it writes, or both sides wait on each other.
        if (client_ >= 0) send(client_, "Noop\n", 5, MSG_NOSIGNAL | MSG_DONTWAIT);
        continue;
      }
      if (client_ < 0) {
        int client = accept(fd_, nullptr, nullptr);
        if (client >= 0) send(client, "cells 40\n", 9, MSG_NOSIGNAL);
        std::lock_guard lock(mutex_);
        client_ = client;
        continue;
      }
      char chunk[1024];
      ssize_t n = recv(client_, chunk, sizeof chunk, 0);
      if (n <= 0) {
        drop();
        continue;
      }
      buffer.append(chunk, static_cast<std::size_t>(n));
      std::size_t eol;
      while ((eol = buffer.find('\n')) != std::string::npos) {
        std::string line = buffer.substr(0, eol);
        buffer.erase(0, eol + 1);
        if (line.rfind("Visual ", 0) == 0) {
          std::lock_guard lock(mutex_);
          visual_.push_back(line.substr(7));
          changed_.notify_all();
        }
      }
    }
    drop();
  }

  std::string path_;
  int fd_ = -1;
  int client_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> visual_;
};

std::string brltty_path() {
  for (const char* p : {"/usr/sbin/brltty", "/usr/bin/brltty", "/sbin/brltty"})
    if (access(p, X_OK) == 0) return p;
  return {};
}

// A brltty of our own, on a BrlAPI address no other test uses.
class Brltty {
 public:
  Brltty(const std::string& display, int number) : number_(number) {
    host_ = (getuid() == 0 ? ":" : "127.0.0.1:") + std::to_string(number);
    std::string device = "client:" + display;
    std::string api = "auth=none,host=" + host_;
    std::string exe = brltty_path();
    std::vector<std::string> args = {exe,  "-n", "-e", "-q", "-b", "vr", "-d", device,
                                     "-x", "no", "-s", "no", "-A", api,  "-f", "/dev/null"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, exe.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Brltty() { stop(); }
  void stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    // One that does not end in time is killed: a hung driver must not hang the tests.
    auto end = std::chrono::steady_clock::now() + kPatience;
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > end) kill(pid_, SIGKILL);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
  }
  bool running() {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;  // it ended by itself
    return pid_ > 0;
  }
  const std::string& host() const { return host_; }
  // Waits until the BrlAPI server accepts connections.
  bool ready() const {
    std::string socket_file = "/var/lib/BrlAPI/" + std::to_string(number_);
    if (getuid() != 0) return true;  // TCP: the client retries by itself
    auto end = std::chrono::steady_clock::now() + kPatience;
    struct stat st;
    while (stat(socket_file.c_str(), &st) != 0) {
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

 private:
  int number_;
  std::string host_;
  pid_t pid_ = -1;
};

using Log = std::vector<std::string>;

// The speech module on a fake speech daemon of its own.
struct ModuloTest : ::testing::Test {
  FakeSsipServer server;
  void* module = nullptr;
  void SetUp() override {
    sr::options() = {};
    setenv("SPEECHD_ADDRESS", server.address().c_str(), 1);
  }
  void TearDown() override {
    if (module) sr::unload(module);
    for (const char* v : {"SPEECHD_ADDRESS", "BRLAPI_HOST", "CONTROLVT"}) unsetenv(v);
    sr::options() = {};
  }
  template <typename F = FnTestoNvda>
  F entry(const char* name) {
    return reinterpret_cast<F>(sr::symbol(module, name));
  }
  bool spoken(const std::string& text) {
    sr::drain();
    auto log = server.log();
    return std::find(log.begin(), log.end(), "SPEAK " + text) != log.end();
  }
};

struct BrailleTest : ModuloTest {
  std::unique_ptr<FakeBrailleDisplay> display;
  std::unique_ptr<Brltty> brltty;
  void SetUp() override {
    if (brltty_path().empty()) GTEST_SKIP() << "brltty is not installed";
    ModuloTest::SetUp();
    setenv("CONTROLVT", "1", 1);  // no console here to take the tty number from
  }
  // A display, a brltty driving it (on an address of this test's own) and
  // the speech module connected to both.
  void connect() {
    static int started = 0;
    display = std::make_unique<FakeBrailleDisplay>();
    brltty = std::make_unique<Brltty>(display->path(), 40 + getpid() % 300 * 3 + started++ % 3);
    ASSERT_TRUE(brltty->running());
    ASSERT_TRUE(display->shows("")) << "brltty never reached the display";
    ASSERT_TRUE(brltty->ready()) << "no BrlAPI server at " << brltty->host();
    ASSERT_TRUE(brltty->running());
    setenv("BRLAPI_HOST", brltty->host().c_str(), 1);
    module = sr::load("nvda.dll");
    ASSERT_NE(module, nullptr);
    ASSERT_TRUE(sr::braille_connected()) << "BrlAPI at " << brltty->host();
  }
};

TEST_F(BrailleTest, TextReachesTheDisplayAndLosingItLeavesSpeechWorking) {
  ASSERT_NO_FATAL_FAILURE(connect());
  auto speak = entry("nvdaController_speakText");
  auto braille = entry("nvdaController_brailleMessage");
  speak(u"Perché e4");
  braille(u"Perché e4");
  EXPECT_TRUE(display->shows("Perché e4"));
  EXPECT_TRUE(spoken("Perché e4"));

  // The braille server goes away: braille is lost, speech is not.
  brltty->stop();
  braille(u"gone");
  speak(u"still speaking");
  braille(u"gone again");
  EXPECT_TRUE(spoken("still speaking"));
}

TEST_F(BrailleTest, LongMessageIsPannedWithTheDisplaysKeys) {
  ASSERT_NO_FATAL_FAILURE(connect());
  // 100 characters on 40 cells: three windows, none splitting a word.
  const std::string windows[] = {"black 39:  knight from Golf 1 captures",
                                 "the bishop on Foxtrot 3 discovered",
                                 "check. Black wins on time."};
  entry<FnStopNvda>("nvdaController_cancelSpeech")();
  entry("nvdaController_brailleMessage")(
      u"black 39:  knight from Golf 1 captures the bishop on Foxtrot 3 discovered check. Black "
      u"wins on time.");
  EXPECT_EQ(display->shows_now(windows[0]), windows[0]);
  // A key at either end moves nothing, which the key after it shows.
  struct Step {
    const char* key;
    int window;
  } steps[] = {{"FwinLt", 0}, {"FwinRt", 1}, {"FwinRt", 2}, {"FwinRt", 2}, {"FwinLt", 1},
               {"LnUp", 0},   {"LnDn", 1},   {"Bot", 2},    {"Top", 0},    {"FwinRt", 1}};
  for (const auto& step : steps) {
    display->press(step.key);
    EXPECT_EQ(display->shows_now(windows[step.window]), windows[step.window]) << step.key;
  }
}

TEST_F(BrailleTest, FollowingAnnouncementJoinsTheMessageAndAnInterruptionReplacesIt) {
  ASSERT_NO_FATAL_FAILURE(connect());
  // The program's own terminal backend serves the module to the channel and
  // waits for keys.
  platform::PseudoTerminal pty(80, 44);
  std::string error;
  auto terminal = platform::make_terminal_backend(pty.slave_fd(), pty.slave_fd(), error);
  ASSERT_TRUE(terminal) << error;
  platform::install(terminal.get());
  DefaultIni();
  ParametroIni[iniAssistanceType].valore = 2;
  CaricaAssistente(2);
  const std::string move = "white 1:  pawn to Echo 4", reply = "black 1:  pawn to Echo 5";
  const std::string stopped = Testo(StrStatoOrologio, 2, 0);
  struct Case {
    std::string text;
    int interrupt;
    bool key_awaited;  // the program waited for input before it
    std::string shown;
  } cases[] = {
      {move, 1, false, move},
      {stopped, 0, false, move + " " + stopped},
      {reply, 1, false, reply},
      {stopped, 0, true, stopped},
  };
  for (const auto& c : cases) {
    platform::KeyEvent none;
    if (c.key_awaited) terminal->read_keys(&none, 1, 0);
    Anuncia(c.text.c_str(), c.interrupt);
    EXPECT_EQ(display->shows_now(c.shown), c.shown);
  }
  CaricaAssistente(0);
  platform::install(nullptr);
  DefaultIni();
}

TEST_F(BrailleTest, NoBrailleServerMeansSpeechOnly) {
  setenv("BRLAPI_HOST", ":999", 1);
  module = sr::load("nvda.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_FALSE(sr::braille_connected());
  entry("nvdaController_brailleMessage")(u"x");
  entry("nvdaController_speakText")(u"hello");
  EXPECT_TRUE(spoken("hello"));
}

struct SpeechdAdapterTest : ModuloTest {
  void SetUp() override {
    ModuloTest::SetUp();
    sr::options().brlapi_libraries = {"libvantorel-no-braille.so.0"};
  }
};

TEST_F(SpeechdAdapterTest, SpeaksCancelsAndSetsTheLanguageThroughTheRealClient) {
  module = sr::load("nvda.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(sr::owns(module));
  EXPECT_FALSE(sr::braille_connected());
  auto speak = entry("nvdaController_speakText");
  auto braille = entry("nvdaController_brailleMessage");
  auto cancel = entry<FnStopNvda>("nvdaController_cancelSpeech");
  ASSERT_TRUE(speak && braille && cancel);
  EXPECT_EQ(sr::symbol(module, "JFWSayString"), nullptr);

  sr::set_language(0);
  speak(u"Perché e4,\ntwo lines");
  braille(u"Perché");  // no display: speech goes on regardless
  sr::drain();
  cancel();
  sr::drain();
  sr::set_language(2);
  speak(u"peón \U0001F600");
  sr::drain();

  // Every text goes out with the message priority.
  Log log = server.log(), detti;
  EXPECT_NE(std::count(log.begin(), log.end(), "SET SELF PRIORITY MESSAGE"), 0);
  for (const auto& l : log)
    if (l != "SET SELF PRIORITY MESSAGE") detti.push_back(l);
  EXPECT_EQ(Log(std::find(detti.begin(), detti.end(), "SET SELF LANGUAGE it"), detti.end()),
            (Log{"SET SELF LANGUAGE it", "SPEAK Perché e4, two lines", "CANCEL SELF",
                 "SET SELF LANGUAGE es", "SPEAK peón \U0001F600"}));
}

TEST_F(SpeechdAdapterTest, MissingLibraryOrDaemonMakesTheLoadFail) {
  sr::options().speechd_library = "libvantorel-missing.so.9";
  EXPECT_EQ(sr::load("nvda.dll"), nullptr);
  sr::options().espeak_library = "libvantorel-missing.so.9";
  EXPECT_EQ(sr::load("jaws.dll"), nullptr);
  EXPECT_FALSE(sr::serves("libc.so.6"));
  EXPECT_FALSE(sr::owns(nullptr));

  sr::options() = {};
  std::string nowhere = "unix_socket:/tmp/vantorel-no-daemon-" + std::to_string(getpid()) + ".sock";
  setenv("SPEECHD_ADDRESS", nowhere.c_str(), 1);
  EXPECT_EQ(sr::load("nvda.dll"), nullptr);
}

// eSpeak NG rendering into memory. Its samples vary slightly from one run to
// the next, so the sounds are compared by their phonemes and their length.
struct EspeakAdapterTest : ::testing::Test {
  struct Rendering {
    std::size_t samples = 0;
    std::string phonemes;
  };
  Rendering current;
  void* module = nullptr;

  void SetUp() override {
    sr::options() = {};
    sr::options().espeak_samples = [this](const short*, int n) {
      current.samples += static_cast<std::size_t>(n);
    };
    sr::options().espeak_phonemes = [this](const char* p) {
      current.phonemes += std::string(p) + " ";
    };
  }
  void TearDown() override {
    if (module) sr::unload(module);
    sr::options() = {};
  }

  // What the adapter makes of a text in its 8-bit form.
  Rendering adapter(const char* text) {
    current = {};
    reinterpret_cast<FnDiciJaws>(sr::symbol(module, "JFWSayString"))(text, 1);
    return current;
  }
  // The same text given to the library directly as UTF-8.
  Rendering direct(const std::string& utf8) {
    current = {};
    void* lib = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!lib) return current;
    using Synth =
        int (*)(const void*, std::size_t, unsigned, int, unsigned, unsigned, unsigned*, void*);
    auto synth = reinterpret_cast<Synth>(dlsym(lib, "espeak_Synth"));
    synth(utf8.c_str(), utf8.size() + 1, 0, 1, 0, 1 | 0x1000, nullptr, nullptr);
    dlclose(lib);
    return current;
  }
  static void expect_same(const Rendering& a, const Rendering& b) {
    EXPECT_GT(a.samples, 5000u);
    EXPECT_FALSE(a.phonemes.empty());
    EXPECT_EQ(a.phonemes, b.phonemes);
    EXPECT_NEAR(static_cast<double>(a.samples), static_cast<double>(b.samples),
                0.05 * static_cast<double>(b.samples));
  }
};

TEST_F(EspeakAdapterTest, EightBitTextSoundsLikeTheUtf8Text) {
  module = sr::load("jaws.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_NE(sr::symbol(module, "JFWSayString"), nullptr);
  EXPECT_EQ(sr::symbol(module, "nvdaController_speakText"), nullptr);

  sr::set_language(0);
  expect_same(adapter("Perch\xE9 \xE8 gi\xE0 la citt\xE0"), direct("Perché è già la città"));

  sr::set_language(2);
  auto peon = adapter("Pe\xF3n, a\xF1o, canci\xF3n");
  expect_same(peon, direct("Peón, año, canción"));
  // The accents matter: without them the phonemes differ.
  EXPECT_NE(peon.phonemes, direct("Peon, ano, cancion").phonemes);

  // Code page 1252's own characters in 0x80..0x9F, such as the euro sign.
  sr::set_language(1);
  expect_same(adapter("5 \x80"), direct("5 €"));
  EXPECT_NE(adapter("5 \x80").phonemes, adapter("5").phonemes);
}

}  // namespace
