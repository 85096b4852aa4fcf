// Preference history: merging the current file into the list and removing duplicates.
#include "prefs/history.h"

#include <algorithm>

#include "strings/char_class.h"

namespace vt {

namespace {
constexpr std::size_t kPathLimit = 255;
}

bool SameHistoryPath(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool MergeHistory(HistoryEntries& entries, std::string_view current) {
  if (!current.empty()) {
    current = current.substr(0, kPathLimit);
    if (SameHistoryPath(current, entries[0])) return false;
    std::move_backward(entries.begin(), entries.end() - 1, entries.end());
    entries[0] = std::string(current);
  }
  HistoryEntries kept;
  std::size_t count = 0;
  for (const std::string& entry : entries) {
    const bool seen = std::any_of(kept.begin(), kept.begin() + static_cast<long>(count),
                                  [&](const std::string& k) { return SameHistoryPath(k, entry); });
    if (!seen) kept[count++] = entry;
  }
  entries = std::move(kept);
  return true;
}

}  // namespace vt
