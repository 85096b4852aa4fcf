// Interleave: a finished output file rewritten so that its records come in several streams, for
// mail-merging several items across a page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/run/conversion.h"

namespace vt {

// Where the records of a finished file lie, and how to cut and finish them.
struct InterleaveLayout {
  int streams = 1;
  std::int64_t records_start = 0;  // what comes before (header, names, prologue) stays first
  std::int64_t records_end = 0;    // what comes after (epilogue, trailer) stays last
  std::int64_t record_length = 0;  // fixed records (dBase); 0: each record is one line
  std::string terminator;          // what every line-break marker in a line becomes
};

// The layout of the file a run wrote: its streams, where its records lie, and (dBase) their
// fixed length.
InterleaveLayout InterleaveLayoutOf(const RunPlan& plan, const RunResult& run,
                                    std::string_view terminator);

// Writes `from` to the new file `to` with its T records in S streams of Q = T / S (rounded up):
// position k after the header holds record (k mod S) x Q + (k div S) + 1. False when a file
// does not open or a read or write fails; `to` is then incomplete.
[[nodiscard]] bool InterleaveFile(const std::string& from, const std::string& to,
                                  const InterleaveLayout& layout);

}  // namespace vt
