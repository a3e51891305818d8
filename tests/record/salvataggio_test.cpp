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

std::vector<std::string> Rinominati;

struct SalvataggioTest : AmbienteRegistro {
  void TearDown() override {
    ProvaPrimaDelRinomino = nullptr;
    AmbienteRegistro::TearDown();
  }
  static std::vector<std::string> FileDellaPartita() {
    return {PercorsoListaMosse(), NomePartita, PercorsoScriptHtml(), FileReport};
  }
  // Saves with the failure warnings armed again; the dialogs it showed.
  std::vector<std::string> Salva(int esito) {
    fake.dialogs.clear();
    PartitaSalvata = 1;
    RipetiAvvisiDiScrittura();
    EXPECT_EQ(SalvaPartita(), esito);
    EXPECT_EQ(PartitaSalvata, esito);
    std::vector<std::string> testi;
    for (const auto& d : fake.dialogs) testi.push_back(d.text);
    return testi;
  }
};

TEST_F(SalvataggioTest, MissingFoldersAreCreatedAndEveryFileHoldsItsTextInItsOrder) {
  fs::remove_all("pgn");
  fs::remove_all("log");
  GiocaTutte({"e4", "e5"});
  Rinominati.clear();
  ProvaPrimaDelRinomino = [](const std::string& t) { Rinominati.push_back(t); };
  EXPECT_TRUE(Salva(1).empty());
  EXPECT_EQ(LeggiFile(NomePartita), TestoPartitaPgn("\n"));
  EXPECT_EQ(LeggiFile(PercorsoListaMosse()), TestoListaMosse());
  EXPECT_EQ(LeggiFile(PercorsoScriptHtml()), TestoScriptHtml());
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
  ASSERT_EQ(Rinominati.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Rinominati[i].rfind(FileDellaPartita()[i], 0), 0u);
  int n = 0;  // and no temporary file is left
  for (auto& voce : fs::recursive_directory_iterator(".")) n += voce.is_regular_file();
  EXPECT_EQ(n, 4);
}

TEST_F(SalvataggioTest, AFileThatCannotBeWrittenIsNamedAndTheGameStaysUnsaved) {
  GiocaTutte({"d4"});
  const char* inizio[3] = {"Non ho potuto scrivere il file ", "Unable to write the file ",
                           "No pude escribir el archivo "};
  const char* fine[3] = {"La partita non è salvata.", "The game is not saved.",
                         "La partida no está guardada."};
  for (int f = 0; f < 4; ++f) {
    const int l = f % 3;
    ParametroIni[inilang].valore = l;
    const std::vector<std::string> file = FileDellaPartita();  // by language
    fs::remove_all(file[f]);
    fs::create_directories(file[f]);  // a folder in the way cannot be replaced
    const auto testi = Salva(0);
    ASSERT_EQ(testi.size(), 1u) << file[f];
    EXPECT_EQ(testi[0].rfind(inizio[l] + file[f] + ": ", 0), 0u) << testi[0];
    EXPECT_NE(testi[0].find(fine[l]), std::string::npos) << testi[0];
    for (int g = 0; g < 4; ++g)  // the other files were written all the same
      EXPECT_TRUE(g == f || fs::is_regular_file(file[g])) << file[g];
    fs::remove_all(file[f]);
  }
  Salva(1);
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
    const auto testi = Salva(0);
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_NE(testi[0].find(std::string(NomePartita) + motivi[l]), std::string::npos) << testi[0];
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
