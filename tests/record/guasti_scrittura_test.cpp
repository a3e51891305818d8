// Saving the game's files; every step of every save failing in turn, and a full
// disk: the user hears why, the old file stays whole, nothing temporary is left,
// and the next save after the fault works.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "config/ini.h"
#include "record/pgn.h"
#include "record/salvataggio.h"
#include "record/script_html.h"
#include "record/scrittura_atomica.h"
#include "tests/book/libro_prova.h"
#include "tests/record/ambiente_registro.h"

namespace {

namespace fs = std::filesystem;
using namespace libro_prova;

// The real file operations, with the n-th call from now (0 first) failing
// with errno errore; n = -1 fails none and only counts the calls.
struct Guasto {
  static inline int n = -1, chiamate = 0, errore = 0;
  static bool Tocca() { return chiamate++ == n; }
  static int Errore() {
    errno = errore;
    return 0;
  }
  static OperazioniFile Operazioni() {
    return {
        [](const char* nome, const char* modo) {
          return Tocca() ? (Errore(), nullptr) : OperazioniReali.apri(nome, modo);
        },
        [](const void* d, std::size_t k, std::FILE* f) {
          if (!Tocca()) return OperazioniReali.scrivi(d, k, f);
          // The disk filled up halfway through.
          const std::size_t meta = OperazioniReali.scrivi(d, k / 2, f);
          Errore();
          return meta;
        },
        [](std::FILE* f) { return Tocca() ? (Errore(), EOF) : OperazioniReali.svuota(f); },
        [](std::FILE* f) { return Tocca() ? Errore() != 0 : OperazioniReali.su_disco(f); },
        [](std::FILE* f) {
          const bool guasto = Tocca();
          const int esito = OperazioniReali.chiudi(f);
          return guasto ? (Errore(), EOF) : esito;
        },
        [](const std::string& da, const std::string& a) {
          return Tocca() ? Errore() != 0 : OperazioniReali.sostituisci(da, a);
        },
    };
  }
};

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
}

// A file that cannot be written is reported once, whether the log is written for an event or
// the game is saved automatically, and the game goes on; once there is room both are written.
TEST_F(SalvataggioTest, TheSameFailureIsReportedOnce) {
  fs::remove_all("pgn");
  fs::remove_all("log");
  std::ofstream("pgn") << "in the way";
  std::ofstream("log") << "in the way";
  ParametroIni[iniautosave].valore = 1;
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text.rfind("Unable to write the file " + std::string(FileReport), 0),
            0u);
  InserisciNuovoRecord(recOrologioFermato, nullptr);
  SalvaOSegnaNonSalvata();  // only the game's file is news
  SalvaOSegnaNonSalvata();
  ASSERT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(fake.dialogs[1].text.rfind("Unable to write the file " + std::string(NomePartita), 0),
            0u);
  EXPECT_EQ(PartitaSalvata, 0);
  fs::remove("pgn");
  fs::remove("log");
  SalvaOSegnaNonSalvata();
  EXPECT_EQ(PartitaSalvata, 1);
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
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

const int kErrori[2] = {ENOSPC, EACCES};
// The reasons of kErrori, by language.
const char* const kMotivi[2][3] = {{"il disco è pieno", "the disk is full", "el disco está lleno"},
                                   {"accesso negato", "permission denied", "permiso denegado"}};

struct GuastiDiScrittura : AmbienteRegistro {
  void SetUp() override {
    AmbienteRegistro::SetUp();
    Ripara();
    OperazioniScrittura = Guasto::Operazioni();
  }
  void TearDown() override {
    OperazioniScrittura = OperazioniReali;
    CostruttoreLibro.libro.clear();
    CostruttoreLibro.percorso_libro.clear();
    RipetiAvvisiDiScrittura();
    AmbienteRegistro::TearDown();
  }
  static void Fallisci(int n, int errore) {
    Guasto::n = n;
    Guasto::chiamate = 0;
    Guasto::errore = errore;
  }
  static void Ripara() { Fallisci(-1, 0); }
  // How many file operations a write makes when nothing fails.
  template <class F>
  static int Operazioni(F scrivi) {
    Ripara();
    scrivi();
    return Guasto::chiamate;
  }
  // The files under the working directory with their bytes.
  static std::map<std::string, std::string> Disco() {
    std::map<std::string, std::string> file;
    for (auto& v : fs::recursive_directory_iterator("."))
      if (v.is_regular_file())
        file[v.path().lexically_relative(".").string()] = LeggiFile(v.path());
    return file;
  }
  void Lingua(int l) {
    ParametroIni[inilang].valore = l;
    fake.dialogs.clear();
  }
  static bool ScriviIniCon(int minuti) {
    ParametroIni[iniP1T].valore = minuti;
    return ScriviIni() == 1;
  }
  // The new book the builder writes.
  static void CostruisciLibro() {
    CostruttoreLibro.percorso_libro = "prova.vobf";
    CostruttoreLibro.libro = {{e4, 0, 0, 9}};
    FineCostruzioneLibro();
  }
};

