// The gender of a name from the dictionary, the user's gender list and the added first names.
#pragma once

#include <array>
#include <string_view>

#include "parsing/gender_list.h"
#include "parsing/word_lists.h"

namespace vt {

// Gender values. Only GenderOfName gives kMixed: several words of different genders.
inline constexpr int kMale = 1;
inline constexpr int kFemale = -1;
inline constexpr int kUndefined = 0;
inline constexpr int kMixed = 2;

// The gender of a name field of up to three pieces: the first word, the second word and the
// rest as one text (words as SplitWords cuts them; trailing separators trimmed). Each piece
// gets the dictionary's gender, then that of the last gender-list entry equal to it (ASCII
// case ignored), then that of the last added first name equal to it. An empty second piece or
// rest takes the gender of the piece before it. An empty first word gives kUndefined; a piece
// longer than 15 characters matches nothing. Then a 0 in the second takes the first, a 0 in
// the third the second, a 0 in the first the third, and a 0 still in the second the first:
// all equal gives that value, else kMixed.
[[nodiscard]] int GenderOfName(std::string_view text, const GenderList& list,
                               const WordLists& lists);

// Builds the search index of list from its names; call it whenever the names change.
void IndexGenderList(GenderList& list);

// The gender sheet's verdict on a tested name: "is ambiguous or undefined" for 0, "is defined
// as a male name" above 0 (a mixed name too), "is defined as a female name" below 0.
[[nodiscard]] std::string_view GenderVerdict(int gender);

// What the gender step of a record reads.
struct GenderStepInput {
  // Take Gender 1 from the parsed name ("Infer Gender 1 from Information in Name tab").
  bool gender_from_title = false;
  std::string_view title;
  std::string_view first;
  std::string_view middle;
  std::string_view male_title = "Mr";
  std::string_view female_title = "Ms";
  // Values of the input fields in gender sources 1..3; empty for a slot that is not set.
  std::array<std::string_view, 3> source_values;
};

// The texts of the generated sources Gender 1..3: "M", "F" or empty (views of literals).
[[nodiscard]] std::array<std::string_view, 3> GenderSourceTexts(const GenderStepInput& input,
                                                                const GenderList& list,
                                                                const WordLists& lists);

}  // namespace vt
