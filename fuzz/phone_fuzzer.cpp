// Fuzz target: the phone parser, alone and over the two fields of a phone slot.
#include <string>

#include "parsing/phone.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

void Phone(FuzzInput& fuzz) {
  const std::string first = fuzz.Text(400);
  const std::string second = fuzz.Rest();
  PhoneParts parts;
  SplitPhone(second, parts);
  Require(parts.area_code.size() <= 3 && parts.phone.size() <= kPartLimit);
  SplitPhoneFields(first, second, parts);
  Require(parts.area_code.size() <= 3 && parts.phone.size() <= kPartLimit);
  std::string text;
  JoinPhoneFields(first, second, text);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Phone)
