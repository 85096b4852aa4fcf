// Fixed reader: fixed-format text records cut at the dividers set on the sample record.
#pragma once

#include <memory>

#include "input/readers/text_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeFixedReader(const ReaderSetup& setup);

}  // namespace vt
