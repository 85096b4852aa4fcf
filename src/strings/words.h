// Word scanning and splitting for the parsers and the output builder.
//
// A word character is a letter or a digit (char_class.h). Each scanner takes an offset
// into a text and returns an offset in the same text; at or past the end it returns its
// argument. The different word shapes (with apostrophes, hyphens, underscores or full
// stops) are the ones stored set-ups and the parsers were tuned for; keep them apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "strings/char_class.h"

namespace vt {

// SplitLastWord and SplitSecondLastWord look at no more than this many characters.
inline constexpr std::size_t kLastWordsLimit = 255;
// JoinWords keeps no more than this many characters of its text.
inline constexpr std::size_t kJoinWordsLimit = 1255;

// Skips bytes that are neither word characters nor underscores.
inline std::size_t SkipToWord(std::string_view text, std::size_t pos);
// Skips bytes that are not letters.
inline std::size_t SkipToLetter(std::string_view text, std::size_t pos);
// Skips blanks (the space character only).
inline std::size_t SkipBlanks(std::string_view text, std::size_t pos);
// Skips word characters, apostrophes and underscores.
inline std::size_t SkipWord(std::string_view text, std::size_t pos);
// Skips word characters, apostrophes and hyphens (not underscores).
inline std::size_t SkipHyphenWord(std::string_view text, std::size_t pos);
// Skips word characters, apostrophes, hyphens and underscores: a run that holds no word start
// after its first byte.
inline std::size_t SkipWordWithHyphens(std::string_view text, std::size_t pos);

// Start of the last word, a word being a run of word characters, hyphens and apostrophes:
// the offset just after the last other byte; 0 when there is none; text.size() when the
// text ends with such a byte (the last word is then empty: "Main St." gives 8).
inline std::size_t LastWord(std::string_view text);
// As LastWord, with the full stop counted in words ("Main St." gives 5).
inline std::size_t LastWordDotted(std::string_view text);

// first := the text up to the end of its first SkipWord run (empty when it opens with a
// separator); second := the first word from the next SkipToWord stop; rest := everything
// from the SkipToWord stop after that, unchanged. source may view one of the outputs.
void SplitWords(std::string_view source, std::string& first, std::string& second,
                std::string& rest);
// The three parts SplitWords cuts, as views of source: for a caller that only looks at them.
struct WordViews {
  std::string_view first;
  std::string_view second;
  std::string_view rest;
};
[[nodiscard]] WordViews SplitWordViews(std::string_view source);
// As SplitWordViews with the words of SplitHyphenWords.
[[nodiscard]] WordViews SplitHyphenWordViews(std::string_view source);
// As SplitWords with SkipHyphenWord runs, so "Jean-Paul" stays whole and "_" ends a word.
void SplitHyphenWords(std::string_view source, std::string& first, std::string& second,
                      std::string& rest);

// The word before the last word: the last word is cut off, trailing separators trimmed
// (TrimTrailing) and dest gets the word that then ends the text. Returns its offset in
// source, or npos with dest empty when the text is one word or empty.
// ("100 Main Street" gives "Main" at 4.)
std::size_t SplitLastWord(std::string_view source, std::string& dest);
// As SplitLastWord with the cut-and-trim done twice: the third word from the end
// ("Mary De La Cruz" gives "De"); npos with dest empty for fewer than three words.
std::size_t SplitSecondLastWord(std::string_view source, std::string& dest);

// Rewrites the text as its words joined by single blanks. A word is a run of word
// characters, apostrophes and underscores that opens with a word character or an
// underscore; everything else separates and is dropped ("  O'Brien,  Jr. " -> "O'Brien Jr").
void JoinWords(std::string& text);

// ---- End of the public API. The scanners are inline: the parsers call them per word. ----

namespace words_internal {

using strings_internal::HasClass;
inline constexpr std::uint8_t kWordStartBits =
    strings_internal::kWordBits | strings_internal::kUnderscoreBit;
inline constexpr std::uint8_t kWordRunBits = strings_internal::kWordBits |
                                             strings_internal::kApostropheBit |
                                             strings_internal::kUnderscoreBit;
inline constexpr std::uint8_t kHyphenRunBits =
    strings_internal::kWordBits | strings_internal::kApostropheBit | strings_internal::kHyphenBit;
inline constexpr std::uint8_t kWordWithHyphensBits = kWordRunBits | strings_internal::kHyphenBit;
inline constexpr std::uint8_t kLastWordBits =
    strings_internal::kWordBits | strings_internal::kHyphenBit | strings_internal::kApostropheBit;

// Moves over bytes whose class is (or, with kInside false, is not) in kBits. Templates: with
// the class and the sense fixed, a byte costs one lookup, one test and one branch.
template <std::uint8_t kBits, bool kInside>
inline std::size_t SkipWhile(std::string_view text, std::size_t pos) {
  const char* const bytes = text.data();
  const std::size_t size = text.size();
  while (pos < size && HasClass(bytes[pos], kBits) == kInside) ++pos;
  return pos;
}

template <std::uint8_t kBits>
inline std::size_t LastRunStart(std::string_view text) {
  const char* const bytes = text.data();
  std::size_t start = text.size();
  while (start > 0 && HasClass(bytes[start - 1], kBits)) --start;
  return start;
}

}  // namespace words_internal

inline std::size_t SkipToWord(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<words_internal::kWordStartBits, false>(text, pos);
}

inline std::size_t SkipToLetter(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<strings_internal::kLetterBit, false>(text, pos);
}

inline std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<strings_internal::kBlankBit, true>(text, pos);
}

inline std::size_t SkipWord(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<words_internal::kWordRunBits, true>(text, pos);
}

inline std::size_t SkipHyphenWord(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<words_internal::kHyphenRunBits, true>(text, pos);
}

inline std::size_t SkipWordWithHyphens(std::string_view text, std::size_t pos) {
  return words_internal::SkipWhile<words_internal::kWordWithHyphensBits, true>(text, pos);
}

inline std::size_t LastWord(std::string_view text) {
  return words_internal::LastRunStart<words_internal::kLastWordBits>(text);
}

inline std::size_t LastWordDotted(std::string_view text) {
  return words_internal::LastRunStart<words_internal::kLastWordBits |
                                      strings_internal::kFullStopBit>(text);
}

}  // namespace vt
