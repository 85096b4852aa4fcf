// The strict number reader and C-locale printing of the output side.
#include "output/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace vt {
namespace {

TEST(NumberTextTest, LeadingNumberReadsOnlyDecimalNumbers) {
  const struct {
    const char* input;
    double expected;
  } rows[] = {
      {"", 0},        {"12", 12},         {"  -2.5xyz", -2.5},
      {"+.5", 0.5},   {"5.", 5},          {"1e3", 1000},
      {"1E-2", 0.01}, {"1e", 1},          {"1e+", 1},
      {"-", 0},       {".", 0},           {"-.e5", 0},
      {"nan", 0},     {"inf", 0},         {"Nancy", 0},
      {"0x1p3", 0},   {"\t\n7", 7},       {"1.5.2", 1.5},
      {"abc12", 0},   {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX},
      {"1e-400", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(LeadingNumber(row.input), row.expected);
  }
}

TEST(NumberTextTest, LeadingIntegerSaturatesAt32Bits) {
  const struct {
    const char* input;
    std::int32_t expected;
  } rows[] = {{"", 0},
              {" 42abc", 42},
              {"-17", -17},
              {"2147483647", 2147483647},
              {"2147483648", 2147483647},
              {"-2147483648", INT32_MIN},
              {"-99999999999999", INT32_MIN},
              {"12.9", 12},
              {"x1", 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(LeadingInteger(row.input), row.expected);
  }
}

TEST(NumberTextTest, LeadingHexIsA32BitScan) {
  const struct {
    const char* input;
    std::int32_t expected;
  } rows[] = {
      {"1FH", 31},         {"1f", 31}, {"0x10", 16}, {"FFFFFFFF", -1}, {"-1F", -31},
      {"123456789AB", -1}, {"G1", 0},  {"", 0},      {"0x", 0},        {"7FFFFFFF", INT32_MAX}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(LeadingHex(row.input), row.expected);
  }
}

TEST(NumberTextTest, PrintingAndCuttingZeros) {
  const struct {
    double x;
    int precision;
    const char* fixed;
    const char* cut;
  } rows[] = {{2.5, 14, "2.50000000000000", "2.5"},
              {3, 14, "3.00000000000000", "3"},
              {0, 14, "0.00000000000000", "0"},
              {100, 6, "100.000000", "100"},
              {-0.125, 2, "-0.12", "-0.12"},
              {1e20, 1, "100000000000000000000.0", "100000000000000000000"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.fixed);
    std::string text;
    AppendFixed(row.x, row.precision, text);
    EXPECT_EQ(text, row.fixed);
    std::string cut = "<";
    AppendNumberText(row.x, row.precision, cut);
    EXPECT_EQ(cut, std::string("<") + row.cut);
  }
  std::string sci;
  AppendScientific(1234.5, sci);
  EXPECT_EQ(sci, "1.234500e+03");
  std::string plain = "100";
  CutZeros(plain);
  EXPECT_EQ(plain, "100") << "a text without a point has no zeros to cut";
}

}  // namespace
}  // namespace vt
