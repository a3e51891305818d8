// Clipboard texts of ten megabytes: only the first game is read, a long comment, variation or
// tag is passed over, a run of moves is cut at the plies a game holds, and a text with no move
// is refused with its message in the user's language.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clock/incolla.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/scrittura_atomica.h"
#include "tests/support/ambiente_finto.h"
#include "tests/support/testo_ripetuto.h"
#include "tests/ui/scenario.h"

namespace {

constexpr std::size_t kDieciMega = 10u << 20;

std::string Ripeti(const std::string& testo) { return TestoRipetuto(testo, kDieciMega); }

struct IncollaGrande : scenario::Scenario {
  void Incolla(const std::string& testo) {
    PartitaSalvata = 1;
    fake.clipboard = testo;
    fake.ctrl('V');
    Esegui();
  }
};

TEST_F(IncollaGrande, TenMegabytesOfClipboardText) {
  const std::string corpus =
      LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/corpus-2k.pgn");
  ASSERT_GT(corpus.size(), 1000000u);
  struct Caso {
    const char* nome;
    int lingua;
    std::string testo;
    std::string dialogo;  // empty: none; a question is answered Yes
    std::uint64_t semimosse;
    const char* ultima;
  };
  const Caso casi[] = {
      // The corpus's first game ends 23. Rc1 1-0.
      {"five copies of two thousand games", 1, Ripeti(corpus), "", 45, "Rc1"},
      {"a comment of ten megabytes", 0, "1. e4 {" + Ripeti("commento ") + "} e5 2. Nf3 *", "", 3,
       "Nf3"},
      {"a variation that never closes", 1, "1. d4 (" + Ripeti("(1. e4 {x} ") + "*", "", 1, "d4"},
      {"a tag value of ten megabytes", 1, "[Event \"" + Ripeti("Torneo ") + "\"]\n1. c4 *", "", 1,
       "c4"},
      {"moves past the plies a game holds", 2, Ripeti("Nf3 Nf6 Ng1 Ng8 "),
       "256... 'Ng8' - supera las 511 semijugadas que puede contener una partida.\n"
       "¿Cargar la partida de todos modos hasta este punto?",
       511, "Ng1"},
      {"one word of ten megabytes", 1, std::string(kDieciMega, 'x'),
       "1. 'xxxxxxx' - is not a correct move record.", 0, nullptr},
      {"no move at all", 0, Ripeti("% nothing but escaped lines\n"),
       "Nessuna mossa trovata negli appunti.", 0, nullptr},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Avvia(c.lingua);
    const std::string evento = StrEvent;
    if (c.dialogo.find('?') != std::string::npos) fake.answer(IDYES);
    Incolla(c.testo);
    EXPECT_EQ(UltimoDialogo(), c.dialogo);
    ASSERT_EQ(ContatoreMosse, c.semimosse);
    if (c.ultima) {
      EXPECT_STREQ(ElencoStringaMossa[ContatoreMosse], c.ultima);
      // The log's summary of so long a game is kept whole.
      EXPECT_NE(std::string(UltimoRecord->testo).find(c.semimosse == 511 ? " 256. Ng1" : c.ultima),
                std::string::npos);
    }
    // The header keeps fields of their size: the huge value is not taken, cut or not.
    EXPECT_LT(std::string(StrEvent).size(), 128u);
    if (c.semimosse == 0) {
      EXPECT_EQ(StrEvent, evento);
    }
    TearDown();
  }
}

}  // namespace
