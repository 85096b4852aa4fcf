// Tests of the word-list tables: built-in contents, slot widths and the lookups.
#include "parsing/word_lists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "strings/char_class.h"

namespace vt {
namespace {

TEST(WordLists, SlotWidthsMatchTheStoredLayout) {
  WordLists w;
  EXPECT_EQ(sizeof(w.TitleWords), 50u * 20u);
  EXPECT_EQ(sizeof(w.SuffixSubstitutes), 50u * 20u);
  EXPECT_EQ(sizeof(w.NameStripWords), 50u * 20u);
  EXPECT_EQ(sizeof(w.NonCivicSubstitutes), 50u * 20u);
  EXPECT_EQ(sizeof(w.StreetTypeSubstitutes), 50u * 20u);
  EXPECT_EQ(sizeof(w.SuiteWords), 50u * 16u);
  EXPECT_EQ(sizeof(w.CapitalExceptions), 50u * 16u);
  EXPECT_EQ(sizeof(w.StateNames), 100u * 24u);
  EXPECT_EQ(sizeof(w.StateCodes), 100u * 3u);
  EXPECT_EQ(sizeof(w.SurnamePrefixSeconds), 50u * 10u);
  EXPECT_EQ(sizeof(w.AddedFirstNames), 100u * 16u);
  EXPECT_EQ(sizeof(w.AddedFirstNameGenders), 100u * 4u);
}

TEST(WordLists, BuiltInCounts) {
  WordLists w;
  EXPECT_EQ(UsedSlots(w.TitleWords), 17u);
  EXPECT_EQ(UsedSlots(w.SuffixWords), 11u);
  EXPECT_EQ(UsedSlots(w.NameStripWords), 17u);
  EXPECT_EQ(UsedSlots(w.NonCivicWords), 23u);
  EXPECT_EQ(UsedSlots(w.StreetTypeWords), 45u);
  EXPECT_EQ(UsedSlots(w.SuiteWords), 7u);
  EXPECT_EQ(UsedSlots(w.CapitalExceptions), 9u);
  EXPECT_EQ(UsedSlots(w.StateNames), 78u);
  EXPECT_EQ(UsedSlots(w.SurnamePrefixes), 7u);
  EXPECT_EQ(UsedSlots(w.AddedFirstNames), 2u);
}

TEST(WordLists, BuiltInEntries) {
  WordLists w;
  EXPECT_EQ(SlotText(w.TitleWords[3]), "Mr&Mrs");
  EXPECT_EQ(SlotText(w.TitleSubstitutes[4]), "Mr & Mrs");
  EXPECT_EQ(SlotText(w.TitleWords[16]), "The");
  EXPECT_EQ(SlotText(w.SuffixWords[3]), "Esq");
  EXPECT_EQ(SlotText(w.SuffixWords[8]), "Esq");
  EXPECT_EQ(SlotText(w.NameStripWords[1]), "Children's Phone");
  EXPECT_EQ(SlotText(w.NonCivicWords[2]), "P. O. Box");
  EXPECT_EQ(SlotText(w.NonCivicSubstitutes[14]), "Drawer");
  EXPECT_EQ(SlotText(w.NonCivicWords[18]), "C-");
  EXPECT_EQ(SlotText(w.NonCivicSubstitutes[18]), "C");
  EXPECT_EQ(SlotText(w.StreetTypeWords[23]), "La");
  EXPECT_EQ(SlotText(w.StreetTypeSubstitutes[23]), "Ln");
  EXPECT_EQ(SlotText(w.StreetTypeWords[44]), "Way");
  EXPECT_EQ(SlotText(w.SuiteSubstitutes[3]), "Suite");
  EXPECT_EQ(SlotText(w.CapitalExceptions[7]), "III ");
  EXPECT_EQ(SlotText(w.StateNames[57]), "Prince Edward Island");
  EXPECT_EQ(SlotText(w.StateCodes[57]), "PE");
  EXPECT_EQ(SlotText(w.StateNames[77]), "N/A");
  EXPECT_EQ(SlotText(w.StateCodes[77]), "  ");
  EXPECT_EQ(SlotText(w.SurnamePrefixes[1]), "De");
  EXPECT_EQ(SlotText(w.SurnamePrefixSeconds[1]), "La");
  EXPECT_EQ(SlotText(w.SurnamePrefixSeconds[0]), "");
  EXPECT_EQ(SlotText(w.AddedFirstNames[0]), "Walt");
  EXPECT_EQ(w.AddedFirstNameGenders[0], 1);
  EXPECT_EQ(SlotText(w.AddedFirstNames[1]), "Kim");
  EXPECT_EQ(w.AddedFirstNameGenders[1], 0);
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

TEST(WordLists, StateNamesAreAlphabeticalExceptTheLast) {
  WordLists w;
  for (std::size_t i = 1; i + 1 < UsedSlots(w.StateNames); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LT(Upper(SlotText(w.StateNames[i - 1])), Upper(SlotText(w.StateNames[i])));
  }
}

template <std::size_t N, std::size_t W>
void ExpectSubstitutesFilled(const char (&words)[N][W], const char (&subs)[N][W]) {
  for (std::size_t i = 0; i < UsedSlots(words); ++i) {
    SCOPED_TRACE(SlotText(words[i]));
    EXPECT_FALSE(SlotText(subs[i]).empty());
  }
}

TEST(WordLists, NoUsedSlotHasAnEmptySubstitute) {
  WordLists w;
  ExpectSubstitutesFilled(w.TitleWords, w.TitleSubstitutes);
  ExpectSubstitutesFilled(w.SuffixWords, w.SuffixSubstitutes);
  ExpectSubstitutesFilled(w.NonCivicWords, w.NonCivicSubstitutes);
  ExpectSubstitutesFilled(w.StreetTypeWords, w.StreetTypeSubstitutes);
  ExpectSubstitutesFilled(w.SuiteWords, w.SuiteSubstitutes);
  for (std::size_t i = 0; i < UsedSlots(w.StateNames); ++i)
    EXPECT_EQ(SlotText(w.StateCodes[i]).size(), 2u);
}

TEST(WordLists, UnusedSlotsAreZero) {
  WordLists w;
  for (std::size_t i = UsedSlots(w.TitleWords); i < kWordSlots; ++i) {
    for (std::size_t j = 0; j < kWordWidth; ++j) ASSERT_EQ(w.TitleWords[i][j], '\0');
  }
  for (std::size_t j = 0; j < kWordWidth; ++j) EXPECT_EQ(w.TitleWords[0][j] == '\0', j >= 2);
}

TEST(WordLists, FindSlotIgnoresAsciiCaseOnly) {
  WordLists w;
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "STREET"), 37);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "street"), 37);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "Stree"), -1);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, ""), -1);
  EXPECT_EQ(FindSlot(w.SuffixWords, "esq"), 3);
  EXPECT_EQ(LookUpSubstitute(w.StreetTypeWords, w.StreetTypeSubstitutes, "avenue"), "Ave");
  EXPECT_EQ(LookUpSubstitute(w.StreetTypeWords, w.StreetTypeSubstitutes, "Nowhere"), "");
  EXPECT_FALSE(EqualsIgnoringCase("\xC9", "\xE9"));
  EXPECT_TRUE(EqualsIgnoringCase("aBc", "AbC"));
}

