// Blank-bounded searches that the street and city parsers share.
#pragma once

#include <cstddef>
#include <string_view>

#include "parsing/word_lists.h"

namespace vt {

// The offset of entry in text at its first occurrence as " " + entry (+ " " when
// blank_after), ignoring ASCII case; the offset is that of the entry, after the blank. npos
// when there is none or entry is empty.
std::size_t FindAfterBlank(std::string_view text, std::string_view entry, bool blank_after,
                           std::size_t from = 0);

}  // namespace vt
