// Every PGN the program writes is read by Debian's pgn-extract without a
// diagnostic, and exported again with the same moves and tags.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "record/pgn.h"
#include "record/salvataggio.h"
#include "tests/record/ambiente_registro.h"

namespace {

constexpr const char* kPgnExtract = "/usr/games/pgn-extract";

struct PgnExtractTest : AmbienteRegistro {
  // Runs pgn-extract on the game's file; gives its diagnostics and the export.
  void Esporta(std::string& diagnostica, std::string& esportato) {
    ASSERT_EQ(SalvaPartitaPgn(), 1);
    std::string comando = std::string(kPgnExtract) + " -s -C -o out.pgn '" + NomePartita +
                          "' 2> err.txt";
    ASSERT_EQ(std::system(comando.c_str()), 0) << LeggiFile("err.txt");
    diagnostica = LeggiFile("err.txt");
    esportato = LeggiFile("out.pgn");
  }
};

TEST_F(PgnExtractTest, GamesAreAcceptedAndExportedWithTheirMovesAndTags) {
  if (!std::filesystem::exists(kPgnExtract)) GTEST_SKIP() << "pgn-extract is not installed";
  struct Caso {
    const char* cognome;
    const char* nome;
    int plies;
    const char* risultato;
    const char* commento;
  };
  const Caso casi[] = {
      {"", "", 0, "*", ""},
      {"O\"Brien", "Back\\slash \"Jr\"", 4, "*", ""},
      {"Rossi", "", 17, "1/2-1/2", "draw by agreement"},
      {"", "Anna", 511, "*", ""},
  };
  for (const Caso& c : casi) {
    NuovaPosizione(FenIniziale);
    InizializzaInfoPartita();
    std::strcpy(StrWhiteCognome, c.cognome);
    std::strcpy(StrWhiteNome, c.nome);
    std::strcpy(StrEvent, "Open \"A\" \\ B");
    Cavalli(c.plies);
    std::strcpy(Result, c.risultato);
    std::strcpy(CommentoRisultato, c.commento);
    std::string diagnostica, esportato;
    Esporta(diagnostica, esportato);
    EXPECT_EQ(diagnostica, "") << c.cognome;
    EXPECT_NE(esportato.find("[Event \"Open \\\"A\\\" \\\\ B\"]"), std::string::npos) << esportato;
    EXPECT_NE(esportato.find("[White \"" + ValoreTagPgn(c.cognome) +
                             (c.cognome[0] || c.nome[0] ? ", " + ValoreTagPgn(c.nome) : "?") +
                             "\"]"),
              std::string::npos)
        << esportato;
    EXPECT_NE(esportato.find("[PlyCount \"" + std::to_string(c.plies) + "\"]"), std::string::npos);
    // The same moves: pgn-extract's own move text holds every move in order.
    std::string mosse;
    for (int i = 1; i <= c.plies; ++i) mosse += std::string(ElencoStringaMossa[i]) + " ";
    std::string trovate;
    for (std::size_t p = esportato.find("\n\n"); p < esportato.size();) {
      std::size_t q = esportato.find_first_of(" \n", p);
      if (q == std::string::npos) q = esportato.size();
      std::string t = esportato.substr(p, q - p);
      if (!t.empty() && std::isalpha(static_cast<unsigned char>(t[0]))) trovate += t + " ";
      p = q + 1;
    }
    EXPECT_EQ(trovate.substr(0, mosse.size()), mosse);
    EXPECT_NE(esportato.find(std::string(c.risultato) + "\n"), std::string::npos);
  }
}

}  // namespace
