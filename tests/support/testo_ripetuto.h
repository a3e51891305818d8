// Big inputs made at run time: a text repeated until the whole reaches a size.
#pragma once

#include <cstddef>
#include <string>

inline std::string TestoRipetuto(const std::string& testo, std::size_t almeno) {
  std::string s;
  s.reserve(almeno + testo.size());
  while (s.size() < almeno) s += testo;
  return s;
}
