// Field table: moving output fields within the parallel arrays of the output field table.
//
// A field is its name, default, width, flag word, source and decimals; these six move together.
// Values, previous values and longest lengths belong to slot numbers and never move.
#pragma once

#include "output/output_tables.h"

namespace vt {

// Copies field `from` into slot `to` (the six parallel entries).
void CopyField(OutputTables& out, int from, int to);

// Opens place p: fields p..count move one place up; field p gets source 0, the name "Output New",
// an empty default and flags 2 (width and decimals keep what stood there). Count grows by one.
// False (nothing changed) when p is outside 1..count or the table is full.
bool InsertFieldAt(OutputTables& out, int p);

// Removes field p: fields p+1..count move one place down; count falls by one.
bool DeleteFieldAt(OutputTables& out, int p);

// Moves field f to place t through scratch slot 0, shifting the fields between.
bool MoveField(OutputTables& out, int f, int t);

// Copies the format (default, flag word, width, decimals; not name, not source) of one field
// onto another.
void CopyFieldFormat(OutputTables& out, int from, int to);

// The field's name as "Output" followed by its number.
[[nodiscard]] bool HasDefaultName(const OutputTables& out, int n);

}  // namespace vt
