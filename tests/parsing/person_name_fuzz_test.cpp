// Random, maximal-length and high-byte names fed to the name parser and the gender of a name:
// no crash or endless loop, and every part within its bounds.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "parsing/gender.h"
#include "parsing/person_name.h"

namespace vt {
namespace {

// Words that steer the parser into its branches, plus arbitrary bytes.
constexpr std::string_view kTokens[] = {
    "Mr",  "Mrs",   "Mr&Mrs", "Mr. and Mrs", "&",   "and",        "Dr.",  "Jr.",  "PhD",
    "Esq", "De",    "La",     "Van",         "Der", "Teen Phone", "dent", "John", "Mary",
    "Kim", "Smith", "Q.",     "_",           "-",   "'",          ",",    "\xE9", "ATMA SINGH",
};

std::string RandomName(std::mt19937& rng, std::size_t max_size) {
  std::uniform_int_distribution<std::size_t> size_of(0, max_size);
  std::uniform_int_distribution<int> kind(0, 2);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kTokens) - 1);
  std::uniform_int_distribution<int> any_byte(1, 255);
  const std::size_t size = size_of(rng);
  std::string line;
  while (line.size() < size) {
    if (kind(rng) == 0) {
      line.push_back(static_cast<char>(any_byte(rng)));
      continue;
    }
    line.append(kTokens[pick(rng)]);
    line.push_back(' ');
  }
  return line;
}

PersonNameOptions RandomOptions(std::mt19937& rng) {
  std::uniform_int_distribution<int> part(-1, 5);
  std::uniform_int_distribution<int> coin(0, 1);
  PersonNameOptions o;
  for (int& p : o.incoming) p = part(rng);
  for (int& p : o.standard) p = part(rng);
  o.guess_title = coin(rng) == 1;
  return o;
}

void ExpectBounded(const PersonName& name) {
  for (const std::string* part : {&name.first, &name.middle, &name.last}) {
    EXPECT_LE(part->size(), kNameWorkLimit);
  }
  for (const std::string* part : {&name.title, &name.suffix, &name.standard, &name.salutation}) {
    EXPECT_LE(part->size(), kPartLimit);
  }
}

TEST(PersonNameFuzz, RandomNamesAndOrders) {
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  std::string line;
  std::mt19937 rng(1104);
  for (int i = 0; i < 5000; ++i) {
    const std::string raw = RandomName(rng, i % 10 == 0 ? 1400 : 60);
    const PersonNameOptions options = RandomOptions(rng);
    SCOPED_TRACE(i);
    JoinNameValues({raw, raw, "", raw, raw}, line);
    EXPECT_LE(line.size(), kNameLineLimit);
    ParsePersonName(line, options, lists, *genders, name);
    ExpectBounded(name);
    const int g = GenderOfName(raw, *genders, lists);
    EXPECT_TRUE(g == -1 || g == 0 || g == 1 || g == 2) << g;
    if (HasFailure()) {
      ADD_FAILURE() << "name: " << raw;
      return;
    }
  }
}

TEST(PersonNameFuzz, MaximalAndDegenerateNames) {
  WordLists lists;
  // Long substitutes make the title and suffix grow fastest.
  SetSlot(lists.TitleSubstitutes[0], "Nineteen characters");
  SetSlot(lists.SuffixSubstitutes[0], "Nineteen characters");
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  std::string many_titles;
  while (many_titles.size() < 300) many_titles.append("Mr & ");
  std::string many_suffixes = "John";
  while (many_suffixes.size() < 300) many_suffixes.append(" Jr");
  const std::string lines[] = {
      std::string(1299, 'x'),
      std::string(32766, 'M'),
      std::string(300, ' '),
      std::string(300, '\xFF'),
      std::string(300, '_'),
      std::string(300, '&'),
      many_titles,
      many_suffixes,
      std::string(1, '\0') + "John Smith",
      "_ _ _",
      "and and and",
      "Mr and",
      "& Mrs",
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line.substr(0, 40));
    for (int order : {12345, 54321, 11111, 44444, 15}) {
      PersonNameOptions o;
      for (int i = 4; i >= 0; --i, order /= 10)
        o.incoming[static_cast<std::size_t>(i)] = order % 10;
      ParsePersonName(line, o, lists, *genders, name);
      ExpectBounded(name);
    }
    const int g = GenderOfName(line, *genders, lists);
    EXPECT_TRUE(g >= -1 && g <= 2);
  }
}

TEST(PersonNameFuzz, EveryByteAlone) {
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const std::string byte(1, static_cast<char>(c));
    ParsePersonName(byte, {}, lists, *genders, name);
    ExpectBounded(name);
    ParsePersonName("Dr John " + byte + " Smith", {}, lists, *genders, name);
    ExpectBounded(name);
    const int g = GenderOfName("John" + byte, *genders, lists);
    EXPECT_TRUE(g >= -1 && g <= 2);
  }
}

}  // namespace
}  // namespace vt
