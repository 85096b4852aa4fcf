// Delimited reader: tab-delimited text and text delimited by another byte.
#pragma once

#include <memory>

#include "input/readers/text_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeTabReader(const ReaderSetup& setup);
[[nodiscard]] std::unique_ptr<RecordReader> MakeSpecialReader(const ReaderSetup& setup);

}  // namespace vt
