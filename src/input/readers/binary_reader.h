// Binary reader: fixed-length records after a header, cut at the dividers and read by type.
#pragma once

#include <memory>

#include "input/readers/record_reader.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordReader> MakeBinaryReader(const ReaderSetup& setup);

// Reads one binary record of BinaryRecordLength bytes into BinaryRecordCopy and its display
// form into InputLine; false when the length is unusable or the file is at its end, and, unless
// `accept_short`, when only a short record is left.
[[nodiscard]] bool ReadBinaryRecordBytes(InputTables& in, bool ebcdic, bool accept_short = false);

}  // namespace vt
