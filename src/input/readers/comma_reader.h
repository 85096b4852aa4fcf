// Comma reader: comma-delimited text with quoted strings.
#pragma once

#include <memory>

#include "input/readers/text_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeCommaReader(const ReaderSetup& setup);

}  // namespace vt
