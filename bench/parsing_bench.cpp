// Speed of the street, city, phone and Soundex parsers on realistic lines.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "parsing/capitalise.h"
#include "parsing/city.h"
#include "parsing/gender.h"
#include "parsing/person_name.h"
#include "parsing/phone.h"
#include "parsing/soundex.h"
#include "parsing/street.h"
#include "parsing/word_lists.h"

namespace {

const std::vector<std::string> kStreets = {
    "Apt 4 123 N Main St",         "P.O. Box 9, 12 Main St", "Suite 5 100 King Street West",
    "100 King St Ste 5 Rear",      "12 Main St 3 FL",        "RR 2 Site 5 Comp 9",
    "1600 Pennsylvania Avenue NW", "742 Evergreen Terrace",  "100 Fifth Ave",
    "221B Baker Street",
};

const std::vector<std::string> kCities = {
    "Toronto ON M5V2T6", "Springfield IL 62704 1234", "Halifax B3H 1A1",        "London SW1A 1AA",
    "1234 AB Amsterdam", "Burlington Vermont",        "Wheeling West Virginia", "Austin TX 78701",
};

const std::vector<std::string> kPhones = {
    "(555) 123-4567",
    "416.555.0199 ext 12",
    "555-0100",
    "+1 (902) 555 0143",
};

const std::vector<std::string> kNames = {
    "Robert", "Tymczak", "Jackson", "Honeyman", "McDonald-Smith", "Lloyd Wright",
};

void BM_Parsing_Street(benchmark::State& state) {
  vt::WordLists lists;
  vt::StreetParts parts;
  std::string address;
  std::size_t i = 0;
  for (auto _ : state) {
    vt::SplitStreetLine(kStreets[i], lists, parts);
    vt::BuildStandardAddress(parts, vt::StreetAddressOrder(), address);
    benchmark::DoNotOptimize(address.data());
    i = (i + 1) % kStreets.size();
  }
}
BENCHMARK(BM_Parsing_Street);

void BM_Parsing_City(benchmark::State& state) {
  vt::WordLists lists;
  vt::CityParts parts;
  std::size_t i = 0;
  for (auto _ : state) {
    parts.state.clear();
    parts.postal.clear();
    vt::SplitCityLine(kCities[i], lists, false, parts);
    benchmark::DoNotOptimize(parts.city.data());
    i = (i + 1) % kCities.size();
  }
}
BENCHMARK(BM_Parsing_City);

void BM_Parsing_CityInStreet(benchmark::State& state) {
  vt::WordLists lists;
  vt::CityParts parts;
  std::string street;
  for (auto _ : state) {
    parts.state.clear();
    parts.postal.clear();
    vt::SplitCityLine("123 Main St Springfield IL 62704", lists, true, parts);
    vt::SplitCityInStreet(lists, true, parts, street);
    benchmark::DoNotOptimize(street.data());
  }
}
BENCHMARK(BM_Parsing_CityInStreet);

void BM_Parsing_Phone(benchmark::State& state) {
  vt::PhoneParts parts;
  std::size_t i = 0;
  for (auto _ : state) {
    vt::SplitPhoneFields(kPhones[i], "", parts);
    benchmark::DoNotOptimize(parts.phone.data());
    i = (i + 1) % kPhones.size();
  }
}
BENCHMARK(BM_Parsing_Phone);

void BM_Parsing_Soundex(benchmark::State& state) {
  std::string code;
  std::size_t i = 0;
  for (auto _ : state) {
    vt::SoundexCode(kNames[i], code);
    benchmark::DoNotOptimize(code.data());
    i = (i + 1) % kNames.size();
  }
}
BENCHMARK(BM_Parsing_Soundex);

void BM_Parsing_Capitalise(benchmark::State& state) {
  vt::WordLists lists;
  std::string text;
  std::size_t i = 0;
  for (auto _ : state) {
    text = kNames[i];
    vt::CapitaliseName(text, lists);
    benchmark::DoNotOptimize(text.data());
    i = (i + 1) % kNames.size();
  }
}
BENCHMARK(BM_Parsing_Capitalise);

const std::vector<std::string> kPersonNames = {
    "Dr. John A. Smith Jr.",
    "John & Mary Smith",
    "Maria De La Cruz",
    "Mr and Mrs Smith",
    "Ludwig van Beethoven",
    "Robert Louis Stevenson",
    "Kim Lee",
    "Smith John Residence Phone",
    "Sgt Pat O'Brien Sr",
};

const std::vector<std::string> kFirstNames = {
    "John", "Mary", "John Mary", "Chris", "Jean Paul", "Robert Louis", "Kim", "Ann-Marie Smith",
};

// A full gender.txt list: 10,000 made-up names, indexed as the loader leaves it.
std::unique_ptr<vt::GenderList> FullGenderList() {
  auto list = std::make_unique<vt::GenderList>();
  for (int k = 0; k < vt::GenderList::kCapacity; ++k) {
    std::string name = "N";
    for (int v = k; v > 0; v /= 26) name.push_back(static_cast<char>('A' + v % 26));
    for (std::size_t i = 0; i < name.size(); ++i) list->GenderListNames[k][i] = name[i];
    list->GenderListValues[k] = static_cast<std::int16_t>(k % 3 - 1);
  }
  vt::IndexGenderList(*list);
  return list;
}

void BM_Parsing_GenderOfName(benchmark::State& state) {
  vt::WordLists lists;
  auto genders = std::make_unique<vt::GenderList>();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::GenderOfName(kFirstNames[i], *genders, lists));
    i = (i + 1) % kFirstNames.size();
  }
}
BENCHMARK(BM_Parsing_GenderOfName);

void BM_Parsing_GenderOfNameFullList(benchmark::State& state) {
  vt::WordLists lists;
  auto genders = FullGenderList();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::GenderOfName(kFirstNames[i], *genders, lists));
    i = (i + 1) % kFirstNames.size();
  }
}
BENCHMARK(BM_Parsing_GenderOfNameFullList);

void BM_Parsing_PersonName(benchmark::State& state) {
  vt::WordLists lists;
  auto genders = std::make_unique<vt::GenderList>();
  vt::PersonName name;
  std::size_t i = 0;
  for (auto _ : state) {
    vt::ParsePersonName(kPersonNames[i], vt::PersonNameOptions(), lists, *genders, name);
    benchmark::DoNotOptimize(name.standard.data());
    i = (i + 1) % kPersonNames.size();
  }
}
BENCHMARK(BM_Parsing_PersonName);

// Every strip slot in use: the strip step's cost grows with the list, not only the line.
void BM_Parsing_PersonNameFullStripList(benchmark::State& state) {
  auto lists = std::make_unique<vt::WordLists>();
  for (std::size_t i = 0; i < vt::kWordSlots; ++i) {
    vt::SetSlot(lists->NameStripWords[i], "strip phrase " + std::to_string(i));
  }
  auto genders = std::make_unique<vt::GenderList>();
  vt::PersonName name;
  std::size_t i = 0;
  for (auto _ : state) {
    vt::ParsePersonName(kPersonNames[i], vt::PersonNameOptions(), *lists, *genders, name);
    benchmark::DoNotOptimize(name.standard.data());
    i = (i + 1) % kPersonNames.size();
  }
}
BENCHMARK(BM_Parsing_PersonNameFullStripList);

}  // namespace
