// Fixed-format fields: the dividers marked under the input line, and the cutting of a record
// at them into fields named after their columns ("Col1_10", "Col11_End").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

using DividerRow = std::array<std::int16_t, 100>;

inline constexpr std::size_t kFixedValueLimit = 1250;
inline constexpr std::size_t kRecordViewWidth = 1000;

// The number of fields a divider row makes: one more than its dividers (entries 1, 2, ... up
// to the first 0).
int FieldCountOfRow(const DividerRow& row);

// Cuts `line` into fields 1..FieldCountOfRow(row): field k runs from divider k-1 to divider k,
// the last to the end of the line; names[k] "Col<start+1>_<end>" or "Col<start+1>_End";
// values cut at kFixedValueLimit. Both vectors must hold count + 1 entries. Returns the count.
int CutFixedRecord(std::string_view line, const DividerRow& row, std::vector<std::string>& names,
                   std::vector<std::string>& values);

// Rebuilds `row` from the '^' columns of the marker line (at most 99 dividers) and lists them
// 1-based, comma-separated, in `list_text` (no more added once it reaches 250 characters).
// Returns the field count of the row (dividers + 1).
int RebuildDividerRow(std::string_view marker, DividerRow& row, std::string& list_text);

// What a click on the marker line at a column does.
enum class DividerToggle {
  kIgnored,       // outside the marker line
  kAdded,         // a new divider
  kAddedAtLimit,  // a new divider, with the "too many fields" warning (the 99th field)
  kRefused,       // the warning and nothing added (99 fields already)
  kRemoved,
};
DividerToggle ToggleDivider(std::string& marker, int column, int field_total);

// The display copy of a record line or marker line: from `offset`, at most kRecordViewWidth
// characters, TABs marked (for the record) so they take one column.
std::string RecordView(std::string_view line, int offset, bool mark_tabs);

// The first column the view shows for a scroll bar position.
int ScrollOffset(std::size_t line_length, int position, int max);

}  // namespace vt
