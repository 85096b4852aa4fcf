// Web-form reader: a record of URL-encoded pairs per line, continuation lines joined.
#pragma once

#include <memory>

#include "input/readers/text_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeWebFormReader(const ReaderSetup& setup);

}  // namespace vt
