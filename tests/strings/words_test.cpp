// Word scanners, last words, splitting and joining.
#include "strings/words.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsWordByte(int b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 128;
}

// Each scanner, over every byte: does it step over that byte?
TEST(ScannerTest, EveryByte) {
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const std::string text(1, static_cast<char>(b));
    const bool word = IsWordByte(b);
    const bool letter = word && !(b >= '0' && b <= '9');
    EXPECT_EQ(SkipToWord(text, 0), (word || b == '_') ? 0u : 1u);
    EXPECT_EQ(SkipToLetter(text, 0), letter ? 0u : 1u);
    EXPECT_EQ(SkipBlanks(text, 0), b == ' ' ? 1u : 0u);
    EXPECT_EQ(SkipWord(text, 0), (word || b == '\'' || b == '_') ? 1u : 0u);
    EXPECT_EQ(SkipHyphenWord(text, 0), (word || b == '\'' || b == '-') ? 1u : 0u);
    const bool in_last_word = word || b == '-' || b == '\'';
    EXPECT_EQ(LastWord(text), in_last_word ? 0u : 1u);
    EXPECT_EQ(LastWordDotted(text), (in_last_word || b == '.') ? 0u : 1u);
  }
}

TEST(ScannerTest, StopsAndEnds) {
  const std::string text = ",; O'Neil_x-y";
  EXPECT_EQ(SkipToWord(text, 0), 3u);
  EXPECT_EQ(SkipWord(text, 3), 11u);
  EXPECT_EQ(SkipHyphenWord(text, 3), 9u);
  EXPECT_EQ(SkipToLetter("12ab", 0), 2u);
  EXPECT_EQ(SkipBlanks("  \tx", 0), 2u);
  // At or past the end every scanner returns its argument.
  for (std::size_t pos : {text.size(), text.size() + 3}) {
    EXPECT_EQ(SkipToWord(text, pos), pos);
    EXPECT_EQ(SkipToLetter(text, pos), pos);
    EXPECT_EQ(SkipBlanks(text, pos), pos);
    EXPECT_EQ(SkipWord(text, pos), pos);
    EXPECT_EQ(SkipHyphenWord(text, pos), pos);
  }
  EXPECT_EQ(SkipToWord("", 0), 0u);
}

TEST(LastWordTest, Table) {
  struct Case {
    const char* text;
    std::size_t last;
    std::size_t dotted;
  };
  const Case cases[] = {
      {"", 0, 0},         {"Smith-Jones", 0, 0},     {"Main St.", 8, 5},
      {"St.Louis", 3, 0}, {"100 Main Street", 9, 9}, {"O'Hara ", 7, 7},
      {"a,b", 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LastWord(c.text), c.last);
    EXPECT_EQ(LastWordDotted(c.text), c.dotted);
  }
}

TEST(SplitWordsTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string first, second, rest;
    std::string hyphen_first, hyphen_second, hyphen_rest;
  };
  const Case cases[] = {
      {"empty", "", "", "", "", "", "", ""},
      {"one word", "One", "One", "", "", "One", "", ""},
      {"leading separator", " John Smith", "", "John", "Smith", "", "John", "Smith"},
      {"hyphenated", "Jean-Paul de la Cruz", "Jean", "Paul", "de la Cruz", "Jean-Paul", "de",
       "la Cruz"},
      // A hyphen word ends at "_", and "_" opens the next word, whose hyphen run is empty.
      {"underscore", "a_b c_d", "a_b", "c_d", "", "a", "", "_b c_d"},
      {"rest unchanged", "12.5 pm,  later ", "12", "5", "pm,  later ", "12", "5", "pm,  later "},
      {"apostrophes", "O'Brien's dog", "O'Brien's", "dog", "", "O'Brien's", "dog", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string first = "x", second = "x", rest = "x";
    SplitWords(c.text, first, second, rest);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
    EXPECT_EQ(rest, c.rest);
    SplitHyphenWords(c.text, first, second, rest);
    EXPECT_EQ(first, c.hyphen_first);
    EXPECT_EQ(second, c.hyphen_second);
    EXPECT_EQ(rest, c.hyphen_rest);
    // The views cut where the copies do.
    const WordViews views = SplitWordViews(c.text);
    EXPECT_EQ(views.first, c.first);
    EXPECT_EQ(views.second, c.second);
    EXPECT_EQ(views.rest, c.rest);
    const WordViews hyphen_views = SplitHyphenWordViews(c.text);
    EXPECT_EQ(hyphen_views.first, c.hyphen_first);
    EXPECT_EQ(hyphen_views.second, c.hyphen_second);
    EXPECT_EQ(hyphen_views.rest, c.hyphen_rest);
  }
}

