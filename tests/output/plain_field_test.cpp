// The builder's shortcuts: plain fields in one copy, plans kept across a run's records, and the
// sources a run leaves alone. Each must give what the full pipeline gives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/record_cut.h"
#include "output/generated_sources.h"
#include "output/output_tables.h"
#include "output/record_builder.h"
#include "output/value_pipeline.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

TEST(PlainFieldTest, SameValueAsTheFullPipeline) {
  const struct {
    const char* name;
    const char* source;
    std::uint32_t flags;
    int width;
    const char* default_text;
    bool dbase;
  } rows[] = {
      {"free width untouched", "  ab  ", 0, 0, "", false},
      {"trim both ends", "  ab \t\r", kFlagRemoveBlanks, 0, "", false},
      {"trim keeps one control byte", "\x07", kFlagRemoveBlanks, 0, "", false},
      {"leading tab is not trimmed", "\tab ", kFlagRemoveBlanks, 0, "", false},
      {"high bytes stay", "\xA0\xE9 ", kFlagRemoveBlanks, 0, "", false},
      {"pad to width", "ab", kFlagRemoveBlanks, 5, "", false},
      {"cut at width", "abcdefgh", kFlagRemoveBlanks, 3, "", false},
      {"exact width", "abc", kFlagRemoveBlanks, 3, "", false},
      {"right align", " 42 ", kFlagRemoveBlanks | kFlagRightJustify, 6, "", false},
      {"right align too long is cut", "1234567", kFlagRightJustify, 4, "", false},
      {"right align without width", "42", kFlagRightJustify, 0, "", false},
      {"right align not in dBase", "42", kFlagRightJustify, 6, "", true},
      {"default when empty", "   ", kFlagRemoveBlanks, 0, "n/a", false},
      {"default is padded", "", kFlagRemoveBlanks | kFlagRightJustify, 5, "x", false},
      {"blank kept without trim", "   ", 0, 0, "n/a", false},
      {"width over the limit", "a", kFlagRemoveBlanks, 2000, "", false},
      {"negative width is free", "a ", 0, -3, "", false},
  };
  const PipelineContext context;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FieldSpec field;
    field.source = 1;
    field.flags = row.flags;
    field.width = row.width;
    field.default_text = row.default_text;
    ASSERT_TRUE(IsPlainField(field, context));
    PipelineContext full = context;
    full.dbase_output = row.dbase;
    std::string expected = row.source;
    std::string previous;
    std::string scratch;
    (void)ConvertFieldValue(expected, field, full, previous, scratch);
    std::string v = "stale";
    ConvertPlainValue(row.source, field, row.dbase, v);
    EXPECT_EQ(v, expected);
  }
}

TEST(PlainFieldTest, TheCarriageControlSourceIsNeverTrimmed) {
  FieldSpec field;
  field.source = -k1403Skip;
  field.flags = kFlagRemoveBlanks;
  std::string v;
  ConvertPlainValue("\x07\x07", field, false, v);
  EXPECT_EQ(v, "\x07\x07");
}

TEST(PlainFieldTest, OtherFlagsAndOptionsTakeTheFullPipeline) {
  const std::uint32_t full_flags[] = {kFlagNumeric,    kFlagUpperCase,   kFlagLowerCase,
                                      kFlagProperCase, kFlagSoundex,     kFlagDupIfBlank,
                                      kFlagDbaseDate,  kFlagDbaseLogic,  kFlagDeDup,
                                      kFlagSkipIfNull, kFlagLeadingZeros};
  for (std::uint32_t flag : full_flags) {
    SCOPED_TRACE(flag);
    FieldSpec field;
    field.flags = flag | kFlagRemoveBlanks;
    EXPECT_FALSE(IsPlainField(field, PipelineContext{}));
  }
  FieldSpec field;
  field.flags = kFlagRemoveBlanks;
  EXPECT_FALSE(IsPlainField(field, PipelineContext{.strip_accents = true}));
  EXPECT_FALSE(IsPlainField(field, PipelineContext{.strip_tags = true}));
}

class RunShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.InputFieldValues.assign(1501, std::string());
    out.OutputFieldValues.assign(100, std::string());
    out.GeneratedSourceValues.assign(120, std::string());
    in.InputFieldValues[1] = " ab ";
    in.InputFieldValues[2] = "10 Main Street";
    in.InputFieldTotal = 2;
    Format(OutputFormat::kFixed);
    out.OutputFieldCount = 1;
    out.OutputFieldSource[1] = 1;
    out.OutputFieldFlags[1] = kFlagRemoveBlanks;
    out.OutputFieldWidths[1] = 4;
  }
  void Format(OutputFormat format) {
    writer = MakeRecordLayout(format, &out);
    request.writer = writer.get();
  }
  const std::string& Build() {
    ++in.RecordNumber;
    BuildOutputRecord(request, lists, in, out);
    return out.OutputRecord;
  }

  WordLists lists;
  InputTables in;
  OutputTables out;
  BuildRequest request;
  std::unique_ptr<RecordWriter> writer;
};

// A table changed between two records of a run (as the Logic option's width does) is seen at
// the next record: the plans are compared with the table every time.
TEST_F(RunShortcutTest, ChangesBetweenRecordsTakeEffect) {
  out.BatchRun = 1;
  EXPECT_EQ(Build(), "ab  ");
  out.OutputFieldFlags[1] |= kFlagRightJustify;
  EXPECT_EQ(Build(), "  ab");
  out.OutputFieldWidths[1] = 3;
  EXPECT_EQ(Build(), " ab");
  in.InputFieldValues[1] = "";
  CopyText(out.OutputFieldDefaults[1], "zz");
  EXPECT_EQ(Build(), " zz");
  in.InputFieldValues[1] = "ab";
  out.OutputFieldFlags[1] = kFlagUpperCase;
  EXPECT_EQ(Build(), "AB ");
  out.OutputFieldSource[1] = -kRecordNumber;
  EXPECT_EQ(Build(), "6  ");
  EXPECT_EQ(Build(), "7  ");
  out.OutputFieldCount = 0;
  EXPECT_EQ(Build(), "");
}

// A request that vouches for the table keeps the plans, but widths, the right-justify flag and
// the field count are still read at every record (the builder itself may set a width).
TEST_F(RunShortcutTest, AVouchedTableStillReadsWidthsAndCount) {
  out.BatchRun = 1;
  EXPECT_EQ(Build(), "ab  ");
  request.field_table_unchanged = true;
  EXPECT_EQ(Build(), "ab  ");
  out.OutputFieldWidths[1] = 3;
  EXPECT_EQ(Build(), "ab ");
  out.OutputFieldFlags[1] |= kFlagRightJustify;
  EXPECT_EQ(Build(), " ab");
  out.OutputFieldCount = 2;
  out.OutputFieldSource[2] = 2;
  EXPECT_EQ(Build(), " ab10 Main Street") << "a new count makes the plans again";
  request.field_table_unchanged = false;
  out.OutputFieldFlags[2] = kFlagUpperCase;
  EXPECT_EQ(Build(), " ab10 MAIN STREET");
}

