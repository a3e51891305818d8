#include "speech/annuncio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ini.h"
#include "platform/console_traits.h"
#include "platform/fake/fake_backend.h"
#include "tests/speech/canale_finto.h"

namespace {

std::string ultimo_testo_jaws;

int jaws_dici(const char* t, int interrompi) {
  ultimo_testo_jaws = t;
  canale_finto::chiamate.push_back("say " + std::to_string(interrompi));
  return 1;
}

struct AnnuncioTest : canale_finto::AmbienteParlato {
  void SetUp() override {
    AmbienteParlato::SetUp();
    canale_finto::offri(fake);
    ultimo_testo_jaws.clear();
    fake.libraries["jaws.dll"] = {{"JFWSayString", reinterpret_cast<void*>(&jaws_dici)}};
  }

  void scegli(int tipo) {
    ParametroIni[iniAssistanceType].valore = tipo;
    CaricaAssistente(tipo);
    fake.library_calls.clear();
  }
};

using Calls = std::vector<std::string>;
using canale_finto::chiamate;

// Capitalised first letter, the caption in the language; no channel, nothing spoken.
TEST_F(AnnuncioTest, DialogsWithoutAChannel) {
  scegli(0);
  const struct {
    int lingua, stile;
    const char *testo, *atteso, *titolo;
  } casi[] = {
      {1, MB_YESNO, "save the game?", "Save the game?", "Attention!"},
      {1, MB_ICONINFORMATION, "  hello", "  Hello", "Attention!"},
      {0, MB_OK, "è già iniziata", "È già iniziata", "Attenzione!"},
      {2, MB_YESNO, "¿seguro?", "¿seguro?", "¡Atención!"},  // not a letter: left alone
  };
  for (const auto& c : casi) {
    ParametroIni[inilang].valore = c.lingua;
    fake.answer(IDNO);
    EXPECT_EQ(FinestraDiDialogo(c.testo, c.stile), IDNO);
    EXPECT_EQ(fake.last_dialog()->text, c.atteso);
    EXPECT_EQ(fake.last_dialog()->caption, c.titolo);
    EXPECT_EQ(fake.last_dialog()->style, c.stile);
  }
  MsgFileNonTrovato("book.vobf");
  EXPECT_EQ(fake.last_dialog()->text, "No se encontró el archivo book.vobf.");
  ParametroIni[inilang].valore = 1;
  EXPECT_EQ(FinestraInfo("alarms", " first alarm"), IDOK);  // no icon
  EXPECT_EQ(fake.last_dialog()->caption, "Alarms");
  EXPECT_EQ(fake.last_dialog()->text, " First alarm");
  EXPECT_EQ(fake.last_dialog()->style, MB_OK);
  const std::size_t n = fake.dialogs.size();
  EXPECT_EQ(FinestraInfo(nullptr, "x"), 0);
  EXPECT_EQ(FinestraInfo("x", nullptr), 0);
  EXPECT_EQ(FinestraDiDialogo(nullptr, MB_OK), 0);
  EXPECT_EQ(fake.dialogs.size(), n);
}

TEST_F(AnnuncioTest, NvdaCancelsThenSpeaksThenBraillesTheSameText) {
  scegli(2);
  CaricaAssistente(2);  // loading twice does not load again
  EXPECT_TRUE(fake.library_calls.empty());
  const struct {
    const char* testo;
    int interrompi;
    Calls chiamate;
  } casi[] = {
      {"e4 played", 1, {"cancel", "speak", "braille"}},
      {"queued", 0, {"speak", "braille"}},
      {"", 1, {"cancel"}},  // an empty interrupting text only silences the reader
      {"", 0, {}},
  };
  for (const auto& c : casi) {
    chiamate.clear();
    Anuncia(c.testo, c.interrompi);
    EXPECT_EQ(chiamate, c.chiamate) << c.testo;
  }
  Anuncia("Perché € д \xF0\x9F\x98\x80", 0);
  EXPECT_EQ(canale_finto::parlato, u"Perché € д \U0001F600");
  std::string lungo(6000, 'a');  // cut to the buffer, never written past it
  Anuncia(lungo.c_str(), 0);
  EXPECT_EQ(canale_finto::parlato.size(), 4095u);
}

TEST_F(AnnuncioTest, JawsGetsTheSingleByteTextAndTheInterruptFlag) {
  scegli(1);
  Anuncia("Perché 5 €", 1);
  EXPECT_EQ(chiamate, (Calls{"say 1"}));
  EXPECT_EQ(ultimo_testo_jaws, "Perch\xE9 5 \x80");
  Anuncia("Ход e4, fine", 0);
  EXPECT_EQ(chiamate.back(), "say 0");
  EXPECT_EQ(ultimo_testo_jaws, "??? e4, fine");  // the whole sentence, unknown letters as '?'
}

TEST_F(AnnuncioTest, SwitchingChannelsUnloadsTheOtherLibraryFirst) {
  scegli(1);
  const struct {
    int tipo;
    Calls attese;  // the first calls, what and name
  } casi[] = {
      {2, {"unload jaws.dll", "load nvda.dll"}},
      {1, {"unload nvda.dll", "load jaws.dll"}},
      {0, {"unload jaws.dll"}},
  };
  for (const auto& c : casi) {
    fake.library_calls.clear();
    ParametroIni[iniAssistanceType].valore = c.tipo;
    CaricaAssistente(c.tipo);
    Calls fatte;
    for (const auto& k : fake.library_calls)
      if (k.what != "symbol") fatte.push_back(k.what + " " + k.name);
    EXPECT_EQ(fatte, c.attese) << c.tipo;
    EXPECT_EQ(NvdaDisponibile, c.tipo == 2);
    EXPECT_EQ(JawsDisponibile, c.tipo == 1);
  }
  EXPECT_EQ(jaws_dll, nullptr);
}

TEST_F(AnnuncioTest, MissingLibraryOrEntryPointLeavesTheChannelSilent) {
  fake.libraries.erase("nvda.dll");
  scegli(2);
  EXPECT_EQ(NvdaDisponibile, 0);
  EXPECT_EQ(ParametroIni[iniAssistanceType].valore, 2);
  // A library without the braille entry point: the lookups stop there.
  fake.libraries["nvda.dll"] = {
      {"nvdaController_speakText", reinterpret_cast<void*>(&canale_finto::parla)},
      {"nvdaController_cancelSpeech", reinterpret_cast<void*>(&canale_finto::stop)},
  };
  fake.library_calls.clear();
  CaricaAssistente(2);
  ASSERT_EQ(fake.library_calls.size(), 3u);
  EXPECT_EQ(fake.library_calls[2].name, "nvdaController_brailleMessage");
  EXPECT_EQ(NvdaDisponibile, 0);
  Anuncia("hello", 1);
  fake.libraries["jaws.dll"].clear();
  scegli(1);
  EXPECT_EQ(JawsDisponibile, 0);
  Anuncia("hello", 1);
  EXPECT_TRUE(chiamate.empty());
  EXPECT_TRUE(fake.dialogs.empty());  // no message about it
}

TEST_F(AnnuncioTest, OpenDialogIsSpokenWithCaptionTextAndButtons) {
  scegli(2);
  FinestraDiDialogo("save the game?", MB_YESNOCANCEL);
  if (platform::kScreenReaderFollowsConsole) {
    // The screen reader reads the box itself: speaking it too would say it twice.
    EXPECT_TRUE(chiamate.empty());
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].text, "Save the game?");
    return;
  }
  EXPECT_EQ(chiamate, (Calls{"cancel", "speak", "braille"}));
  EXPECT_EQ(canale_finto::parlato, u"Attention! Save the game? Yes, No, Cancel");

  scegli(1);
  FinestraInfo("alarms", "first alarm");
  EXPECT_EQ(ultimo_testo_jaws, "Alarms First alarm OK");
  EXPECT_EQ(chiamate.back(), "say 1");
}

TEST_F(AnnuncioTest, ADialogWhoseSpeechReportsABadByteStillShowsItsOwnText) {
  if (platform::kScreenReaderFollowsConsole) GTEST_SKIP() << "dialogs are not spoken here";
  scegli(1);
  FinestraDiDialogo(
      "file ab\x80"
      "cd.pgn",
      MB_OK);
  ASSERT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(fake.dialogs[0].text, " Carattere con piu di 4 byte in ConvertiUtf8InAscii");
  EXPECT_EQ(fake.dialogs[1].text,
            "File ab\x80"
            "cd.pgn");
  EXPECT_EQ(fake.dialogs[1].caption, "Attention!");
  EXPECT_EQ(ultimo_testo_jaws, "Attention! File abcd.pgn OK");
}

}  // namespace
