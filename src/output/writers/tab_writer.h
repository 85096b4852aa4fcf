// Tab-delimited output: TAB between fields, CR LF records.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeTabWriter(const WriterSetup& setup);

}  // namespace vt
