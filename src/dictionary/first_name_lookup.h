// The gender of a first name from the built-in first-name table.
#pragma once

#include <string_view>

namespace vt {

// 1 when `name` is a built-in male first name, -1 when it is a female one, 0 when it is neither.
// Accents are removed and "a"-"z" upper-cased first; the rest must match an entry byte for byte,
// blanks, hyphens and apostrophes included, so "MARY " and "ATMA" are not found. No allocation;
// the caller's text is not changed.
[[nodiscard]] int GenderOfFirstName(std::string_view name);

}  // namespace vt
