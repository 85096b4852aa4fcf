// The builder's shortcuts: plain fields in one copy, plans kept across a run's records, and the
// sources a run leaves alone. Each must give what the full pipeline gives.
#include <gtest/gtest.h>

#include <string>

#include "main/strings/fixed_text.h"
#include "output/output_tables.h"
#include "output/record_builder.h"
#include "output/value_pipeline.h"

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
  field.source = -109;
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
    request.format.fixed = true;
    out.OutputFieldCount = 1;
    out.OutputFieldSource[1] = 1;
    out.OutputFieldFlags[1] = kFlagRemoveBlanks;
    out.OutputFieldWidths[1] = 4;
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
  out.OutputFieldSource[1] = -2;  // Record_Number
  EXPECT_EQ(Build(), "6  ");
  EXPECT_EQ(Build(), "7  ");
  out.OutputFieldCount = 0;
  EXPECT_EQ(Build(), "");
}

// A run after a preview: the sources no field takes are emptied once and stay empty, while a
// source that a field takes is rebuilt at every record.
TEST_F(RunShortcutTest, ARunAfterAPreviewEmptiesWhatItDoesNotNeed) {
  out.SpecialSourceTable[5][0] = 2;
  out.SpecialSourceTable[8][0] = 2;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[20], "10");
  EXPECT_EQ(out.GeneratedSourceValues[2], "1");
  out.BatchRun = 1;
  out.OutputFieldCount = 2;
  out.OutputFieldSource[2] = -21;  // Street Name
  for (const char* street : {"12 Oak Road", "", "7 Elm Street"}) {
    SCOPED_TRACE(street);
    in.InputFieldValues[2] = street;
    Build();
    EXPECT_EQ(out.GeneratedSourceValues[36], "") << "no phone is needed";
    EXPECT_EQ(out.GeneratedSourceValues[2], "") << "Record_Number is not needed";
    EXPECT_EQ(out.OutputFieldValues[2], out.GeneratedSourceValues[21]);
    if (*street == '\0') {
      EXPECT_EQ(out.GeneratedSourceValues[20], "") << "the parts of an empty street are empty";
      EXPECT_EQ(out.GeneratedSourceValues[21], "");
    }
  }
  EXPECT_EQ(out.GeneratedSourceValues[21], "Elm");
  out.BatchRun = 0;
  Build();
  EXPECT_EQ(out.GeneratedSourceValues[20], "7");
  EXPECT_EQ(out.GeneratedSourceValues[2], "5");
}

}  // namespace
}  // namespace vt
