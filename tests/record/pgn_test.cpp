#include <cstring>
#include <string>

#include "clock/cadenza.h"
#include "record/pgn.h"
#include "record/salvataggio.h"
#include "record/script_html.h"
#include "tests/record/ambiente_registro.h"

namespace {

struct PgnTest : AmbienteRegistro {
  void SetUp() override {
    AmbienteRegistro::SetUp();
    std::strcpy(Cadenza, "7200");
  }
};

TEST_F(PgnTest, TheEmptyGameInItalian) {
  ParametroIni[inilang].valore = 0;
  EXPECT_EQ(TestoPartitaPgn("\n"),
            "\n[Event \"?\"]\n[Site \"PC\"]\n[Date \"?\"]\n[Round \"?\"]\n[White \"?\"]\n"
            "[Black \"?\"]\n[Result \"*\"]\n[Time \"?\"]\n[UTCTime \"?\"]\n[UTCDate \"?\"]\n"
            "[WhiteElo \"?\"]\n[BlackElo \"?\"]\n[PlyCount \"0\"]\n[TimeControl \"7200\"]\n"
            "[WhiteTimeLeft \"125\"]\n[BlackTimeLeft \"0\"]\n[Termination \"?\"]\n[Mode \"TC\"]\n"
            "[Annotator \"Vantorel2.65\"]\n\n"
            "{Tempo rimasto: bianco - 2 minuti, 5 secondi, nero - 0 secondi.}\n*\n");
  EXPECT_EQ(TestoListaMosse(),
            "\nevento?\nbianco? vs nero? *\n"
            "Tempo rimasto: bianco - 2 minuti, 5 secondi,nero - 0 secondi.\n\n");
}

TEST_F(PgnTest, ACheckmateWithEveryFieldInItsPlaceAndTagValuesEscaped) {
  std::strcpy(StrEvent, "City \"Open\" \\ 3");
  std::strcpy(StrRound, "3");
  std::strcpy(StrWhiteNome, "Anna");  // only the first name
  std::strcpy(StrBlackCognome, "Rossi");
  std::strcpy(StrBlackNome, "C:\\x");
  std::strcpy(StrBlackElo, "2100");
  std::strcpy(DataLocale, "2026.12.05");
  std::strcpy(OraLocale, "06:28:26");
  std::strcpy(DataUTC, "2026.12.05");
  std::strcpy(OraUTC, "05:28:26");
  GiocaTutte({"f3", "e5", "g4", "Qh4"});
  std::strcpy(Result, "0-1");
  std::strcpy(Termination, "Checkmate");
  std::strcpy(CommentoRisultato, "checkmate");
  EXPECT_EQ(TestoPartitaPgn("\r\n"),
            "\r\n[Event \"City \\\"Open\\\" \\\\ 3\"]\r\n[Site \"PC\"]\r\n[Date \"2026.12.05\"]\r\n"
            "[Round \"3\"]\r\n[White \", Anna\"]\r\n[Black \"Rossi, C:\\\\x\"]\r\n"
            "[Result \"0-1\"]\r\n[Time \"06:28:26\"]\r\n[UTCTime \"05:28:26\"]\r\n"
            "[UTCDate \"2026.12.05\"]\r\n[WhiteElo \"?\"]\r\n[BlackElo \"2100\"]\r\n"
            "[PlyCount \"4\"]\r\n[TimeControl \"7200\"]\r\n[WhiteTimeLeft \"125\"]\r\n"
            "[BlackTimeLeft \"0\"]\r\n[Termination \"Checkmate\"]\r\n[Mode \"TC\"]\r\n"
            "[Annotator \"Vantorel2.65\"]\r\n\r\n 1. f3 e5 2. g4 Qh4#\r\n"
            "{Time left: white - 2 minutes, 5 seconds, black - 0 seconds.}\r\n"
            "{checkmate} 0-1\r\n");
  EXPECT_EQ(TestoListaMosse(), "\nCity \"Open\" \\ 3, round 3\n Anna vs C:\\x Rossi (2100) 0-1\n"
                               "Time left: white - 2 minutes, 5 seconds,black - 0 seconds.\n\n"
                               " 1. f3 e5\n 2. g4 Qh4#\n");
}

TEST_F(PgnTest, TheLongestGameFitsEveryText) {
  const std::string lungo(LunghezzaCampoInfo - 1, 'x');
  for (char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrBlackCognome,
                      StrBlackNome, StrWhiteElo, StrBlackElo})
    std::strcpy(campo, lungo.c_str());
  Cavalli(511);
  const std::string pgn = TestoPartitaPgn("\r\n");
  for (const std::string& parte : {std::string(" 256. Ng1\r\n{Time left"), "[Event \"" + lungo + "\"]",
                                   std::string("\r\n 249. Nf3")})  // 249 = 31 * 8 + 1
    EXPECT_NE(pgn.find(parte), std::string::npos) << parte;
  ASSERT_EQ(CopiaPartitaNegliAppunti(), 1);
  EXPECT_EQ(fake.clipboard_writes.back(), pgn);
  EXPECT_NE(TestoScriptHtml().find("var ContatoreMosse = 511;"), std::string::npos);
}

