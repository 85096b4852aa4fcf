// Preference history: the list of the nine most recently used preference files.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vt {

using HistoryEntries = std::array<std::string, 9>;

// Equal byte for byte, a-z folded onto A-Z only.
bool SameHistoryPath(std::string_view a, std::string_view b);

// Puts `current` first (cut to 255 characters) unless it equals entry 1, in which case nothing
// changes and false is returned; then removes every entry equal to an earlier one (empty entries
// too), the later entries moving up and the last ones becoming empty. An empty `current` only
// cleans the list.
bool MergeHistory(HistoryEntries& entries, std::string_view current);

}  // namespace vt
