// Tagged input without a window: tag fields in line and whole-page modes, e-mail and URL
// patterns, web-form pairs and HTML table rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/html_table.h"
#include "input/tag_fields.h"
#include "input/web_form.h"
#include "input/web_patterns.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

struct Tag {
  std::string text;
  std::int16_t occurrence = 1;
};

void SetPage(InputTables& in, const std::vector<std::string>& lines, const std::vector<Tag>& tags) {
  in.InputFieldValues.resize(InputTables::kMaxFields + 1);
  in.InputFieldNames.resize(InputTables::kMaxFields + 1);
  in.PageLineCount = static_cast<std::int32_t>(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    in.PageLines[i + 1] = lines[i];
    in.PageText += lines[i] + " ";
  }
  for (std::size_t i = 0; i < tags.size(); ++i) {
    CopyText(in.TagTexts[i + 1], tags[i].text);
    in.TagOccurrences[i + 1] = tags[i].occurrence;
  }
  in.TagCount = static_cast<std::int32_t>(tags.size());
}

TEST(TagFieldsTest, ValuesByModeOccurrenceAndLineBelow) {
  const std::vector<std::string> page = {"Invoice: 17", "Name: Ann", "Total: 5", "x",
                                         "Name: Bob",   "Due:",      "tomorrow"};
  const struct {
    const char* name;
    std::vector<Tag> tags;
    bool whole_page;
    std::vector<std::string> values;
    std::vector<std::string> names;
  } rows[] = {
      {"line mode, rest of the line",
       {{"Name: "}, {"Invoice: "}},
       false,
       {"Ann", "17"},
       {"Name: ", "Invoice: "}},
      {"occurrence counted across lines", {{"Name: ", 2}}, false, {"Bob"}, {"Name: [2]"}},
      {"line below", {{"Due:", -1}}, false, {"tomorrow"}, {"Due:[B]"}},
      {"line below at occurrence 2", {{"Name: ", -2}}, false, {"Due:"}, {"Name: [-2][B]"}},
      {"line below on the last line keeps its own rest",
       {{"tomorrow", -1}},
       false,
       {""},
       {"tomorrow[B]"}},
      {"whole page runs over line ends, cut at the next tag",
       {{"Invoice: "}, {"Total: "}},
       true,
       {"17 Name: Ann ", "5 x Name: Bob Due: tomorrow "},
       {"Invoice: ", "Total: "}},
      {"whole page cuts at every tag",
       {{"Invoice: "}, {"Name: "}},
       true,
       {"17 ", "Ann Total: 5 x "},
       {"Invoice: ", "Name: "}},
      {"whole page has no line below", {{"Due:", -1}}, true, {""}, {"Due:[B]"}},
      {"a tag not found stays empty", {{"Fax: "}}, false, {""}, {"Fax: "}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    InputTables in;
    SetPage(in, page, row.tags);
    ASSERT_EQ(CutTagFields(in, row.whole_page, 0), static_cast<int>(row.values.size()));
    for (std::size_t f = 0; f < row.values.size(); ++f) {
      EXPECT_EQ(in.InputFieldValues[f + 1], row.values[f]);
      EXPECT_EQ(in.InputFieldNames[f + 1], row.names[f]);
    }
  }
}

TEST(TagFieldsTest, FoundPlaceControlCharactersAndTheFirstEmptyTag) {
  InputTables in;
  SetPage(in, {"a", "  Name:\tAnn"}, {{"Name:"}, {""}, {"a"}});
  EXPECT_EQ(CutTagFields(in, false, 1), 1) << "the tags end at the first empty one";
  EXPECT_EQ(in.InputFieldValues[1], " Ann");
  EXPECT_EQ(in.TagFoundLine, 2);
  EXPECT_EQ(in.TagFoundColumn, 3);
}

TEST(TagFieldsTest, OccurrenceAsTyped) {
  const struct {
    const char* text;
    bool below;
    std::int16_t expected;
  } rows[] = {{"2", false, 2},  {"3x", false, 3}, {"", false, 1},          {"0", false, 1},
              {"-4", false, 1}, {"+5", true, -5}, {"99999", false, 32767}, {"70000", true, -32767}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseOccurrence(row.text, row.below), row.expected);
  }
}

