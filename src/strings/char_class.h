// Character classes and ASCII case folding of single bytes, through 256-entry tables.
//
// A character is one byte. These classes are the program's own and follow no locale, so
// <cctype> is never used: its answers for bytes 128-255 depend on the locale and it is
// undefined for negative char values. Here every byte 128-255 counts as a letter (the
// program treats accented Latin-1 letters, and any other high byte, as part of words).
// The NUL byte belongs to no class.
#pragma once

#include <cstdint>

namespace vt {

namespace strings_internal {

// Bits of kCharClass. The word scanners combine them into the byte sets they stop at.
enum CharClassBit : std::uint8_t {
  kDigitBit = 1,
  kLetterBit = 2,
  kBlankBit = 4,
  kUnderscoreBit = 8,
  kApostropheBit = 16,
  kHyphenBit = 32,
  kFullStopBit = 64,
};
inline constexpr std::uint8_t kWordBits = kDigitBit | kLetterBit;

extern const std::uint8_t kCharClass[256];
extern const unsigned char kUpperAscii[256];
extern const unsigned char kLowerAscii[256];

inline bool HasClass(char c, std::uint8_t bits) {
  return (kCharClass[static_cast<unsigned char>(c)] & bits) != 0;
}

}  // namespace strings_internal

// "0" to "9" only.
inline bool IsDigit(char c) {
  return strings_internal::HasClass(c, strings_internal::kDigitBit);
}

// "A" to "Z", "a" to "z" and every byte 128 to 255.
inline bool IsLetter(char c) {
  return strings_internal::HasClass(c, strings_internal::kLetterBit);
}

// The same test under the name the parsers use.
inline bool IsLetterChar(char c) {
  return IsLetter(c);
}

// A letter or a digit (so every byte 128 to 255).
inline bool IsWordChar(char c) {
  return strings_internal::HasClass(c, strings_internal::kWordBits);
}

// The space character only; TAB is not a blank.
inline bool IsBlank(char c) {
  return c == ' ';
}

// "a"-"z" to "A"-"Z"; every other byte unchanged.
inline char UpperAscii(char c) {
  return static_cast<char>(strings_internal::kUpperAscii[static_cast<unsigned char>(c)]);
}

// "A"-"Z" to "a"-"z"; every other byte unchanged.
inline char LowerAscii(char c) {
  return static_cast<char>(strings_internal::kLowerAscii[static_cast<unsigned char>(c)]);
}

}  // namespace vt
