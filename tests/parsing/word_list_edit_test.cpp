// Tests of the word-list edits: Add targets, stores cut to the slot, deletion and shown forms.
#include "parsing/word_list_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "parsing/word_lists.h"

namespace vt {
namespace {

enum class List { kTitles, kSuffixes, kSuites, kStrips, kCapitals, kPrefixes, kStates };

struct Tables {
  SlotTable words;
  SlotTable seconds;
};

Tables TablesOf(WordLists& w, List list) {
  switch (list) {
    case List::kTitles:
      return {SlotTable(w.TitleWords), SlotTable(w.TitleSubstitutes)};
    case List::kSuffixes:
      return {SlotTable(w.SuffixWords), SlotTable(w.SuffixSubstitutes)};
    case List::kSuites:
      return {SlotTable(w.SuiteWords), SlotTable(w.SuiteSubstitutes)};
    case List::kStrips:
      return {SlotTable(w.NameStripWords), {}};
    case List::kCapitals:
      return {SlotTable(w.CapitalExceptions), {}};
    case List::kPrefixes:
      return {SlotTable(w.SurnamePrefixes), SlotTable(w.SurnamePrefixSeconds)};
    case List::kStates:
      return {SlotTable(w.StateNames), SlotTable(w.StateCodes)};
  }
  return {};
}

std::vector<std::string> Texts(const SlotTable& table, std::size_t from, std::size_t to) {
  std::vector<std::string> texts;
  for (std::size_t i = from; i < to; ++i) texts.emplace_back(table.Text(i));
  return texts;
}

TEST(WordListEdit, AddTargetsTheFirstFreeSlotOrTheLastOne) {
  const struct {
    const char* name;
    std::size_t used;
    std::size_t capacity;
    std::size_t target;
  } rows[] = {
      {"empty", 0, 50, 0},
      {"some", 17, 50, 17},
      {"49 used", 49, 50, 49},
      {"full", 50, 50, 49},
      {"states 0..98", 99, 99, 98},  // slot 99 is never read by the parser
      {"states all 100", 100, 99, 98},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto w = std::make_unique<WordLists>();
    SlotTable names(w->StateNames);
    for (std::size_t i = 0; i < 100; ++i) names.Store(i, i < row.used ? "Name" : "");
    EXPECT_EQ(AddTarget(names, row.capacity), row.target);
  }
  auto w = std::make_unique<WordLists>();
  w->TitleWords[0][0] = '\0';
  EXPECT_EQ(AddTarget(SlotTable(w->TitleWords), 50), 0u) << "an empty slot 0 ends the list";
}

TEST(WordListEdit, DeleteClosesUpRowsTogetherAndEmptiesTheLastSlot) {
  auto w = std::make_unique<WordLists>();
  const SlotTable titles[] = {SlotTable(w->TitleWords), SlotTable(w->TitleSubstitutes)};
  titles[0].Store(3, "Mr&Mrs");
  DeleteRow(titles, 0, 50);
  EXPECT_EQ(Texts(titles[0], 0, 3), (std::vector<std::string>{"Mrs", "Miss", "Mr&Mrs"}));
  EXPECT_EQ(Texts(titles[1], 2, 4), (std::vector<std::string>{"Mr & Mrs", "Mr & Mrs"}));
  EXPECT_EQ(UsedSlots(w->TitleWords), 16u);

  // A full list: the fiftieth entry moves up and does not stay behind as a copy.
  for (std::size_t i = 0; i < 50; ++i) {
    titles[0].Store(i, "T" + std::to_string(i));
    titles[1].Store(i, "S" + std::to_string(i));
  }
  DeleteRow(titles, 10, 50);
  EXPECT_EQ(titles[0].Text(48), "T49");
  EXPECT_EQ(titles[1].Text(48), "S49");
  EXPECT_EQ(titles[0].Text(49), "");
  EXPECT_EQ(titles[1].Text(49), "");
  DeleteRow(titles, 48, 50);
  EXPECT_EQ(UsedSlots(w->TitleWords), 48u) << "the last row is deleted too";
  DeleteRow(titles, 50, 50);
  EXPECT_EQ(UsedSlots(w->TitleWords), 48u);

  // The states editor stops at slot 98 and leaves slot 99 as the file had it.
  const SlotTable states[] = {SlotTable(w->StateNames), SlotTable(w->StateCodes)};
  for (std::size_t i = 0; i < 100; ++i) states[0].Store(i, "N" + std::to_string(i));
  DeleteRow(states, 0, 99);
  EXPECT_EQ(states[0].Text(97), "N98");
  EXPECT_EQ(states[0].Text(98), "");
  EXPECT_EQ(states[0].Text(99), "N99");
}

TEST(WordListEdit, StoresAreCutTrimmedAndSubstitutedByKind) {
  const struct {
    const char* name;
    List list;
    WordEditKind kind;
    char lowest;
    WordEdit edit;
    bool stored;
    const char* word;
    const char* second;
    const char* shown;  // what the second box shows afterwards
  } rows[] = {
      {"title, blank substitute",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"Dr.", ""},
       true,
       "Dr",
       "Dr.",
       "Dr."},
      {"title with substitute",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"Hon", "Honourable"},
       true,
       "Hon",
       "Honourable",
       ""},
      {"substitute of one blank",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"Hon", " x"},
       true,
       "Hon",
       "Hon",
       "Hon"},
      {"substitute above 127 is text",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"Hon", "\xC9minence"},
       true,
       "Hon",
       "\xC9minence",
       ""},
      {"25-character title",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"Abcdefghijklmnopqrstuvwxy", ""},
       true,
       "Abcdefghijklmnopqrs",
       "Abcdefghijklmnopqrs",
       "Abcdefghijklmnopqrs"},
      {"title opening with a digit",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"3rd", ""},
       false,
       "",
       "",
       ""},
      {"title opening with a blank",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {" Dr", ""},
       false,
       "",
       "",
       ""},
      {"empty title", List::kTitles, WordEditKind::kPaired, 'A', {"", "x"}, false, "", "", ""},
      {"title that trims away",
       List::kTitles,
       WordEditKind::kPaired,
       'A',
       {"[.]", ""},
       false,
       "",
       "",
       ""},
      {"suffix opening with a digit",
       List::kSuffixes,
       WordEditKind::kPaired,
       '!',
       {"2nd", ""},
       true,
       "2nd",
       "2nd",
       "2nd"},
      {"suite, 16-byte slots",
       List::kSuites,
       WordEditKind::kPaired,
       'A',
       {"Penthouselevel12345", "Ph"},
       true,
       "Penthouselevel1",
       "Ph",
       ""},
      {"name strip trimmed",
       List::kStrips,
       WordEditKind::kSingle,
       '!',
       {"fax line.", ""},
       true,
       "fax line",
       "",
       ""},
      {"name strip of punctuation",
       List::kStrips,
       WordEditKind::kSingle,
       '!',
       {"--", ""},
       false,
       "",
       "",
       ""},
      {"exception with its blank",
       List::kCapitals,
       WordEditKind::kCapital,
       '!',
       {"II<", ""},
       true,
       "II ",
       "",
       ""},
      {"exception not trimmed",
       List::kCapitals,
       WordEditKind::kCapital,
       '!',
       {"O'", ""},
       true,
       "O'",
       "",
       ""},
      {"exception cut to 15",
       List::kCapitals,
       WordEditKind::kCapital,
       '!',
       {"abcdefghijklmn<<", ""},
       true,
       "abcdefghijklmn ",
       "",
       ""},
      {"prefix of three words",
       List::kPrefixes,
       WordEditKind::kPrefix,
       '!',
       {"Van Der Berg", ""},
       true,
       "Van",
       "Der",
       ""},
      {"prefix of one word",
       List::kPrefixes,
       WordEditKind::kPrefix,
       '!',
       {"Da", ""},
       true,
       "Da",
       "",
       ""},
      {"prefix cut to 9",
       List::kPrefixes,
       WordEditKind::kPrefix,
       '!',
       {"Abcdefghijkl Mnopqrstuv", ""},
       true,
       "Abcdefghi",
       "Mnopqrstu",
       ""},
      {"prefix opening with a separator",
       List::kPrefixes,
       WordEditKind::kPrefix,
       '!',
       {"-Van", ""},
       false,
       "",
       "",
       ""},
      {"state, blank code",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"yukon.", ""},
       true,
       "yukon",
       "YU",
       "YU"},
      {"state, code typed",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"Yukon.", "YT"},
       true,
       "Yukon",
       "",
       ""},
      {"state, leaving the code",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"Yukon.", "YT-", true},
       true,
       "Yukon.",
       "YT",
       ""},
      {"state, leaving a blank code",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"Yukon", "", true},
       true,
       "Yukon",
       "YU",
       "YU"},
      {"state code cut to 2",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"Yukon", "ABC", true},
       true,
       "Yukon",
       "AB",
       ""},
      {"state name cut to 23",
       List::kStates,
       WordEditKind::kState,
       'A',
       {"Northern Territory of the Far North", "NT"},
       true,
       "Northern Territory of t",
       "",
       ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto w = std::make_unique<WordLists>();
    const Tables t = TablesOf(*w, row.list);
    // A slot no built-in list uses.
    const std::size_t slot = row.list == List::kStates ? 90 : 49;
    std::string shown;
    EXPECT_EQ(StoreWordEdit(row.kind, row.lowest, t.words, t.seconds, slot, row.edit, shown),
              row.stored);
    EXPECT_EQ(t.words.Text(slot), row.word);
    if (t.seconds.Present()) {
      EXPECT_EQ(t.seconds.Text(slot), row.second);
    }
    EXPECT_EQ(shown, row.shown);
  }
}

