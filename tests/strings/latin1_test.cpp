// Latin-1 case maps and accent removal.
#include "strings/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

// Accent replacements of bytes 192-255, one character each.
constexpr char kAccentRow[] = "AAAAAAECEEEEIIIIDNOOOOOxOUUUUY**aaaaaaeceeeeiiiionooooo*ouuuuy*y";

int Byte(char c) {
  return static_cast<unsigned char>(c);
}

TEST(Latin1Test, CaseMapsOfEveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const bool no_partner = b == 215 || b == 223 || b == 247 || b == 255;
    int upper = b;
    if ((b >= 'a' && b <= 'z') || (b >= 224 && !no_partner)) upper = b - 32;
    int lower = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 192 && b <= 222 && !no_partner)) lower = b + 32;
    EXPECT_EQ(Byte(UpperLatin1(static_cast<char>(b))), upper);
    EXPECT_EQ(Byte(LowerLatin1(static_cast<char>(b))), lower);
  }
}

TEST(Latin1Test, AccentRemovalOfEveryByte) {
  static_assert(sizeof(kAccentRow) == 65);
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    int expected = b;
    if (b >= 127) expected = '*';
    if (b >= 192) expected = Byte(kAccentRow[b - 192]);
    EXPECT_EQ(Byte(RemoveAccent(static_cast<char>(b))), expected);
  }
}

TEST(Latin1Test, WholeTexts) {
  struct Case {
    const char* name;
    std::string input;
    std::string upper;
    std::string lower;
    std::string plain;
  };
  const Case cases[] = {
      {"empty", "", "", "", ""},
      {"accented word", "\xE9lan", "\xC9LAN", "\xE9lan", "elan"},
      {"ligature and cedilla",
       "\xC6r\xF8 \xC7"
       "a",
       "\xC6R\xD8 \xC7"
       "A",
       "\xE6r\xF8 \xE7"
       "a",
       "Ero Ca"},
      {"no-break space",
       "a\xA0"
       "b",
       "A\xA0"
       "B",
       "a\xA0"
       "b",
       "a*b"},
      {"sharp s keeps its case",
       "Stra\xDF"
       "e",
       "STRA\xDF"
       "E",
       "stra\xDF"
       "e",
       "Stra*e"},
      {"signs keep their meaning",
       "2\xD7"
       "3\xF7"
       "4",
       "2\xD7"
       "3\xF7"
       "4",
       "2\xD7"
       "3\xF7"
       "4",
       "2x3*4"},
      {"y diaeresis", "\xFF", "\xFF", "\xFF", "y"},
      {"DEL and controls", "\x7F\t\x01", "\x7F\t\x01", "\x7F\t\x01", "*\t\x01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string upper = c.input;
    UpperCaseLatin1(upper);
    EXPECT_EQ(upper, c.upper);
    std::string lower = c.input;
    LowerCaseLatin1(lower);
    EXPECT_EQ(lower, c.lower);
    std::string plain = c.input;
    RemoveAccents(plain);
    EXPECT_EQ(plain, c.plain);
  }
}

TEST(Latin1Test, BufferFormsStayInsideTheirLength) {
  char buffer[] = "\xE9\xE9\xE9\xE9";
  RemoveAccents(buffer, 2);
  EXPECT_STREQ(buffer, "ee\xE9\xE9");
  UpperCaseLatin1(buffer + 2, 1);
  EXPECT_STREQ(buffer, "ee\xC9\xE9");
  LowerCaseLatin1(buffer + 2, 1);
  EXPECT_STREQ(buffer, "ee\xE9\xE9");
}

TEST(Latin1Test, NulBytesInsideAStringAreMappedLikeAnyOther) {
  std::string text("\xE9\0\xE9", 3);
  RemoveAccents(text);
  EXPECT_EQ(text, std::string("e\0e", 3));
}

}  // namespace
}  // namespace vt