// Comma output places text in quotes and numbers bare, each field with its delimiter; near the
// record limit every piece is appended only while the record stays below it.
TEST_F(RunShortcutTest, CommaPlacingMatchesTheRecordLimitRule) {
  Format(OutputFormat::kComma);
  out.OutputFieldCount = 2;
  out.OutputFieldWidths[1] = 0;
  out.OutputFieldSource[2] = 2;
  out.OutputFieldFlags[2] = kFlagNumeric;
  in.InputFieldValues[2] = "12";
  EXPECT_EQ(Build(), "\"ab\",12");
  const struct {
    const char* name;
    std::size_t length;  // of the text value of field 1
    std::string tail;    // what follows the value in the record
  } rows[] = {
      {"everything fits", kRecordLimit - 7, "\",12"},
      {"the number does not fit", kRecordLimit - 5, "\","},
      {"the delimiter does not fit", kRecordLimit - 3, "\""},
      {"the closing quote does not fit", kRecordLimit - 2, ""},
      {"the value does not fit", kRecordLimit - 1, "\",12"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    in.InputFieldValues[1].assign(row.length, 'x');
    const std::string& record = Build();
    const bool value_fits = 1 + row.length < kRecordLimit;
    const std::string expected =
        "\"" + (value_fits ? in.InputFieldValues[1] : std::string()) + row.tail;
    EXPECT_EQ(record.size(), expected.size());
    EXPECT_TRUE(record == expected);
  }
}

// A run's records of plain fields (fixed, comma, tab, other delimiter) are made straight into
// the record and their values settled afterwards; record, values and longest lengths must be those
// of the general path, and anything the direct path cannot take falls back to it.
TEST_F(RunShortcutTest, DeferredRecordsMatchTheGeneralPath) {
  const struct {
    const char* name;
    const char* first;
    std::uint32_t first_flags;
    int first_width;
    const char* second;
    std::uint32_t second_flags;
    int second_width;
    bool strip_tags;
  } rows[] = {
      {"left and right", " ab ", kFlagRemoveBlanks, 5, "12", kFlagRightJustify, 6, false},
      {"a numeric field falls back", "ab", 0, 2, "12", kFlagNumeric, 4, false},
      {"cut at the width", "abcdefghij", 0, 3, "123456789", kFlagRightJustify, 4, false},
      {"untrimmed blanks stay", "  a\t", 0, 6, "", kFlagRemoveBlanks, 2, false},
      {"empty takes the default", "   ", kFlagRemoveBlanks, 4, "x", 0, 1, false},
      {"widths above the limit", "a", 0, 3000, "b", kFlagRightJustify, 1300, false},
      {"a free width falls back", "ab", 0, 0, "cd", 0, 3, false},
      {"a case flag falls back", "ab", kFlagUpperCase, 4, "cd", 0, 3, false},
      {"a request option falls back", "<b>ab</b>", 0, 9, "cd", 0, 3, true},
      {"the record limit falls back", "a", 0, 1255, "b", 0, 1255, false},
  };
  const OutputFormat formats[] = {OutputFormat::kFixed, OutputFormat::kComma, OutputFormat::kTab,
                                  OutputFormat::kSpecial};
  for (const auto& row : rows)
    for (const OutputFormat format : formats) {
      SCOPED_TRACE(row.name);
      SCOPED_TRACE(WriterFor(format).name);
      Format(format);
      out.BatchRun = 1;
      request.strip_tags = row.strip_tags;
      in.InputFieldValues[1] = row.first;
      in.InputFieldValues[2] = row.second;
      const int limit_fields = std::string_view(row.name) == "the record limit falls back" ? 27 : 2;
      out.OutputFieldCount = limit_fields;
      for (int n = 1; n <= limit_fields; ++n) {
        const auto slot = static_cast<std::size_t>(n);
        const bool first = n % 2 == 1;
        out.OutputFieldSource[slot] = static_cast<std::int16_t>(first ? 1 : 2);
        out.OutputFieldFlags[slot] = first ? row.first_flags : row.second_flags;
        out.OutputFieldWidths[slot] =
            static_cast<std::int16_t>(first ? row.first_width : row.second_width);
        CopyText(out.OutputFieldDefaults[slot], first ? "dflt" : "");
      }
      std::vector<std::string> values[2];
      std::string records[2];
      std::vector<std::int32_t> longest[2];
      for (int pass = 0; pass < 2; ++pass) {
        out.OutputFieldLongest.fill(0);
        request.defer_plain_values = pass == 1;
        // The second record of a run is the one that finds its sources already emptied.
        Build();
        Build();
        SettleOutputValues(out);
        records[pass] = out.OutputRecord;
        for (int n = 1; n <= limit_fields; ++n) {
          values[pass].push_back(out.OutputFieldValues[static_cast<std::size_t>(n)]);
          longest[pass].push_back(out.OutputFieldLongest[static_cast<std::size_t>(n)]);
        }
      }
      EXPECT_TRUE(records[1] == records[0])
          << "[" << records[1].substr(0, 40) << "] [" << records[0].substr(0, 40) << "]";
      EXPECT_EQ(values[1], values[0]);
      EXPECT_EQ(longest[1], longest[0]);
    }
}

// A run cuts its lines into views and copies short values in fixed-size pieces, blanks written
// over what a piece brings past the value: every width around the piece size, left and right,
// against the general path, with values at the very end of the line.
TEST_F(RunShortcutTest, ViewsOfTheLineMatchTheGeneralPath) {
  in.InputLine.reserve(InputTables::kLineLimit + 1);
  out.BatchRun = 1;
  out.OutputFieldCount = 3;
  for (int width = 1; width <= 40; ++width)
    for (const std::uint32_t flags : {0u, kFlagRightJustify, kFlagRemoveBlanks | kFlagRightJustify})
      for (const char* line : {"abcdefghijklmnopqrstuvwxyz0123456789ABCD,  xy  ,z",
                               "1,,last value of the line, at its end ......",
                               "   ,12345678901234567890123456789012345"}) {
        SCOPED_TRACE(std::to_string(width) + " " + std::to_string(flags) + " " + line);
        for (int n = 1; n <= 3; ++n) {
          const auto slot = static_cast<std::size_t>(n);
          out.OutputFieldSource[slot] = static_cast<std::int16_t>(4 - n);
          out.OutputFieldFlags[slot] = n == 2 ? flags : kFlagRemoveBlanks;
          out.OutputFieldWidths[slot] = static_cast<std::int16_t>(n == 2 ? width : 41 - width);
          CopyText(out.OutputFieldDefaults[slot], "dflt");
        }
        std::string records[2];
        for (int pass = 0; pass < 2; ++pass) {
          in.InputLine = line;
          in.CutIntoViews = pass == 1;
          in.InputFieldTotal = CutCommaRecord(in);
          request.defer_plain_values = pass == 1;
          Build();
          Build();
          records[pass] = out.OutputRecord;
        }
        EXPECT_EQ(records[1], records[0]);
      }
}

// A run after a preview: the sources no field takes are emptied once and stay empty, while a
// source that a field takes is rebuilt at every record.
TEST_F(RunShortcutTest, ARunAfterAPreviewEmptiesWhatItDoesNotNeed) {
  out.SpecialSourceTable[kStreetRow][0] = 2;
  out.SpecialSourceTable[kPhoneRow][0] = 2;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[kStreetNumber], "10");
  EXPECT_EQ(out.GeneratedSourceValues[kRecordNumber], "1");
  out.BatchRun = 1;
  out.OutputFieldCount = 2;
  out.OutputFieldSource[2] = -kStreetName;
  for (const char* street : {"12 Oak Road", "", "7 Elm Street"}) {
    SCOPED_TRACE(street);
    in.InputFieldValues[2] = street;
    Build();
    EXPECT_EQ(out.GeneratedSourceValues[kAreaCode1], "") << "no phone is needed";
    EXPECT_EQ(out.GeneratedSourceValues[kRecordNumber], "") << "Record_Number is not needed";
    EXPECT_EQ(out.OutputFieldValues[2], out.GeneratedSourceValues[kStreetName]);
    if (*street == '\0') {
      EXPECT_EQ(out.GeneratedSourceValues[kStreetNumber], "")
          << "the parts of an empty street are empty";
      EXPECT_EQ(out.GeneratedSourceValues[kStreetName], "");
    }
  }
  EXPECT_EQ(out.GeneratedSourceValues[kStreetName], "Elm");
  out.BatchRun = 0;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[kStreetNumber], "7");
  EXPECT_EQ(out.GeneratedSourceValues[kRecordNumber], "5");
}

}  // namespace
}  // namespace vt
