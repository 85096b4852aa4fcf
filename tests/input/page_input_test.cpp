// Page-image input without a window: page breaks of every mode, the page store, geometry and the
// cut of a page record into header, footer and band fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "input/page_fields.h"
#include "input/page_image.h"
#include "input/readers/readers.h"

#include <memory>

namespace vt {
namespace {

using Pages = std::vector<std::vector<std::string>>;

class PageInputTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }

  // Opens `text` as the input, with pages of `form_length` lines.
  void Open(const std::string& text, int form_length = 99) {
    std::ofstream(path_, std::ios::binary) << text;
    in.InputFileName = path_;
    ASSERT_TRUE(in.InputTextStream.Open(path_));
    in.FormLength = form_length;
    RewindPages(in);
  }

  Pages ReadAll(const PageOptions& options) {
    Pages pages;
    while (ReadNextPage(in, options)) {
      std::vector<std::string>& page = pages.emplace_back();
      for (int i = 1; i <= in.PageLineCount; ++i) page.push_back(in.PageLines[i]);
      EXPECT_FALSE(page.empty()) << "page " << pages.size() << " holds no line";
      if (pages.size() > 100) break;
    }
    return pages;
  }

  InputTables in;

 private:
  std::string path_ =
      (std::filesystem::temp_directory_path() / ("vontrask-pages-" + std::to_string(::getpid())))
          .string();
};

PageOptions Mode(PageBreak mode, std::string tag = "Page", bool left = false,
                 bool skip_blanks = false) {
  return {.mode = mode,
          .tag = std::move(tag),
          .tag_at_left_only = left,
          .skip_blank_lines = skip_blanks};
}

