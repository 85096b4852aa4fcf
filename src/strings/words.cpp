// Word scanners, last-word probes and word splitting.
#include "strings/words.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "strings/char_class.h"

namespace vt {

namespace {

using words_internal::kHyphenRunBits;
using words_internal::kWordRunBits;
using words_internal::kWordStartBits;
using words_internal::SkipWhile;

// Length of the text once its trailing non-word bytes are gone.
std::size_t TrimmedLength(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && !IsWordChar(text[end - 1])) --end;
  return end;
}

bool Overlaps(std::string_view view, const std::string& s) {
  const std::less_equal<const char*> le;
  return le(s.data(), view.data()) && le(view.data(), s.data() + s.size());
}

// Where a split of source with words of kRunBits cuts it: the first word ends at first_end,
// the second stands at [second_begin, second_end), the rest begins at rest_begin.
struct Cuts {
  std::size_t first_end;
  std::size_t second_begin;
  std::size_t second_end;
  std::size_t rest_begin;
};

template <std::uint8_t kRunBits>
Cuts CutWords(std::string_view source) {
  Cuts c;
  c.first_end = SkipWhile<kRunBits, true>(source, 0);
  c.second_begin = SkipWhile<kWordStartBits, false>(source, c.first_end);
  c.second_end = SkipWhile<kRunBits, true>(source, c.second_begin);
  c.rest_begin = SkipWhile<kWordStartBits, false>(source, c.second_end);
  return c;
}

template <std::uint8_t kRunBits>
void Split(std::string_view source, std::string& first, std::string& second, std::string& rest) {
  const auto [first_end, second_begin, second_end, rest_begin] = CutWords<kRunBits>(source);

  struct Cut {
    std::string* dest;
    std::size_t begin;
    std::size_t end;
  };
  const Cut cuts[] = {{&first, 0, first_end},
                      {&second, second_begin, second_end},
                      {&rest, rest_begin, source.size()}};
  // An output the source views is filled last, when the others have taken their part.
  const bool viewed[] = {Overlaps(source, first), Overlaps(source, second), Overlaps(source, rest)};
  for (std::size_t i = 0; i < 3; ++i) {
    if (!viewed[i])
      cuts[i].dest->assign(source.data() + cuts[i].begin, cuts[i].end - cuts[i].begin);
  }
  for (std::size_t i = 0; i < 3; ++i) {
    if (viewed[i]) cuts[i].dest->assign(source.data() + cuts[i].begin, cuts[i].end - cuts[i].begin);
  }
}

// Cuts off the last word `times` times (trimming trailing separators after each cut) and
// returns the start of the word that then ends the text, or npos when a cut finds the text
// down to a single word.
std::size_t WordBeforeLast(std::string_view source, int times, std::string& dest) {
  std::string_view copy = source.substr(0, kLastWordsLimit);
  for (int i = 0; i < times; ++i) {
    const std::size_t last = LastWord(copy);
    if (last == 0) {
      dest.clear();
      return std::string_view::npos;
    }
    copy = copy.substr(0, TrimmedLength(copy.substr(0, last)));
  }
  const std::size_t start = LastWord(copy);
  dest.assign(copy.data() + start, copy.size() - start);
  return start;
}

template <std::uint8_t kRunBits>
WordViews ViewsOf(std::string_view source) {
  const Cuts c = CutWords<kRunBits>(source);
  return {source.substr(0, c.first_end),
          source.substr(c.second_begin, c.second_end - c.second_begin),
          source.substr(c.rest_begin)};
}

}  // namespace

void SplitWords(std::string_view source, std::string& first, std::string& second,
                std::string& rest) {
  Split<kWordRunBits>(source, first, second, rest);
}

WordViews SplitWordViews(std::string_view source) {
  return ViewsOf<kWordRunBits>(source);
}

WordViews SplitHyphenWordViews(std::string_view source) {
  return ViewsOf<kHyphenRunBits>(source);
}

void SplitHyphenWords(std::string_view source, std::string& first, std::string& second,
                      std::string& rest) {
  Split<kHyphenRunBits>(source, first, second, rest);
}

std::size_t SplitLastWord(std::string_view source, std::string& dest) {
  return WordBeforeLast(source, 1, dest);
}

std::size_t SplitSecondLastWord(std::string_view source, std::string& dest) {
  return WordBeforeLast(source, 2, dest);
}

void JoinWords(std::string& text) {
  const std::size_t length = std::min(text.size(), kJoinWordsLimit);
  const std::string_view source(text.data(), length);
  // The result never outgrows what it has read: each blank stands where at least one
  // separator was, so it is written in place behind the read point.
  std::size_t write = 0;
  std::size_t read = SkipToWord(source, 0);
  while (read < length) {
    const std::size_t end = SkipWord(source, read);
    std::memmove(text.data() + write, text.data() + read, end - read);
    write += end - read;
    read = SkipToWord(source, end);
    if (read < length) text[write++] = ' ';
  }
  text.resize(write);
}

}  // namespace vt
