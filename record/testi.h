// Text helpers of the game's files.
#pragma once

#include <cstdio>
#include <string>

// A duration in words in the current language; 0 seconds is "0 seconds",
// never the empty text.
std::string DurataInParole(int secondi);

// printf into a string as long as the result needs.
template <typename... T>
std::string Formato(const char* formato, T... valori) {
  int n = std::snprintf(nullptr, 0, formato, valori...);
  if (n <= 0) return {};
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(s.data(), s.size(), formato, valori...);
  s.pop_back();
  return s;
}
