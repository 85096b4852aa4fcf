// Fuzz target: the city parser (city, state or province, postcode) and the city held in a street
// line, over word lists a preference file may have left in any state.
#include <array>
#include <string>
#include <string_view>

#include "parsing/city.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

void City(FuzzInput& fuzz) {
  static const WordLists kBuiltIn;
  WordLists lists = kBuiltIn;
  PatchWordLists(fuzz, lists);
  const bool city_in_street = fuzz.Bool();
  std::array<std::string, 4> sources;
  for (std::string& source : sources) source = fuzz.Text(300);
  const std::string rest = fuzz.Rest();
  std::string line;
  JoinCityValues({sources[0], sources[1], sources[2], sources[3], rest}, line);

  CityParts parts;
  std::string street_line;
  for (const std::string_view text : {std::string_view(line), std::string_view(rest)}) {
    parts.state.clear();
    parts.postal.clear();
    SplitCityLine(text, lists, city_in_street, parts);
    SplitCityInStreet(lists, city_in_street, parts, street_line);
    Require(parts.city.size() <= kPartLimit && parts.state.size() <= kPartLimit &&
            parts.postal.size() <= kPartLimit && street_line.size() <= kCityLineLimit + 1);
    if (!text.empty()) (void)CanadianProvince(text[0]);
  }
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(City)
