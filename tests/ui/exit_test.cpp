// ALT+F4: the questions before quitting, and a save that fails.
#include <filesystem>
#include <fstream>

#include "record/partita.h"
#include "tests/ui/scenario.h"

namespace {

struct ExitTest : scenario::Scenario {
  void SetUp() override { Avvia(1, false); }
};

TEST_F(ExitTest, AltF4AsksToSaveOrToQuitAndEndsWithCodeZero) {
  struct Caso {
    int salvata, autosave, risposta;
    const char* testo;
    int stile;
    bool esce;
  } casi[] = {
      {1, 0, IDNO, "Are you sure you want to quit Vantorel?", MB_YESNO, false},
      {1, 0, IDYES, "Are you sure you want to quit Vantorel?", MB_YESNO, true},
      {0, 0, IDCANCEL, "Do you want to save this game, before closing the app?", MB_YESNOCANCEL,
       false},
      {0, 0, IDYES, "Do you want to save this game, before closing the app?", MB_YESNOCANCEL, true},
      // Saved at every move: only the question to quit.
      {0, 1, IDNO, "Are you sure you want to quit Vantorel?", MB_YESNO, false},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    std::filesystem::remove(NomePartita);
    PartitaSalvata = c.salvata;
    ParametroIni[iniautosave].valore = c.autosave;
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
