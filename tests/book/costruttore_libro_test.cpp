#include "book/costruttore_libro.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "tests/book/libro_prova.h"
#include "tests/core/verifica.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"

namespace {

using namespace libro_prova;
using scenario::parlato;

struct Costruttore : AmbienteFinto {
  std::vector<NodoLibro> libro;
  void SetUp() override {
    AmbienteFinto::SetUp();
    ASSERT_TRUE(Carica(FenIniziale));
    NuovaPosizione(FenIniziale);
  }
  void TearDown() override {
    NuovaPosizione(FenIniziale);
    AmbienteFinto::TearDown();
  }
  EsitoCostruzione Costruisci(const std::string& pgn, CriteriLibro criteri = {1, 40, 0}) {
    Scrivi("g.pgn", pgn);
    std::FILE* f = std::fopen("g.pgn", "rb");
    EsitoCostruzione e = CostruisciLibroDa(f, libro, criteri);
    std::fclose(f);
    return e;
  }
};

TEST_F(Costruttore, WhichGamesAndMovesMakeLines) {
  const CriteriLibro uno{1, 40, 0}, da_8_a_10{8, 10, 0}, elo{1, 40, 2000};
  const char* const punteggi =
      "[WhiteElo \"2100\"]\n[BlackElo \"2050\"]\n1. e4 e5 *\n[WhiteElo \"2100\"]\n1. d4 d5 *\n"
      "[WhiteElo \"2100\"]\n[BlackElo \"1999\"]\n1. c4 c5 *\n"
      "[WhiteElo \"abc\"]\n[BlackElo \"2300\"]\n1. Nf3 Nf6 *\n";
  struct {
    const char *nome, *pgn;
    CriteriLibro criteri;
    std::uint32_t partite;
    std::size_t nodi;
  } casi[] = {
      {"empty file", "", uno, 0, 0},
      {"too short, too long: left out, cut",
       "1. d4 d5 2. c4 *\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7 6. Re1 b5 *\n",
       da_8_a_10, 1, 10},
      {"both ratings at least the minimum", punteggi, elo, 1, 2},
      {"ratings not asked for", punteggi, uno, 4, 8},
      {"unclosed comment ends the game", "1. e4 e5 {never closed\n2. Nf3", uno, 1, 2},
      {"unclosed variation ends the game", "1. e4 e5 (1... c5 2. Nf3", uno, 1, 2},
      {"escape and comment lines", "% escape\n; comment 1. d4\n1. e4 *", uno, 1, 1},
      {"castling with letters, marks and NAGs", "1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. O-O! $1 *", uno,
       1, 7},
      {"castling with zeros stops the game's moves", "1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. 0-0 d6 *",
       uno, 1, 6},
      {"an illegal move drops the game", "1. e4 e5 2. Ke3 *\n1. d4 *", uno, 1, 1},
      {"a bracket inside a tag value", "[Event \"a ] b\"]\n1. e4 *", uno, 1, 1},
      {"moves glued to a comment", "1. e4{x}e5 *", uno, 1, 2},
  };
  for (const auto& c : casi) {
    libro.clear();
    EsitoCostruzione e = Costruisci(c.pgn, c.criteri);
    EXPECT_EQ(e.partite, c.partite) << c.nome;
    EXPECT_EQ(libro.size(), c.nodi) << c.nome;
    EXPECT_EQ(ContatoreMosse, 0u) << c.nome;
  }
}

TEST_F(Costruttore, ConvertingMoveTexts) {
  ASSERT_TRUE(Carica("4k3/1P6/8/8/8/2N3N1/8/4K3 w - - 0 1"));
  GeneraMossePseudolegali();
  EXPECT_EQ(ConvertiStringaInMossa("Ne4"), 0u);  // two knights
  EXPECT_NE(ConvertiStringaInMossa("Nce4"), 0u);
  EXPECT_EQ(ConvertiStringaInMossa("b8"), 0u);  // a promotion needs its piece
  EXPECT_EQ(SpecieMossa(ConvertiStringaInMossa("b8Q")), 56u);
  EXPECT_EQ(SpecieMossa(ConvertiStringaInMossa("b8N")), 41u);
  EXPECT_EQ(ConvertiStringaInMossa("Kd1x"), ConvertiStringaInMossa("Kd1"));
  EXPECT_EQ(ConvertiStringaInMossa("zz"), 0u);
}

TEST_F(Costruttore, DamagedBooksAreNotExtended) {
  EXPECT_TRUE(LibroIntegro(LibroPiccolo()));
  EXPECT_FALSE(LibroIntegro({{e4, 0, 0, 1}, {d4, 0, 16, 1}}));  // self-link
  EXPECT_FALSE(LibroIntegro({{e4, 32, 0, 1}}));                 // past the end
  EXPECT_FALSE(LibroIntegro({{e4, 8, 0, 1}, {d4, 0, 0, 1}}));   // inside a node
  Scrivi("t.vobf", Bytes(LibroPiccolo()).substr(0, 70));
  EXPECT_FALSE(LeggiLibro("t.vobf", libro));
}

// Each copy's Event tags get a suffix of its own length, shifting everything after them.
std::string Copia(const std::string& corpus, int k) {
  const std::string suffisso = " - copy " + std::string(static_cast<std::size_t>(k), '*');
  std::string s;
  s.reserve(corpus.size() + 4000 * suffisso.size());
  std::size_t da = 0;
  for (std::size_t p; (p = corpus.find("[Event \"", da)) != std::string::npos;) {
    const std::size_t chiusa = corpus.find('"', p + 8);
    s.append(corpus, da, chiusa - da);
    s += suffisso;
    da = chiusa;
  }
  s.append(corpus, da, std::string::npos);
  return s + "\n";
}

// Every game of the corpus (comments with clock marks, nested variations, NAGs, escaped quotes,
// move numbers glued to moves) becomes a line. Then several megabytes: the corpus copied with
// other headers, so that its games fall across the reader's buffer at other places
// (bench/libro_grande.sh runs it at a hundred megabytes).
TEST_F(Costruttore, CopiesOfTheCorpusMakeTheSameBook) {
  const std::string corpus = LeggiFile(VANTOREL_SOURCE_DIR "/tests/fixtures/corpus-2k.pgn");
  const EsitoCostruzione e1 = Costruisci(corpus);
  const std::vector<NodoLibro> una = std::move(libro);
  ASSERT_EQ(e1.partite, 2000u);
  EXPECT_TRUE(LibroIntegro(una));
  // The root's count is the number of distinct lines of the book.
  std::uint32_t radici = 0;
  for (std::uint64_t i = 0;; i = una[i].fratello / 16) {
    radici += una[i].figlio ? una[i].conteggio : 1;
    if (!una[i].fratello) break;
  }
  EXPECT_EQ(radici, e1.linee_nuove);

  for (unsigned copie : {2u, 3u}) {
    std::string pgn;
    for (unsigned k = 1; k <= copie; ++k) pgn += Copia(corpus, static_cast<int>(k));
    libro.clear();
    const EsitoCostruzione e = Costruisci(pgn);
    EXPECT_EQ(e.partite, 2000u * copie) << copie;
    EXPECT_EQ(e.linee_nuove, e1.linee_nuove) << copie;
    EXPECT_FALSE(e.pieno);
    EXPECT_TRUE(libro == una) << copie << " copies";
    EXPECT_EQ(ContatoreMosse, 0u);
  }
}

// A build driven through the main loop: the refused keys, the spoken percentage, the report and
// the book on disk.
std::atomic<bool> Trattieni{false};

struct CostruzioneCiclo : scenario::Scenario {
  void SetUp() override {
    Avvia(1, true);
    ParametroIni[iniMinPlyBookLine].valore = 1;
  }
  void TearDown() override {
    Trattieni = false;
    // A build a failed test left running is ended here, not by the next test.
    if (CostruttoreLibro.attivo.load()) FineCostruzioneLibro();
    ProvaDopoPartita = nullptr;
    Scenario::TearDown();
  }
  // Runs the loop until the build is over. The builder is a real thread: how many turns of the
  // loop it takes depends on the machine's load, so the wait is for its end, with a deadline.
  void FinoAllaFine() {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (CostruttoreLibro.attivo.load() && std::chrono::steady_clock::now() < limite) {
      CicloPrincipale();
      std::this_thread::yield();
    }
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
  EXPECT_EQ(
      LeggiFile("my_book.vobf"),
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
