// Inside the screen-reader adapters: each module's load, unload and entry points.
#pragma once

#include <map>
#include <string>

namespace platform::screen_reader {

using EntryPoints = std::map<std::string, void*>;

// The speech-dispatcher and BrlAPI module; false when speech is unavailable.
bool speechd_load(EntryPoints& entries);
void speechd_unload();
void speechd_set_language(int lang);
bool speechd_braille_connected();
void speechd_drain();

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
