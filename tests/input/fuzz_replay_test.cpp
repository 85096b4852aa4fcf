// Fuzz findings of the input engines, replayed through the fuzz targets that found them.
#include "support/fuzz_replay.h"

namespace vt {
namespace {

constexpr testing::FuzzCase kCases[] = {
    // A binary field of no bytes (its divider at or before the one before it), read as text.
    {"binary_field_without_bytes", fuzz::InputBinary},
    // A record length of 2^31 - 1 loaded after the records were read, the record cut with it.
    {"binary_field_far_past_the_record", fuzz::InputBinary},
};

TEST(FuzzReplay, InputEngines) {
  testing::ReplayFuzzCases("input", kCases);
}

}  // namespace
}  // namespace vt
