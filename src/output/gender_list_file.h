// Gender list file: the user's gender.txt read into the gender list at start-up.
#pragma once

#include <cstdio>
#include <string>

#include "parsing/gender_list.h"

namespace vt {

// Reads up to 10,000 lines "name,gender" from `file` into `list` (line k into entry k - 1).
// Each line is cut like a comma-delimited record; field 1 is upper-cased and cut to 15 characters;
// the first character of field 2 gives the gender: M or m +1, F or f -1, anything else (a missing
// field too) 0. Entries after the last line stay empty.
void LoadGenderList(std::FILE* file, GenderList& list);

// Opens `path` and loads it; a file that cannot be opened leaves the list empty, silently.
void LoadGenderListFile(const std::string& path, GenderList& list);

}  // namespace vt
