// Fuzz words: slot patches over every word list, and the sample gender list.
#include "support/fuzz_words.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "parsing/gender.h"

namespace vt::fuzz {

namespace {

// Every list as raw slots: its first slot, the number of slots and their width.
struct ListSlots {
  char* first;
  std::size_t slots;
  std::size_t width;
};

template <std::size_t N, std::size_t W>
ListSlots SlotsOf(char (&list)[N][W]) {
  return {&list[0][0], N, W};
}

}  // namespace

void PatchWordLists(FuzzInput& fuzz, WordLists& w) {
  const ListSlots lists[] = {
      SlotsOf(w.TitleWords),
      SlotsOf(w.TitleSubstitutes),
      SlotsOf(w.SuffixWords),
      SlotsOf(w.SuffixSubstitutes),
      SlotsOf(w.NameStripWords),
      SlotsOf(w.NonCivicWords),
      SlotsOf(w.NonCivicSubstitutes),
      SlotsOf(w.StreetTypeWords),
      SlotsOf(w.StreetTypeSubstitutes),
      SlotsOf(w.SuiteWords),
      SlotsOf(w.SuiteSubstitutes),
      SlotsOf(w.CapitalExceptions),
      SlotsOf(w.StateNames),
      SlotsOf(w.StateCodes),
      SlotsOf(w.SurnamePrefixes),
      SlotsOf(w.SurnamePrefixSeconds),
      SlotsOf(w.AddedFirstNames),
  };
  const int patches = fuzz.IntIn(0, 8);
  for (int p = 0; p < patches; ++p) {
    const ListSlots& list = fuzz.Pick(lists);
    char* slot = list.first + fuzz.IntIn<std::size_t>(0, list.slots - 1) * list.width;
    const std::string text = fuzz.Text(list.width);
    std::memcpy(slot, text.data(), text.size());
    if (text.size() < list.width) slot[text.size()] = '\0';
  }
  if (fuzz.Bool()) {
    const auto n = fuzz.IntIn<std::size_t>(0, kAddedNameSlots - 1);
    w.AddedFirstNameGenders[n] = fuzz.Int<std::int32_t>();
  }
}

const GenderList& SampleGenders() {
  static const GenderList* const list = [] {
    auto* genders = new GenderList;
    std::memcpy(genders->GenderListNames[0].data(), "ROBIN", 6);
    genders->GenderListValues[0] = 1;
    std::memcpy(genders->GenderListNames[1].data(), "SASHA", 6);
    genders->GenderListValues[1] = -1;
    IndexGenderList(*genders);
    return genders;
  }();
  return *list;
}

}  // namespace vt::fuzz
