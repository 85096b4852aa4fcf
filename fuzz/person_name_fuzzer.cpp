// Fuzz target: the personal-name parser (title, names, suffix, couples, standard name,
// salutation), gender from the names, capitalisation and Soundex, over word lists and part
// orders a preference file may have left in any state.
#include <array>
#include <string>
#include <string_view>

#include "parsing/capitalise.h"
#include "parsing/gender.h"
#include "parsing/person_name.h"
#include "parsing/soundex.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

void PersonName(FuzzInput& fuzz) {
  static const WordLists kBuiltIn;
  WordLists lists = kBuiltIn;
  PatchWordLists(fuzz, lists);
  PersonNameOptions options;
  for (int& part : options.incoming) part = Hostile(fuzz, 0, 5);
  for (int& part : options.standard) part = Hostile(fuzz, 0, 5);
  options.guess_title = fuzz.Bool();
  const std::string male = fuzz.Text(63);
  const std::string female = fuzz.Text(63);
  const std::string joint = fuzz.Text(63);
  const std::string fallback = fuzz.Text(63);
  options.male_title = male;
  options.female_title = female;
  options.joint_title = joint;
  options.default_title = fallback;
  std::array<std::string, 4> sources;
  for (std::string& source : sources) source = fuzz.Text(300);
  const std::string rest = fuzz.Rest();
  std::string line;
  JoinNameValues({sources[0], sources[1], sources[2], sources[3], rest}, line);
  Require(line.size() <= kNameLineLimit);

  vt::PersonName name;
  ParsePersonName(line, options, lists, SampleGenders(), name);
  for (const std::string* part : {&name.title, &name.first, &name.middle, &name.last, &name.suffix,
                                  &name.standard, &name.salutation}) {
    Require(part->size() <= kPartLimit);
  }
  std::string order;
  BuildNameOrder(options.incoming, order);
  SplitPersonName(rest, order, lists, name);
  (void)GenderOfName(rest, SampleGenders(), lists);
  const GenderStepInput step{.gender_from_title = options.guess_title,
                             .title = name.title,
                             .first = name.first,
                             .middle = name.middle,
                             .male_title = male,
                             .female_title = female,
                             .source_values = {sources[0], sources[1], rest}};
  (void)GenderSourceTexts(step, SampleGenders(), lists);
  std::string proper = rest.substr(0, kPartLimit);
  CapitaliseName(proper, lists);
  Require(proper.size() == std::min(rest.size(), kPartLimit));
  std::string code;
  SoundexCode(rest, code);
  Require(code.size() == 4);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(PersonName)
