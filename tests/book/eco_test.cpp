#include "book/eco.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/posizione.h"
#include "data/msg_eco.h"
#include "tests/core/verifica.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"
#include "tools/eco_pgn.h"

namespace {

std::string Codice(const InfoApertura& i) {
  if (!i.trovata) return "none";
  char t[8];
  std::snprintf(t, sizeof t, "%c%02d", i.lettera, i.numero);
  return t;
}

struct Eco : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(CaricaEco(VANTOREL_BINARY_DIR "/eco/eco.bin")); }
  void TearDown() override { CaricaEco("no such file"); }
};

TEST_F(Eco, EveryLineClassifiesToItsOwnEntry) {
  std::vector<VoceEco> voci;
  std::string errore;
  ASSERT_TRUE(Carica(FenIniziale));
  ASSERT_TRUE(LeggiEcoPgn(LeggiFile("/usr/share/pgn-extract/eco.pgn"), voci, errore)) << errore;
  ASSERT_GT(voci.size(), 2000u);
  int sbagliate = 0;
  for (const VoceEco& v : voci) {
    InfoApertura i;
    ClassificaMosse(v.mosse.data(), v.mosse.size(), &i);
    std::string variante = i.variante == NessunaVariante ? "" : NomeVariante[i.variante];
    bool giusta = i.trovata && i.lettera == v.lettera && i.numero == v.numero &&
                  v.apertura == NomeVariante[i.apertura] && v.variante == variante;
    if (!giusta && ++sbagliate < 10)
      ADD_FAILURE() << v.lettera << v.numero << " " << v.apertura << " / " << v.variante << " gave "
                    << Codice(i);
  }
  EXPECT_EQ(sbagliate, 0);
}

TEST_F(Eco, TheDeepestClassifiedPositionOnTheWayWins) {
  // 1. e4 e5 2. Nf3 Ke7 3. Nc3: Ke7 is in no line, and the game goes on past the book.
  const std::uint64_t linea[] = {
      Mossa(52, 36, 3), Mossa(12, 28, 3), Mossa(62, 45, SpecieSposta(Cavallo)),
      Mossa(4, 12, SpecieSposta(Re)), Mossa(57, 42, SpecieSposta(Cavallo))};
  const char* attesi[] = {"none", "B00", "C20", "C40", "C40", "C40"};
  for (std::size_t n = 0; n <= 5; ++n) {
    InfoApertura i;
    ClassificaMosse(linea, n, &i);
    EXPECT_EQ(Codice(i), attesi[n]) << n;
    if (n >= 3) {
      EXPECT_STREQ(NomeVariante[i.apertura], "King's knight opening");
      EXPECT_EQ(i.variante, NessunaVariante);
    }
  }
}

// Hand-made files: node layout as in book/eco.h.
struct Nodo {
  std::uint32_t mossa;
  std::uint16_t figlio, fratello;
  InfoApertura info;
};
const std::uint32_t e4 = Mossa(52, 36, 3), e5 = Mossa(12, 28, 3), d4 = Mossa(51, 35, 3);
InfoApertura Classe(char l, int n, int a, int v) {
  return {1, static_cast<std::uint8_t>(l),  static_cast<std::uint8_t>(n),
          0, static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(v)};
}

std::string Bytes(const std::vector<Nodo>& nodi) {
  std::string s;
  for (const Nodo& n : nodi) {
    char b[16];
    std::memcpy(b, &n.mossa, 4);  // the build machines are little-endian
    std::memcpy(b + 4, &n.figlio, 2);
    std::memcpy(b + 6, &n.fratello, 2);
    std::memcpy(b + 8, &n.info, 8);
    s.append(b, 16);
  }
  return s;
}

struct EcoCorrotto : AmbienteFinto {
  void TearDown() override {
    CaricaEco("no such file");
    AmbienteFinto::TearDown();
  }
};

