// The longest game the record holds, pasted, then through every file it is
// saved to, read back and fed to the book builder.
#include <cstdio>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/salvataggio.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"

namespace {

struct Partita511 : scenario::Scenario {
  std::vector<std::string> mosse;
  std::uint64_t chiave = 0;

  // The game on the board is the pasted one, whole, and nothing was refused.
  void Intatta(const char* dopo) {
    EXPECT_TRUE(fake.dialogs.empty()) << dopo << ": " << UltimoDialogo();
    ASSERT_EQ(ContatoreMosse, 511u) << dopo;
    EXPECT_EQ(ChiaveHash, chiave) << dopo;
    for (unsigned i = 0; i < 511; ++i) ASSERT_EQ(ElencoStringaMossa[i + 1], mosse[i]) << dopo << i;
  }
};

TEST_F(Partita511, EveryWriterReaderAndTheBookBuilder) {
  Avvia();
  fake.clipboard = LeggiFile(std::string(VANTOREL_SOURCE_DIR) +
                             "/tests/fixtures/paste/partita_511_semimosse.pgn");
  fake.ctrl('V');
  Esegui();
  ASSERT_EQ(ContatoreMosse, 511u);
  mosse.assign(ElencoStringaMossa + 1, ElencoStringaMossa + 512);  // ply n at n
  chiave = ChiaveHash;
  fake.dialogs.clear();

  fake.alt('S');
  Esegui();
  ASSERT_EQ(PartitaSalvata, 1);
  const std::string salvata = NomePartita, lista = LeggiTesto(PercorsoListaMosse());
  EXPECT_NE(LeggiTesto(NomePartita).find(" 256. " + mosse[510]), std::string::npos);
  EXPECT_TRUE(lista.ends_with("\n 256. " + mosse[510] + "\n")) << lista.substr(lista.size() - 40);
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
  Intatta("saved");

  fake.clipboard = LeggiFile(NomePartita);
  fake.ctrl('V');
  Esegui();
  EXPECT_NE(NomePartita, salvata) << "not pasted as a new game";
  Intatta("the saved PGN pasted back");

  std::FILE* f = std::fopen(salvata.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  std::vector<NodoLibro> libro;
  const EsitoCostruzione esito = CostruisciLibroDa(f, libro, CriteriLibro{1, 300, 0});
  std::fclose(f);
  EXPECT_EQ(esito.partite, 1u);
  EXPECT_EQ(libro.size(), 300u);  // one line, as long as a line may be
  EXPECT_TRUE(LibroIntegro(libro));
}

}  // namespace
