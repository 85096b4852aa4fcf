// Fuzz words: the parsers' word lists as a preference file of unknown origin may leave them,
// and a small gender list.
#pragma once

#include <string_view>

#include "parsing/gender_list.h"
#include "parsing/word_lists.h"
#include "support/fuzz_input.h"

namespace vt::fuzz {

// The built-in lists with up to 8 slots the input picks overwritten by its bytes: a slot may
// be filled to its last byte without a NUL, as a file can leave it.
void PatchWordLists(FuzzInput& fuzz, WordLists& lists);

// A user's gender list of two names, indexed; made once, since it is 200 KB.
[[nodiscard]] const GenderList& SampleGenders();

// Stops the run as a crash when a parser breaks one of its promises.
inline void Require(bool promise) {
  if (!promise) __builtin_trap();
}

}  // namespace vt::fuzz
