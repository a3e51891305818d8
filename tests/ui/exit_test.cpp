#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "tests/support/cartella_temporanea.h"
#include "tests/ui/scenario.h"
#include "ui/ciclo.h"
#include "ui/stato.h"

namespace {

struct ExitTest : ::testing::Test {
  CartellaTemporanea cartella;
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    PartitaSalvata = 1;
    focus = 0;
    inizializza();
    fake.dialogs.clear();  // the start-up's "vantorel.ini not found"
  }
  void TearDown() override { platform::install(nullptr); }
};

TEST_F(ExitTest, StartUpSetsTheTitleAndWindow) {
  EXPECT_EQ(fake.title, "Vantorel2.65");
  EXPECT_EQ(fake.screen.window_height(), 44);
}

TEST_F(ExitTest, AltF4AsksAndNoKeepsRunning) {
  fake.alt(VK_F4);
  fake.answer(IDNO);
  CicloPrincipale();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Are you sure you want to quit Vantorel?");
  EXPECT_EQ(fake.dialogs[0].caption, "Attention!");
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNO);
}

TEST_F(ExitTest, AltF4YesExitsWithCodeZero) {
  ParametroIni[inilang].valore = 2;
  fake.alt(VK_F4);
  fake.answer(IDYES);
  try {
    CicloPrincipale();
    FAIL() << "the program did not end";
  } catch (const platform::FakeExit& e) {
    EXPECT_EQ(e.code, 0);
  }
  EXPECT_EQ(fake.dialogs.back().text, "¿Seguro que quieres salir de Vantorel?");
  EXPECT_EQ(fake.dialogs.back().caption, "¡Atención!");
}

TEST_F(ExitTest, AFailedSaveKeepsTheProgramRunningWithTheRefusalTone) {
  PartitaSalvata = 0;
  // A file where the pgn folder should be: the PGN file cannot be written.
  std::filesystem::remove_all("pgn");
  std::ofstream("pgn") << "x";
  fake.alt(VK_F4);
  fake.answer(IDYES);
  EXPECT_NO_THROW(CicloPrincipale());
  ASSERT_EQ(fake.dialogs.size(), 2u);
  const std::string nome = std::string("Unable to write the file pgn") + platform::kPathSeparator;
  EXPECT_NE(fake.dialogs[1].text.find(nome), std::string::npos) << fake.dialogs[1].text;
  ASSERT_FALSE(fake.tones.empty());
  EXPECT_EQ(fake.tones.back().hz, 2000);
  EXPECT_EQ(fake.tones.back().ms, 50);
  EXPECT_EQ(PartitaSalvata, 0);
}

TEST_F(ExitTest, SavingBeforeClosingWritesTheGame) {
  PartitaSalvata = 0;
  fake.alt(VK_F4);
  fake.answer(IDYES);
  EXPECT_THROW(CicloPrincipale(), platform::FakeExit);
  EXPECT_TRUE(std::filesystem::exists(NomePartita));
  EXPECT_EQ(PartitaSalvata, 1);
}

TEST_F(ExitTest, UnsavedGameAsksToSaveFirstAndCancelStays) {
  PartitaSalvata = 0;
  fake.alt(VK_F4);
  fake.answer(IDCANCEL);
  CicloPrincipale();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].style, MB_YESNOCANCEL);
  EXPECT_EQ(fake.dialogs[0].text, "Do you want to save this game, before closing the app?");
}

TEST_F(ExitTest, F4WithoutAltIsNotTheExitKey) {
  fake.press(VK_F4);  // black resigns: its own question, answered no
  fake.answer(IDNO);
  CicloPrincipale();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text.find("quit"), std::string::npos);
}

}  // namespace
