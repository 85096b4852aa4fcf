// Checks the built-in first-name table and its index against the properties the table must have.
#include "dictionary/first_name_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vt {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\'';
}

std::vector<std::string_view> AllEntries() {
  std::vector<std::string_view> all;
  for (const FirstNameRun& run : kFirstNameRuns) {
    all.insert(all.end(), run.names.begin(), run.names.end());
  }
  return all;
}

TEST(FirstNameTableTest, RunsHaveTheirSizeGenderAndEnds) {
  struct Row {
    std::size_t size;
    int gender;
    std::string_view first;
    std::string_view last;
  };
  const Row rows[] = {
      {2'106, 1, "AAMIR", "ZYGMUNT"},
      {2'795, -1, "AALTJE", "ZUS"},
      {1'988, 1, "ABBOT", "ZVI"},
      {3'472, -1, "ABBE", "ZULEMA"},
  };
  std::size_t total = 0;
  for (std::size_t r = 0; r < kFirstNameRuns.size(); ++r) {
    SCOPED_TRACE("run " + std::to_string(r + 1));
    const FirstNameRun& run = kFirstNameRuns[r];
    ASSERT_EQ(run.names.size(), rows[r].size);
    EXPECT_EQ(run.gender, rows[r].gender);
    EXPECT_EQ(run.names.front(), rows[r].first);
    EXPECT_EQ(run.names.back(), rows[r].last);
    total += run.names.size();
  }
  EXPECT_EQ(total, 10'361u);
}

TEST(FirstNameTableTest, EveryEntryIsAWellFormedName) {
  std::size_t with_blank = 0;
  std::size_t with_hyphen = 0;
  std::vector<std::string_view> with_apostrophe;
  for (std::string_view name : AllEntries()) {
    SCOPED_TRACE(std::string(name));
    ASSERT_GE(name.size(), kFirstNameMinLength);
    ASSERT_LE(name.size(), kFirstNameMaxLength);
    for (char c : name) EXPECT_TRUE(IsNameChar(c)) << "byte " << int{static_cast<unsigned char>(c)};
    EXPECT_NE(name.front(), ' ');
    EXPECT_NE(name.back(), ' ');
    EXPECT_NE(name.front(), '-');
    EXPECT_NE(name.back(), '-');
    EXPECT_EQ(name.find("  "), std::string_view::npos);
    if (name.find(' ') != std::string_view::npos) ++with_blank;
    if (name.find('-') != std::string_view::npos) ++with_hyphen;
    if (name.find('\'') != std::string_view::npos) with_apostrophe.push_back(name);
  }
  EXPECT_EQ(with_blank, 144u);
  EXPECT_EQ(with_hyphen, 70u);
  EXPECT_EQ(with_apostrophe, std::vector<std::string_view>{"D'ARCY"});
}

TEST(FirstNameTableTest, CountsByLength) {
  const std::map<std::size_t, std::size_t> expected = {
      {2, 57},  {3, 325},  {4, 1'126}, {5, 2'154}, {6, 2'621}, {7, 2'121}, {8, 1'182},
      {9, 515}, {10, 188}, {11, 43},   {12, 14},   {13, 7},    {14, 6},    {15, 2},
  };
  std::map<std::size_t, std::size_t> counts;
  for (std::string_view name : AllEntries()) ++counts[name.size()];
  EXPECT_EQ(counts, expected);
}

TEST(FirstNameTableTest, NoNameIsBothMaleAndFemale) {
  std::set<std::string_view> male;
  std::set<std::string_view> female;
  for (const FirstNameRun& run : kFirstNameRuns) {
    (run.gender == 1 ? male : female).insert(run.names.begin(), run.names.end());
  }
  for (std::string_view name : male) EXPECT_EQ(female.count(name), 0u) << name;
}

TEST(FirstNameTableTest, OnlyDonAndAbigailRepeat) {
  std::map<std::string_view, std::vector<std::size_t>> runs_of;
  for (std::size_t r = 0; r < kFirstNameRuns.size(); ++r) {
    for (std::string_view name : kFirstNameRuns[r].names) runs_of[name].push_back(r + 1);
  }
  std::map<std::string_view, std::vector<std::size_t>> repeated;
  for (const auto& [name, runs] : runs_of) {
    if (runs.size() > 1) repeated[name] = runs;
  }
  const std::map<std::string_view, std::vector<std::size_t>> expected = {
      {"ABIGAIL", {2, 4}},
      {"DON", {1, 1}},
  };
  EXPECT_EQ(repeated, expected);

  const auto& run1 = kFirstNameRuns[0].names;
  bool don_twice_in_a_row = false;
  for (std::size_t i = 1; i < run1.size(); ++i) {
    if (run1[i] == "DON" && run1[i - 1] == "DON") don_twice_in_a_row = true;
  }
  EXPECT_TRUE(don_twice_in_a_row);
}

// Runs 3 and 4 are strictly alphabetical; runs 1 and 2 each step back in five places, an order
// that a sorted copy would lose.
TEST(FirstNameTableTest, CompareOrderOfTheRuns) {
  const std::size_t expected_steps_back[] = {5, 5, 0, 0};
  for (std::size_t r = 0; r < kFirstNameRuns.size(); ++r) {
    SCOPED_TRACE("run " + std::to_string(r + 1));
    const auto& names = kFirstNameRuns[r].names;
    std::size_t steps_back = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
      if (names[i] < names[i - 1]) ++steps_back;
      if (r >= 2) {
        EXPECT_LT(names[i - 1], names[i]) << "at " << i;
      }
    }
    EXPECT_EQ(steps_back, expected_steps_back[r]);
  }
  EXPECT_EQ(kFirstNameRuns[0].names[158], "ARNIS");
  EXPECT_EQ(kFirstNameRuns[0].names[159], "ARNALDO");
}

// The index holds every distinct name once, in byte order, zero-padded, with the gender of the
// name's first entry in compare order.
TEST(FirstNameTableTest, IndexMatchesTheRuns) {
  std::map<std::string, int> first_gender;
  for (const FirstNameRun& run : kFirstNameRuns) {
    for (std::string_view name : run.names) first_gender.emplace(name, run.gender);
  }
  ASSERT_EQ(kFirstNameIndex.size(), first_gender.size());
  EXPECT_EQ(kFirstNameIndex.size(), 10'359u);

  auto expected = first_gender.begin();
  for (const FirstNameIndexEntry& entry : kFirstNameIndex) {
    const std::string name(entry.name);
    SCOPED_TRACE(name);
    EXPECT_EQ(name, expected->first);
    EXPECT_EQ(entry.gender, expected->second);
    for (std::size_t i = name.size(); i < sizeof entry.name; ++i) EXPECT_EQ(entry.name[i], '\0');
    ++expected;
  }
  for (std::size_t i = 1; i < kFirstNameIndex.size(); ++i) {
    EXPECT_LT(std::string_view(kFirstNameIndex[i - 1].name),
              std::string_view(kFirstNameIndex[i].name));
  }
}

}  // namespace
}  // namespace vt