// Languages and reasons take turns over the steps.
TEST_F(GuastiDiScrittura, EachStepOfTheGameSaveFailingKeepsThatFileOldAndTheGameUnsaved) {
  const char* inizio[3] = {"Non ho potuto scrivere il file ", "Unable to write the file ",
                           "No pude escribir el archivo "};
  const char* fine[3] = {"La partita non è salvata.", "The game is not saved.",
                         "La partida no está guardada."};
  GiocaTutte({"e4", "e5", "Nf3"});
  // Four files, each opened, written, flushed, synced, closed and renamed.
  const int passi = Operazioni([] { SalvaPartita(); });
  ASSERT_EQ(passi, 24);
  for (int n = 0; n < passi; ++n) {
    const int l = n % 3, e = n % 2;
    Lingua(l);
    const std::vector<std::string> file = {PercorsoListaMosse(), NomePartita, PercorsoScriptHtml(),
                                           FileReport};
    for (auto& v : fs::directory_iterator(".")) fs::remove_all(v.path());
    for (const auto& f : file) {
      if (fs::path(f).has_parent_path()) fs::create_directories(fs::path(f).parent_path());
      std::ofstream(f, std::ios::binary) << "old " << f;
    }
    RipetiAvvisiDiScrittura();
    PartitaSalvata = 1;
    Fallisci(n, kErrori[e]);
    EXPECT_EQ(SalvaPartita(), 0) << n;
    EXPECT_EQ(PartitaSalvata, 0) << n;
    const auto dopo_il_guasto = Disco();
    Ripara();
    ASSERT_EQ(SalvaPartita(), 1) << n;
    EXPECT_EQ(PartitaSalvata, 1);
    const auto salvati = Disco();
    EXPECT_EQ(salvati.size(), 4u) << n;
    // The failing file (the n / 6-th) is the old one whole; the others were written.
    ASSERT_EQ(dopo_il_guasto.size(), 4u) << n << ": a temporary file was left";
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(dopo_il_guasto.at(file[i]), i == n / 6 ? "old " + file[i] : salvati.at(file[i]))
          << n << " " << file[i];
    ASSERT_EQ(fake.dialogs.size(), 1u) << n;
    EXPECT_EQ(fake.dialogs[0].text,
              inizio[l] + file[n / 6] + ": " + kMotivi[e][l] + ".\n" + fine[l]);
  }
}

// Languages and reasons take turns over the six steps of a write.
TEST_F(GuastiDiScrittura, EachStepOfTheSettingsAndBookWritesFailingKeepsTheOldFile) {
  const char* ini[3] = {
      "Impossibile scrivere vantorel.ini.\nLe impostazioni valgono solo fino alla chiusura del "
      "programma.",
      "Vantorel.ini cannot be written.\nThe settings last only until the program is closed.",
      "No se puede escribir vantorel.ini.\nLa configuración vale solo hasta que se cierre el "
      "programa."};
  const char* libro[3] = {
      "Non è stato possibile scrivere il libro prova.vobf: il libro precedente è rimasto com'era.",
      "The book prova.vobf could not be written: the previous book is unchanged.",
      "No se pudo escribir el libro prova.vobf: el libro anterior no ha cambiado."};
  for (int n = 0; n < 6; ++n) {
    ASSERT_TRUE(ScriviIniCon(10));
    ASSERT_TRUE(ScriviLibro("prova.vobf", LibroPiccolo()));
    const auto prima = Disco();
    Lingua(n % 3);
    Fallisci(n, kErrori[n % 2]);
    EXPECT_FALSE(ScriviIniCon(33)) << n;
    Fallisci(n, kErrori[n % 2]);
    CostruisciLibro();
    EXPECT_EQ(Disco(), prima) << n;
    ASSERT_EQ(fake.dialogs.size(), 2u) << n;
    EXPECT_EQ(fake.dialogs[0].text, ini[n % 3]);
    EXPECT_EQ(fake.dialogs[1].text, libro[n % 3]);
    Ripara();
    ASSERT_TRUE(ScriviIniCon(33));
    CostruisciLibro();
    DefaultIni();
    LeggiIniInSilenzio();
    EXPECT_EQ(ParametroIni[iniP1T].valore, 33) << n;
    EXPECT_EQ(LeggiFile("prova.vobf"), Bytes({{e4, 0, 0, 9}})) << n;
  }
}

// Run by tests/integration/disco_pieno_test.sh with the scratch folders on a
// small file system of their own.
TEST_F(GuastiDiScrittura, OnAFullDiskEverySaveFailsWholeAndWorksOnceThereIsRoom) {
  if (!std::getenv("VANTOREL_DISCO_PICCOLO") || fs::space(".").capacity > (64u << 20))
    GTEST_SKIP() << "needs a small file system of its own";
  OperazioniScrittura = OperazioniReali;
  GiocaTutte({"d4", "d5"});
  ASSERT_EQ(SalvaPartita(), 1);
  ASSERT_EQ(ScriviIni(), 1);
  ASSERT_TRUE(ScriviLibro("prova.vobf", LibroPiccolo()));
  const auto prima = Disco();
  {
    std::ofstream riempitivo("riempitivo", std::ios::binary);
    const std::string blocco(4096, 'x');
    while (riempitivo.write(blocco.data(), blocco.size()).flush()) {
    }
  }
  Gioca("c4");
  ParametroIni[iniP1T].valore = 33;
  const std::vector<NodoLibro> nuovo = {{d4, 0, 0, 5}};
  Lingua(2);
  EXPECT_EQ(SalvaPartita(), 0);
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_FALSE(ScriviLibro("prova.vobf", nuovo));
  auto adesso = Disco();
  adesso.erase("riempitivo");
  EXPECT_EQ(adesso, prima);
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_NE(fake.dialogs[0].text.find(std::string(NomePartita) + ": el disco está lleno."),
            std::string::npos)
      << fake.dialogs[0].text;
  fs::remove("riempitivo");
  EXPECT_EQ(SalvaPartita(), 1);
  EXPECT_EQ(ScriviIni(), 1);
  EXPECT_TRUE(ScriviLibro("prova.vobf", nuovo));
  EXPECT_EQ(LeggiFile("prova.vobf"), Bytes(nuovo));
  EXPECT_NE(LeggiTesto(NomePartita).find("2. c4"), std::string::npos);
}

}  // namespace
