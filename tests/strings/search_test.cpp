// Case-insensitive search and comparison, and the suffix probe.
#include "strings/search.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

TEST(FindTextTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string searched;
    std::size_t expected;
  };
  const Case cases[] = {
      {"empty text", "", "a", kNone},
      {"empty searched", "abc", "", 0},
      {"both empty", "", "", 0},
      {"start", "<TR><td>", "<tr", 0},
      {"middle, case folded", "one <Tr> two", "<tR>", 4},
      {"first of two", "xAbAb", "ab", 1},
      {"at the end", "abcXYZ", "xyz", 3},
      {"longer than text", "ab", "abc", kNone},
      {"partial at the end", "abcab", "abd", kNone},
      {"accents are not folded", "\xE9t\xE9", "\xC9T\xC9", kNone},
      {"accents match exactly", "caf\xE9!", "F\xE9", 2},
      {"digits", "a12b12", "12B", 1},
      {"punctuation first", "x.y.Z", ".z", 3},
      {"bytes over 127", "\x80\x81\x82", "\x81\x82", 1},
      {"NUL inside", std::string("a\0b", 3), std::string("\0B", 2), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindText(c.text, c.searched), c.expected);
  }
}

TEST(FindTextTest, EveryByteFoldsOnlyAsciiLetters) {
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const std::string text(1, static_cast<char>(b));
    for (int s = 1; s < 256; ++s) {
      const bool same_letter = (b | 32) == (s | 32) && (b | 32) >= 'a' && (b | 32) <= 'z';
      const bool match = b == s || same_letter;
      const std::string searched(1, static_cast<char>(s));
      ASSERT_EQ(FindText(text, searched), match ? 0 : kNone) << "searched byte " << s;
    }
  }
}

TEST(FindTextTest, LooksNoFurtherThanTheLimit) {
  std::string text(kFindTextLimit, 'a');
  text += "b";
  EXPECT_EQ(FindText(text, "b"), kNone);
  text[kFindTextLimit - 1] = 'B';
  EXPECT_EQ(FindText(text, "b"), kFindTextLimit - 1);
}

TEST(SameTextNTest, Table) {
  struct Case {
    const char* name;
    std::string a;
    std::string b;
    std::size_t n;
    int sign;
  };
  const Case cases[] = {
      {"equal ignoring case", "Smith", "SMITH", 5, 0},
      {"prefix only", "Smithson", "smithers", 5, 0},
      {"below", "abc", "abd", 3, -1},
      {"above", "abd", "ABC", 3, 1},
      {"count zero", "x", "y", 0, 0},
      {"shorter text sorts first", "ab", "abc", 3, -1},
      {"both shorter than n", "ab", "AB", 10, 0},
      {"empty against text", "", "a", 1, -1},
      {"after upper-casing", "_", "a", 1, 1},
      {"bytes over 127 sort high", "\xE9", "z", 1, 1},
      {"accents not folded", "\xE9", "\xC9", 1, 1},
      {"equal past the limit", std::string(255, 'a') + "x", std::string(255, 'A') + "y", 300, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int result = SameTextN(c.a, c.b, c.n);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
  }
}

TEST(EndsWithPatternTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string pattern;
    std::size_t expected;
  };
  const Case cases[] = {
      {"code at the end", "A9A 9A9", " 9A9", 3},
      {"first occurrence not at the end", "99 99", "99", 0},
      {"text is the pattern", "99", "99", 0},
      {"not found", "A9A", "9A9", 0},
      {"exact bytes only", "A9a", "9A", 0},
      {"empty text", "", "9", 0},
      {"empty pattern", "abc", "", 0},
      {"pattern longer than the text", "9", " 99", 0},
      {"ends in the pattern's last byte only", " 9999", " 99999", 0},
      {"at the end after an overlapping start", "A99 99 99", "99 99", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EndsWithPattern(c.text, c.pattern), c.expected);
  }
}

}  // namespace
}  // namespace vt
