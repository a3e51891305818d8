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
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_EQ(testo, Fixture("default_en.ini"));
  // The lines quoted as examples of the layout.
  EXPECT_EQ(testo.rfind("\nclock mode. Default 1. Values allowed: min 0, max 5.\n\t0=\tA recursive "
                        "period.\n",
                        0),
            0u);
  for (const char* riga : {
           "\n$\tClockMode\t1\nduration in minutes of First period. Default 120. Values "
           "allowed: min 1, max 720.\n$\tP1T\t120\n",
           "\nfirst alarm. Default 60 minutes left. Values allowed: min 0, max 720.\n",
           "\nauto refresh of the time . Default on. Values allowed: min 0, max 1.\n\t0\t=\toff.\n",
           "\nlanguage . Default english. Values allowed: min 0, max 2.\n\t0 = italiano;\n",
           "\nminimum line length . Default 8 plies. Values allowed: min 1, max 100.\n",
       })
    EXPECT_NE(testo.find(riga), std::string::npos) << riga;
  EXPECT_TRUE(testo.ends_with("\n\n@ BookToConsult\tbook\n@ BookToBild\tmy_book\n"));
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(FileIniTest, MissingFileGivesDefaultsAndANewFile) {
  ParametroIni[iniP1T].valore = 7;
  LeggiIni();
  EXPECT_EQ(Testi(), std::vector<std::string>{"Vantorel.ini not found.\nloading default values."});
  EXPECT_EQ(ParametroIni[iniP1T].valore, 120);
  EXPECT_EQ(LeggiTesto(NomeFileIni), Fixture("default_en.ini"));
}

TEST_F(FileIniTest, TheDefaultFileReadsBackSilently) {
  Scrivi(Fixture("default_en.ini"));
  LeggiIni();
  EXPECT_TRUE(fake.dialogs.empty());
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

TEST_F(FileIniTest, AFileWithWindowsLineEndsReadsTheSame) {
  Scrivi(Fixture("crlf_line_ends.ini"));
  LeggiIni();
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(ParametroIni[iniP1T].valore, 75);
  EXPECT_STREQ(LibroDaConsultare, "book");  // no carriage return kept in the names
  EXPECT_STREQ(LibroDaCostruire, "my_book");
}

TEST_F(FileIniTest, OutOfRangeValueIsReportedAndKeepsTheDefault) {
  Scrivi(Fixture("p1t_out_of_range.ini"));
  LeggiIni();
  EXPECT_EQ(Testi(), std::vector<std::string>{"Error found in vantorel.ini: - invalid parameter "
                                              "for.\nduration in minutes of First period"});
  EXPECT_EQ(ParametroIni[iniP1T].valore, 120);
}

TEST_F(FileIniTest, MissingNumberIsAnInvalidValue) {
  Scrivi(Fixture("missing_number.ini"));
  LeggiIni();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_NE(fake.dialogs[0].text.find("duration in minutes of First period"), std::string::npos);
  EXPECT_EQ(ParametroIni[iniP1T].valore, 120);
  EXPECT_EQ(ParametroIni[iniP1I].valore, 0);  // the text after it is read as before
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

TEST_F(FileIniTest, ABadBookNameKeepsBothDefaultNames) {
  Scrivi(Fixture("bad_book_name.ini"));
  LeggiIni();
  EXPECT_EQ(Testi(), std::vector<std::string>{
                         "Error found in vantorel.ini: - invalid parameter for.\nbook to build"});
  EXPECT_STREQ(LibroDaConsultare, "book");
  EXPECT_STREQ(LibroDaCostruire, "my_book");
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

TEST_F(FileIniTest, ANulInABookNameIsReportedAndTheDefaultsStay) {
  Scrivi(Fixture("nul_in_book_name.ini"));
  LeggiIni();
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_STREQ(LibroDaConsultare, "book");
  EXPECT_STREQ(LibroDaCostruire, "my_book");
}

TEST_F(FileIniTest, AnEmptyBookNameKeepsItsDefaultAndDoesNotSwallowTheNextLine) {
  Scrivi(Fixture("empty_book_name.ini"));
  LeggiIni();
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_STREQ(LibroDaConsultare, "book");
  EXPECT_STREQ(LibroDaCostruire, "my_book");
}

TEST_F(FileIniTest, AKeyGivenTwiceTakesTheLastValidValue) {
  Scrivi(Fixture("default_en.ini") + "$ P1T 30\n$ P1T 45\n$ P1T 900\n");
  LeggiIni();
  EXPECT_EQ(ParametroIni[iniP1T].valore, 45);
  EXPECT_EQ(fake.dialogs.size(), 1u);  // for 900
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

TEST_F(FileIniTest, ItalianCommentsAreInItalian) {
  ParametroIni[inilang].valore = 0;
  ScriviIni();
  const std::string testo = LeggiTesto(NomeFileIni);
  EXPECT_NE(testo.find("\nincremento in secondi nel Secondo periodo. Predefinito 0. Valori "
                       "ammessi: min 0, max 600.\n"),
            std::string::npos);
  EXPECT_NE(testo.find("\nprimo allarme. Predefinito 60 minuti rimasti."), std::string::npos);
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

TEST(EtichettaParametroIni, LabelsAndAllowedValues) {
  platform::FakeBackend fake;
  platform::install(&fake);
  DefaultIni();
  EXPECT_STREQ(EtichettaParametroIni(5), "increment in seconds in the Second period");
  EXPECT_STREQ(EtichettaParametroIni(9), "number of moves to complete in the Third period");
  EXPECT_STREQ(EtichettaParametroIni(10), "duration in minutes of Fourth period");
  EXPECT_STREQ(EtichettaParametroIni(16), "fifth alarm");
  EXPECT_STREQ(EtichettaParametroIni(25), "minimum elo rating ");
  EXPECT_STREQ(ValoriAmmessiParametroIni(inia1), " Values allowed: min 0, max 720.");
  EXPECT_STREQ(ValoriAmmessiParametroIni(iniMDV),
               " Values allowed: min 0, max 2.\n\t0=\tminimum description.\n\t1=\tmedium "
               "description.\n\t2=\tlong description.");
  ParametroIni[inilang].valore = 2;
  EXPECT_STREQ(EtichettaParametroIni(1), "duración en minutos del Primer período");
  DefaultIni();
  platform::install(nullptr);
}

}  // namespace
