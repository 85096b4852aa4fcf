// Input readers without a window: type guess, shared record reader, dBase header, fixed
// cutter, divider rows, the XML tag list and XML names.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "input/dbase_header.h"
#include "input/fixed_fields.h"
#include "input/input_files.h"
#include "input/type_guess.h"
#include "input/xml_tags.h"

namespace vt {
namespace {

// One folder per test process, removed when the process ends.
const std::filesystem::path& TempDir() {
  static const struct Dir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vontrask-readers-" + std::to_string(::getpid()));
    Dir() { std::filesystem::create_directories(path); }
    ~Dir() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } dir;
  return dir.path;
}

std::string TempFile(const std::string& name, const std::string& bytes) {
  const auto path = TempDir() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TEST(TypeGuessTest, StartBlock) {
  const struct {
    const char* name;
    std::string block;
    bool xml;
    bool html;
    const char* row_tag;
  } rows[] = {
      {"xml declaration", "<?xml version=\"1.0\"?><a/>", true, false, "<TR"},
      {"upper-case declaration is not xml", "<?XML version=\"1.0\"?>", false, false, "<TR"},
      {"html upper", "<HTML><TABLE><TR><TD>1</TD></TR></TABLE>", false, true, "<TR"},
      {"html lower", "<table><tr><td>1</td></tr></table>", false, true, "<tr"},
      {"html mixed uses upper", "<Table><Tr><Td>1", false, true, "<TR"},
      {"no cells", "<table><tr></tr></table>", false, false, "<TR"},
      {"text after a NUL is not looked at", std::string("abc\0<table><tr><td>", 19), false, false,
       "<TR"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const StartBlockGuess guess = GuessFromStartBlock(row.block);
    EXPECT_EQ(guess.xml, row.xml);
    EXPECT_EQ(guess.html_table, row.html);
    EXPECT_EQ(guess.html_row_tag, row.row_tag);
  }
}

TEST(TypeGuessTest, FirstLine) {
  const struct {
    const char* line;
    DelimiterGuess guess;
  } rows[] = {{"a,\"b\"", DelimiterGuess::kComma}, {"a\tb", DelimiterGuess::kTab},
              {"a\t,\"b", DelimiterGuess::kComma}, {"\"a\",b", DelimiterGuess::kFixed},
              {"a,b,c", DelimiterGuess::kFixed},   {"", DelimiterGuess::kFixed}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(GuessFromFirstLine(row.line), row.guess);
  }
}

TEST(TypeGuessTest, FormFeedIsLookedForInTheFirst99Lines) {
  const struct {
    int line;  // 1-based line that starts with a form feed; 0 none
    bool found;
  } rows[] = {{1, true}, {2, true}, {99, true}, {100, false}, {0, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    std::string text;
    for (int i = 1; i <= 150; ++i) text += (i == row.line ? "\fline\n" : "line\n");
    TextInput input;
    ASSERT_TRUE(input.Open(TempFile("ff", text)));
    std::string first;
    ASSERT_TRUE(input.ReadLine(first));
    EXPECT_EQ(FindFormFeedLine(first, input, {}), row.found);
  }
}

TEST(TypeGuessTest, FormFeedOnTheLastLineWithoutLineFeed) {
  TextInput input;
  ASSERT_TRUE(input.Open(TempFile("fflast", "a\n\fb")));
  std::string first;
  ASSERT_TRUE(input.ReadLine(first));
  EXPECT_TRUE(FindFormFeedLine(first, input, {}));
}

TEST(TypeGuessTest, HintTextsByteForByte) {
  const std::string first =
      "The first line of input is displayed.  Please click on the appropriate button for the "
      "type of input, if the incorrect one is selected.  For fixed format or binary input you "
      "will need to set divider tabs by clicking below the input line image.";
  EXPECT_EQ(TextOpenHints({}), std::vector<std::string>{first});
  EXPECT_EQ(TextOpenHints({.form_feed = true, .xml = true, .comma = true, .tab = true}),
            (std::vector<std::string>{
                first, "Form Feeds (ASCII 12) were found, so this is probably a Page Image file.",
                "This appears to be an XML Tagged Data file, see Page tab.",
                ",\" pairs were found so this is probably a Comma Delimited file.",
                "Tabs (ASCII 9) were found so this is probably a Tab Delimited file."}));
  EXPECT_EQ(TextOpenHints({.comma = true, .html_table = true}),
            std::vector<std::string>{
                "The beginning of an HTML table was detected in your file. The appropriate "
                "special settings have been made to extract the data from the table and user "
                "setting of data tags has been disabled.  If you wish to extract other data, "
                "please uncheck the \"HTML Table\" box and change the settings to those which you "
                "need. Now click Page tab."});
}

TEST(TypeGuessTest, ByteViewRows) {
  std::string block(15000, '\0');
  block[0] = 'A';
  block[1] = '\t';
  block[2] = '\xE9';
  block[50] = 'B';
  const auto rows = ByteViewRows(block);
  ASSERT_EQ(rows.size(), 300u);
  EXPECT_EQ(rows[0].substr(0, 4), "A\x7F\x7F.");
  EXPECT_EQ(rows[1].substr(0, 2), "B.");
  EXPECT_EQ(rows[299], std::string(50, '.'));
}

constexpr WebFormLines kStep = WebFormLines::kFirstBang;
constexpr WebFormLines kRun = WebFormLines::kEndingBang;

TEST(TextInputTest, RecordsByOptions) {
  const struct {
    const char* name;
    std::string bytes;
    TextRecordOptions options;
    std::vector<std::string> records;
  } rows[] = {
      {"lf and cr lf", "a\r\nb\nc", {}, {"a", "b", "c"}},
      {"empty lines count", "\n\n", {}, {"", ""}},
      {"strip control", "a\x01\tb\xE9\n", {.strip_control = true}, {"ab"}},
      // EBCDIC letters are high bytes: translating first keeps them.
      {"ebcdic then strip", "\xC1\xC2\x05\xF1\n", {.ebcdic = true, .strip_control = true}, {"AB1"}},
      {"stepped form: cut at the first !",
       "a=1!x&b=2\nc=3\nd=4\n",
       {.web_form = kStep},
       {"a=1c=3", "d=4"}},
      {"stepped form at the end", "a=1!", {.web_form = kStep}, {"a=1"}},
      {"run form: an inner ! is data", "a=1!x\nb=5\n", {.web_form = kRun}, {"a=1!x", "b=5"}},
      {"run form: ending lines in a row",
       "b=A!\nB!\nC&a=1\nd\n",
       {.web_form = kRun},
       {"b=ABC&a=1", "d"}},
      {"run form: one ! of two dropped", "b=x!!\n&a=y\n", {.web_form = kRun}, {"b=x!&a=y"}},
      {"run form: an empty line keeps the end", "a!!\n\nb\nc\n", {.web_form = kRun}, {"ab", "c"}},
      {"run form at the end", "a=1!", {.web_form = kRun}, {"a=1"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TextInput input;
    ASSERT_TRUE(input.Open(TempFile("records", row.bytes)));
    std::vector<std::string> got;
    std::string record;
    while (input.ReadRecord(record, row.options)) got.push_back(record);
    EXPECT_EQ(got, row.records);
    EXPECT_TRUE(input.AtEnd());
    ASSERT_TRUE(input.Rewind());
    ASSERT_TRUE(input.ReadRecord(record, row.options));
    EXPECT_EQ(record, row.records.front()) << "rewind starts again";
  }
}

TEST(TextInputTest, WebFormContinuationStopsAtTheLineLimit) {
  const std::string piece(20000, 'x');
  for (const WebFormLines rule : {kStep, kRun}) {
    TextInput input;
    ASSERT_TRUE(input.Open(TempFile("webform", piece + "!\n" + piece + "!\n" + piece + "\nz\n")));
    std::string record;
    ASSERT_TRUE(input.ReadRecord(record, {.web_form = rule}));
    EXPECT_EQ(record, std::string(LineReader::kDefaultLimit, 'x'));
    ASSERT_TRUE(input.ReadRecord(record, {.web_form = rule}));
    EXPECT_EQ(record, "z") << "the continuation lines were all consumed";
  }
}

std::string DbaseBytes(int fields, std::uint16_t record_length) {
  std::string bytes(32, '\0');
  bytes[0] = 3;
  bytes[1] = 98;
  bytes[2] = 3;
  bytes[3] = 4;
  bytes[4] = 2;
  const int header = 32 + 32 * fields + 1;
  bytes[8] = static_cast<char>(header & 0xFF);
  bytes[9] = static_cast<char>(header >> 8);
  bytes[10] = static_cast<char>(record_length & 0xFF);
  bytes[11] = static_cast<char>(record_length >> 8);
  for (int f = 0; f < fields; ++f) {
    std::string d(32, '\0');
    const std::string name = "F" + std::to_string(f + 1);
    d.replace(0, name.size(), name);
    d[11] = 'C';
    d[16] = 5;
    bytes += d;
  }
  bytes += '\r';
  return bytes;
}

TEST(DbaseHeaderTest, StatusByHeader) {
  const struct {
    const char* name;
    std::string bytes;
    DbaseHeaderStatus status;
  } rows[] = {
      {"two fields", DbaseBytes(2, 11), DbaseHeaderStatus::kOk},
      {"record longer than its fields", DbaseBytes(2, 20), DbaseHeaderStatus::kOk},
      {"fields overrun the record", DbaseBytes(2, 10), DbaseHeaderStatus::kRecordTooLong},
      {"record past the shown line", DbaseBytes(2, 40000), DbaseHeaderStatus::kOk},
      {"1500 fields", DbaseBytes(1500, 7501), DbaseHeaderStatus::kOk},
      {"1501 fields", DbaseBytes(1501, 7506), DbaseHeaderStatus::kTooManyFields},
      {"cut short", DbaseBytes(2, 11).substr(0, 40), DbaseHeaderStatus::kUnreadable},
      {"empty file", "", DbaseHeaderStatus::kUnreadable},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DataInput input;
    ASSERT_TRUE(input.Open(TempFile("dbf", row.bytes)));
    DbaseHeader header;
    EXPECT_EQ(ReadDbaseHeader(input, header), row.status);
  }
}

TEST(DbaseHeaderTest, ValuesAndDate) {
  DataInput input;
  ASSERT_TRUE(input.Open(TempFile("dbf2", DbaseBytes(2, 11) + " abcdeXYZ  ")));
  DbaseHeader header;
  ASSERT_EQ(ReadDbaseHeader(input, header), DbaseHeaderStatus::kOk);
  EXPECT_EQ(header.record_count, 2u);
  EXPECT_EQ(header.fields_length, 11u);
  ASSERT_EQ(header.fields.size(), 2u);
  EXPECT_EQ(header.fields[1].name, "F2");
  EXPECT_EQ(header.fields[0].length, 5);
  EXPECT_EQ(header.year, 1998);
  char flag = 0;
  EXPECT_EQ(input.Read(&flag, 1), 1u);
  EXPECT_EQ(flag, ' ') << "the input is left at the first record";

  const struct {
    int y, m, d;
    const char* text;
  } dates[] = {{1998, 3, 4, "4 March 1998"},
               {2024, 12, 31, "31 December 2024"},
               {2023, 2, 29, "1 March 2023"},
               {2024, 13, 1, "1 January 2025"},
               {2024, 0, 5, ""},
               {2024, 5, 0, ""}};
  for (const auto& row : dates) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(DbaseUpdateDateText(row.y, row.m, row.d), row.text);
  }
}

TEST(DbaseHeaderTest, YearsPast1999) {
  const struct {
    int yy, year;
    bool above;
  } rows[] = {{79, 2079, false}, {80, 1980, false}, {99, 1999, false}, {124, 2024, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.yy);
    std::string bytes = DbaseBytes(1, 6);
    bytes[1] = static_cast<char>(row.yy);
    DataInput input;
    ASSERT_TRUE(input.Open(TempFile("dbfy", bytes)));
    DbaseHeader header;
    ASSERT_EQ(ReadDbaseHeader(input, header), DbaseHeaderStatus::kOk);
    EXPECT_EQ(header.year, row.year);
    EXPECT_EQ(header.year_above_99, row.above);
  }
}

TEST(DbaseHeaderTest, DecodeValue) {
  const double one_and_a_half = 1.5;
  std::string b(8, '\0');
  std::memcpy(b.data(), &one_and_a_half, 8);
  const struct {
    const char* name;
    char type;
    std::string raw;
    const char* value;
  } rows[] = {
      {"double", 'B', b, "1.500000"},
      {"int -1", 'I', "\xFF\xFF\xFF\xFF", "-1"},
      {"int 258", 'I', std::string("\x02\x01\0\0", 4), "258"},
      {"time words", 'T', std::string("\x01\0\0\0\x01\0\0\0", 8), "4294967297"},
      {"short int reads zero-padded", 'I', "\x05", "5"},
      {"character", 'C', "Smith  ", "Smith  "},
      {"character up to a NUL", 'C', std::string("ab\0cd", 5), "ab"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string value = "old";
    DecodeDbaseValue(row.type, row.raw, value);
    EXPECT_EQ(value, row.value);
  }
}

DividerRow Row(std::initializer_list<int> dividers) {
  DividerRow row{};
  std::size_t k = 1;
  for (int d : dividers) row[k++] = static_cast<std::int16_t>(d);
  return row;
}

TEST(FixedFieldsTest, Cutting) {
  const struct {
    const char* name;
    std::string line;
    DividerRow row;
    std::vector<std::string> names;
    std::vector<std::string> values;
  } rows[] = {
      {"no dividers", "ABCDEFGHIJKLMNOP", Row({}), {"Col1_End"}, {"ABCDEFGHIJKLMNOP"}},
      {"one at 10",
       "ABCDEFGHIJKLMNOP",
       Row({10}),
       {"Col1_10", "Col11_End"},
       {"ABCDEFGHIJ", "KLMNOP"}},
      {"past the end", "ABC", Row({2, 10}), {"Col1_2", "Col3_10", "Col11_End"}, {"AB", "C", ""}},
      {"empty line", "", Row({3}), {"Col1_3", "Col4_End"}, {"", ""}},
      {"long last field", std::string(2000, 'x'), Row({}), {"Col1_End"}, {std::string(1250, 'x')}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> names(101), values(101);
    const int count = CutFixedRecord(row.line, row.row, names, values);
    ASSERT_EQ(count, static_cast<int>(row.names.size()));
    for (int i = 1; i <= count; ++i) {
      EXPECT_EQ(names[static_cast<std::size_t>(i)], row.names[static_cast<std::size_t>(i - 1)]);
      EXPECT_EQ(values[static_cast<std::size_t>(i)], row.values[static_cast<std::size_t>(i - 1)]);
    }
  }
}

TEST(FixedFieldsTest, ToggleAndRebuild) {
  std::string marker(32767, ':');
  EXPECT_EQ(ToggleDivider(marker, 9, 1), DividerToggle::kAdded);
  EXPECT_EQ(ToggleDivider(marker, 19, 97), DividerToggle::kAdded);
  EXPECT_EQ(ToggleDivider(marker, 29, 98), DividerToggle::kAddedAtLimit);
  EXPECT_EQ(ToggleDivider(marker, 39, 99), DividerToggle::kRefused);
  EXPECT_EQ(marker[39], ':');
  EXPECT_EQ(ToggleDivider(marker, 19, 99), DividerToggle::kRemoved) << "removing is always allowed";
  EXPECT_EQ(ToggleDivider(marker, -1, 1), DividerToggle::kIgnored);
  EXPECT_EQ(ToggleDivider(marker, 32767, 1), DividerToggle::kIgnored);

  DividerRow row = Row({5, 6});
  std::string list;
  EXPECT_EQ(RebuildDividerRow(marker, row, list), 3);
  EXPECT_EQ(list, "10,30");
  EXPECT_EQ(row[1], 10);
  EXPECT_EQ(row[2], 30);
  EXPECT_EQ(row[3], 0);

  std::string full(32767, '^');  // more marks than a row holds
  EXPECT_EQ(RebuildDividerRow(full, row, list), 100);
  EXPECT_EQ(row[99], 99);
  EXPECT_LE(list.size(), 254u);
}

TEST(FixedFieldsTest, ViewAndScroll) {
  EXPECT_EQ(RecordView("a\tb", 0, true),
            "a\x80"
            "b");
  EXPECT_EQ(RecordView("a\tb", 0, false), "a\tb");
  EXPECT_EQ(RecordView("abc", 5, true), "");
  EXPECT_EQ(RecordView(std::string(3000, 'x'), 1000, false).size(), 1000u);
  EXPECT_EQ(ScrollOffset(2000, 250, 500), 1000);
  EXPECT_EQ(ScrollOffset(2000, 0, 500), 0);
  EXPECT_EQ(ScrollOffset(2000, 10, 0), 0);
}

TEST(XmlTagsTest, RepeatedChildrenAndAttributes) {
  const std::string block =
      "<?xml version=\"1.0\"?>\n<!-- list -->\n<people>\n"
      "<person id=\"1\" kind=\"a\"><phone>1</phone><phone>2</phone><phone>3</phone>"
      "<name>Ann</name><flag/></person>\n"
      "<person id=\"2\" extra=\"x\"><phone>4</phone><phone>5</phone><phone>6</phone>"
      "<phone>7</phone><nick lang=\"en\">Bo</nick></person>\n</people>\n";
  const XmlTagList list = BuildXmlTagList(block);
  EXPECT_EQ(list.table_tag, "<people>");
  EXPECT_EQ(list.record_tag, "<person ");
  std::vector<std::pair<std::string, int>> got;
  for (const XmlTag& t : list.tags) got.emplace_back(t.text, t.occurrence);
  const std::vector<std::pair<std::string, int>> want = {
      {"<person ", 1}, {"\" ", 1},       {"\">", 1},     {"</", 1},     {"<phone>", 1},
      {"<phone>", 2},  {"<phone>", 3},   {"<name>", 1},  {"<flag>", 1}, {" id=\"", 1},
      {" kind=\"", 1}, {" extra=\"", 1}, {"<phone>", 4}, {"<nick ", 1}};
  EXPECT_EQ(got, want);
}

TEST(XmlTagsTest, RecordWithoutClosingTagEndsAtTheNextOne) {
  const XmlTagList list = BuildXmlTagList("<?xml?><t><r><a>1</a><r><b>2");
  ASSERT_GE(list.tags.size(), 5u);
  EXPECT_EQ(list.tags[4].text, "<a>");
  EXPECT_EQ(list.tags.size(), 5u) << "the second record is not part of the first";
}

TEST(XmlTagsTest, DegenerateBlocks) {
  EXPECT_TRUE(BuildXmlTagList("").tags.empty());
  EXPECT_TRUE(BuildXmlTagList("<?xml?>").tags.empty());
  EXPECT_TRUE(BuildXmlTagList("<?xml?><root>").tags.empty());
}

}  // namespace
}  // namespace vt
