#include "record/utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"

namespace {

struct Utf8Test : ::testing::Test {
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
  }
  void TearDown() override { platform::install(nullptr); }

  std::string converti(const std::string& s) {
    std::string out(s.size() + 1, '\x7F');
    ConvertiUtf8InAscii(s.c_str(), out.data());
    return std::string(out.c_str());
  }
};

TEST_F(Utf8Test, SequenceTestsLookAtLeadAndContinuationBytes) {
  EXPECT_TRUE(utf8_is_continuation(0x80));
  EXPECT_TRUE(utf8_is_continuation(0xBF));
  EXPECT_FALSE(utf8_is_continuation(0xC0));
  EXPECT_FALSE(utf8_is_continuation('a'));
  EXPECT_TRUE(utf8_is_single_byte("a"));
  EXPECT_FALSE(utf8_is_single_byte("é"));
  EXPECT_TRUE(utf8_is_double_byte("é"));
  EXPECT_FALSE(utf8_is_double_byte("€"));
  EXPECT_TRUE(utf8_is_triple_byte("€"));
  EXPECT_TRUE(utf8_is_quadruple_byte("\xF0\x9F\x98\x80"));
  // Cut short by the end of the text: not a sequence, and nothing read past the NUL.
  EXPECT_FALSE(utf8_is_double_byte("\xC3"));
  EXPECT_FALSE(utf8_is_triple_byte("\xE2\x82"));
  EXPECT_FALSE(utf8_is_quadruple_byte("\xF0\x9F\x98"));
}

TEST_F(Utf8Test, TableIsCodePage1252WithTheUnassignedCodesAsThemselves) {
  EXPECT_STREQ(ExAsciiChar[0], "€");
  EXPECT_STREQ(ExAsciiChar[0x8A - 128], "Š");
  EXPECT_STREQ(ExAsciiChar[0x99 - 128], "™");
  EXPECT_STREQ(ExAsciiChar[105], "é");
  EXPECT_STREQ(ExAsciiChar[127], "ÿ");
  EXPECT_STREQ(ExAsciiChar[0xA0 - 128], "\u00A0");
  for (int code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const unsigned char expect[] = {0xC2, static_cast<unsigned char>(code), 0};
    EXPECT_STREQ(ExAsciiChar[code - 128], reinterpret_cast<const char*>(expect)) << code;
  }
  // Every entry is one well-formed character, and each maps back to its code.
  for (int i = 0; i < 128; ++i) {
    const char* e = ExAsciiChar[i];
    int len = static_cast<int>(std::strlen(e));
    ASSERT_TRUE((len == 2 && utf8_is_double_byte(e)) || (len == 3 && utf8_is_triple_byte(e))) << i;
    EXPECT_EQ(AsciiEsteso(e, len), 128 + i) << i;
  }
  EXPECT_EQ(AsciiEsteso("д", 2), 0);
  EXPECT_EQ(AsciiEsteso("é", 3), 0);  // length must match too
}

TEST_F(Utf8Test, ConversionOfAccentsEuroAndForeignLetters) {
  EXPECT_EQ(converti("Perché"), "Perch\xE9");
  EXPECT_EQ(converti("€"), "\x80");
  EXPECT_EQ(converti("Peón, año, città"), "Pe\xF3n, a\xF1o, citt\xE0");
  // A letter the code page lacks must not cut the sentence short.
  EXPECT_EQ(converti("a дb \xF0\x9F\x98\x80 end"), "a ?b ? end");
  EXPECT_TRUE(fake.dialogs.empty());
}

TEST_F(Utf8Test, InvalidByteIsReportedOnceAndSkipped) {
  EXPECT_EQ(converti("ab\x80"
                     "cd"),
            "abcd");
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].text, " Carattere con piu di 4 byte in ConvertiUtf8InAscii");
  EXPECT_EQ(fake.dialogs[0].style, MB_ICONINFORMATION);
  fake.dialogs.clear();
  // A lead byte whose sequence is cut short: only the lead byte is dropped.
  EXPECT_EQ(converti("x\xC3y\xF8z"), "xyz");
  EXPECT_EQ(fake.dialogs.size(), 2u);
  fake.dialogs.clear();
  EXPECT_EQ(converti("tail \xE2\x82"), "tail ");
  EXPECT_EQ(fake.dialogs.size(), 2u);
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
