// Fuzz target: the user's gender.txt read into the gender list, then names looked up in it.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "output/gender_list_file.h"
#include "parsing/gender.h"
#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

void GenderListFile(FuzzInput& fuzz) {
  const std::string name = fuzz.Text(40);
  const std::string path = ScratchPath("gender.txt");
  WriteScratch(path, fuzz.Rest());
  // 200 KB: made once and loaded over, as the loader empties it first.
  static GenderList* const list = new GenderList;
  LoadGenderListFile(path, *list);
  for (const auto& entry : list->GenderListNames) Require(entry.back() == '\0');
  static const WordLists kLists;
  (void)GenderOfName(name, *list, kLists);
  (void)GenderOfName(std::string_view(list->GenderListNames[0].data()), *list, kLists);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(GenderListFile)
