// Digit filters, number probes and code patterns.
#include "strings/digits.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

TEST(CodePatternTest, EveryByte) {
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    std::string pattern;
    CodePattern(std::string(1, static_cast<char>(b)), pattern);
    char expected = static_cast<char>(b);
    if (b >= '0' && b <= '9') expected = '9';
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 128) expected = 'A';
    EXPECT_EQ(pattern, std::string(1, expected));
  }
}

TEST(CodePatternTest, Texts) {
  std::string pattern = "left over";
  CodePattern("K1A 0B1", pattern);
  EXPECT_EQ(pattern, "A9A 9A9");
  CodePattern("", pattern);
  EXPECT_EQ(pattern, "");
  pattern = "90210-12x";
  CodePattern(pattern, pattern);  // in place
  EXPECT_EQ(pattern, "99999-99A");
}

TEST(DigitsTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string digits_only;
    std::string cut_at_non_digit;
  };
  const Case cases[] = {
      {"empty", "", "", ""},
      {"phone", "(613) 555-0199", "6135550199", ""},
      {"leading digits", "123abc45", "12345", "123"},
      {"no digits", "abc", "", ""},
      {"high bytes are not digits",
       "1\xB2"
       "3",
       "13", "1"},
      {"all digits", "0042", "0042", "0042"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string digits = "stale";
    DigitsOnly(c.text, digits);
    EXPECT_EQ(digits, c.digits_only);
    std::string cut = c.text;
    CutAtNonDigit(cut);
    EXPECT_EQ(cut, c.cut_at_non_digit);
  }
}

TEST(DigitsTest, DigitsOnlyInPlace) {
  std::string text = "a1b2c3";
  DigitsOnly(text, text);
  EXPECT_EQ(text, "123");
}

TEST(IsEvenNumberTest, Table) {
  struct Case {
    const char* text;
    bool even;
  };
  const Case cases[] = {
      {"", true},
      {"-4", true},
      {"-3", false},
      {"abc", true},
      {" 12", true},
      {"7 apples", false},
      {"+9", false},
      {"\t\n 8", true},
      {"--3", true},   // a second sign: no number
      {"- 3", true},   // a blank after the sign: no number
      {"12a3", true},  // the run ends at the letter
      {"3.0", false},
      // Far past any integer type: only the last digit of the run counts.
      {"123456789012345678901234567890123457", false},
      {"99999999999999999999999999999999999999998", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsEvenNumber(c.text), c.even);
  }
}

TEST(LooksNumericTest, Table) {
  struct Case {
    const char* text;
    bool numeric;
  };
  const Case cases[] = {
      {"", false},    {"1", true},   {"A", false},   {"12A", true}, {"1A", true},    {"1.5", false},
      {"A12", false}, {"123", true}, {"1-2", false}, {"12-", true}, {"\xB9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LooksNumeric(c.text), c.numeric);
  }
}

}  // namespace
}  // namespace vt
