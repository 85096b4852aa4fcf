// Replace-all, trailing trims, blank collapsing, control-byte removal and TAB marks.
#include "strings/edit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vt {
namespace {

// The plain form of the rule: copy, search from the current point, append, cut at the
// limit. The in-place version must give the same bytes.
std::string ReferenceReplaceAll(const std::string& text, const std::string& searched,
                                const std::string& replacement) {
  auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
  const std::string work = text.substr(0, kReplaceAllTextLimit);
  std::string result;
  std::size_t point = 0;
  bool found = false;
  while (!searched.empty() && point + searched.size() <= work.size()) {
    std::size_t at = point;
    for (; at + searched.size() <= work.size(); ++at) {
      std::size_t i = 0;
      while (i < searched.size() && fold(work[at + i]) == fold(searched[i])) ++i;
      if (i == searched.size()) break;
    }
    if (at + searched.size() > work.size()) break;
    found = true;
    result += work.substr(point, at - point) + replacement;
    point = at + searched.size();
  }
  if (!found) return text;
  result += work.substr(point);
  return result.substr(0, kReplaceAllTextLimit);
}

TEST(ReplaceAllTextTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string searched;
    std::string replacement;
    std::string expected;
  };
  const Case cases[] = {
      {"case ignored", "mr & mrs Smith", "Mr & Mrs", "Mr-Mrs", "Mr-Mrs Smith"},
      {"replacement holds the searched text", "a&b&c", "&", "&amp;", "a&amp;b&amp;c"},
      {"no occurrence", "abc", "x", "yy", "abc"},
      {"empty text", "", "x", "y", ""},
      {"empty searched changes nothing", "abc", "", "y", "abc"},
      {"shrinks", "a--b--c", "--", "-", "a-b-c"},
      {"to nothing", "xAxAx", "a", "", "xxx"},
      {"same length", "\x07one\x07two\x07", "\x07", "\r", "\rone\rtwo\r"},
      {"grows at both ends", "\x07mid\x07", "\x07", "\r\n", "\r\nmid\r\n"},
      {"left to right without overlap", "aaaaa", "aa", "b", "bba"},
      {"whole text", "Abc", "aBC", "x", "x"},
      {"bytes over 127 exact", "\xE9\xC9", "\xC9", "E",
       "\xE9"
       "E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    ReplaceAllText(text, c.searched, c.replacement);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(text, ReferenceReplaceAll(c.text, c.searched, c.replacement));
  }
}

TEST(ReplaceAllTextTest, NeverGrowsPastTheLimit) {
  std::string text(kReplaceAllTextLimit, '&');
  ReplaceAllText(text, "&", "&amp;");
  ASSERT_EQ(text.size(), kReplaceAllTextLimit);
  EXPECT_EQ(text.substr(0, 10), "&amp;&amp;");
  EXPECT_EQ(text.substr(text.size() - 2), "&a");

  std::string at_limit(kReplaceAllTextLimit - 1, 'x');
  at_limit += "y";
  ReplaceAllText(at_limit, "Y", "zz");
  EXPECT_EQ(at_limit.size(), kReplaceAllTextLimit);
  EXPECT_EQ(at_limit.back(), 'z');
}

TEST(ReplaceAllTextTest, SearchesOnlyUpToTheLimit) {
  std::string beyond(kReplaceAllTextLimit, 'x');
  beyond += "y";  // limit + 1: the occurrence lies past the searched part
  const std::string before = beyond;
  ReplaceAllText(beyond, "y", "z");
  EXPECT_EQ(beyond, before);

  std::string longer(kReplaceAllTextLimit + 1, 'x');
  longer[0] = 'y';
  ReplaceAllText(longer, "y", "z");
  EXPECT_EQ(longer.size(), kReplaceAllTextLimit);
  EXPECT_EQ(longer[0], 'z');
}

TEST(ReplaceAllTextTest, AgreesWithThePlainRuleOnRandomTexts) {
  std::mt19937 random(20240611);
  const std::string alphabet = "aAbB&-\x07\xE9";
  auto make = [&](std::size_t max_length) {
    std::string s(random() % (max_length + 1), ' ');
    for (char& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 5000; ++round) {
    const std::string text = make(40);
    std::string searched = make(3);
    if (searched.empty()) searched = "a";
    const std::string replacement = make(6);
    std::string result = text;
    ReplaceAllText(result, searched, replacement);
    ASSERT_EQ(result, ReferenceReplaceAll(text, searched, replacement))
        << "text '" << text << "' searched '" << searched << "' replacement '" << replacement
        << "'";
  }
}

TEST(TrimTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string trailing;
    std::string dots_trimmed;
  };
  const Case cases[] = {
      {"empty", "", "", ""},
      {"punctuation", "Smith Jr.,", "Smith Jr", "Smith Jr.,"},
      {"separators only", "---", "", "---"},
      {"apostrophe and underscore", "O'_ '", "O", "O'_ '"},
      {"high byte is a word character", "Jos\xE9 ", "Jos\xE9", "Jos\xE9 "},
      {"full stops", "A...", "A", "A"},
      {"only the character", "...", "", ""},
      {"TAB and CR", "x\t\r", "x", "x\t\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    TrimTrailing(text);
    EXPECT_EQ(text, c.trailing);
    text = c.text;
    TrimTrailingChar(text, '.');
    EXPECT_EQ(text, c.dots_trimmed);
  }
}

TEST(CollapseBlanksTest, Table) {
  struct Case {
    const char* name;
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"inner runs", "a  b   c", "a b c"},
      {"runs at the ends stay as one blank", "   a b  ", " a b "},
      {"only blanks", "    ", " "},
      {"TABs untouched", "a\t\tb \t c", "a\t\tb \t c"},
      {"single blanks kept", " a b ", " a b "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    CollapseBlanks(text);
    EXPECT_EQ(text, c.expected);
  }
}

// Blank pairs are looked for eight bytes at a time: a pair at every offset of a block, and
// random texts, against the byte-by-byte rule.
TEST(CollapseBlanksTest, AgreesWithTheRuleByteByByte) {
  auto by_rule = [](const std::string& text) {
    std::string out;
    for (char c : text) {
      if (c == ' ' && !out.empty() && out.back() == ' ') continue;
      out.push_back(c);
    }
    return out;
  };
  std::vector<std::string> texts;
  for (std::size_t at = 0; at < 20; ++at) {
    texts.push_back(std::string(at, 'x') + "  " + std::string(20 - at, 'y'));
    texts.push_back(std::string(at, ' ') + "a" + std::string(at, ' '));
  }
  std::mt19937 rng(7);
  constexpr std::string_view kBytes = " 	 a  `à";
  for (int i = 0; i < 2000; ++i) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, 40)(rng), ' ');
    for (char& c : text) c = kBytes[std::uniform_int_distribution<std::size_t>(0, 7)(rng)];
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    std::string collapsed = text;
    CollapseBlanks(collapsed);
    ASSERT_EQ(collapsed, by_rule(text)) << "[" << text << "]";
  }
}

TEST(RemoveControlCharsTest, EveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    std::string text{'A', static_cast<char>(b), 'B'};
    RemoveControlChars(text);
    if (b < 32 || b >= 128) {
      EXPECT_EQ(text, "AB");
    } else {
      EXPECT_EQ(text, (std::string{'A', static_cast<char>(b), 'B'}));
    }
  }
}

TEST(RemoveControlCharsTest, ClosesUpRuns) {
  std::string text = "\r\n\tJos\xE9\t\t\r\n";
  RemoveControlChars(text);
  EXPECT_EQ(text, "Jos");
  std::string empty;
  RemoveControlChars(empty);
  EXPECT_EQ(empty, "");
}

TEST(MarkTabsTest, EveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    std::string text(1, static_cast<char>(b));
    MarkTabs(text);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), b == '\t' ? 128 : b);
  }
}

}  // namespace
}  // namespace vt
