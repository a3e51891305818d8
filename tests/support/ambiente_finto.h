// What most unit tests start from: a scratch working directory, the fake
// platform installed, and every setting at its default (restored afterwards,
// since the settings are process-wide).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/ini.h"
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
