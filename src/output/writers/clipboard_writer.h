// Clipboard output: a tab-delimited transfer file whose text goes to the clipboard.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeClipboardWriter(const WriterSetup& setup);

}  // namespace vt
