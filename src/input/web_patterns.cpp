// Web patterns: e-mail addresses and URLs by their plain ASCII character runs.
#include "input/web_patterns.h"

#include <string>

#include "strings/search.h"

namespace vt {

namespace {

constexpr std::size_t kShortest = 7;     // a run of 6 characters or fewer is none
constexpr std::size_t kSlotLimit = 255;  // an entry holds 255 characters

// The ASCII letters and digits only: bytes of 128 and above are neither here.
bool IsAsciiAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
bool IsEmailChar(char c) {
  return IsAsciiAlnum(c) || c == '-' || c == '.' || c == '_';
}
bool IsUrlChar(char c) {
  return IsAsciiAlnum(c) || c == '.' || c == '-' || c == '_' || c == '~' || c == '/';
}

// The run around `at` (the marker of `marker_size` characters): `left` chars before, `right`
// after.
template <typename Left, typename Right>
std::string_view RunAround(std::string_view text, std::size_t at, std::size_t marker_size,
                           Left left, Right right) {
  std::size_t begin = at;
  while (begin > 0 && left(text[begin - 1])) --begin;
  std::size_t end = at + marker_size;
  while (end < text.size() && right(text[end])) ++end;
  if (end - begin < kShortest) return {};
  return text.substr(begin, end - begin);
}

using Extractor = std::string_view (*)(std::string_view);

bool Known(const std::array<std::string, 4>& found, std::string_view candidate) {
  for (const std::string& entry : found) {
    if (entry.size() == candidate.size() && SameTextN(entry, candidate, entry.size()) == 0)
      return true;
  }
  return false;
}

// One pass over `text`: new entries into `found` from slot `count` on; stops at a repeat.
void Collect(std::string_view text, Extractor extract, std::array<std::string, 4>& found,
             std::size_t& count) {
  while (count < found.size()) {
    const std::string_view result = extract(text);
    const std::string_view entry = result.substr(0, kSlotLimit);
    if (result.empty() || Known(found, entry)) return;
    found[count++].assign(entry);
    const std::size_t at = FindText(text, result);
    text.remove_prefix(at == std::string_view::npos ? text.size() : at + result.size());
  }
}

void Search(const InputTables& in, bool whole_page, Extractor extract,
            std::array<std::string, 4>& found) {
  for (std::string& entry : found) entry.clear();
  std::size_t count = 0;
  if (whole_page) {
    Collect(in.PageText, extract, found, count);
    return;
  }
  for (int line = 1; line <= in.PageLineCount && line < static_cast<int>(in.PageLines.size());
       ++line) {
    Collect(in.PageLines[static_cast<std::size_t>(line)], extract, found, count);
  }
}

}  // namespace

std::string_view ExtractEmail(std::string_view text) {
  const std::size_t at = text.find('@');
  if (at == std::string_view::npos) return {};
  return RunAround(text, at, 1, IsEmailChar, IsEmailChar);
}

std::string_view ExtractUrl(std::string_view text) {
  const std::size_t at = text.find("://");
  if (at == std::string_view::npos) return {};
  return RunAround(text, at, 3, IsAsciiAlnum, IsUrlChar);
}

void FindWebPatterns(InputTables& in, bool whole_page) {
  Search(in, whole_page, ExtractEmail, in.WebEmails);
  Search(in, whole_page, ExtractUrl, in.WebUrls);
}

}  // namespace vt
