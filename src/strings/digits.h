// Digit filters, number probes and code patterns ("K1A 0B1" -> "A9A 9A9").
#pragma once

#include <string>
#include <string_view>

namespace vt {

// dest := the digits of source, in order (empty when there are none). source may view dest.
void DigitsOnly(std::string_view source, std::string& dest);

// Cuts the text before its first non-digit (a text that begins with one becomes empty).
void CutAtNonDigit(std::string& text);

// dest := source with every letter as "A" and every digit as "9"; other bytes kept.
// source may view dest.
void CodePattern(std::string_view source, std::string& dest);

// Whether the leading number (after white space and one sign) is even; no number counts
// as 0, which is even. Only the last digit of the run decides, so any length works.
bool IsEvenNumber(std::string_view text);

// The first character is a digit and, for two or more characters, so is the last but one;
// the last character is not looked at ("12A" and "1A" pass, "1.5" and "A12" do not).
bool LooksNumeric(std::string_view text);

}  // namespace vt
