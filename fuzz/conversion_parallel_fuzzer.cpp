// Fuzz target: the conversion run of the conversion target, once parsing alone and once with
// two parse-ahead workers; any byte of difference between the two outputs is a finding.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/fuzz_conversion.h"
#include "support/fuzz_files.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {
namespace {

// The run's output file and the interleave pass's, of the run just made.
std::string Outputs() {
  return ReadScratch(ScratchPath("output")) + '\0' + ReadScratch(ScratchPath("interleaved"));
}

}  // namespace

void ConversionParallel(FuzzInput& fuzz) {
  FuzzInput again = fuzz;  // the same choices and file for the second run
  const std::string interleaved = ScratchPath("interleaved");
  std::remove(interleaved.c_str());
  if (!ConvertPatchedSample(fuzz, 0)) return;
  const std::string alone = Outputs();
  std::remove(interleaved.c_str());
  (void)ConvertPatchedSample(again, 2);
  if (Outputs() != alone) std::abort();
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(ConversionParallel)
