// Direct records: a run's record of plain fields made straight into OutputRecord.
#pragma once

#include "input/input_tables.h"
#include "output/builder_scratch.h"
#include "output/output_tables.h"
#include "output/record_builder.h"

namespace vt {

// Step 19 of the builder for a record of plain fields with widths in a format that places
// values alone (fixed, comma, tab, the other delimiters; not XML or dBase): each field's text
// goes straight into its columns of a record made of blanks, with its quotes and delimiter, and
// Scratch.deferred_at keeps where, for SettleOutputValues. Gives what the general path gives,
// OutputFieldValues aside. False, with nothing done, when a field needs more than that, or
// when the record would reach its limit (where the general path leaves pieces out one by one).
[[nodiscard]] bool BuildDirectRecord(const PlainLayout& layout, const InputTables& in,
                                     const FieldPlans& plans, int count, OutputTables& out);

}  // namespace vt
