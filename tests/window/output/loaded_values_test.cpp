// Values a damaged preference file can leave in the tables: the preview, Autoset Output Field
// Widths and a conversion run go on over them, and the run writes its file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::GoToSheet;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr char kCsv[] = "\"Ann Lee\",\"12 Main St\",\"Boise ID 83702\"\r\n\"Bo\",\"7\",\"x\"\r\n";

// Every byte of a table set to `byte`, so that none of its texts has a NUL.
template <typename Table>
void FillBytes(Table& table, char byte) {
  std::memset(static_cast<void*>(&table), byte, sizeof table);
}

// Output fields 1..sources.size() take these sources.
void SetSources(TParseView& v, const std::vector<int>& sources) {
  for (std::size_t i = 0; i < sources.size(); ++i)
    v.OutputFieldSource[i + 1] = static_cast<std::int16_t>(sources[i]);
}

// A dBase table whose header claims 2^31 records; the file holds one, with or without the end
// byte after it.
std::string DbaseClaimingTooMany(bool end_byte) {
  std::string bytes(32, '\0');
  bytes[0] = 3;
  bytes[7] = '\x80';
  bytes[8] = 32 + 32 + 1;
  bytes[10] = 1 + 5;
  std::string field(32, '\0');
  field.replace(0, 4, "NAME");
  field[11] = 'C';
  field[16] = 5;
  return bytes + field + "\r" + " Ann  " + (end_byte ? "\x1A" : "");
}

struct Row {
  std::string name;
  tk::RadioButton TParseView::*input_type = nullptr;  // clicked before the values are set
  std::function<void(TParseView&)> set = {};          // the values a loaded file left
  std::function<void(TParseView&)> act = {};          // a user's act of the row, if any
  std::string file = "in.csv";
  std::string bytes = kCsv;
  const char* expected = nullptr;  // the file the run writes, when the row knows it
};

// The row's name, so that test names are short and the same in every build.
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

