// Tag fields: occurrence counting in the page or its lines, Line Below, and the cuts at tags.
#include "input/tag_fields.h"

#include <algorithm>
#include <limits>

#include "strings/fixed_text.h"

namespace vt {

namespace {

constexpr std::size_t kTagValueLimit = 1250;

// Occurrence `n` of `tag` in `text` counting from `seen` (matches do not overlap); npos when
// the text holds fewer. `seen` counts on.
std::size_t FindOccurrence(std::string_view text, std::string_view tag, std::int64_t n,
                           std::int64_t& seen) {
  for (std::size_t at = text.find(tag); at != std::string_view::npos;
       at = text.find(tag, at + tag.size())) {
    if (++seen == n) return at;
  }
  return std::string_view::npos;
}

void ValueAfter(std::string_view text, std::size_t end, std::string& value) {
  value.assign(text.substr(std::min(end, text.size()), kTagValueLimit));
}

}  // namespace

std::string TagFieldName(std::string_view tag, std::int16_t occurrence) {
  std::string name(tag);
  if (occurrence > 1 || occurrence < -1) name += "[" + std::to_string(occurrence) + "]";
  if (occurrence < 0) name += "[B]";
  return name;
}

std::int16_t ParseOccurrence(std::string_view text, bool line_below) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::int64_t n = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    n = std::min<std::int64_t>(n * 10 + (text[i] - '0'), std::numeric_limits<std::int16_t>::max());
  if (negative || n <= 0) n = 1;
  return static_cast<std::int16_t>(line_below ? -n : n);
}

int TagsInUse(const InputTables& in) {
  const int count = std::clamp(in.TagCount, 0, kMaxTags);
  int used = 0;
  while (used < count && in.TagTexts[static_cast<std::size_t>(used) + 1][0] != '\0') ++used;
  return used;
}

int CutTagFields(InputTables& in, bool whole_page, int selected) {
  const int tags = TagsInUse(in);
  in.TagFoundLine = 0;
  in.TagFoundColumn = 0;
  for (int i = 1; i <= tags; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const std::string_view tag = TextOf(in.TagTexts[slot]);
    const std::int64_t occurrence = in.TagOccurrences[slot];
    in.InputFieldNames[slot] = TagFieldName(tag, in.TagOccurrences[slot]);
    std::string& value = in.InputFieldValues[slot];
    value.clear();
    std::int64_t seen = 0;
    if (whole_page) {
      // A Line Below tag has no line below in one text: it stays empty.
      const std::size_t at = occurrence > 0 ? FindOccurrence(in.PageText, tag, occurrence, seen)
                                            : std::string_view::npos;
      if (at != std::string_view::npos) ValueAfter(in.PageText, at + tag.size(), value);
    } else {
      const std::int64_t wanted = occurrence < 0 ? -occurrence : occurrence;
      for (int line = 1; line <= in.PageLineCount && line < static_cast<int>(in.PageLines.size());
           ++line) {
        const std::string& text = in.PageLines[static_cast<std::size_t>(line)];
        const std::size_t at = FindOccurrence(text, tag, wanted, seen);
        if (at == std::string_view::npos) continue;
        ValueAfter(text, at + tag.size(), value);
        if (occurrence < 0 && line < in.PageLineCount)
          value.assign(in.PageLines[static_cast<std::size_t>(line) + 1], 0,
                       InputTables::kValueLimit);
        if (i == selected) {
          in.TagFoundLine = line;
          in.TagFoundColumn = static_cast<std::int32_t>(at) + 1;
        }
        break;
      }
    }
    for (char& c : value) {
      if (c >= 1 && c <= 31) c = ' ';
    }
  }
  // A value ends where any tag's text begins in it (its own included), also a tag of the
  // count that lies after an empty one; an empty text cuts nothing.
  const int cutters = std::clamp(in.TagCount, 0, kMaxTags);
  for (int k = 1; k <= tags; ++k) {
    std::string& value = in.InputFieldValues[static_cast<std::size_t>(k)];
    for (int i = 1; i <= cutters; ++i) {
      const std::string_view cutter = TextOf(in.TagTexts[static_cast<std::size_t>(i)]);
      const std::size_t at = cutter.empty() ? std::string::npos : value.find(cutter);
      if (at != std::string::npos) value.resize(at);
    }
  }
  in.InputFieldCounts[0] = tags;
  return tags;
}

}  // namespace vt
