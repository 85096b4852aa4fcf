// Interleave pass of a run: the finished output moved to the work file and written back with its
// records in streams.
#pragma once

#include <string>

#include "output/run/interleave.h"

namespace vt {

// Where a run's records are after the pass.
enum class InterleaveOutcome {
  kInterleaved,  // in `finished`, in their streams
  kAsWritten,    // in `finished` as the run wrote them: the pass could not start or was undone
  kInWorkFile,   // in `work` as the run wrote them: they could not be written back
};

// Moves `finished` to `work` (replacing it; across file systems by a copy) and writes it back
// to `finished` interleaved; the work file stays. When the move fails `finished` stays as it
// was. When writing back fails, `finished` goes and the records stay in the work file; with
// `put_back` (a file that held more than this run's records) the work file is first moved back.
[[nodiscard]] InterleaveOutcome InterleavePass(const std::string& finished, const std::string& work,
                                               const InterleaveLayout& layout, bool put_back);

}  // namespace vt
