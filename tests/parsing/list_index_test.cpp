// The first-byte index of a word list answers as the ordered scans do, and follows the list
// through edits made in place.
#include "parsing/list_index.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "parsing/address_words.h"
#include "parsing/person_name.h"
#include "parsing/street.h"
#include "strings/search.h"

namespace vt {
namespace {

using List = char[kWordSlots][kWordWidth];
using Index = ListIndex<kWordSlots, kWordWidth>;
constexpr std::size_t npos = std::string_view::npos;

void Fill(List& list, const std::vector<std::string>& entries) {
  std::memset(list, 0, sizeof(List));
  for (std::size_t i = 0; i < entries.size() && i < kWordSlots; ++i) SetSlot(list[i], entries[i]);
}

// The texts every list is asked about: word lookups and searches with blanks around entries.
const std::vector<std::string> kTexts = {
    "",
    "Box",
    "box 12",
    "PO Box 9 Main",
    " C-5 Site 3 ",
    "Boxwood",
    "12 Boxwood",
    "RR 2 RR 3",
    "p.o. box",
    "A\xC1 \x81"
    "b \xC1",
    "abc abc",
    "Rural Route",
    "x Street St ",
    "sTREET x street",
    "Comp C Comp",
    "xBox Box",
};

// Every lookup the index offers against the scan it replaces, for one list and one text.
void ExpectSameAsScans(const List& list, const Index& index, const std::string& text) {
  SCOPED_TRACE("text [" + text + "]");
  const std::size_t used = UsedSlots(list);
  ASSERT_EQ(index.Used(), used);
  std::array<std::size_t, kWordSlots> after_blank{};
  std::array<std::size_t, kWordSlots> led{};
  index.FindEach(text, FirstOccurrence::kAfterBlank, after_blank);
  index.FindEach(text, FirstOccurrence::kAnywhereIfLed, led);
  for (std::size_t i = 0; i < used; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i));
    const std::string_view entry = SlotText(list[i]);
    EXPECT_EQ(index.Entry(i), entry);
    const std::size_t first = FindText(text, entry);
    EXPECT_EQ(after_blank[i], FindAfterBlank(text, entry, false));
    EXPECT_EQ(led[i], first != npos && (first == 0 || text[first - 1] == ' ') ? first : npos);
  }
  const EntryMatch rightmost = index.FindRightmost(text);
  // The rule: each entry's first occurrence between blanks; the right-most, the earlier slot on
  // a tie.
  EntryMatch scanned;
  std::uint64_t between = 0;
  for (std::size_t i = 0; i < used; ++i) {
    const std::size_t at = FindAfterBlank(text, SlotText(list[i]), true);
    if (at == npos) continue;
    between |= std::uint64_t{1} << i;
    if (scanned.pos == npos || at > scanned.pos) scanned = {at, SlotText(list[i]).size()};
  }
  EXPECT_EQ(index.BetweenBlanks(text), between);
  EXPECT_EQ(rightmost.pos, scanned.pos);
  EXPECT_EQ(rightmost.size, scanned.size);
  // Words: the text itself, its pieces and every entry with its case turned.
  std::vector<std::string> words = {text};
  for (std::size_t i = 0; i < used; ++i) {
    std::string turned(SlotText(list[i]));
    for (char& c : turned) c = UpperAscii(c) == c ? LowerAscii(c) : UpperAscii(c);
    words.push_back(turned);
  }
  for (const std::string& word : words) {
    int slot = FindSlot(list, word);
    EXPECT_EQ(index.Find(word), slot) << word;
    // Every later equal slot, in order, as a scan from each match on finds it.
    for (int next = index.Find(word, slot); slot >= 0; slot = next, next = index.Find(word, slot)) {
      int scanned_next = -1;
      for (std::size_t i = static_cast<std::size_t>(slot) + 1; i < used && scanned_next < 0; ++i) {
        if (EqualsIgnoringCase(SlotText(list[i]), word)) scanned_next = static_cast<int>(i);
      }
      EXPECT_EQ(next, scanned_next) << word;
    }
  }
}

struct ListCase {
  const char* name;
  std::vector<std::string> entries;
};

