// The record builder over plain tables: placement by format, generated sources, selection.
#include "output/record_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "output/writers/writers.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

class RecordBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.InputFieldValues.assign(1501, std::string());
    in.InputFieldNames.assign(1501, std::string());
    out.OutputFieldValues.assign(100, std::string());
    out.GeneratedSourceValues.assign(120, std::string());
    Format(OutputFormat::kComma);
  }
  void Format(OutputFormat format, std::string_view special_text = "~") {
    writer = MakeRecordLayout(format, &out, special_text);
    request.writer = writer.get();
  }
  void Input(std::initializer_list<const char*> values) {
    int f = 0;
    for (const char* v : values) in.InputFieldValues[static_cast<std::size_t>(++f)] = v;
    in.InputFieldTotal = f;
  }
  void Field(std::int16_t source, std::uint32_t flags = kFlagRemoveBlanks, int width = 0,
             const char* decimals = " ") {
    const auto n = static_cast<std::size_t>(++out.OutputFieldCount);
    out.OutputFieldSource[n] = source;
    out.OutputFieldFlags[n] = flags;
    out.OutputFieldWidths[n] = static_cast<std::int16_t>(width);
    CopyText(out.OutputFieldDecimals[n], decimals);
    CopyText(out.OutputFieldNameTable[n], "F" + std::to_string(n));
  }
  const std::string& Build() {
    ++in.RecordNumber;
    in.InputRecordCut();
    BuildOutputRecord(request, lists, in, out);
    return out.OutputRecord;
  }

  WordLists lists;
  InputTables in;
  OutputTables out;
  BuildRequest request;
  std::unique_ptr<RecordWriter> writer;
};

TEST_F(RecordBuilderTest, PlacementByFormat) {
  Input({"Smith", " 12.5 ", "a\"b"});
  Field(1);
  Field(2, kFlagNumeric, 0, "2");
  Field(3);
  const struct {
    OutputFormat format;
    const char* special_text;
    const char* expected;
  } rows[] = {
      {OutputFormat::kComma, "", "\"Smith\",12.50,\"a\"b\""},
      {OutputFormat::kTab, "", "Smith\t12.50\ta\"b"},
      {OutputFormat::kSpecial, "|x", "Smith|12.50|a\"b"},
      {OutputFormat::kSpecial, "", "Smith12.50a\"b"},
      {OutputFormat::kFixed, "", "Smith12.50a\"b"},
      {OutputFormat::kWordPerfect, "",
       "Smith\x12"
       "12.50\x12"
       "a\"b"},
      {OutputFormat::kXml, "", "<F1>Smith</F1><F2>12.50</F2><F3>a&quot;b</F3>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(WriterFor(row.format).name);
    SCOPED_TRACE(row.special_text);
    Format(row.format, row.special_text);
    EXPECT_EQ(Build(), row.expected);
  }
}

TEST_F(RecordBuilderTest, XmlInABatchRunPutsEachFieldOnALine) {
  Input({"a<b"});
  Field(1);
  Format(OutputFormat::kXml);
  out.BatchRun = 1;
  EXPECT_EQ(Build(), "<F1>a&lt;b</F1>\r\n");
  EXPECT_EQ(out.OutputFieldValues[1], "a&lt;b");
}

TEST_F(RecordBuilderTest, GeneratedSourcesOfTheBuilder) {
  Input({"-x"});
  in.InputFileName = "/data/in/ORDERS.TXT";
  in.PagesRead = 3;
  request.now = 889002367;
  Build();
  const auto& g = out.GeneratedSourceValues;
  EXPECT_EQ(g[kRecordNumber], "1");
  EXPECT_EQ(g[kInputPageNumber], "3");
  EXPECT_EQ(g[kInputFileName], "ORDERS.TXT");
  EXPECT_EQ(g[kCalendarNow], "889002367");
  EXPECT_EQ(g[kSumOfCombos], "0") << "empty combinations sum to 0";
  EXPECT_EQ(g[kLineBreak], "\x07");
  EXPECT_EQ(g[kFormFeed], "\x0C");
  EXPECT_EQ(g[kTab], "\t");
  const struct {
    const char* first;
    const char* skip;
  } rows[] = {{"1abc", "\x0C"}, {"0", "\x07"}, {"-", "\x07\x07"}, {"", ""}, {"2", ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.first);
    Input({row.first});
    Build();
    EXPECT_EQ(g[k1403Skip], row.skip);
  }
}

TEST_F(RecordBuilderTest, WidthsAreClampedOnlyOutsideARun) {
  Input({"x"});
  Field(1, 0, 2000);
  Build();
  EXPECT_EQ(out.OutputFieldWidths[1], 1255);
  Format(OutputFormat::kDbase);
  out.OutputFieldWidths[1] = 300;
  Build();
  EXPECT_EQ(out.OutputFieldWidths[1], 254);
  out.OutputFieldWidths[1] = 300;
  out.BatchRun = 1;
  Build();
  EXPECT_EQ(out.OutputFieldWidths[1], 300);
  EXPECT_EQ(out.OutputFieldValues[1].size(), 300u);
}

TEST_F(RecordBuilderTest, DuplicatesSkipAfterTheFirstRecord) {
  Field(1, kFlagDeDup);
  Field(2, kFlagDeDup);
  const struct {
    const char* a;
    const char* b;
    int skip;
  } rows[] = {{"x", "y", 0}, {"x", "y", 1}, {"x", "z", 0}, {"x", "z", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.b);
    Input({row.a, row.b});
    Build();
    EXPECT_EQ(out.RecordSkip, row.skip);
  }
}

TEST_F(RecordBuilderTest, TheRecordFilter) {
  Input({"xabcx"});
  request.filter = true;
  const struct {
    int type;
    const char* text;
    int skip;
  } rows[] = {{0, "xabcx", 0}, {0, "XABCX", 1}, {1, "ABC", 0}, {1, "abd", 1},
              {2, "ABC", 1},   {2, "abd", 0},   {-1, "z", 0}};
  out.FilterSourceField = 1;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    request.select_type = row.type;
    request.filter_text = row.text;
    Build();
    EXPECT_EQ(out.RecordSkip, row.skip);
  }
}

