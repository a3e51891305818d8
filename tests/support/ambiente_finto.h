// What most unit tests start from: a scratch working directory, the fake
// platform installed, and every setting at its default (restored afterwards,
// since the settings are process-wide).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "config/ini.h"
#include "platform/console_traits.h"
#include "platform/fake/fake_backend.h"
#include "tests/support/cartella_temporanea.h"

struct AmbienteFinto : ::testing::Test {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
  }
  void TearDown() override {
    DefaultIni();
    platform::install(nullptr);
  }
};

// The whole content of a file, bytes as they are on disk.
inline std::string LeggiFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The text of a file the program wrote in text mode, every line end turned
// back into \n. A line that does not end with the platform's line end
// (CR LF on Windows) fails the test.
inline std::string LeggiTesto(const std::filesystem::path& p) {
  const std::string byte = LeggiFile(p);
  const std::string_view fine = platform::kLineEnd;
  std::string testo;
  for (std::size_t i = 0; i < byte.size();) {
    if (byte.compare(i, fine.size(), fine) == 0) {
      testo += '\n';
      i += fine.size();
      continue;
    }
    if (byte[i] == '\n') ADD_FAILURE() << p << ": a line without the platform's line end";
    testo += byte[i++];
  }
  return testo;
}
