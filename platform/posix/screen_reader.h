// The two screen-reader library names the speech channel loads are served on
// POSIX by built-in modules: the one with speak, braille and cancel entry
// points forwards to speech-dispatcher and BrlAPI, the one with a single
// say-string entry point to eSpeak NG. Each loads its library at run time and
// fails to load when the library or its service is missing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::screen_reader {

// Where the modules find their libraries; tests point them elsewhere.
struct Options {
  std::string speechd_library = "libspeechd.so.2";
  std::vector<std::string> brlapi_libraries = {"libbrlapi.so.0.8", "libbrlapi.so"};
  std::string espeak_library = "libespeak-ng.so.1";
  // When set, eSpeak NG synthesises into this callback instead of playing.
  std::function<void(const short* samples, int count)> espeak_samples;
  // With espeak_samples: receives each phoneme as it is synthesised.
  std::function<void(const char* phoneme)> espeak_phonemes;
};
Options& options();

// True when name is one of the library names served here.
bool serves(const char* name);
// The module for name, or nullptr when its library or service is missing.
void* load(const char* name);
// True when module came from load (and is still loaded).
bool owns(void* module);
void* symbol(void* module, const char* name);
void unload(void* module);
// Language of the speech from now on: 0 Italian, 1 English, 2 Spanish.
void set_language(int lang);

// The program is about to wait for input: the next braille message starts
// afresh instead of joining the one shown.
void input_awaited();

// For tests: whether the speech module got a braille display, and waits until
// everything handed to it has been passed on to its libraries.
bool braille_connected();
void drain();

}  // namespace platform::screen_reader
