// Combinations: up to five input fields joined with up to six dividers, Combination 1-4.
#pragma once

#include <array>
#include <string>

#include "input/input_tables.h"

namespace vt {

struct OutputTables;

inline constexpr int kCombinations = 4;
inline constexpr int kComponents = 5;
inline constexpr int kDividers = 6;
// A combination is cut here, so that five long components never outgrow a value.
inline constexpr std::size_t kCombinationLimit = 1299;

// Whether a row of SpecialSourceTable holds a combination's components.
inline bool IsCombinationRow(int row) {
  return row >= 1 && row <= kCombinations;
}

// Divider p (1..6) of combination c (1..4). Divider 6 of a combination is stored as position 0
// of the next row, as preference files hold it, so it is the same slot as that row's unused
// position 0.
std::array<char, 4>& CombinationDivider(OutputTables& out, int c, int p);
const std::array<char, 4>& CombinationDivider(const OutputTables& out, int c, int p);

// Combination c (1..4) of the current record: divider 1, then each component's value followed
// by the next divider, the blanks that end the text so far removed before each divider.
void BuildCombination(const InputTables& in, const OutputTables& out, int c, std::string& text);

}  // namespace vt
