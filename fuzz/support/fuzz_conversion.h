// Fuzz conversion: the sample set-up patched by the input, converted from an input file of any
// kind into any format, as the conversion targets run it.
#pragma once

#include "support/fuzz_input.h"

namespace vt::fuzz {

// One run; `parse_workers` as RunPlan's. False when the input file could not be opened (no run).
bool ConvertPatchedSample(FuzzInput& fuzz, int parse_workers);

}  // namespace vt::fuzz
