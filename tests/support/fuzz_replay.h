// Fuzz replay: the saved inputs that made a fuzz target fail, run through the same target again.
// Built without libFuzzer, the targets run as plain functions; a fault they found comes back as
// a sanitizer report under `make sanitize`, and the tests beside each replay check its values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/fuzz_targets.h"

namespace vt::testing {

struct FuzzCase {
  const char* file;  // in tests/<folder>/fuzz_cases/
  void (*target)(fuzz::FuzzInput&);
};

// Replays every case of `folder`; a case file that is missing fails.
template <std::size_t N>
void ReplayFuzzCases(const char* folder, const FuzzCase (&cases)[N]) {
  for (const FuzzCase& c : cases) {
    SCOPED_TRACE(c.file);
    const std::filesystem::path path =
        std::filesystem::path(VONTRASK_SOURCE_DIR) / "tests" / folder / "fuzz_cases" / c.file;
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    fuzz::Replay(c.target, bytes);
  }
}

}  // namespace vt::testing
