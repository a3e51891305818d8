// The alternatives of the letters and signs that stand for accented and other
// non-ASCII characters in text entry: entry 0 is the plain character.
#pragma once

// Four texts per entry: the character (UTF-8), its name in it, en, es.
struct TabellaAlternative {
  const char* const* voci;
  int n;  // number of entries
};

extern const char CaratteriConAlternative[];  // "aAcCdDeEiInNoOsStTuUyYzZ!?"

// The table of a character; {nullptr, 0} for a character without alternatives.
TabellaAlternative TrovaAlternative(char c);