TEST_F(RecordBuilderTest, SkipIfUsedCountsTheDefault) {
  Input({""});
  Field(1, kFlagSkipIfNull | kFlagSkipWhenFull);
  Build();
  EXPECT_EQ(out.RecordSkip, 0);
  CopyText(out.OutputFieldDefaults[1], "dflt");
  Build();
  EXPECT_EQ(out.RecordSkip, 1);
}

TEST_F(RecordBuilderTest, EntitiesAreDecodedOncePerCut) {
  Input({"&amp;lt;"});
  Field(1);
  request.xml_translate = true;
  Format(OutputFormat::kTab);
  Build();
  EXPECT_EQ(out.OutputRecord, "&lt;");
  BuildOutputRecord(request, lists, in, out);  // a refresh of the same cut
  EXPECT_EQ(out.OutputRecord, "&lt;");
}

TEST_F(RecordBuilderTest, TheRecordNeverReachesItsLimit) {
  for (int f = 1; f <= 99; ++f) in.InputFieldValues[static_cast<std::size_t>(f)].assign(1299, 'v');
  in.InputFieldTotal = 99;
  for (int n = 1; n <= 99; ++n) Field(static_cast<std::int16_t>(n), 0);
  Build();
  EXPECT_LT(out.OutputRecord.size(), kRecordLimit);
  EXPECT_GT(out.OutputRecord.size(), kRecordLimit - 1400);
}

TEST_F(RecordBuilderTest, ARunComputesOnlyTheParsersItNeeds) {
  Input({"10 Main Street", "555 123 4567"});
  out.SpecialSourceTable[kStreetRow][0] = 1;
  out.SpecialSourceTable[kPhoneRow][0] = 2;
  Field(-kPhone1);
  out.BatchRun = 1;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[kStreetName], "") << "no field takes a street part";
  EXPECT_EQ(out.OutputRecord, "\"123-4567\"");
  out.BatchRun = 0;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[kStreetNumber], "10");
  EXPECT_EQ(out.GeneratedSourceValues[kAreaCode1], "555");
}

TEST_F(RecordBuilderTest, DbaseDatesFromDateSources) {
  Field(-kTodaysDate, kFlagDbaseDate);
  Field(1, kFlagDbaseDate);
  Input({"19991231"});
  Format(OutputFormat::kDbase);
  out.TodayTexts = {"04/03/1998", "Wednesday", "4", "3", "1998"};
  EXPECT_EQ(Build(), "1998030400000000") << "a field that is no dBase date gives zeros";
  std::vector<char> types(1501, 0);
  types[1] = 'D';
  request.dbase_input_active = true;
  request.dbase_field_types = types;
  EXPECT_EQ(Build(), "1998030419991231");
}

}  // namespace
}  // namespace vt
