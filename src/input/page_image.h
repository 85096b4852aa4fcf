// Page images: a printed report read page by page from the text input. This one reader serves
// the page view, Previous Page, record stepping, the width scan and the conversion run alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "input/input_tables.h"

namespace vt {

// How a page ends (besides FormLength lines and a form feed inside a line, which end every page).
enum class PageBreak {
  kFixedLength,  // after FormLength lines only
  kFormFeed,     // before a line that begins with a form feed
  kTagText,      // before a line that holds the tag text
  kBlankLines,   // at a run of blank lines
};

struct PageOptions {
  PageBreak mode = PageBreak::kFixedLength;
  std::string tag = "Page";
  bool tag_at_left_only = false;  // the tag must start the line
  bool skip_blank_lines = false;  // empty lines after a page's first are dropped
};

inline constexpr int kPageLinesMax = 99;
inline constexpr std::size_t kPageLineLimit = 255;
inline constexpr std::size_t kPageTextLimit = 32768;

// FormLength as the reader uses it: 1..99 lines.
[[nodiscard]] int PageLength(std::int32_t form_length);

// Where the tag starts in the line; npos when it is absent, or does not start the line while
// `at_left_only`. An empty tag is found at 0 in every line.
[[nodiscard]] std::size_t FindPageBreakTag(std::string_view line, std::string_view tag,
                                           bool at_left_only);

// A line that sorts at or below 255 blanks: empty, blanks only, or whose first byte that is not
// a blank is a control character.
[[nodiscard]] bool IsBlankPageLine(std::string_view line);

// Appends a page line to PageText: without its leading blanks, then one blank unless the line
// is 250 characters or longer (its next piece follows on); nothing once the text is full.
void AppendPageText(std::string& page_text, std::string_view line);

// Empties the page: its lines (1 on; line 0 is the column ruler) and its text.
void ClearPage(InputTables& in);

// Back to the first page: the stream from its start, no line pending, no page read.
void RewindPages(InputTables& in);

// True when no further page can be read: nothing pending and nothing left in the stream.
[[nodiscard]] bool PageInputAtEnd(InputTables& in);

// Reads the next page into PageLines, PageLineCount and PageText and counts it in PagesRead.
// False at the end of the input, the page left as it was. A page read holds at least one line.
bool ReadNextPage(InputTables& in, const PageOptions& options);

}  // namespace vt
