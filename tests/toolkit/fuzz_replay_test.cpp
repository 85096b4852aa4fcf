// Fuzz findings of the settings file, replayed through the fuzz target that found them.
#include "support/fuzz_replay.h"

namespace vt {
namespace {

constexpr testing::FuzzCase kCases[] = {
    // A file with a line "[\r\r\n": written back as "[\r\n", it read as a header of the empty
    // section, and a key written to that section was not found again.
    {"header_line_keeping_its_own_cr", fuzz::Ini},
};

TEST(FuzzReplay, SettingsFile) {
  testing::ReplayFuzzCases("toolkit", kCases);
}

}  // namespace
}  // namespace vt