TEST(WordLists, AListEndsAtItsFirstEmptySlot) {
  WordLists w;
  w.StreetTypeWords[0][0] = '\0';
  EXPECT_EQ(UsedSlots(w.StreetTypeWords), 0u);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "Street"), -1);
  w.SetBuiltIn();
  w.StreetTypeWords[10][0] = '\0';
  EXPECT_EQ(UsedSlots(w.StreetTypeWords), 10u);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "Street"), -1);
  EXPECT_EQ(FindSlot(w.StreetTypeWords, "Circus"), 8);
}

TEST(WordLists, SetSlotCutsToTheWidthAndKeepsTheBytesAfterTheNul) {
  char slot[20];
  std::memset(slot, 'x', sizeof(slot));
  SetSlot(slot, "Mr");
  EXPECT_EQ(SlotText(slot), "Mr");
  EXPECT_EQ(slot[3], 'x');
  SetSlot(slot, "A 19-character text");
  EXPECT_EQ(SlotText(slot), "A 19-character text");
  SetSlot(slot, "A text of twenty-five chars");
  EXPECT_EQ(SlotText(slot).size(), 19u);
  EXPECT_EQ(slot[19], '\0');
}

TEST(WordLists, SlotTextNeverReadsPastAnUnterminatedSlot) {
  char slot[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(SlotText(slot), "abcd");
  auto lists = std::make_unique<WordLists>();
  std::memset(lists->StateNames, 'Z', sizeof(lists->StateNames));
  EXPECT_EQ(UsedSlots(lists->StateNames), kStateSlots);
  EXPECT_EQ(FindSlot(lists->StateNames, "Z"), -1);
}

}  // namespace
}  // namespace vt
