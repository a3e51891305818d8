#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "record/pgn.h"
#include "record/salvataggio.h"
#include "record/scrittura_atomica.h"
#include "record/script_html.h"
#include "tests/record/ambiente_registro.h"

namespace {

namespace fs = std::filesystem;

struct SalvataggioTest : AmbienteRegistro {
  void TearDown() override {
    ProvaPrimaDelRinomino = nullptr;
    AmbienteRegistro::TearDown();
  }
  static std::vector<std::string> FileDellaPartita() {
    return {PercorsoListaMosse(), NomePartita, PercorsoScriptHtml(), FileReport};
  }
};

TEST_F(SalvataggioTest, MissingFoldersAreCreatedAndEveryFileHoldsItsText) {
  fs::remove_all("pgn");
  fs::remove_all("log");
  GiocaTutte({"e4", "e5"});
  PartitaSalvata = 0;
  ASSERT_EQ(SalvaPartita(), 1);
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(LeggiFile(NomePartita), TestoPartitaPgn("\n"));
  EXPECT_EQ(LeggiFile(PercorsoListaMosse()), TestoListaMosse());
  EXPECT_EQ(LeggiFile(PercorsoScriptHtml()), TestoScriptHtml());
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
  // Nothing else is left in the folders: no temporary files.
  int n = 0;
  for (auto& voce : fs::recursive_directory_iterator(".")) n += voce.is_regular_file();
  EXPECT_EQ(n, 4);
}

TEST_F(SalvataggioTest, FilesAreWrittenInTheirOrder) {
  std::vector<std::string> ordine;
  static std::vector<std::string>* registro;
  registro = &ordine;
  ProvaPrimaDelRinomino = [](const std::string& t) { registro->push_back(t); };
  SalvaPartita();
  ASSERT_EQ(ordine.size(), 4u);
  std::vector<std::string> attesi = FileDellaPartita();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ordine[i].rfind(attesi[i], 0), 0u) << ordine[i];
}

TEST_F(SalvataggioTest, AFileThatCannotBeWrittenIsNamedAndTheGameStaysUnsaved) {
  GiocaTutte({"d4"});
  for (int f = 0; f < 4; ++f) {
    for (int l = 0; l < 3; ++l) {
      ParametroIni[inilang].valore = l;
      const std::vector<std::string> file = FileDellaPartita();  // by language
      const std::string percorso = file[f];
      // A folder in the way of the file itself: it cannot be replaced.
      fs::remove_all(percorso);
      fs::create_directories(percorso);
      fake.dialogs.clear();
      PartitaSalvata = 1;
      RipetiAvvisiDiScrittura();
      EXPECT_EQ(SalvaPartita(), 0) << percorso;
      EXPECT_EQ(PartitaSalvata, 0);
      ASSERT_EQ(fake.dialogs.size(), 1u) << percorso;
      const char* inizio[3] = {"Non ho potuto scrivere il file ", "Unable to write the file ",
                               "No pude escribir el archivo "};
      const char* fine[3] = {"La partita non è salvata.", "The game is not saved.",
                             "La partida no está guardada."};
      const std::string& testo = fake.dialogs[0].text;
      EXPECT_EQ(testo.rfind(inizio[l] + percorso + ": ", 0), 0u) << testo;
      EXPECT_NE(testo.find(fine[l]), std::string::npos) << testo;
      // The other files were written all the same.
      for (int g = 0; g < 4; ++g) {
        if (g == f) continue;
        EXPECT_TRUE(fs::is_regular_file(file[g])) << file[g];
      }
      fs::remove_all(percorso);
    }
  }
  // Written again, the game is saved.
  EXPECT_EQ(SalvaPartita(), 1);
}

TEST_F(SalvataggioTest, AReadOnlyFolderIsReportedAsPermissionDenied) {
  fs::create_directories("pgn");
  fs::permissions("pgn", fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream("pgn/probe")) {
    fs::permissions("pgn", fs::perms::owner_all);
    GTEST_SKIP() << "this user writes into read-only folders";
  }
  const char* motivi[3] = {": accesso negato.", ": permission denied.", ": permiso denegado."};
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    fake.dialogs.clear();
    RipetiAvvisiDiScrittura();
    EXPECT_EQ(SalvaPartita(), 0);
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_NE(fake.dialogs[0].text.find(std::string(NomePartita) + motivi[l]), std::string::npos)
        << fake.dialogs[0].text;
  }
  fs::permissions("pgn", fs::perms::owner_all);
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

TEST_F(SalvataggioTest, AWriterInterruptedBeforeTheRenameLeavesTheOldFileWhole) {
  const std::string vecchio(5000, 'o');
  ASSERT_TRUE(ScriviFileIntero("pgn/g.pgn", vecchio));
  ProvaPrimaDelRinomino = [](const std::string&) { throw std::runtime_error("crash"); };
  EXPECT_THROW(ScriviFileIntero("pgn/g.pgn", std::string(9000, 'n')), std::runtime_error);
  EXPECT_EQ(LeggiFile("pgn/g.pgn"), vecchio);
  ProvaPrimaDelRinomino = nullptr;
  ASSERT_TRUE(ScriviFileIntero("pgn/g.pgn", "new"));
  EXPECT_EQ(LeggiFile("pgn/g.pgn"), "new");
}

TEST_F(SalvataggioTest, WhenTheSessionEndsAnUnsavedGameWithMovesIsSavedSilently) {
  struct Caso {
    int mosse, salvata;
    bool scritta;
  };
  for (Caso c : {Caso{1, 0, true}, Caso{0, 0, false}, Caso{2, 1, false}}) {
    NuovaPosizione(FenIniziale);
    InizializzaInfoPartita();
    Cavalli(c.mosse);
    PartitaSalvata = c.salvata;
    SalvaAllaChiusura();
    EXPECT_EQ(fs::exists(NomePartita), c.scritta) << c.mosse;
    fs::remove_all("pgn");
  }
  // A failure cannot be shown to anybody: nothing is asked.
  std::ofstream("pgn") << "in the way";
  NuovaPosizione(FenIniziale);
  Cavalli(1);
  PartitaSalvata = 0;
  fake.dialogs.clear();
  SalvaAllaChiusura();
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_TRUE(fs::exists(FileReport));
}

}  // namespace
