// EBCDIC translation: the two fixed byte tables, each the exact inverse of the other.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace vt {

// ASCII (Latin-1) byte -> EBCDIC byte; a permutation of 0..255 that maps 0 to 0.
extern const std::array<unsigned char, 256> AsciiToEbcdicTable;
// EBCDIC byte -> ASCII byte; the inverse of AsciiToEbcdicTable.
extern const std::array<unsigned char, 256> EbcdicToAsciiTable;

inline char AsciiToEbcdic(char c) {
  return static_cast<char>(AsciiToEbcdicTable[static_cast<unsigned char>(c)]);
}

inline char EbcdicToAscii(char c) {
  return static_cast<char>(EbcdicToAsciiTable[static_cast<unsigned char>(c)]);
}

// Every byte of data[0, length) translated in place.
void TranslateEbcdicToAscii(char* data, std::size_t length);
void TranslateAsciiToEbcdic(char* data, std::size_t length);
inline void TranslateEbcdicToAscii(std::string& text) {
  TranslateEbcdicToAscii(text.data(), text.size());
}

}  // namespace vt
