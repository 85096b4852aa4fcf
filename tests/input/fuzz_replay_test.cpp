// Fuzz findings of the input engines, replayed through the fuzz targets that found them.
#include "support/fuzz_replay.h"

namespace vt {
namespace {

constexpr testing::FuzzCase kCases[] = {
    // A binary field of no bytes (its divider at or before the one before it), read as text.
    {"binary_field_without_bytes", fuzz::InputBinary},
};

TEST(FuzzReplay, InputEngines) {
  testing::ReplayFuzzCases("input", kCases);
}

}  // namespace
}  // namespace vt