std::vector<Row> Rows() {
  auto count = [](std::int32_t n) { return [n](TParseView& v) { v.OutputFieldCount = n; }; };
  auto binary = [](std::int32_t length, std::int16_t header) {
    return [length, header](TParseView& v) {
      v.BinaryRecordLength = length;
      v.BinaryHeaderSize() = header;
      for (int f = 1; f <= 99; ++f) v.BinaryTypeBits(f) = -1;
    };
  };
  auto marker_click = [](TParseView& v) {
    GoToSheet(v, v.InputConfiguration);
    v.InputRecordMarkerLabel.UserMouseMove(40, 3);
    v.InputRecordMarkerLabel.UserClick();
  };
  auto page = [](std::int32_t first, std::int32_t last, std::int32_t step) {
    return [first, last, step](TParseView& v) {
      v.FormLength = last;
      v.PageDataFirstLine = first;
      v.PageDataBandEnd = last;
      v.PageFooterLine = last;
      v.PageBandHeight = step;
      v.PageGutter = step;
      v.PageBlockStep = step;
      v.PageBlockCount = step;
    };
  };
  return {
      {.name = "FieldCountMinus1", .set = count(-1)},
      {.name = "FieldCount100", .set = count(100)},
      {.name = "FieldCount1000", .set = count(1000)},
      {.name = "FieldCountMax", .set = count(kMax)},
      {.name = "SourcesPastEveryTable",
       .set =
           [](TParseView& v) {
             v.OutputFieldCount = 6;
             SetSources(v, {1500, 32767, -kGeneratedSourceCount, -32768, 1499, -k1403Skip});
           }},
      {.name = "WidthsAndTextsWithoutNul",
       .set =
           [](TParseView& v) {
             v.OutputFieldCount = 99;
             FillBytes(v.OutputFieldNameTable, 'N');
             FillBytes(v.OutputFieldDefaults, 'D');
             FillBytes(v.OutputFieldDecimals, '9');
             for (std::size_t n = 1; n < 100; ++n) {
               v.OutputFieldWidths[n] = n % 2 ? -5 : 32767;
               v.OutputFieldFlags[n] = n % 3 ? kFlagNumeric | kFlagRound | kFlagLeadingZeros : 0x2;
               v.OutputFieldSource[n] = static_cast<std::int16_t>(n % 4);
             }
           },
       .act = [](TParseView& v) { Click(v.XML); }},
      {.name = "FixedDividers",
       .input_type = &TParseView::FixedInputButton,
       .set =
           [](TParseView& v) {
             v.DividerMatrix[0] = {0, 32767, -7, 32767, -7};
             v.InputFieldCounts[0] = kMax;
           },
       .act = marker_click},
      {.name = "CutCountsMax",
       .set =
           [](TParseView& v) {
             v.InputFieldCounts.fill(kMax);
             v.TagCount = kMax;
             v.FormLength = kMax;
           }},
      {.name = "CutCountsMin",
       .set =
           [](TParseView& v) {
             v.InputFieldCounts.fill(kMin);
             v.TagCount = kMin;
             v.FormLength = 98;
           }},
      {.name = "TagCountMaxOnTaggedPages",
       .input_type = &TParseView::PageInputButton,
       .set =
           [](TParseView& v) {
             v.TagCount = kMax;
             FillBytes(v.TagTexts, 'T');
             CopyText(v.TagTexts[3], "");
           },
       .act =
           [](TParseView& v) {
             GoToSheet(v, v.InputConfiguration);
             Click(v.TagTextButton);
             Click(v.TaggedData);
             GoToSheet(v, v.PageInputTab);
           }},
      {.name = "BinaryLength0",
       .input_type = &TParseView::BinaryInput,
       .set = binary(0, 0),
       .act = marker_click,
       .expected = ""},
      {.name = "BinaryLengthMinus1",
       .input_type = &TParseView::BinaryInput,
       .set = binary(-1, -5),
       .expected = ""},
      {.name = "BinaryLength40000",
       .input_type = &TParseView::BinaryInput,
       .set = binary(40000, 32767),
       .expected = ""},
      {.name = "BinaryLengthMin",
       .input_type = &TParseView::BinaryInput,
       .set = binary(kMin, -32768),
       .act = marker_click,
       .expected = ""},
      {.name = "PageGeometryMax",
       .input_type = &TParseView::PageInputButton,
       .set = page(kMin, kMax, kMax)},
      {.name = "PageGeometryMin",
       .input_type = &TParseView::PageInputButton,
       .set = page(kMax, kMin, kMin)},
      {.name = "SourceSlotsAndFilter",
       .set =
           [](TParseView& v) {
             v.OutputFieldCount = 8;
             SetSources(v, {-kStdAddress, -kPostalZip, -kStdName, -kPhone1, -kGender1,
                            -kRecordNumber, -kCombo1Alnum, -kSumOfCombos});
             for (auto& row : v.SpecialSourceTable) row = {kMin, kMax, 1500, -1, 1501, 2};
             v.DateTimeSources.fill(kMin);
             v.FilterSourceField = kMin;
           },
       .act =
           [](TParseView& v) {
             GoToSheet(v, v.MiscTab);
             Click(v.Filter);
             testing::Pick(v.FilterSourceName, 0);
           }},
      {.name = "TagsListsAndCoefficients",
       .set =
           [](TParseView& v) {
             v.OutputFieldCount = 6;
             SetSources(v, {-kStdAddress, -kCity, -kStdName, -kGender1, 1, 2});
             v.OutputFieldFlags[5] = kFlagProperCase;
             for (auto& row : v.SpecialSourceTable) row = {1, 2, 3, 1, 2, 3};
             v.TagCount = 99;
             FillBytes(v.TagTexts, 'T');
             v.TagOccurrences.fill(-32768);
             FillBytes(v.CombinationDividers, 'x');
             FillBytes(static_cast<WordLists&>(v), 'A');
             for (std::size_t i = 0; i < kAddedNameSlots; ++i)
               v.AddedFirstNameGenders[i] = i % 2 ? kMin : kMax;
             v.ConversionCoefficients = {
                 {{kNaN, kInf}, {-kInf, kNaN}, {kNaN, kNaN}, {kInf, -kInf}}};
             for (auto& choice : v.ConversionChoices) choice = {-32768, 32767, -1};
             v.InterLeaf.SetItemIndex(kMax);
           },
       .act =
           [](TParseView& v) {
             GoToSheet(v, v.GenderSheet);
             GoToSheet(v, v.CombineInputFields);
           }},
      {.name = "DbaseClaims2To31RecordsAndHoldsOne",
       .file = "t.dbf",
       .bytes = DbaseClaimingTooMany(true),
       .expected = "Ann\r\n"},
      {.name = "DbaseClaims2To31RecordsAndEndsWithoutEndByte",
       .file = "t.dbf",
       .bytes = DbaseClaimingTooMany(false),
       .expected = "Ann\r\n"},
  };
}

class LoadedValuesTest : public testing::ViewTest, public ::testing::WithParamInterface<Row> {};

TEST_P(LoadedValuesTest, PreviewWidthsAndRunGoOnAndTheRunWritesItsFile) {
  const Row& row = GetParam();
  TParseView& v = OpenInput(row.file, row.bytes);
  testing::SetUpFields(v, {{"A", 1, 0, kFlagRemoveBlanks, ""}});
  if (row.input_type != nullptr) {
    GoToSheet(v, v.InputConfiguration);
    Click(v.*row.input_type);
  }
  if (row.set) row.set(v);

  GoToSheet(v, v.OutputConfiguration);
  Click(v.TabDelimitedOutputButton);
  Click(v.NextButton);
  if (v.PrevButton.Enabled()) Click(v.PrevButton);
  if (row.act) row.act(v);
  GoToSheet(v, v.OutputConfiguration);
  Click(v.AutoWidth);
  const std::string path = Path("out.txt");
  const std::string bytes = testing::RunInto(v, fakes.dialogs, path);

  EXPECT_TRUE(std::filesystem::exists(path)) << "the run wrote no file";
  if (row.expected != nullptr) {
    EXPECT_EQ(bytes, row.expected);
    for (const auto& shown : fakes.messages.shown)
      EXPECT_NE(shown.caption, "Scanned first 1000 records") << "the width scan passed the end";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, LoadedValuesTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
}  // namespace vt
