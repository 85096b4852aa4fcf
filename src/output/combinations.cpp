// Combinations: up to five input fields joined with up to six dividers, Combination 1-4.
#include "output/combinations.h"

#include <cassert>

#include "output/input_value.h"
#include "output/output_tables.h"
#include "strings/fixed_text.h"

namespace vt {

static_assert(kFirstCombinationRow == 1, "combination c is row c of SpecialSourceTable");

std::array<char, 4>& CombinationDivider(OutputTables& out, int c, int p) {
  assert(c >= 1 && c <= kCombinations && p >= 1 && p <= kDividers && "a divider of the table");
  const auto row = static_cast<std::size_t>(p < kDividers ? c : c + 1);
  return out.CombinationDividers[row][static_cast<std::size_t>(p < kDividers ? p : 0)];
}

const std::array<char, 4>& CombinationDivider(const OutputTables& out, int c, int p) {
  return CombinationDivider(const_cast<OutputTables&>(out), c, p);
}

void BuildCombination(const InputTables& in, const OutputTables& out, int c, std::string& text) {
  const auto& components = out.SpecialSourceTable[static_cast<std::size_t>(c)];
  text.assign(TextOf(CombinationDivider(out, c, 1)));
  for (int k = 1; k <= kComponents; ++k) {
    const std::int32_t field = components[static_cast<std::size_t>(k)];
    std::string_view value = field != 0 ? InputValue(in, field) : std::string_view();
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    if (value.empty()) {
      while (!text.empty() && text.back() == ' ') text.pop_back();
    } else if (text.size() + value.size() >= kCombinationLimit) {
      // What follows a text this long that ends in a non-blank is cut off anyway.
      if (text.size() < kCombinationLimit)
        text.append(value.substr(0, kCombinationLimit - text.size()));
      text.resize(kCombinationLimit);
      return;
    } else {
      text.append(value);
    }
    text.append(TextOf(CombinationDivider(out, c, k + 1)));
  }
  if (text.size() > kCombinationLimit) text.resize(kCombinationLimit);
}

}  // namespace vt
