// Latin-1 case mapping and accent removal, byte by byte and in place.
//
// Texts are ISO 8859-1 bytes and no locale is consulted. The case maps pair 192-222 with
// 224-254 and "A"-"Z" with "a"-"z". The multiplication and division signs (215, 247),
// sharp s (223) and y with diaeresis (255) have no case partner in Latin-1 and stay as
// they are, so a case change never turns one symbol or letter into another.
#pragma once

#include <cstddef>
#include <string>

namespace vt {

namespace strings_internal {
extern const unsigned char kUpperLatin1[256];
extern const unsigned char kLowerLatin1[256];
extern const unsigned char kAccentFree[256];
}  // namespace strings_internal

// "a"-"z" to "A"-"Z", 224-254 (not 247) to that byte minus 32.
inline char UpperLatin1(char c) {
  return static_cast<char>(strings_internal::kUpperLatin1[static_cast<unsigned char>(c)]);
}

// "A"-"Z" to "a"-"z", 192-222 (not 215) to that byte plus 32.
inline char LowerLatin1(char c) {
  return static_cast<char>(strings_internal::kLowerLatin1[static_cast<unsigned char>(c)]);
}

// Bytes 0-126 unchanged, 127-191 to "*", 192-255 to a plain letter: "AE" ligatures to
// "E"/"e", eth to "D"/"o", the multiplication sign to "x", thorn, sharp s and the division
// sign to "*".
inline char RemoveAccent(char c) {
  return static_cast<char>(strings_internal::kAccentFree[static_cast<unsigned char>(c)]);
}

// In place over text[0, length); the length never changes.
void UpperCaseLatin1(char* text, std::size_t length);
void UpperCaseLatin1(std::string& text);
void LowerCaseLatin1(char* text, std::size_t length);
void LowerCaseLatin1(std::string& text);
void RemoveAccents(char* text, std::size_t length);
void RemoveAccents(std::string& text);

}  // namespace vt
