// Fuzz findings of the window's load-and-run chain, replayed through the fuzz target that found
// them.
#include "support/fuzz_replay.h"

namespace vt {
namespace {

constexpr testing::FuzzCase kCases[] = {
    // A preference file whose binary record length is about 1.7 billion: the load cut the record
    // in hand with it, and its last field was made of that many zeros.
    {"binary_record_length_far_past_the_record", fuzz::WindowLoadRun},
};

TEST(FuzzReplay, WindowLoadRun) {
  testing::ReplayFuzzCases("window", kCases);
}

}  // namespace
}  // namespace vt
