// The menus driven through the key table: opening from every key, moving,
// going back, submenus, toggles, value entry, and what the screen shows.
#include "ui/menu.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "clock/orologio.h"
#include "core/posizione.h"
#include "platform/console_traits.h"
#include "record/partita.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"

namespace {

using scenario::Scenario;

constexpr std::uint32_t kCtrl = LEFT_CTRL_PRESSED, kAlt = LEFT_ALT_PRESSED, kShift = SHIFT_PRESSED;

struct Menu : Scenario {
  void SetUp() override { Avvia(1); }
  // Opens a menu on an item and forgets what that said.
  void Apri(int menu, int voce) {
    comando_ApriMenu(menu, voce);
    Dimentica();
  }
  void Dimentica() {
    scenario::parlato.clear();
    fake.tones.clear();
    fake.dialogs.clear();
  }
  // Where the keys act: focus, menu, item.
  static std::vector<int> Dove() { return {focus, MenuAttivo, VoceSelezionata}; }
  void Conferma(std::uint16_t vk = VK_RETURN) {
    fake.answer(IDYES);
    Premi(vk);
  }
};

// A row whose text on the left is followed by a shortcut ending at column 76.
std::string ConTasto(const std::string& sinistra, const std::string& tasto) {
  auto caratteri = [](const std::string& s) {
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  };
  return sinistra + std::string(77 - caratteri(tasto) - caratteri(sinistra), ' ') + tasto;
}
// A row whose value starts at a column.
std::string ConValore(const std::string& sinistra, int colonna, const std::string& valore) {
  return sinistra + std::string(colonna - sinistra.size(), ' ') + valore;
}

TEST_F(Menu, EveryKeyOpensItsMenuWithItsAnnouncement) {
  struct Caso {
    std::uint16_t vk;
    std::uint32_t modificatori;
    int menu, voce;
    const char* annuncio;
  } casi[] = {
      {VK_APPS, 0, 0, 8, " Main menu (opened) APPS"},
      {'O', kAlt, 1, 5, " Clock (opened) ALT+O"},
      {'P', kAlt, 2, 12, " Game (opened) ALT+P"},
      {'A', kAlt, 3, 8, " Assistant (opened) ALT+A"},
      {'L', kAlt, 4, 3, " Language (opened) ALT+L"},
      {'C', kAlt, 5, 2, " Time control (opened) ALT+C"},
      {'1', kAlt, 6, 0, " Alarms"},
      {'5', kAlt, 6, 4, " Alarms"},
      {VK_ADD, kCtrl, 7, 4, " Bonuses and penalties (opened) CTRL+±"},
      {VK_OEM_MINUS, kCtrl, 7, 4, " Bonuses and penalties (opened) CTRL+±"},
      {'X', kAlt, 8, 3, " Adjudications (opened) ALT+X"},
      {'I', kAlt, 9, 5, " Game information (opened) ALT+I"},
      {'P', kCtrl, 10, 6, " Clock mode (opened) CTRL+P"},
      {'P', kCtrl | kAlt, 12, 2, " A fixed time to finish the whole game (opened) CTRL+ALT+P"},
      {'H', kAlt, 19, 3, " Type of assistance (opened) ALT+H"},
      {'D', kAlt, 20, 3, " Move description verbosity (opened) ALT+D"},
      {'B', kAlt, 21, 9, " Opening book (opened) ALT+B"},
      {'1', kCtrl, 5, 2, " Time control (opened) ALT+C"},
      {VK_NUMPAD4, kCtrl, 5, 2, " Time control (opened) ALT+C"},
      {'2', kCtrl | kShift, 5, 2, " Time control (opened) ALT+C"},
      {'3', kCtrl | kAlt, 5, 2, " Time control (opened) ALT+C"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.annuncio);
    fake.tones.clear();
    Premi(c.vk, c.modificatori);
    EXPECT_EQ(Dove(), (std::vector<int>{2, c.menu, c.voce}));
    EXPECT_EQ(Ultimo(), c.annuncio);
    EXPECT_EQ(fake.cursor_row(), c.voce == NumeroVociMenu[c.menu] ? 44 : 46 + c.voce);
    EXPECT_EQ(fake.cursor_column(), 0);
    // The window grows to show the last item's row.
    EXPECT_EQ(fake.screen.window_height(), 44 + NumeroVociMenu[c.menu] + 3);
    EXPECT_EQ(Frequenze(), (std::vector<int>{1500, 50000, 1500}));
    comando_ChiudiMenu();
    EXPECT_EQ(fake.screen.window_height(), 44);
    EXPECT_EQ(fake.screen.window_top(), 0);
    for (int r = 44; r < 60; ++r) EXPECT_EQ(fake.row(r), "") << r;
  }
}

TEST_F(Menu, OpeningDiscardsTheTypedCommandAndEscWalksBackOut) {
  fake.type("e4");
  Premi('O', kAlt);
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Move or value =>");
  Premi(VK_ESCAPE);
  EXPECT_EQ(MenuAttivo, 0);
  Premi(VK_LEFT);  // refused in the main menu
  EXPECT_EQ(MenuAttivo, 0);
  EXPECT_EQ(Toni(2000), 1);
  Premi(VK_ESCAPE);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(Ultimo(), "Menu closed");
  EXPECT_EQ(fake.cursor_row(), 40);
  EXPECT_EQ(fake.cursor_column(), 52);
}

TEST_F(Menu, DownAndUpWrapThroughTheTitleWithASilentTone) {
  Premi('O', kAlt);
  const char* titolo = "Clock (opened) ALT+O";
  struct Passo {
    std::uint16_t vk;
    int voce;
    bool silenzioso;
    const char* letto;
  } passi[] = {
      {VK_DOWN, 0, false, "Start the clock CTRL+ENTER"},
      {VK_UP, 5, false, titolo},
      {VK_UP, 4, true, "Disable auto refresh of the time CTRL+A"},
      {VK_UP, 3, false, "Bonuses and penalties (closed) CTRL+±"},
      {VK_DOWN, 4, false, "Disable auto refresh of the time CTRL+A"},
      {VK_DOWN, 5, true, titolo},
      {VK_DOWN, 0, false, "Start the clock CTRL+ENTER"},
  };
  for (const auto& p : passi) {
    SCOPED_TRACE(p.letto);
    Dimentica();
    Premi(p.vk);
    EXPECT_EQ(VoceSelezionata, p.voce);
    EXPECT_EQ(fake.cursor_row(), p.voce == 5 ? 44 : 46 + p.voce);
    EXPECT_EQ(Frequenze(), p.silenzioso ? std::vector<int>{50000} : std::vector<int>{});
    // The program announces nothing: the line under the cursor is read (on
    // Windows by the screen reader itself).
    EXPECT_EQ(scenario::parlato, platform::kScreenReaderFollowsConsole
                                     ? std::vector<std::string>{}
                                     : std::vector<std::string>{p.letto});
  }
}

// The parent of every menu and the item that leads to it.
TEST_F(Menu, EscAndLeftGoBackToTheParentItem) {
  struct Caso {
    int menu, padre, voce;
    const char* annuncio;
  } casi[] = {
      {1, 0, 0, " Main menu, Clock (closed) ALT+O"},
      {2, 0, 1, " Main menu, Game (closed) ALT+P"},
      {3, 0, 2, " Main menu, Assistant (closed) ALT+A"},
      {4, 0, 3, " Main menu, Language (closed) ALT+L"},
      {5, 1, 1, " Clock, Time control (closed) ALT+C"},
      {6, 1, 2, " Clock, Alarms (closed) ALT+(1-5)"},
      {7, 1, 3, " Clock, Bonuses and penalties (closed) CTRL+±"},
      {8, 2, 5, " Game, Adjudications (closed) ALT+X"},
      {9, 2, 7, " Game, Game information (closed) ALT+I"},
      {10, 5, 0, " Time control, Clock mode (closed) CTRL+P"},
      {11, 5, 1, " Time control, A recursive period (closed) CTRL+ALT+P"},
      {14, 5, 1,
       " Time control, 2 periods of determined length plus 1 to finish (closed) CTRL+ALT+P"},
      {16, 5, 1, " Time control, Hourglass mode (closed) CTRL+ALT+P"},
      {17, 9, 2, " Game information, Player of the white pieces (closed) "},
      {18, 9, 3, " Game information, Player of the black pieces (closed) "},
      {19, 3, 0, " Assistant, Type of assistance (closed) ALT+H"},
      {20, 3, 1, " Assistant, Move description verbosity (closed) ALT+D"},
      {21, 0, 4, " Main menu, Opening book (closed) ALT+B"},
  };
  for (std::uint16_t tasto : {VK_ESCAPE, VK_LEFT}) {
    for (const auto& c : casi) {
      SCOPED_TRACE(c.annuncio);
      Apri(c.menu, 0);
      Premi(tasto);
      EXPECT_EQ(Dove(), (std::vector<int>{2, c.padre, c.voce}));
      EXPECT_EQ(fake.cursor_row(), 46 + c.voce);
      // Left first silences the reader: nothing heard but the menu's text.
      EXPECT_EQ(scenario::parlato, std::vector<std::string>{c.annuncio});
    }
  }
}

TEST_F(Menu, RightAndEnterOpenSubmenusOnTheirTitles) {
  struct Caso {
    int menu, voce, sottomenu;
  } casi[] = {
      {0, 0, 1},  {0, 1, 2},  {0, 2, 3}, {0, 3, 4}, {0, 4, 21}, {1, 1, 5},  {1, 2, 6},  {1, 3, 7},
      {5, 0, 10}, {5, 1, 12}, {2, 5, 8}, {2, 7, 9}, {9, 2, 17}, {9, 3, 18}, {3, 0, 19}, {3, 1, 20},
  };
  for (std::uint16_t tasto : {VK_RIGHT, VK_RETURN}) {
    for (const auto& c : casi) {
      Apri(c.menu, c.voce);
      Premi(tasto);
      EXPECT_EQ(Dove(), (std::vector<int>{2, c.sottomenu, NumeroVociMenu[c.sottomenu]}));
      EXPECT_EQ(fake.cursor_row(), 44);
      EXPECT_EQ(Toni(2000), 0);
    }
  }
  ParametroIni[iniClockMode].valore = 4;  // the properties item follows the clock mode
  Apri(5, 1);
  Premi(VK_RIGHT);
  EXPECT_EQ(MenuAttivo, 15);
  for (int voce : {0, 2}) {  // an item without a submenu, and a title, refuse Right
    Apri(2, voce);
    Premi(VK_RIGHT);
    EXPECT_EQ(Dove(), (std::vector<int>{2, 2, voce}));
    EXPECT_EQ(Toni(2000), 1);
  }
  for (int m = 0; m < NumeroMenu; ++m) {  // Enter on a title does nothing
    Apri(m, NumeroVociMenu[m]);
    Premi(VK_RETURN);
    EXPECT_EQ(focus, 2);
    EXPECT_EQ(MenuAttivo, m);
    EXPECT_TRUE(fake.tones.empty() && fake.dialogs.empty()) << m;
  }
}

// Each toggle from its menu item, then back from its key.
TEST_F(Menu, TogglesFlipTheirSettingAndRewriteTheFile) {
  struct Caso {
    int menu, voce, indice;
    const char* chiave;
    std::uint16_t vk;
    std::uint32_t modificatori;
  } casi[] = {{1, 4, iniautorefresh, "autorefresh", 'A', kCtrl},
              {2, 2, iniautosave, "autosave", 'S', kCtrl},
              {21, 3, iniEchoExplorer, "EchoExplorer", 'E', kCtrl | kAlt}};
  for (const auto& c : casi) {
    const int prima = ParametroIni[c.indice].valore;
    Apri(c.menu, c.voce);
    EXPECT_EQ(fake.row(46 + c.voce).rfind(prima ? "    Disable " : "    Enable ", 0), 0u);
    Conferma();
    EXPECT_EQ(focus, 0) << c.chiave;
    EXPECT_EQ(ParametroIni[c.indice].valore, prima ^ 1) << c.chiave;
    std::string atteso = std::string("$\t") + c.chiave + "\t" + std::to_string(prima ^ 1);
    EXPECT_NE(LeggiFile("vantorel.ini").find(atteso), std::string::npos) << atteso;
    fake.answer(IDYES);
    Premi(c.vk, c.modificatori);
    EXPECT_EQ(ParametroIni[c.indice].valore, prima) << c.chiave;
  }
}

TEST_F(Menu, ValueEntryAtEachColumn) {
  struct Caso {
    int menu, voce, colonna;
    const char* testo;
    std::function<bool()> fatto;
  } casi[] = {
      {6, 0, 44, "5", [] { return ParametroIni[inia1].valore == 5; }},
      {6, 4, 44, "0", [] { return ParametroIni[inia5].valore == 0; }},
      {7, 2, 72, "3", [] { return TempoRimasto[1] == 123 * 60000; }},
      {11, 2, 72, "30", [] { return ParametroIni[iniP1M].valore == 30; }},
      {15, 10, 72, "15", [] { return ParametroIni[iniP4I].valore == 15; }},
      {9, 0, 25, "Open", [] { return std::strcmp(StrEvent, "Open") == 0; }},
      {9, 1, 25, "3b", [] { return std::strcmp(StrRound, "3b") == 0; }},
      {17, 0, 25, "Rossi", [] { return std::strcmp(StrWhiteCognome, "Rossi") == 0; }},
      {18, 1, 25, "Ada", [] { return std::strcmp(StrBlackNome, "Ada") == 0; }},
      {18, 2, 25, "2100", [] { return std::strcmp(StrBlackElo, "2100") == 0; }},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    Apri(c.menu, c.voce);
    Premi(VK_RETURN);
    ASSERT_EQ(focus, 3);
    EXPECT_EQ(fake.cursor_column(), c.colonna);
    EXPECT_EQ(fake.cursor_row(), 46 + c.voce);
    // The field is cleared from its column to the end of the row.
    EXPECT_LE(fake.row(46 + c.voce).size(), static_cast<std::size_t>(c.colonna));
    EXPECT_EQ(Ultimo(), "edit");
    EXPECT_EQ(fake.tones.back().hz, 700);
    fake.type(c.testo);
    Conferma();
    EXPECT_TRUE(c.fatto());
    // Back in the menu, on the same item, which shows the new value.
    EXPECT_EQ(focus, c.menu == 7 ? 0 : 2);
    if (c.menu == 7) continue;
    EXPECT_EQ(VoceSelezionata, c.voce);
    EXPECT_EQ(CharatteriInComando, 0);
    if (c.menu != 6) {
      EXPECT_NE(fake.row(46 + c.voce).find(c.testo), std::string::npos);
    }
  }
  EXPECT_NE(LeggiFile("vantorel.ini").find("$\ta1\t5"), std::string::npos);
}

// Refused or declined, the entry goes on with what was typed; ESC goes back to the item.
TEST_F(Menu, NothingTypedOutOfRangeOrDeclinedStaysInTheField) {
  struct Caso {
    int menu, voce;
    const char *testo, *dialogo;
    int risposta, colonna;
  } casi[] = {
      {6, 2, "", "No value specified for Third alarm.", IDYES, 44},
      {9, 0, "", "No value specified for Event.", IDYES, 25},
      {13, 1, "", "No value specified for Increment in seconds in the First period.", IDYES, 72},
      {7, 0, "", "No value specified for Bonus to white in minutes.", IDYES, 72},
      {17, 2, "4001",
       "The entered value for (Elo fide rating) is out of range. \n A correct input should be "
       "from 0 up to 4000.",
       IDYES, 29},
      {9, 0, "Club", "Set event to Club?", IDNO, 29},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.dialogo);
    Apri(c.menu, c.voce);
    Premi(VK_RETURN);
    fake.type(c.testo);
    fake.answer(c.risposta);
    Premi(VK_RETURN);
    EXPECT_EQ(UltimoDialogo(), c.dialogo);
    EXPECT_EQ(focus, 3);
    EXPECT_STREQ(comando, c.testo);
    EXPECT_EQ(fake.cursor_column(), c.colonna);
    Premi(VK_ESCAPE);
    EXPECT_EQ(Dove(), (std::vector<int>{2, c.menu, c.voce}));
  }
  EXPECT_STREQ(StrWhiteElo, "");
  EXPECT_STREQ(StrEvent, "");
  Apri(17, 2);
  Premi(VK_RETURN);
  fake.type("4000");
  Conferma();
  EXPECT_STREQ(StrWhiteElo, "4000");
}

