// Generated sources: the names the enum gives the numbers match the display names.
#include "output/generated_sources.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vt {
namespace {

TEST(GeneratedSourcesTest, NamedNumbersGiveTheirDisplayNames) {
  const struct {
    int k;
    std::string_view name;
  } rows[] = {
      {kBlank, "Blank"},
      {kEmptyField, "Empty Field"},
      {kRecordNumber, "Record_Number"},
      {kSplit1A, "Split 1A"},
      {kStdAddress, "Std. Address"},
      {kPostalZip, "Postal/Zip"},
      {kGender1, "Gender 1"},
      {kTodaysYear, "Today's Year"},
      {kDate4, "Date 4"},
      {kDay1, "Day 1"},
      {kSecond4, "Second 4"},
      {kCombo1Alnum, "Combo1 ALNUM only"},
      {kConvert4, "Convert 4"},
      {kDomainInSplit1, "DomainInSplit1"},
      {k1403Skip, "1403 Skip"},
  };
  for (const auto& row : rows) EXPECT_EQ(GeneratedSourceName(row.k), row.name) << row.k;
  EXPECT_EQ(GeneratedSourceName(-1), "");
  EXPECT_EQ(GeneratedSourceName(kGeneratedSourceCount), "");
}

}  // namespace
}  // namespace vt
