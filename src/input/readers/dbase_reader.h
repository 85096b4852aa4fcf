// dBase reader: the records of a dBase III table, their values decoded by field type.
#pragma once

#include <memory>

#include "input/readers/record_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeDbaseReader(const ReaderSetup& setup);

// Reads the record at the file's position: its deletion flag into `flag`, its values into
// InputFieldValues 1..DbaseFieldCount and their joined text into InputLine. False (nothing
// read) at the end of the file, whatever count the header claims.
[[nodiscard]] bool ReadDbaseRecordValues(InputTables& in, char& flag, std::string& raw);

}  // namespace vt
