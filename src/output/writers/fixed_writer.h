// Fixed-column output: no delimiters, CR LF records.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeFixedWriter(const WriterSetup& setup);

}  // namespace vt
