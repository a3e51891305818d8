#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "tests/support/ambiente_finto.h"
#include "ui/ciclo.h"

namespace {

using AvvioIni = AmbienteFinto;

TEST_F(AvvioIni, StartUpInAnEmptyDirectoryWritesTheDefaultFile) {
  inizializza();
  EXPECT_EQ(LeggiTesto(NomeFileIni), LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) /
                                              "tests/fixtures/ini/default_en.ini"));
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_EQ(fake.dialogs[0].text, "Vantorel.ini not found.\nloading default values.");
}

TEST_F(AvvioIni, StartUpRewritesAnOldFileWithCurrentComments) {
  std::ofstream(NomeFileIni) << "$ lang 0\n";
  inizializza();
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_NE(testo.find("\nlingua . Predefinito english."), std::string::npos);
  EXPECT_NE(testo.find("\n$\tlang\t0\n"), std::string::npos);
}

}  // namespace
