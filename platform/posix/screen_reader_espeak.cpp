// The single-voice module: code page 1252 text spoken by eSpeak NG, which
// queues it on its own thread and returns at once.
#include <dlfcn.h>

#include <cstddef>
#include <string>

#include "platform/posix/screen_reader.h"
#include "platform/posix/screen_reader_modules.h"

namespace platform::screen_reader {

namespace {

constexpr int kAudioPlayback = 0;
constexpr int kAudioSynchronous = 2;
constexpr int kPositionCharacter = 1;
constexpr unsigned kCharsUtf8 = 1;
constexpr unsigned kChars8Bit = 2;
constexpr unsigned kEndPause = 0x1000;

constexpr int kInitializePhonemeEvents = 1;
constexpr int kEventListEnd = 0;
constexpr int kEventPhoneme = 7;

// The library's event record, as its interface lays it out.
struct Event {
  int type;
  unsigned unique_identifier;
  int text_position, length, audio_position, sample;
  void* user_data;
  union {
    int number;
    const char* name;
    char string[8];
  } id;
};

using SynthCallback = int (*)(short*, int, Event*);

struct EspeakApi {
  void* lib = nullptr;
  int (*initialize)(int, int, const char*, int) = nullptr;
  void (*set_callback)(SynthCallback) = nullptr;
  int (*set_voice)(const char*) = nullptr;
  int (*synth)(const void*, std::size_t, unsigned, int, unsigned, unsigned, unsigned*,
               void*) = nullptr;
  int (*cancel)() = nullptr;
  int (*terminate)() = nullptr;
} es;

template <typename F>
bool resolve(const char* name, F& f) {
  f = reinterpret_cast<F>(dlsym(es.lib, name));
  return f != nullptr;
}

int deliver(short* samples, int count, Event* events) {
  if (samples && count > 0 && options().espeak_samples) options().espeak_samples(samples, count);
  if (events && options().espeak_phonemes) {
    for (Event* e = events; e->type != kEventListEnd; ++e) {
      if (e->type != kEventPhoneme) continue;
      char name[9] = {};
      for (int i = 0; i < 8; ++i) name[i] = e->id.string[i];
      options().espeak_phonemes(name);
    }
  }
  return 0;
}

// Code page 1252 puts punctuation and a few letters at 0x80..0x9F, where the
// synthesiser's 8-bit set (ISO-8859-1) has control codes.
constexpr char16_t kUpper1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool needs_unicode(const char* text) {
  for (const char* p = text; *p; ++p) {
    auto c = static_cast<unsigned char>(*p);
    if (c >= 0x80 && c < 0xA0) return true;
  }
  return false;
}

std::string utf8_from_1252(const char* text) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    auto b = static_cast<unsigned char>(*p);
    char32_t c = b >= 0x80 && b < 0xA0 ? kUpper1252[b - 0x80] : b;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

int say_string(const char* text, int interrupt) {
  if (interrupt) es.cancel();
  if (!text || !*text) return 1;
  if (needs_unicode(text)) {
    std::string u = utf8_from_1252(text);
    es.synth(u.c_str(), u.size() + 1, 0, kPositionCharacter, 0, kCharsUtf8 | kEndPause, nullptr,
             nullptr);
  } else {
    std::string t(text);
    es.synth(t.c_str(), t.size() + 1, 0, kPositionCharacter, 0, kChars8Bit | kEndPause, nullptr,
             nullptr);
  }
  return 1;
}

}  // namespace

bool espeak_load(EntryPoints& entries) {
  es.lib = dlopen(options().espeak_library.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!es.lib) return false;
  bool found = resolve("espeak_Initialize", es.initialize) &&
               resolve("espeak_SetSynthCallback", es.set_callback) &&
               resolve("espeak_SetVoiceByName", es.set_voice) &&
               resolve("espeak_Synth", es.synth) && resolve("espeak_Cancel", es.cancel) &&
               resolve("espeak_Terminate", es.terminate);
  bool to_memory = static_cast<bool>(options().espeak_samples);
  // The result is the sample rate, or negative when the voices are missing.
  if (!found || es.initialize(to_memory ? kAudioSynchronous : kAudioPlayback, 200, nullptr,
                              options().espeak_phonemes ? kInitializePhonemeEvents : 0) <= 0) {
    dlclose(es.lib);
    es = {};
    return false;
  }
  es.set_callback(deliver);
  entries["JFWSayString"] = reinterpret_cast<void*>(&say_string);
  return true;
}

void espeak_unload() {
  es.cancel();
  es.terminate();
  dlclose(es.lib);
  es = {};
}

void espeak_set_language(int lang) { es.set_voice(language_code(lang)); }

}  // namespace platform::screen_reader