TEST_F(PageInputTest, PageBreaksOfEveryMode) {
  const struct {
    const char* name;
    std::string text;
    PageOptions options;
    int form_length;
    Pages expected;
  } rows[] = {
      {"form feed opening the file",
       "\fabc\ndef\n",
       Mode(PageBreak::kFormFeed),
       99,
       {{"abc", "def"}}},
      {"form feed inside a line",
       "abc\fdef\nghi\n",
       Mode(PageBreak::kFormFeed),
       99,
       {{"abc"}, {"def", "ghi"}}},
      {"form feed opening a line",
       "a\nb\n\fc\nd\n",
       Mode(PageBreak::kFormFeed),
       99,
       {{"a", "b"}, {"c", "d"}}},
      {"form feed line pending at the end",
       "a\n\fb",
       Mode(PageBreak::kFormFeed),
       99,
       {{"a"}, {"b"}}},
      {"form feed after a full page",
       "a\nb\n\fc\n",
       Mode(PageBreak::kFormFeed),
       2,
       {{"a", "b"}, {"c"}}},
      {"fixed length",
       "a\nb\nc\nd\ne\n",
       Mode(PageBreak::kFixedLength),
       2,
       {{"a", "b"}, {"c", "d"}, {"e"}}},
      {"fixed length, no page after the last",
       "a\nb\nc\nd\n",
       Mode(PageBreak::kFixedLength),
       2,
       {{"a", "b"}, {"c", "d"}}},
      {"fixed length, form feed inside",
       "ab\fcd\ne\n",
       Mode(PageBreak::kFixedLength),
       5,
       {{"ab"}, {"cd", "e"}}},
      {"fixed length, short line keeps its form feed",
       "a\f\nb\n",
       Mode(PageBreak::kFixedLength),
       5,
       {{"a\f", "b"}}},
      {"tag anywhere",
       "junk\nPage 1\nx\n  Page 2\ny\n",
       Mode(PageBreak::kTagText),
       99,
       {{"Page 1", "x"}, {"  Page 2", "y"}}},
      {"tag at left only",
       "junk\nPage 1\nx\n  Page 2\ny\n",
       Mode(PageBreak::kTagText, "Page", true),
       99,
       {{"Page 1", "x", "  Page 2", "y"}}},
      {"tag on the last line",
       "P1\nx\nP2\n",
       Mode(PageBreak::kTagText, "P"),
       99,
       {{"P1", "x"}, {"P2"}}},
      {"tag case counts",
       "Page 1\npage 2\n",
       Mode(PageBreak::kTagText),
       99,
       {{"Page 1", "page 2"}}},
      {"empty tag: a page per line", "a\nb\n", Mode(PageBreak::kTagText, ""), 99, {{"a"}, {"b"}}},
      {"blank lines",
       "\n\na\nb\n\n \n  \nc\n",
       Mode(PageBreak::kBlankLines),
       99,
       {{"a", "b"}, {"c"}}},
      {"blank lines end in blanks", "a\n\n\n", Mode(PageBreak::kBlankLines), 99, {{"a"}}},
      {"blanks before a letter are no blank line",
       "a\n  x\n\tb\nc\n",
       Mode(PageBreak::kBlankLines),
       99,
       {{"a", "  x"}, {"c"}}},
      {"a form length above 99 reads 99",
       std::string(120, 'x').replace(0, 120, 120, '\n'),
       Mode(PageBreak::kFixedLength),
       1000,
       {std::vector<std::string>(99), std::vector<std::string>(21)}},
      {"skipped empty lines, the page's first kept",
       "\na\n\nb\n",
       Mode(PageBreak::kFixedLength, "", false, true),
       3,
       {{"", "a", "b"}}},
      {"a form length below 1 reads 1",
       "a\nb\n",
       Mode(PageBreak::kFixedLength),
       -5,
       {{"a"}, {"b"}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Open(row.text, row.form_length);
    EXPECT_EQ(ReadAll(row.options), row.expected);
    EXPECT_TRUE(PageInputAtEnd(in));
  }
}

TEST_F(PageInputTest, TagModeKeepsTheLinesPastTheFormLengthInThePageText) {
  Open("P1\na\nb\nc\nP2\nd\n", 2);
  const PageOptions options = Mode(PageBreak::kTagText, "P");
  ASSERT_TRUE(ReadNextPage(in, options));
  EXPECT_EQ(in.PageLineCount, 2);
  EXPECT_EQ(in.PageText, "P1 a b c ") << "the next page's tag line is not this page's text";
  ASSERT_TRUE(ReadNextPage(in, options));
  EXPECT_EQ(in.PageLines[1], "P2");
  EXPECT_EQ(in.PagesRead, 2);
}

TEST_F(PageInputTest, TheNextPageLineIsNotLeftInThePageStore) {
  Open("head\nx\n\fnext\n");
  ASSERT_TRUE(ReadNextPage(in, Mode(PageBreak::kFormFeed)));
  EXPECT_EQ(in.PageLineCount, 2);
  EXPECT_EQ(in.PageLines[3], "");
}

TEST_F(PageInputTest, RewindStartsWithNoLinePending) {
  Open("a\n\fb\nc\n");
  const PageOptions options = Mode(PageBreak::kFormFeed);
  ASSERT_TRUE(ReadNextPage(in, options));
  EXPECT_EQ(in.PageLinePending, 1);
  RewindPages(in);
  EXPECT_EQ(ReadAll(options), (Pages{{"a"}, {"b", "c"}}));
}

TEST_F(PageInputTest, PageTextJoinsLinesWithoutTheirLeadingBlanks) {
  Open("  Name: Ann\n" + std::string(255, 'x') + "tail\n", 3);
  ASSERT_TRUE(ReadNextPage(in, Mode(PageBreak::kFixedLength)));
  EXPECT_EQ(in.PageLineCount, 3) << "a long line goes on in the next page line";
  EXPECT_EQ(in.PageText, "Name: Ann " + std::string(255, 'x') + "tail ");
  EXPECT_EQ(in.PageLongestLine, 255);
}

TEST_F(PageInputTest, RunReaderStepsBlocksBandsAndPagesToTheEnd) {
  // Two pages of a header line and two data lines holding two blocks each; a third page of a
  // header line alone holds no record.
  Open("A\n1a  1b\n2a  2b\nB\n3a  3b\n4a\nC\n", 3);
  in.InputFieldValues.resize(InputTables::kMaxFields + 1);
  in.InputFieldNames.resize(InputTables::kMaxFields + 1);
  in.PageDataFirstLine = 2;
  in.PageFooterLine = 3;
  in.PageBandHeight = 1;
  in.PageBlockStep = 4;
  in.PageBlockCount = 2;
  in.InputFieldCounts[1] = 1;  // the header line
  in.InputFieldCounts[2] = 1;  // the data line
  ReaderSetup setup;
  setup.page.breaks.mode = PageBreak::kFixedLength;
  const std::unique_ptr<RecordReader> reader = ReaderFor(InputKind::kPage).make(setup);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "first pass" : "after a rewind");
    reader->Rewind(in);
    std::vector<std::string> records;
    while (reader->Read(in)) {
      reader->Cut(in);
      records.push_back(in.InputFieldValues[1] + "|" + in.InputFieldValues[2]);
    }
    EXPECT_EQ(records, (std::vector<std::string>{"A|1a  ", "A|1b", "A|2a  ", "A|2b", "B|3a  ",
                                                 "B|3b", "B|4a", "B|"}));
  }
}

