// Fuzz target: the conversion run into every format, from the sample set-up patched by the
// input (see support/fuzz_conversion.h).
#include "support/fuzz_conversion.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {

void Conversion(FuzzInput& fuzz) {
  (void)ConvertPatchedSample(fuzz, -1);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Conversion)
