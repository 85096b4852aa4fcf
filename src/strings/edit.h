// In-place edits of a text: replace-all, trailing trims, blank collapsing, control-byte
// removal and the TAB marks of the record views.
//
// Each works on the caller's string and never makes it longer than the rules allow, so
// the per-record path reuses its buffers. Views passed in must not point into the text
// being edited.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "strings/char_class.h"

namespace vt {

// ReplaceAllText searches the first this many characters and never makes a longer text.
inline constexpr std::size_t kReplaceAllTextLimit = 32767;

// Replaces every occurrence of `searched` (found as FindText finds it, ignoring ASCII case)
// by `replacement`, left to right without overlap; replaced text is never searched again,
// so "&" -> "&amp;" is safe. A text without any occurrence, or an empty `searched`, is
// left alone; otherwise the result is cut at kReplaceAllTextLimit characters.
void ReplaceAllText(std::string& text, std::string_view searched, std::string_view replacement);

// Drops every trailing byte that is not a word character (blanks, punctuation, apostrophes,
// hyphens, underscores); a text without any word character becomes empty. Inline: the parsers
// trim after almost every step.
inline void TrimTrailing(std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && !IsWordChar(text[end - 1])) --end;
  text.resize(end);
}

// Drops every trailing c.
void TrimTrailingChar(std::string& text, char c);

// Every run of two or more blanks becomes one blank, at the ends too; TABs stay.
void CollapseBlanks(std::string& text);

// Removes the bytes 0 to 31 (TAB, CR and LF included) and 128 to 255; the rest closes up.
void RemoveControlChars(std::string& text);

// Every TAB becomes byte 128, so a TAB takes one column in the record views. Only for the
// copy a view shows, never for stored data.
void MarkTabs(std::string& text);

}  // namespace vt
