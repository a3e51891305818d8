// The opening classification on request (CTRL+F11), in each language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "book/eco.h"
#include "tests/ui/scenario.h"

namespace {

struct EcoDialogo : scenario::Scenario {
  void Avvia(int lingua) {
    Scenario::Avvia(lingua, false);
    ASSERT_TRUE(CaricaEco(VANTOREL_BINARY_DIR "/eco/eco.bin"));
  }
  void TearDown() override {
    CaricaEco("no such file");
    Scenario::TearDown();
  }
  std::string Chiedi() {
    fake.press(VK_F11, LEFT_CTRL_PRESSED);
    Esegui();
    return UltimoDialogo();
  }
};

TEST_F(EcoDialogo, CodeOpeningAndVariationInEachLanguage) {
  struct Caso {
    int lingua;
    std::vector<std::string> mosse;
    const char* testo;
  } casi[] = {
      {0, {}, "Posizione iniziale"},
      {1, {}, "Initial position"},
      {2, {}, "Posición inicial"},
      {0, {"e4", "e5", "Nf3"}, "Codice ECO: C40;\nApertura: King's knight opening;\n"},
      {1, {"e4", "e5", "Nf3"}, "ECO code: C40;\nOpening: King's knight opening;\n"},
      {2, {"b4", "Nh6"}, "Código ECO: A00;\nApertura: Polish;\nVariante: Tuebingen variation;\n"},
      {1, {"b4", "Nh6"}, "ECO code: A00;\nOpening: Polish;\nVariation: Tuebingen variation;\n"},
      {0, {"a3", "h5", "h3"}, "Codice ECO: A00;\nApertura: Anderssen's opening;\n"},
  };
  for (const Caso& c : casi) {
    Avvia(c.lingua);
    Mosse(c.mosse);
    EXPECT_EQ(Chiedi(), c.testo) << c.mosse.size();
    EXPECT_EQ(fake.dialogs.back().style & MB_ICONINFORMATION, MB_ICONINFORMATION);
    TearDown();
  }
}

TEST_F(EcoDialogo, AMissingFileIsSaidWhereTheUserAsks) {
  Scenario::Avvia(1, false);  // the scratch directory holds no eco.bin
  EXPECT_TRUE(fake.dialogs.empty());
  Mosse({"e4", "e5"});
  EXPECT_EQ(Chiedi(), "The eco.bin file is missing or damaged: openings cannot be classified.");
}

TEST_F(EcoDialogo, AGameWhoseFirstMoveIsNotInTheFile) {
  struct Caso {
    int lingua;
    const char* testo;
  } casi[] = {
      {0, "Nessuna classificazione di apertura trovata per la partita corrente."},
      {1, "No opening classifications found for the current game."},
      {2, "No se encontraron clasificaciones de apertura para el juego actual."},
  };
  for (const Caso& c : casi) {
    Scenario::Avvia(c.lingua, false);
    // One node: 1. e4, A00, names 0 and 1.
    const unsigned char nodo[16] = {0x34, 0x39, 0x00, 0x00, 0, 0, 0, 0, 1, 'A', 0, 0, 0, 0, 1, 0};
    std::ofstream("eco.bin", std::ios::binary).write(reinterpret_cast<const char*>(nodo), 16);
    ASSERT_TRUE(CaricaEco());
    Mossa("e4");
    EXPECT_NE(Chiedi().find(": A00;"), std::string::npos) << c.lingua;
    fake.press(VK_DELETE, LEFT_CTRL_PRESSED);
    Mossa("d4");
    EXPECT_EQ(Chiedi(), c.testo);
    TearDown();
  }
}

}  // namespace
