// Record cuts: the cutters over the record tables, and the default field names made once.
#include "input/record_cut.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "input/delimited_split.h"
#include "input/fixed_fields.h"

namespace vt {

namespace {

// "Field1" to "Field1500", made once: a run names every record's fields the same way.
struct DefaultFieldNames {
  DefaultFieldNames() {
    for (int j = 1; j <= InputTables::kMaxFields; ++j) {
      char digits[8];
      int n = 0;
      for (int rest = j; rest != 0; rest /= 10) digits[n++] = static_cast<char>('0' + rest % 10);
      auto& name = text[static_cast<std::size_t>(j)];
      std::memcpy(name.data(), "Field", 5);
      std::uint8_t size = 5;
      while (n > 0) name[size++] = digits[--n];
      length[static_cast<std::size_t>(j)] = size;
    }
  }
  std::array<std::array<char, 12>, InputTables::kMaxFields + 1> text{};
  std::array<std::uint8_t, InputTables::kMaxFields + 1> length{};
};

// Names are 6 to 9 bytes ("Field1" to "Field1500"): compares of a constant length compile to
// a few loads, where a call to memcmp would cost more than the name.
bool SameText(const std::string& stored, const char* name, std::size_t length) {
  if (stored.size() != length) return false;
  const char* text = stored.data();
  switch (length) {
    case 6:
      return std::memcmp(text, name, 6) == 0;
    case 7:
      return std::memcmp(text, name, 7) == 0;
    case 8:
      return std::memcmp(text, name, 8) == 0;
    case 9:
      return std::memcmp(text, name, 9) == 0;
    default:
      return std::memcmp(text, name, length) == 0;
  }
}

}  // namespace

void DefaultFieldNamer::NameMore(InputTables& in, int count) {
  count = std::min(count, InputTables::kMaxFields);
  if (count <= named_) return;
  static const DefaultFieldNames kNames;
  for (int j = 1; j <= count; ++j) {
    const auto k = static_cast<std::size_t>(j);
    const std::size_t length = kNames.length[k];
    const char* name = kNames.text[k].data();
    std::string& stored = in.InputFieldNames[k];
    if (!SameText(stored, name, length)) stored.assign(name, length);
  }
  named_ = count;
}

int CutCommaRecord(InputTables& in) {
  const bool views = in.CutIntoViews;
  // The line's buffer may be read to its capacity, in whole blocks.
  const SplitLimits limits{.readable = in.InputLine.capacity()};
  const int count = views ? SplitCommaViews(in.InputLine, in.InputFieldViews, limits)
                          : SplitCommaRecord(in.InputLine, in.InputFieldValues, limits);
  in.InputFieldCounts[0] = count;
  in.InputRecordCut(views ? count : -1);
  return count;
}

int CutDelimitedRecord(InputTables& in, char delimiter) {
  if (delimiter == '\0') return -1;  // no delimiter: nothing to cut at
  const bool views = in.CutIntoViews;
  const int count = views ? SplitDelimitedViews(in.InputLine, delimiter, in.InputFieldViews)
                          : SplitDelimitedRecord(in.InputLine, delimiter, in.InputFieldValues);
  in.InputFieldCounts[0] = count;
  in.InputRecordCut(views ? count : -1);
  return count;
}

int CutFixedFields(InputTables& in) {
  // The count comes from the dividers themselves, so a count left by another cutter cannot
  // read past the row.
  const int count =
      CutFixedRecord(in.InputLine, in.DividerMatrix[0], in.InputFieldNames, in.InputFieldValues);
  in.InputFieldCounts[0] = count;
  in.InputRecordCut();
  return count;
}

}  // namespace vt
