// Splits: a field cut into up to three parts (Split 1A-3C) and the web or mail domain it holds
// (DomainInSplit1-3).
#pragma once

#include <string>
#include <string_view>

namespace vt {

// What a split is cut on: a comma, a slash, or any run of characters that are not letters or
// digits (the words of the text).
enum class SplitBasis { kComma, kSlash, kWords };

struct SplitOption {
  int parts = 3;  // 1, 2 or 3
  SplitBasis basis = SplitBasis::kWords;
};

// The parts a, b and c of `value` under `option`, and its domain. `value` must not view the
// outputs.
void SplitValue(std::string_view value, const SplitOption& option, std::string& a, std::string& b,
                std::string& c, std::string& domain);

// The domain of a web or mail address: "example.com" of "www.example.com/path",
// "mail.co.uk" of "john@mail.co.uk"; empty without a dot or with a one-letter last label.
void DomainOf(std::string_view value, std::string& domain);

}  // namespace vt
