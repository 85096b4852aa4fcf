// Input values as the output engine reads them; internal to src/output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "input/input_tables.h"

namespace vt {

// The value of input field `field` of the current record; empty for a field the record does
// not have (0 or below, past the cut, or past the values read).
inline std::string_view InputValue(const InputTables& in, std::int32_t field) {
  if (field <= 0 || field > in.InputFieldTotal) return {};
  if (field <= in.InputViewCount) return in.InputFieldViews[static_cast<std::size_t>(field)];
  if (static_cast<std::size_t>(field) >= in.InputFieldValues.size()) return {};
  return in.InputFieldValues[static_cast<std::size_t>(field)];
}

}  // namespace vt
