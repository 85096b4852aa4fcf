// HTML table rows: row and cell markers found ignoring case, cells cut at the next "<TD".
#include "input/html_table.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "input/web_patterns.h"
#include "strings/edit.h"
#include "strings/entities.h"
#include "strings/search.h"

namespace vt {

namespace {

constexpr std::size_t kCellLimit = 1999;
constexpr std::size_t npos = std::string_view::npos;

std::size_t FindFrom(std::string_view text, std::string_view marker, std::size_t from) {
  if (from >= text.size()) return npos;
  const std::size_t at = FindText(text.substr(from), marker);
  return at == npos ? npos : from + at;
}

// Deletes every "<...>"; a "<" without its ">" ends the text.
void RemoveMarkup(std::string& text) {
  for (std::size_t open = text.find('<'); open != std::string::npos; open = text.find('<', open)) {
    const std::size_t close = text.find('>', open);
    if (close == std::string::npos) {
      text.resize(open);
      return;
    }
    text.erase(open, close - open + 1);
  }
}

}  // namespace

int CutHtmlRow(InputTables& in) {
  in.InputFieldCounts[0] = 0;
  for (int f = 1; f <= 2 * kMaxHtmlCells; ++f)
    in.InputFieldValues[static_cast<std::size_t>(f)].clear();
  std::string text = in.PageText;
  for (char& c : text) {
    if (c >= 1 && c <= 31) c = ' ';
  }
  std::string_view row = text;
  const std::size_t first_row = FindText(row, "<TR");
  if (first_row != npos) {
    const std::size_t next_row = FindFrom(row, "<TR", first_row + 1);
    if (next_row != npos) row = row.substr(0, next_row);
    const std::size_t row_end = FindFrom(row, "</TR", first_row);
    if (row_end != npos) row = row.substr(0, row_end);
  }
  std::size_t cell_at = FindText(row, "<TD");
  if (cell_at == npos) return 0;
  int cells = 0;
  std::string cell;
  while (cell_at != npos && cells < kMaxHtmlCells) {
    ++cells;
    const auto text_field = static_cast<std::size_t>(2 * cells - 1);
    in.InputFieldNames[text_field] = "TEXT[" + std::to_string(cells) + "]";
    in.InputFieldNames[text_field + 1] = "URL[" + std::to_string(cells) + "]";
    const std::size_t next_cell = FindFrom(row, "<TD", cell_at + 1);
    const std::size_t cell_end = std::min(next_cell, row.size());
    cell.assign(row.substr(cell_at, std::min(cell_end - cell_at, kCellLimit)));
    in.InputFieldValues[text_field + 1].assign(
        ExtractUrl(cell).substr(0, InputTables::kValueLimit));
    RemoveMarkup(cell);
    DecodeEntities(cell, kDecodeWorkLimit);
    CollapseBlanks(cell);
    in.InputFieldValues[text_field].assign(cell, 0, InputTables::kValueLimit);
    cell_at = next_cell;
  }
  in.TagCount = 2 * cells;
  in.InputFieldCounts[0] = 2 * cells;
  return 2 * cells;
}

}  // namespace vt
