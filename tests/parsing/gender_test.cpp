// Tests of the gender of a name: the dictionary, the gender list and the added first names.
#include "parsing/gender.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "strings/fixed_text.h"

namespace vt {
namespace {

struct ListEntry {
  std::string_view name;
  std::int16_t gender;
};

// A gender list as the loader leaves it: upper-case names, then the index.
std::unique_ptr<GenderList> MakeList(std::initializer_list<ListEntry> entries, bool indexed) {
  auto list = std::make_unique<GenderList>();
  std::size_t k = 0;
  for (const ListEntry& e : entries) {
    CopyText(list->GenderListNames[k], e.name);
    list->GenderListValues[k] = e.gender;
    ++k;
  }
  if (indexed) IndexGenderList(*list);
  return list;
}

struct Row {
  const char* name;
  std::string_view text;
  int expected;
};

TEST(GenderOfName, DictionaryAndBuiltInAddedNames) {
  const Row rows[] = {
      {"female", "Mary", -1},
      {"lower case", "mary", -1},
      {"two genders mix", "John Mary", 2},
      {"unknown word takes its neighbour", "John Smith", 1},
      {"unknown", "Chris", 0},
      {"empty", "", 0},
      {"separators only", " ,.", 0},
      {"leading separator leaves the first word empty", " John", 0},
      {"trailing punctuation trimmed", "Mary,", -1},
      {"rest looked up as one text", "Chris Chris Atma Singh", 1},
      {"only the rest known", "Chris Kim Mary", -1},
      {"agreeing words", "Mary Anne Mary", -1},
      {"added Walt male", "Walt", 1},
      {"added Kim ambiguous", "Kim", 0},
      {"accent removed by the dictionary", "Jos\xE9", 1},
      {"sixteen letters", "Johnjohnjohnjohn", 0},
      {"a word past 255", std::string_view("Maryyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy"),
       0},
  };
  auto list = MakeList({}, false);
  WordLists lists;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GenderOfName(row.text, *list, lists), row.expected) << row.text;
  }
}

class GenderOverrides : public ::testing::TestWithParam<bool> {};

