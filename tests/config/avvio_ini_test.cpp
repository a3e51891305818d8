#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "tests/support/cartella_temporanea.h"
#include "ui/ciclo.h"

namespace {

std::string Leggi(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(AvvioIni, StartUpInAnEmptyDirectoryWritesTheDefaultFile) {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;
  platform::install(&fake);
  DefaultIni();
  inizializza();
  EXPECT_EQ(Leggi(NomeFileIni), Leggi(std::filesystem::path(VANTOREL_SOURCE_DIR) /
                                      "tests/fixtures/ini/default_en.ini"));
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_EQ(fake.dialogs[0].text, "Vantorel.ini not found.\nloading default values.");
  platform::install(nullptr);
}

TEST(AvvioIni, StartUpRewritesAnOldFileWithCurrentComments) {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;
  platform::install(&fake);
  DefaultIni();
  std::ofstream(NomeFileIni) << "$ lang 0\n";
  inizializza();
  const std::string testo = Leggi(NomeFileIni);
  EXPECT_NE(testo.find("\nlingua . Predefinito english."), std::string::npos);
  EXPECT_NE(testo.find("\n$\tlang\t0\n"), std::string::npos);
  DefaultIni();
  platform::install(nullptr);
}

}  // namespace