TEST_F(Menu, DigitsOrFreeTextAsTheFieldWants) {
  const int casi[][3] = {{6, 0, 0},  {7, 1, 0},  {11, 0, 0}, {9, 0, 1},  {9, 1, 1},
                         {17, 0, 1}, {17, 1, 1}, {17, 2, 0}, {18, 0, 1}, {18, 2, 0}};
  for (const auto& [menu, voce, testo] : casi) {
    Apri(menu, voce);
    Premi(VK_RETURN);
    fake.type("a1");
    Esegui();
    EXPECT_EQ(std::string(comando), testo ? "a1" : "1") << menu << "/" << voce;
    EXPECT_EQ(Toni(2000), 1 - testo);
    Premi(VK_ESCAPE);
  }
}

TEST_F(Menu, TimeControlAndBonusesRefusedWhenTheyCannotApply) {
  const char* rifiuto = "'Time control' can only be changed if the game has not yet started.";
  // Before the first move: the mode is set and its periods open.
  Apri(10, 5);
  Conferma();
  EXPECT_EQ(UltimoDialogo(), "Set clock mode to hourglass?");
  EXPECT_EQ(ParametroIni[iniClockMode].valore, 5);
  EXPECT_EQ(Dove(), (std::vector<int>{2, 16, 1}));
  EXPECT_EQ(Ultimo(), " Hourglass mode (opened) CTRL+ALT+P");
  EXPECT_NE(LeggiFile("vantorel.ini").find("$\tClockMode\t5"), std::string::npos);
  comando_ChiudiMenu();
  Mossa("e4");
  for (auto [menu, voce] :
       {std::pair{10, 0}, {11, 0}, {12, 1}, {13, 4}, {14, 7}, {15, 10}, {16, 0}}) {
    Apri(menu, voce);
    Premi(VK_RETURN);
    EXPECT_EQ(UltimoDialogo(), rifiuto) << menu;
    EXPECT_EQ(focus, 2);
    EXPECT_EQ(ParametroIni[iniClockMode].valore, 5);
  }
  comando_ChiudiMenu();
  Premi(VK_RETURN, kCtrl);
  Apri(7, 0);
  Premi(VK_RETURN);
  EXPECT_EQ(UltimoDialogo(),
            "In order to apply bonuses or penalties you must first stop the clock.");
  EXPECT_EQ(focus, 2);
}

