// A PGN file of several megabytes through the builder: the corpus copied over with other
// headers (so that its games fall across the reader's buffer at other places) makes the
// same book as the corpus once, and every game is counted. bench/libro_grande.sh runs the
// same at a hundred megabytes and reports the memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "tests/book/libro_prova.h"
#include "tests/core/verifica.h"
#include "tests/support/ambiente_finto.h"

namespace {

struct CostruttoreGrande : AmbienteFinto {
  void SetUp() override {
    AmbienteFinto::SetUp();
    ASSERT_TRUE(Carica(FenIniziale));
    NuovaPosizione(FenIniziale);
  }
  void TearDown() override {
    NuovaPosizione(FenIniziale);
    AmbienteFinto::TearDown();
  }
  static EsitoCostruzione Costruisci(const std::string& pgn, std::vector<NodoLibro>& libro) {
    libro_prova::Scrivi("g.pgn", pgn);
    std::FILE* f = std::fopen("g.pgn", "rb");
    EsitoCostruzione e = CostruisciLibroDa(f, libro, CriteriLibro{1, 40, 0});
    std::fclose(f);
    return e;
  }
};

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

TEST_F(CostruttoreGrande, CopiesOfTheCorpusMakeTheSameBook) {
  const std::string corpus = LeggiFile(VANTOREL_SOURCE_DIR "/tests/fixtures/corpus-2k.pgn");
  ASSERT_GT(corpus.size(), 1000000u);
  std::vector<NodoLibro> una;
  const EsitoCostruzione e1 = Costruisci(corpus, una);
  ASSERT_EQ(e1.partite, 2000u);

  struct Caso {
    int copie;
  } casi[] = {{2}, {3}};
  for (const Caso& c : casi) {
    std::string pgn;
    for (int k = 1; k <= c.copie; ++k) pgn += Copia(corpus, k);
    std::vector<NodoLibro> libro;
    const EsitoCostruzione e = Costruisci(pgn, libro);
    EXPECT_EQ(e.partite, 2000u * c.copie) << c.copie;
    EXPECT_EQ(e.linee_nuove, e1.linee_nuove) << c.copie;
    EXPECT_FALSE(e.pieno);
    EXPECT_TRUE(libro == una) << c.copie << " copies: " << libro.size() << " nodes, "
                              << una.size() << " once";
    EXPECT_EQ(ContatoreMosse, 0u);
  }
}

}  // namespace
