// The per-field conversions of an output value, row by row.
#include "output/value_pipeline.h"

#include <gtest/gtest.h>

#include <string>

#include "output/field_names.h"
#include "output/generated_sources.h"
#include "output/output_tables.h"

namespace vt {
namespace {

struct NumericRow {
  const char* name;
  const char* input;
  std::uint32_t flags;
  const char* decimals;
  int width;
  const char* expected;
};

TEST(ValuePipelineTest, NumericFormatting) {
  constexpr std::uint32_t kNum = kFlagNumeric;
  constexpr std::uint32_t kZero = kFlagNumeric | kFlagRemoveBlanks;
  const NumericRow rows[] = {
      {"round up", "2.345", kNum | kFlagRound, "2", 0, "2.35"},
      {"round negative", "-2.345", kNum | kFlagRound, "2", 0, "-2.35"},
      {"decimals pad", "7", kNum | kFlagRound, "2", 0, "7.00"},
      {"no decimals six places", "0.1234567", kNum, " ", 0, "0.123457"},
      {"no decimals integer", "100", kNum, " ", 0, "100"},
      {"no decimals half", "12.5", kNum, "  ", 0, "12.5"},
      {"two decimals", "12.5", kNum, "2", 0, "12.50"},
      {"zero decimals cut", "12.7", kNum, "0", 0, "12"},
      {"zero decimals round", "12.7", kNum | kFlagRound, "0", 0, "13"},
      {"blank given decimals", "1.239", kNum, " 2", 0, "1.23"},
      {"twelve decimals", "1.5", kNum, "12", 0, "1.500000000000"},
      {"negative decimals not given", "2.5", kNum, "-1", 0, "2.5"},
      {"empty", "", kNum, " ", 0, ""},
      {"N/A", "N/A", kNum, " ", 0, ""},
      {"empty zero blanks", "", kZero, " ", 0, "0"},
      {"N/A zero blanks", "N/A", kZero, " ", 0, "0"},
      {"hex input", "1FH", kNum, " ", 0, "31"},
      {"hex both", "1FH", kNum | kFlagHex, " ", 0, "1FH"},
      {"hex of minus one", "-1", kNum | kFlagHex, " ", 0, "FFFFFFFFH"},
      {"hex of fraction", "123.9", kNum | kFlagHex, " ", 0, "7BH"},
      {"scientific", "1234.5", kNum | kFlagScientific, "2", 0, "1.234500E+03"},
      {"div 100", "1234", kNum | kFlagDiv100, "2", 0, "12.34"},
      {"mult 100", "0.25", kNum | kFlagMult100, " ", 0, "25"},
      {"leading zeros", "-12", kNum | kFlagLeadingZeros, " ", 6, "-00012"},
      {"right align", "12", kNum | kFlagRightJustify, " ", 5, "   12"},
      {"nan is no number", "nan", kNum, " ", 0, ""},
      {"Nancy is no number", "Nancy", kNum, " ", 0, ""},
      {"zero stays", "0", kNum, " ", 0, "0"},
      {"currency", "$1,234.50", kNum, "2", 0, "1234.50"},
      // Beyond the double range the number is infinite, whatever the options make of it.
      {"infinite", "1E400", kNum, " ", 0, "INF"},
      {"infinite with decimals", "1E400", kNum | kFlagRound, "2", 0, "INF"},
      {"infinite negative", "-1e400", kNum, "0", 0, "-INF"},
      {"infinite after x100", "1E307", kNum | kFlagMult100, "2", 0, "INF"},
      {"infinite /100", "1E400", kNum | kFlagDiv100, " ", 0, "INF"},
      {"infinite scientific", "1E400", kNum | kFlagScientific, " ", 0, "INF"},
      {"infinite hex has no leading integer", "1E400", kNum | kFlagHex, " ", 0, "0H"},
      {"infinite leading zeros", "-1E400", kNum | kFlagLeadingZeros, " ", 7, "-000INF"},
  };
  for (const NumericRow& row : rows) {
    SCOPED_TRACE(row.name);
    FieldSpec field;
    field.flags = row.flags;
    field.decimals = row.decimals;
    field.width = row.width;
    std::string t;
    FormatNumeric(row.input, field, false, t);
    EXPECT_EQ(t, row.expected);
  }
}

TEST(ValuePipelineTest, DbaseNumbersAlignRight) {
  FieldSpec field;
  field.flags = kFlagNumeric | kFlagLeadingZeros;
  field.decimals = "1";
  field.width = 6;
  std::string t;
  FormatNumeric("3.14", field, true, t);
  EXPECT_EQ(t, "   3.1") << "dBase aligns with blanks and ignores Ldg 0";
}

TEST(ValuePipelineTest, LogicLetters) {
  const struct {
    const char* input;
    char expected;
  } rows[] = {{"yes", 'T'}, {"no", 'F'},    {"0", 'F'},  {"12", 'T'}, {"maybe", '?'},
              {"", '?'},    {" true", 'T'}, {"-3", 'T'}, {"F", 'F'},  {"_x", '?'}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(LogicLetter(row.input), row.expected);
  }
}

TEST(ValuePipelineTest, TrimAndStripTags) {
  const struct {
    const char* input;
    const char* expected;
  } trims[] = {{"   ", ""},          {"  ab \t", "ab"},  {"\tab", "\tab"}, {"\t", "\t"},
               {"\x07\x07", "\x07"}, {"a\xA0", "a\xA0"}, {"", ""}};
  for (const auto& row : trims) {
    SCOPED_TRACE(row.input);
    std::string v = row.input;
    TrimValue(v);
    EXPECT_EQ(v, row.expected);
  }
  const struct {
    const char* input;
    const char* expected;
  } tags[] = {{"a<b>c<d", "ac"}, {"<p>x</p>", "x"}, {"a>b", "a>b"}, {"<", ""}};
  for (const auto& row : tags) {
    SCOPED_TRACE(row.input);
    std::string v = row.input;
    StripTagText(v);
    EXPECT_EQ(v, row.expected);
  }
}

struct FieldRow {
  const char* name;
  const char* input;
  std::uint32_t flags;
  int width;
  const char* default_text;
  std::int16_t source;
  const char* expected;
};

TEST(ValuePipelineTest, FieldConversions) {
  const FieldRow rows[] = {
      {"upper latin-1", "caf\xE9", kFlagUpperCase, 0, "", 1, "CAF\xC9"},
      {"lower", "ABC", kFlagLowerCase, 0, "", 1, "abc"},
      {"soundex", "Tymczak", kFlagSoundex, 0, "", 1, "T520"},
      {"soundex of empty stays empty", "", kFlagSoundex, 0, "", 1, ""},
      {"soundex of no letter is a code", "---", kFlagSoundex, 0, "none", 1, " 000"},
      {"default", "", 0, 0, "none", 1, "none"},
      {"trim then default", "   ", kFlagRemoveBlanks, 0, "dflt", 1, "dflt"},
      {"width pads", "ab", 0, 4, "", 1, "ab  "},
      {"width cuts", "abcdef", 0, 3, "", 1, "abc"},
      {"right align text", "ab", kFlagRightJustify, 4, "", 1, "  ab"},
      {"logic sets width one", "yes", kFlagDbaseLogic, 5, "", 1, "T"},
      {"tab source keeps its tab", "\t", kFlagRemoveBlanks, 0, "", -kTab, "\t"},
      {"1403 skip is not trimmed", "\x07\x07", kFlagRemoveBlanks, 0, "", -k1403Skip, "\x07\x07"},
      {"width above the buffer is held", "x", 0, 30000, "", 1, nullptr},
  };
  for (const FieldRow& row : rows) {
    SCOPED_TRACE(row.name);
    FieldSpec field;
    field.flags = row.flags;
    field.width = row.width;
    field.default_text = row.default_text;
    field.source = row.source;
    PipelineContext context;
    std::string v = row.input, previous, scratch;
    const FieldOutcome outcome = ConvertFieldValue(v, field, context, previous, scratch);
    if (row.expected == nullptr) {
      EXPECT_EQ(v.size(), static_cast<std::size_t>(kMaxFieldWidth));
      continue;
    }
    EXPECT_EQ(v, row.expected);
    EXPECT_EQ(outcome.width_set_to_one, (row.flags & kFlagDbaseLogic) != 0);
  }
}

TEST(ValuePipelineTest, RepeatIfBlankDuplicatesAndSkips) {
  FieldSpec field;
  field.flags = kFlagDupIfBlank | kFlagDeDup;
  PipelineContext context;
  std::string previous = "old", scratch, v;
  context.record_number = 1;
  FieldOutcome outcome = ConvertFieldValue(v, field, context, previous, scratch);
  EXPECT_EQ(v, "") << "the first record has nothing to repeat";
  context.record_number = 2;
  previous = "kept";
  v.clear();
  outcome = ConvertFieldValue(v, field, context, previous, scratch);
  EXPECT_EQ(v, "kept");
  EXPECT_TRUE(outcome.is_criterion);
  EXPECT_TRUE(outcome.matched);
  v = "new";
  outcome = ConvertFieldValue(v, field, context, previous, scratch);
  EXPECT_FALSE(outcome.matched);
  EXPECT_EQ(previous, "new");

  const struct {
    std::uint32_t flags;
    const char* input;
    const char* default_text;
    bool skip;
  } skips[] = {{kFlagSkipIfNull, "", "", true},
               {kFlagSkipIfNull, "x", "", false},
               {kFlagSkipIfNull | kFlagSkipWhenFull, "x", "", true},
               {kFlagSkipIfNull | kFlagSkipWhenFull, "", "", false},
               {kFlagSkipIfNull | kFlagSkipWhenFull, "", "dflt", true}};
  for (const auto& row : skips) {
    SCOPED_TRACE(row.input);
    FieldSpec f;
    f.flags = row.flags;
    f.default_text = row.default_text;
    std::string value = row.input, prev;
    EXPECT_EQ(ConvertFieldValue(value, f, context, prev, scratch).marks_skip, row.skip);
  }
}

TEST(ValuePipelineTest, PreviousHoldsAWholeLongValue) {
  FieldSpec field;
  field.flags = kFlagDupIfBlank;
  PipelineContext context;
  context.record_number = 2;
  std::string previous, scratch, v(1299, 'x');
  (void)ConvertFieldValue(v, field, context, previous, scratch);
  v.clear();
  (void)ConvertFieldValue(v, field, context, previous, scratch);
  EXPECT_EQ(v.size(), 1299u);
}

TEST(ValuePipelineTest, FieldNamesForDbaseAndXml) {
  const struct {
    const char* input;
    const char* dbf;
    const char* xml;
  } rows[] = {{"", "Z         ", "Z"},
              {"1st name", "Z1ST_NAME ", "Z1st_name"},
              {"Amount.", "AMOUNT    ", "Amount"},
              {"<Record>", "Z_RECORD  ", "Record"},
              {"averyveryverylongname", "AVERYVERYV", "averyveryverylongname"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    std::string name;
    MakeDbfFieldName(row.input, name);
    EXPECT_EQ(name, row.dbf);
    MakeXmlName(row.input, name);
    EXPECT_EQ(name, row.xml);
  }
}

}  // namespace
}  // namespace vt
