// Counts the heap allocations of a test program, for tests that show a warmed-up loop allocates
// nothing.
#pragma once

#include <cstddef>

namespace vt::testing {

// Allocations through the global operator new so far; only the difference across a block matters.
// Defined in allocation_counter.cpp, which replaces operator new and so is linked only into the
// test programs that count (see tests/CMakeLists.txt).
std::size_t AllocationCount();

}  // namespace vt::testing
