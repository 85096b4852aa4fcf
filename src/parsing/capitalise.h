// Proper case for names, with the capitalisation exceptions of the word lists.
#pragma once

#include <string>

#include "parsing/word_lists.h"

namespace vt {

// In place: lower-cases the text (ASCII), then at each word start writes the first matching
// `CapitalExceptions` entry as the entry spells it and upper-cases the letter after it
// ("mcdonald" -> "McDonald", "henry iii" -> "Henry III"). The length never changes.
void CapitaliseName(std::string& text, const WordLists& lists);

}  // namespace vt
