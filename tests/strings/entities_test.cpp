// Character entities: the table of replacements, candidates and the limits of the text.
#include "strings/entities.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(EntitiesTest, Replacements) {
  const struct {
    const char* input;
    std::string expected;
  } rows[] = {
      {"Tom &amp; Jerry", "Tom & Jerry"},
      {"AT&T &lt;x&gt;", "AT&T <x>"},
      {"&lt;&gt;&quot;&apos;&nbsp;", "<>\"' "},
      {"&AMP;", "*@*"},
      {"&copy;", "*@*"},
      {"&#65;", "A"},
      {"&#x41;", "A"},
      {"&#233;", "\xE9"},
      {"&#8217;", "&#8217;"},
      {"&#0;x", " x"},
      {"&#x00;", " "},
      {"&#256;", " "},
      {"&#;", "*@*"},
      {"&#x;", "*@*"},
      {"&amp;lt;", "&lt;"},
      {"&;", "*@*"},
      {"a & b;", "a *@*"},
      {"a & bcdef;", "a & bcdef;"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    std::string text = row.input;
    DecodeEntities(text);
    EXPECT_EQ(text, row.expected);
  }
}

TEST(EntitiesTest, TheTextNeverGrowsPastItsLimit) {
  for (const std::size_t limit : {kDecodedLimit, kDecodeWorkLimit}) {
    std::string grown(limit, ';');
    for (std::size_t i = 0; i < grown.size(); i += 2) grown[i] = '&';
    DecodeEntities(grown, limit);
    EXPECT_EQ(grown.size(), limit) << "\"&;\" grows to \"*@*\"; the text is cut";
  }
}

}  // namespace
}  // namespace vt