TEST(PageGeometryTest, BlocksBandsAndRows) {
  InputTables in;
  in.PageBlockCount = 2;
  in.PageBlockStep = 40;
  in.PageGutter = 5;
  EXPECT_EQ(BlockAtColumn(in, 44), 1);
  EXPECT_EQ(BlockAtColumn(in, 45), 2) << "column 45 is the first of block 2";
  EXPECT_EQ(BlockAtColumn(in, 500), 2);
  EXPECT_EQ(BlockText(in, std::string(60, 'a') + "b", 2), std::string(15, 'a') + "b");
  EXPECT_EQ(BlockText(in, "short", 2), "");

  in.PageDataFirstLine = 3;
  in.PageFooterLine = 8;
  in.PageBandHeight = 2;
  in.PageLineCount = 10;
  EXPECT_EQ(PageBandCount(in), 3);
  in.PageLineCount = 5;
  EXPECT_EQ(PageBandCount(in), 1) << "three data lines make one band of two";
  in.PageLineCount = 2;
  EXPECT_EQ(PageBandCount(in), 0);
  EXPECT_EQ(RowKindOf(in, 2), PageRow::kHeader);
  EXPECT_EQ(RowKindOf(in, 8), PageRow::kData);
  EXPECT_EQ(RowKindOf(in, 9), PageRow::kFooter);
  EXPECT_EQ(FirstBandLine(in, 6), 4);

  in.PageBandHeight = 0;
  in.PageBlockStep = -3;
  in.PageBlockCount = 0;
  in.PageGutter = -9;
  EXPECT_EQ(BandHeightOf(in), 1);
  EXPECT_EQ(BlockText(in, "abc", 1), "a");
  EXPECT_EQ(BlockAtColumn(in, 2), 1);
  in.PageBlockCount = 1 << 30;
  EXPECT_EQ(BlockCountOf(in), 255) << "no block past 255 can hold a character";
  in.PageDataFirstLine = -1000;
  in.PageFooterLine = 1 << 30;
  in.PageLineCount = 7;
  EXPECT_EQ(PageDataLines(in), 7);
}

TEST(PageFieldsTest, HeaderFooterAndBandFields) {
  InputTables in;
  in.InputFieldValues.resize(InputTables::kMaxFields + 1);
  in.InputFieldNames.resize(InputTables::kMaxFields + 1);
  in.FormLength = 99;
  in.PageLineCount = 6;
  const char* lines[] = {
      "",         "INVOICE 17", "Ann       10", "Bob       20", "Cy        30", "Dee       40",
      "TOTAL 100"};
  for (int i = 1; i <= 6; ++i) in.PageLines[i] = lines[i];
  in.PageDataFirstLine = 2;
  in.PageFooterLine = 5;
  in.PageBandHeight = 2;
  in.InputFieldCounts[1] = 2;
  in.DividerMatrix[1][1] = 8;
  in.InputFieldCounts[6] = 1;
  in.InputFieldCounts[3] = 2;  // the second line of the first band
  in.DividerMatrix[3][1] = 10;
  in.PageBandIndex = 2;
  in.PageBlockIndex = 1;
  CutPageRecord(in, {});
  const std::vector<std::pair<std::string, std::string>> expected = {{"Line1C1_8", "INVOICE "},
                                                                     {"Line1C9_End", "17"},
                                                                     {"Line6C1_End", "TOTAL 100"},
                                                                     {"Row2C1_10", "Dee       "},
                                                                     {"Row2C11_End", "40"}};
  for (std::size_t f = 1; f <= expected.size(); ++f) {
    EXPECT_EQ(in.InputFieldNames[f], expected[f - 1].first);
    EXPECT_EQ(in.InputFieldValues[f], expected[f - 1].second);
  }
  EXPECT_EQ(in.HeaderFooterFieldCount, 3);
  EXPECT_EQ(in.InputFieldCounts[0], 2);
  EXPECT_EQ(in.CountedFields(in.CutCountSum()), 5);
}

TEST(PageFieldsTest, LinesWithoutDividerRowsMakeNoFields) {
  InputTables in;
  in.InputFieldValues.resize(InputTables::kMaxFields + 1);
  in.InputFieldNames.resize(InputTables::kMaxFields + 1);
  in.FormLength = 99;
  in.PageLineCount = 99;
  in.PageDataFirstLine = 1;
  in.PageFooterLine = 97;
  in.InputFieldCounts[98] = 5;  // row 98 of the matrix is binary input's
  in.PageBandIndex = 1;
  CutPageRecord(in, {});
  EXPECT_EQ(in.HeaderFooterFieldCount, 0);
}

}  // namespace
}  // namespace vt
