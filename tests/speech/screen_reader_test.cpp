#include "platform/posix/screen_reader.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "speech/annuncio.h"
#include "tests/speech/ssip_server.h"

namespace sr = platform::screen_reader;

namespace {

using Log = std::vector<std::string>;

// The commands of the log from the first one starting with `from` on.
Log from(const Log& log, const std::string& first) {
  auto it = std::find_if(log.begin(), log.end(),
                         [&](const std::string& l) { return l.rfind(first, 0) == 0; });
  return Log(it, log.end());
}

struct SpeechdAdapterTest : ::testing::Test {
  FakeSsipServer server;
  void* module = nullptr;

  void SetUp() override {
    sr::options() = {};
    sr::options().brlapi_libraries = {"libvantorel-no-braille.so.0"};
    setenv("SPEECHD_ADDRESS", server.address().c_str(), 1);
  }
  void TearDown() override {
    if (module) sr::unload(module);
    unsetenv("SPEECHD_ADDRESS");
    sr::options() = {};
  }
  template <typename F>
  F entry(const char* name) {
    return reinterpret_cast<F>(sr::symbol(module, name));
  }
};

TEST_F(SpeechdAdapterTest, SpeaksCancelsAndSetsTheLanguageThroughTheRealClient) {
  module = sr::load("nvda.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(sr::owns(module));
  EXPECT_FALSE(sr::braille_connected());
  auto speak = entry<FnTestoNvda>("nvdaController_speakText");
  auto braille = entry<FnTestoNvda>("nvdaController_brailleMessage");
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

  Log log = from(server.log(), "SET SELF LANGUAGE it");
  ASSERT_FALSE(log.empty());
  Log speech, priorita;  // every text goes out with the message priority
  for (const auto& l : log) (l.rfind("SET SELF PRIORITY", 0) == 0 ? priorita : speech).push_back(l);
  EXPECT_EQ(speech, (Log{"SET SELF LANGUAGE it", "SPEAK Perché e4, two lines", "CANCEL SELF",
                         "SET SELF LANGUAGE es", "SPEAK peón \U0001F600"}));
  EXPECT_FALSE(priorita.empty());
  EXPECT_EQ(std::count(priorita.begin(), priorita.end(), "SET SELF PRIORITY MESSAGE"),
            static_cast<std::ptrdiff_t>(priorita.size()));
}

TEST_F(SpeechdAdapterTest, TheChannelDrivesTheAdapterInItsOrder) {
  module = sr::load("nvda.dll");
  ASSERT_NE(module, nullptr);
  // The speech channel sees the adapter's entry points as a library.
  platform::FakeBackend fake;
  fake.libraries["nvda.dll"] = {
      {"nvdaController_speakText", sr::symbol(module, "nvdaController_speakText")},
      {"nvdaController_brailleMessage", sr::symbol(module, "nvdaController_brailleMessage")},
      {"nvdaController_cancelSpeech", sr::symbol(module, "nvdaController_cancelSpeech")},
  };
  platform::install(&fake);
  DefaultIni();
  ParametroIni[iniAssistanceType].valore = 2;
  CaricaAssistente(2);
  Anuncia("white 1: Echo 4", 1);
  sr::drain();
  Anuncia("", 1);
  sr::drain();
  CaricaAssistente(0);
  platform::install(nullptr);

  Log log;
  for (const auto& l : server.log())
    if (l == "CANCEL SELF" || l.rfind("SPEAK", 0) == 0) log.push_back(l);
  EXPECT_EQ(log, (Log{"CANCEL SELF", "SPEAK white 1: Echo 4", "CANCEL SELF"}));
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
