#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "record/pgn.h"
#include "record/salvataggio.h"
#include "record/script_html.h"
#include "tests/record/ambiente_registro.h"

namespace {

namespace fs = std::filesystem;

using SalvataggioTest = AmbienteRegistro;

TEST_F(SalvataggioTest, MissingFoldersAreCreatedAndEveryFileHoldsItsText) {
  fs::remove_all("pgn");
  fs::remove_all("log");
  GiocaTutte({"e4", "e5"});
  PartitaSalvata = 0;
  EXPECT_EQ(SalvaPartita(), 1);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(LeggiTesto(NomePartita), TestoPartitaPgn("\n"));
  EXPECT_EQ(LeggiTesto(PercorsoListaMosse()), TestoListaMosse());
  EXPECT_EQ(LeggiTesto(PercorsoScriptHtml()), TestoScriptHtml());
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
  int n = 0;  // and no temporary file is left
  for (auto& voce : fs::recursive_directory_iterator(".")) n += voce.is_regular_file();
  EXPECT_EQ(n, 4);
}

TEST_F(SalvataggioTest, AnAutomaticSaveReportsTheSameFailureOnce) {
  fs::remove_all("pgn");
  std::ofstream("pgn") << "in the way";
  ParametroIni[iniautosave].valore = 1;
  SalvaOSegnaNonSalvata();
  SalvaOSegnaNonSalvata();
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(PartitaSalvata, 0);
  fs::remove("pgn");
  SalvaOSegnaNonSalvata();
  EXPECT_EQ(PartitaSalvata, 1);
}

TEST_F(SalvataggioTest, WhenTheSessionEndsAnUnsavedGameWithMovesIsSavedSilently) {
  struct {
    int mosse, salvata;
    bool scritta, di_traverso;
  } casi[] = {{1, 0, true, false}, {0, 0, false, false}, {2, 1, false, false}, {1, 0, false, true}};
  for (const auto& c : casi) {
    fs::remove_all("pgn");
    if (c.di_traverso) std::ofstream("pgn") << "in the way";
    NuovaPosizione(FenIniziale);
    InizializzaInfoPartita();
    Cavalli(c.mosse);
    PartitaSalvata = c.salvata;
    fake.dialogs.clear();
    SalvaAllaChiusura();
    EXPECT_EQ(fs::is_regular_file(NomePartita), c.scritta) << c.mosse;
    EXPECT_TRUE(fake.dialogs.empty());  // a failure cannot be shown to anybody
  }
  EXPECT_TRUE(fs::exists(FileReport));  // the log is written all the same
}

}  // namespace
