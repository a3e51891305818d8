#include "record/utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/ambiente_finto.h"

namespace {

struct Utf8Test : AmbienteFinto {
  // The conversion, and how many dialogs it showed.
  std::pair<std::string, std::size_t> Converti(const std::string& s) {
    std::string out(s.size() + 1, '\x7F');
    fake.dialogs.clear();
    ConvertiUtf8InAscii(s.c_str(), out.data());
    return {out.c_str(), fake.dialogs.size()};
  }
};

TEST_F(Utf8Test, TableIsCodePage1252WithTheUnassignedCodesAsThemselves) {
  const std::pair<int, const char*> casi[] = {
      {0x80, "€"}, {0x8A, "Š"}, {0x99, "™"}, {0xE9, "é"}, {0xFF, "ÿ"}, {0xA0, "\u00A0"},
      {0x81, "\xC2\x81"}, {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"},
      {0x9D, "\xC2\x9D"}};
  for (const auto& [codice, testo] : casi) EXPECT_STREQ(ExAsciiChar[codice - 128], testo);
  // Every entry is one well-formed character, and each maps back to its code.
  for (int i = 0; i < 128; ++i) {
    const char* e = ExAsciiChar[i];
    const int len = static_cast<int>(std::strlen(e));
    ASSERT_TRUE((len == 2 && utf8_is_double_byte(e)) || (len == 3 && utf8_is_triple_byte(e))) << i;
    EXPECT_EQ(AsciiEsteso(e, len), 128 + i) << i;
  }
  EXPECT_EQ(AsciiEsteso("д", 2), 0);
  EXPECT_EQ(AsciiEsteso("é", 3), 0);  // length must match too
}

TEST_F(Utf8Test, Conversion) {
  const struct {
    const char *testo, *atteso;
    std::size_t dialoghi;  // one for each invalid byte, which is skipped
  } casi[] = {
      {"Perché", "Perch\xE9", 0},
      {"€", "\x80", 0},
      {"Peón, año, città", "Pe\xF3n, a\xF1o, citt\xE0", 0},
      // A letter the code page lacks must not cut the sentence short.
      {"a дb \xF0\x9F\x98\x80 end", "a ?b ? end", 0},
      {"ab\x80" "cd", "abcd", 1},
      {"x\xC3y\xF8z", "xyz", 2},  // a cut-short sequence loses only its lead byte
      {"tail \xE2\x82", "tail ", 2},
      {"\xF0\x9F\x98", "", 3},  // nothing is read past the end of the text
  };
  for (const auto& c : casi) {
    EXPECT_EQ(Converti(c.testo), std::make_pair(std::string(c.atteso), c.dialoghi)) << c.testo;
  }
  Converti("\x80");
  EXPECT_EQ(fake.dialogs[0].text, " Carattere con piu di 4 byte in ConvertiUtf8InAscii");
  EXPECT_EQ(fake.dialogs[0].style, MB_ICONINFORMATION);
}

TEST_F(Utf8Test, BoundedConversionStopsAtACharacterBoundary) {
  char buf[5];
  std::memset(buf, 'x', sizeof buf);
  ConvertiUtf8InAscii("abcdéfgh", buf, sizeof buf);
  EXPECT_STREQ(buf, "abcd");
  ConvertiUtf8InAscii("abcdefgh", buf, 1);
  EXPECT_STREQ(buf, "");
}

}  // namespace
