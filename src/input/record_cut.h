// Record cuts: the current record cut into its fields by the input kind, and the default names
// of delimited fields. The window's steps and the conversion run both cut through these.
#pragma once

#include "input/input_tables.h"

namespace vt {

// "Field1".."FieldN" for the fields of a delimited record. Within a run nothing else writes names
// between progress points, so a namer remembers how many names it wrote and compares nothing
// below that; Forget() when something else may have written names.
class DefaultFieldNamer {
 public:
  // Names fields 1..count (at most 1,500), storing only the names that differ.
  void Name(InputTables& in, int count) {
    if (count > named_) NameMore(in, count);
  }
  void Forget() { named_ = 0; }

 private:
  void NameMore(InputTables& in, int count);
  int named_ = 0;
};

// The comma-delimited record InputLine into InputFieldValues; the count into InputFieldCounts[0].
int CutCommaRecord(InputTables& in);
// The same at one delimiter byte; a NUL delimiter cuts nothing and returns -1.
int CutDelimitedRecord(InputTables& in, char delimiter);
// The fixed-format record at the dividers of DividerMatrix row 0, fields named after
// their columns.
int CutFixedFields(InputTables& in);

}  // namespace vt