TEST(WordListEdit, StoreKeepsTheBytesAfterTheNul) {
  auto w = std::make_unique<WordLists>();
  SlotTable titles(w->TitleWords);
  titles.Store(1, "Mrs");
  titles.Store(1, "M");
  EXPECT_EQ(std::string(w->TitleWords[1], 4), std::string("M\0s\0", 4));
}

TEST(WordListEdit, RowsShowTheirEntries) {
  auto w = std::make_unique<WordLists>();
  const Tables prefixes = TablesOf(*w, List::kPrefixes);
  const Tables capitals = TablesOf(*w, List::kCapitals);
  const Tables titles = TablesOf(*w, List::kTitles);
  EXPECT_EQ(ShownEntry(WordEditKind::kPrefix, prefixes.words, prefixes.seconds, 0), "De");
  EXPECT_EQ(ShownEntry(WordEditKind::kPrefix, prefixes.words, prefixes.seconds, 3), "Van Der");
  EXPECT_EQ(ShownEntry(WordEditKind::kCapital, capitals.words, capitals.seconds, 6), "II<");
  EXPECT_EQ(ShownEntry(WordEditKind::kCapital, capitals.words, capitals.seconds, 4), "O'");
  EXPECT_EQ(ShownEntry(WordEditKind::kPaired, titles.words, titles.seconds, 3), "Mr&Mrs");
}

}  // namespace
}  // namespace vt
