// HTML table rows: the cells of a page's first table row as pairs of fields, the cell's text
// and the first URL in it.
#pragma once

#include "input/input_tables.h"

namespace vt {

inline constexpr int kMaxHtmlCells = 30;

// Cuts the first "<TR" row of PageText into fields TEXT[k] (markup removed, entities decoded,
// blanks collapsed) and URL[k], k = 1..30; TagCount and InputFieldCounts[0] become twice the
// cells taken. Every field of the previous row is cleared first. Returns the field count; a
// page without "<TD" makes none and leaves TagCount as it was.
int CutHtmlRow(InputTables& in);

}  // namespace vt
