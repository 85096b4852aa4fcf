// Preference file layout: checks of the block table against the sizes the file format fixes.
#include "prefs/pref_layout.h"

namespace vt {

namespace {

constexpr bool WidthsDivideSizes() {
  for (const PrefBlock& b : kPrefBlocks) {
    if (b.width == 0 || b.size % b.width != 0) return false;
  }
  return true;
}

static_assert(WidthsDivideSizes(), "every block is a whole number of elements");
static_assert(kPrefBlocks[21].offset == 27530, "block 22 starts at 27,530");
static_assert(kPrefBlocks[60].offset == kPrefMandatoryEnd, "the tail starts with block 61");
static_assert(kPrefBlocks[69].offset == 53495, "block 70 starts at 53,495");
static_assert(kPrefBlocks[69].offset + kPrefBlocks[69].size == kPrefFileSize,
              "53,559 bytes in all");

}  // namespace

}  // namespace vt