TEST_F(Menu, WithTheDialogBoxChannelOnlyBeepsAndChoosingNvdaLandsOnTheAssistant) {
  Scenario::TearDown();
  Avvia(1, false);
  for (auto vk : {VK_APPS, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_LEFT, VK_ESCAPE}) Premi(vk);
  EXPECT_EQ(focus, 0);
  EXPECT_TRUE(scenario::parlato.empty());
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(Toni(1500), 8);
  Premi('H', kAlt);
  Premi(VK_DOWN);
  Premi(VK_DOWN);
  Premi(VK_DOWN);
  Conferma();
  EXPECT_EQ(ParametroIni[iniAssistanceType].valore, 2);
  EXPECT_EQ(Dove(), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(fake.cursor_row(), 47);
  EXPECT_EQ(Ultimo(), " Assistant, Type of assistance (closed) ALT+H");
  Apri(20, 2);  // the verbosity lands on the item after it
  Conferma();
  EXPECT_EQ(ParametroIni[iniMDV].valore, 2);
  EXPECT_EQ(Dove(), (std::vector<int>{2, 3, 2}));
}

TEST_F(Menu, LanguageMenuRedrawsTheScreen) {
  Premi('L', kAlt);
  EXPECT_EQ(fake.row(47), "    English (current value)");
  Premi(VK_DOWN);
  Conferma();
  EXPECT_EQ(lang(), 0);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(fake.row(40), std::string(27, ' ') + "Mossa o valore =>");
  EXPECT_EQ(Ultimo(), "impostata la lingua italiana");
  for (int r = 44; r < 50; ++r) EXPECT_EQ(fake.row(r), "");
  Premi('L', kAlt);
  EXPECT_EQ(fake.row(44), ConTasto("  Lingua (aperto)", "ALT+L"));
  EXPECT_EQ(fake.row(46), "    Italiano (valore corrente)");
}

TEST_F(Menu, ReadingItemsStayCommandItemsCloseTheMenusAndCarryOutTheirCommand) {
  Apri(3, 4);
  Premi(VK_RETURN);
  EXPECT_EQ(Ultimo(), "white: 2 hours.");
  EXPECT_EQ(focus, 2);
  EXPECT_EQ(fake.cursor_row(), 50);
  Apri(1, 0);
  Premi(VK_RETURN);
  EXPECT_EQ(focus, 0);
  EXPECT_TRUE(InMoto);
  Apri(1, 0);
  EXPECT_EQ(fake.row(46), ConTasto("    Stop the clock", "CTRL+SHIFT+ENTER"));
  Premi(VK_RETURN);
  EXPECT_FALSE(InMoto);
  Apri(8, 0);
  Conferma();
  EXPECT_EQ(focus, 0);
  EXPECT_STREQ(Result, "1-0");
  Apri(9, 4);
  EXPECT_EQ(fake.row(50), ConTasto("    Opening classification", "CTRL+F11"));
  Premi(VK_RETURN);
  EXPECT_EQ(focus, 0);
  EXPECT_EQ(UltimoDialogo(), "Initial position");
  struct Caso {
    int voce;
    std::string file;  // opened, or "" for the copy
  } casi[] = {{3, ""}, {8, "MoveList.txt"}, {9, NomePartita}, {11, FileReport}};
  for (const auto& c : casi) {
    Apri(2, c.voce);
    fake.opened_files.clear();
    fake.clipboard_writes.clear();
    Premi(VK_RETURN);
    EXPECT_EQ(focus, 0) << c.voce;
    EXPECT_EQ(fake.clipboard_writes.size(), c.file.empty() ? 1u : 0u);
    ASSERT_EQ(fake.opened_files.size(), c.file.empty() ? 0u : 1u);
    if (!c.file.empty()) {
      EXPECT_EQ(fake.opened_files[0], std::filesystem::absolute(c.file).string());
    }
  }
}

TEST_F(Menu, AltF4LeavesValueEntryThenTheMenus) {
  Apri(6, 1);
  Premi(VK_RETURN);
  fake.type("12");
  Premi(VK_F4, kAlt);
  EXPECT_EQ(focus, 2);
  EXPECT_EQ(CharatteriInComando, 0);
  EXPECT_EQ(ParametroIni[inia2].valore, 45);
  EXPECT_EQ(fake.row(47), ConValore("    Second alarm", 44, "45 minutes left"));
  Premi(VK_F4, kAlt);
  EXPECT_EQ(focus, 0);
}

// Tables that disagree with a menu's size are reported, never followed.
TEST_F(Menu, InconsistentItemsGetADiagnostic) {
  struct Caso {
    int menu, voce;
    const char* dialogo;
  } casi[] = {{10, 9, "Errore in comando da menu modalità orologio "},
              {21, -1, "Errore in comando da menu libro di aperture "},
              {22, 0, "Errore in comando da menu."}};
  for (int m = 0; m < NumeroMenu; ++m) {
    Apri(m, 0);
    VoceSelezionata = NumeroVociMenu[m] + 1;
    comando_DaMenu();
    ASSERT_EQ(fake.dialogs.size(), 1u) << m;
    EXPECT_EQ(fake.dialogs[0].text.rfind("rrore in comando da menu", 1), 1u) << m;
    EXPECT_EQ(focus, 2);
    EXPECT_EQ(MenuAttivo, m);
  }
  for (const auto& c : casi) {
    comando_ApriMenu(c.menu < NumeroMenu ? c.menu : 0, 0);
    MenuAttivo = c.menu;
    VoceSelezionata = c.voce;
    comando_DaMenu();
    EXPECT_EQ(UltimoDialogo(), c.dialogo);
  }
  EXPECT_STREQ(EtichettaVoceMenu(), "");
  EXPECT_EQ(UltimoDialogo(), "Errore in etichetta voce menu");
  MenuAttivo = 0;
}

// The rows from the title's on.
TEST_F(Menu, ClockAndAlarmsRows) {
  const std::pair<int, std::vector<std::string>> casi[] = {
      {1,
       {ConTasto("  Clock (opened)", "ALT+O"), "", ConTasto("    Start the clock", "CTRL+ENTER"),
        ConTasto("    Time control (closed)", "ALT+C"),
        ConTasto("    Alarms (closed)", "ALT+(1-5)"),
        ConTasto("    Bonuses and penalties (closed)", "CTRL+±"),
        ConTasto("    Disable auto refresh of the time", "CTRL+A"), ""}},
      {6,
       {ConTasto("  Alarms (opened)", "ALT+(1-5)"), "",
        ConValore("    First alarm", 44, "60 minutes left"),
        ConValore("    Second alarm", 44, "45 minutes left"),
        ConValore("    Third alarm", 44, "30 minutes left"),
        ConValore("    Fourth alarm", 44, "15 minutes left"),
        ConValore("    Fifth alarm", 44, "0 disabled"), ""}},
  };
  ParametroIni[inia5].valore = 0;
  for (const auto& [menu, righe] : casi) {
    comando_ApriMenu(menu, NumeroVociMenu[menu]);
    for (std::size_t i = 0; i < righe.size(); ++i)
      EXPECT_EQ(fake.row(44 + static_cast<int>(i)), righe[i]) << menu << " row " << 44 + i;
  }
}

// Every label and its shortcut fit on the 80-column row without overlapping;
// long values are cut at the row's end.
TEST_F(Menu, EveryItemFitsItsRowInEachLanguage) {
  for (int lingua = 0; lingua < 3; ++lingua) {
    ParametroIni[inilang].valore = lingua;
    for (int m = 0; m < NumeroMenu; ++m) {
      for (int v = 0; v < NumeroVociMenu[m]; ++v) {
        comando_ApriMenu(m, v);
        const std::string riga = fake.row(46 + v);
        const std::string etichetta = std::string("    ") + EtichettaVoceMenu();
        EXPECT_EQ(riga.rfind(etichetta, 0), 0u) << lingua << " " << m << "/" << v << ": " << riga;
        EXPECT_EQ(fake.row(47 + v).substr(0, 4), v + 1 < NumeroVociMenu[m] ? "    " : "")
            << "the row ran over: " << riga;
      }
    }
  }
  ParametroIni[inilang].valore = 1;
  std::memset(LibroDaConsultare, 'x', 127);
  LibroDaConsultare[127] = 0;
  std::snprintf(StrEvent, sizeof StrEvent, "%s", std::string(100, 'e').c_str());
  comando_ApriMenu(21, 9);
  EXPECT_EQ(fake.row(46), "    Book to consult" + std::string(21, ' ') + std::string(40, 'x'));
  EXPECT_EQ(fake.row(47), ConTasto("    Continuations from book for current position", "CTRL+F2"));
  comando_ApriMenu(9, 5);
  EXPECT_EQ(fake.row(46), ConValore("    Event", 25, std::string(55, 'e')));
  EXPECT_EQ(fake.row(47), ConValore("    Round", 25, "?"));
}

}  // namespace
