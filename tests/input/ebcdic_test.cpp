// EBCDIC tables: both are permutations, each the inverse of the other, with the known entries.
#include "input/ebcdic.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

TEST(EbcdicTest, RoundTripOverEveryByte) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(static_cast<unsigned char>(EbcdicToAscii(AsciiToEbcdic(c))), b) << "byte " << b;
    EXPECT_EQ(static_cast<unsigned char>(AsciiToEbcdic(EbcdicToAscii(c))), b) << "byte " << b;
  }
}

TEST(EbcdicTest, BothTablesArePermutations) {
  bool seen_forward[256] = {};
  bool seen_back[256] = {};
  for (int b = 0; b < 256; ++b) {
    seen_forward[AsciiToEbcdicTable[static_cast<std::size_t>(b)]] = true;
    seen_back[EbcdicToAsciiTable[static_cast<std::size_t>(b)]] = true;
  }
  for (int b = 0; b < 256; ++b) {
    EXPECT_TRUE(seen_forward[b]) << "no ASCII byte maps to EBCDIC " << b;
    EXPECT_TRUE(seen_back[b]) << "no EBCDIC byte maps to ASCII " << b;
  }
}

TEST(EbcdicTest, KnownEntries) {
  const struct {
    unsigned char ascii;
    unsigned char ebcdic;
  } rows[] = {{0x00, 0x00}, {' ', 0x40}, {'!', 0x4F},  {'[', 0x4A},  {']', 0x5A}, {'^', 0x5F},
              {'|', 0x6A},  {'~', 0xA1}, {'0', 0xF0},  {'9', 0xF9},  {'A', 0xC1}, {'I', 0xC9},
              {'J', 0xD1},  {'R', 0xD9}, {'S', 0xE2},  {'Z', 0xE9},  {'a', 0x81}, {'z', 0xA9},
              {'{', 0xC0},  {'}', 0xD0}, {0x7F, 0x07}, {0xFF, 0xFF}, {'\n', 0x25}};
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.ascii));
    EXPECT_EQ(AsciiToEbcdicTable[row.ascii], row.ebcdic);
    EXPECT_EQ(EbcdicToAsciiTable[row.ebcdic], row.ascii);
  }
}

TEST(EbcdicTest, TranslatesABufferBothWays) {
  std::string text = "\xF1\xF2\xC3\x40";
  TranslateEbcdicToAscii(text);
  EXPECT_EQ(text, "12C ");
  TranslateAsciiToEbcdic(text.data(), text.size());
  EXPECT_EQ(text, "\xF1\xF2\xC3\x40");
}

}  // namespace
}  // namespace vt
