// Case-insensitive search and comparison.
#include "strings/search.h"

#include <cstring>

#include "strings/char_class.h"

namespace vt {

namespace {

bool EqualFolded(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

// The first c in [from, last], or nullptr.
const char* Next(const char* from, const char* last, char c) {
  if (from > last) return nullptr;
  return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(last - from) + 1));
}

}  // namespace

std::size_t FindText(std::string_view text, std::string_view searched) {
  text = text.substr(0, kFindTextLimit);
  searched = searched.substr(0, kFindTextLimit);
  if (searched.empty()) return 0;
  if (searched.size() > text.size()) return std::string_view::npos;

  const char* const base = text.data();
  const std::size_t rest_length = searched.size() - 1;
  const char* const rest = searched.data() + 1;
  const char* const last = base + (text.size() - searched.size());
  const char first = searched[0];
  const char upper = UpperAscii(first);
  const char lower = LowerAscii(first);

  if (upper == lower) {
    // No case to fold in the first byte: let memchr find the candidates.
    for (const char* p = Next(base, last, first); p != nullptr; p = Next(p + 1, last, first)) {
      if (EqualFolded(p + 1, rest, rest_length)) return static_cast<std::size_t>(p - base);
    }
    return std::string_view::npos;
  }
  // Two memchr streams, one per case; the nearer one is the next candidate.
  const char* next_upper = Next(base, last, upper);
  const char* next_lower = Next(base, last, lower);
  while (next_upper != nullptr || next_lower != nullptr) {
    const bool take_upper =
        next_lower == nullptr || (next_upper != nullptr && next_upper < next_lower);
    const char* const p = take_upper ? next_upper : next_lower;
    if (EqualFolded(p + 1, rest, rest_length)) return static_cast<std::size_t>(p - base);
    if (take_upper) {
      next_upper = Next(p + 1, last, upper);
    } else {
      next_lower = Next(p + 1, last, lower);
    }
  }
  return std::string_view::npos;
}

int SameTextN(std::string_view a, std::string_view b, std::size_t n) {
  a = a.substr(0, kSameTextLimit);
  b = b.substr(0, kSameTextLimit);
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(i < a.size() ? UpperAscii(a[i]) : '\0');
    const auto cb = static_cast<unsigned char>(i < b.size() ? UpperAscii(b[i]) : '\0');
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

std::size_t EndsWithPattern(std::string_view text, std::string_view pattern) {
  // A text that does not end in the pattern has no occurrence that ends it: most shapes a
  // parser tries are ruled out without a search, by a byte or two from the end.
  if (pattern.size() > text.size()) return 0;
  for (std::size_t i = 1; i <= pattern.size(); ++i) {
    if (text[text.size() - i] != pattern[pattern.size() - i]) return 0;
  }
  const std::size_t at = text.find(pattern);
  if (at == std::string_view::npos) return 0;
  return at + pattern.size() == text.size() ? at : 0;
}

}  // namespace vt
