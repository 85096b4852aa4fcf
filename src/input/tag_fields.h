// Tag fields: values found after a tag text on the page (tagged page input and XML), and the
// tag table's small rules shared by the tag editor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input/input_tables.h"

namespace vt {

inline constexpr int kMaxTags = 99;

// The field name of a tag: its text, "[n]" for an occurrence other than 1 (as stored, so a
// Line Below tag at occurrence 2 ends in "[-2]"), and "[B]" for a Line Below tag.
[[nodiscard]] std::string TagFieldName(std::string_view tag, std::int16_t occurrence);

// An occurrence as typed: an optional sign and leading digits (no digits: 0); 0 and below
// become 1, above 32,767 is 32,767; stored negative for the line below.
[[nodiscard]] std::int16_t ParseOccurrence(std::string_view text, bool line_below);

// The tags in use: 1..TagCount (at most 99) up to the first empty text.
[[nodiscard]] int TagsInUse(const InputTables& in);

// Cuts the tag fields of the page into fields 1..n and returns n. Whole-page mode searches
// PageText; line mode the page lines, counting occurrences across lines. Each value is cut
// where the text of any tag 1..TagCount begins in it, those after an empty tag included.
// Notes where tag `selected` (1-based) was found.
int CutTagFields(InputTables& in, bool whole_page, int selected);

}  // namespace vt