TEST_F(EcoCorrotto, DamagedFilesGiveNoClassification) {
  const InfoApertura b00 = Classe('B', 0, 0, NessunaVariante), c20 = Classe('C', 20, 1, 2);
  struct Caso {
    const char* nome;
    std::string dati;
    std::vector<std::uint64_t> mosse;
  } casi[] = {
      // A walk that follows a link backwards would loop or reach a node off its path.
      {"sibling self-link", Bytes({{d4, 0, 1, {}}, {e4, 0, 1, b00}}), {e5}},
      {"sibling cycle", Bytes({{e4, 0, 1, {}}, {e5, 0, 2, {}}, {d4, 0, 1, {}}}), {e4 + 1}},
      {"child link backwards",
       Bytes({{e4, 2, 0, {}}, {e5, 0, 0, c20}, {d4, 1, 0, {}}}),
       {e4, d4, e5}},
      {"sibling past the end", Bytes({{e4, 0, 7, b00}}), {d4}},
      {"child past the end", Bytes({{e4, 9, 0, {}}}), {e4, e5}},
      {"opening past the table", Bytes({{e4, 0, 0, Classe('B', 0, NessunaVariante, 0)}}), {e4}},
      {"variation past the table",
       Bytes({{e4, 0, 0, Classe('B', 0, 0, NessunaVariante + 1)}}),
       {e4}},
      {"letter F", Bytes({{e4, 0, 0, Classe('F', 0, 0, 1)}}), {e4}},
      {"number 100", Bytes({{e4, 0, 0, Classe('B', 100, 0, 1)}}), {e4}},
      {"truncated last node", Bytes({{d4, 0, 1, {}}, {e4, 0, 0, b00}}).substr(0, 28), {e4}},
      {"empty file", "", {e4}},
  };
  for (const Caso& c : casi) {
    std::ofstream("eco.bin", std::ios::binary) << c.dati;
    CaricaEco();
    InfoApertura i = c20;
    ClassificaMosse(c.mosse.data(), c.mosse.size(), &i);
    EXPECT_FALSE(i.trovata) << c.nome;
  }
  // The same shapes with sound links do classify, so the cases above test the checks; the file
  // is read once, at start-up.
  std::ofstream("eco.bin", std::ios::binary)
      << Bytes({{d4, 0, 1, {}}, {e4, 2, 0, b00}, {e5, 0, 0, c20}});
  ASSERT_TRUE(CaricaEco());
  std::filesystem::remove("eco.bin");
  std::uint64_t linea[] = {e4, e5};
  InfoApertura i;
  ClassificaMosse(linea, 2, &i);
  EXPECT_EQ(Codice(i), "C20");
  EXPECT_EQ(i.apertura, 1);
  ClassificaMosse(linea, 1, &i);
  EXPECT_EQ(Codice(i), "B00");
  EXPECT_FALSE(CaricaEco());
  EXPECT_FALSE(EcoDisponibile());
}

// What is spoken and what goes into the game's tags, with and without a variation.
TEST_F(Eco, SpokenFormAndTagLines) {
  struct Caso {
    std::vector<std::uint64_t> mosse;
    const char *detto, *a_capo, *tag;
  } casi[] = {
      {{}, "Moves:", "\n", ""},
      {{e4, e5, Mossa(62, 45, SpecieSposta(Cavallo))},
       "Moves: C40, King's knight opening",
       "\n",
       "[ECO \"C40\"]\n[Opening \"King's knight opening\"]\n"},
      {{Mossa(49, 33, 3), Mossa(6, 23, SpecieSposta(Cavallo))},
       "Moves: A00, Polish, Tuebingen variation",
       "\r\n",
       "[ECO \"A00\"]\r\n[Opening \"Polish\"]\r\n[Variation \"Tuebingen variation\"]\r\n"},
  };
  InfoApertura info;
  for (const Caso& c : casi) {
    ASSERT_TRUE(Carica(FenIniziale));
    for (std::size_t k = 0; k < c.mosse.size(); ++k) ElencoMosse[k + 1] = c.mosse[k];
    ContatoreMosse = c.mosse.size();
    LeggiInfoApertura(&info);
    char testo[64] = "Moves:";
    ScriviInfoApertura(&info, testo, sizeof testo);
    EXPECT_STREQ(testo, c.detto);
    std::string tag = "x";
    ScriviTagEco(tag, c.a_capo);
    EXPECT_EQ(tag, std::string("x") + c.tag);
  }
  char corto[16] = "Moves:";  // a short buffer is never overrun and stays terminated
  ScriviInfoApertura(&info, corto, sizeof corto);
  EXPECT_STREQ(corto, "Moves: A00, Pol");
  ASSERT_TRUE(Carica(FenIniziale));
}

// The classification on request (CTRL+F11): every answer in each language.
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
