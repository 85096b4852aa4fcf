// In-place replace-all, trimming and byte filters.
#include "strings/edit.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "strings/blank_mask.h"
#include "strings/char_class.h"
#include "strings/search.h"

namespace vt {

namespace {

std::size_t CountOccurrences(std::string_view text, std::string_view searched) {
  std::size_t count = 0;
  for (std::size_t at = FindText(text, searched); at != std::string_view::npos;
       at = FindText(text, searched)) {
    ++count;
    text.remove_prefix(at + searched.size());
  }
  return count;
}

// Rewrites text[read, end) into text[write, ...) with every occurrence replaced. The caller
// guarantees the writes never overtake the reads: write <= read, and the gap covers the
// growth of every occurrence still ahead. Returns the end of the written text.
std::size_t ReplaceForward(std::string& text, std::size_t read, std::size_t write,
                           std::string_view searched, std::string_view replacement) {
  char* const data = text.data();
  const std::size_t end = text.size();
  for (;;) {
    const std::string_view ahead(data + read, end - read);
    const std::size_t at = FindText(ahead, searched);
    const std::size_t keep = at == std::string_view::npos ? ahead.size() : at;
    std::memmove(data + write, data + read, keep);
    write += keep;
    read += keep;
    if (at == std::string_view::npos) return write;
    std::memcpy(data + write, replacement.data(), replacement.size());
    write += replacement.size();
    read += searched.size();
  }
}

using blank_mask_internal::BlankBytes;

// The first i with bytes[i - 1] and bytes[i] both blanks, or size when there is none. Eight
// places at a time on little-endian machines: a branch per byte costs more than the bytes.
std::size_t FirstBlankPair(const char* bytes, std::size_t size) {
  std::size_t i = 1;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= size; i += 8) {
      std::uint64_t before;
      std::uint64_t at;
      std::memcpy(&before, bytes + i - 1, 8);
      std::memcpy(&at, bytes + i, 8);
      const std::uint64_t pairs = BlankBytes(before) & BlankBytes(at);
      if (pairs != 0) return i + static_cast<std::size_t>(std::countr_zero(pairs)) / 8;
    }
  }
  for (; i < size; ++i) {
    if (IsBlank(bytes[i - 1]) && IsBlank(bytes[i])) return i;
  }
  return size;
}

}  // namespace

void ReplaceAllText(std::string& text, std::string_view searched, std::string_view replacement) {
  const std::size_t length = std::min(text.size(), kReplaceAllTextLimit);
  if (searched.empty() || searched.size() > length) return;
  const std::string_view region(text.data(), length);
  const std::size_t first = FindText(region, searched);
  if (first == std::string_view::npos) return;

  text.resize(length);
  if (replacement.size() <= searched.size()) {
    // Shrinks or keeps the length: the write point trails the read point.
    text.resize(ReplaceForward(text, first, first, searched, replacement));
    return;
  }
  // Grows: move the text from the first occurrence on to the back of its final size, then
  // rewrite it from the front; the part before the first occurrence stays where it is.
  const std::size_t count = CountOccurrences(region.substr(first), searched);
  const std::size_t grown = length + count * (replacement.size() - searched.size());
  text.resize(grown);
  const std::size_t moved = grown - length;
  std::memmove(text.data() + moved + first, text.data() + first, length - first);
  ReplaceForward(text, moved + first, first, searched, replacement);
  text.resize(std::min(grown, kReplaceAllTextLimit));
}

void TrimTrailingChar(std::string& text, char c) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == c) --end;
  text.resize(end);
}

void CollapseBlanks(std::string& text) {
  // Through locals, so that the bytes written are not taken for the string's own length; the
  // bytes before the first pair of blanks stay where they are.
  char* const bytes = text.data();
  const std::size_t size = text.size();
  std::size_t write = FirstBlankPair(bytes, size);
  if (write >= size) return;
  for (std::size_t read = write + 1; read < size; ++read) {
    const char c = bytes[read];
    if (IsBlank(c) && IsBlank(bytes[write - 1])) continue;
    bytes[write++] = c;
  }
  text.resize(write);
}

void RemoveControlChars(std::string& text) {
  // Bytes 128-255 count as control bytes too: the option is meant for printer and mainframe
  // files, whose high bytes are noise once any EBCDIC has been translated.
  std::erase_if(text, [](char c) { return static_cast<signed char>(c) < 32; });
}

void MarkTabs(std::string& text) {
  std::replace(text.begin(), text.end(), '\t', static_cast<char>(128));
}

}  // namespace vt
