#include "ui/schermo.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/orologio.h"
#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "ui/stato.h"

namespace {

struct SchermoTest : ::testing::Test {
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    AzzeraOrologio();  // a running clock changes the sounds of the panel rows
    focus = 0;
    fuoco = 0;
    CharatteriInComando = 0;
  }
  void TearDown() override { platform::install(nullptr); }
  void Lingua(int l) { ParametroIni[inilang].valore = l; }
};

TEST_F(SchermoTest, HeaderAndPrompt) {
  DisegnaIntestazione();
  EXPECT_EQ(fake.row(2), "    /\\^__");
  EXPECT_EQ(fake.row(13), "  /          \\");
  EXPECT_EQ(fake.row(14), "  " + std::string(76, '-'));
  // The block capitals sit from column 15 on rows 4-8 and stay within the row.
  for (int r = 4; r <= 8; ++r) {
    std::string riga = fake.row(r);
    ASSERT_GT(riga.size(), 15u) << r;
    EXPECT_LE(riga.size(), 79u) << r;
    EXPECT_EQ(riga.substr(15).find_first_not_of("|/\\ "), std::string::npos) << r;
  }
  EXPECT_EQ(fake.row(4).substr(15, 8), "||  ||  ");  // the V
  // The title is centred right of the knight, which it leaves alone.
  EXPECT_EQ(fake.row(11), "   |       \\   " + std::string(26, ' ') + "CHESS CLOCK");
  EXPECT_FALSE(fake.row(12).substr(15).empty());
  fake.set_cursor(0, 40);
  fake.write(std::string(80, 'x'));  // the prompt overwrites the whole row
  StampaPannelloPrincipale();
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
}

TEST_F(SchermoTest, CentredLineOverwritesLongerEarlierLine) {
  fake.set_cursor(0, 18);
  fake.write(std::string(79, 'z'));
  std::snprintf(messaggio, sizeof messaggio, "abcd");
  InMessaggio = 4;
  StampaMessaggioCentrato(18);
  EXPECT_EQ(fake.row(18), std::string(38, ' ') + "Abcd");
  // Longer than the row: no leading blanks.
  std::string lunga(90, 'q');
  std::snprintf(messaggio, sizeof messaggio, "%s", lunga.c_str());
  InMessaggio = 90;
  StampaMessaggioCentrato(18);
  EXPECT_EQ(fake.row(18), "Q" + std::string(79, 'q'));
}

TEST_F(SchermoTest, FocusPlacesTheCursorOnEachPanelRow) {
  const int righe[9] = {40, 38, 37, 21, 20, 19, 18, 17, 15};
  CharatteriInComando = 3;
  for (int f = 0; f <= 8; ++f) {
    fuoco = f;
    ImpostaFocus();
    EXPECT_EQ(fake.cursor_row(), righe[f]) << f;
    EXPECT_EQ(fake.cursor_column(), f == 0 ? 55 : 0) << f;
  }
  fuoco = 9;
  ImpostaFocus();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Errore in InpostaFocus!");
}

// The rows of the menus are walked by the menus' own tests.
TEST_F(SchermoTest, FocusInValueEntry) {
  focus = 3;
  VoceSelezionata = 2;
  CharatteriInComando = 2;
  const int menu[5] = {9, 6, 7, 14, 21}, colonna[5] = {27, 46, 74, 74, 42};
  for (int i = 0; i < 5; ++i) {
    MenuAttivo = menu[i];
    ImpostaFocus();
    EXPECT_EQ(fake.cursor_column(), colonna[i]) << menu[i];
    EXPECT_EQ(fake.cursor_row(), 48);
  }
  EXPECT_TRUE(fake.dialogs.empty());
  MenuAttivo = 0;
  ImpostaFocus();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, "Errore in imposta focus attesa input ");
}

TEST_F(SchermoTest, UpDownHomeAndEndWalkThePanelRowsWithTheirSounds) {
  struct Passo {
    void (*comando)();
    int volte, fuoco, riga;
    std::vector<int> toni;
  } passi[] = {
      {comando_FrecciaGiu, 1, 0, 40, {700}},  // already on the command line: "edit", it stays
      {comando_FrecciaSu, 7, 7, 17, {}},
      {comando_FrecciaSu, 1, 8, 15, {50000}},  // the top row: the silent separator
      {comando_FrecciaSu, 1, 8, 15, {50000}},  // cannot go higher
      {comando_FrecciaGiu, 8, 0, 40, {700}},   // only on reaching the command line
      {comando_home, 1, 8, 15, {50000}},
      {comando_end, 1, 0, 40, {700}},
  };
  ImpostaFocus();
  for (const auto& p : passi) {
    SCOPED_TRACE(p.fuoco);
    fake.tones.clear();
    for (int i = 0; i < p.volte; ++i) p.comando();
    EXPECT_EQ(fuoco, p.fuoco);
    EXPECT_EQ(fake.cursor_row(), p.riga);
    std::vector<int> toni;
    for (auto& t : fake.tones) toni.push_back(t.hz);
    EXPECT_EQ(toni, p.toni);
  }
  EXPECT_EQ(fake.tones.back().ms, 9);
}

}  // namespace
