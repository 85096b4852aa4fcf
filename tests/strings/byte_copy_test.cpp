// Byte copies and fills: every length up to beyond a field's, every byte value, nothing
// written outside the range.
#include "strings/byte_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

TEST(ByteCopyTest, CopiesExactlyCountBytesAtEveryLength) {
  std::string from(300, '\0');
  for (std::size_t i = 0; i < from.size(); ++i) from[i] = static_cast<char>(i * 7 + 1);
  for (std::size_t count = 0; count <= 260; ++count) {
    SCOPED_TRACE(count);
    std::string to(count + 2, '#');
    CopyBytes(to.data() + 1, from.data() + 3, count);
    EXPECT_EQ(to.front(), '#');
    EXPECT_EQ(to.back(), '#');
    EXPECT_EQ(to.substr(1, count), from.substr(3, count));
  }
}

TEST(ByteCopyTest, FillsEveryByteValue) {
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    for (std::size_t count = 0; count <= 40; count += (count < 20 ? 1 : 7)) {
      std::string to(count + 2, byte == '#' ? '%' : '#');
      const char guard = to.front();
      FillBytes(to.data() + 1, byte, count);
      ASSERT_EQ(to.front(), guard) << "byte " << b << " count " << count;
      ASSERT_EQ(to.back(), guard) << "byte " << b << " count " << count;
      ASSERT_EQ(to.substr(1, count), std::string(count, byte))
          << "byte " << b << " count " << count;
    }
  }
}

TEST(ByteCopyTest, NullPointersWithNothingToDoAreLeftAlone) {
  CopyBytes(nullptr, nullptr, 0);
  FillBytes(nullptr, ' ', 0);
  SUCCEED();
}

}  // namespace
}  // namespace vt
