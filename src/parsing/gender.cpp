// The gender of a name from the dictionary, the user's gender list and the added first names.
#include "parsing/gender.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "dictionary/first_name_lookup.h"
#include "strings/char_class.h"
#include "strings/fixed_text.h"
#include "strings/words.h"

namespace vt {

namespace {

std::string_view TrimmedView(std::string_view text) {
  while (!text.empty() && !IsWordChar(text.back())) text.remove_suffix(1);
  return text;
}

// Three-way comparison with "a"-"z" folded onto "A"-"Z", by unsigned byte value.
int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string_view ListName(const GenderList& list, std::size_t entry) {
  return TextOf(list.GenderListNames[entry]);
}

// The last gender-list entry equal to piece, or -1.
int LastListEntry(const GenderList& list, std::string_view piece) {
  if (list.IndexedCount < 0) {
    int found = -1;
    for (std::size_t k = 0; k < GenderList::kCapacity && list.GenderListNames[k][0] != '\0'; ++k) {
      if (CompareFolded(ListName(list, k), piece) == 0) found = static_cast<int>(k);
    }
    return found;
  }
  const auto begin = list.SortedEntries.begin();
  const auto end = begin + list.IndexedCount;
  // Equal names stand in entry order, so the last of them is the one that wins.
  const auto after = std::upper_bound(begin, end, piece, [&](std::string_view p, std::uint16_t e) {
    return CompareFolded(p, ListName(list, e)) < 0;
  });
  if (after == begin || CompareFolded(ListName(list, *(after - 1)), piece) != 0) return -1;
  return *(after - 1);
}

int PieceGender(std::string_view piece, const GenderList& list, const WordLists& lists) {
  // No name in the dictionary or either list is longer.
  if (piece.size() > GenderList::kNameLimit) return kUndefined;
  int gender = GenderOfFirstName(piece);
  const int entry = LastListEntry(list, piece);
  if (entry >= 0) gender = list.GenderListValues[static_cast<std::size_t>(entry)];
  for (std::size_t i = 0; i < kAddedNameEditorSlots && lists.AddedFirstNames[i][0] != '\0'; ++i) {
    if (EqualsIgnoringCase(SlotText(lists.AddedFirstNames[i]), piece)) {
      gender = lists.AddedFirstNameGenders[i];
    }
  }
  return gender;
}

}  // namespace

int GenderOfName(std::string_view text, const GenderList& list, const WordLists& lists) {
  const std::size_t first_end = SkipWord(text, 0);
  const std::size_t second_begin = SkipToWord(text, first_end);
  const std::size_t second_end = SkipWord(text, second_begin);
  const std::size_t rest_begin = SkipToWord(text, second_end);
  const std::string_view first = TrimmedView(text.substr(0, first_end));
  const std::string_view second = TrimmedView(text.substr(second_begin, second_end - second_begin));
  const std::string_view rest = TrimmedView(text.substr(rest_begin));
  if (first.empty()) return kUndefined;

  int g1 = PieceGender(first, list, lists);
  int g2 = second.empty() ? g1 : PieceGender(second, list, lists);
  int g3 = rest.empty() ? g2 : PieceGender(rest, list, lists);
  if (g1 == 0 && g2 == 0 && g3 == 0) return kUndefined;
  if (g2 == 0) g2 = g1;
  if (g3 == 0) g3 = g2;
  if (g1 == 0) g1 = g3;
  // With only the rest known ("Pat Lee Mary") the second word takes its gender too, rather than
  // making one known word look like a mix.
  if (g2 == 0) g2 = g1;
  return g1 == g2 && g2 == g3 ? g1 : kMixed;
}

void IndexGenderList(GenderList& list) {
  std::size_t count = 0;
  while (count < GenderList::kCapacity && list.GenderListNames[count][0] != '\0') ++count;
  const auto begin = list.SortedEntries.begin();
  const auto end = begin + static_cast<std::ptrdiff_t>(count);
  std::iota(begin, end, std::uint16_t{0});
  std::stable_sort(begin, end, [&](std::uint16_t a, std::uint16_t b) {
    return CompareFolded(ListName(list, a), ListName(list, b)) < 0;
  });
  list.IndexedCount = static_cast<std::int32_t>(count);
}

std::string_view GenderVerdict(int gender) {
  if (gender > 0) return "is defined as a male name";
  if (gender < 0) return "is defined as a female name";
  return "is ambiguous or undefined";
}

std::array<std::string_view, 3> GenderSourceTexts(const GenderStepInput& input,
                                                  const GenderList& list, const WordLists& lists) {
  std::array<std::string_view, 3> texts{};
  if (input.gender_from_title) {
    const std::string_view title = TrimmedView(input.title);
    int s = kUndefined;
    // An emptied title caption must not make every untitled name male or female.
    if (!title.empty()) {
      if (EqualsIgnoringCase(title, TrimmedView(input.male_title))) {
        s = kMale;
      } else if (EqualsIgnoringCase(title, TrimmedView(input.female_title)) ||
                 EqualsIgnoringCase(title, "Mrs")) {
        s = kFemale;
      }
    }
    if (s == kUndefined && !input.first.empty()) s = GenderOfName(input.first, list, lists);
    int m = input.middle.empty() ? kUndefined : GenderOfName(input.middle, list, lists);
    if (s == kUndefined) s = m;
    if (m == kUndefined) m = s;
    if (s != m) s = kMixed;
    if (s == kMale) texts[0] = "M";
    if (s < 0) texts[0] = "F";
  }
  if (texts[0].empty()) {
    // A mixed name counts as male here.
    const int r = GenderOfName(input.source_values[0], list, lists);
    if (r > 0) texts[0] = "M";
    if (r < 0) texts[0] = "F";
  }
  for (std::size_t i = 1; i < 3; ++i) {
    if (input.source_values[i].empty()) continue;
    const int r = GenderOfName(input.source_values[i], list, lists);
    if (r == kMale) texts[i] = "M";
    if (r < 0) texts[i] = "F";
  }
  return texts;
}

}  // namespace vt
