// Random, maximal-length and high-byte lines fed to every parser: no crash, parts within bounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "parsing/capitalise.h"
#include "parsing/city.h"
#include "parsing/phone.h"
#include "parsing/soundex.h"
#include "parsing/street.h"
#include "parsing/word_lists.h"

namespace vt {
namespace {

// Bytes that steer the parsers into their branches, plus a few arbitrary ones.
constexpr std::string_view kAlphabet =
    "0123456789 "
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-'.,_/\"()\\#\t\xE9\xC9\xFF\x80";
constexpr std::string_view kTokens[] = {
    "PO Box", "P.O.",    "C-",    "Box",      "RR",         "Apt",    "Ste",     "Suite",
    "St",     "Street",  "Ave",   "N",        "North",      "East",   "FL",      "Highway",
    "Fifth",  "GEN",     "DEL",   "M5V2T6",   "62704 1234", "A-1010", "Vermont", "West Virginia",
    "B.C.",   "1234 AB", "AA-99", "SW1A 1AA", "iii",        "mc",     "o'",
};

std::string RandomLine(std::mt19937& rng, std::size_t max_size) {
  std::uniform_int_distribution<std::size_t> size_of(0, max_size);
  std::uniform_int_distribution<int> kind(0, 3);
  std::uniform_int_distribution<std::size_t> pick_char(0, kAlphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> pick_token(0, std::size(kTokens) - 1);
  std::uniform_int_distribution<int> any_byte(1, 255);
  const std::size_t size = size_of(rng);
  std::string line;
  while (line.size() < size) {
    switch (kind(rng)) {
      case 0:
        line.append(kTokens[pick_token(rng)]);
        line.push_back(' ');
        break;
      case 1:
        line.push_back(static_cast<char>(any_byte(rng)));
        break;
      default:
        line.push_back(kAlphabet[pick_char(rng)]);
        break;
    }
  }
  return line;
}

void ExpectBounded(const std::string& part) {
  EXPECT_LE(part.size(), kPartLimit);
}

void RunAll(const std::string& line, const WordLists& lists) {
  StreetParts street;
  std::string address;
  SplitStreetLine(line, lists, street);
  BuildStandardAddress(street, StreetAddressOrder(), address);
  for (const std::string* part :
       {&street.suite_designator, &street.suite_number, &street.street_number, &street.street_name,
        &street.street_designator, &street.direction, &street.non_civic, &street.odd_even,
        &address}) {
    ExpectBounded(*part);
  }
  CityParts city;
  std::string street_line;
  for (bool city_in_street : {false, true}) {
    SplitCityLine(line, lists, city_in_street, city);
    SplitCityInStreet(lists, city_in_street, city, street_line);
    ExpectBounded(city.city);
    ExpectBounded(city.state);
    ExpectBounded(city.postal);
    EXPECT_LE(street_line.size(), kCityLineLimit + 1);
  }
  PhoneParts phone;
  SplitPhone(line, phone);
  SplitPhoneFields(line, line, phone);
  ExpectBounded(phone.phone);
  std::string code;
  SoundexCode(line, code);
  EXPECT_TRUE(code.empty() || code.size() == 4);
  std::string name = line.substr(0, kPartLimit);
  CapitaliseName(name, lists);
  EXPECT_EQ(name.size(), std::min(line.size(), kPartLimit));
}

TEST(ParsersFuzz, RandomLines) {
  WordLists lists;
  std::mt19937 rng(20261209);
  for (int i = 0; i < 3000; ++i) {
    const std::string line = RandomLine(rng, i % 10 == 0 ? 1400 : 120);
    SCOPED_TRACE(i);
    RunAll(line, lists);
    if (HasFailure()) {
      ADD_FAILURE() << "line: " << line;
      return;
    }
  }
}

TEST(ParsersFuzz, MaximalAndDegenerateLines) {
  WordLists lists;
  const std::string lines[] = {
      std::string(1299, 'x'),
      std::string(32766, '9'),
      std::string(1299, ' '),
      std::string(300, '\xFF'),
      "C" + std::string(400, '1'),
      "P.O." + std::string(400, '7'),
      std::string(255, '5') + " Main St",
      "Box",
      "P.O.",
      "C-",
      "FL",
      "GEN DEL",
      "N",
      "A",
      std::string(1, '\0') + "12 Main St",
      "Main St N N N N N N",
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line.substr(0, 40));
    RunAll(line, lists);
  }
}

TEST(ParsersFuzz, EveryByteAlone) {
  WordLists lists;
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    RunAll(std::string(1, static_cast<char>(c)), lists);
    RunAll("12 Main St " + std::string(1, static_cast<char>(c)) + " 5", lists);
  }
}

TEST(ParsersFuzz, ManyNonCivicPhrasesStayWithinTheValueSize) {
  WordLists lists;
  // A long substitute for a short phrase makes the non-civic text grow past its line.
  SetSlot(lists.NonCivicWords[0], "X");
  SetSlot(lists.NonCivicSubstitutes[0], "A Long Substitute");
  std::string line;
  while (line.size() + 3 <= kStreetLineLimit) line.append("X1 ");
  StreetParts parts;
  SplitStreetLine(line, lists, parts);
  EXPECT_EQ(parts.non_civic.size(), kPartLimit);
}

}  // namespace
}  // namespace vt
