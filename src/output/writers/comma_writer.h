// Comma-delimited output: quoted field names, CR LF records.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeCommaWriter(const WriterSetup& setup);

}  // namespace vt