TEST_P(GenderOverrides, ListOverridesDictionaryAndAddedNamesOverrideList) {
  auto list =
      MakeList({{"MARY", 1}, {"ROBIN", -1}, {"KIM", -1}, {"ROBIN", 1}, {"CHRIS", -1}}, GetParam());
  WordLists lists;
  SetSlot(lists.AddedFirstNames[2], "chris");
  lists.AddedFirstNameGenders[2] = 1;
  const Row rows[] = {
      {"list overrides the dictionary", "Mary", 1},
      {"last list entry wins", "Robin", 1},
      {"case ignored", "rOBIN", 1},
      {"added 0 overrides the list", "Kim", 0},
      {"added name overrides the list", "Chris", 1},
      {"not in any list", "John", 1},
      {"list and dictionary mix", "Mary Anne", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GenderOfName(row.text, *list, lists), row.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(IndexedOrScanned, GenderOverrides, ::testing::Bool());

TEST(GenderOfName, ListEndsAtItsFirstEmptyName) {
  auto list = MakeList({{"ROBIN", -1}, {"", 0}, {"MARY", 1}}, true);
  WordLists lists;
  EXPECT_EQ(list->IndexedCount, 1);
  EXPECT_EQ(GenderOfName("Robin", *list, lists), -1);
  EXPECT_EQ(GenderOfName("Mary", *list, lists), -1) << "the entry after the gap is never read";
}

TEST(GenderOfName, AddedNamesEndAtTheFirstEmptySlotAndAtSlot99) {
  auto list = MakeList({}, false);
  WordLists lists;
  SetSlot(lists.AddedFirstNames[2], "");
  SetSlot(lists.AddedFirstNames[3], "Mary");
  lists.AddedFirstNameGenders[3] = 1;
  EXPECT_EQ(GenderOfName("Mary", *list, lists), -1);

  for (std::size_t i = 0; i < kAddedNameSlots; ++i) {
    SetSlot(lists.AddedFirstNames[i], "Filler");
    lists.AddedFirstNameGenders[i] = 1;
  }
  SetSlot(lists.AddedFirstNames[99], "Mary");
  EXPECT_EQ(GenderOfName("Mary", *list, lists), -1) << "slot 99 is not read";
}

TEST(GenderOfName, LongerPieceNeverMatchesAStoredName) {
  auto list = MakeList({{"ABCDEFGHIJKLMNO", 1}}, true);
  WordLists lists;
  EXPECT_EQ(GenderOfName("Abcdefghijklmno", *list, lists), 1);
  EXPECT_EQ(GenderOfName("Abcdefghijklmnop", *list, lists), 0);
}

TEST(GenderOfName, IndexAgreesWithTheScanOnRandomLists) {
  std::mt19937 rng(8);
  std::uniform_int_distribution<int> letter(0, 3);
  std::uniform_int_distribution<int> length(1, 3);
  std::uniform_int_distribution<int> gender(-1, 1);
  auto random_word = [&] {
    std::string w;
    for (int i = length(rng); i > 0; --i) w.push_back(static_cast<char>("aBcD"[letter(rng)]));
    return w;
  };
  WordLists lists;
  auto scanned = std::make_unique<GenderList>();
  for (std::size_t k = 0; k < 500; ++k) {
    std::string name = random_word();
    for (char& c : name) c = UpperAscii(c);
    CopyText(scanned->GenderListNames[k], name);
    scanned->GenderListValues[k] = static_cast<std::int16_t>(gender(rng));
  }
  auto indexed = std::make_unique<GenderList>(*scanned);
  IndexGenderList(*indexed);
  for (int i = 0; i < 2000; ++i) {
    const std::string text = random_word() + " " + random_word() + " " + random_word();
    ASSERT_EQ(GenderOfName(text, *indexed, lists), GenderOfName(text, *scanned, lists)) << text;
  }
}

TEST(GenderVerdict, Texts) {
  EXPECT_EQ(GenderVerdict(0), "is ambiguous or undefined");
  EXPECT_EQ(GenderVerdict(1), "is defined as a male name");
  EXPECT_EQ(GenderVerdict(2), "is defined as a male name");
  EXPECT_EQ(GenderVerdict(-1), "is defined as a female name");
}

struct SourceRow {
  const char* name;
  GenderStepInput input;
  std::array<std::string_view, 3> expected;
};

TEST(GenderSourceTexts, Steps) {
  auto from_title = [](std::string_view title, std::string_view first, std::string_view middle,
                       std::string_view source1) {
    GenderStepInput in;
    in.gender_from_title = true;
    in.title = title;
    in.first = first;
    in.middle = middle;
    in.source_values = {source1, "", ""};
    return in;
  };
  GenderStepInput sources;
  sources.source_values = {"John & Mary", "John & Mary", "Mary"};
  GenderStepInput title_off;
  title_off.title = "Mrs";
  title_off.source_values = {"John", "", ""};
  GenderStepInput empty_caption = from_title("", "", "", "");
  empty_caption.male_title = "";
  const SourceRow rows[] = {
      {"Mrs whatever the first name", from_title("Mrs", "John", "", ""), {"F", "", ""}},
      {"male title caption", from_title("Mr.", "Mary", "", ""), {"M", "", ""}},
      {"female title caption", from_title("ms", "", "", ""), {"F", "", ""}},
      {"male middle name mixes, source decides",
       from_title("Mrs", "", "John", "Mary"),
       {"F", "", ""}},
      {"mixed and no source", from_title("Mrs", "", "John", ""), {"", "", ""}},
      {"no title: the first name", from_title("Dr", "Mary", "", ""), {"F", "", ""}},
      {"off: only the sources", title_off, {"M", "", ""}},
      {"mixed source 1 is male, sources 2 and 3 need one gender", sources, {"M", "", "F"}},
      {"an empty caption matches no empty title", empty_caption, {"", "", ""}},
  };
  auto list = MakeList({}, false);
  WordLists lists;
  for (const SourceRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GenderSourceTexts(row.input, *list, lists), row.expected);
  }
}

}  // namespace
}  // namespace vt
