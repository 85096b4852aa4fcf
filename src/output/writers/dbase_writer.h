// dBase III output: the table header, blank-flagged fixed records and the end byte.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeDbaseWriter(const WriterSetup& setup);

// A date as the 8 digits YYYYMMDD of a dBase date field; "00000000" outside 10000000..99999999.
void AppendDbaseDate(std::int32_t date, std::string& out);

}  // namespace vt
