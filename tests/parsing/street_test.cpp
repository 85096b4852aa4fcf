// Tests of the street line parser and the standardised address.
#include "parsing/street.h"

#include <gtest/gtest.h>

#include <string>

#include "parsing/word_lists.h"

namespace vt {
namespace {

struct StreetRow {
  const char* name;
  std::string line;
  // Suite designator, suite number, street number, name, designator, direction, non-civic,
  // odd/even, standard address (start-up order).
  const char* parts[9];
};

const StreetRow kRows[] = {
    {"leading suite and direction",
     "Apt 4 123 N Main St",
     {"Apt", "4", "123", "Main", "St", "N", "", "O", "123 Main St N Apt 4"}},
    {"PO box alone", "PO Box 123", {"", "", "", "", "", "", "PO Box 123", "", "PO Box 123"}},
    {"dotted PO box before a street",
     "P.O. Box 9, 12 Main St",
     {"", "", "12", "Main", "St", "", "PO Box 9", "E", "12 Main St PO Box 9"}},
    {"station road stays a street",
     "Station Road",
     {"", "", "", "Station", "Rd", "", "", "", "Station Rd"}},
    {"leading suite, long type and direction",
     "Suite 5 100 King Street West",
     {"Suite", "5", "100", "King", "St", "W", "", "E", "100 King St W Suite 5"}},
    {"inner suite with a rest",
     "100 King St Ste 5 Rear",
     {"Suite", "5", "100", "King", "St", "", "Rear", "E", "100 King St Suite 5 Rear"}},
    {"floor",
     "12 Main St 3 FL",
     {",", "3 FLOOR", "12", "Main", "St", "", "", "E", "12 Main St , 3 FLOOR"}},
    {"highway number is no unit",
     "Highway 7",
     {"", "", "", "Highway 7", "", "", "", "", "Highway 7"}},
    {"trailing unit number",
     "12 Main St 4B",
     {"", "4B", "12", "Main", "St", "", "", "E", "12 Main St # 4B"}},
    {"number and a type word as name",
     "42 Street",
     {"", "", "42", "Street", "", "", "", "E", "42 Street"}},
    {"ordinal word", "100 Fifth Ave", {"", "", "100", "5TH", "Ave", "", "", "E", "100 5TH Ave"}},
    {"ordinal number", "100 42 St", {"", "", "100", "42ND", "St", "", "", "E", "100 42ND St"}},
    {"unit before number",
     "5 100 Main St",
     {"", "5", "100", "Main", "St", "", "", "E", "100 Main St # 5"}},
    {"box glued to its number",
     "Box12 Elm Rd",
     {"", "", "", "Elm", "Rd", "", "PO Box 12", "", "Elm Rd PO Box 12"}},
    {"even number with a letter",
     "24A Oak Ave",
     {"", "", "24A", "Oak", "Ave", "", "", "E", "24A Oak Ave"}},
    {"letter after the number",
     "12 B Main St",
     {"", "", "12B", "Main", "St", "", "", "E", "12B Main St"}},
    {"two-word direction",
     "10 Main St North East",
     {"", "", "10", "Main", "St", "NE", "", "E", "10 Main St NE"}},
    {"general delivery",
     "General Delivery",
     {"", "", "", "", "", "", "GENERAL DELIVERY", "", "GENERAL DELIVERY"}},
    {"general delivery after a box",
     "PO Box 5 General Delivery",
     {"", "", "", "", "", "", "PO Box 5 GENERAL DELIVERY", "", "PO Box 5 GENERAL DELIVERY"}},
    {"rural route",
     "RR 2 Site 5 Comp 9",
     {"", "", "", "", "", "", "RR 2 Site 5 Comp 9", "", "RR 2 Site 5 Comp 9"}},
    {"inner type with a tail",
     "100 Main St Rear Door",
     {"", "", "100", "Main", "St", "", "Rear Door", "E", "100 Main St Rear Door"}},
    {"inner long type becomes its abbreviation",
     "7 Park Avenue Building C2",
     {"", "", "7", "Park", "Ave", "", "C 2 Building", "O", "7 Park Ave C 2 Building"}},
    {"slashes and quotes become blanks",
     "\"12/14 Main St\"",
     {"", "12", "14", "Main", "St", "", "", "E", "14 Main St # 12"}},
    {"dotted phrase with digits right after it",
     "P.O.123 Main St",
     {"", "", "", "Main", "St", "", "PO Box 123", "", "Main St PO Box 123"}},
    {"C- with digits right after it",
     "C-45 Rural Rd",
     {"", "", "", "Rural", "Rd", "", "C 45", "", "Rural Rd C 45"}},
    {"dotted phrase without a number",
     "P.O. Main",
     {"", "", "", "P.O. Main", "", "", "", "", "P.O. Main"}},
    {"digits and a letter after a dotted phrase",
     "P.O.123A Main St",
     {"", "", "", "A Main", "St", "", "PO Box 123", "", "A Main St PO Box 123"}},
    {"glued number keeps its letters",
     "Box12B, Elm Rd",
     {"", "", "", "Elm", "Rd", "", "PO Box 12B", "", "Elm Rd PO Box 12B"}},
    {"long number parity",
     "123456789012345678901234567890 Long Rd",
     {"", "", "123456789012345678901234567890", "Long", "Rd", "", "", "E",
      "123456789012345678901234567890 Long Rd"}},
    {"empty", "", {"", "", "", "", "", "", "", "", ""}},
    {"separators only", " ,;- ", {"", "", "", "", "", "", "", "", ""}},
};

TEST(SplitStreetLine, GoldenTable) {
  WordLists lists;
  StreetParts parts;
  std::string address;
  for (const StreetRow& row : kRows) {
    SCOPED_TRACE(std::string(row.name) + ": " + row.line);
    SplitStreetLine(row.line, lists, parts);
    BuildStandardAddress(parts, StreetAddressOrder(), address);
    EXPECT_EQ(parts.suite_designator, row.parts[0]);
    EXPECT_EQ(parts.suite_number, row.parts[1]);
    EXPECT_EQ(parts.street_number, row.parts[2]);
    EXPECT_EQ(parts.street_name, row.parts[3]);
    EXPECT_EQ(parts.street_designator, row.parts[4]);
    EXPECT_EQ(parts.direction, row.parts[5]);
    EXPECT_EQ(parts.non_civic, row.parts[6]);
    EXPECT_EQ(parts.odd_even, row.parts[7]);
    EXPECT_EQ(address, row.parts[8]);
  }
}

TEST(SplitStreetLine, ResultsDoNotLeakFromTheLastCall) {
  WordLists lists;
  StreetParts parts;
  SplitStreetLine("Apt 4 123 N Main St", lists, parts);
  SplitStreetLine("Elm", lists, parts);
  EXPECT_EQ(parts.suite_designator, "");
  EXPECT_EQ(parts.suite_number, "");
  EXPECT_EQ(parts.street_number, "");
  EXPECT_EQ(parts.street_name, "Elm");
  EXPECT_EQ(parts.direction, "");
  EXPECT_EQ(parts.odd_even, "");
}

TEST(SplitStreetLine, EmptyListsTakeNoWords) {
  WordLists lists;
  lists.SuiteWords[0][0] = '\0';
  lists.NonCivicWords[0][0] = '\0';
  lists.StreetTypeWords[0][0] = '\0';
  lists.StreetTypeSubstitutes[0][0] = '\0';
  StreetParts parts;
  SplitStreetLine("Apt 4 PO Box 7 Main St", lists, parts);
  EXPECT_EQ(parts.suite_designator, "");
  EXPECT_EQ(parts.non_civic, "");
  EXPECT_EQ(parts.street_designator, "");
}

TEST(SplitStreetLine, LineIsCutAt256Characters) {
  WordLists lists;
  StreetParts parts;
  std::string line = "12 " + std::string(250, 'x') + " Main St";
  SplitStreetLine(line, lists, parts);
  EXPECT_EQ(parts.street_number, "12");
  EXPECT_EQ(parts.street_designator, "");
  EXPECT_EQ(parts.street_name.size(), 253u);
}

TEST(BuildStandardAddress, OrderAndDefaultSuite) {
  StreetParts parts;
  parts.suite_designator = "Apt";
  parts.suite_number = "4";
  parts.street_number = "123";
  parts.street_name = "Main";
  parts.street_designator = "St";
  std::string address;
  StreetAddressOrder order;
  order.use_default_suite = true;
  BuildStandardAddress(parts, order, address);
  EXPECT_EQ(address, "123 Main St # 4");
  order.positions = {1, 2, 3, 4, 5, 0, 0};
  order.use_default_suite = false;
  BuildStandardAddress(parts, order, address);
  EXPECT_EQ(address, "Apt 4 123 Main St");
  parts.suite_number.clear();
  BuildStandardAddress(parts, order, address);
  EXPECT_EQ(address, "123 Main St");
  order.positions = {9, -1, 4, 0, 0, 0, 0};
  BuildStandardAddress(parts, order, address);
  EXPECT_EQ(address, "Main");
}

TEST(AddOrdinalSuffix, Table) {
  const struct {
    const char* input;
    const char* expected;
  } rows[] = {
      {"1", "1ST"},   {"2", "2ND"},     {"3", "3RD"},     {"4", "4TH"},
      {"11", "11TH"}, {"12", "12TH"},   {"13", "13TH"},   {"21", "21ST"},
      {"42", "42ND"}, {"111", "111TH"}, {"0", "0"},       {"", ""},
      {"12A", "12A"}, {"Main", "Main"}, {" 22", " 22ND"}, {"00", "00TH"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    std::string text = row.input;
    AddOrdinalSuffix(text);
    EXPECT_EQ(text, row.expected);
  }
}

TEST(JoinStreetValues, BlanksAfterNonEmptyLine) {
  std::string line;
  JoinStreetValues({"", "12 Main St", "", "Apt 4", "", ""}, line);
  EXPECT_EQ(line, "12 Main St  Apt 4  ");
  JoinStreetValues({"", "", "", "", "", "x"}, line);
  EXPECT_EQ(line, "x");
  std::string long_value(300, 'a');
  JoinStreetValues({long_value, "", "", "", "", ""}, line);
  EXPECT_EQ(line.size(), kStreetLineLimit);
}

}  // namespace
}  // namespace vt
