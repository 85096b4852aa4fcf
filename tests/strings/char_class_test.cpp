// Character classes and ASCII case folding over all 256 byte values.
#include "strings/char_class.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

bool InRange(int b, int low, int high) {
  return b >= low && b <= high;
}

TEST(CharClassTest, ClassesOfEveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const char c = static_cast<char>(b);
    const bool digit = InRange(b, '0', '9');
    const bool letter = InRange(b, 'A', 'Z') || InRange(b, 'a', 'z') || b >= 128;
    EXPECT_EQ(IsDigit(c), digit);
    EXPECT_EQ(IsLetter(c), letter);
    EXPECT_EQ(IsLetterChar(c), letter);
    EXPECT_EQ(IsWordChar(c), digit || letter);
    EXPECT_EQ(IsBlank(c), b == ' ');
  }
}

TEST(CharClassTest, AsciiFoldingOfEveryByte) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const char c = static_cast<char>(b);
    const int upper = InRange(b, 'a', 'z') ? b - 32 : b;
    const int lower = InRange(b, 'A', 'Z') ? b + 32 : b;
    EXPECT_EQ(static_cast<unsigned char>(UpperAscii(c)), upper);
    EXPECT_EQ(static_cast<unsigned char>(LowerAscii(c)), lower);
  }
}

TEST(CharClassTest, SignedAndUnsignedSpellingsAgree) {
  // Callers hold bytes as plain (signed) char; a negative value must index like 128-255.
  for (int b = 128; b < 256; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const auto as_signed = static_cast<signed char>(b);
    EXPECT_TRUE(IsWordChar(static_cast<char>(as_signed)));
    EXPECT_EQ(UpperAscii(static_cast<char>(as_signed)), static_cast<char>(b));
  }
}

}  // namespace
}  // namespace vt
