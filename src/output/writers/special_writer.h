// Other-delimited output: the user's delimiter between fields, CR LF records.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeSpecialWriter(const WriterSetup& setup);

}  // namespace vt
