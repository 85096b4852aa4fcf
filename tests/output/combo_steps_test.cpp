// Combinations with their dividers and evaluation, unit conversion and splits, as the builder
// makes them, in the preview and in a run.
#include "output/combo_steps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "output/combinations.h"
#include "output/splits.h"
#include "output/unit_conversion.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

class ComboStepsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.InputFieldValues.assign(10, std::string());
    out.OutputFieldValues.assign(100, std::string());
    out.GeneratedSourceValues.assign(120, std::string());
    writer = MakeRecordLayout(OutputFormat::kComma, &out);
    request.writer = writer.get();
    // The start-up dividers: one blank everywhere but before combination 1.
    for (int c = 1; c <= kCombinations; ++c) {
      for (int p = 1; p <= kDividers; ++p) CopyText(CombinationDivider(out, c, p), " ");
    }
  }
  void Input(std::initializer_list<std::string> values) {
    int f = 0;
    for (const std::string& v : values) in.InputFieldValues[static_cast<std::size_t>(++f)] = v;
    in.InputFieldTotal = f;
  }
  void Components(int c, std::initializer_list<int> fields) {
    int k = 0;
    for (int f : fields) out.SpecialSourceTable[static_cast<std::size_t>(c)][++k] = f;
  }
  const std::string& Build() {
    ++in.RecordNumber;
    in.InputRecordCut();
    BuildOutputRecord(request, lists, in, out);
    return out.OutputRecord;
  }
  const std::string& Source(int k) {
    return out.GeneratedSourceValues[static_cast<std::size_t>(k)];
  }

  WordLists lists;
  InputTables in;
  OutputTables out;
  BuildRequest request;
  std::unique_ptr<RecordWriter> writer;
};

TEST_F(ComboStepsTest, CombinationsJoinTheirComponentsWithDividers) {
  Input({"John", "Smith   ", std::string(600, 'x'), ""});
  Components(1, {1, 2});
  Components(2, {2, 1});
  CopyText(CombinationDivider(out, 2, 1), "");
  CopyText(CombinationDivider(out, 2, 2), ", ");
  CopyText(CombinationDivider(out, 2, 3), "");
  Components(3, {3, 3, 3, 4, 3});
  Build();
  EXPECT_EQ(Source(kCombination1), " John Smith ");
  EXPECT_EQ(Source(kCombination2), "Smith, John ");
  EXPECT_EQ(Source(kCombination3).size(), kCombinationLimit);
  EXPECT_EQ(Source(kCombination4), " ") << "no components: the dividers alone";
  EXPECT_EQ(Source(kCombo1Alnum), "JOHNSMITH");

  // Divider 6 of a combination is position 0 of the next row, as preference files hold it.
  CopyText(out.CombinationDividers[2][0], "!");
  CopyText(out.CombinationDividers[5][0], "?");
  Build();
  EXPECT_EQ(Source(kCombination1), " John Smith!");
  EXPECT_EQ(Source(kCombination4), "?");
}

TEST_F(ComboStepsTest, EvaluatedCombinationsKeepTheirVariablesAcrossRecords) {
  request.evaluate = true;
  Input({"n=n+1", "n*10", "(1", "2.50"});
  for (int c = 1; c <= 4; ++c) Components(c, {c});
  const struct {
    const char* first;
    const char* second;
  } records[] = {{"1", "10"}, {"2", "20"}, {"3", "30"}};
  for (const auto& record : records) {
    Build();
    EXPECT_EQ(Source(kCombination1), record.first);
    EXPECT_EQ(Source(kCombination2), record.second);
    EXPECT_EQ(Source(kCombination3), "") << "an error empties the combination";
    EXPECT_EQ(Source(kCombination4), "2.5");
  }
  Input({"1e308*10", "0-1^0.5", "", ""});
  Build();
  EXPECT_EQ(Source(kCombination1), "1") << "1e308 is the number 1 and a name";
  Input({"99999999999999999999999999999999999999999999999999*1" + std::string(300, '0'), "(-8)^0.5",
         "", ""});
  Build();
  EXPECT_EQ(Source(kCombination1), "") << "infinity counts as an error";
  EXPECT_EQ(Source(kCombination2), "") << "so does NaN";
}

