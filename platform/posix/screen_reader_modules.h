// Inside the screen-reader adapters: each module's load, unload and entry points.
#pragma once

#include <dlfcn.h>

#include <map>
#include <string>

namespace platform::screen_reader {

using EntryPoints = std::map<std::string, void*>;

// Looks up an entry point of a library into f; false when it is missing.
template <typename F>
bool resolve(void* lib, const char* name, F& f) {
  f = reinterpret_cast<F>(dlsym(lib, name));
  return f != nullptr;
}

// The speech-dispatcher and BrlAPI module; false when speech is unavailable.
bool speechd_load(EntryPoints& entries);
void speechd_unload();
void speechd_set_language(int lang);
void speechd_drain();

// The braille display beside the speech module. A message joins the one shown
// unless the speech was cut off (braille_cut) or the program waited for input
// since that one.
bool braille_open();  // false without a library, a server or a display
void braille_close();
void braille_show(std::u32string text);
void braille_cut();
bool braille_live();

// The eSpeak NG module.
bool espeak_load(EntryPoints& entries);
void espeak_unload();
void espeak_set_language(int lang);

// The voice name of a language index.
inline const char* language_code(int lang) {
  static const char* const codes[3] = {"it", "en", "es"};
  return lang >= 0 && lang < 3 ? codes[lang] : "en";
}

}  // namespace platform::screen_reader
