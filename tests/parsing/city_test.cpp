// Tests of the city line parser and of separating a city from a street line.
#include "parsing/city.h"

#include <gtest/gtest.h>

#include <string>

#include "parsing/street.h"
#include "parsing/word_lists.h"

namespace vt {
namespace {

struct CityRow {
  const char* name;
  std::string line;
  bool city_in_street;
  const char* city;
  const char* state;
  const char* postal;
};

const CityRow kRows[] = {
    {"Canadian postcode without its blank", "Toronto ON M5V2T6", false, "Toronto", "ON", "M5V 2T6"},
    {"ZIP+4 written with a blank", "Springfield IL 62704 1234", false, "Springfield", "IL",
     "62704-1234"},
    {"province from the postcode", "Halifax B3H 1A1", false, "Halifax", "NS", "B3H 1A1"},
    {"British postcode, one word left", "London SW1A 1AA", false, "London", "", "SW1A 1AA"},
    {"Dutch postcode first", "1234 AB Amsterdam", false, "Amsterdam", "", "1234 AB"},
    {"leading number is a postcode", "75001 Paris", false, "Paris", "", "75001"},
    {"leading number stays with city in street", "75001 Paris", true, "75001", "Paris", ""},
    {"Austrian postcode", "A-1010 Wien", false, "Wien", "", "A-1010"},
    {"letter and number joined by a hyphen", "A 999 Town", false, "Town", "", "A-999"},
    {"Polish postcode in two words", "PL-00 950 Warszawa", false, "Warszawa", "", "PL-00 950"},
    {"state by name", "Austin Texas", false, "Austin", "TX", ""},
    {"two-letter code upper-cased", "Boise id", false, "Boise", "ID", ""},
    {"last word as state", "Portland Oregon Coast", false, "Portland Oregon", "Coast", ""},
    {"state name is not a word's tail", "Burlington Vermont", false, "Burlington", "VT", ""},
    {"longest state name wins", "Wheeling West Virginia", false, "Wheeling", "WV", ""},
    {"dotted state name", "Vancouver B.C.", false, "Vancouver", "BC", ""},
    {"three-word province", "Charlottetown Prince Edward Island", false, "Charlottetown", "PE", ""},
    {"five-digit ZIP", "Austin TX 78701", false, "Austin", "TX", "78701"},
    {"lower-case Canadian postcode gives XX", "Halifax b3h 1a1", false, "Halifax", "XX", "b3h 1a1"},
    {"postcode alone is not cut", "M5V 2T6", false, "M5V 2T6", "XX", ""},
    {"Canadian postcode after a comma", "Toronto,M5V 2T6", false, "Toronto", "ON", "M5V 2T6"},
    {"province and postcode after commas", "Toronto,ON,M5V 2T6", false, "Toronto", "ON", "M5V 2T6"},
    {"Canadian postcode after a bracket (the city step drops the closing one)", "Toronto (M5V 2T6",
     false, "Toronto", "ON", "M5V 2T6"},
    {"glued Canadian postcode after a comma", "Toronto,M5V2T6", false, "Toronto", "ON", "M5V 2T6"},
    {"glued Canadian postcode alone gets its blank", "M5V2T6", false, "M5V 2T6", "XX", ""},
    {"one word", "Springfield", false, "Springfield", "", ""},
    {"blank runs collapse", "Ottawa   ON   K1A  0B1", false, "Ottawa", "ON", "K1A 0B1"},
    {"state name alone", "Texas", false, "", "TX", ""},
    {"separators only", " , ", false, "", "", ""},
};

TEST(SplitCityLine, GoldenTable) {
  WordLists lists;
  CityParts parts;
  for (const CityRow& row : kRows) {
    SCOPED_TRACE(std::string(row.name) + ": " + row.line);
    parts.city = "stale";
    parts.state.clear();
    parts.postal.clear();
    SplitCityLine(row.line, lists, row.city_in_street, parts);
    EXPECT_EQ(parts.city, row.city);
    EXPECT_EQ(parts.state, row.state);
    EXPECT_EQ(parts.postal, row.postal);
  }
}

TEST(SplitCityLine, EmptyLineChangesNothing) {
  WordLists lists;
  CityParts parts;
  SplitCityLine("Kept ON", lists, false, parts);
  SplitCityLine("", lists, false, parts);
  EXPECT_EQ(parts.city, "Kept");
  EXPECT_EQ(parts.state, "ON");
}

TEST(SplitCityLine, FoundPartsAreNotEmptied) {
  WordLists lists;
  CityParts parts;
  parts.state = "QC";
  parts.postal = "H2X 1Y4";
  SplitCityLine("Montreal", lists, false, parts);
  EXPECT_EQ(parts.city, "Montreal");
  EXPECT_EQ(parts.state, "QC");
  EXPECT_EQ(parts.postal, "H2X 1Y4");
}

TEST(SplitCityLine, AnEmptyStateListFallsBackToTheLastWord) {
  WordLists lists;
  lists.StateNames[0][0] = '\0';
  CityParts parts;
  SplitCityLine("Austin Texas", lists, false, parts);
  EXPECT_EQ(parts.state, "Texas");
}

TEST(CanadianProvince, EveryByte) {
  const std::string_view expected = "XXNLNSPEXXNBXXQCQCXXQCONONONONXXONXXMBSKABXXBCXXNTYTXX";
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const int index = c - 64;
    const std::string_view want =
        index < 0 || index > 26 ? std::string_view("XX") : expected.substr(index * 2, 2);
    EXPECT_EQ(CanadianProvince(static_cast<char>(c)), want);
  }
}

struct CityInStreetRow {
  const char* name;
  std::string line;
  const char* street;
  const char* city;
  const char* state;
  const char* postal;
};

TEST(SplitCityInStreet, GoldenTable) {
  const CityInStreetRow rows[] = {
      {"street, city, state, zip", "123 Main St Springfield IL 62704", "123 Main St", "Springfield",
       "IL", "62704"},
      {"two-word city after a type", "55 King Street West Toronto ON M5V 2T6",
       "55 King Street West", "Toronto", "ON", "M5V 2T6"},
      {"direction stays with the street", "10 Elm Ave N Bay City MI", "10 Elm Ave N", "Bay City",
       "MI", ""},
      {"no type: the last word is the city", "123 Main Springfield IL", "123 Main", "Springfield",
       "IL", ""},
      {"no digits, no type", "Old Mill Springfield IL", "Old Mill", "Springfield", "IL", ""},
      {"later type word wins", "9 Park Rd Lake Ave Townsville ON", "9 Park Rd Lake Ave",
       "Townsville", "ON", ""},
      {"punctuation joins words", "12 Oak St., Dover, DE 19901", "12 Oak St", "Dover", "DE",
       "19901"},
      {"one word", "Springfield", "", "Springfield", "", ""},
  };
  WordLists lists;
  CityParts parts;
  std::string street;
  for (const CityInStreetRow& row : rows) {
    SCOPED_TRACE(std::string(row.name) + ": " + row.line);
    parts.city.clear();
    parts.state.clear();
    parts.postal.clear();
    street = row.line;
    SplitCityLine(row.line, lists, true, parts);
    SplitCityInStreet(lists, true, parts, street);
    EXPECT_EQ(street, row.street);
    EXPECT_EQ(parts.city, row.city);
    EXPECT_EQ(parts.state, row.state);
    EXPECT_EQ(parts.postal, row.postal);
  }
}

TEST(SplitCityInStreet, StreetPartFeedsTheStreetParser) {
  WordLists lists;
  CityParts city;
  std::string street;
  SplitCityLine("Apt 4 123 N Main St Springfield IL 62704", lists, true, city);
  SplitCityInStreet(lists, true, city, street);
  StreetParts parts;
  SplitStreetLine(street, lists, parts);
  EXPECT_EQ(city.city, "Springfield");
  EXPECT_EQ(parts.suite_number, "4");
  EXPECT_EQ(parts.street_number, "123");
  EXPECT_EQ(parts.street_name, "Main");
  EXPECT_EQ(parts.street_designator, "St");
  EXPECT_EQ(parts.direction, "N");
}

TEST(JoinCityValues, BlanksAndTrailingSeparators) {
  std::string line;
  JoinCityValues({"Toronto,", "ON", "", "M5V 2T6", ""}, line);
  EXPECT_EQ(line, "Toronto, ON  M5V 2T6");
  JoinCityValues({"", "", "", "", ""}, line);
  EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace vt
