// Every user text is a table of strings stored language by language
// (Italian, English, Spanish): entry lang * n + i of a table of n texts.
#pragma once

#include "config/ini.h"

using TabellaMessaggi = const char* const*;

// Text i of a table holding n texts per language, in the current language.
inline const char* Testo(TabellaMessaggi tabella, int n = 1, int i = 0) {
  return tabella[lang() * n + i];
}
