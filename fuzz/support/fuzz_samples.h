// Fuzz samples: a small input of every kind, the file a loaded set-up is tried on.
#pragma once

#include <string>

#include "input/readers/record_reader.h"

namespace vt::fuzz {

// Comma and other-delimited records, fixed columns, web-form pairs, report pages with tags, an
// XML record and an HTML table row, binary records with packed and zoned numbers, or a dBase
// III table with a deleted record.
[[nodiscard]] const std::string& SampleInput(InputKind kind);

}  // namespace vt::fuzz
