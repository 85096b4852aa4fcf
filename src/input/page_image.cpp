// Page images: line reading, page breaks and the page store.
#include "input/page_image.h"

#include <algorithm>

#include "strings/words.h"

namespace vt {

namespace {

constexpr char kFormFeed = '\f';
constexpr std::size_t kLongLine = 250;

// The page loops ask before each read whether anything is left: the read that would run into
// the end with nothing places no line and begins no page. An empty line before it is a line.
void ReadPageLine(InputTables& in) {
  in.InputTextStream.ReadLine(in.PageLineBuffer, kPageLineLimit);
}

bool HoldsTag(std::string_view line, const PageOptions& options) {
  return FindPageBreakTag(line, options.tag, options.tag_at_left_only) != std::string_view::npos;
}

// The first page of tag and blank-line modes starts at the first tag line, or the first line
// that is not blank; what comes before it is no page.
void SkipToFirstPageLine(InputTables& in, const PageOptions& options) {
  const bool tag = options.mode == PageBreak::kTagText;
  auto skipped = [&] {
    return tag ? !HoldsTag(in.PageLineBuffer, options) : IsBlankPageLine(in.PageLineBuffer);
  };
  while (skipped() && !in.InputTextStream.NothingLeft()) ReadPageLine(in);
}

// Tag mode, a page cut at FormLength lines: the lines up to the next tag line are not shown
// but belong to the page's text; the tag line begins the next page.
void ReadOnToTag(InputTables& in, const PageOptions& options) {
  if (HoldsTag(in.PageLineBuffer, options)) return;
  while (!in.InputTextStream.NothingLeft()) {
    ReadPageLine(in);
    if (HoldsTag(in.PageLineBuffer, options)) {
      in.PageLinePending = 1;
      return;
    }
    AppendPageText(in.PageText, in.PageLineBuffer);
  }
}

// Line `i` of the page into PageLineBuffer: the pending line, or a fresh read. False at the end.
bool NextPageLine(InputTables& in, const PageOptions& options, int i, bool first_skip) {
  if (in.PageLinePending == 1) {
    in.PageLinePending = 0;
    return true;
  }
  if (in.InputTextStream.NothingLeft()) return false;
  ReadPageLine(in);
  if (first_skip && i == 1) SkipToFirstPageLine(in, options);
  if (options.skip_blank_lines && i > 1) {
    while (in.PageLineBuffer.empty() && !in.InputTextStream.NothingLeft()) ReadPageLine(in);
  }
  return true;
}

void PlaceLine(InputTables& in, int i) {
  const std::string& line = in.PageLines[static_cast<std::size_t>(i)];
  AppendPageText(in.PageText, line);
  in.PageLineCount = i;
  in.PageLongestLine = std::max(in.PageLongestLine, static_cast<std::int32_t>(line.size()));
}

}  // namespace

int PageLength(std::int32_t form_length) {
  return std::clamp<std::int32_t>(form_length, 1, kPageLinesMax);
}

std::size_t FindPageBreakTag(std::string_view line, std::string_view tag, bool at_left_only) {
  if (at_left_only) return line.starts_with(tag) ? 0 : std::string_view::npos;
  return line.find(tag);
}

bool IsBlankPageLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return line.size() <= kPageLineLimit;
  return first < kPageLineLimit && static_cast<unsigned char>(line[first]) < 32;
}

void AppendPageText(std::string& page_text, std::string_view line) {
  if (page_text.size() + line.size() + 2 < kPageTextLimit)
    page_text.append(line.substr(std::min(SkipBlanks(line, 0), line.size())));
  if (page_text.size() + 2 < kPageTextLimit && line.size() < kLongLine) page_text += ' ';
}

void ClearPage(InputTables& in) {
  for (std::size_t i = 1; i < in.PageLines.size(); ++i) in.PageLines[i].clear();
  in.PageText.clear();
}

void RewindPages(InputTables& in) {
  in.InputTextStream.RewindOrOpen(in.InputFileName);
  in.PageLineBuffer.clear();
  in.PageLinePending = 0;
  in.PagesRead = 0;
}

bool PageInputAtEnd(InputTables& in) {
  return in.PageLinePending == 0 && in.InputTextStream.NothingLeft();
}

bool ReadNextPage(InputTables& in, const PageOptions& options) {
  const bool form_feed_mode = options.mode == PageBreak::kFormFeed;
  const bool tag_mode = options.mode == PageBreak::kTagText;
  const bool blank_mode = options.mode == PageBreak::kBlankLines;
  // The first page of those modes starts from a fresh read, never from a stale buffer.
  const bool first_skip = in.PagesRead == 0 && (tag_mode || blank_mode);
  if (first_skip) in.PageLinePending = 0;
  if (PageInputAtEnd(in)) return false;

  in.FormLengthInUse = in.FormLength;
  ClearPage(in);
  in.PageLineCount = 0;
  in.PageLongestLine = 1;
  std::string& buffer = in.PageLineBuffer;
  const int length = PageLength(in.FormLength);
  bool page_full = true;  // the page ended after `length` lines, not at a break
  for (int i = 1; i <= length && page_full; ++i) {
    if (!NextPageLine(in, options, i, first_skip)) break;
    // A form feed that opens a page breaks nothing: the page starts here anyway.
    if (i == 1 && buffer.starts_with(kFormFeed)) buffer.erase(0, 1);
    std::string& line = in.PageLines[static_cast<std::size_t>(i)];
    page_full = false;
    if (form_feed_mode && buffer.starts_with(kFormFeed)) {
      in.PageLinePending = 1;
      continue;
    }
    const std::size_t form_feed = buffer.find(kFormFeed);
    if (buffer.size() > 2 && form_feed != std::string::npos) {
      line.assign(buffer, 0, form_feed);
      buffer.erase(0, form_feed);
      in.PageLinePending = 1;
      PlaceLine(in, i);
      continue;
    }
    if (tag_mode && i > 1 && HoldsTag(buffer, options)) {
      in.PageLinePending = 1;
      continue;
    }
    if (blank_mode && i > 1 && IsBlankPageLine(buffer)) {
      while (!in.InputTextStream.NothingLeft() && IsBlankPageLine(buffer)) ReadPageLine(in);
      // Blank lines that end the file begin no page.
      in.PageLinePending = IsBlankPageLine(buffer) ? 0 : 1;
      continue;
    }
    line = buffer;
    PlaceLine(in, i);
    page_full = true;
  }
  if (tag_mode && page_full && in.PageLineCount == length) ReadOnToTag(in, options);
  ++in.PagesRead;
  return true;
}

}  // namespace vt
