// dBase III output: the table header, blank-flagged fixed records and the end byte.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeDbaseWriter(const WriterSetup& setup);

}  // namespace vt