TEST_F(PgnTest, ScriptStringsHoldWhateverWasTyped) {
  for (const std::string s : {"\"", "\\", "</script>", "<img src=x onerror=alert(1)>",
                              "a\nb\r\t\x01", "\xE2\x80\xA8", "è"}) {
    const std::string js = StringaJs(s);
    EXPECT_EQ(js.find("</"), std::string::npos) << js;
    EXPECT_EQ(js.find('\n'), std::string::npos) << js;
    EXPECT_EQ(js.find("\xE2\x80\xA8"), std::string::npos) << js;
    for (std::size_t i = 1; i + 1 < js.size(); ++i)  // only escaped quotes inside
      EXPECT_FALSE(js[i] == '"' && js[i - 1] != '\\') << js;
  }
  EXPECT_EQ(StringaJs("a\"b\\c<d>\n\x01"), "\"a\\\"b\\\\c\\x3Cd\\x3E\\n\\x01\"");
  EXPECT_EQ(StringaJs("è\xE2\x80\xA9"), "\"è\\u2029\"");
}

// Boards of the script against the real board after every ply of many
// random games: castling both ways, en passant and every promotion appear.
TEST_F(PgnTest, ScriptBoardsFollowTheRealBoardAndLeaveItAlone) {
  std::uint32_t seme = 12345;
  bool visto[64] = {};
  auto scacchiera = [] {
    std::string s(64, '0');
    for (int q = 0; q < 64; ++q)
      if (PezzoIn[q] != CasaVuota) {
        const int p = static_cast<int>(PezzoIn[q] >> 4);
        s[q] = static_cast<char>(CaratterePezzo[p >> 1] - (p & 1 ? 0 : 'a' - 'A'));
      }
    return s;
  };
  for (int partita = 0; partita < 120; ++partita) {
    NuovaPosizione(FenIniziale);
    std::string atteso = "\t\"" + scacchiera() + "\"";
    for (int ply = 0; ply < 300 && FineMosseGenerate != BufferMosseGenerate; ++ply) {
      if (!PuoGiocareAncoraMosse()) break;
      seme = seme * 1664525u + 1013904223u;
      const std::uint64_t m =
          BufferMosseGenerate[(seme >> 8) % (FineMosseGenerate - BufferMosseGenerate)];
      visto[SpecieMossa(m)] = true;
      GiocaParola(m);
      atteso += ",\n\t\"" + scacchiera() + "\"";
    }
    const std::uint64_t contatore = ContatoreMosse, info = InfoPosizione, chiave = ChiaveHash;
    std::uint64_t elenco[DimensioneElencoMosse];
    std::memcpy(elenco, ElencoMosse, sizeof elenco);
    ASSERT_EQ(ScacchiereDellaPartita(), atteso) << "game " << partita;
    EXPECT_EQ(ContatoreMosse, contatore);
    EXPECT_EQ(InfoPosizione, info);
    EXPECT_EQ(ChiaveHash, chiave);
    EXPECT_EQ(std::memcmp(elenco, ElencoMosse, sizeof elenco), 0);
  }
  for (int specie : {int(SpecieArroccoCorto), int(SpecieArroccoLungo), int(SpecieEnpassant),
                     SpeciePromozione(1), SpeciePromozione(4), SpeciePromozioneCattura(4, 3)})
    EXPECT_TRUE(visto[specie]) << "kind " << specie << " never played";
}

}  // namespace
