// XML output: the declaration, the table element and one element per record.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeXmlWriter(const WriterSetup& setup);

}  // namespace vt
