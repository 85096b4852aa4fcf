// Splitting a phone number into its area code and local number.
#pragma once

#include <string>
#include <string_view>

#include "parsing/word_lists.h"

namespace vt {

struct PhoneParts {
  std::string area_code;
  std::string phone;
};

// Both parts are emptied first. Fewer than 7 digits give nothing; more than 7 take the first
// three as the area code; the local number is three digits, "-", then the remaining digits.
// Every character that is not a digit is ignored.
void SplitPhone(std::string_view text, PhoneParts& parts);

// The phone step of one phone slot: the two field values joined (each stage cut at 254
// characters), split only when the joined text is longer than 6 characters. Both parts are
// emptied first.
void SplitPhoneFields(std::string_view first, std::string_view second, PhoneParts& parts);

// The phone text SplitPhoneFields reads, for showing: the two values joined, each stage cut at
// 254 characters.
void JoinPhoneFields(std::string_view first, std::string_view second, std::string& text);

}  // namespace vt
