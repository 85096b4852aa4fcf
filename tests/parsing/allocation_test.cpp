// Warmed-up parsers allocate nothing: every working text is reused from call to call.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>

#include "parsing/capitalise.h"
#include "parsing/city.h"
#include "parsing/gender.h"
#include "parsing/person_name.h"
#include "parsing/phone.h"
#include "parsing/soundex.h"
#include "parsing/street.h"
#include "parsing/word_lists.h"
#include "support/allocation_counter.h"

namespace vt {
namespace {

const char* const kStreets[] = {
    "Apt 4 123 N Main St",    "P.O. Box 9, 12 Main St",    "Suite 5 100 King Street West",
    "100 King St Ste 5 Rear", "12 Main St 3 FL",           "RR 2 Site 5 Comp 9",
    "General Delivery",       "7 Park Avenue Building C2",
};
const char* const kCities[] = {
    "Toronto ON M5V2T6", "Springfield IL 62704 1234", "Halifax B3H 1A1",        "London SW1A 1AA",
    "1234 AB Amsterdam", "PL-00 950 Warszawa",        "Wheeling West Virginia",
};

TEST(Allocation, WarmedUpParsersAllocateNothing) {
  WordLists lists;
  StreetParts street;
  CityParts city;
  PhoneParts phone;
  std::string address;
  std::string street_line;
  std::string code;
  std::string name;
  name.reserve(64);
  auto run_all = [&] {
    for (const char* line : kStreets) {
      SplitStreetLine(line, lists, street);
      BuildStandardAddress(street, StreetAddressOrder(), address);
    }
    for (const char* line : kCities) {
      city.state.clear();
      city.postal.clear();
      SplitCityLine(line, lists, true, city);
      SplitCityInStreet(lists, true, city, street_line);
    }
    SplitPhoneFields("(555) 123-4567", " ext 9", phone);
    SoundexCode("Tymczak", code);
    name = "o'neil-mcgee";
    CapitaliseName(name, lists);
  };
  run_all();
  run_all();
  const std::size_t before = testing::AllocationCount();
  run_all();
  EXPECT_EQ(testing::AllocationCount() - before, 0u);
  // The counter does see allocations.
  std::string probe(100, 'x');
  EXPECT_GT(testing::AllocationCount() - before, 0u);
}

TEST(Allocation, WarmedUpNameParserAndGenderLookupAllocateNothing) {
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  IndexGenderList(*genders);
  PersonName name;
  const char* const names[] = {
      "Dr. John A. Smith Jr.", "John & Mary Smith",     "Maria De La Cruz",
      "Judge and Mrs Smith",   "Smith John Teen Phone", "Mr. and Mrs. Ludwig van Beethoven PhD",
  };
  int sum = 0;
  auto run_all = [&] {
    for (const char* line : names) {
      ParsePersonName(line, PersonNameOptions(), lists, *genders, name);
      sum += GenderOfName(line, *genders, lists);
    }
  };
  run_all();
  run_all();
  const std::size_t before = testing::AllocationCount();
  run_all();
  EXPECT_EQ(testing::AllocationCount() - before, 0u) << sum;
}

}  // namespace
}  // namespace vt
