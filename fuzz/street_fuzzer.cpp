// Fuzz target: the street parser and the standardised address, over word lists a preference
// file may have left in any state.
#include <array>
#include <string>
#include <string_view>

#include "parsing/street.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

void Street(FuzzInput& fuzz) {
  static const WordLists kBuiltIn;
  WordLists lists = kBuiltIn;
  PatchWordLists(fuzz, lists);
  StreetAddressOrder order;
  for (int& position : order.positions) position = Hostile(fuzz, 0, 7);
  order.use_default_suite = fuzz.Bool();
  const std::string suite = fuzz.Text(31);
  order.default_suite = suite;
  // The six street sources of a record, joined as the builder joins them.
  std::array<std::string, 6> sources;
  for (std::string& source : sources) source = fuzz.Text(300);
  const std::string rest = fuzz.Rest();
  std::string line;
  JoinStreetValues({sources[0], sources[1], sources[2], sources[3], sources[4], rest}, line);
  Require(line.size() <= kStreetLineLimit);

  StreetParts parts;
  std::string address;
  for (const std::string_view text : {std::string_view(line), std::string_view(rest)}) {
    SplitStreetLine(text, lists, parts);
    for (const std::string* part :
         {&parts.suite_designator, &parts.suite_number, &parts.street_number, &parts.street_name,
          &parts.street_designator, &parts.direction, &parts.non_civic, &parts.odd_even}) {
      Require(part->size() <= kPartLimit);
    }
    BuildStandardAddress(parts, order, address);
    std::string number = parts.street_number;
    AddOrdinalSuffix(number);
  }
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Street)
