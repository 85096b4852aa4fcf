// Page fields: the page's geometry (header rows, data bands, vertical blocks, footer rows) and
// the cutting of a page record into input fields at the dividers of its lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input/input_tables.h"

namespace vt {

enum class PageRow { kHeader, kData, kFooter };

// The geometry as a preference file may have left it, made usable: a band height, block step
// and block count below 1 count as 1, a negative gutter as 0, a block count above 255 as 255.
[[nodiscard]] int BandHeightOf(const InputTables& in);
[[nodiscard]] int BlockStepOf(const InputTables& in);
[[nodiscard]] int BlockCountOf(const InputTables& in);
[[nodiscard]] int GutterOf(const InputTables& in);

[[nodiscard]] PageRow RowKindOf(const InputTables& in, int line);
// The data lines the page holds, and the bands they make (at least 1 when there are any).
[[nodiscard]] int PageDataLines(const InputTables& in);
[[nodiscard]] int PageBandCount(const InputTables& in);
// The line of the first band that a data line's dividers belong to.
[[nodiscard]] int FirstBandLine(const InputTables& in, int line);
// The vertical block under a 1-based column: 1..BlockCountOf.
[[nodiscard]] int BlockAtColumn(const InputTables& in, std::int64_t column);
// The first column (0-based) of a block.
[[nodiscard]] std::int64_t BlockStart(const InputTables& in, int block);
// Block `block` of a line: BlockStepOf characters from its start, never past the line's end.
[[nodiscard]] std::string_view BlockText(const InputTables& in, std::string_view line, int block);
// Page line L, empty past the page store.
[[nodiscard]] std::string_view PageLineText(const InputTables& in, std::int64_t line);

// What a page record's cut is made of besides the band's fields.
struct PageCut {
  bool tagged = false;            // tag fields (or an HTML row) instead of header and footer fields
  bool html_table = false;        // the page's first table row
  bool ignore_line_ends = false;  // tags and web patterns search the page as one text
  int selected_tag = 0;           // the tag whose place on the page is noted (1-based; 0 none)
};

// The fields of the header and footer rows, numbered from 1 ("Line3C1_10"); their count goes to
// HeaderFooterFieldCount and is returned.
int CutHeaderFooterFields(InputTables& in);
// The fields of the current band and block after field `after` ("Row2C11_End"); returns the
// last field number.
int CutBandFields(InputTables& in, int after);
// The fields that stay the same for every record of the page: header and footer fields, or tag
// fields with the page's web patterns, or the HTML row. Returns the number made.
int CutPageFields(InputTables& in, const PageCut& cut);
// The whole record: page fields, then the band's; InputFieldCounts[0] the band's field count.
// Names and values past the last field are cleared, so no field of an earlier cut stays listed.
void CutPageRecord(InputTables& in, const PageCut& cut);
// The band's fields after the page fields already cut (`page_fields` of them). An HTML row's
// cells are its only fields: band fields after them would take the numbers of the cells a
// longer row has.
void CutBandRecord(InputTables& in, int page_fields, const PageCut& cut);

}  // namespace vt