TEST(SplitWordsTest, SourceMayBeAnOutput) {
  std::string first, second, rest = "Anne Marie de la Cruz";
  SplitWords(rest, first, second, rest);
  EXPECT_EQ(first, "Anne");
  EXPECT_EQ(second, "Marie");
  EXPECT_EQ(rest, "de la Cruz");
  SplitWords(rest, first, second, rest);
  EXPECT_EQ(first, "de");
  EXPECT_EQ(second, "la");
  EXPECT_EQ(rest, "Cruz");
  first = "one two three";
  SplitHyphenWords(first, first, second, rest);
  EXPECT_EQ(first, "one");
  EXPECT_EQ(second, "two");
  EXPECT_EQ(rest, "three");
}

TEST(SplitLastWordTest, Table) {
  struct Case {
    const char* text;
    std::string before_last;
    std::size_t before_last_at;
    std::string third_last;
    std::size_t third_last_at;
  };
  const Case cases[] = {
      {"", "", kNone, "", kNone},
      {"Street", "", kNone, "", kNone},
      {"100 Main Street", "Main", 4, "100", 0},
      {"Mary De La Cruz", "La", 8, "De", 5},
      {"De Cruz", "De", 0, "", kNone},
      {"Main St.", "St", 5, "Main", 0},  // the empty last word is cut off
      {"12 Elm St, Apt 4", "Apt", 11, "St", 7},
      {"- y", "", 0, "", kNone},  // nothing left after the trim
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string word = "stale";
    EXPECT_EQ(SplitLastWord(c.text, word), c.before_last_at);
    EXPECT_EQ(word, c.before_last);
    word = "stale";
    EXPECT_EQ(SplitSecondLastWord(c.text, word), c.third_last_at);
    EXPECT_EQ(word, c.third_last);
  }
}

TEST(SplitLastWordTest, LooksOnlyAtTheFirst255Characters) {
  std::string text(250, 'a');
  text += " bcd efgh";  // 259 characters: the copy ends at "bcd ef"
  std::string word;
  EXPECT_EQ(SplitLastWord(text, word), 251u);
  EXPECT_EQ(word, "bcd");
}

TEST(JoinWordsTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"punctuation and blanks", "  O'Brien,  Jr. ", "O'Brien Jr"},
      {"hyphen separates", "a-b", "a b"},
      {"leading apostrophe dropped", "'tis", "tis"},
      {"underscore opens a word", "__x", "__x"},
      {"TABs separate", "a\t\tb", "a b"},
      {"separators only", " -.,' ", ""},
      {"high bytes are word characters", "\xE9t\xE9!\xA0", "\xE9t\xE9 \xA0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    JoinWords(text);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(JoinWordsTest, KeepsNoMoreThanItsLimit) {
  std::string text(kJoinWordsLimit - 2, 'a');
  text += " bc";  // limit + 1: the copy ends at " b"
  JoinWords(text);
  EXPECT_EQ(text.size(), kJoinWordsLimit);
  EXPECT_EQ(text.substr(text.size() - 3), "a b");
}

}  // namespace
}  // namespace vt
