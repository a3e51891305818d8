// The longest game the record holds, pasted, then through every file it is
// saved to, read back, reviewed ply by ply and fed to the book builder.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/salvataggio.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"
#include "ui/stato.h"

namespace {

struct Partita511 : scenario::Scenario {
  std::vector<std::string> mosse;
  std::uint64_t chiave = 0;
  std::string salvata;  // the PGN file of the first save

  void Premi(std::uint16_t vk, std::uint32_t modificatori = 0) {
    fake.press(vk, modificatori);
    Esegui();
  }
  // The game on the board is the pasted one, whole.
  void Intatta(const char* dopo) {
    ASSERT_EQ(ContatoreMosse, 511u) << dopo;
    EXPECT_EQ(ChiaveHash, chiave) << dopo;
    for (unsigned i = 0; i < 511; ++i) ASSERT_EQ(ElencoStringaMossa[i + 1], mosse[i]) << dopo << i;
  }
};

TEST_F(Partita511, EveryWriterReaderTheReviewAndTheBookBuilder) {
  Avvia();
  fake.clipboard = LeggiFile(std::string(VANTOREL_SOURCE_DIR) +
                             "/tests/fixtures/paste/partita_511_semimosse.pgn");
  fake.ctrl('V');
  Esegui();
  ASSERT_EQ(ContatoreMosse, 511u);
  mosse.assign(ElencoStringaMossa + 1, ElencoStringaMossa + 512);  // ply n at n
  chiave = ChiaveHash;

  struct Fase {
    const char* nome;
    std::function<void()> prova;
  };
  const Fase fasi[] = {
      {"saved",
       [&] {
         fake.alt('S');
         Esegui();
         ASSERT_EQ(PartitaSalvata, 1);
         salvata = NomePartita;
         const std::string pgn = LeggiTesto(NomePartita), lista = LeggiTesto(PercorsoListaMosse());
         EXPECT_NE(pgn.find(" 256. " + mosse[510]), std::string::npos);
         EXPECT_TRUE(lista.ends_with("\n 256. " + mosse[510] + "\n"))
             << lista.substr(lista.size() - 40);
         EXPECT_NE(LeggiTesto(PercorsoScriptHtml()).find("var ContatoreMosse = 511;"),
                   std::string::npos);
         EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
       }},
      {"the saved PGN pasted back",
       [&] {
         fake.clipboard = LeggiFile(NomePartita);
         fake.ctrl('V');
         Esegui();
         EXPECT_NE(NomePartita, salvata) << "not pasted as a new game";
       }},
      {"reviewed to the start and back",
       [&] {
         Premi(VK_SPACE);
         for (int ply = 510; ply >= 0; --ply) {
           Premi(VK_LEFT, LEFT_ALT_PRESSED);
           ASSERT_EQ(ContatoreMosse, static_cast<std::uint64_t>(ply));
         }
         for (int ply = 1; ply <= 511; ++ply) {
           Premi(VK_RIGHT, LEFT_ALT_PRESSED);
           ASSERT_EQ(ContatoreMosse, static_cast<std::uint64_t>(ply));
         }
         Premi(VK_ESCAPE);
       }},
      {"read by the book builder",
       [&] {
         std::FILE* f = std::fopen(salvata.c_str(), "rb");
         ASSERT_NE(f, nullptr);
         std::vector<NodoLibro> libro;
         const EsitoCostruzione esito = CostruisciLibroDa(f, libro, CriteriLibro{1, 300, 0});
         std::fclose(f);
         EXPECT_EQ(esito.partite, 1u);
         // One line, as long as a line may be.
         EXPECT_EQ(libro.size(), 300u);
         EXPECT_TRUE(LibroIntegro(libro));
       }},
  };
  for (const Fase& fase : fasi) {
    fake.dialogs.clear();
    fase.prova();
    Intatta(fase.nome);
    EXPECT_TRUE(fake.dialogs.empty()) << fase.nome << ": " << UltimoDialogo();
  }
}

}  // namespace
