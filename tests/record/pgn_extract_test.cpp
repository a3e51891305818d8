// Every PGN the program writes is read by Debian's pgn-extract without a
// diagnostic, and exported again with the same moves and tags.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>

#include "record/pgn.h"
#include "record/salvataggio.h"
#include "tests/record/ambiente_registro.h"

namespace {

constexpr const char* kPgnExtract = "/usr/games/pgn-extract";

using PgnExtractTest = AmbienteRegistro;

TEST_F(PgnExtractTest, GamesAreAcceptedAndExportedWithTheirMovesAndTags) {
  if (!std::filesystem::exists(kPgnExtract)) GTEST_SKIP() << "pgn-extract is not installed";
  struct {
    const char *cognome, *nome;
    int plies;
    const char *risultato, *commento;
  } casi[] = {
      {"", "", 0, "*", ""},
      {"O\"Brien", "Back\\slash \"Jr\"", 4, "*", ""},
      {"Rossi", "", 17, "1/2-1/2", "draw by agreement"},
      {"", "Anna", 511, "*", ""},
  };
  for (const auto& c : casi) {
    NuovaPosizione(FenIniziale);
    InizializzaInfoPartita();
    std::strcpy(StrWhiteCognome, c.cognome);
    std::strcpy(StrWhiteNome, c.nome);
    std::strcpy(StrEvent, "Open \"A\" \\ B");
    Cavalli(c.plies);
    std::strcpy(Result, c.risultato);
    std::strcpy(CommentoRisultato, c.commento);
    ASSERT_EQ(SalvaPartitaPgn(), 1);
    const std::string comando =
        std::string(kPgnExtract) + " -s -C -o out.pgn '" + NomePartita + "' 2> err.txt";
    ASSERT_EQ(std::system(comando.c_str()), 0) << LeggiFile("err.txt");
    EXPECT_EQ(LeggiFile("err.txt"), "") << c.cognome;
    const std::string esportato = LeggiFile("out.pgn");
    const std::string bianco = c.cognome[0] || c.nome[0]
                                   ? ValoreTagPgn(c.cognome) + ", " + ValoreTagPgn(c.nome)
                                   : "?";
    for (const std::string& tag : {std::string("[Event \"Open \\\"A\\\" \\\\ B\"]"),
                                   "[White \"" + bianco + "\"]",
                                   "[PlyCount \"" + std::to_string(c.plies) + "\"]",
                                   std::string(c.risultato) + "\n"})
      EXPECT_NE(esportato.find(tag), std::string::npos) << tag << "\n" << esportato;
    // The same moves in order: every word of the move text that starts with a letter.
    std::string mosse, trovate, parola;
    for (int i = 1; i <= c.plies; ++i) mosse += std::string(ElencoStringaMossa[i]) + " ";
    std::istringstream testo(esportato.substr(esportato.find("\n\n")));
    while (testo >> parola)
      if (std::isalpha(static_cast<unsigned char>(parola[0]))) trovate += parola + " ";
    EXPECT_EQ(trovate, mosse);
  }
}

}  // namespace