TEST(ListIndex, AnswersAsTheOrderedScans) {
  std::vector<std::string> full;
  for (std::size_t i = 0; i < kWordSlots; ++i) full.push_back("w" + std::to_string(i));
  full[49] = "Box";
  const ListCase cases[] = {
      {"built-in non-civic", {}},
      {"empty", {""}},
      {"full, the last slot used", full},
      {"duplicates and case", {"Box", "BOX", "box", "Comp", "comp"}},
      {"entries of 19 characters", {"Rural Route Station", "rural route stationX", "RR"}},
      // Bytes that share the low six bits of "A" and of a blank with other bytes.
      {"colliding first bytes",
       {"\xC1"
        "b",
        "Ab", "!x", "a\x81", " C"}},
      {"an entry of blanks", {" ", "  ", "abc"}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto lists = std::make_unique<WordLists>();
    if (!c.entries.empty()) Fill(lists->NonCivicWords, c.entries);
    Index index;
    index.Refresh(lists->NonCivicWords);
    for (const std::string& text : kTexts) ExpectSameAsScans(lists->NonCivicWords, index, text);
  }
}

TEST(ListIndex, ASlotWithoutItsNulIsReadToTheSlotsEnd) {
  List list{};
  std::memset(list[0], 'x', kWordWidth);
  Index index;
  index.Refresh(list);
  EXPECT_EQ(index.Entry(0), std::string(kWordWidth, 'x'));
  EXPECT_EQ(index.Find(std::string(kWordWidth, 'X')), 0);
  EXPECT_EQ(index.Find(std::string(kWordWidth - 1, 'x')), -1);
}

// The editors and a preference load write the slots in place and tell no one.
TEST(ListIndex, FollowsEditsMadeInPlace) {
  auto lists = std::make_unique<WordLists>();
  List& list = lists->NonCivicWords;
  Index index;
  const auto expect_current = [&](const char* step) {
    SCOPED_TRACE(step);
    index.Refresh(list);
    for (const std::string& text : kTexts) ExpectSameAsScans(list, index, text);
  };
  expect_current("built in");
  SetSlot(list[4], "Boks");
  expect_current("a slot rewritten");
  list[0][0] = '\0';
  expect_current("slot 0 emptied: the list is empty");
  SetSlot(list[0], "PO Box");
  SetSlot(list[23], "Comp C");
  expect_current("an entry added after the last");
  list[5][2] = 'x';  // "P.x." over "P.O."
  expect_current("one byte of an entry");
  std::memset(list, 0, sizeof(List));
  expect_current("every slot cleared");
}

// The parsers keep their indexes in the scratch of their parts from record to record; an edit
// between two records shows in the second.
TEST(ListIndex, ParsersSeeListEditsBetweenRecords) {
  auto lists = std::make_unique<WordLists>();
  StreetParts street;
  PersonName name;
  auto suite_of = [&](const char* line) {
    SplitStreetLine(line, *lists, street);
    return street.suite_designator + "|" + street.non_civic;
  };
  auto name_of = [&](const char* line) {
    ParsePersonName(line, PersonNameOptions{}, *lists, GenderList{}, name);
    return name.title + "|" + name.last + "|" + name.suffix;
  };
  EXPECT_EQ(suite_of("Apt 4 123 Main St"), "Apt|");
  SetSlot(lists->SuiteWords[5], "Flat");
  EXPECT_EQ(suite_of("Apt 4 123 Main St"), "|");
  EXPECT_EQ(suite_of("Flat 4 123 Main St"), "Apt|");
  SetSlot(lists->NonCivicWords[23], "Lot");
  SetSlot(lists->NonCivicSubstitutes[23], "Lot");
  EXPECT_EQ(suite_of("Lot 7 Main St"), "|Lot 7");
  lists->NonCivicWords[0][0] = '\0';
  EXPECT_EQ(suite_of("Lot 7 Main St"), "|");

  EXPECT_EQ(name_of("Sir John Smith lawyer"), "Mr|Smith|");
  SetSlot(lists->TitleWords[0], "Sir");
  SetSlot(lists->SuffixWords[11], "QC");
  SetSlot(lists->SuffixSubstitutes[11], "QC");
  EXPECT_EQ(name_of("Sir John Smith QC lawyer"), "Mr|Smith|QC");
  lists->NameStripWords[0][0] = '\0';
  EXPECT_EQ(name_of("Sir John Smith QC lawyer"), "Mr|lawyer|");
}

TEST(ListIndex, AgreesWithTheScansOnRandomListsAndLines) {
  std::mt19937 rng(20240917);
  constexpr std::string_view kBytes = "abAB .-'1\xC1\x81";
  auto random_text = [&](std::size_t max) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, max)(rng), ' ');
    for (char& c : text) c = kBytes[std::uniform_int_distribution<std::size_t>(0, 10)(rng)];
    return text;
  };
  auto lists = std::make_unique<WordLists>();
  Index index;
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> entries;
    const auto count = std::uniform_int_distribution<std::size_t>(0, kWordSlots)(rng);
    for (std::size_t i = 0; i < count; ++i) entries.push_back(random_text(4));
    Fill(lists->NonCivicWords, entries);
    index.Refresh(lists->NonCivicWords);
    for (int line = 0; line < 5; ++line) {
      ExpectSameAsScans(lists->NonCivicWords, index, random_text(40));
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vt
