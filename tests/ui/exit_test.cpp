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

TEST_F(ExitTest, AltF4AsksToSaveOrToQuitAndEndsWithCodeZero) {
  struct Caso {
    int salvata, autosave, lingua, risposta;
    const char *testo, *titolo;
    int stile;
    bool esce;
  } casi[] = {
      {1, 0, 1, IDNO, "Are you sure you want to quit Vantorel?", "Attention!", MB_YESNO, false},
      {1, 0, 2, IDYES, "¿Seguro que quieres salir de Vantorel?", "¡Atención!", MB_YESNO, true},
      {0, 0, 1, IDCANCEL, "Do you want to save this game, before closing the app?", "Attention!",
       MB_YESNOCANCEL, false},
      {0, 0, 1, IDYES, "Do you want to save this game, before closing the app?", "Attention!",
       MB_YESNOCANCEL, true},
      // Saved at every move: only the question to quit.
      {0, 1, 1, IDNO, "Are you sure you want to quit Vantorel?", "Attention!", MB_YESNO, false},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    std::filesystem::remove(NomePartita);
    PartitaSalvata = c.salvata;
    ParametroIni[iniautosave].valore = c.autosave;
    ParametroIni[inilang].valore = c.lingua;
    fake.dialogs.clear();
    fake.alt(VK_F4);
    fake.answer(c.risposta);
    int codice = -1;
    try {
      CicloPrincipale();
    } catch (const platform::FakeExit& e) {
      codice = e.code;
    }
    EXPECT_EQ(codice, c.esce ? 0 : -1);
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].text, c.testo);
    EXPECT_EQ(fake.dialogs[0].caption, c.titolo);
    EXPECT_EQ(fake.dialogs[0].style, c.stile);
    EXPECT_EQ(std::filesystem::exists(NomePartita), c.esce && !c.salvata);
  }
  fake.dialogs.clear();
  fake.press(VK_F4);  // without Alt: black resigns, its own question
  fake.answer(IDNO);
  CicloPrincipale();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text.find("quit"), std::string::npos);
}

TEST_F(ExitTest, AFailedSaveKeepsTheProgramRunningWithTheRefusalTone) {
  EXPECT_EQ(fake.title, "Vantorel2.65");
  EXPECT_EQ(fake.screen.window_height(), 44);
  PartitaSalvata = 0;
  std::filesystem::remove_all("pgn");
  std::ofstream("pgn") << "x";  // a file where the folder should be
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

}  // namespace
