// A build driven through the main loop: the refused keys, the spoken
// percentage, the report and the book on disk.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "book/costruttore_libro.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "tests/book/libro_prova.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"

namespace {

using namespace libro_prova;
using scenario::parlato;

std::atomic<bool> Trattieni{false};

struct CostruzioneCiclo : scenario::Scenario {
  void SetUp() override {
    Avvia(1, true);
    ParametroIni[iniMinPlyBookLine].valore = 1;
  }
  void TearDown() override {
    Trattieni = false;
    ProvaDopoPartita = nullptr;
    Scenario::TearDown();
  }
  // Runs the loop until the build is over (the builder is a real thread).
  void FinoAllaFine() {
    for (int i = 0; i < 200000 && CostruttoreLibro.attivo.load(); ++i) CicloPrincipale();
    ASSERT_EQ(CostruttoreLibro.attivo.load(), 0u);
  }
};

const char* const Partite =
    "[Event \"a\"]\n1. e4 e5 2. Nf3 *\n[Event \"b\"]\n1. e4 c5 1-0\n"
    "[Event \"c\"]\n1. e4 e5 2. Nf3 Nc6 0-1\n[Event \"d\"]\n1. d4 1/2-1/2\n";

TEST_F(CostruzioneCiclo, KeysBeepWhileTheBuilderRunsThenTheReport) {
  Scrivi("g.pgn", Partite);
  std::strcpy(StrEvent, "Club");
  Mossa("e4");
  Trattieni = true;
  ProvaDopoPartita = [](std::uint64_t) {
    while (Trattieni) std::this_thread::yield();
  };
  parlato.clear();
  AvviaCostruzioneLibroDa("g.pgn");
  ASSERT_EQ(CostruttoreLibro.attivo.load(), 1u);
  EXPECT_EQ(parlato, std::vector<std::string>{"0%"});  // at once: the build has started
  fake.tones.clear();
  parlato.clear();
  fake.press(VK_F4, LEFT_ALT_PRESSED);
  fake.press('E', LEFT_CTRL_PRESSED);
  CicloPrincipale();
  ASSERT_EQ(fake.tones.size(), 2u);
  EXPECT_EQ(fake.tones[0].hz, 2000);
  EXPECT_EQ(fake.tones[1].ms, 50);
  EXPECT_TRUE(parlato.empty());  // nothing more to say within two seconds
  EXPECT_EQ(focus, 0);
  Trattieni = false;
  FinoAllaFine();
  EXPECT_EQ(UltimoDialogo(),
            "Games that meet the specified criteria: 3.\nNew lines inserted in the book: 2.");
  EXPECT_EQ(LeggiFile("my_book.vobf"),
            Bytes({{e4, 16, 0, 2}, {e5, 32, 48, 1}, {Nf3, 64, 0, 1}, {c5, 0, 0, 1}, {Nc6, 0, 0, 1}}));
  // The user's game is back: one move, its record untouched.
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_EQ(ElencoMosse[1], e4);
  EXPECT_STREQ(StrEvent, "Club");
  Mossa("e5");
  EXPECT_EQ(ContatoreMosse, 2u);
}

TEST_F(CostruzioneCiclo, AnExistingBookIsKeptOrEmptiedOnRequest) {
  Scrivi("g.pgn", "1. d4 *\n");
  Scrivi("my_book.vobf", Bytes(LibroPiccolo()));
  fake.answer(IDCANCEL);
  AvviaCostruzioneLibroDa("g.pgn");
  EXPECT_EQ(CostruttoreLibro.attivo.load(), 0u);
  EXPECT_EQ(fake.dialogs.back().text.rfind("My_book.vobf already exists.", 0), 0u)
      << fake.dialogs.back().text;
  fake.answer(IDYES);
  AvviaCostruzioneLibroDa("g.pgn");
  FinoAllaFine();
  EXPECT_EQ(LeggiFile("my_book.vobf"), Bytes(LibroPiccolo()));  // 1. d4 was there
  fake.answer(IDNO);
  AvviaCostruzioneLibroDa("g.pgn");
  FinoAllaFine();
  EXPECT_EQ(LeggiFile("my_book.vobf"), Bytes({{d4, 0, 0, 1}}));
  // A damaged book is neither extended nor replaced.
  Scrivi("my_book.vobf", Bytes({{e4, 0, 0, 1}, {d4, 0, 16, 1}}));
  fake.answer(IDYES);
  AvviaCostruzioneLibroDa("g.pgn");
  EXPECT_EQ(CostruttoreLibro.attivo.load(), 0u);
  EXPECT_EQ(UltimoDialogo(), "It was not possible to read in the book!");
}

TEST_F(CostruzioneCiclo, RefusedWhileTheClockRunsMissingAndEmptyFiles) {
  Scrivi("g.pgn", Partite);
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED);
  Esegui();
  AvviaCostruzioneLibroDa("g.pgn");
  EXPECT_EQ(CostruttoreLibro.attivo.load(), 0u);
  EXPECT_EQ(UltimoDialogo(),
            "The book cannot be built while the clock is running: stop the clock first.");
  fake.press(VK_RETURN, LEFT_CTRL_PRESSED | SHIFT_PRESSED);
  Esegui();
  AvviaCostruzioneLibroDa("nothing.pgn");
  EXPECT_EQ(CostruttoreLibro.attivo.load(), 0u);
  EXPECT_EQ(UltimoDialogo(), "The nothing.pgn file was not found.");
  Scrivi("g.pgn", "");  // an empty file has no games
  AvviaCostruzioneLibroDa("g.pgn");
  FinoAllaFine();
  EXPECT_EQ(UltimoDialogo(),
            "Games that meet the specified criteria: 0.\nNew lines inserted in the book: 0.");
  EXPECT_EQ(LeggiFile("my_book.vobf"), "");
}

}  // namespace
