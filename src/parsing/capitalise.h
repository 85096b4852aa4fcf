// Proper case for names, with the capitalisation exceptions of the word lists.
#pragma once

#include <string>

#include "parsing/list_index.h"
#include "parsing/word_lists.h"

namespace vt {

// An index of the `CapitalExceptions` list, made with Refresh by a caller that capitalises
// many names with the same lists.
using CapitalIndex = ListIndex<kWordSlots, kCapitalWidth>;

// In place: lower-cases the text (ASCII), then at each word start writes the first matching
// `CapitalExceptions` entry as the entry spells it and upper-cases the letter after it
// ("mcdonald" -> "McDonald", "henry iii" -> "Henry III"). The length never changes.
void CapitaliseName(std::string& text, const WordLists& lists);

// The same, with the exceptions read from an index of the list.
void CapitaliseName(std::string& text, const CapitalIndex& exceptions);

}  // namespace vt
