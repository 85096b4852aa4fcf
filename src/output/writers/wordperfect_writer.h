// Merge-file output: 0x12 between fields, 0x12 0x05 0x0A after each record.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeWordPerfectWriter(const WriterSetup& setup);

}  // namespace vt
