// Interleave pass of a run: the finished output moved to the work file and written back with its
// records in streams.
#pragma once

#include <string>

#include "output/run/interleave.h"

namespace vt {

// Moves `finished` to `work` (replacing it; across file systems by a copy) and writes it back
// to `finished` interleaved; the work file stays. On failure `finished` is put back as it was
// and false is returned.
[[nodiscard]] bool InterleavePass(const std::string& finished, const std::string& work,
                                  const InterleaveLayout& layout);

}  // namespace vt
