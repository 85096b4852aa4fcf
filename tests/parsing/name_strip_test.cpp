// The name step's quick checks (any name strip, any joint title) leave every line as the
// ordered steps do: each line parses as its stripped and rewritten self.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "parsing/person_name.h"
#include "strings/char_class.h"
#include "strings/edit.h"
#include "strings/words.h"

namespace vt {
namespace {

// The strip step as the rule states it: entry by entry in slot order, word by word from the
// second word (a hyphenated name is one word, matched whole), each removal trimmed.
std::string StrippedInOrder(std::string line, const WordLists& lists) {
  for (std::size_t i = 0; i < kWordSlots && lists.NameStripWords[i][0] != '\0'; ++i) {
    const std::string_view entry = SlotText(lists.NameStripWords[i]);
    std::size_t pos = SkipToWord(line, SkipWordWithHyphens(line, SkipToWord(line, 0)));
    while (pos < line.size()) {
      const std::size_t after = pos + entry.size();
      const bool whole = after >= line.size() ||
                         (!IsWordChar(line[after]) && line[after] != '-' && line[after] != '\'');
      if (whole && line.size() - pos >= entry.size() &&
          EqualsIgnoringCase(std::string_view(line).substr(pos, entry.size()), entry)) {
        line.erase(pos, entry.size());
        TrimTrailing(line);
        pos = std::min(pos, line.size());
      } else {
        pos = SkipWordWithHyphens(line, pos);
      }
      pos = SkipToWord(line, pos);
    }
  }
  return line;
}

std::string JointTitlesRewritten(std::string line) {
  for (std::string_view form :
       {"Mr & Mrs", "Mr&Mrs", "Mr.&Mrs", "Mr. &Mrs", "Mr and Mrs", "Mr. and Mrs", "Mr. Mrs"}) {
    ReplaceAllText(line, form, "Mr-Mrs");
  }
  return line;
}

// The line parsed with the lists, against the line stripped and rewritten beforehand and parsed
// with no strips at all.
void ExpectSameAsOrderedSteps(const std::string& line, const WordLists& lists) {
  SCOPED_TRACE("line [" + line + "]");
  auto bare = std::make_unique<WordLists>(lists);
  std::memset(bare->NameStripWords, 0, sizeof(bare->NameStripWords));
  const std::string prepared = StrippedInOrder(JointTitlesRewritten(line), lists);
  PersonName got;
  PersonName want;
  ParsePersonName(line, PersonNameOptions{}, lists, GenderList{}, got);
  ParsePersonName(prepared, PersonNameOptions{}, *bare, GenderList{}, want);
  EXPECT_EQ(got.title, want.title);
  EXPECT_EQ(got.first, want.first);
  EXPECT_EQ(got.middle, want.middle);
  EXPECT_EQ(got.last, want.last);
  EXPECT_EQ(got.suffix, want.suffix);
  EXPECT_EQ(got.standard, want.standard);
  EXPECT_EQ(got.salutation, want.salutation);
  EXPECT_EQ(got.couple, want.couple);
}

const std::vector<std::string> kLines = {
    "Residence Smith",
    "Smith Residence",
    "Smith John residence",
    "Smith Residence, John",
    "Smith Residences",
    "Smith John Teen Phone",
    "Smith Children's Phone Jr",
    "Smith dentrst dent",
    "Smith dent-dent",
    "Smith cell phone cell",
    "Smith _lawyer",
    "Smith 'lawyer x",
    "Mr & Mrs John Smith",
    "mr and mrs smith",
    "MR. MRS SMITH residence",
    "Mrs Smith",
    "Amr Mrsmith",
    "Dr & Mrs John Smith fax line",
    "Mr. &Mrs Smith",
    "John mr.&mrs Smith",
    "",
    // Words that start at and across the 64-byte blocks of the quick check.
    "Smith " + std::string(57, 'x') + " Residence x",
    "Smith " + std::string(56, 'x') + " Residence x" + std::string(70, ' ') + "lawyer",
};

struct ListCase {
  const char* name;
  std::vector<std::string> strips;  // empty: the built-in list
};

TEST(NameStrips, EveryLineAsTheOrderedSteps) {
  std::vector<std::string> full(kWordSlots, "zz");
  full.back() = "lawyer";
  const ListCase cases[] = {
      {"built-in", {}},
      {"empty", {""}},
      {"slot 0 empty", {"", "Residence", "lawyer"}},
      {"full, the last slot used", full},
      {"an entry at slot width", {"Residence Smith Jr.", "Residence"}},
      {"an entry of blanks and signs", {"  ", "&", "Smith"}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto lists = std::make_unique<WordLists>();
    if (!c.strips.empty()) {
      std::memset(lists->NameStripWords, 0, sizeof(lists->NameStripWords));
      for (std::size_t i = 0; i < c.strips.size(); ++i)
        SetSlot(lists->NameStripWords[i], c.strips[i]);
    }
    for (const std::string& line : kLines) ExpectSameAsOrderedSteps(line, *lists);
  }
}

TEST(NameStrips, RandomLinesAsTheOrderedSteps) {
  const std::string_view tokens[] = {
      "Smith", "John", "Residence", "cell phone", "CELL", "phone", "dent", "dentrst", "&",
      "and",   "Mr",   "Mrs",       "Mr.",        "Dr",   "Jr.",   ",",    "-",       "'",
      "_",     "x1",   "Teen",      "lawyer",     "fax",  "line",  "\xE9", "  ",
  };
  std::mt19937 rng(20240917);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(tokens) - 1);
  std::uniform_int_distribution<int> words(0, 8);
  std::uniform_int_distribution<int> joint(0, 2);
  auto lists = std::make_unique<WordLists>();
  for (int round = 0; round < 2000; ++round) {
    std::string line;
    for (int w = words(rng); w > 0; --w) {
      line.append(tokens[pick(rng)]);
      if (joint(rng) != 0) line.push_back(' ');
    }
    ExpectSameAsOrderedSteps(line, *lists);
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace vt
