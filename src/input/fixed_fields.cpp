// Fixed-format fields: divider rows from the marker line and the column-named cutter.
#include "input/fixed_fields.h"

#include <algorithm>

#include "strings/edit.h"

namespace vt {

namespace {
constexpr int kMaxDividers = 99;
constexpr std::size_t kListTextLimit = 250;
}  // namespace

int FieldCountOfRow(const DividerRow& row) {
  int dividers = 0;
  while (dividers < kMaxDividers && row[static_cast<std::size_t>(dividers) + 1] != 0) ++dividers;
  return dividers + 1;
}

int CutFixedRecord(std::string_view line, const DividerRow& row, std::vector<std::string>& names,
                   std::vector<std::string>& values) {
  // A loaded row may hold negative columns; they count as the start of the line.
  auto column = [&row](std::size_t k) {
    return static_cast<std::size_t>(std::max<int>(row[k], 0));
  };
  const int count = FieldCountOfRow(row);
  for (int i = 1; i <= count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::size_t start = column(k - 1);
    const bool last = i == count;
    const std::size_t end = last ? line.size() : column(k);
    names[k] = "Col" + std::to_string(start + 1) + "_" + (last ? "End" : std::to_string(end));
    std::string& value = values[k];
    if (start >= line.size() || end <= start) {
      value.clear();
      continue;
    }
    const std::size_t length = end - start < kFixedValueLimit ? end - start : kFixedValueLimit;
    value.assign(line.substr(start, length));
  }
  return count;
}

int RebuildDividerRow(std::string_view marker, DividerRow& row, std::string& list_text) {
  row.fill(0);
  list_text.clear();
  int count = 1;
  for (std::size_t i = 0; i < marker.size() && count <= kMaxDividers; ++i) {
    if (marker[i] != '^') continue;
    if (list_text.size() < kListTextLimit) list_text += std::to_string(i + 1) + ",";
    row[static_cast<std::size_t>(count)] = static_cast<std::int16_t>(i + 1);
    ++count;
  }
  if (!list_text.empty()) list_text.pop_back();
  return count;
}

DividerToggle ToggleDivider(std::string& marker, int column, int field_total) {
  if (column < 0 || static_cast<std::size_t>(column) >= marker.size())
    return DividerToggle::kIgnored;
  char& mark = marker[static_cast<std::size_t>(column)];
  if (mark == '^') {
    mark = ':';
    return DividerToggle::kRemoved;
  }
  if (field_total >= 99) return DividerToggle::kRefused;
  mark = '^';
  return field_total >= 98 ? DividerToggle::kAddedAtLimit : DividerToggle::kAdded;
}

std::string RecordView(std::string_view line, int offset, bool mark_tabs) {
  const std::size_t from = offset < 0 ? 0 : static_cast<std::size_t>(offset);
  std::string view(from < line.size() ? line.substr(from, kRecordViewWidth) : std::string_view());
  if (mark_tabs) MarkTabs(view);
  return view;
}

int ScrollOffset(std::size_t line_length, int position, int max) {
  if (max <= 0) return 0;
  const long long offset = static_cast<long long>(line_length) * position / max;
  return offset < 0 ? 0 : static_cast<int>(offset);
}

}  // namespace vt
