// Binary cut: the current binary record cut at the dividers of DividerMatrix row 0, each field
// read from the record's own bytes by its type bits. The window's steps and the conversion run
// both cut binary records through here.
#pragma once

#include <string>
#include <string_view>

#include "input/binary_fields.h"
#include "input/input_tables.h"

namespace vt {

// Where field f (1..count) of the row-0 cut lies in the record: from divider f-1 to divider f,
// the last field to BinaryRecordLength. `width` is 0 or less for a field that holds no bytes.
struct BinaryFieldSpan {
  std::int64_t start = 0;
  std::int64_t width = 0;
};
BinaryFieldSpan BinaryFieldBounds(const InputTables& in, int f, int count);

// The bytes of `span` in BinaryRecordCopy. Bytes past the end of a short record read as zeros,
// copied into `scratch` only then, and only as many as can change a reading.
std::string_view BinaryFieldBytes(const InputTables& in, const BinaryFieldSpan& span,
                                  std::string& scratch);

// Cuts BinaryRecordCopy into fields 1..count, named as fixed fields are ("Col1_4", "Col5_End"),
// each value the reading its type bits choose. Returns the count (also in InputFieldCounts[0]).
int CutBinaryFields(InputTables& in, const BinaryOptions& options);

}  // namespace vt
