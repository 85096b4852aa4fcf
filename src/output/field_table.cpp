// Field table: moving output fields within the parallel arrays of the output field table.
#include "output/field_table.h"

#include <string>

#include "strings/fixed_text.h"

namespace vt {

namespace {

std::size_t Slot(int n) {
  return static_cast<std::size_t>(n);
}

}  // namespace

void CopyField(OutputTables& out, int from, int to) {
  const std::size_t f = Slot(from);
  const std::size_t t = Slot(to);
  out.OutputFieldSource[t] = out.OutputFieldSource[f];
  out.OutputFieldNameTable[t] = out.OutputFieldNameTable[f];
  out.OutputFieldDefaults[t] = out.OutputFieldDefaults[f];
  out.OutputFieldFlags[t] = out.OutputFieldFlags[f];
  out.OutputFieldWidths[t] = out.OutputFieldWidths[f];
  out.OutputFieldDecimals[t] = out.OutputFieldDecimals[f];
}

bool InsertFieldAt(OutputTables& out, int p) {
  const int count = out.OutputFieldsInUse();
  if (p < 1 || p > count || count >= OutputTables::kSlots - 1) return false;
  for (int i = count; i >= p; --i) CopyField(out, i, i + 1);
  const std::size_t s = Slot(p);
  out.OutputFieldSource[s] = 0;
  CopyText(out.OutputFieldNameTable[s], "Output New");
  CopyText(out.OutputFieldDefaults[s], "");
  out.OutputFieldFlags[s] = kFlagRemoveBlanks;
  if (s < out.OutputFieldValues.size()) out.OutputFieldValues[s].clear();
  out.OutputFieldCount = count + 1;
  return true;
}

bool DeleteFieldAt(OutputTables& out, int p) {
  const int count = out.OutputFieldsInUse();
  if (p < 1 || p > count) return false;
  for (int i = p; i < count; ++i) CopyField(out, i + 1, i);
  out.OutputFieldCount = count - 1;
  return true;
}

bool MoveField(OutputTables& out, int f, int t) {
  const int count = out.OutputFieldsInUse();
  if (f == t || f < 1 || t < 1 || f > count || t > count) return false;
  CopyField(out, f, 0);
  if (f < t) {
    for (int i = f; i < t; ++i) CopyField(out, i + 1, i);
  } else {
    for (int i = f; i > t; --i) CopyField(out, i - 1, i);
  }
  CopyField(out, 0, t);
  return true;
}

void CopyFieldFormat(OutputTables& out, int from, int to) {
  const std::size_t f = Slot(from);
  const std::size_t t = Slot(to);
  out.OutputFieldDefaults[t] = out.OutputFieldDefaults[f];
  out.OutputFieldFlags[t] = out.OutputFieldFlags[f];
  out.OutputFieldWidths[t] = out.OutputFieldWidths[f];
  out.OutputFieldDecimals[t] = out.OutputFieldDecimals[f];
}

bool HasDefaultName(const OutputTables& out, int n) {
  return TextOf(out.OutputFieldNameTable[Slot(n)]) == "Output" + std::to_string(n);
}

}  // namespace vt
