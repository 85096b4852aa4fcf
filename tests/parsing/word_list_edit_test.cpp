// Tests of the word-list edits: Add targets, stores cut to the slot, deletion and shown forms.
#include "parsing/word_list_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "parsing/word_lists.h"

namespace vt {
namespace {

enum class List { kTitles, kSuffixes, kSuites, kStrips, kCapitals, kPrefixes, kStates };

// An editor's tables and rules, as the window binds them.
struct Editor {
  SlotTable words;
  SlotTable seconds;
  WordEditKind kind;
  char lowest;
};

Editor EditorOf(WordLists& w, List list) {
  switch (list) {
    case List::kTitles:
      return {SlotTable(w.TitleWords), SlotTable(w.TitleSubstitutes), WordEditKind::kPaired, 'A'};
    case List::kSuffixes:
      return {SlotTable(w.SuffixWords), SlotTable(w.SuffixSubstitutes), WordEditKind::kPaired, '!'};
    case List::kSuites:
      return {SlotTable(w.SuiteWords), SlotTable(w.SuiteSubstitutes), WordEditKind::kPaired, 'A'};
    case List::kStrips:
      return {SlotTable(w.NameStripWords), {}, WordEditKind::kSingle, '!'};
    case List::kCapitals:
      return {SlotTable(w.CapitalExceptions), {}, WordEditKind::kCapital, '!'};
    case List::kPrefixes:
      return {SlotTable(w.SurnamePrefixes), SlotTable(w.SurnamePrefixSeconds),
              WordEditKind::kPrefix, '!'};
    case List::kStates:
      return {SlotTable(w.StateNames), SlotTable(w.StateCodes), WordEditKind::kState, 'A'};
  }
  return {};
}

TEST(WordListEdit, AddTargetsTheFirstFreeSlotOrTheLastOne) {
  const struct {
    std::size_t used, capacity, target;
  } rows[] = {{0, 50, 0}, {17, 50, 17}, {49, 50, 49}, {50, 50, 49}, {99, 99, 98}, {100, 99, 98}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.used << " used of " << row.capacity);
    auto w = std::make_unique<WordLists>();
    SlotTable names(w->StateNames);
    for (std::size_t i = 0; i < 100; ++i) names.Store(i, i < row.used ? "Name" : "");
    EXPECT_EQ(AddTarget(names, row.capacity), row.target);
  }
}

TEST(WordListEdit, DeleteClosesUpRowsTogetherAndEmptiesTheLastSlot) {
  auto w = std::make_unique<WordLists>();
  const SlotTable titles[] = {SlotTable(w->TitleWords), SlotTable(w->TitleSubstitutes)};
  DeleteRow(titles, 3);
  EXPECT_EQ(titles[0].Text(3), "Mr-Mrs");
  EXPECT_EQ(titles[1].Text(3), "Mr & Mrs");
  // A full list: the fiftieth entry moves up and no copy of it stays behind.
  for (std::size_t i = 0; i < 50; ++i) titles[0].Store(i, "T" + std::to_string(i));
  DeleteRow(titles, 10);
  EXPECT_EQ(titles[0].Text(48), "T49");
  EXPECT_EQ(UsedSlots(w->TitleWords), 49u);
  DeleteRow(titles, 48);
  EXPECT_EQ(UsedSlots(w->TitleWords), 48u);
}

TEST(WordListEdit, StoresAreCutTrimmedAndSubstitutedByKind) {
  // expected: word|second|what the second box shows afterwards, or "-" when nothing is stored.
  const struct {
    List list;
    const char* entry;
    const char* second;
    bool leaving_second;
    const char* expected;
  } rows[] = {
      {List::kTitles, "Dr.", "", false, "Dr|Dr.|Dr."},
      {List::kTitles, "Hon", "Honourable", false, "Hon|Honourable|"},
      {List::kTitles, "Hon", " x", true, "Hon|Hon|Hon"},
      {List::kTitles, "Hon", "\xC9minence", false, "Hon|\xC9minence|"},
      {List::kTitles, "Abcdefghijklmnopqrstuvwxy", "", false,
       "Abcdefghijklmnopqrs|Abcdefghijklmnopqrs|Abcdefghijklmnopqrs"},
      {List::kTitles, "3rd", "", false, "-"},
      {List::kTitles, " Dr", "", false, "-"},
      {List::kTitles, "", "x", false, "-"},
      {List::kTitles, "[.]", "", false, "-"},  // would empty the slot and hide the rest
      {List::kSuffixes, "2nd", "", false, "2nd|2nd|2nd"},
      {List::kSuites, "Penthouselevel12345", "Ph", false, "Penthouselevel1|Ph|"},
      {List::kStrips, "fax line.", "", false, "fax line||"},
      {List::kStrips, "--", "", false, "-"},
      {List::kCapitals, "II<", "", false, "II ||"},
      {List::kCapitals, "O'", "", false, "O'||"},
      {List::kCapitals, "abcdefghijklmn<<", "", false, "abcdefghijklmn ||"},
      {List::kPrefixes, "Van Der Berg", "", false, "Van|Der|"},
      {List::kPrefixes, "Da", "", false, "Da||"},
      {List::kPrefixes, "Abcdefghijkl Mnopqrstuv", "", false, "Abcdefghi|Mnopqrstu|"},
      {List::kPrefixes, "-Van", "", false, "-"},
      {List::kStates, "yukon.", "", false, "yukon|YU|YU"},
      {List::kStates, "Yukon.", "YT", false, "Yukon||"},
      {List::kStates, "Yukon.", "YT-", true, "Yukon.|YT|"},
      {List::kStates, "Yukon", "", true, "Yukon|YU|YU"},
      {List::kStates, "Yukon", "ABC", true, "Yukon|AB|"},
      {List::kStates, "Northern Territory of the Far North", "NT", false,
       "Northern Territory of t||"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.entry);
    auto w = std::make_unique<WordLists>();
    const Editor e = EditorOf(*w, row.list);
    // A slot no built-in list uses.
    const std::size_t slot = row.list == List::kStates ? 90 : 49;
    std::string shown;
    const bool stored = StoreWordEdit(e.kind, e.lowest, e.words, e.seconds, slot,
                                      {row.entry, row.second, row.leaving_second}, shown);
    const std::string second(e.seconds.Present() ? e.seconds.Text(slot) : "");
    const std::string got = std::string(e.words.Text(slot)) + "|" + second + "|" + shown;
    EXPECT_EQ(stored ? got : "-", row.expected);
    if (!stored) {
      EXPECT_EQ(got, "||") << "nothing is written";
    }
  }
}

TEST(WordListEdit, StoresKeepTheBytesAfterTheNulAndRowsShowTheirEntries) {
  auto w = std::make_unique<WordLists>();
  SlotTable(w->TitleWords).Store(1, "M");
  EXPECT_EQ(std::string(w->TitleWords[1], 4), std::string("M\0s\0", 4));
  const Editor prefixes = EditorOf(*w, List::kPrefixes);
  const Editor capitals = EditorOf(*w, List::kCapitals);
  EXPECT_EQ(ShownEntry(prefixes.kind, prefixes.words, prefixes.seconds, 0), "De");
  EXPECT_EQ(ShownEntry(prefixes.kind, prefixes.words, prefixes.seconds, 3), "Van Der");
  EXPECT_EQ(ShownEntry(capitals.kind, capitals.words, capitals.seconds, 6), "II<");
}

}  // namespace
}  // namespace vt
