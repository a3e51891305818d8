// The keys of the game's files: save, copy and the five viewers.
#include <filesystem>
#include <fstream>
#include <string>

#include "record/partita.h"
#include "record/pgn.h"
#include "record/report.h"
#include "tests/ui/scenario.h"

namespace {

using FilePartita = scenario::Scenario;

std::string Assoluto(const std::string& p) { return std::filesystem::absolute(p).string(); }

TEST_F(FilePartita, TheViewerKeysSaveAndOpenTheirFiles) {
  Avvia();
  std::filesystem::create_directories("html");
  std::ofstream("html/readme.html") << "guide";
  std::ofstream("html/vantorel.html") << "page";
  Mossa("e4");
  struct Caso {
    std::uint16_t vk;
    std::uint32_t ctrl;
    std::string file;
  };
  const Caso casi[] = {{VK_F1, 0, "html/readme.html"},
                       {VK_F5, 0, "MoveList.txt"},
                       {VK_F9, 0, NomePartita},
                       {VK_F5, LEFT_CTRL_PRESSED, FileReport},
                       {VK_F9, LEFT_CTRL_PRESSED, "html/vantorel.html"}};
  for (const Caso& c : casi) {
    fake.opened_files.clear();
    fake.press(c.vk, c.ctrl);
    Esegui();
    ASSERT_EQ(fake.opened_files.size(), 1u) << c.file;
    EXPECT_EQ(fake.opened_files[0], Assoluto(c.file));
  }
  EXPECT_TRUE(std::filesystem::exists("html/files/script.js"));
  EXPECT_EQ(PartitaSalvata, 1);
  // A missing guide is named.
  std::filesystem::remove("html/readme.html");
  fake.opened_files.clear();
  fake.press(VK_F1);
  Esegui();
  EXPECT_TRUE(fake.opened_files.empty());
  EXPECT_NE(UltimoDialogo().find("readme.html"), std::string::npos);
}

// The check of the log is walked on a terminal, with a real clipboard.
TEST_F(FilePartita, SaveAndCopy) {
  Avvia();
  ParametroIni[iniautosave].valore = 0;
  Mossa("d4");
  EXPECT_EQ(PartitaSalvata, 0);
  fake.alt('S');
  Esegui();
  EXPECT_TRUE(Detto("game saved"));
  EXPECT_EQ(fake.tones.back().hz, 3000);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_TRUE(std::filesystem::exists(NomePartita));

  fake.ctrl('C');
  Esegui();
  EXPECT_EQ(fake.clipboard_writes.back(), TestoPartitaPgn("\r\n"));
  EXPECT_TRUE(Detto("Game copied to clipboard."));
}

}  // namespace
