// What a blind player hears at the moments that used to be silent or cut:
// the square query, the settings messages at start-up, every verdict.
#include <cstdio>
#include <string>
#include <vector>

#include "clock/orologio.h"
#include "core/posizione.h"
#include "platform/console_traits.h"
#include "record/partita.h"
#include "tests/ui/ascolto.h"

namespace {

using Verdetti = Ascolto;

// The name, then the content without cutting the name off; a query is not a move.
TEST_F(Verdetti, TheSquareQuerySaysTheNameThenTheContent) {
  const std::pair<const char*, std::vector<std::string>> casi[] = {
      {"=e4", {"e4", "empty square"}}, {"=E2", {"e2", "white pawn"}},
      {"=g8", {"g8", "black Knight"}}, {"=x9", {"Invalid command"}},
      {"=ab1", {"Invalid command"}},
  };
  AvviaConCanale(1, 2);
  for (const auto& [query, detti] : casi) {
    SCOPED_TRACE(query);
    canale_finto::detti.clear();
    Mossa(query);
    EXPECT_EQ(Detti(), detti);
    for (std::size_t i = 0; i < canale_finto::detti.size(); ++i)
      EXPECT_EQ(canale_finto::detti[i].interrotto, i == 0);
    EXPECT_EQ(CharatteriInComando, 0);
  }
  EXPECT_EQ(ContatoreMosse, 0u);
}

// Start-up with a settings file of its own: the channel must already speak
// when the reading of the file has something to say.
struct AvvioAscoltato : Ascolto {
  void AvviaConIni(const std::string& ini) {
    cartella = std::make_unique<CartellaTemporanea>();
    if (!ini.empty()) {
      std::FILE* f = std::fopen("vantorel.ini", "w");
      std::fputs(ini.c_str(), f);
      std::fclose(f);
    }
    platform::install(&fake);
    DefaultIni();
    canale_finto::installa(fake);
    CaricaFinestraDiDialogo();  // offered, not loaded: start-up loads it
    DefaultIni();               // the file, not the test, chooses the channel
    CharatteriInComando = 0;
    inizializza();
  }
};

TEST_F(AvvioAscoltato, MessagesOfTheSettingsAreHeardInTheConfiguredLanguage) {
  // A part of what is heard, in order; from a message box or not. On Windows
  // the screen reader reads the boxes itself: their parts are looked for, in
  // order, among the boxes shown (title, a blank, text).
  struct Parte {
    bool finestra;
    std::string testo;
  };
  struct Caso {
    std::string ini;
    std::vector<Parte> attesi;
  } casi[] = {
      {"", {}},  // no file: the default channel is the dialog box, nothing is spoken
      {"$ lang 2\n$ AssistanceType 2\n$ P1T 0\n",
       {{true, "¡Atención! Error encontrado en vantorel.ini: - parámetro no válido para"},
        {true, "¡Atención! "},
        {false, "Vantorel2.65"}}},
      {"$ AssistanceType 2\n$ lang 1\n$ MDV 7\n",
       {{true, "Attention! Error found in vantorel.ini: - invalid parameter for"}}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.ini);
    AvviaConIni(c.ini);
    std::vector<std::string> finestre;
    for (const auto& d : fake.dialogs) finestre.push_back(d.caption + " " + d.text);
    const std::vector<std::string> detti = Detti();
    std::size_t da_detti = 0, da_finestre = 0;
    for (const auto& parte : c.attesi) {
      const bool nelle_finestre = parte.finestra && platform::kScreenReaderFollowsConsole;
      const std::vector<std::string>& dove = nelle_finestre ? finestre : detti;
      std::size_t& da = nelle_finestre ? da_finestre : da_detti;
      bool trovata = false;
      for (; da < dove.size() && !trovata; ++da)
        trovata = dove[da].find(parte.testo) != std::string::npos;
      EXPECT_TRUE(trovata) << parte.testo;
    }
    if (c.attesi.empty()) {
      EXPECT_TRUE(canale_finto::detti.empty());
    }
    EXPECT_FALSE(fake.dialogs.empty());
    fake.dialogs.clear();
    TearDown();
  }
}

TEST_F(Verdetti, EveryVerdictIsSaidWhenItIsRecorded) {
  struct Caso {
    int lingua;
    std::uint16_t vk;
    const char* detto;
  } casi[] = {
      {1, VK_F4, "black resins, game adjudicated ( 1-0 )."},
      {1, VK_F8, "white resins, game adjudicated ( 0-1 )."},
      {1, VK_F12, "Draw by agreement, game adjudicated ( 1/2-1/2 )."},
  };
  for (const auto& c : casi) {
    AvviaConCanale(c.lingua, 2);
    fake.answer(IDYES);
    Premi(c.vk);
    ASSERT_FALSE(canale_finto::detti.empty());
    // Last, after the question, and cutting the question off.
    EXPECT_NE(canale_finto::detti.back().testo.find(c.detto), std::string::npos)
        << canale_finto::detti.back().testo;
    EXPECT_TRUE(canale_finto::detti.back().interrotto);
    TearDown();
  }
  // "No" records nothing and says no verdict.
  AvviaConCanale(1, 2);
  fake.answer(IDNO);
  Premi(VK_F4);
  EXPECT_EQ(Indice("adjudicated ("), -1);
}

TEST_F(Verdetti, TheMoveThatEndsTheGameIsHeardBeforeItsVerdict) {
  const char* verdetto = "Checkmate, game adjudicated ( 0-1 ).";
  AvviaConCanale(1, 2);
  Mosse({"f3", "e5", "g4"});
  canale_finto::detti.clear();
  Mossa("Qh4");
  const int mossa = Indice("black 2:"), detto = Indice(verdetto);
  ASSERT_GE(mossa, 0) << ::testing::PrintToString(Detti());
  // The verdict comes in a message box, which a Windows screen reader reads by itself.
  EXPECT_EQ(UltimoDialogo(), verdetto);
  if (!platform::kScreenReaderFollowsConsole) {
    ASSERT_GT(detto, mossa) << ::testing::PrintToString(Detti());
    // The verdict waits for the move instead of cutting it off.
    EXPECT_FALSE(canale_finto::detti[detto].interrotto);
  }
}

}  // namespace
