#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/scrittura_atomica.h"
#include "tests/support/ambiente_finto.h"
#include "ui/ciclo.h"

namespace {

std::string Fixture(const char* nome) {
  return LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/ini" / nome);
}

void Scrivi(const std::string& testo) { std::ofstream(NomeFileIni, std::ios::binary) << testo; }

int Righe(const std::string& testo, const std::string& prefisso) {
  int n = 0;
  std::istringstream s(testo);
  for (std::string r; std::getline(s, r);) n += r.rfind(prefisso, 0) == 0;
  return n;
}

struct FileIniTest : AmbienteFinto {
  std::vector<std::string> Testi() const {
    std::vector<std::string> t;
    for (auto& d : fake.dialogs) t.push_back(d.text);
    return t;
  }
};

TEST_F(FileIniTest, TheEnglishDefaultFileIsLaidOutExactly) {
  ASSERT_EQ(ScriviIni(), 1);
  EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

// A bad value or book name is reported and keeps its default; the rest is read.
TEST_F(FileIniTest, ReadingQuirks) {
  const std::string errore = "Error found in vantorel.ini: - invalid parameter for.\n";
  const struct {
    const char* file;
    const char* aggiunta;
    std::vector<std::string> dialoghi;
    int p1t, p1i;
  } casi[] = {
      {nullptr, "", {"Vantorel.ini not found.\nloading default values."}, 120, 0},
      {"default_en.ini", "", {}, 120, 0},
      {"crlf_line_ends.ini", "", {}, 75, 0},  // no carriage return kept in the book names
      {"p1t_out_of_range.ini", "", {errore + "duration in minutes of First period"}, 120, 0},
      {"missing_number.ini", "", {errore + "duration in minutes of First period"}, 120, 0},
      {"bad_book_name.ini", "", {errore + "book to build"}, 120, 0},
      {"nul_in_book_name.ini", "", {errore + "book to consult"}, 120, 0},
      {"empty_book_name.ini", "", {}, 120, 0},  // and the next line is not swallowed
      {"default_en.ini", "$ P1T 30\n$ P1T 45\n$ P1T 900\n",  // the last valid value
       {errore + "duration in minutes of First period"}, 45, 0},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.file ? c.file : "no file");
    DefaultIni();
    ParametroIni[iniP1T].valore = 7;
    ParametroIni[iniP1I].valore = 9;
    fake.dialogs.clear();
    std::filesystem::remove(NomeFileIni);
    if (c.file) Scrivi(Fixture(c.file) + c.aggiunta);
    LeggiIni();
    EXPECT_EQ(Testi(), c.dialoghi);
    EXPECT_EQ(ParametroIni[iniP1T].valore, c.p1t);
    EXPECT_EQ(ParametroIni[iniP1I].valore, c.p1i);
    EXPECT_STREQ(LibroDaConsultare, "book");
    EXPECT_STREQ(LibroDaCostruire, "my_book");
    if (!c.file) {
      EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
    }
  }
  Scrivi(Fixture("default_en.ini"));
  LeggiIni();
  for (const auto& p : ParametroIni) EXPECT_EQ(p.valore, p.predefinito) << p.nome;
}

TEST_F(FileIniTest, OnlyTheLanguageGivenReportsMissingKeysInThatLanguage) {
  Scrivi(Fixture("only_lang_spanish.ini"));
  LeggiIni();
  EXPECT_EQ(lang(), 2);
  EXPECT_EQ(fake.language, 2);
  EXPECT_EQ(Testi(), std::vector<std::string>{
                         "Faltan algunos parámetros en vantorel.ini.\ncargando los valores "
                         "predeterminados."});
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_EQ(Righe(testo, "$\t"), 26);
  EXPECT_NE(testo.find("$\tlang\t2\n"), std::string::npos);
  EXPECT_NE(testo.find("idioma . Predeterminado english. Valores permitidos: min 0, max 2.\n"),
            std::string::npos);
  EXPECT_TRUE(testo.ends_with("@ BookToConsult\tbook\n@ BookToBild\tmy_book\n"));
}

TEST_F(FileIniTest, UnknownKeysDiscardTheWholeFile) {
  for (const char* quirk : {"wrong_case_key.ini", "unknown_book_key.ini"}) {
    fake.dialogs.clear();
    DefaultIni();
    std::string testo = Fixture(quirk);
    // A change made before the unknown key must not survive either.
    testo.replace(testo.find("$\tlang\t1"), 8, "$\tlang\t0");
    Scrivi(testo);
    LeggiIni();
    ASSERT_EQ(fake.dialogs.size(), 1u) << quirk;
    // The message is in the language read so far.
    EXPECT_EQ(fake.dialogs[0].text,
              "'vantorel.ini' non leggibile.\nCaricamento dei valori predefiniti.");
    EXPECT_EQ(ParametroIni[iniP1T].valore, 120) << quirk;
    EXPECT_EQ(lang(), 1);
    EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini")) << quirk;
  }
}

TEST_F(FileIniTest, BookNamesAreCheckedForEveryForbiddenCharacter) {
  for (char c : std::string(" |/\\~\"#%&^*:!?<>{}")) {
    fake.dialogs.clear();
    std::string nome = std::string("a") + c + "b";
    EXPECT_EQ(ControllaNomeLibroInIni("book to consult", nome.c_str()), 0) << nome;
    EXPECT_EQ(fake.dialogs.size(), 1u);
  }
  // No name, or control characters, name no file.
  for (const char* nome : {"", "bo\x01ok", "book\t"})
    EXPECT_EQ(ControllaNomeLibroInIni("book to consult", nome), 0) << nome;
  EXPECT_EQ(ControllaNomeLibroInIni("book to consult", "my-book_2.x"), 1);
  // Longer than the field holds.
  EXPECT_EQ(ControllaNomeLibroInIni("book to consult", std::string(128, 'a').c_str()), 0);
  EXPECT_EQ(ControllaNomeLibroInIni("book to consult", std::string(127, 'a').c_str()), 1);
}

TEST_F(FileIniTest, EveryLanguageRoundTrips) {
  for (int l = 0; l < 3; ++l) {
    DefaultIni();
    for (int i = 0; i < NumeroParametriIni; ++i) {
      auto& p = ParametroIni[i];
      p.valore = p.massimo - (i % 2);  // away from the defaults
    }
    ParametroIni[inilang].valore = l;
    std::snprintf(LibroDaConsultare, sizeof LibroDaConsultare, "lib%d", l);
    std::snprintf(LibroDaCostruire, sizeof LibroDaCostruire, "costr_%d", l);
    ASSERT_EQ(ScriviIni(), 1);
    LeggiIni();
    EXPECT_TRUE(fake.dialogs.empty()) << l;
    for (int i = 0; i < NumeroParametriIni; ++i) {
      int atteso = i == inilang ? l : ParametroIni[i].massimo - (i % 2);
      EXPECT_EQ(ParametroIni[i].valore, atteso) << l << " " << ParametroIni[i].nome;
    }
    EXPECT_EQ(std::string(LibroDaConsultare), "lib" + std::to_string(l));
    EXPECT_EQ(std::string(LibroDaCostruire), "costr_" + std::to_string(l));
  }
}

TEST_F(FileIniTest, AnUnwritableFileIsReportedOnceAndTheOldFileStays) {
  Scrivi(Fixture("default_en.ini"));
  // The temporary file cannot be created.
  OperazioniScrittura.apri = [](const char*, const char*) -> std::FILE* {
    errno = EACCES;
    return nullptr;
  };
  ParametroIni[iniP1T].valore = 5;
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(Testi(), std::vector<std::string>{"Vantorel.ini cannot be written.\nThe settings "
                                              "last only until the program is closed."});
  EXPECT_EQ(LeggiFile(NomeFileIni), Fixture("default_en.ini"));
  // Once writing works again, a later failure is reported again.
  OperazioniScrittura = OperazioniReali;
  EXPECT_EQ(ScriviIni(), 1);
  EXPECT_NE(LeggiTesto(NomeFileIni).find("$\tP1T\t5\n"), std::string::npos);
  std::filesystem::remove(NomeFileIni);
  std::filesystem::create_directory(NomeFileIni);  // the rename now fails
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(fake.dialogs.size(), 2u);
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(FileIniTest, AReadOnlyFileIsLeftAsItIs) {
  namespace fs = std::filesystem;
  ASSERT_EQ(ScriviIni(), 1);
  const std::string prima = LeggiFile(NomeFileIni);
  fs::permissions(NomeFileIni, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ParametroIni[iniP1T].valore = 5;
  EXPECT_EQ(ScriviIni(), 0);
  EXPECT_EQ(Testi(), std::vector<std::string>{"Vantorel.ini cannot be written.\nThe settings "
                                              "last only until the program is closed."});
  EXPECT_EQ(LeggiFile(NomeFileIni), prima);
  EXPECT_EQ(fs::status(NomeFileIni).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(FileIniTest, ALinkIsWrittenThroughToItsTarget) {
  namespace fs = std::filesystem;
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

TEST_F(FileIniTest, StartUpInAnEmptyDirectoryWritesTheDefaultFile) {
  inizializza();
  EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
  ASSERT_FALSE(fake.dialogs.empty());
  EXPECT_EQ(fake.dialogs[0].text, "Vantorel.ini not found.\nloading default values.");
}

// Start-up rewrites an old file with the current comments, keeping its values.
TEST_F(FileIniTest, StartUpRewritesAnOldFileWithCurrentComments) {
  Scrivi("$ lang 0\n");
  inizializza();
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_NE(testo.find("\nlingua . Predefinito english."), std::string::npos);
  EXPECT_NE(testo.find("\n$\tlang\t0\n"), std::string::npos);
}

}  // namespace