TEST_F(ComboStepsTest, UnitConversionAndSumOfCombinations) {
  Input({"100", "3.5", "abc", ""});
  for (int c = 1; c <= 4; ++c) Components(c, {c});
  CopyText(CombinationDivider(out, 1, 1), "");
  CopyText(CombinationDivider(out, 2, 1), "");
  out.ConversionCoefficients[0] = {32, 1.8};
  out.ConversionCoefficients[1] = {0.5, 2};
  out.ConversionCoefficients[2] = {-4, 1};
  Build();
  EXPECT_EQ(Source(kConvert1), "212");
  EXPECT_EQ(Source(kConvert2), "7.5");
  EXPECT_EQ(Source(kConvert3), "-4") << "a text that is no number counts as 0";
  EXPECT_EQ(Source(kConvert4), "0") << "no rule";
  EXPECT_EQ(Source(kSumOfCombos), "103.5");
  // One strict reader: no NaN, infinity or hexadecimal numbers.
  const struct {
    const char* text;
    const char* converted;
  } readings[] = {{"Nancy", "-4"}, {"inf", "-4"}, {"0x1A", "-4"}, {"1e2", "96"}, {"-2.5", "-6.5"}};
  for (const auto& reading : readings) {
    Input({"", "", reading.text, ""});
    Build();
    EXPECT_EQ(Source(kConvert3), reading.converted) << reading.text;
  }

  auto shown = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::string(text);
  };
  const struct {
    int type;
    int from;
    int to;
    const char* a;
    const char* b;
  } rules[] = {
      {0, 0, 1, "0", "1.60934400061469"},                   // mile to kilometer
      {5, 0, 2, "273.15", "1"},                             // Celsius to Kelvin
      {5, 0, 1, "32", "1.8"},                               // Celsius to Fahrenheit
      {5, 1, 0, "-17.7777777777778", "0.555555555555556"},  // Fahrenheit to Celsius
      {5, 2, 2, "0", "1"},                                  // the same unit
      {6, 3, 4, "0", "24"},                                 // day to hour
      // The ratio is rounded to 15 digits from extended precision, not from a double.
      {1, 5, 0, "0", "0.000390624849823684"},   // rood to square mile
      {2, 2, 28, "0", "44269.3207641408"},      // barrel (imp) to fluid dram
      {3, 18, 10, "0", "0.00416666705546015"},  // pennyweight to pound (troy)
      {7, 0, 1, "0", "0"},                      // no such type
  };
  for (const auto& r : rules) {
    SCOPED_TRACE(std::to_string(r.type) + " " + std::to_string(r.from) + " " +
                 std::to_string(r.to));
    const LinearRule rule = RuleOfUnits(r.type, r.from, r.to);
    EXPECT_EQ(shown(rule.a), r.a);
    EXPECT_EQ(shown(rule.b), r.b);
  }
  EXPECT_EQ(UnitTables()[5].units[3].name,
            "R\xE9"
            "aumur");
}

TEST(SplitTest, PartsAndDomains) {
  using B = SplitBasis;
  const struct {
    const char* value;
    int parts;
    SplitBasis basis;
    const char* a;
    const char* b;
    const char* c;
  } rows[] = {
      {"a,b,c,d", 3, B::kComma, "a", "b", "c,d"},
      {"a,b,c,d", 2, B::kComma, "a", "b,c,d", ""},
      {"a,b,c,d", 1, B::kComma, "a,b,c,d", "", ""},
      {"a", 2, B::kComma, "a", ",", ""},
      {"a,,", 3, B::kComma, "a", "", ""},
      {"12/31/1999", 3, B::kSlash, "12", "31", "1999"},
      {"  John   Q.  Public Jr", 3, B::kWords, "John", "Q", "Public Jr"},
      {"John Q Public", 1, B::kWords, "John Q Public", "", ""},
      {"John", 1, B::kWords, "John  ", "", ""},
      {"", 3, B::kWords, "", "", ""},
  };
  std::string a, b, c, domain;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    SplitValue(row.value, {row.parts, row.basis}, a, b, c, domain);
    EXPECT_EQ(a, row.a);
    EXPECT_EQ(b, row.b);
    EXPECT_EQ(c, row.c);
  }
  const struct {
    const char* value;
    const char* domain;
  } domains[] = {
      {"http://www.example.com/a.b/c", "example.com"},
      {"john@mail.co.uk", "mail.co.uk"},
      {"john@co.uk", "co.uk"},
      {"co.uk", "co.uk"},
      {"see www.bbc.co.uk today", "bbc.co.uk"},
      {"no dot here", ""},
      {"file.c", ""},
      {".com", ".com"},
  };
  for (const auto& row : domains) {
    SCOPED_TRACE(row.value);
    DomainOf(row.value, domain);
    EXPECT_EQ(domain, row.domain);
  }
}

TEST_F(ComboStepsTest, ARunComputesWhatItsFieldsNeedAndEmptiesItEveryRecord) {
  const int sources[] = {-kConvert1, -kSplit2B, -kDate1, -kDomainInSplit1};
  for (int source : sources) {
    const auto n = static_cast<std::size_t>(++out.OutputFieldCount);
    out.OutputFieldSource[n] = static_cast<std::int16_t>(source);
    CopyText(out.OutputFieldDecimals[n], " ");
  }
  Components(1, {1});
  CopyText(CombinationDivider(out, 1, 1), "");
  out.SpecialSourceTable[kGenderSplitRow][kFirstSplitSlot] = 2;
  out.SpecialSourceTable[kGenderSplitRow][kFirstSplitSlot + 1] = 2;
  out.DateTimeSources[1] = 3;
  out.ConversionCoefficients[0] = {1, 2};
  out.BatchRun = 1;
  Input({"4", "x@www.test.org y", "Dec 8 2026"});
  EXPECT_EQ(Build(), "\"9\",\"www\",\"Dec 08 2026\",\"test.org\"");
  Input({"", "", "none"});
  EXPECT_EQ(Build(), "\"1\",\"\",\"\",\"\"");
}

}  // namespace
}  // namespace vt
