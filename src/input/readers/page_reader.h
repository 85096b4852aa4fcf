// Page reader: page-image input (XML and HTML tables included), one record per block of each
// data band of each page.
#pragma once

#include <memory>

#include "input/readers/record_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakePageReader(const ReaderSetup& setup);

}  // namespace vt
