// Line-only readers: web-form data and page images, read line by line and not cut here: their
// cutters belong to their own input steps.
#pragma once

#include <memory>

#include "input/readers/text_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeWebFormReader(const ReaderSetup& setup);
[[nodiscard]] std::unique_ptr<RecordReader> MakePageReader(const ReaderSetup& setup);

}  // namespace vt
