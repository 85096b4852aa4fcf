// Page fields: header and footer fields, the band's fields in its block, and a page record.
#include "input/page_fields.h"

#include <algorithm>

#include "input/fixed_fields.h"
#include "input/html_table.h"
#include "input/page_image.h"
#include "input/tag_fields.h"
#include "input/web_patterns.h"

namespace vt {

namespace {

// Page lines 1..97 have divider rows; row 98 of the matrix belongs to binary input.
constexpr int kLastDividerRow = 97;

// The cuts of page line `row` (no more than its dividers make).
int CutsOf(const InputTables& in, int row) {
  const auto r = static_cast<std::size_t>(row);
  return std::clamp(in.InputFieldCounts[r], 0, FieldCountOfRow(in.DividerMatrix[r]));
}

// Column `k` of a divider row; a loaded negative column counts as the start of the line.
std::size_t DividerColumn(const InputTables& in, int row, int k) {
  return static_cast<std::size_t>(std::max<int>(
      in.DividerMatrix[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)], 0));
}

// Fields of one line's cuts after field `f`: names `prefix` + "C" + start + "_" + end.
int CutLine(InputTables& in, int row, std::string_view text, const std::string& prefix, int f) {
  const int cuts = CutsOf(in, row);
  for (int k = 1; k <= cuts && f < InputTables::kMaxFields; ++k) {
    const std::size_t start = DividerColumn(in, row, k - 1);
    const bool last = k == cuts;
    const std::size_t end = last ? text.size() : DividerColumn(in, row, k);
    const auto field = static_cast<std::size_t>(++f);
    in.InputFieldNames[field] =
        prefix + "C" + std::to_string(start + 1) + "_" + (last ? "End" : std::to_string(end));
    std::string& value = in.InputFieldValues[field];
    value.clear();
    if (start < text.size() && end > start)
      value.assign(text.substr(start, std::min(end - start, InputTables::kValueLimit)));
  }
  return f;
}

}  // namespace

int BandHeightOf(const InputTables& in) {
  return std::max(in.PageBandHeight, 1);
}
int BlockStepOf(const InputTables& in) {
  return std::max(in.PageBlockStep, 1);
}
int BlockCountOf(const InputTables& in) {
  // Block b starts at column b - 1 or later: past 255 blocks none can hold a character.
  return std::clamp<std::int32_t>(in.PageBlockCount, 1, static_cast<std::int32_t>(kPageLineLimit));
}
int GutterOf(const InputTables& in) {
  return std::max(in.PageGutter, 0);
}

PageRow RowKindOf(const InputTables& in, int line) {
  if (line < in.PageDataFirstLine) return PageRow::kHeader;
  if (line > in.PageFooterLine) return PageRow::kFooter;
  return PageRow::kData;
}

int PageDataLines(const InputTables& in) {
  if (in.PageLineCount < in.PageDataFirstLine) return 0;
  // Lines of the page only: a first line below 1 counts from line 1.
  const std::int64_t first = std::max(in.PageDataFirstLine, 1);
  const std::int64_t last = std::min(in.PageFooterLine, in.PageLineCount);
  return static_cast<int>(std::max<std::int64_t>(last - first + 1, 0));
}

int PageBandCount(const InputTables& in) {
  const int lines = PageDataLines(in);
  if (lines <= 0) return 0;
  return std::max(lines / BandHeightOf(in), 1);
}

int FirstBandLine(const InputTables& in, int line) {
  const std::int64_t offset = std::int64_t{line} - in.PageDataFirstLine;
  return static_cast<int>(in.PageDataFirstLine + offset % BandHeightOf(in));
}

int BlockAtColumn(const InputTables& in, std::int64_t column) {
  const std::int64_t block = (column - GutterOf(in)) / BlockStepOf(in) + 1;
  return static_cast<int>(std::clamp<std::int64_t>(block, 1, BlockCountOf(in)));
}

std::int64_t BlockStart(const InputTables& in, int block) {
  return (std::int64_t{block} - 1) * BlockStepOf(in) + GutterOf(in);
}

std::string_view BlockText(const InputTables& in, std::string_view line, int block) {
  const std::int64_t start = BlockStart(in, block);
  if (start < 0 || start >= static_cast<std::int64_t>(line.size())) return {};
  return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(BlockStepOf(in)));
}

std::string_view PageLineText(const InputTables& in, std::int64_t line) {
  if (line < 1 || line > in.PageLineCount || line >= static_cast<std::int64_t>(in.PageLines.size()))
    return {};
  return in.PageLines[static_cast<std::size_t>(line)];
}

int CutHeaderFooterFields(InputTables& in) {
  int f = 0;
  const int last_row = std::min(PageLength(in.FormLength), kLastDividerRow);
  for (int row = 1; row <= last_row; ++row) {
    if (RowKindOf(in, row) == PageRow::kData) continue;
    f = CutLine(in, row, PageLineText(in, row), "Line" + std::to_string(row), f);
  }
  in.HeaderFooterFieldCount = f;
  return f;
}

int CutBandFields(InputTables& in, int after) {
  int f = after;
  if (in.PageBandIndex < 1) return f;
  const std::int64_t first = in.PageDataFirstLine;
  const std::int64_t height = BandHeightOf(in);
  const std::int64_t band_start = (std::int64_t{in.PageBandIndex} - 1) * height;
  const std::int64_t last_row = std::min<std::int64_t>(first + height - 1, kLastDividerRow);
  for (std::int64_t row = std::max<std::int64_t>(first, 1); row <= last_row; ++row) {
    const std::string_view text =
        BlockText(in, PageLineText(in, band_start + row), in.PageBlockIndex);
    f = CutLine(in, static_cast<int>(row), text, "Row" + std::to_string(row - first + 1), f);
  }
  return f;
}

int CutPageFields(InputTables& in, const PageCut& cut) {
  if (!cut.tagged) return CutHeaderFooterFields(in);
  FindWebPatterns(in, cut.ignore_line_ends);
  if (cut.html_table) return CutHtmlRow(in);
  return CutTagFields(in, cut.ignore_line_ends, cut.selected_tag);
}

void CutBandRecord(InputTables& in, int page_fields, const PageCut& cut) {
  const bool html_row = cut.tagged && cut.html_table;
  const int last = html_row ? page_fields : CutBandFields(in, page_fields);
  in.InputFieldCounts[0] = last - page_fields;
  const int listed = in.CountedFields(in.CutCountSum());
  for (int f = last + 1; f <= listed; ++f) {
    in.InputFieldNames[static_cast<std::size_t>(f)].clear();
    in.InputFieldValues[static_cast<std::size_t>(f)].clear();
  }
  in.InputRecordCut();
}

void CutPageRecord(InputTables& in, const PageCut& cut) {
  CutBandRecord(in, CutPageFields(in, cut), cut);
}

}  // namespace vt