TEST(WebPatternsTest, EmailAndUrlRuns) {
  const struct {
    const char* text;
    const char* email;
    const char* url;
  } rows[] = {
      {"write to ann.lee@mail.example.com today", "ann.lee@mail.example.com", ""},
      {"a@b.c", "", ""},
      {"ab@c.de", "ab@c.de", ""},
      {"see http://x.org/a_b~c?q=1 now", "", "http://x.org/a_b~c"},
      {"ftp://ab", "", "ftp://ab"},
      {"x://ab", "", ""},
      {"caf\xE9@mail.com", "@mail.com", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ExtractEmail(row.text), row.email);
    EXPECT_EQ(ExtractUrl(row.text), row.url);
  }
}

TEST(WebPatternsTest, FourDistinctEntriesAndARepeatEndsThePass) {
  InputTables in;
  SetPage(in, {"ann@ex.com bob@ex.com", "ANN@EX.COM cy@ex.com", "http://a.org http://b.org"}, {});
  FindWebPatterns(in, false);
  EXPECT_EQ(in.WebEmails, (std::array<std::string, 4>{"ann@ex.com", "bob@ex.com", "", ""}))
      << "the repeat ends the pass on its line";
  EXPECT_EQ(in.WebUrls, (std::array<std::string, 4>{"http://a.org", "http://b.org", "", ""}));
  FindWebPatterns(in, true);
  EXPECT_EQ(in.WebEmails, (std::array<std::string, 4>{"ann@ex.com", "bob@ex.com", "", ""}));

  in.PageText = "x@" + std::string(300, 'a') + ".com";
  FindWebPatterns(in, true);
  EXPECT_EQ(in.WebEmails[0].size(), 255u) << "an entry holds 255 characters";
}

TEST(WebFormTest, PairsIntoFieldsNamedOnce) {
  InputTables in;
  SetPage(in, {}, {});
  const struct {
    const char* record;
    bool add_names;
    std::vector<std::string> names;
    std::vector<std::string> values;
  } rows[] = {
      {"first=John+Smith&city=New%20York", true, {"first", "city"}, {"John Smith", "New York"}},
      {"CITY=x&a=b=c", true, {"first", "city", "a"}, {"", "x", "b=c"}},
      {"a=%0A%41%4&=y&junk&new=1", false, {"first", "city", "a"}, {"", "", " A%4"}},
      {"", true, {"first", "city", "a"}, {"", "", ""}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.record);
    in.InputLine = row.record;
    EXPECT_EQ(CutWebForm(in, row.add_names), static_cast<int>(row.names.size()));
    for (std::size_t f = 0; f < row.names.size(); ++f) {
      EXPECT_EQ(in.InputFieldNames[f + 1], row.names[f]);
      EXPECT_EQ(in.InputFieldValues[f + 1], row.values[f]);
    }
  }
  in.InputLine.clear();
  for (int i = 0; i < 120; ++i) in.InputLine += "n" + std::to_string(i) + "=v&";
  EXPECT_EQ(CutWebForm(in, true), 99) << "99 names at most";
}

TEST(HtmlTableTest, FirstRowCellsAsTextAndUrl) {
  InputTables in;
  SetPage(in, {}, {});
  in.PageText =
      "<table><TR><td><a href=\"http://x.org/p?q=1\">Tom &amp; Jerry</a></td>\n"
      "<TD>  two\tcells </TD><td>&#65;&lt;</td></tr><tr><td>next row</td></tr>";
  ASSERT_EQ(CutHtmlRow(in), 6);
  EXPECT_EQ(in.TagCount, 6);
  const std::vector<std::string> names = {"TEXT[1]", "URL[1]",  "TEXT[2]",
                                          "URL[2]",  "TEXT[3]", "URL[3]"};
  const std::vector<std::string> values = {
      "Tom & Jerry ", "http://x.org/p", " two cells ", "", "A<", ""};
  for (std::size_t f = 0; f < names.size(); ++f) {
    EXPECT_EQ(in.InputFieldNames[f + 1], names[f]);
    EXPECT_EQ(in.InputFieldValues[f + 1], values[f]);
  }

  in.PageText = "<tr><td>only one</td></tr>";
  ASSERT_EQ(CutHtmlRow(in), 2);
  EXPECT_EQ(in.InputFieldValues[3], "") << "a shorter row keeps none of the last row's values";

  in.PageText = "<tr>";
  for (int i = 0; i < 31; ++i) in.PageText += "<td>" + std::to_string(i);
  EXPECT_EQ(CutHtmlRow(in), 60);

  in.PageText = "<tr><th>heading</th></tr>";
  EXPECT_EQ(CutHtmlRow(in), 0);
  EXPECT_EQ(in.TagCount, 60) << "a row without cells leaves the count";
  EXPECT_EQ(in.InputFieldValues[1], "");
}

}  // namespace
}  // namespace vt
