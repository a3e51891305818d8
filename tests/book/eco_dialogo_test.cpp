// The opening classification on request (CTRL+F11): every answer in each language.
#include <gtest/gtest.h>

#include <fstream>

#include "book/eco.h"
#include "tests/ui/scenario.h"

namespace {

using EcoDialogo = scenario::Scenario;

TEST_F(EcoDialogo, EveryAnswerInEachLanguage) {
  const std::string reale = VANTOREL_BINARY_DIR "/eco/eco.bin";
  struct Caso {
    std::string eco;  // the file loaded: the real one, one node of 1. e4, or none
    std::vector<std::string> mosse;
    const char* testi[3];
  } casi[] = {
      {reale, {}, {"Posizione iniziale", "Initial position", "Posición inicial"}},
      {reale,
       {"b4", "Nh6"},
       {"Codice ECO: A00;\nApertura: Polish;\nVariante: Tuebingen variation;\n",
        "ECO code: A00;\nOpening: Polish;\nVariation: Tuebingen variation;\n",
        "Código ECO: A00;\nApertura: Polish;\nVariante: Tuebingen variation;\n"}},
      {reale,
       {"e4", "e5", "Nf3"},
       {"Codice ECO: C40;\nApertura: King's knight opening;\n",
        "ECO code: C40;\nOpening: King's knight opening;\n",
        "Código ECO: C40;\nApertura: King's knight opening;\n"}},
      {"eco.bin",
       {"d4"},
       {"Nessuna classificazione di apertura trovata per la partita corrente.",
        "No opening classifications found for the current game.",
        "No se encontraron clasificaciones de apertura para el juego actual."}},
      {"",
       {"e4"},
       {"Il file eco.bin manca o è danneggiato: le aperture non possono essere classificate.",
        "The eco.bin file is missing or damaged: openings cannot be classified.",
        "El archivo eco.bin falta o está dañado: las aperturas no se pueden clasificar."}},
  };
  for (const Caso& c : casi)
    for (int l = 0; l < 3; ++l) {
      Avvia(l, false);
      // One node: 1. e4, A00, names 0 and 1.
      const unsigned char nodo[16] = {0x34, 0x39, 0, 0, 0, 0, 0, 0, 1, 'A', 0, 0, 0, 0, 1, 0};
      if (c.eco == "eco.bin")
        std::ofstream(c.eco, std::ios::binary).write(reinterpret_cast<const char*>(nodo), 16);
      ASSERT_EQ(CaricaEco(c.eco.c_str()), !c.eco.empty());
      Mosse(c.mosse);
      fake.press(VK_F11, LEFT_CTRL_PRESSED);
      Esegui();
      EXPECT_EQ(UltimoDialogo(), c.testi[l]);
      EXPECT_EQ(fake.dialogs.back().style & MB_ICONINFORMATION, MB_ICONINFORMATION);
      CaricaEco("no such file");
      TearDown();
    }
}

}  // namespace
