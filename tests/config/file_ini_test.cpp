#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/scrittura_atomica.h"
#include "tests/support/ambiente_finto.h"

namespace {

namespace fs = std::filesystem;
using V = std::vector<std::string>;

std::string Fixture(const char* nome) {
  return LeggiFile(fs::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/ini" / nome);
}

void Scrivi(const std::string& testo) { std::ofstream(NomeFileIni, std::ios::binary) << testo; }

struct FileIniTest : AmbienteFinto {
  V Testi() const {
    V t;
    for (auto& d : fake.dialogs) t.push_back(d.text);
    return t;
  }
};

const V kNonScrivibile = {
    "Vantorel.ini cannot be written.\nThe settings last only until the program is closed."};

// A bad value or book name is reported and keeps its default; the rest is read.
TEST_F(FileIniTest, ReadingQuirks) {
  const std::string errore = "Error found in vantorel.ini: - invalid parameter for.\n";
  const std::string p1t = errore + "duration in minutes of First period";
  const struct {
    const char* file;
    const char* aggiunta;
    V dialoghi;
    int p1t;
  } casi[] = {
      {nullptr, "", {"Vantorel.ini not found.\nloading default values."}, 120},
      {"default_en.ini", "", {}, 120},
      {"crlf_line_ends.ini", "", {}, 75},  // no carriage return kept in the book names
      {"p1t_out_of_range.ini", "", {p1t}, 120},
      {"missing_number.ini", "", {p1t}, 120},
      {"bad_book_name.ini", "", {errore + "book to build"}, 120},
      {"nul_in_book_name.ini", "", {errore + "book to consult"}, 120},
      {"empty_book_name.ini", "", {}, 120},  // and the next line is not swallowed
      {"default_en.ini", "$ P1T 30\n$ P1T 45\n$ P1T 900\n", {p1t}, 45},  // the last valid value
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.file ? c.file : "no file");
    DefaultIni();
    ParametroIni[iniP1T].valore = 7;
    ParametroIni[iniP1I].valore = 9;
    fake.dialogs.clear();
    fs::remove(NomeFileIni);
    if (c.file) Scrivi(Fixture(c.file) + c.aggiunta);
    LeggiIni();
    EXPECT_EQ(Testi(), c.dialoghi);
    EXPECT_EQ(ParametroIni[iniP1T].valore, c.p1t);
    EXPECT_EQ(ParametroIni[iniP1I].valore, 0);
    EXPECT_STREQ(LibroDaConsultare, "book");
    EXPECT_STREQ(LibroDaCostruire, "my_book");
    // A missing file is written out with the defaults, and nothing is left beside it.
    if (!c.file) {
      EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
      EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1);
    }
  }
}

TEST_F(FileIniTest, OnlyTheLanguageGivenReportsMissingKeysInThatLanguage) {
  Scrivi(Fixture("only_lang_spanish.ini"));
  LeggiIni();
  EXPECT_EQ(lang(), 2);
  EXPECT_EQ(fake.language, 2);
  EXPECT_EQ(Testi(), V{"Faltan algunos parámetros en vantorel.ini.\ncargando los valores "
                       "predeterminados."});
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_NE(testo.find("$\tlang\t2\n"), std::string::npos);
  EXPECT_NE(testo.find("idioma . Predeterminado english. Valores permitidos: min 0, max 2.\n"),
            std::string::npos);
  EXPECT_TRUE(
      testo.ends_with("$\tMinEloRating\t0\n\n@ BookToConsult\tbook\n@ BookToBild\tmy_book\n"));
}

TEST_F(FileIniTest, UnknownKeysDiscardTheWholeFile) {
  for (const char* quirk : {"wrong_case_key.ini", "unknown_book_key.ini"}) {
    SCOPED_TRACE(quirk);
    fake.dialogs.clear();
    DefaultIni();
    std::string testo = Fixture(quirk);
    // A change made before the unknown key must not survive either.
    testo.replace(testo.find("$\tlang\t1"), 8, "$\tlang\t0");
    Scrivi(testo);
    LeggiIni();
    // The message is in the language read so far.
    EXPECT_EQ(Testi(), V{"'vantorel.ini' non leggibile.\nCaricamento dei valori predefiniti."});
    EXPECT_EQ(lang(), 1);
    EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
  }
}

TEST_F(FileIniTest, BookNames) {
  const struct {
    std::string nome;
    int ok;
  } casi[] = {{"my-book_2.x", 1},
              {"", 0},
              {"bo\x01ok", 0},
              {"book\t", 0},
              {std::string(127, 'a'), 1},
              {std::string(128, 'a'), 0}};
  for (const auto& c : casi)
    EXPECT_EQ(ControllaNomeLibroInIni("x", c.nome.c_str()), c.ok) << c.nome;
  for (char c : std::string(" |/\\~\"#%&^*:!?<>{}"))
    EXPECT_EQ(ControllaNomeLibroInIni("x", (std::string("a") + c + "b").c_str()), 0) << c;
  EXPECT_EQ(fake.dialogs.size(), 22u);
}

TEST_F(FileIniTest, EveryLanguageRoundTrips) {
  for (int l = 0; l < 3; ++l) {
    DefaultIni();
    for (int i = 0; i < NumeroParametriIni; ++i)
      ParametroIni[i].valore = ParametroIni[i].massimo - (i % 2);  // away from the defaults
    ParametroIni[inilang].valore = l;
    std::snprintf(LibroDaConsultare, sizeof LibroDaConsultare, "lib%d", l);
    ASSERT_EQ(ScriviIni(), 1);
    LeggiIni();
    EXPECT_TRUE(fake.dialogs.empty()) << l;
    for (int i = 0; i < NumeroParametriIni; ++i) {
      int atteso = i == inilang ? l : ParametroIni[i].massimo - (i % 2);
      EXPECT_EQ(ParametroIni[i].valore, atteso) << l << " " << ParametroIni[i].nome;
    }
    EXPECT_EQ(std::string(LibroDaConsultare), "lib" + std::to_string(l));
  }
}

// Each failing step of the write is the write-fault tests' business; here: reported once.
TEST_F(FileIniTest, AnUnwritableFileIsReportedOnceAndTheOldFileStays) {
  Scrivi(Fixture("default_en.ini"));
  OperazioniScrittura.apri = [](const char*, const char*) -> std::FILE* {
    errno = EACCES;
    return nullptr;
  };
  ParametroIni[iniP1T].valore = 5;
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(ScriviIni(), 0);
  OperazioniScrittura = OperazioniReali;
  EXPECT_EQ(Testi(), kNonScrivibile);
  EXPECT_EQ(LeggiFile(NomeFileIni), Fixture("default_en.ini"));
}

TEST_F(FileIniTest, AReadOnlyFileIsLeftAsItIs) {
  ASSERT_EQ(ScriviIni(), 1);
  const std::string prima = LeggiFile(NomeFileIni);
  fs::permissions(NomeFileIni,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ParametroIni[iniP1T].valore = 5;
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(Testi(), kNonScrivibile);
  EXPECT_EQ(LeggiFile(NomeFileIni), prima);
  EXPECT_EQ(fs::status(NomeFileIni).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(FileIniTest, ALinkIsWrittenThroughToItsTarget) {
  fs::create_directory("altrove");
  std::ofstream("altrove/impostazioni.ini", std::ios::binary) << Fixture("default_en.ini");
  std::error_code e;
  fs::create_symlink("altrove/impostazioni.ini", NomeFileIni, e);
  if (e) GTEST_SKIP() << "no symbolic links here: " << e.message();
  ParametroIni[iniP1T].valore = 5;
  EXPECT_EQ(ScriviIni(), 1);
  EXPECT_TRUE(fs::is_symlink(NomeFileIni));
  EXPECT_NE(LeggiFile("altrove/impostazioni.ini").find("$\tP1T\t5\n"), std::string::npos);
  EXPECT_TRUE(fake.dialogs.empty());
}

}  // namespace
